// The resource pass inside a scan: a PE image anywhere in a source yields its whole items after
// the carved items of its chunk, and what they hold is not carved again.
#include "EngineFixture.h"
#include "PeWriter.h"

namespace morvane {
namespace {

using namespace test;

class ResourceScanTest : public EngineFixture {
  protected:
    ScanOptions Resources() const {
        ScanOptions options;
        options.readResources = true;
        return options;
    }
};

Bytes Tail32(const Bytes& iconFile) {
    return Bytes(iconFile.begin() + 22, iconFile.end());
}

Bytes ImageWithIconGroup() {
    // The 32x32 image is a complete one-image icon's image, so its bare-icon signature is there.
    const Bytes icon32 = Tail32(MakeIcon32());
    return MakePe(
        {{kRtIcon, "", 1, 0, icon32},
         {kRtIcon, "", 2, 0, MakePng(64, 64)},
         {kRtGroupIcon, "", 1, 0, MakeGroupDirectory(false, {{32, 8, 1, 0}, {64, 32, 2, 0}})},
         {kRtBitmap, "", 1, 0, MakeDib(3, 3, 4)}},
        {true, false, 7});
}

TEST_F(ResourceScanTest, ImageAtAnOddOffsetGivesWholeItemsAfterTheCarvedOnesAndNoFragments) {
    const Bytes gif = MakeGif(), pe = ImageWithIconGroup();
    const Bytes source = Compose({Filler(101), pe, Filler(33), gif, Filler(40)});
    const std::string path = temp.Write("in/setup.exe", source);

    ASSERT_FALSE(Scan(path, Resources()).hadFailure);
    std::vector<std::string> kinds;
    for (const RecordedItem& item : observer.items)
        kinds.push_back(std::string(KindName(item.kind)));
    // The GIF is carved; the bitmap and the group come from the table, in its order; neither the
    // bare 32x32 image nor the PNG inside the group is written again.
    EXPECT_EQ(kinds, (std::vector<std::string>{"GIF", "BMP", "ICO"}));
    const Bytes ico = ReadFileBytes(Out("ICO", "setup.exe_2.ICO"));
    ASSERT_GT(ico.size(), 6u);
    EXPECT_EQ(ico[4], 2);
    EXPECT_EQ(ico[ico.size() - 2], 0x0D);
    EXPECT_EQ(ReadFileBytes(Out("BMP", "setup.exe_1.BMP"))[0], 'B');
    EXPECT_GT(observer.items[1].position, 101);
    EXPECT_LT(observer.items[1].position, 101 + static_cast<std::int64_t>(pe.size()));
}

TEST_F(ResourceScanTest, OffTheSameSourceIsCarvedAsBefore) {
    const std::string path =
        temp.Write("in/setup.exe", Compose({Filler(101), ImageWithIconGroup()}));
    ASSERT_FALSE(Scan(path).hadFailure);
    std::vector<std::string> kinds;
    for (const RecordedItem& item : observer.items)
        kinds.push_back(std::string(KindName(item.kind)));
    EXPECT_EQ(kinds, (std::vector<std::string>{"ICO", "PNG"}));  // the bare image and the PNG
}

TEST_F(ResourceScanTest, IconFileOfSeveralImagesIsOneItem) {
    Bytes file = {0, 0, 1, 0, 2, 0};
    const Bytes a = MakePng(8, 8), b = MakePng(16, 16);
    for (const Bytes* image : {&a, &b}) {
        file.insert(file.end(), {8, 8, 0, 0, 1, 0, 32, 0});
        PutLE32(file, static_cast<std::uint32_t>(image->size()));
        PutLE32(file, static_cast<std::uint32_t>(image == &a ? 38 : 38 + a.size()));
    }
    Append(file, a);
    Append(file, b);
    const std::string path = temp.Write("in/two.ico", Compose({Filler(9), file, Filler(9)}));
    ASSERT_FALSE(Scan(path, Resources()).hadFailure);
    ASSERT_FALSE(observer.items.empty());
    EXPECT_EQ(observer.items[0].kind, ResourceKind::ICO);
    EXPECT_EQ(observer.items[0].position, 10);
    EXPECT_EQ(observer.items[0].size, static_cast<std::int64_t>(file.size()));
}

}  // namespace
}  // namespace morvane
