// PE images built in memory: the resource walk on hostile tables, and the whole icon, cursor and
// bitmap files made from the resources.
#include <gtest/gtest.h>

#include <set>

#include "ByteView.h"
#include "NeImage.h"
#include "NeResourceWalk.h"
#include "NeWriter.h"
#include "PeImage.h"
#include "PeWriter.h"
#include "ResourceWalk.h"
#include "WholeResources.h"

namespace morvane {
namespace {

using namespace test;

// An image read as the resource pass reads it, PE or NE; every span points into `pe`, so it
// stays put. An NE image's leaves count from its first byte, so the area is the whole image.
struct Read {
    Bytes pe;
    std::optional<PeImage> image;
    ResourceArea area;
    ResourceTable table;
    std::vector<WholeResource> items;
    std::vector<Bytes> files;

    explicit Read(Bytes bytes, bool expectArea = true)
        : pe(std::move(bytes)), image(PeImage::Read(pe)) {
        const std::optional<NeImage> ne = image ? std::nullopt : NeImage::Read(pe);
        const auto found = image ? ResourceAreaOf(*image) : std::nullopt;
        if (ne) {
            area.bytes = pe;
            table = WalkNeResources(*ne, pe.size());
            CutToOwnSizes(area.bytes, table);
        } else if (found) {
            area = *found;
            table = WalkResources(area);
        } else {
            if (expectArea) ADD_FAILURE() << "no resource area";
            return;
        }
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

// Icons of three sizes (one a PNG 256 pixels wide) in a group, a cursor with its hot spot and a
// bitmap: what a program holds. `libraryName`: icons and one named group only, as an .icl holds.
std::vector<PeResource> ProgramResources(const std::vector<Bytes>& images, const Bytes& cursor,
                                         const std::string& libraryName = "") {
    std::vector<PeResource> resources = {
        {kRtGroupIcon, "", 7, 0x409,
         MakeGroupDirectory(false, {{16, 4, 1, 0}, {32, 8, 2, 0}, {256, 32, 3, 0}}), libraryName}};
    for (std::uint32_t i = 0; i < 3; ++i)
        resources.push_back({kRtIcon, "", i + 1, 0x409, images[i]});
    if (!libraryName.empty()) return resources;
    Bytes hotspot = {5, 0, 9, 0};
    Append(hotspot, cursor);
    resources.push_back({kRtCursor, "", 5, 0, hotspot});
    resources.push_back({kRtGroupCursor, "", 1, 0, MakeGroupDirectory(true, {{32, 1, 5, 0}})});
    resources.push_back({kRtBitmap, "", 1, 0, MakeDib(5, 3, 8)});
    return resources;
}

// 32- and 64-bit PE images of resources alone, and 16-bit images with and without their DOS stub at
// alignments from none to 512 bytes: each group becomes one file with every image exactly its
// resource's bytes (not the table's rounded length), the images not written on their own; a cursor
// takes its hot spot from its resource. An icon library gives one icon file per group, named.
TEST(Resources, GroupsAndBitmapsBecomeWholeFiles) {
    const std::vector<Bytes> images = {MakeDib(16, 16, 4, false, true),
                                       MakeDib(32, 32, 8, false, true), MakePng(256, 2)};
    const Bytes cursor = MakeDib(32, 32, 1, false, true), dib = MakeDib(5, 3, 8);
    const std::vector<PeResource> program = ProgramResources(images, cursor);
    std::vector<std::pair<std::string, Bytes>> flavours = {
        {"PE32", MakePe(program, {false, false, 3})},
        {"PE32+", MakePe(program, {true, false, 3})},
        // As Windows keeps its icons in .mun files: the raw data at 0x200, its raw size rounded up
        // to the file alignment.
        {"PE32 .mun", MakePe(program, {false, false, 0xA0})}};
    for (const NeLayout layout : {NeLayout{4, true}, NeLayout{9, false}, NeLayout{0, true}})
        flavours.push_back({"NE " + std::to_string(layout.shift), MakeNe(program, layout)});
    for (const auto& [name, bytes] : flavours) {
        const Read read(bytes);
        EXPECT_EQ(read.image && read.image->isPe32Plus(), name == "PE32+");
        EXPECT_TRUE(read.table.problems.empty()) << name;
        ASSERT_EQ(read.items.size(), 3U) << name;
        EXPECT_EQ((std::vector{read.items[0].kind, read.items[1].kind, read.items[2].kind}),
                  (std::vector{ResourceKind::BMP, ResourceKind::CUR, ResourceKind::ICO}));
        EXPECT_EQ(read.files[0], BitmapFile(dib));
        const Bytes &cur = read.files[1], &ico = read.files[2];
        const ByteView c(cur);
        // Type 2; 32 wide and high (the group holds the doubled height); hot spot 5, 9.
        EXPECT_EQ((std::vector<int>{c.U16Or0(2), cur[6], cur[7], c.U16Or0(10), c.U16Or0(12)}),
                  (std::vector<int>{2, 32, 32, 5, 9}));
        EXPECT_TRUE(Same(ImageOf(cur, 0), cursor));
        ASSERT_EQ(ByteView(ico).U16Or0(4), 3);
        for (int i = 0; i < 3; ++i)
            EXPECT_TRUE(Same(ImageOf(ico, i), images[i]) && ico[6 + 16 * i] == (16 << i) % 64)
                << name << i;
        EXPECT_EQ(ico.size(), 6 + 3 * 16 + images[0].size() + images[1].size() + images[2].size());
        // The icon file stands where its group's directory is and covers it and its images.
        const ResourceLeaf& group = read.table.leaves[read.items[2].leaf];
        EXPECT_TRUE(
            Same(read.area.bytes.subspan(group.offset, program[0].data.size()), program[0].data));
        EXPECT_EQ(read.items[2].position, group.offset);
        EXPECT_EQ(read.items[2].covers.size(), 4U) << name;
    }
    const Read library(MakeNe(ProgramResources(images, cursor, "SMILE"), {3, true}));
    ASSERT_EQ(library.items.size(), 1U);
    EXPECT_TRUE(library.items[0].name == "SMILE" && ByteView(library.files[0]).U16Or0(4) == 3);
}

// Hostile tables end with what could be read: no item larger than the image, and a problem
// told where an entry or the alignment is out of bounds.
TEST(NeResources, HostileTablesEndCleanly) {
    const Bytes ne = MakeNe(ProgramResources(
        {MakeDib(16, 16, 4, false, true), MakeDib(32, 32, 8, false, true), MakePng(256, 2)},
        MakeDib(32, 32, 1, false, true)));
    const std::size_t table = 0x40 + kNeResourceTable, firstEntry = table + 2 + 8;
    const auto patched = [&](std::size_t at, std::initializer_list<std::uint8_t> bytes) {
        Bytes copy = ne;
        std::copy(bytes.begin(), bytes.end(), copy.begin() + static_cast<std::ptrdiff_t>(at));
        return copy;
    };
    const Bytes overlapping = [&] {  // every entry points at the first one's data
        Bytes copy = ne;
        for (std::size_t at = firstEntry + 12; ByteView(copy).U16Or0(at + 6) & 0x8000; at += 12)
            std::copy_n(ne.begin() + static_cast<std::ptrdiff_t>(firstEntry), 4,
                        copy.begin() + static_cast<std::ptrdiff_t>(at));
        return copy;
    }();
    const struct {
        const char* name;
        Bytes image;
        bool problem;
    } rows[] = {
        {"shift 0: data inside the headers", patched(table, {0, 0}), true},
        {"shift 31", patched(table, {31, 0}), true},
        {"count past the image", patched(table + 4, {0xFF, 0x7F}), true},
        {"entry past the image", patched(firstEntry, {0xFF, 0xFF}), true},
        {"entries that overlap", overlapping, false},
        {"a type record that names itself", patched(table + 2, {0x02, 0x00}), false},
    };
    for (const auto& row : rows) {
        const Read read(row.image, false);
        EXPECT_EQ(!read.table.problems.empty(), row.problem) << row.name;
        for (const Bytes& file : read.files)
            EXPECT_LE(file.size(), row.image.size() + 64) << row.name;
    }
}

// Every icon and cursor entry gives its image's own width and height, whatever the group says:
// Wine's cursor groups give the height undoubled, others double it, and an icon group may be
// wrong about a size altogether.
TEST(PeResources, DirectoryEntriesAgreeWithTheirImages) {
    const Bytes large = MakeDib(64, 64, 1, false, true), png = MakePng(256, 256);
    Bytes cursor = {1, 0, 2, 0};
    Append(cursor, large);
    for (const bool wine : {true, false}) {
        const Read read(
            MakePe({{kRtCursor, "", 1, 0, cursor},
                    {kRtGroupCursor, "", 1, 0, MakeGroupDirectory(true, {{64, 1, 1, 0}}, wine)},
                    {kRtIcon, "", 2, 0, large},
                    {kRtIcon, "", 3, 0, png},
                    {kRtGroupIcon, "", 1, 0,
                     MakeGroupDirectory(false, {{32, 1, 2, 0}, {48, 32, 3, 0}})}}));
        ASSERT_EQ(read.files.size(), 2U);
        const Bytes &cur = read.files[0], &ico = read.files[1];
        EXPECT_EQ((std::vector<int>{cur[6], cur[7], ico[6], ico[7], ico[22], ico[23]}),
                  (std::vector<int>{64, 64, 64, 64, 0, 0}))
            << wine;
    }
}

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
        EXPECT_TRUE(read.items[0].kind == ResourceKind::BMP && file[0] == 'B' &&
                    ByteView(file).U32Or0(2) == file.size());
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
