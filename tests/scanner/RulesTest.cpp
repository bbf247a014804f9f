// The size rules at their boundaries and the structural checks of a checked scan, as data rows:
// each item passes with the size its rule or structure gives; each way of breaking it fails.
#include <gtest/gtest.h>

#include "ItemChecks.h"
#include "LookAhead.h"
#include "MediaSamples.h"
#include "Recognisers.h"
#include "SignatureTable.h"

namespace morvane {
namespace {

using namespace test;
using K = ResourceKind;

Bytes Set(Bytes bytes, std::size_t at, std::initializer_list<std::uint8_t> values) {
    for (std::uint8_t value : values) bytes.at(at++) = value;
    return bytes;
}
Bytes Cut(Bytes bytes, std::size_t drop) {
    bytes.resize(bytes.size() - drop);
    return bytes;
}
Bytes Plus(Bytes bytes, const Bytes& more) {
    Append(bytes, more);
    return bytes;
}
// `item` among filler bytes, at offset 16.
Bytes Planted(const Bytes& item) {
    return Plus(Plus(Filler(16, 7), item), Filler(16, 9));
}
// A signature followed by bytes that look like machine code.
Bytes InCode(std::string_view signature) {
    return Plus(ToBytes(signature), Filler(4096));
}
Bytes Wave() {  // PCM, mono, 8000 Hz, 8 bits, an odd data chunk with its pad byte
    const Bytes format = {1, 0, 1, 0, 0x40, 0x1F, 0, 0, 0x40, 0x1F, 0, 0, 1, 0, 8, 0};
    return MakeRiff("WAVE", Plus(RiffChunk("fmt ", format), RiffChunk("data", Bytes(9, 0x80))));
}
Bytes Ani(const Bytes& icon) {
    return MakeRiff("ACON",
                    Plus(RiffChunk("anih", Bytes(36, 0)),
                         RiffChunk("LIST", Plus(ToBytes("fram"), RiffChunk("icon", icon)))));
}
// An icon or cursor file of images that begin as bitmap headers do, then 300 filler bytes.
Bytes Directory(int type, std::initializer_list<std::size_t> sizes) {
    std::vector<Bytes> images;
    for (std::size_t size : sizes) images.push_back(Plus({40, 0, 0, 0}, Filler(size - 4)));
    return Plus(MakeIconFile(type, images), Filler(300));
}

using Rule = Verdict (*)(const LookAhead&);
struct RuleRow {
    const char* name;
    Rule rule;
    Bytes file;
    std::int64_t offset;
    std::int64_t size;  // 0: not taken
    ResourceKind kind;
};

TEST(RulesTest, SizesAndKindsAtTheirLimits) {
    // `two`: images of 100 and 50 bytes at 38 and 138; `big`: an icon of a 32768-byte image.
    const Bytes icon = MakeIcon32(), cursor = MakeCursor32(), bmp = MakeBmp(3, 2), gif = MakeGif(),
                png = MakePng(), jpeg = Plus(MakeJpeg(), {0, 0}),
                riff = MakeRiff("WAVE", Filler(20)), three = MakeMidi(3),
                two = Directory(1, {100, 50}), big = Set(icon, 14, {0x00, 0x80, 0x00});
    Bytes gap = MakeMidi(2);
    gap.insert(gap.begin() + 14 + 20, 0xAA);
    const auto is = [](const Bytes& b) { return static_cast<std::int64_t>(b.size()); };
    const Rule riffs = [](const LookAhead& a) { return RecogniseRiff(a, {}); };
    const Rule noWave = [](const LookAhead& a) {
        ScanOptions options;
        options.Enable(K::WAV, false);
        return RecogniseRiff(a, options);
    };
    const Rule midi = [](const LookAhead& a) { return RecogniseMidi(a); };
    // The bare icon image row takes its fixed size without tests.
    const Rule bare = [](const LookAhead& a) { return ApplyRule(AllSignatureRows()[2], a, {}); };
    const Rule ico = RecogniseIconDirectory, cur = RecogniseCursorDirectory,
               icoFile = RecogniseIconFile, bmpR = RecogniseBitmap, jpg = RecogniseJpeg;
    const std::vector<RuleRow> rows = {
        {"wave", riffs, Planted(riff), 16, 32, K::WAV},  // size field 24, room 48 - 17 = 31
        {"avi", riffs, Planted(MakeRiff("AVI ", Filler(20))), 16, 32, K::AVI},
        {"ani", riffs, Planted(MakeRiff("ACON", Filler(20))), 16, 32, K::ANI},
        {"unknown form", riffs, Planted(MakeRiff("CDXA", Filler(20))), 16, 0, K::WAV},
        {"wave off", noWave, Planted(riff), 16, 0, K::WAV},
        {"riff one past the room", riffs, Plus(Filler(16), Set(riff, 4, {32})), 16, 0, K::WAV},
        {"riff 7 past the end", riffs, Plus(Filler(16), Set(riff, 4, {31})), 16, 39, K::WAV},
        {"icon", ico, Planted(icon), 16, 2238, K::ICO},
        {"icon image 32768", ico, Planted(big), 16, 32790, K::ICO},
        {"icon image 32769", ico, Planted(Set(big, 14, {1})), 16, 0, K::ICO},
        {"icon no header mark", ico, Planted(Set(icon, 22, {0x29})), 16, 0, K::ICO},
        {"cursor", cur, Planted(cursor), 16, 2238, K::CUR},
        {"cursor 32x16", cur, Planted(Set(cursor, 30, {0x20})), 16, 0, K::CUR},
        {"cursor no header mark", cur, Planted(Set(cursor, 22, {0x0C})), 16, 0, K::CUR},
        {"bmp", bmpR, Planted(bmp), 16, is(bmp), K::BMP},
        {"bmp alone", bmpR, bmp, 0, 0, K::BMP},  // the look-ahead lacks the last byte
        {"bmp one byte after", bmpR, Plus(bmp, {0xAA}), 0, is(bmp), K::BMP},
        {"bmp core header", bmpR, Planted(Set(bmp, 14, {0x0C})), 16, 0, K::BMP},
        {"bmp size 0", bmpR, Planted(Set(bmp, 2, {0, 0, 0, 0})), 16, 0, K::BMP},
        {"gif", RecogniseGif, Planted(gif), 16, is(gif) + 1, K::GIF},
        {"gif alone", RecogniseGif, gif, 0, 0, K::GIF},
        {"gif early 00 3B", RecogniseGif, Planted(Set(gif, 10, {0x00, 0x3B})), 16, 13, K::GIF},
        {"png", RecognisePng, Planted(png), 16, is(png) + 1, K::PNG},
        {"png alone", RecognisePng, png, 0, 0, K::PNG},
        {"jpeg", jpg, Planted(jpeg), 16, is(jpeg) + 1, K::JPG},
        {"jpeg end without two zeros", jpg, Planted(MakeJpeg()), 16, 0, K::JPG},
        {"jpeg no JFIF", jpg, Planted(Set(jpeg, 6, {'X'})), 16, 0, K::JPG},
        {"jpeg end before scan", jpg,
         Planted({0xFF, 0xD8, 0xFF, 0xE0, 0, 0x10, 'J', 'F', 'I', 'F', 0xFF, 0xD9, 0, 0, 0xFF, 0xDA,
                  1}),
         16, 0, K::JPG},
        {"bare icon", bare, {0, 0, 0, 0x20, 0, 0, 0, 0x40, 1}, 0, 2238, K::ICO},
        {"midi", midi, Planted(three), 16, is(three), K::MID},
        {"midi alone", midi, MakeMidi(1), 0, 0, K::MID},  // the last end of track: the last byte
        {"midi alone, a track early", midi, three, 0, is(three) - 20, K::MID},
        {"midi gap", midi, Planted(gap), 16, 14 + 20, K::MID},
        {"midi no track", midi,
         Planted(Plus(ToBytes("MThd"), {0, 0, 0, 6, 0, 0, 0, 0, 0, 0xFF, 0x2F, 0})), 16, 16,
         K::MID},
        {"two icons", icoFile, two, 0, 188, K::ICO},
        {"out of order", icoFile, Set(Set(two, 14, {50, 0, 0, 0, 138}), 30, {100, 0, 0, 0, 38}), 0,
         188, K::ICO},
        {"a cursor file", icoFile, Directory(2, {10}), 0, 32, K::CUR},
        // The first image at 30, inside the directory, where a 40 begins the next entry's size.
        {"image in directory", icoFile, Set(Set(two, 18, {30}), 30, {40}), 0, 0, K::ICO},
        {"empty image", icoFile, Set(two, 14, {0}), 0, 0, K::ICO},
        {"no image", icoFile, Set(two, 4, {0}), 0, 0, K::ICO},
        {"past the look-ahead", icoFile, Set(two, 14, {0x88, 0x13}), 0, 0, K::ICO},
        {"near 4 GiB", icoFile, Set(two, 14, {0xF0, 0xFF, 0xFF, 0xFF}), 0, 0, K::ICO},
        {"type 3", icoFile, Set(two, 2, {3}), 0, 0, K::ICO},
        {"PNG images", icoFile,
         Set(Set(two, 38, {0x89, 'P', 'N', 'G'}), 138, {0x89, 'P', 'N', 'G'}), 0, 188, K::ICO},
        {"an image that begins as neither", icoFile, Set(two, 138, {41}), 0, 0, K::ICO},
    };
    for (const RuleRow& row : rows) {
        const Verdict verdict = row.rule(LookAhead::InFile(row.file, row.offset));
        EXPECT_EQ(verdict.accepted() ? verdict.size : 0, row.size) << row.name;
        EXPECT_TRUE(!verdict.accepted() || verdict.kind == row.kind) << row.name;
    }
}

struct CheckRow {
    const char* name;
    ResourceKind kind;
    Bytes item;
    std::int64_t expected;  // 0: fails
    RuleCode rule = RuleCode::Png;
};

TEST(RulesTest, StructuralChecks) {
    const Bytes png = MakePng(), gif = MakeGif(), jpeg = WithTables(MakeJpeg()),
                bmp = MakeBmp(3, 2);
    const Bytes icon = MakeIcon32(), cursor = MakeCursor32(), wave = Wave(), midi = MakeMidi(2);
    const Bytes ani = Ani(icon), avi = MakeRiff("AVI ", RiffChunk("LIST", ToBytes("hdrlavih")));
    const Bytes two = MakeIconFile(1, {MakeIconImage32(32), MakePng(16, 16)});
    const auto is = [](const Bytes& b) { return static_cast<std::int64_t>(b.size()); };
    // An icon file of one image without its 1-bit mask (32 rows of 4 bytes), as many writers
    // leave it out of 32-bit images, whose alpha channel does its work.
    const auto unmasked = [](int bits) {
        return MakeIconFile(1, {Cut(MakeIconImage32(bits), 32 * 4)});
    };
    std::vector<CheckRow> rows = {
        {"png", K::PNG, png, is(png)},
        {"png then more", K::PNG, Plus(png, Filler(5)), is(png)},  // what follows IEND is not its
        {"png cut short", K::PNG, Cut(png, 1), 0},
        {"png bad CRC", K::PNG, Set(png, 29, {static_cast<std::uint8_t>(png[29] ^ 1)}), 0},
        {"png in code", K::PNG, InCode("\x89PNG\r\n\x1A\n"), 0},
        {"gif", K::GIF, gif, is(gif)},
        {"gif 0x0 screen", K::GIF, Set(Set(gif, 6, {0}), 8, {0}), 0},
        {"gif without trailer", K::GIF, Cut(gif, 1), 0},
        {"gif endless sub-blocks", K::GIF, Set(gif, 33, {0xFF}), 0},
        {"gif in code", K::GIF, InCode("GIF89a"), 0},
        {"jpeg", K::JPG, jpeg, is(jpeg)},
        {"jpeg without EOI", K::JPG, Cut(jpeg, 2), 0},
        {"jpeg segment past the end", K::JPG, Set(jpeg, 4, {0x40}), 0},
        {"jpeg scan before frame", K::JPG, Set(jpeg, 90, {0xC4}), 0},
        {"jpeg without tables", K::JPG, MakeJpeg(), 0},
        {"jpeg in code", K::JPG, InCode("\xFF\xD8\xFF\xE0"), 0},
        {"bmp", K::BMP, bmp, is(bmp)},
        {"bmp pixels cut short", K::BMP, Cut(bmp, 1), 0},
        {"bmp no planes", K::BMP, Set(bmp, 26, {0}), 0},
        {"bmp unknown header", K::BMP, Set(bmp, 14, {41}), 0},
        {"bmp in code", K::BMP, InCode("BM"), 0},
        {"icon", K::ICO, icon, is(icon)},
        {"cursor", K::CUR, cursor, is(cursor)},
        {"cursor read as icon", K::ICO, cursor, 0},
        {"two images", K::ICO, two, is(two)},
        {"image cut short", K::ICO, Cut(icon, 1), 0},
        {"no images", K::ICO, Set(icon, 4, {0}), 0},
        {"entry inside the directory", K::ICO, Set(icon, 18, {6}), 0},
        {"entry too small for its image", K::ICO, Set(icon, 14, {0x10}), 0},
        {"odd bit count", K::ICO, Set(icon, 36, {7}), 0},
        {"32-bit image without its mask", K::ICO, unmasked(32), is(unmasked(32))},
        {"8-bit image without its mask", K::ICO, unmasked(8), 0},
        {"icon in code", K::ICO, InCode(std::string_view("\0\0\1\0\1\0", 6)), 0},
        {"wave", K::WAV, wave, is(wave)},
        {"wave of no channels", K::WAV, Set(wave, 21, {1, 0}), 0},  // format tag 0x0101
        {"wave without fmt", K::WAV, MakeRiff("WAVE", RiffChunk("data", {1, 2})), 0},
        {"wave chunk past the end", K::WAV, Set(wave, 16, {0xFF}), 0},
        {"wave read as avi", K::AVI, wave, 0},
        {"wave cut short", K::WAV, Cut(wave, 4), 0},
        {"wave whose last chunk runs past its size", K::WAV, Set(wave, 4, {34}), is(wave) - 1},
        {"ani", K::ANI, ani, is(ani)},
        {"ani of cursors", K::ANI, Ani(cursor), is(Ani(cursor))},
        {"ani with a broken icon", K::ANI, Ani(Set(icon, 4, {0})), 0},
        {"avi", K::AVI, avi, is(avi)},
        {"riff in code", K::WAV, InCode(std::string_view("RIFF\x10\0\0\0WAVE", 12)), 0},
        {"midi", K::MID, midi, is(midi)},
        {"midi a track missing", K::MID, Set(midi, 11, {3}), 0},
        {"midi format 0 of two tracks", K::MID, Set(midi, 9, {0}), 0},
        {"midi header length", K::MID, Set(midi, 7, {7}), 0},
        {"midi track past the end", K::MID, Cut(midi, 1), 0},
        {"midi in code", K::MID, InCode(std::string_view("MThd\0", 5)), 0},
    };
    // Bare icon images, from their signature on, are sized by their colour depth; 16 bits is none.
    for (int bits : {1, 4, 8, 16, 24, 32}) {
        const Bytes bare = MakeIconImage32(bits);
        const Bytes from(bare.begin() + 1, bare.end());
        rows.push_back({"bare", K::ICO, from, bits == 16 ? 0 : is(from), RuleCode::BareIconImage});
        rows.push_back({"bare cut short", K::ICO, Cut(from, 1), 0, RuleCode::BareIconImage});
    }
    for (const CheckRow& row : rows)
        EXPECT_EQ(CheckCandidate(row.rule, row.kind, ItemView(row.item), is(row.item)),
                  row.expected)
            << row.name << " " << row.item.size();

    // A video larger than the bytes looked at: its visible chunks are sound.
    Bytes large = Plus(avi, ToBytes("movi"));
    PutLE32(large, 1 << 20);
    const std::int64_t largeSize = is(large) + (1 << 20);
    for (int i = 0; i < 4; ++i)
        large[4 + i] = static_cast<std::uint8_t>((largeSize - 8) >> (8 * i));
    EXPECT_EQ(CheckRiff(ItemView(large), K::AVI, largeSize), largeSize);
    EXPECT_EQ(CheckRiff(ItemView(large), K::AVI, largeSize - 1), 0);
}

TEST(RulesTest, JpegsAreWalkedByTheirSegmentsToTheEndOfImage) {
    const Bytes soi = {0xFF, 0xD8}, eoi = {0xFF, 0xD9};
    const Bytes tables = JpegSegment(0xDB, Plus({0}, Bytes(64, 1)));
    const Bytes component = {8, 0, 1, 0, 1, 1, 1, 0x11, 0};
    const Bytes frame = JpegSegment(0xC0, component);
    const Bytes huffman = JpegSegment(0xC4, Plus({0}, Bytes(16, 0)));
    const Bytes scan = JpegSegment(0xDA, {1, 1, 0, 0, 0x3F, 0});
    // Entropy-coded data with a stuffed FF, restart markers and fill bytes before the next marker.
    const Bytes data = {0x12, 0xFF, 0x00, 0x34, 0xFF, 0xD0, 0x56, 0xFF, 0xD7, 0x78, 0xFF, 0xFF};
    const Bytes baseline = Compose({soi, tables, frame, huffman, scan, data, eoi});
    // An Exif segment holding a whole thumbnail, end of image and all, comes first.
    const Bytes exif = JpegSegment(0xE1, Compose({ToBytes("Exif"), {0, 0}, baseline}));
    const Bytes progressive = Compose(
        {soi, tables, JpegSegment(0xC2, component), huffman, scan, data, huffman, scan, data, eoi});
    const Bytes lossless = Compose({soi, JpegSegment(0xC3, component), huffman, scan, data, eoi});
    const auto is = [](const Bytes& b) { return static_cast<std::int64_t>(b.size()); };
    const Bytes afterSoi(baseline.begin() + 2, baseline.end());
    const struct {
        const char* name;
        Bytes item;
        std::int64_t expected;
    } rows[] = {
        {"baseline, then anything", Plus(baseline, Filler(9)), is(baseline)},
        {"exif with a thumbnail", Compose({soi, exif, afterSoi}), is(exif) + is(baseline)},
        {"progressive", progressive, is(progressive)},
        {"adobe first", Compose({soi, JpegSegment(0xEE, ToBytes("Adobe")), afterSoi}),
         is(baseline) + 9},
        {"lossless, without tables", lossless, is(lossless)},
        {"lossy without tables", Compose({soi, frame, huffman, scan, data, eoi}), 0},
        {"data running into another picture", Compose({soi, tables, frame, scan, data, baseline}),
         0},
        {"cut short", Cut(baseline, 1), 0},
    };
    for (const auto& row : rows) EXPECT_EQ(CheckJpeg(ItemView(row.item)), row.expected) << row.name;

    // A walk the view cuts short says how far it wanted to read; a broken one does not.
    std::int64_t wanted = 0;
    EXPECT_EQ(CheckJpeg(ItemView(std::span(progressive).first(60), &wanted)), 0);
    EXPECT_GT(wanted, 60);
    wanted = 0;
    EXPECT_EQ(CheckJpeg(ItemView(Compose({soi, {0x12, 0x34}}), &wanted)), 0);
    EXPECT_EQ(wanted, 0);
}

}  // namespace
}  // namespace morvane
