// Scans on a disk that fails on purpose: each failure is one log line, the scan goes on, earlier
// outputs stay whole, and nothing outside the output root is written.
#include <filesystem>

#include "EngineFixture.h"
#include "FaultyFileSystem.h"
#include "NativePath.h"

namespace morvane {
namespace {

using test::Bytes;
using test::Compose;
using test::Filler;

class ScanFailureTest : public test::EngineFixture {
  protected:
    test::FaultyFileSystem disk;

    // Three items, written in row order: a.dll_0.GIF, a.dll_1.WAV, a.dll_2.PNG.
    std::string ThreeItems(const std::string& name = "a.dll") {
        return temp.Write(name, Compose({test::MakeGif(), Filler(5), test::MakePng(), Filler(5),
                                         test::MakeRiff("WAVE", Filler(40)), Filler(5)}));
    }

    void ExpectOnlyOutputRootTouched() const {
        for (const std::string& path : disk.written) EXPECT_EQ(path.rfind(root, 0), 0u) << path;
    }
};

TEST_F(ScanFailureTest, OutputThatCannotBeCreatedIsStillCountedAndLogged) {
    disk.refuseOutputsContaining = "PNG";
    const ScanSummary summary = Scan(ThreeItems(), {}, &disk);
    EXPECT_TRUE(summary.hadFailure);
    EXPECT_EQ(summary.itemsLogged, 3);
    ASSERT_EQ(observer.Failures(), std::vector<std::string>{"13 - Permission denied"});
    // The failure line comes just before the item's own line.
    const auto failure =
        std::find(observer.lines.begin(), observer.lines.end(), "13 - Permission denied");
    EXPECT_EQ(std::next(failure)->rfind("PNG file found at offset: ", 0), 0u);
    EXPECT_EQ(observer.counts.at("PNG#a.dll"), 1);
    EXPECT_TRUE(test::FileExists(Out("GIF", "a.dll_0.GIF")));
    EXPECT_TRUE(test::FileExists(Out("WAV", "a.dll_1.WAV")));
    EXPECT_FALSE(test::FileExists(Out("PNG", "a.dll_2.PNG")));
    EXPECT_FALSE(observer.items[2].written);
    ExpectOnlyOutputRootTouched();
}

TEST_F(ScanFailureTest, AFullDiskLeavesNoHalfItemAndEarlierOutputsWhole) {
    const std::string source = ThreeItems();
    Scan(source);  // a first, healthy scan
    const Bytes earlierGif = test::ReadFileBytes(Out("GIF", "a.dll_0.GIF"));

    observer = {};
    disk.bytesPerOutput = 20;  // the GIF (37 bytes with its line end) does not fit
    const std::string other = temp.Write("b.dll", test::MakeGif());
    Scan(temp.Write("c.dll", Compose({test::MakeGif(), Filler(3)})), {}, &disk);
    EXPECT_EQ(observer.Failures(), std::vector<std::string>{"28 - No space left on device"});
    EXPECT_FALSE(test::FileExists(Out("GIF", "c.dll_0.GIF")));
    EXPECT_EQ(test::ReadFileBytes(Out("GIF", "a.dll_0.GIF")), earlierGif);
    EXPECT_TRUE(test::FileExists(other));
    ExpectOnlyOutputRootTouched();
}

TEST_F(ScanFailureTest, SourceThatVanishesBeforeExtractionIsOneFailure) {
    disk.sourceOpensAllowed = 1;
    const ScanSummary summary = Scan(ThreeItems(), {}, &disk);
    EXPECT_TRUE(summary.hadFailure);
    EXPECT_EQ(observer.Failures(), std::vector<std::string>{"2 - No such file or directory"});
    EXPECT_EQ(observer.items.size(), 3u);  // found, counted and logged...
    for (const auto& item : observer.items) EXPECT_FALSE(item.written);  // ...but not written
    EXPECT_TRUE(test::ListTree(root) == std::vector<std::string>{"LOG.txt"});
}

TEST_F(ScanFailureTest, SourceThatShrinksBeforeExtractionLosesOnlyTheMissingItems) {
    const std::string source = ThreeItems();
    disk.endsAt = 40;  // the GIF (and one byte after it) is still there
    disk.endsAtFromOpen = 2;
    Scan(source, {}, &disk);
    EXPECT_EQ(observer.Failures().size(), 2u);
    EXPECT_EQ(observer.Failures()[0], "1001 - The source file is shorter than when the scan began");
    EXPECT_TRUE(test::FileExists(Out("GIF", "a.dll_0.GIF")));
    EXPECT_FALSE(test::FileExists(Out("PNG", "a.dll_2.PNG")));
    EXPECT_EQ(observer.lines[observer.lines.size() - 2], "3 βρέθηκαν .");
}

TEST_F(ScanFailureTest, ReadThatFailsDuringTheSearchEndsIt) {
    disk.failReadsFrom = 3 * 1024 * 1024;
    const Bytes big = Compose({test::MakeGif(), Filler(4 * 1024 * 1024)});
    const ScanSummary summary = Scan(temp.Write("big.bin", big), {}, &disk);
    EXPECT_TRUE(summary.hadFailure);
    EXPECT_EQ(observer.Failures(), std::vector<std::string>{"5 - Input/output error"});
    EXPECT_EQ(observer.lines.back(), "End: T");
    ExpectOnlyOutputRootTouched();
}

TEST_F(ScanFailureTest, LogThatCannotBeOpenedStillReachesTheObserver) {
    disk.refuseLog = true;
    const ScanSummary summary = Scan(ThreeItems(), {}, &disk);
    EXPECT_TRUE(summary.hadFailure);
    EXPECT_EQ(observer.lines.front(), "13 - Permission denied");
    EXPECT_EQ(observer.lines.size(), 1u + 2 + 3 + 2);
    EXPECT_FALSE(test::FileExists(root + "LOG.txt"));
    EXPECT_TRUE(test::FileExists(Out("WAV", "a.dll_1.WAV")));
}

TEST_F(ScanFailureTest, ReadOnlyOutputRootGivesTheFolderMessageAndWritesNothing) {
    disk.readOnlyFolders = true;
    const ScanSummary summary = Scan(ThreeItems(), {}, &disk);
    EXPECT_TRUE(summary.foldersFailed);
    EXPECT_EQ(observer.folderMessages.size(), 1u);
    EXPECT_TRUE(observer.lines.empty());
    EXPECT_TRUE(disk.written.empty());
}

TEST_F(ScanFailureTest, SourceThatCannotBeOpenedIsAFailureLine) {
    disk.sourceOpensAllowed = 0;
    Scan(ThreeItems(), {}, &disk);
    EXPECT_EQ(observer.Failures(), std::vector<std::string>{"2 - No such file or directory"});
    EXPECT_EQ(observer.lines[observer.lines.size() - 2], "0 βρέθηκαν .");
}

}  // namespace
}  // namespace morvane
