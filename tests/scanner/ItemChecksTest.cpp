// The structural checks: each sound item passes with the size its structure gives; each way of
// breaking it (cut short, a wrong length, a bad CRC, an endless chain, a signature in machine
// code) fails.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ItemChecks.h"
#include "MediaSamples.h"

namespace morvane {
namespace {

using test::Append;
using test::Bytes;
using test::PutLE16;
using test::PutLE32;

std::int64_t Check(ResourceKind kind, const Bytes& item, RuleCode rule = RuleCode::Png) {
    return CheckCandidate(rule, kind, ItemView(item), static_cast<std::int64_t>(item.size()));
}

Bytes Changed(Bytes bytes, std::size_t at, std::uint8_t value) {
    bytes.at(at) = value;
    return bytes;
}
Bytes Cut(Bytes bytes, std::size_t drop) {
    bytes.resize(bytes.size() - drop);
    return bytes;
}
// A signature followed by bytes that look like machine code.
Bytes InCode(std::string_view signature) {
    Bytes bytes = test::ToBytes(signature);
    Append(bytes, test::Filler(4096));
    return bytes;
}
Bytes Chunk(std::string_view id, const Bytes& body) {
    Bytes chunk = test::ToBytes(id);
    PutLE32(chunk, static_cast<std::uint32_t>(body.size()));
    Append(chunk, body);
    if (body.size() % 2) chunk.push_back(0);
    return chunk;
}
Bytes Wave() {
    Bytes format;
    for (std::uint32_t field : {1u, 1u}) PutLE16(format, field);  // PCM, mono
    PutLE32(format, 8000);
    PutLE32(format, 8000);
    PutLE16(format, 1);
    PutLE16(format, 8);
    Bytes payload = Chunk("fmt ", format);
    Append(payload, Chunk("data", Bytes(9, 0x80)));  // odd: a pad byte follows
    return test::MakeRiff("WAVE", payload);
}
Bytes Ani(const Bytes& icon) {
    Bytes frames = test::ToBytes("fram");
    Append(frames, Chunk("icon", icon));
    Bytes payload = Chunk("anih", Bytes(36, 0));
    Append(payload, Chunk("LIST", frames));
    return test::MakeRiff("ACON", payload);
}
// The test JPEG with the quantisation table every decoder needs.
Bytes WithTables(const Bytes& jpeg) {
    Bytes whole(jpeg.begin(), jpeg.begin() + 20);  // SOI and APP0
    Append(whole, {0xFF, 0xDB, 0x00, 0x43, 0x00});
    whole.insert(whole.end(), 64, 1);
    Append(whole, Bytes(jpeg.begin() + 20, jpeg.end()));
    return whole;
}

struct Row {
    std::string name;
    ResourceKind kind;
    Bytes item;
    std::int64_t expected;  // 0: fails
    RuleCode rule = RuleCode::Png;
};

void ExpectRows(const std::vector<Row>& rows) {
    for (const Row& row : rows)
        EXPECT_EQ(Check(row.kind, row.item, row.rule), row.expected) << row.name;
}

TEST(ItemChecksTest, Pictures) {
    const Bytes png = test::MakePng(), gif = test::MakeGif();
    const Bytes jpeg = WithTables(test::MakeJpeg());
    const Bytes bmp = test::MakeBmp(3, 2);
    Bytes trailing = png;  // bytes after IEND belong to whatever follows
    Append(trailing, test::Filler(5));
    ExpectRows({
        {"png", ResourceKind::PNG, png, std::int64_t(png.size())},
        {"png then more", ResourceKind::PNG, trailing, std::int64_t(png.size())},
        {"png cut short", ResourceKind::PNG, Cut(png, 1), 0},
        {"png bad CRC", ResourceKind::PNG, Changed(png, 29, png[29] ^ 1), 0},
        {"png in code", ResourceKind::PNG, InCode("\x89PNG\r\n\x1A\n"), 0},
        {"gif", ResourceKind::GIF, gif, std::int64_t(gif.size())},
        {"gif 0x0 screen", ResourceKind::GIF, Changed(Changed(gif, 6, 0), 8, 0), 0},
        {"gif without trailer", ResourceKind::GIF, Cut(gif, 1), 0},
        {"gif endless sub-blocks", ResourceKind::GIF, Changed(gif, 33, 0xFF), 0},
        {"gif in code", ResourceKind::GIF, InCode("GIF89a"), 0},
        {"jpeg", ResourceKind::JPG, jpeg, std::int64_t(jpeg.size())},
        {"jpeg without EOI", ResourceKind::JPG, Cut(jpeg, 2), 0},
        {"jpeg segment past the end", ResourceKind::JPG, Changed(jpeg, 4, 0x40), 0},
        {"jpeg scan before frame", ResourceKind::JPG, Changed(jpeg, 90, 0xC4), 0},
        {"jpeg without tables", ResourceKind::JPG, test::MakeJpeg(), 0},
        {"jpeg in code", ResourceKind::JPG, InCode("\xFF\xD8\xFF\xE0"), 0},
        {"bmp", ResourceKind::BMP, bmp, std::int64_t(bmp.size())},
        {"bmp pixels cut short", ResourceKind::BMP, Cut(bmp, 1), 0},
        {"bmp no planes", ResourceKind::BMP, Changed(bmp, 26, 0), 0},
        {"bmp unknown header", ResourceKind::BMP, Changed(bmp, 14, 41), 0},
        {"bmp in code", ResourceKind::BMP, InCode("BM"), 0},
    });
}

TEST(ItemChecksTest, IconsAndCursors) {
    const Bytes icon = test::MakeIcon32(), cursor = test::MakeCursor32();
    Bytes two = {0, 0, 1, 0, 2, 0};  // a directory of two images, the second a PNG
    const Bytes image = test::MakeIconImage32(32), png = test::MakePng(16, 16);
    for (const Bytes* entry : {&image, &png}) {
        Append(two, {16, 16, 0, 0, 1, 0, 32, 0});
        PutLE32(two, static_cast<std::uint32_t>(entry->size()));
        PutLE32(two, entry == &image ? 38 : 38 + static_cast<std::uint32_t>(image.size()));
    }
    Append(two, image);
    Append(two, png);
    ExpectRows({
        {"icon", ResourceKind::ICO, icon, std::int64_t(icon.size())},
        {"cursor", ResourceKind::CUR, cursor, std::int64_t(cursor.size())},
        {"cursor read as icon", ResourceKind::ICO, cursor, 0},
        {"two images", ResourceKind::ICO, two, std::int64_t(two.size())},
        {"image cut short", ResourceKind::ICO, Cut(icon, 1), 0},
        {"no images", ResourceKind::ICO, Changed(icon, 4, 0), 0},
        {"entry inside the directory", ResourceKind::ICO, Changed(icon, 18, 6), 0},
        {"entry too small for its image", ResourceKind::ICO, Changed(icon, 14, 0x10), 0},
        {"odd bit count", ResourceKind::ICO, Changed(icon, 36, 7), 0},
        {"icon in code", ResourceKind::ICO, InCode(std::string_view("\0\0\1\0\1\0", 6)), 0},
    });
}

TEST(ItemChecksTest, BareIconImagesAreSizedByTheirColourDepth) {
    for (int bits : {1, 4, 8, 24, 32}) {
        const Bytes image = test::MakeIconImage32(bits);
        const Bytes fromSignature(image.begin() + 1, image.end());
        EXPECT_EQ(Check(ResourceKind::ICO, fromSignature, RuleCode::BareIconBitmap),
                  std::int64_t(image.size()) - 1)
            << bits;
        EXPECT_EQ(Check(ResourceKind::ICO, Cut(fromSignature, 1), RuleCode::BareIconBitmap), 0)
            << bits;
    }
    // Header, 32x32x4 colour bytes, 32 rows of 4 mask bytes, as a real 32-bit icon has.
    EXPECT_EQ(test::MakeIconImage32(32).size(), 4264u);
    const Bytes image16 = test::MakeIconImage32(16);
    const Bytes sixteen(image16.begin() + 1, image16.end());
    EXPECT_EQ(Check(ResourceKind::ICO, sixteen, RuleCode::BareIconBitmap), 0);
}

TEST(ItemChecksTest, RiffForms) {
    const Bytes wave = Wave(), ani = Ani(test::MakeIcon32());
    Bytes avi = test::MakeRiff("AVI ", Chunk("LIST", test::ToBytes("hdrlavih")));
    Bytes endless = wave;
    endless[16] = 0xFF;  // the "fmt " chunk claims more than the RIFF holds
    // A video larger than the bytes looked at: its visible chunks are sound.
    Bytes large = avi;
    Append(large, test::ToBytes("movi"));
    PutLE32(large, 1 << 20);
    const std::int64_t largeSize = std::int64_t(large.size()) + (1 << 20);
    const std::uint32_t riffSize = static_cast<std::uint32_t>(largeSize - 8);
    for (int i = 0; i < 4; ++i) large[4 + i] = static_cast<std::uint8_t>(riffSize >> (8 * i));
    ExpectRows({
        {"wave", ResourceKind::WAV, wave, std::int64_t(wave.size())},
        {"wave without fmt", ResourceKind::WAV, test::MakeRiff("WAVE", Chunk("data", {1, 2})), 0},
        {"wave chunk past the end", ResourceKind::WAV, endless, 0},
        {"wave read as avi", ResourceKind::AVI, wave, 0},
        {"wave cut short", ResourceKind::WAV, Cut(wave, 4), 0},
        {"ani", ResourceKind::ANI, ani, std::int64_t(ani.size())},
        {"ani with a broken icon", ResourceKind::ANI, Ani(Changed(test::MakeIcon32(), 4, 0)), 0},
        {"avi", ResourceKind::AVI, avi, std::int64_t(avi.size())},
        {"riff in code", ResourceKind::WAV, InCode(std::string_view("RIFF\x10\0\0\0WAVE", 12)), 0},
    });
    EXPECT_EQ(CheckRiff(ItemView(large), ResourceKind::AVI, largeSize), largeSize);
    EXPECT_EQ(CheckRiff(ItemView(large), ResourceKind::AVI, largeSize - 1), 0);
}

TEST(ItemChecksTest, MidiTracks) {
    const Bytes midi = test::MakeMidi(2);
    ExpectRows({
        {"two tracks", ResourceKind::MID, midi, std::int64_t(midi.size())},
        {"a track missing", ResourceKind::MID, Changed(midi, 11, 3), 0},
        {"format 0 of two tracks", ResourceKind::MID, Changed(midi, 9, 0), 0},
        {"header length", ResourceKind::MID, Changed(midi, 7, 7), 0},
        {"track past the end", ResourceKind::MID, Cut(midi, 1), 0},
        {"midi in code", ResourceKind::MID, InCode(std::string_view("MThd\0", 5)), 0},
    });
}

}  // namespace
}  // namespace morvane
