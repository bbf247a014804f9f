// PE images built in memory: the resource walk on hostile tables, and the whole icon, cursor and
// bitmap files made from the resources.
#include <gtest/gtest.h>

#include <set>

#include "ByteView.h"
#include "PeImage.h"
#include "PeWriter.h"
#include "ResourceWalk.h"
#include "WholeResources.h"

namespace morvane {
namespace {

using namespace test;

// An image read as the resource pass reads it; every span points into `pe`, so it stays put.
struct Read {
    Bytes pe;
    std::optional<PeImage> image;
    ResourceArea area;
    ResourceTable table;
    std::vector<WholeResource> items;
    std::vector<Bytes> files;

    explicit Read(Bytes bytes) : pe(std::move(bytes)), image(PeImage::Read(pe)) {
        const auto found = image ? ResourceAreaOf(*image) : std::nullopt;
        if (!found) {
            ADD_FAILURE() << "no resource area";
            return;
        }
        area = *found;
        table = WalkResources(area);
        WholeResourceBuilder builder(area.bytes, table);
        items = builder.Plan();
        for (const WholeResource& item : items) files.push_back(builder.Bytes(item));
    }
    Read(const Read&) = delete;
};

bool Same(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}
// The bytes of image `index` of an icon or cursor file.
std::span<const std::uint8_t> ImageOf(const Bytes& file, int index) {
    const ByteView v(file);
    return v.Slice(v.U32Or0(6 + 16 * index + 12), v.U32Or0(6 + 16 * index + 8));
}

class PeFlavour : public testing::TestWithParam<bool> {};

// Each group becomes one file with every image unchanged; the images are not written on their
// own, and a cursor takes each hot spot from its resource.
TEST_P(PeFlavour, GroupsBecomeIconAndCursorFiles) {
    const std::vector<Bytes> images = {MakeDib(16, 16, 4, false, true),
                                       MakeDib(32, 32, 8, false, true),
                                       MakeDib(48, 48, 32, false, true), MakePng(256, 256)};
    const std::vector<GroupEntry> entries = {
        {16, 4, 1, 0}, {32, 8, 2, 0}, {48, 32, 3, 0}, {256, 32, 4, 0}};
    const Bytes directory = MakeGroupDirectory(false, entries),
                image = MakeDib(32, 32, 1, false, true);
    std::vector<PeResource> resources = {
        {kRtGroupIcon, "", 7, 0x409, directory},
        {kRtCursor, "", 2, 0, Bytes{5, 0, 9, 0}},
        {kRtGroupCursor, "", 1, 0, MakeGroupDirectory(true, {{32, 1, 2, 0}})}};
    Append(resources[1].data, image);
    for (std::uint32_t i = 0; i < 4; ++i)
        resources.push_back({kRtIcon, "", i + 1, 0x409, images[i]});
    const Read read(MakePe(resources, {GetParam(), false, 3}));
    EXPECT_EQ(read.image->isPe32Plus(), GetParam());
    EXPECT_TRUE(read.table.problems.empty());
    ASSERT_EQ(read.items.size(), 2U);
    const Bytes &cursor = read.files[0], &icon = read.files[1];
    EXPECT_EQ(read.items[0].kind, ResourceKind::CUR);
    EXPECT_EQ(read.items[1].kind, ResourceKind::ICO);
    EXPECT_EQ(ByteView(icon).U16Or0(4), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(Same(ImageOf(icon, i), images[i])) << i;
        EXPECT_EQ(icon[6 + 16 * i], entries[i].size & 0xFF) << i;
    }
    const ResourceLeaf& group = read.table.leaves[read.items[1].leaf];
    EXPECT_TRUE(Same(read.area.bytes.subspan(group.offset, directory.size()), directory));
    EXPECT_EQ(read.items[1].position, group.offset);
    EXPECT_EQ(read.items[1].covers.size(), 5U);
    const ByteView v(cursor);
    // Type 2; 32 wide and high (the group holds the doubled height); hot spot 5, 9.
    EXPECT_EQ((std::vector<int>{v.U16Or0(2), cursor[6], cursor[7], v.U16Or0(10), v.U16Or0(12)}),
              (std::vector<int>{2, 32, 32, 5, 9}));
    EXPECT_TRUE(Same(ImageOf(cursor, 0), image));
}

INSTANTIATE_TEST_SUITE_P(Pe32AndPe32Plus, PeFlavour, testing::Bool());

TEST(PeResources, BitmapPixelOffsetCountsColourTableAndMasks) {
    const std::vector<std::tuple<int, bool, std::uint32_t>> rows = {
        {1, false, 14 + 40 + 8}, {4, false, 14 + 40 + 64}, {8, false, 14 + 40 + 1024},
        {24, false, 14 + 40},    {32, false, 14 + 40},     {32, true, 14 + 40 + 12},
        {16, true, 14 + 40 + 12}};
    for (const auto& [bits, bitfields, pixelOffset] : rows) {
        const Bytes dib = MakeDib(5, 3, bits, bitfields);
        const Read read(MakePe({{kRtBitmap, "", 1, 0, dib}}));
        ASSERT_EQ(read.items.size(), 1U);
        const Bytes& file = read.files[0];
        EXPECT_EQ(read.items[0].kind, ResourceKind::BMP);
        EXPECT_EQ(file[0], 'B');
        EXPECT_EQ(ByteView(file).U32Or0(2), file.size());
        EXPECT_EQ(ByteView(file).U32Or0(10), pixelOffset) << bits;
        EXPECT_TRUE(Same(std::span(file).subspan(14), dib));
    }
}

// A named "AVI" type is an AVI whatever its bytes; others are known by their signature or left
// as they are. A group naming a missing image keeps the rest, an empty one is not written; a
// table that loops is reported and the rest still read.
TEST(PeResources, OtherResourcesMissingImagesAndALoopingTable) {
    const Read read(
        MakePe({{0, "avi", 1, 0, Filler(40)},
                {kRtAniCursor, "", 1, 0, MakeRiff("ACON", Filler(20))},
                {10, "", 5, 0, MakePng()},
                {10, "", 6, 0, Filler(30)},
                {0, "DATA", 1, 0, MakeGif()},
                {0, "WAVE", 1, 0, MakeRiff("WAVE", Filler(20))},
                {kRtIcon, "", 1, 0, MakeDib(16, 16, 8, false, true)},
                {kRtGroupIcon, "", 1, 0, MakeGroupDirectory(false, {{16, 8, 1, 0}, {32, 8, 9, 0}})},
                {kRtGroupIcon, "", 2, 0, MakeGroupDirectory(false, {{32, 8, 9, 0}})}},
               {true, true, 1}));
    EXPECT_FALSE(read.table.problems.empty());
    std::multiset<ResourceKind> kinds;
    for (std::size_t i = 0; i < read.items.size(); ++i) {
        kinds.insert(read.items[i].kind);
        const ResourceLeaf& leaf = read.table.leaves[read.items[i].leaf];
        if (read.items[i].kind == ResourceKind::ICO)
            EXPECT_EQ(ByteView(read.files[i]).U16Or0(4), 1);
        else
            EXPECT_TRUE(Same(read.area.bytes.subspan(leaf.offset, leaf.size), read.files[i]));
    }
    EXPECT_EQ(kinds, (std::multiset<ResourceKind>{ResourceKind::ICO, ResourceKind::ANI,
                                                  ResourceKind::PNG, ResourceKind::GIF,
                                                  ResourceKind::AVI, ResourceKind::WAV}));
}

}  // namespace
}  // namespace morvane
