// Containers made to hurt. An installer's header costs nothing until its bytes arrive, and what
// is unpacked or held to list its files is drawn from the source's budget; a compound file's
// chains end at the first sector they pass twice.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "MediaSamples.h"
#include "containers/CompoundFileReader.h"
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

// A compound file of 512-byte sectors: its FAT in sector 0, its directory in sector 1 (the root
// and one stream of 100 000 bytes from sector 2), where the FAT makes both chains loop on
// their first sector.
Bytes LoopingCompoundFile() {
    Bytes file(512 * 4, 0);
    const auto put = [&](std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i) file[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    };
    const Bytes signature = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    std::copy(signature.begin(), signature.end(), file.begin());
    put(0x1C, 0x0009FFFE), put(0x20, 6), put(0x2C, 1), put(0x30, 1), put(0x38, 4096);
    put(0x3C, 0xFFFFFFFE), put(0x44, 0xFFFFFFFE), put(0x4C, 0);
    for (std::size_t at = 0x50; at < 512; at += 4) put(at, 0xFFFFFFFF);
    put(512, 0xFFFFFFFD), put(516, 1), put(520, 2);  // the directory and the stream loop
    const std::size_t root = 1024, stream = 1024 + 128;
    for (const std::size_t entry : {root, stream}) {
        file[entry] = 'a', file[entry + 64] = 4;  // "a" and its terminator, in UTF-16
        put(entry + 68, 0xFFFFFFFF), put(entry + 72, 0xFFFFFFFF), put(entry + 76, 0xFFFFFFFF);
    }
    file[root + 66] = 5, put(root + 76, 1), put(root + 116, 0xFFFFFFFE);
    file[stream + 66] = 2, put(stream + 116, 2), put(stream + 120, 100000);
    return file;
}

// A looping chain is followed once round: the directory is read once, and the stream is cut
// off after its one sector rather than made of that sector again and again.
TEST(HostileCompoundFileTest, AChainEndsAtTheFirstSectorItPassesTwice) {
    CountedSource source;
    source.bytes = LoopingCompoundFile();
    std::int64_t parsedEnd = 0;
    const auto reader = OpenCompoundFile(source, source.Length(), 0, parsedEnd);
    ASSERT_TRUE(reader);
    EXPECT_EQ(parsedEnd, 3 * 512);  // the header, the FAT and the directory
    EXPECT_EQ(source.read, 3 * 512);
    EntryHeader header;
    std::error_code error;
    ASSERT_EQ(reader->Next(header, error), NextEntry::Found);
    EXPECT_EQ(header.name, "a");
    Bytes piece(4096);
    std::int64_t unpacked = 0;
    ReadResult got;
    while ((got = reader->Read(piece.data(), piece.size())).bytes > 0 && !got.error)
        unpacked += static_cast<std::int64_t>(got.bytes);
    EXPECT_EQ(unpacked, 512);
    EXPECT_EQ(got.error, make_error_code(ScanErrc::EntryTruncated));
}

}  // namespace
}  // namespace morvane
