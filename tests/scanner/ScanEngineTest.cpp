// What a scan leaves behind: output names and bytes, the order of items, chunking, the log.
#include <algorithm>
#include <filesystem>

#include "EngineFixture.h"
#include "FileMarks.h"
#include "ItemWriter.h"
#include "NativePath.h"
#include "ProgressText.h"

namespace morvane {
namespace {

using test::Bytes;
using test::Compose;
using test::Filler;

constexpr std::size_t kMiB = 1024 * 1024;

Bytes Tail(const Bytes& bytes, std::size_t from, std::size_t count) {
    return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(from),
                 bytes.begin() + static_cast<std::ptrdiff_t>(from + count));
}

Bytes WithLineEnd(Bytes bytes) {
    bytes.push_back(0x0D);
    bytes.push_back(0x0A);
    return bytes;
}

class ScanEngineTest : public test::EngineFixture {};

TEST_F(ScanEngineTest, WritesItemsInRowOrderNumberedAcrossKinds) {
    const Bytes icon = test::MakeIcon32(), bmp = test::MakeBmp(), gif = test::MakeGif();
    // The GIF comes first in the file, but its row comes after the icon and bitmap rows.
    const Bytes source = Compose({Filler(100), gif, Filler(50), icon, Filler(50), bmp, Filler(50)});
    const std::string path = temp.Write("in/a.dll", source);
    const ScanSummary summary = Scan(path);
    EXPECT_TRUE(summary.scanned);
    EXPECT_FALSE(summary.hadFailure);
    EXPECT_EQ(summary.itemsLogged, 4);

    const std::size_t iconAt = 100 + gif.size() + 50, bmpAt = iconAt + icon.size() + 50;
    EXPECT_EQ(test::ReadFileBytes(Out("ICO", "a.dll_0.ICO")), WithLineEnd(icon));
    // The bare 32x32 image: icon header, the 0x28 before the signature, 2238 source bytes.
    Bytes bare(kIconHeader32.begin(), kIconHeader32.end());
    bare.push_back(0x28);
    test::Append(bare, Tail(source, iconAt + 23, 2238));
    const Bytes bareFile = test::ReadFileBytes(Out("ICO", "a.dll_1.ICO"));
    EXPECT_EQ(bareFile.size(), 2263u);
    EXPECT_EQ(bareFile, WithLineEnd(bare));
    EXPECT_EQ(test::ReadFileBytes(Out("BMP", "a.dll_2.BMP")), WithLineEnd(bmp));
    EXPECT_EQ(test::ReadFileBytes(Out("GIF", "a.dll_3.GIF")), WithLineEnd(Tail(source, 100, gif.size() + 1)));

    EXPECT_EQ(LogText(), "----------\r\nStart: T (" + path + ")\r\n" +
                             "ICO file found at offset: " + std::to_string(iconAt + 1) + ",  Size: 2238\r\n" +
                             "ICO file found at offset: " + std::to_string(iconAt + 24) + ",  Size: 2238\r\n" +
                             "BMP file found at offset: " + std::to_string(bmpAt + 1) +
                             ",  Size: " + std::to_string(bmp.size()) + "\r\n" +
                             "GIF file found at offset: 101,  Size: " + std::to_string(gif.size() + 1) +
                             "\r\n4 βρέθηκαν .\r\nEnd: T\r\n");
    EXPECT_EQ(observer.counts, (std::map<std::string, int>{{"ICO#a.dll", 2}, {"BMP#a.dll", 1}, {"GIF#a.dll", 1}}));
    EXPECT_EQ(observer.prepared.size(), 10u);
    EXPECT_EQ(observer.finished, std::vector<std::string>{"a.dll"});
}

TEST_F(ScanEngineTest, CandidatesAreOrderedByChunkThenRowThenPosition) {
    // Chunk 1: a GIF then an icon file; chunk 2: a bitmap then a GIF.
    Bytes source = Compose({Filler(10), test::MakeGif(), Filler(10), test::MakeIcon32()});
    test::Append(source, Filler(kMiB - source.size() + 5));
    const std::size_t chunk2 = source.size();
    test::Append(source, Compose({test::MakeBmp(), Filler(10), test::MakeGif(), Filler(10)}));
    Scan(temp.Write("s.bin", source));
    std::vector<std::string> kinds;
    for (const auto& item : observer.items) kinds.emplace_back(KindName(item.kind));
    EXPECT_EQ(kinds, (std::vector<std::string>{"ICO", "ICO", "GIF", "BMP", "GIF"}));
    EXPECT_EQ(observer.items[3].position, static_cast<std::int64_t>(chunk2) + 1);
    EXPECT_EQ(observer.items[4].output, Out("GIF", "s.bin_4.GIF"));
}

TEST_F(ScanEngineTest, SignaturesAcrossAChunkBoundaryAreNotFoundButItemsMayCrossIt) {
    const Bytes gif = test::MakeGif();
    // A GIF whose signature starts on the first chunk's last byte is not seen.
    Scan(temp.Write("edge.bin", Compose({Filler(kMiB - 1), gif, Filler(100)})));
    EXPECT_TRUE(observer.items.empty());

    // One that starts 6 bytes before the boundary is found, and reaches past the boundary.
    Bytes whole = Filler(kMiB - 6);
    test::Append(whole, gif);
    test::Append(whole, Filler(100));
    observer = {};
    Scan(temp.Write("edge2.bin", whole));
    ASSERT_EQ(observer.items.size(), 1u);
    EXPECT_EQ(observer.items[0].position, static_cast<std::int64_t>(kMiB - 5));
    EXPECT_EQ(observer.items[0].size, static_cast<std::int64_t>(gif.size() + 1));
}

TEST_F(ScanEngineTest, ChunkCountFollowsTheLengthAndTheCap) {
    Scan(temp.Write("one.bin", Filler(kMiB)));
    ASSERT_EQ(observer.progress.size(), 1u);
    EXPECT_EQ(observer.progress[0].lastPosition, static_cast<std::int64_t>(kMiB));

    observer = {};
    Scan(temp.Write("two.bin", Filler(kMiB + 1)));
    ASSERT_EQ(observer.progress.size(), 2u);
    EXPECT_EQ(observer.progress[1].lastPosition, static_cast<std::int64_t>(kMiB + 1));
    EXPECT_EQ(observer.progress[1].length, static_cast<std::int64_t>(kMiB + 1));
    EXPECT_EQ(observer.progress[1].barValue, 99);  // 1048578 / round(10485.77)

    // A cap of 1 MiB leaves the GIF in the second chunk alone.
    ScanOptions capped;
    capped.chunkCap = 1;
    observer = {};
    Scan(temp.Write("capped.bin", Compose({Filler(kMiB + 10), test::MakeGif(), Filler(4)})), capped);
    EXPECT_EQ(observer.progress.size(), 1u);
    EXPECT_TRUE(observer.items.empty());

    capped.chunkCap = 0;
    observer = {};
    Scan(temp.Write("zero.bin", Compose({test::MakeGif(), Filler(4)})), capped);
    EXPECT_TRUE(observer.progress.empty());
    EXPECT_EQ(observer.lines, (std::vector<std::string>{"----------", "Start: T (" + temp.path() + "zero.bin)",
                                                        "0 βρέθηκαν .", "End: T"}));
}

TEST_F(ScanEngineTest, EmptyAndTinySourcesAreScannedWithoutABarValue) {
    Scan(temp.Write("empty.bin", {}));
    ASSERT_EQ(observer.progress.size(), 1u);
    EXPECT_EQ(observer.progress[0].lastPosition, 0);
    EXPECT_FALSE(observer.progress[0].barValue.has_value());
    EXPECT_EQ(observer.lines.size(), 4u);
    EXPECT_EQ(observer.lines[2], "0 βρέθηκαν .");

    observer = {};
    Scan(temp.Write("fifty.bin", Filler(50)));
    EXPECT_FALSE(observer.progress.at(0).barValue.has_value());
}

TEST_F(ScanEngineTest, MissingSourceDoesNothingAtAll) {
    const ScanSummary summary = Scan(temp.path() + "nothing-here.dll");
    EXPECT_FALSE(summary.scanned);
    EXPECT_FALSE(std::filesystem::exists(ToFsPath(root)));
    EXPECT_TRUE(observer.prepared.empty());
    EXPECT_TRUE(observer.lines.empty());
    // A folder is not a file either.
    EXPECT_FALSE(Scan(temp.MakeFolder("folder.dll")).scanned);
}

TEST_F(ScanEngineTest, HiddenSystemAndReadOnlySourcesAreScanned) {
    const Bytes source = Compose({Filler(7), test::MakeGif(), Filler(7)});
    std::vector<std::string> paths = {temp.Write(test::HiddenName("hidden.dll"), source),
                                      temp.Write("locked.dll", source)};
    test::MarkHidden(paths[0]);
    test::MarkReadOnly(paths[1]);
#ifdef _WIN32
    paths.push_back(temp.Write("system.dll", source));
    test::MarkSystem(paths[2]);
#endif
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        const ScanSummary summary = Scan(path);
        EXPECT_TRUE(summary.scanned);
        EXPECT_EQ(summary.itemsLogged, 1);
        EXPECT_EQ(test::ReadFileBytes(Out("GIF", FileNameOfPath(path) + "_0.GIF")),
                  WithLineEnd(Tail(source, 7, test::MakeGif().size() + 1)));
    }
}

