// The container readers over arbitrary bytes: the candidate finder and every reader it leads to,
// each entry read to its end. No crash, no read outside the input, no entry longer than it says
// when its reader knows its size, and every candidate inside the input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "MemoryFileSystem.h"
#include "containers/CompoundFileReader.h"
#include "containers/ContainerFinder.h"
#include "containers/ContainerReader.h"
#include "containers/NsisReader.h"

using namespace morvane;

namespace {
constexpr int kEntryLimit = 64;
constexpr std::int64_t kByteLimit = 1 << 22;

void ReadAll(ContainerReader& reader) {
    std::vector<std::uint8_t> piece(4096);
    EntryHeader header;
    std::error_code error;
    std::int64_t total = 0;
    for (int entries = 0; entries < kEntryLimit; ++entries) {
        const NextEntry next = reader.Next(header, error);
        if (next == NextEntry::Passed) continue;
        if (next != NextEntry::Found) return;
        std::int64_t length = 0;
        for (;;) {
            const ReadResult got = reader.Read(piece.data(), piece.size());
            if (got.error || got.bytes == 0) break;
            length += static_cast<std::int64_t>(got.bytes);
            if ((total += static_cast<std::int64_t>(got.bytes)) > kByteLimit) return;
        }
        if (header.declared >= 0 && length > header.declared) std::abort();
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    test::MemoryFileSystem disk;
    disk.files["in"] = test::Bytes(data, data + size);
    std::error_code error;
    const std::unique_ptr<SourceFile> source = disk.OpenSource("in", error);
    const auto length = static_cast<std::int64_t>(size);
    std::vector<ContainerCandidate> candidates;
    FindContainers(*source, length, candidates);
    for (const ContainerCandidate& candidate : candidates) {
        if (candidate.offset < 0 || candidate.offset >= length) std::abort();
        UnpackBudget budget(kByteLimit, kByteLimit);
        OpenAttempt attempt;
        if (auto reader = OpenContainer(*source, length, candidate, budget, attempt))
            ReadAll(*reader);
    }
    // The input as a compound file whatever its first bytes, so that the fuzzer need not find
    // the signature first.
    std::int64_t parsedEnd = 0;
    if (auto reader = OpenCompoundFile(*source, length, 0, parsedEnd)) ReadAll(*reader);
    if (parsedEnd > length) std::abort();
    CompoundEntryName({data, size}, size / 2);
    NsisString({data, size}, 0, (size & 1) != 0);
    return 0;
}
