#include "containers/ContainerWalk.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

#include "LogFileSink.h"
#include "containers/ContainerFinder.h"
#include "containers/EntryBuffer.h"

namespace morvane {

namespace {
constexpr std::size_t kPiece = 256 * 1024;

bool SameBytes(SourceFile& a, SourceFile& b, std::int64_t length) {
    std::vector<std::uint8_t> left(kPiece), right(kPiece);
    for (std::int64_t at = 0; at < length; at += static_cast<std::int64_t>(kPiece)) {
        const auto count = static_cast<std::size_t>(
            std::min<std::int64_t>(length - at, static_cast<std::int64_t>(kPiece)));
        const ReadResult x = a.ReadAt(at, left.data(), count);
        const ReadResult y = b.ReadAt(at, right.data(), count);
        if (x.bytes != count || y.bytes != count ||
            std::memcmp(left.data(), right.data(), count) != 0)
            return false;
    }
    return true;
}
}  // namespace

ContainerWalk::ContainerWalk(std::string_view sourceName, WalkLimits limits, ScanSink& sink,
                             StopToken& stop, EntryScanner& scanner)
    : sourceName_(sourceName), limits_(limits), sink_(sink), stop_(stop), scanner_(scanner) {}

void ContainerWalk::Run(SourceFile& source, std::int64_t length, FoundContainers found) {
    budget_ = UnpackBudget(limits_.bytes, limits_.memory);
    entriesLeft_ = limits_.entries;
    ancestors_ = {&source};
    OpenContainersIn(source, length, 1, std::move(found));
}

std::vector<ContainerCandidate> ContainerWalk::Candidates(SourceFile& source, std::int64_t searched,
                                                          FoundContainers found) {
    std::vector<ContainerCandidate> candidates;
    if (found.end == searched) {
        candidates = std::move(found.candidates);
        OrderCandidates(candidates);
    } else if (std::error_code error = FindContainers(source, searched, candidates)) {
        sink_.Failure(error);
    }
    return candidates;
}

void ContainerWalk::OpenContainersIn(SourceFile& source, std::int64_t length, int level,
                                     FoundContainers found) {
    const std::vector<ContainerCandidate> candidates =
        Candidates(source, std::min(length, limits_.searched), std::move(found));
    // Nothing this deep is opened, not even to see whether it is a container.
    if (level > limits_.depth) {
        if (!candidates.empty()) Tell(ScanErrc::ContainersTooDeep);
        return;
    }
    std::int64_t covered = 0;  // candidates before this lie inside a container already read
    std::int64_t parsed = 0;   // and those of the format that failed, inside bytes it parsed
    ContainerFormat failed = ContainerFormat::Zip;
    for (const ContainerCandidate& candidate : candidates) {
        if (limitReached_ || stop_.StopRequested()) return;
        if (candidate.offset < covered || (candidate.format == failed && candidate.offset < parsed))
            continue;
        std::int64_t parsedEnd = 0;
        std::unique_ptr<ContainerReader> reader = Open(source, length, candidate, parsedEnd);
        if (!reader) {
            if (parsedEnd > parsed) {
                parsed = parsedEnd;
                failed = candidate.format;
            }
            continue;
        }
        ReadEntries(*reader, level);
        covered = candidate.offset + std::max<std::int64_t>(reader->Extent(), 1);
    }
}

std::unique_ptr<ContainerReader> ContainerWalk::Open(SourceFile& source, std::int64_t length,
                                                     const ContainerCandidate& candidate,
                                                     std::int64_t& parsedEnd) {
    OpenAttempt attempt;
    std::unique_ptr<ContainerReader> reader =
        OpenContainer(source, length, candidate, budget_, attempt);
    parsedEnd = attempt.parsedEnd;
    switch (attempt.failure) {
        case OpenFailure::NotThere:
            break;
        case OpenFailure::Damaged:
            Tell(ScanErrc::ContainerDamaged);
            break;
        case OpenFailure::Unavailable:
            if (!std::exchange(unavailableTold_, true)) Tell(ScanErrc::UnpackUnavailable);
            break;
        case OpenFailure::OverBudget:
            Tell(ScanErrc::UnpackLimitReached);
            limitReached_ = true;
            break;
    }
    return reader;
}

void ContainerWalk::ReadEntries(ContainerReader& reader, int level) {
    EntryHeader header;
    std::error_code error;
    while (!limitReached_ && !stop_.StopRequested()) {
        const NextEntry next = reader.Next(header, error);
        if (next == NextEntry::End) return;
        if (next == NextEntry::Failed) {
            Tell(error);
            return;
        }
        if (!CountEntry()) return;
        if (next == NextEntry::Passed) continue;
        inside_.push_back(header.name);
        const bool more = ReadEntry(reader, header, level);
        inside_.pop_back();
        if (!more) return;
    }
}

bool ContainerWalk::CountEntry() {
    if (entriesLeft_-- > 0) return true;
    Tell(ScanErrc::EntryLimitReached);
    limitReached_ = true;
    return false;
}

bool ContainerWalk::ReadEntry(ContainerReader& reader, const EntryHeader& header, int level) {
    if (header.encrypted) {
        Tell(ScanErrc::EntryEncrypted);
        return true;
    }
    if (header.declared > budget_.bytesLeft()) {
        Tell(ScanErrc::UnpackLimitReached);
        limitReached_ = true;
        return false;
    }
    EntryBuffer entry(budget_, limits_.scratchFolder);
    const std::error_code error = Unpack(reader, entry);
    if (limitReached_) return false;  // told; what was unpacked is not all of the entry
    const bool truncated = error == make_error_code(ScanErrc::EntryTruncated);
    if (error) Tell(error);
    if (error && !truncated) {
        // A file the reader could not unpack leaves the container readable only where the
        // format keeps its entries apart.
        return error == make_error_code(ScanErrc::EntryEncrypted) ||
               error == make_error_code(ScanErrc::EntryMethodUnknown);
    }
    if (HoldsAncestor(entry)) {
        Tell(ScanErrc::ContainerHoldsItself);
        return true;
    }
    scanner_.ScanEntry(entry, inside_);
    ancestors_.push_back(&entry);
    OpenContainersIn(entry, entry.Length(), level + 1, scanner_.ContainersFound());
    ancestors_.pop_back();
    return !truncated;
}

// The bytes that come with an error are kept: those of an entry cut short are scanned with the
// rest of its unpacked part.
std::error_code ContainerWalk::Unpack(ContainerReader& reader, EntryBuffer& entry) {
    std::array<std::uint8_t, 64 * 1024> piece;
    for (;;) {
        const ReadResult got = reader.Read(piece.data(), piece.size());
        if (got.bytes == 0) return got.error;
        if (!budget_.Unpack(static_cast<std::int64_t>(got.bytes))) {
            Tell(ScanErrc::UnpackLimitReached);
            limitReached_ = true;
            return {};
        }
        if (std::error_code error = entry.Append(piece.data(), got.bytes)) {
            sink_.Failure(error);
            limitReached_ = true;  // nowhere to put entries: the walk ends here
            return error;
        }
        if (got.error) return got.error;
    }
}

// A container that holds a copy of itself (or of a container around it) would be opened for
// ever; a copy is known by its length first, so few bytes are compared.
bool ContainerWalk::HoldsAncestor(EntryBuffer& entry) {
    const std::int64_t length = entry.Length();
    for (SourceFile* ancestor : ancestors_)
        if (ancestor->Length() == length && SameBytes(*ancestor, entry, length)) return true;
    return false;
}

void ContainerWalk::Tell(ScanErrc why) {
    Tell(make_error_code(why));
}

void ContainerWalk::Tell(const std::error_code& why) {
    const std::string where = LogFileSink::InsideText(sourceName_, inside_);
    sink_.ContainerFailed({where, why});
}

}  // namespace morvane