TEST_F(ScanEngineTest, FoldersThatCannotBeMadeStopTheScanWithTheMessage) {
    temp.Write("out", test::ToBytes("a file where the output root should be"));
    const ScanSummary summary = Scan(temp.Write("a.dll", test::MakeGif()));
    EXPECT_TRUE(summary.foldersFailed);
    EXPECT_EQ(observer.folderMessages,
              std::vector<std::string>{"Δεν ειναι δυνατή η δημιουργία του φακέλου '" + root + "ANI"});
    EXPECT_EQ(observer.prepared.size(), 10u);  // the nodes stay...
    EXPECT_TRUE(observer.finished.empty());    // ...since the empty ones are never cleared
    EXPECT_TRUE(observer.lines.empty());
}

TEST_F(ScanEngineTest, StopEndsTheSearchAtTheNextChunkAndKeepsWhatWasFound) {
    Bytes source;
    for (int chunk = 0; chunk < 3; ++chunk) test::Append(source, Compose({test::MakeGif(), Filler(kMiB - 35)}));
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
    EXPECT_TRUE(observer.progress.empty());
    EXPECT_TRUE(observer.items.empty());
    EXPECT_EQ(observer.lines.back(), "End: T");
}

TEST_F(ScanEngineTest, ItemsReachingPastTheEndKeepOnlyTheBytesThatExist) {
    Bytes riff = test::MakeRiff("WAVE", Filler(20));
    riff[4] = 31;  // the size field claims 7 bytes more than the file holds
    const Bytes source = Compose({Filler(16), riff});
    Scan(temp.Write("w.bin", source));
    ASSERT_EQ(observer.items.size(), 1u);
    EXPECT_EQ(observer.items[0].size, 39);
    EXPECT_EQ(test::ReadFileBytes(Out("WAV", "w.bin_0.WAV")), WithLineEnd(riff));
    EXPECT_NE(LogText().find("WAV file found at offset: 17,  Size: 39\r\n"), std::string::npos);

    // A bare icon bitmap 100 bytes before the end.
    observer = {};
    const Bytes tail = Compose({Filler(30), {0x28, 0, 0, 0, 0x20, 0, 0, 0, 0x40}, Filler(91)});
    Scan(temp.Write("t.bin", tail));
    ASSERT_EQ(observer.items.size(), 1u);
    EXPECT_EQ(test::ReadFileBytes(Out("ICO", "t.bin_0.ICO")).size(), 22u + 1 + 99 + 2);
}

