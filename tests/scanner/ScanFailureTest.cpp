// Scans on a disk that fails on purpose: each failure is one log line, the scan goes on, earlier
// outputs stay whole, and nothing outside the output root is written.
#include "EngineFixture.h"
#include "FaultyFileSystem.h"

namespace morvane {
namespace {

using namespace test;
using Lines = std::vector<std::string>;

class ScanFailureTest : public EngineFixture {
  protected:
    FaultyFileSystem disk;

    // Three items, written in row order: a.dll_0.GIF, a.dll_1.WAV, a.dll_2.PNG.
    ScanSummary ScanThree(FaultyFileSystem& on) {
        const ScanSummary summary =
            Scan(temp.Write("a.dll", Compose({MakeGif(), Filler(5), MakePng(), Filler(5),
                                              MakeRiff("WAVE", Filler(40)), Filler(5)})),
                 {}, &on);
        for (const std::string& path : on.written) EXPECT_EQ(path.rfind(root, 0), 0u) << path;
        return summary;
    }
    void TearDown() override {
        for (const std::string& path : disk.written) EXPECT_EQ(path.rfind(root, 0), 0u) << path;
    }
};

TEST_F(ScanFailureTest, OutputThatCannotBeCreatedIsStillCountedAndLogged) {
    disk.refuseOutputsContaining = "PNG";
    const ScanSummary summary = ScanThree(disk);
    EXPECT_TRUE(summary.hadFailure);
    EXPECT_EQ(summary.itemsLogged, 3);
    ASSERT_EQ(observer.failures, Lines{"13 - Permission denied"});
    // The failure line comes just before the item's own line.
    const auto failure =
        std::find(observer.lines.begin(), observer.lines.end(), observer.failures[0]);
    EXPECT_EQ(std::next(failure)->rfind("PNG file found at offset: ", 0), 0u);
    EXPECT_EQ(observer.counts.at("PNG#a.dll"), 1);
    EXPECT_EQ(ListTree(root), (Lines{"GIF/a.dll_0.GIF", "LOG.txt", "WAV/a.dll_1.WAV"}));
    EXPECT_FALSE(observer.items[2].written);
}

TEST_F(ScanFailureTest, AFullDiskLeavesNoHalfItemAndEarlierOutputsWhole) {
    Scan(temp.Write("a.dll", Compose({MakeGif(), Filler(5)})));  // a first, healthy scan
    const Bytes earlierGif = ReadFileBytes(Out("GIF", "a.dll_0.GIF"));
    observer = {};
    disk.bytesPerOutput = 20;  // the GIF (37 bytes with its line end) does not fit
    Scan(temp.Write("c.dll", Compose({MakeGif(), Filler(3)})), {}, &disk);
    EXPECT_EQ(observer.failures, Lines{"28 - No space left on device"});
    EXPECT_FALSE(FileExists(Out("GIF", "c.dll_0.GIF")));
    EXPECT_EQ(ReadFileBytes(Out("GIF", "a.dll_0.GIF")), earlierGif);
}

TEST_F(ScanFailureTest, SourceThatVanishesOrShrinksBeforeExtraction) {
    disk.sourceOpensAllowed = 1;
    EXPECT_TRUE(ScanThree(disk).hadFailure);
    EXPECT_EQ(observer.failures, Lines{"2 - No such file or directory"});
    EXPECT_EQ(observer.items.size(), 3u);  // found, counted and logged...
    for (const auto& item : observer.items) EXPECT_FALSE(item.written);  // ...but not written
    EXPECT_EQ(ListTree(root), Lines{"LOG.txt"});

    observer = {};
    FaultyFileSystem shrinks;
    shrinks.endsAt = 40;  // the GIF (and one byte after it) is still there
    shrinks.endsAtFromOpen = 2;
    ScanThree(shrinks);
    EXPECT_EQ(observer.failures.size(), 2u);
    EXPECT_EQ(observer.failures[0], "1001 - The source file is shorter than when the scan began");
    EXPECT_TRUE(FileExists(Out("GIF", "a.dll_0.GIF")));
    EXPECT_FALSE(FileExists(Out("PNG", "a.dll_2.PNG")));
    EXPECT_EQ(observer.lines[observer.lines.size() - 2], "3 βρέθηκαν .");

    observer = {};
    FaultyFileSystem closed;
    closed.sourceOpensAllowed = 0;
    ScanThree(closed);
    EXPECT_EQ(observer.failures, Lines{"2 - No such file or directory"});
    EXPECT_EQ(observer.lines[observer.lines.size() - 2], "0 βρέθηκαν .");
}

TEST_F(ScanFailureTest, ReadThatFailsDuringTheSearchEndsIt) {
    disk.failReadsFrom = 3 * 1024 * 1024;
    const Bytes big = Compose({MakeGif(), Filler(4 * 1024 * 1024)});
    EXPECT_TRUE(Scan(temp.Write("big.bin", big), {}, &disk).hadFailure);
    EXPECT_EQ(observer.failures, Lines{"5 - Input/output error"});
    EXPECT_EQ(observer.lines.back(), "End: T");
}

TEST_F(ScanFailureTest, ALogThatCannotBeOpenedStillReachesTheObserver) {
    disk.refuseLog = true;
    EXPECT_TRUE(ScanThree(disk).hadFailure);
    EXPECT_EQ(observer.lines.front(), "13 - Permission denied");
    EXPECT_EQ(observer.lines.size(), 1u + 2 + 3 + 2);  // it still reaches the observer
    EXPECT_EQ(ListTree(root), (Lines{"GIF/a.dll_0.GIF", "PNG/a.dll_2.PNG", "WAV/a.dll_1.WAV"}));
}

}  // namespace
}  // namespace morvane
