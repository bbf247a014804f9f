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

    // The icon file whole, with no line break after it, and not the bare image inside it again.
    EXPECT_EQ(test::ReadFileBytes(Out("ICO", "a.dll_0.ICO")), icon);
    // The 32-bit bare image at its real size, under a header that says what it is.
    const Bytes bare = test::ReadFileBytes(Out("ICO", "a.dll_1.ICO"));
    ASSERT_EQ(bare.size(), 22 + image32.size());
    EXPECT_EQ(Bytes(bare.begin() + 22, bare.end()), image32);
    EXPECT_EQ(bare[8], 0);    // colour count
    EXPECT_EQ(bare[12], 32);  // bits per pixel
    EXPECT_EQ(bare[14] | bare[15] << 8, static_cast<int>(image32.size()));
    EXPECT_EQ(test::ReadFileBytes(Out("GIF", "a.dll_2.GIF")), gif);
    EXPECT_FALSE(test::FileExists(Out("PNG", "a.dll_3.PNG")));
    EXPECT_EQ(observer.counts["PNG#a.dll"], 0);

    // Unchecked, the same source still gives what the plain rules give, each with CR LF after.
    EXPECT_EQ(Scan(path).itemsLogged, 5);
    const Bytes plainGif = test::ReadFileBytes(Out("GIF", "a.dll_3.GIF"));
    ASSERT_GE(plainGif.size(), gif.size() + 2);
    EXPECT_EQ(Bytes(plainGif.end() - 2, plainGif.end()), Bytes({'\r', '\n'}));
}

}  // namespace
}  // namespace morvane
