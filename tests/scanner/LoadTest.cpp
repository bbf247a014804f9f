// Sources far larger in item count than any real file: every item is found, counted and named.
#include <gtest/gtest.h>

#include "MediaSamples.h"
#include "MemoryFileSystem.h"
#include "PathHelpers.h"
#include "ScanEngine.h"

namespace morvane {
namespace {

class NameCounter final : public ScanObserver {
public:
    std::int64_t items = 0;
    std::string lastOutput;
    std::int64_t lastPosition = 0;
    void ItemExtracted(const ExtractedItem& item) override {
        ++items;
        lastOutput = std::string(item.output);
        lastPosition = item.position;
    }
};

TEST(LoadTest, MoreThanAHundredThousandItemsInOneSourceAreAllNamed) {
    constexpr int kItems = 100001;
    const test::Bytes tinyGif = test::ToBytes(std::string("GIF89a\0;", 8));
    test::Bytes source;
    for (int i = 0; i < kItems; ++i) test::Append(source, tinyGif);
    source.push_back(0xAA);  // the byte after the last end marker

    const std::string sep(1, kPathSeparator);
    const std::string path = sep + "src" + sep + "many.bin";
    test::MemoryFileSystem disk;
    disk.keepOutputs = false;
    disk.files[path] = source;
    ScanSetup setup;
    setup.outputRoot = sep + "out" + sep;
    setup.fileSystem = &disk;
    setup.clock = [] { return std::string("T"); };
    NameCounter observer;
    StopToken stop;
    const ScanSummary summary = ScanEngine(setup).ScanFile(path, ScanOptions{}, observer, stop);

    EXPECT_EQ(summary.itemsLogged, kItems);
    EXPECT_EQ(observer.items, kItems);
    EXPECT_EQ(disk.outputsCreated, static_cast<std::size_t>(kItems));
    EXPECT_EQ(observer.lastOutput, sep + "out" + sep + "GIF" + sep + "many.bin_100000.GIF");
    EXPECT_EQ(observer.lastPosition, 8LL * (kItems - 1) + 1);
    const test::Bytes& log = disk.files[setup.outputRoot + "LOG.txt"];
    const std::string text(log.begin(), log.end());
    EXPECT_NE(text.find("\r\n100001 βρέθηκαν .\r\n"), std::string::npos);
}

}  // namespace
}  // namespace morvane