TEST_F(ScanEngineTest, SameNameElsewhereReplacesOutputsAndOnlyEnabledKindsGetNodes) {
    Scan(temp.Write("x/a.dll", Compose({test::MakeGif(), Filler(3), test::MakeGif(), Filler(3)})));
    ScanOptions gifOnly;
    gifOnly.enabled.fill(false);
    gifOnly.Enable(ResourceKind::GIF, true);
    observer = {};
    const Bytes other = Compose({Filler(5), test::MakeGif(), Filler(9)});
    Scan(temp.Write("y/a.dll", other), gifOnly);
    EXPECT_EQ(observer.prepared, std::vector<std::string>{"a.dll:GIF"});
    EXPECT_EQ(test::ReadFileBytes(Out("GIF", "a.dll_0.GIF")), WithLineEnd(Tail(other, 5, 36)));
    EXPECT_TRUE(test::FileExists(Out("GIF", "a.dll_1.GIF")));  // from the first scan, untouched
    for (ResourceKind kind : kAllKinds)
        EXPECT_TRUE(std::filesystem::is_directory(ToFsPath(root + std::string(KindName(kind)))));
}

TEST_F(ScanEngineTest, LogIsEmptiedOnlyOncePastItsLimit) {
    std::filesystem::create_directories(ToFsPath(root));
    const std::string source = temp.Write("e.bin", {});
    temp.Write("out/LOG.txt", Bytes(1024000, 'x'));
    Scan(source);
    EXPECT_EQ(LogText().substr(0, 1024000), std::string(1024000, 'x'));

    temp.Write("out/LOG.txt", Bytes(1024001, 'x'));
    Scan(source);
    EXPECT_EQ(LogText().substr(0, 12), "----------\r\n");
}

TEST(ProgressTextTest, GroupsDigitsAndDividesByRoundedHundredths) {
    EXPECT_EQ(ProgressText("a.dll", "Αναζήτηση", 1048576, 2238000, "."),
              "a.dll\r\rΑναζήτηση 1.048.576 / 2.238.000 bytes.");
    EXPECT_EQ(GroupDigits(0, ","), "0");
    EXPECT_EQ(GroupDigits(999, ","), "999");
    EXPECT_EQ(GroupDigits(-1234567, ","), "-1,234,567");
    EXPECT_EQ(ProgressBarValue(1048576, 2097152), 49);  // 1048577 / 20972
    EXPECT_EQ(ProgressBarValue(149, 150), 75);            // round(1.5) = 2 (to even): 150 / 2
    EXPECT_EQ(ProgressBarValue(249, 250), std::nullopt);  // round(2.5) = 2 (to even): 250 / 2 = 125
    EXPECT_EQ(ProgressBarValue(49, 50), std::nullopt);    // round(0.5) = 0
    EXPECT_EQ(ProgressBarValue(349, 350), 87);            // round(3.5) = 4: 350 / 4
}

}  // namespace
}  // namespace morvane
