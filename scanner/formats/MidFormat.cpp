// Standard MIDI files. The size rule: "MThd", then the run of directly adjacent tracks; the item
// ends with the last byte of the run's last end-of-track event. The check walks the header chunk
// and the tracks it counts, each "MTrk" with its length.
#include "MidFormat.h"

#include <algorithm>
#include <span>

#include "ItemChecks.h"
#include "MidiChainMemo.h"
#include "Recognisers.h"

namespace morvane {

namespace {
constexpr std::int64_t kEndOfTrackLength = sizeof markers::kMidiEndOfTrack;
constexpr std::int64_t kTrackHeader = 8;  // "MTrk" and the track's length

Verdict MidiOfSize(std::int64_t size) noexcept {
    return {size, ResourceKind::MID};
}

// The rule as stated, on look-ahead offsets: every track header found after the previous one,
// the first end of track after it, and on while the next track header follows directly.
Verdict WalkChain(const LookAhead& a) noexcept {
    std::int64_t track = 0;  // offset of the current track header; the search starts past it
    std::int64_t size = 0;
    bool firstStep = true;
    for (;;) {
        const std::int64_t nextTrack = a.Find(Marker::MidiTrack, track + 1);
        // With no track header at all, the end of track is looked for from the item's start.
        const std::int64_t from = nextTrack >= 0 ? nextTrack + 1 : 0;
        if (nextTrack < 0 && !firstStep) break;  // cannot happen: the previous step saw one
        firstStep = false;
        const std::int64_t end = a.Find(Marker::MidiEndOfTrack, from);
        if (end < 0) break;
        size = end + kEndOfTrackLength;
        if (!a.MatchesAt(end + kEndOfTrackLength, markers::kMidiTrack)) break;
        track = nextTrack;
    }
    return MidiOfSize(size);
}

}  // namespace

// The same walk on absolute positions, continuing the chain the memo holds.
struct MidiChainWalker {
    const LookAhead& a;
    MidiChainMemo& memo;

    std::int64_t Abs(std::int64_t offset) const noexcept { return a.absoluteStart() + offset; }
    std::int64_t FindAbs(Marker marker, std::int64_t from) const noexcept {
        const std::int64_t at = a.Find(marker, from - a.absoluteStart());
        return at < 0 ? -1 : Abs(at);
    }

    // Follows the chain from its last known track as far as this look-ahead allows.
    void Extend() noexcept {
        for (;;) {
            const std::int64_t track = memo.tracks_.back();
            const std::int64_t end = FindAbs(Marker::MidiEndOfTrack, track + 1);
            memo.ends_.back() = end;
            if (end < 0) {
                memo.open_ = true;
                return;
            }
            const std::int64_t after = end + kEndOfTrackLength;
            if (!a.MatchesAt(after - a.absoluteStart(), markers::kMidiTrack)) {
                const std::int64_t lookAheadEnd = Abs(a.length());
                memo.open_ =
                    after + static_cast<std::int64_t>(sizeof markers::kMidiTrack) > lookAheadEnd;
                return;
            }
            memo.tracks_.push_back(FindAbs(Marker::MidiTrack, track + 1));
            memo.ends_.push_back(-1);
        }
    }

    Verdict Recognise() noexcept {
        const std::int64_t searchFrom = Abs(1);
        std::size_t from = memo.first_;
        if (memo.tracks_.empty() || memo.tracks_.back() < searchFrom) {
            memo.Clear();
            const std::int64_t track = FindAbs(Marker::MidiTrack, searchFrom);
            if (track < 0) {
                const std::int64_t end = a.Find(Marker::MidiEndOfTrack, 0);
                return MidiOfSize(end < 0 ? 0 : end + kEndOfTrackLength);
            }
            memo.tracks_.push_back(track);
            memo.ends_.push_back(-1);
            from = 0;
            Extend();
        } else if (memo.open_) {
            Extend();
        }
        // The first remembered track at or after the search start is this candidate's first.
        const auto begin = memo.tracks_.begin() + static_cast<std::ptrdiff_t>(from);
        const std::size_t firstTrack = static_cast<std::size_t>(
            std::lower_bound(begin, memo.tracks_.end(), searchFrom) - memo.tracks_.begin());
        Forget(firstTrack);
        const std::size_t last = memo.tracks_.size() - 1;
        std::int64_t end = memo.ends_[last];
        if (end < 0) end = firstTrack < last ? memo.ends_[last - 1] : -1;
        return MidiOfSize(end < 0 ? 0 : end + kEndOfTrackLength - a.absoluteStart());
    }

    // Entries before `index` lie before this candidate, so before every later one too.
    void Forget(std::size_t index) noexcept {
        memo.first_ = index;
        if (memo.first_ > 4096 && memo.first_ * 2 > memo.tracks_.size()) {
            const auto drop = static_cast<std::ptrdiff_t>(memo.first_);
            memo.tracks_.erase(memo.tracks_.begin(), memo.tracks_.begin() + drop);
            memo.ends_.erase(memo.ends_.begin(), memo.ends_.begin() + drop);
            memo.first_ = 0;
        }
    }
};

Verdict RecogniseMidi(const LookAhead& a, MidiChainMemo* memo) noexcept {
    if (memo == nullptr) return WalkChain(a);
    return MidiChainWalker{a, *memo}.Recognise();
}

std::int64_t CheckMidi(const ItemView& item) noexcept {
    const auto format = item.U16Big(8);
    const auto tracks = item.U16Big(10);
    if (!item.Matches(0, "MThd") || item.U32Big(4) != 6u || !format || *format > 2) return 0;
    if (!tracks || *tracks == 0 || (*format == 0 && *tracks != 1)) return 0;
    std::int64_t at = 14;
    for (std::uint32_t track = 0; track < *tracks; ++track) {
        const auto length = item.U32Big(at + 4);
        if (!item.Matches(at, "MTrk") || !length || !item.Has(at + kTrackHeader, *length)) return 0;
        at += kTrackHeader + *length;
    }
    return at;
}

Verdict MeasureMidi(const SignatureRow&, const LookAhead& a, const ScanOptions&,
                    MidiChainMemo* memo) noexcept {
    return RecogniseMidi(a, memo);
}

std::int64_t CheckMidItem(const ItemView& item, ResourceKind, std::int64_t) noexcept {
    return CheckMidi(item);
}

}  // namespace morvane
