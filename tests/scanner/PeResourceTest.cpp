// PE images built in memory: the header checks, the resource walk on hostile tables, and the
// whole icon, cursor and bitmap files made from the resources.
#include <gtest/gtest.h>

#include <set>

#include "ByteView.h"
#include "PeImage.h"
#include "PeWriter.h"
#include "Recognisers.h"
#include "ResourceWalk.h"
#include "WholeResources.h"

namespace morvane {
namespace {

using namespace test;

struct Read {
    Bytes pe;
    std::optional<PeImage> image;
    ResourceArea area;
    ResourceTable table;
    std::vector<WholeResource> items;
    std::vector<Bytes> files;
};

// `read` must outlive nothing: every span points into read.pe.
void ReadPe(Read& read) {
    read.image = PeImage::Read(read.pe);
    ASSERT_TRUE(read.image);
    auto area = ResourceAreaOf(*read.image);
    ASSERT_TRUE(area);
    read.area = *area;
    read.table = WalkResources(read.area);
    WholeResourceBuilder builder(read.area.bytes, read.table);
    read.items = builder.Plan();
    for (const WholeResource& item : read.items) read.files.push_back(builder.Bytes(item));
}

std::span<const std::uint8_t> ImageOf(const Bytes& file, int index) {
    const ByteView v(file);
    const std::uint32_t size = v.U32Or0(6 + 16 * index + 8), offset = v.U32Or0(6 + 16 * index + 12);
    return v.Slice(offset, size);
}

class PeFlavour : public testing::TestWithParam<bool> {};

TEST_P(PeFlavour, IconGroupBecomesOneIconFileWithEveryImageUnchanged) {
    const Bytes small = MakeDib(16, 16, 4, false, true), middle = MakeDib(32, 32, 8, false, true),
                large = MakeDib(48, 48, 32, false, true), png = MakePng(256, 256);
    const std::vector<GroupEntry> entries = {
        {16, 4, 1, 0}, {32, 8, 2, 0}, {48, 32, 3, 0}, {256, 32, 4, 0}};
    Read read;
    read.pe = MakePe({{kRtIcon, "", 1, 0x409, small},
                      {kRtIcon, "", 2, 0x409, middle},
                      {kRtIcon, "", 3, 0x409, large},
                      {kRtIcon, "", 4, 0x409, png},
                      {kRtGroupIcon, "", 7, 0x409, MakeGroupDirectory(false, entries)}},
                     {GetParam(), false, 3});
    ReadPe(read);
    EXPECT_EQ(read.image->isPe32Plus(), GetParam());
    EXPECT_TRUE(read.table.problems.empty());
    ASSERT_EQ(read.items.size(), 1U);  // the images are not written on their own
    const Bytes& file = read.files[0];
    EXPECT_EQ(read.items[0].kind, ResourceKind::ICO);
    EXPECT_EQ(ByteView(file).U16Or0(4), 4);
    const Bytes* images[] = {&small, &middle, &large, &png};
    for (int i = 0; i < 4; ++i) {
        const auto bytes = ImageOf(file, i);
        EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), images[i]->begin(), images[i]->end()))
            << i;
        EXPECT_EQ(file[6 + 16 * i], entries[i].size & 0xFF) << i;
    }
    const Bytes directory = MakeGroupDirectory(false, entries);
    const auto& group = read.table.leaves[read.items[0].leaf];
    EXPECT_TRUE(
        std::equal(directory.begin(), directory.end(), read.area.bytes.begin() + group.offset));
    EXPECT_EQ(read.items[0].position, group.offset);
    EXPECT_EQ(read.items[0].covers.size(), 5U);
}

TEST_P(PeFlavour, CursorGroupTakesEachHotspotFromItsResource) {
    Bytes cursor = {5, 0, 9, 0};
    const Bytes image = MakeDib(32, 32, 1, false, true);
    Append(cursor, image);
    Read read;
    read.pe = MakePe({{kRtCursor, "", 2, 0, cursor},
                      {kRtGroupCursor, "", 1, 0, MakeGroupDirectory(true, {{32, 1, 2, 0}})}},
                     {GetParam()});
    ReadPe(read);
    ASSERT_EQ(read.items.size(), 1U);
    const Bytes& file = read.files[0];
    EXPECT_EQ(read.items[0].kind, ResourceKind::CUR);
    EXPECT_EQ(ByteView(file).U16Or0(2), 2);
    EXPECT_EQ(file[6], 32);
    EXPECT_EQ(file[7], 32);  // the group holds the doubled height
    EXPECT_EQ(ByteView(file).U16Or0(10), 5);
    EXPECT_EQ(ByteView(file).U16Or0(12), 9);
    const auto bytes = ImageOf(file, 0);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), image.begin(), image.end()));
}

