// What a scan leaves behind: output names and bytes, the order of items, chunking, the log, the
// checked scan and the resource pass; and the engine against the obvious search.
#include <filesystem>

#include "EngineFixture.h"
#include "ItemWriter.h"
#include "NativePath.h"
#include "PeWriter.h"
#include "ProgressText.h"
#include "ReferenceScan.h"
#include "SignatureTable.h"

namespace morvane {
namespace {

using namespace test;

constexpr std::size_t kMiB = 1024 * 1024;

Bytes Tail(const Bytes& bytes, std::size_t from, std::size_t count) {
    return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(from),
                 bytes.begin() + static_cast<std::ptrdiff_t>(from + count));
}

Bytes WithLineEnd(Bytes bytes) {
    Append(bytes, {0x0D, 0x0A});
    return bytes;
}

class ScanEngineTest : public EngineFixture {};

TEST_F(ScanEngineTest, WritesItemsInRowOrderNumberedAcrossKinds) {
    const Bytes icon = MakeIcon32(), bmp = MakeBmp(), gif = MakeGif();
    // The GIF comes first in the file, but its row comes after the icon and bitmap rows.
    const Bytes source = Compose({Filler(100), gif, Filler(50), icon, Filler(50), bmp, Filler(50)});
    const std::string path = temp.Write("in/a.dll", source);
    const ScanSummary summary = Scan(path);
    EXPECT_TRUE(summary.scanned && !summary.hadFailure);
    EXPECT_EQ(summary.itemsLogged, 4);

    const std::size_t iconAt = 100 + gif.size() + 50, bmpAt = iconAt + icon.size() + 50;
    EXPECT_EQ(ReadFileBytes(Out("ICO", "a.dll_0.ICO")), WithLineEnd(icon));
    // The bare 32x32 image: icon header, the 0x28 before the signature, 2238 source bytes.
    Bytes bare(kIconHeader32.begin(), kIconHeader32.end());
    bare.push_back(0x28);
    Append(bare, Tail(source, iconAt + 23, 2238));
    const Bytes bareFile = ReadFileBytes(Out("ICO", "a.dll_1.ICO"));
    EXPECT_EQ(bareFile.size(), 2263u);
    EXPECT_EQ(bareFile, WithLineEnd(bare));
    EXPECT_EQ(ReadFileBytes(Out("BMP", "a.dll_2.BMP")), WithLineEnd(bmp));
    EXPECT_EQ(ReadFileBytes(Out("GIF", "a.dll_3.GIF")),
              WithLineEnd(Tail(source, 100, gif.size() + 1)));

    EXPECT_EQ(ReadFileText(root + "LOG.txt"),
              "----------\r\nStart: T (" + path + ")\r\n" +
                  "ICO file found at offset: " + std::to_string(iconAt + 1) + ",  Size: 2238\r\n" +
                  "ICO file found at offset: " + std::to_string(iconAt + 24) + ",  Size: 2238\r\n" +
                  "BMP file found at offset: " + std::to_string(bmpAt + 1) +
                  ",  Size: " + std::to_string(bmp.size()) + "\r\n" +
                  "GIF file found at offset: 101,  Size: " + std::to_string(gif.size() + 1) +
                  "\r\n4 βρέθηκαν .\r\nEnd: T\r\n");
    EXPECT_EQ(observer.counts,
              (std::map<std::string, int>{{"ICO#a.dll", 2}, {"BMP#a.dll", 1}, {"GIF#a.dll", 1}}));
    EXPECT_EQ(observer.prepared.size(), 10u);
    EXPECT_EQ(observer.finished, std::vector<std::string>{"a.dll"});
}

// Candidates in chunk, row, position order; signatures cut by a chunk's end are not seen, items
// may cross it; the chunk count follows the length and the cap; a bar value needs 100 bytes.
TEST_F(ScanEngineTest, ChunksOrderBoundariesAndCap) {
    Bytes source = Compose({Filler(10), MakeGif(), Filler(10), MakeIcon32()});
    Append(source, Filler(kMiB - source.size() + 5));
    const std::size_t chunk2 = source.size();
    Append(source, Compose({MakeBmp(), Filler(10), MakeGif(), Filler(10)}));
    Scan(temp.Write("s.bin", source));
    EXPECT_EQ(Kinds(), "ICO ICO GIF BMP GIF ");
    EXPECT_EQ(observer.items[3].position, static_cast<std::int64_t>(chunk2) + 1);
    EXPECT_EQ(observer.items[4].output, Out("GIF", "s.bin_4.GIF"));

    const Bytes gif = MakeGif();
    Rescan("edge.bin", Compose({Filler(kMiB - 1), gif, Filler(100)}));
    EXPECT_TRUE(observer.items.empty());
    Rescan("edge2.bin", Compose({Filler(kMiB - 6), gif, Filler(100)}));
    ASSERT_EQ(observer.items.size(), 1u);
    EXPECT_EQ(observer.items[0].position, static_cast<std::int64_t>(kMiB - 5));
    EXPECT_EQ(observer.items[0].size, static_cast<std::int64_t>(gif.size() + 1));

    Rescan("one.bin", Filler(kMiB));
    ASSERT_EQ(observer.progress.size(), 1u);
    EXPECT_EQ(observer.progress[0].lastPosition, static_cast<std::int64_t>(kMiB));
    Rescan("two.bin", Filler(kMiB + 1));
    ASSERT_EQ(observer.progress.size(), 2u);
    EXPECT_EQ(observer.progress[1].lastPosition, static_cast<std::int64_t>(kMiB + 1));
    EXPECT_EQ(observer.progress[1].length, static_cast<std::int64_t>(kMiB + 1));
    EXPECT_EQ(observer.progress[1].barValue, 99);  // 1048578 / round(10485.77)

    ScanOptions capped;
    capped.chunkCap = 1;
    Rescan("capped.bin", Compose({Filler(kMiB + 10), MakeGif(), Filler(4)}), capped);
    EXPECT_EQ(observer.progress.size(), 1u);
    EXPECT_TRUE(observer.items.empty());
    capped.chunkCap = 0;
    Rescan("zero.bin", Compose({MakeGif(), Filler(4)}), capped);
    EXPECT_TRUE(observer.progress.empty());
    EXPECT_EQ(observer.lines,
              (std::vector<std::string>{"----------", "Start: T (" + temp.path() + "zero.bin)",
                                        "0 βρέθηκαν .", "End: T"}));
    for (std::size_t size : {0, 50}) {
        Rescan("tiny.bin", Filler(size));
        ASSERT_EQ(observer.progress.size(), 1u);
        EXPECT_EQ(observer.progress[0].lastPosition, static_cast<std::int64_t>(size));
        EXPECT_FALSE(observer.progress[0].barValue.has_value());
    }
}

TEST_F(ScanEngineTest, NoSourceOrNoFoldersStopsTheScan) {
    const ScanSummary summary = Scan(temp.path() + "nothing-here.dll");
    EXPECT_FALSE(summary.scanned);
    EXPECT_FALSE(std::filesystem::exists(ToFsPath(root)));
    EXPECT_TRUE(observer.prepared.empty());
    EXPECT_TRUE(observer.lines.empty());
    EXPECT_FALSE(Scan(temp.MakeFolder("folder.dll")).scanned);  // a folder is not a file either

    temp.Write("out", ToBytes("a file where the output root should be"));
    EXPECT_TRUE(Scan(temp.Write("a.dll", MakeGif())).foldersFailed);
    EXPECT_EQ(
        observer.folderMessages,
        std::vector<std::string>{"Δεν ειναι δυνατή η δημιουργία του φακέλου '" + root + "ANI"});
    EXPECT_EQ(observer.prepared.size(), 10u);  // the nodes stay...
    EXPECT_TRUE(observer.finished.empty());    // ...since the empty ones are never cleared
    EXPECT_TRUE(observer.lines.empty());
}

TEST_F(ScanEngineTest, StopEndsTheSearchAtTheNextChunkAndKeepsWhatWasFound) {
    Bytes source;
    for (int chunk = 0; chunk < 3; ++chunk) Append(source, Compose({MakeGif(), Filler(kMiB - 35)}));
    const std::string path = temp.Write("big.bin", source);
    observer.onProgress = [](const ProgressReport& report) {
        const bool second = report.lastPosition == static_cast<std::int64_t>(2 * kMiB);
        return second ? ScanStep::Stop : ScanStep::Continue;
    };
    Scan(path);
    EXPECT_EQ(observer.progress.size(), 2u);
    EXPECT_EQ(observer.items.size(), 2u);  // the chunk being searched when stop came is finished
    EXPECT_EQ(observer.lines.back(), "End: T");
    EXPECT_TRUE(stop.StopRequested());  // the answer is kept, so a batch stops too

    // A request that is already made (Ctrl-C between two files) is not lost: nothing is searched.
    observer = {};
    Scan(path);
    EXPECT_TRUE(observer.progress.empty() && observer.items.empty());
    EXPECT_EQ(observer.lines.back(), "End: T");
}

TEST_F(ScanEngineTest, ItemsReachingPastTheEndKeepOnlyTheBytesThatExist) {
    Bytes riff = MakeRiff("WAVE", Filler(20));
    riff[4] = 31;  // the size field claims 7 bytes more than the file holds
    const Bytes source = Compose({Filler(16), riff});
    Scan(temp.Write("w.bin", source));
    ASSERT_EQ(observer.items.size(), 1u);
    EXPECT_EQ(observer.items[0].size, 39);
    EXPECT_EQ(ReadFileBytes(Out("WAV", "w.bin_0.WAV")), WithLineEnd(riff));
    // A bare icon bitmap 100 bytes before the end.
    Rescan("t.bin", Compose({Filler(30), {0x28, 0, 0, 0, 0x20, 0, 0, 0, 0x40}, Filler(91)}));
    ASSERT_EQ(observer.items.size(), 1u);
    EXPECT_EQ(ReadFileBytes(Out("ICO", "t.bin_0.ICO")).size(), 22u + 1 + 99 + 2);
}

TEST_F(ScanEngineTest, SameNameElsewhereReplacesOutputsAndOnlyEnabledKindsGetNodes) {
    Scan(temp.Write("x/a.dll", Compose({MakeGif(), Filler(3), MakeGif(), Filler(3)})));
    ScanOptions gifOnly;
    gifOnly.enabled.fill(false);
    gifOnly.Enable(ResourceKind::GIF, true);
    observer = {};
    const Bytes other = Compose({Filler(5), MakeGif(), Filler(9)});
    Scan(temp.Write("y/a.dll", other), gifOnly);
    EXPECT_EQ(observer.prepared, std::vector<std::string>{"a.dll:GIF"});
    EXPECT_EQ(ReadFileBytes(Out("GIF", "a.dll_0.GIF")), WithLineEnd(Tail(other, 5, 36)));
    EXPECT_TRUE(FileExists(Out("GIF", "a.dll_1.GIF")));  // from the first scan, untouched
    for (ResourceKind kind : kAllKinds)
        EXPECT_TRUE(std::filesystem::is_directory(ToFsPath(root + std::string(KindName(kind)))));
}

TEST_F(ScanEngineTest, LogIsEmptiedOnlyOncePastItsLimit) {
    std::filesystem::create_directories(ToFsPath(root));
    const std::string source = temp.Write("e.bin", {});
    temp.Write("out/LOG.txt", Bytes(1024000, 'x'));
    Scan(source);
    EXPECT_EQ(ReadFileText(root + "LOG.txt").substr(0, 1024000), std::string(1024000, 'x'));

    temp.Write("out/LOG.txt", Bytes(1024001, 'x'));
    Scan(source);
    EXPECT_EQ(ReadFileText(root + "LOG.txt").substr(0, 12), "----------\r\n");
}

TEST_F(ScanEngineTest, CheckedScanWritesWholeItemsOnceAndCountsOnlyThose) {
    const Bytes icon = MakeIcon32(), image32 = MakeIconImage32(32), gif = MakeGif();
    Bytes badPng = MakePng();
    badPng[29] ^= 1;  // the IHDR's CRC: the end marker is still there for the plain rule
    const Bytes source = Compose(
        {Filler(100), image32, Filler(50), icon, Filler(50), badPng, Filler(50), gif, Filler(9)});
    const std::string path = temp.Write("in/a.dll", source);
    ScanOptions options;
    options.checkItems = true;
    EXPECT_EQ(Scan(path, options).itemsLogged, 3);
    // The icon file whole, with no line break after it, and not the bare image inside it again.
    EXPECT_EQ(ReadFileBytes(Out("ICO", "a.dll_0.ICO")), icon);
    // The 32-bit bare image at its real size, under a header that says what it is.
    const Bytes bare = ReadFileBytes(Out("ICO", "a.dll_1.ICO"));
    ASSERT_EQ(bare.size(), 22 + image32.size());
    EXPECT_EQ(Bytes(bare.begin() + 22, bare.end()), image32);
    EXPECT_EQ(bare[8], 0);    // colour count
    EXPECT_EQ(bare[12], 32);  // bits per pixel
    EXPECT_EQ(bare[14] | bare[15] << 8, static_cast<int>(image32.size()));
    EXPECT_EQ(ReadFileBytes(Out("GIF", "a.dll_2.GIF")), gif);
    EXPECT_FALSE(FileExists(Out("PNG", "a.dll_3.PNG")));
    EXPECT_EQ(observer.counts["PNG#a.dll"], 0);
    // Unchecked, what the plain rules give, each item with CR LF after it.
    EXPECT_EQ(Scan(path).itemsLogged, 5);
    const Bytes plainGif = ReadFileBytes(Out("GIF", "a.dll_3.GIF"));
    ASSERT_GE(plainGif.size(), gif.size() + 2);
    EXPECT_EQ(Bytes(plainGif.end() - 2, plainGif.end()), Bytes({'\r', '\n'}));
}

// The 32x32 image is a complete one-image icon's image, so its bare-icon signature is there.
Bytes ImageWithIconGroup() {
    const Bytes icon = MakeIcon32();
    return MakePe(
        {{kRtIcon, "", 1, 0, Bytes(icon.begin() + 22, icon.end())},
         {kRtIcon, "", 2, 0, MakePng(64, 64)},
         {kRtGroupIcon, "", 1, 0, MakeGroupDirectory(false, {{32, 8, 1, 0}, {64, 32, 2, 0}})},
         {kRtBitmap, "", 1, 0, MakeDib(3, 3, 4)}},
        {true, false, 7});
}

TEST_F(ScanEngineTest, ResourcePassGivesWholeItemsAfterTheCarvedOnesAndNoFragments) {
    const Bytes pe = ImageWithIconGroup();
    const std::string path =
        temp.Write("in/setup.exe", Compose({Filler(101), pe, Filler(33), MakeGif(), Filler(40)}));
    ScanOptions resources;
    resources.readResources = true;
    ASSERT_FALSE(Scan(path, resources).hadFailure);
    // The GIF is carved; the bitmap and the group come from the table, in its order; neither the
    // bare 32x32 image nor the PNG inside the group is written again.
    EXPECT_EQ(Kinds(), "GIF BMP ICO ");
    const Bytes ico = ReadFileBytes(Out("ICO", "setup.exe_2.ICO"));
    ASSERT_GT(ico.size(), 6u);
    EXPECT_EQ(ico[4], 2);
    EXPECT_EQ(ico[ico.size() - 2], 0x0D);
    EXPECT_EQ(ReadFileBytes(Out("BMP", "setup.exe_1.BMP"))[0], 'B');
    EXPECT_GT(observer.items[1].position, 101);
    EXPECT_LT(observer.items[1].position, 101 + static_cast<std::int64_t>(pe.size()));

    observer = {};  // without the pass, the same source is carved as before
    ASSERT_FALSE(Scan(path).hadFailure);
    EXPECT_EQ(Kinds(), "ICO GIF PNG ");

    // A loose icon file of two images (32x32 bitmap, 16x16 PNG) is found and written whole, also
    // when cursors are not searched for.
    const Bytes image = MakeIconImage32(32), small = MakePng(16, 16);
    Bytes two = {0, 0, 1, 0, 2, 0};
    for (const Bytes* entry : {&image, &small}) {
        Append(two, {16, 16, 0, 0, 1, 0, 32, 0});
        PutLE32(two, static_cast<std::uint32_t>(entry->size()));
        PutLE32(two, entry == &image ? 38 : 38 + static_cast<std::uint32_t>(image.size()));
    }
    Append(two, image);
    Append(two, small);
    const std::string loose = temp.Write("in/icons.bin", Compose({Filler(50), two, Filler(50)}));
    ScanOptions iconsOnly = resources;
    iconsOnly.Enable(ResourceKind::CUR, false);
    ASSERT_FALSE(Scan(loose, iconsOnly).hadFailure);
    Append(two, {0x0D, 0x0A});
    EXPECT_EQ(ReadFileBytes(Out("ICO", "icons.bin_0.ICO")), two);
}

// Signatures, end markers, whole items and short fillers, drawn at random.
Bytes DenseSource(std::size_t size, std::uint32_t seed) {
    static const std::vector<Bytes> pieces = [] {
        std::vector<Bytes> all;
        for (const SignatureRow& row : AllSignatureRows())
            all.emplace_back(row.bytes.begin(), row.bytes.end());
        using namespace std::literals;
        for (std::string_view marker :
             {"\x00\x3B"sv, "\xFF\xDA"sv, "\xFF\xD9\0\0"sv, "MTrk\0\0"sv, "\0\0\xFF\x2F\0"sv,
              "IEND\xAE\x42\x60\x82"sv, "JFIF"sv, "WAVE"sv, "AVI "sv, "ACON"sv, "\0\0\x28\0"sv,
              "\x28"sv, "\x40"sv, "\x10\0"sv})
            all.push_back(ToBytes(marker));
        for (const Bytes& item : {MakeGif(), MakePng(), MakeBmp(), MakeIcon32(), MakeCursor32(),
                                  MakeMidi(3), MakeRiff("WAVE", Bytes(30, 1))})
            all.push_back(item);
        return all;
    }();
    Bytes source;
    std::uint32_t state = seed;
    while (source.size() < size) {
        state = state * 1664525u + 1013904223u;
        Append(source, (state >> 28) < 5 ? Filler((state >> 8) % 40, state)
                                         : pieces[(state >> 12) % pieces.size()]);
    }
    source.resize(size);
    return source;
}

// The engine (one pass, shared marker cursors, remembered MIDI chains, a sliding window) against
// the obvious search, on dense sources that straddle chunk boundaries.
TEST_F(ScanEngineTest, FindsExactlyWhatTheObviousSearchFinds) {
    for (auto [size, seed] :
         {std::pair{std::size_t{3000}, 1u}, {kMiB + 777, 2u}, {2 * kMiB + 5, 3u}}) {
        const Bytes source = DenseSource(size, seed);
        ScanOptions options;
        if (seed == 2) options.Enable(ResourceKind::WAV, false);
        const auto expected = ReferenceScan(source, options);
        ASSERT_GT(expected.size(), size / 400);
        Rescan("dense.bin", source, options);
        ASSERT_EQ(observer.items.size(), expected.size()) << "size " << size;
        for (std::size_t i = 0; i < expected.size(); ++i)
            ASSERT_EQ((ReferenceItem{observer.items[i].position, observer.items[i].size,
                                     observer.items[i].kind}),
                      expected[i])
                << i;
    }
}

TEST(ProgressTextTest, GroupsDigitsAndDividesByRoundedHundredths) {
    EXPECT_EQ(ProgressText("a.dll", "Αναζήτηση", 1048576, 2238000, "."),
              "a.dll\r\rΑναζήτηση 1.048.576 / 2.238.000 bytes.");
    EXPECT_EQ(GroupDigits(0, ","), "0");
    EXPECT_EQ(GroupDigits(999, ","), "999");
    EXPECT_EQ(GroupDigits(-1234567, ","), "-1,234,567");
    EXPECT_EQ(ProgressBarValue(1048576, 2097152), 49);    // 1048577 / 20972
    EXPECT_EQ(ProgressBarValue(149, 150), 75);            // round(1.5) = 2 (to even): 150 / 2
    EXPECT_EQ(ProgressBarValue(249, 250), std::nullopt);  // round(2.5) = 2 (to even): 250 / 2 = 125
    EXPECT_EQ(ProgressBarValue(49, 50), std::nullopt);    // round(0.5) = 0
    EXPECT_EQ(ProgressBarValue(349, 350), 87);            // round(3.5) = 4: 350 / 4
}

}  // namespace
}  // namespace morvane
