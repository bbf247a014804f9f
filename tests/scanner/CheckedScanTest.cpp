// A checked scan: only items whose structure is whole are written, sized by that structure, and
// nothing inside an item already written is written again.
#include "EngineFixture.h"
#include "ItemWriter.h"

namespace morvane {
namespace {

using test::Bytes;
using test::Compose;
using test::Filler;

class CheckedScanTest : public test::EngineFixture {};

TEST_F(CheckedScanTest, WritesWholeItemsOnceAndCountsOnlyThose) {
    const Bytes icon = test::MakeIcon32(), image32 = test::MakeIconImage32(32);
    const Bytes gif = test::MakeGif();
    Bytes badPng = test::MakePng();
    badPng[29] ^= 1;  // the IHDR's CRC: the end marker is still there for the plain rule
    const Bytes source = Compose(
        {Filler(100), image32, Filler(50), icon, Filler(50), badPng, Filler(50), gif, Filler(9)});
    const std::string path = temp.Write("in/a.dll", source);
    ScanOptions options;
    options.checkItems = true;
    EXPECT_EQ(Scan(path, options).itemsLogged, 3);

    // The icon file whole, and not the bare image inside it again.
    EXPECT_EQ(test::ReadFileBytes(Out("ICO", "a.dll_0.ICO")).size(), icon.size() + 2);
    // The 32-bit bare image at its real size, under a header that says what it is.
    const Bytes bare = test::ReadFileBytes(Out("ICO", "a.dll_1.ICO"));
    ASSERT_EQ(bare.size(), 22 + image32.size() + 2);
    EXPECT_EQ(Bytes(bare.begin() + 22, bare.end() - 2), image32);
    EXPECT_EQ(bare[8], 0);    // colour count
    EXPECT_EQ(bare[12], 32);  // bits per pixel
    EXPECT_EQ(bare[14] | bare[15] << 8, static_cast<int>(image32.size()));
    EXPECT_TRUE(test::FileExists(Out("GIF", "a.dll_2.GIF")));
    EXPECT_FALSE(test::FileExists(Out("PNG", "a.dll_3.PNG")));
    EXPECT_EQ(observer.counts["PNG#a.dll"], 0);

    // Unchecked, the same source still gives what the plain rules give.
    EXPECT_EQ(Scan(path).itemsLogged, 5);
}

}  // namespace
}  // namespace morvane
