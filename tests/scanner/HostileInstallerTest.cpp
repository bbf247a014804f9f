// Installers made to hurt: what their headers declare costs nothing until its bytes arrive, and
// what is unpacked or held to list their files is drawn from the source's budget.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "MediaSamples.h"
#include "containers/ContainerWalk.h"
#include "containers/NsisReader.h"

namespace morvane {
namespace {

using namespace test;

// Bytes in memory, counting what is read of them.
struct CountedSource final : SourceFile {
    Bytes bytes;
    std::int64_t read = 0;
    std::int64_t Length() const override { return static_cast<std::int64_t>(bytes.size()); }
    ReadResult ReadAt(std::int64_t offset, std::uint8_t* into, std::size_t count) override {
        if (offset < 0 || offset >= Length()) return {};
        count = std::min(count, bytes.size() - static_cast<std::size_t>(offset));
        std::memcpy(into, bytes.data() + offset, count);
        read += static_cast<std::int64_t>(count);
        return {count, {}};
    }
};

// An installer's first header and the size word of its header block, stored as it is.
Bytes FirstHeader(std::uint32_t headerSize) {
    Bytes header;
    PutLE32(header, 0);
    Append(header, ToBytes(std::string_view("\xEF\xBE\xAD\xDENullsoftInst", 16)));
    PutLE32(header, headerSize);
    PutLE32(header, 0x7FFFFFFF);
    PutLE32(header, headerSize);
    return header;
}

struct Told final : ScanSink {
    std::vector<int> codes;
    void ContainerFailed(const ContainerFailure& failure) override {
        codes.push_back(failure.why.value());
    }
};

struct NoEntries final : EntryScanner {
    void ScanEntry(SourceFile&, std::span<const std::string>) override {}
};

// Thousands of headers, each declaring a header block longer than the bytes after it: each
// reads to the end, until the unpack limit stops them all.
TEST(HostileInstallerTest, DeclaredHeaderBlocksAreCountedAsTheyArrive) {
    CountedSource source;
    for (int i = 0; i < 4096; ++i) Append(source.bytes, FirstHeader(16 * 1024 * 1024 - 1));
    WalkLimits limits;
    limits.bytes = 64 * source.Length();
    Told told;
    NoEntries entries;
    StopToken stop;
    ContainerWalk("setup.exe", limits, told, stop, entries).Run(source, source.Length());
    ASSERT_FALSE(told.codes.empty());
    EXPECT_EQ(told.codes.back(), static_cast<int>(ScanErrc::UnpackLimitReached));
    EXPECT_LT(told.codes.size(), 200u);
    EXPECT_LT(source.read, limits.bytes + 4096 * 64);
}

// A script that extracts thousands of files under one long name keeps names only while the
// memory allowance lasts, and gives it back when its reader goes.
TEST(HostileInstallerTest, NamesAreHeldWithinTheMemoryAllowance) {
    constexpr std::uint32_t kFiles = 4000, kEntriesAt = 72;
    Bytes block;
    for (const std::uint32_t word : {0u, 0u, 0u, 0u, 0u, kEntriesAt, kFiles,
                                     kEntriesAt + 28 * kFiles})  // the blocks' table, in part
        PutLE32(block, word);
    block.resize(kEntriesAt);
    for (std::uint32_t i = 0; i < kFiles; ++i) {
        const std::uint32_t entry[7] = {20, 0, 1, i, 0, 0, 0};  // extract, name 1, data at i
        for (const std::uint32_t word : entry) PutLE32(block, word);
    }
    Append(block, Bytes(1, 0));
    Append(block, Bytes(1000, 'x'));
    Append(block, Bytes(1, 0));
    CountedSource source;
    source.bytes = FirstHeader(static_cast<std::uint32_t>(block.size()));
    Append(source.bytes, block);
    constexpr std::int64_t kAllowance = 1 << 20;
    UnpackBudget budget(INT64_MAX, kAllowance);
    {
        OpenFailure failure = OpenFailure::NotThere;
        const auto reader = OpenNsis(source, source.Length(), 0, budget, failure);
        ASSERT_TRUE(reader);
        // Full, but for the header block, which is given back once it is read: the names would
        // need four times the allowance.
        const auto left = budget.memoryLeft() - static_cast<std::int64_t>(block.size());
        EXPECT_GE(left, 0);
        EXPECT_LT(left, 1100);
    }
    EXPECT_EQ(budget.memoryLeft(), kAllowance);
}

}  // namespace
}  // namespace morvane
