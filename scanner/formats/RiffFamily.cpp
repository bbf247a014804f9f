// The RIFF kinds' shared size rule and check. The rule takes the first form type it finds in the
// header and the size the header declares; the check walks the top-level chunks, every id
// printable and every chunk inside the item, and hands each to its kind's file to note.
#include "RiffFamily.h"

#include <algorithm>

#include "ItemChecks.h"
#include "Recognisers.h"
#include "formats/FormatOrders.h"

namespace morvane {

namespace {
constexpr std::int64_t kRiffHeader = 12;

bool ContainsMark(const LookAhead& a, std::int64_t end, std::string_view mark) noexcept {
    return a.Contains(0, end, {reinterpret_cast<const std::uint8_t*>(mark.data()), mark.size()});
}

bool IsChunkId(const ItemView& item, std::int64_t at) noexcept {
    if (!item.Has(at, 4)) return false;
    for (std::int64_t i = 0; i < 4; ++i) {
        const std::uint8_t c = item.data()[at + i];
        if (c < 0x20 || c > 0x7E) return false;
    }
    return true;
}

void NoteChunk(const ItemView& item, std::int64_t at, std::int64_t size, ResourceKind kind,
               RiffWalk& walk) noexcept {
    if (kind == ResourceKind::WAV)
        NoteWaveChunk(item, at, size, walk);
    else if (kind == ResourceKind::AVI)
        NoteAviChunk(item, at, size, walk);
    else
        NoteAniChunk(item, at, size, walk);
}
}  // namespace

Verdict RecogniseRiff(const LookAhead& a, const ScanOptions& options) noexcept {
    // The tag, the size field and the form type; the first form found decides.
    const ResourceKind* found = nullptr;
    for (const ResourceKind& kind : kRiffKinds)
        if (ContainsMark(a, kRiffHeader, FormatOf(kind).riff.mark)) {
            found = &kind;
            break;
        }
    if (found == nullptr || !options.IsEnabled(*found)) return {};
    const std::int64_t declared = a.FieldInt32(4);
    // Room after the item's first byte: L - p.
    if (declared > a.bytesToEnd() - 1) return {};
    return {declared + 8, *found};
}

std::int64_t CheckRiff(const ItemView& item, ResourceKind kind, std::int64_t bytesToEnd) noexcept {
    const auto declared = item.U32(4);
    if (!item.Matches(0, "RIFF") || !declared || !item.Matches(8, FormatOf(kind).riff.form))
        return 0;
    const std::int64_t total = std::int64_t{*declared} + kRiffChunkHeader;
    if (total < kRiffHeader + kRiffChunkHeader || total > bytesToEnd) return 0;
    RiffWalk walk;
    std::int64_t at = kRiffHeader, end = total;
    while (at < total && item.Has(at, kRiffChunkHeader)) {
        const std::int64_t size = *item.U32(at + 4), next = at + kRiffChunkHeader + size;
        if (!IsChunkId(item, at)) return 0;
        // Some writers leave the RIFF's size short of its last chunk: when that chunk is all
        // there, the item ends where it does.
        if (next > total && (next > bytesToEnd || !item.Has(at, next - at))) return 0;
        end = std::max(end, next);
        NoteChunk(item, at, size, kind, walk);
        at = next + (size & 1);  // the last chunk's pad byte may be missing
    }
    // Chunks past the view cannot be looked at; a chain that stops short inside it is broken.
    if (at < total && item.Has(0, total)) return 0;
    return walk.format && walk.data ? end : 0;
}

Verdict MeasureRiff(const SignatureRow&, const LookAhead& a, const ScanOptions& options,
                    MidiChainMemo*) noexcept {
    return RecogniseRiff(a, options);
}

}  // namespace morvane