INSTANTIATE_TEST_SUITE_P(Pe32AndPe32Plus, PeFlavour, testing::Bool());

TEST(PeResources, BitmapPixelOffsetCountsColourTableAndMasks) {
    const std::vector<std::tuple<int, bool, std::uint32_t>> rows = {
        {1, false, 14 + 40 + 8}, {4, false, 14 + 40 + 64}, {8, false, 14 + 40 + 1024},
        {24, false, 14 + 40},    {32, false, 14 + 40},     {32, true, 14 + 40 + 12},
        {16, true, 14 + 40 + 12}};
    for (const auto& [bits, bitfields, pixelOffset] : rows) {
        const Bytes dib = MakeDib(5, 3, bits, bitfields);
        Read read;
        read.pe = MakePe({{kRtBitmap, "", 1, 0, dib}});
        ReadPe(read);
        ASSERT_EQ(read.items.size(), 1U);
        const Bytes& file = read.files[0];
        EXPECT_EQ(read.items[0].kind, ResourceKind::BMP);
        EXPECT_EQ(file[0], 'B');
        EXPECT_EQ(ByteView(file).U32Or0(2), file.size());
        EXPECT_EQ(ByteView(file).U32Or0(10), pixelOffset) << bits;
        EXPECT_TRUE(std::equal(dib.begin(), dib.end(), file.begin() + 14, file.end()));
    }
}

TEST(PeResources, OtherResourcesAreKeptByTypeOrSignatureAsTheyAre) {
    const Bytes avi = Filler(40);  // a named "AVI" type is an AVI whatever its bytes
    const Bytes ani = MakeRiff("ACON", Filler(20));
    const Bytes png = MakePng();
    Read read;
    read.pe = MakePe({{0, "avi", 1, 0, avi},
                      {kRtAniCursor, "", 1, 0, ani},
                      {10, "", 5, 0, png},
                      {10, "", 6, 0, Filler(30)},
                      {0, "DATA", 1, 0, MakeGif()}},
                     {true, false, 1});
    ReadPe(read);
    std::multiset<ResourceKind> kinds;
    for (const WholeResource& item : read.items) kinds.insert(item.kind);
    EXPECT_EQ(kinds, (std::multiset<ResourceKind>{ResourceKind::ANI, ResourceKind::PNG,
                                                  ResourceKind::GIF, ResourceKind::AVI}));
    for (std::size_t i = 0; i < read.items.size(); ++i) {
        const ResourceLeaf& leaf = read.table.leaves[read.items[i].leaf];
        const auto bytes = read.area.bytes.subspan(leaf.offset, leaf.size);
        EXPECT_TRUE(
            std::equal(bytes.begin(), bytes.end(), read.files[i].begin(), read.files[i].end()));
    }
}

// A group naming a missing image keeps the rest, an empty one is not written; a table that loops
// is reported and the rest still read.
TEST(PeResources, MissingImagesAndALoopingTable) {
    Read read;
    read.pe =
        MakePe({{kRtIcon, "", 1, 0, MakeDib(16, 16, 8, false, true)},
                {kRtGroupIcon, "", 1, 0, MakeGroupDirectory(false, {{16, 8, 1, 0}, {32, 8, 9, 0}})},
                {kRtGroupIcon, "", 2, 0, MakeGroupDirectory(false, {{32, 8, 9, 0}})}});
    ReadPe(read);
    ASSERT_EQ(read.items.size(), 1U);
    EXPECT_EQ(ByteView(read.files[0]).U16Or0(4), 1);
    Read loop;
    loop.pe = MakePe({{kRtBitmap, "", 1, 0, MakeDib(2, 2, 24)}}, {false, true});
    ReadPe(loop);
    EXPECT_EQ(loop.items.size(), 1U);
    EXPECT_FALSE(loop.table.problems.empty());
}

}  // namespace
}  // namespace morvane
