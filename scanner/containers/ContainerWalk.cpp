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
    bytesLeft_ = limits_.bytes;
    entriesLeft_ = limits_.entries;
    memoryLeft_ = limits_.memory;
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
    std::int64_t covered = 0;  // candidates before this lie inside a container already read
    for (const ContainerCandidate& candidate : candidates) {
        if (limitReached_ || stop_.StopRequested()) return;
        if (candidate.offset < covered) continue;
        OpenFailure failure = OpenFailure::NotThere;
        std::unique_ptr<ContainerReader> reader = OpenContainer(source, length, candidate, failure);
        if (failure == OpenFailure::Unavailable && !std::exchange(unavailableTold_, true))
            Tell(ScanErrc::UnpackUnavailable);
        if (failure == OpenFailure::Damaged) Tell(ScanErrc::ContainerDamaged);
        if (!reader) continue;
        if (level > limits_.depth) {
            Tell(ScanErrc::ContainersTooDeep);
            return;
        }
        ReadEntries(*reader, level);
        covered = candidate.offset + std::max<std::int64_t>(reader->Extent(), 1);
    }
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
        if (entriesLeft_-- <= 0) {
            Tell(ScanErrc::EntryLimitReached);
            limitReached_ = true;
            return;
        }
        inside_.push_back(header.name);
        const bool more = ReadEntry(reader, header, level);
        inside_.pop_back();
        if (!more) return;
    }
}

bool ContainerWalk::ReadEntry(ContainerReader& reader, const EntryHeader& header, int level) {
    if (header.encrypted) {
        Tell(ScanErrc::EntryEncrypted);
        return true;
    }
    if (header.declared > bytesLeft_) {
        Tell(ScanErrc::UnpackLimitReached);
        limitReached_ = true;
        return false;
    }
    EntryBuffer entry(memoryLeft_);
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

std::error_code ContainerWalk::Unpack(ContainerReader& reader, EntryBuffer& entry) {
    std::array<std::uint8_t, 64 * 1024> piece;
    for (;;) {
        const ReadResult got = reader.Read(piece.data(), piece.size());
        if (got.error) return got.error;
        if (got.bytes == 0) return {};
        if (static_cast<std::int64_t>(got.bytes) > bytesLeft_) {
            Tell(ScanErrc::UnpackLimitReached);
            limitReached_ = true;
            return {};
        }
        bytesLeft_ -= static_cast<std::int64_t>(got.bytes);
        if (std::error_code error = entry.Append(piece.data(), got.bytes)) {
            sink_.Failure(error);
            limitReached_ = true;  // nowhere to put entries: the walk ends here
            return error;
        }
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
