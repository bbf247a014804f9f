// The size rules at their boundaries, each on a small file held in memory.
#include <gtest/gtest.h>

#include "LookAhead.h"
#include "MediaSamples.h"
#include "MidiChainMemo.h"
#include "Recognisers.h"

namespace morvane {
namespace {

using test::Append;
using test::Bytes;
using test::Filler;

// `item` at offset 16 of a file, followed by `after` filler bytes.
struct Planted {
    Bytes file;
    std::int64_t offset = 16;
    LookAhead View() const { return LookAhead::InFile(file, offset); }
};

Planted Plant(const Bytes& item, std::size_t after = 16) {
    Planted planted;
    planted.file = Filler(16, 7);
    Append(planted.file, item);
    Append(planted.file, Filler(after, 9));
    return planted;
}

ScanOptions AllKinds() { return ScanOptions{}; }

TEST(LookAheadTest, NeverHoldsTheLastByteAndReadsZeroPastTheEnd) {
    const Bytes file = {1, 2, 3, 4, 5, 6};
    const LookAhead a = LookAhead::InFile(file, 2);  // bytes 3 4 5 | 6 is the file's last
    EXPECT_EQ(a.length(), 3);
    EXPECT_EQ(a.FieldByte(3), 6);  // a header field may read the last byte...
    EXPECT_EQ(a.FieldByte(4), 0);  // ...and zero beyond it
    EXPECT_EQ(a.FieldInt32(2), 0x0605);
    EXPECT_FALSE(a.MatchesAt(2, Bytes{5, 6}));  // the last byte is not in the look-ahead
    EXPECT_TRUE(a.MatchesAt(1, Bytes{4, 5}));
}

TEST(RiffRuleTest, FormDecidesKindAndFirstFormWins) {
    EXPECT_EQ(RecogniseRiff(Plant(test::MakeRiff("WAVE", Filler(20))).View(), AllKinds()).kind,
              ResourceKind::WAV);
    EXPECT_EQ(RecogniseRiff(Plant(test::MakeRiff("AVI ", Filler(20))).View(), AllKinds()).kind,
              ResourceKind::AVI);
    EXPECT_EQ(RecogniseRiff(Plant(test::MakeRiff("ACON", Filler(20))).View(), AllKinds()).kind,
              ResourceKind::ANI);
    EXPECT_FALSE(RecogniseRiff(Plant(test::MakeRiff("CDXA", Filler(20))).View(), AllKinds()).accepted());

    // "WAVE" is decided first: with wave sounds off the candidate is gone, whatever else is on.
    ScanOptions noWav;
    noWav.Enable(ResourceKind::WAV, false);
    EXPECT_FALSE(RecogniseRiff(Plant(test::MakeRiff("WAVE", Filler(20))).View(), noWav).accepted());
    ScanOptions noAvi;
    noAvi.Enable(ResourceKind::AVI, false);
    EXPECT_FALSE(RecogniseRiff(Plant(test::MakeRiff("AVI ", Filler(20))).View(), noAvi).accepted());
}

TEST(RiffRuleTest, SizeFieldMayReachSevenBytesPastTheEnd) {
    const Bytes riff = test::MakeRiff("WAVE", Filler(20));  // size field 24
    Planted exact = Plant(riff, 0);
    // The size field (24) against the room after the first byte, L - p: 48 - 17 = 31.
    Verdict verdict = RecogniseRiff(exact.View(), AllKinds());
    EXPECT_EQ(verdict.size, 32);

    Bytes tooBig = riff;
    tooBig[4] = 32;
    EXPECT_FALSE(RecogniseRiff(Plant(tooBig, 0).View(), AllKinds()).accepted());
    tooBig[4] = 31;  // exactly the room: accepted, ending 7 bytes past the file
    EXPECT_EQ(RecogniseRiff(Plant(tooBig, 0).View(), AllKinds()).size, 39);
}

TEST(IconRuleTest, ImageSizeLimitAndHeaderMark) {
    Bytes icon = test::MakeIcon32();
    EXPECT_EQ(RecogniseIconDirectory(Plant(icon).View()).size, 2238);

    Bytes big = icon;
    big[14] = 0x00, big[15] = 0x80, big[16] = 0x00;  // 32768
    EXPECT_EQ(RecogniseIconDirectory(Plant(big).View()).size, 32790);
    big[14] = 0x01;  // 32769
    EXPECT_FALSE(RecogniseIconDirectory(Plant(big).View()).accepted());

    Bytes noHeader = icon;
    noHeader[22] = 0x29;
    EXPECT_FALSE(RecogniseIconDirectory(Plant(noHeader).View()).accepted());
}

TEST(CursorRuleTest, DoubledHeightAtOffsetThirtyIsRequired) {
    const Bytes cursor = test::MakeCursor32();
    ASSERT_EQ(cursor[30], 0x40);
    const Verdict verdict = RecogniseCursorDirectory(Plant(cursor).View());
    EXPECT_EQ(verdict.kind, ResourceKind::CUR);
    EXPECT_EQ(verdict.size, 2238);

    Bytes flat = cursor;
    flat[30] = 0x20;  // a 32x16 image: not taken
    EXPECT_FALSE(RecogniseCursorDirectory(Plant(flat).View()).accepted());
    Bytes noHeader = cursor;
    noHeader[22] = 0x0C;
    EXPECT_FALSE(RecogniseCursorDirectory(Plant(noHeader).View()).accepted());
}

TEST(BitmapRuleTest, HeaderMarkAndFileSizeAgainstTheLookAhead) {
    const Bytes bmp = test::MakeBmp(3, 2);
    EXPECT_EQ(RecogniseBitmap(Plant(bmp).View()).size, static_cast<std::int64_t>(bmp.size()));

    // Alone in its file the size reaches the last byte, which the look-ahead never holds.
    EXPECT_FALSE(RecogniseBitmap(LookAhead::InFile(bmp, 0)).accepted());
    // One byte more after it, and it fits exactly.
    Bytes withTail = bmp;
    withTail.push_back(0xAA);
    EXPECT_TRUE(RecogniseBitmap(LookAhead::InFile(withTail, 0)).accepted());

    Bytes noMark = bmp;
    noMark[14] = 0x0C;  // an old 12-byte core header
    EXPECT_FALSE(RecogniseBitmap(Plant(noMark).View()).accepted());
    Bytes zeroSize = bmp;
    zeroSize[2] = zeroSize[3] = zeroSize[4] = zeroSize[5] = 0;
    EXPECT_FALSE(RecogniseBitmap(Plant(zeroSize).View()).accepted());
}

TEST(EndMarkerRuleTest, ItemsEndOneByteAfterTheirFirstEndMarker) {
    const Bytes gif = test::MakeGif();
    EXPECT_EQ(RecogniseGif(Plant(gif).View()).size, static_cast<std::int64_t>(gif.size()) + 1);
    EXPECT_FALSE(RecogniseGif(LookAhead::InFile(gif, 0)).accepted());  // alone: marker at the end

    Bytes early = gif;
    early[10] = 0x00, early[11] = 0x3B;  // an "00 3B" inside the colour table ends it there
    EXPECT_EQ(RecogniseGif(Plant(early).View()).size, 13);

    const Bytes png = test::MakePng();
    EXPECT_EQ(RecognisePng(Plant(png).View()).size, static_cast<std::int64_t>(png.size()) + 1);
    EXPECT_FALSE(RecognisePng(LookAhead::InFile(png, 0)).accepted());
}

TEST(JpegRuleTest, ScanMarkEndMarkWithTwoZerosAndJfif) {
    Bytes jpeg = test::MakeJpeg();
    Bytes followed = jpeg;
    Append(followed, {0x00, 0x00});
    EXPECT_EQ(RecogniseJpeg(Plant(followed).View()).size, static_cast<std::int64_t>(jpeg.size()) + 3);
    // FF D9 without two zero bytes after it is no end.
    EXPECT_FALSE(RecogniseJpeg(Plant(jpeg).View()).accepted());

    Bytes noJfif = followed;
    noJfif[6] = 'X';
    EXPECT_FALSE(RecogniseJpeg(Plant(noJfif).View()).accepted());

    // An end marker before the scan mark does not count.
    Bytes endFirst = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0xFF, 0xD9, 0x00, 0x00,
                      0xFF, 0xDA, 0x01};
    EXPECT_FALSE(RecogniseJpeg(Plant(endFirst).View()).accepted());
}

TEST(MidiRuleTest, AdjacentTracksExtendTheItem) {
    const Bytes three = test::MakeMidi(3);
    EXPECT_EQ(RecogniseMidi(Plant(three).View()).size, static_cast<std::int64_t>(three.size()));
    // Alone in its file the last end of track holds the last byte: the item stops a track early.
    const Bytes one = test::MakeMidi(1);
    EXPECT_FALSE(RecogniseMidi(LookAhead::InFile(one, 0)).accepted());
    EXPECT_EQ(RecogniseMidi(LookAhead::InFile(three, 0)).size, static_cast<std::int64_t>(three.size()) - 20);

    // A gap between tracks ends the run at the track before it.
    Bytes gap = test::MakeMidi(2);
    gap.insert(gap.begin() + 14 + 20, 0xAA);
    EXPECT_EQ(RecogniseMidi(Plant(gap).View()).size, 14 + 20);

    // No track header at all: the first end of track still measures the item.
    Bytes headerOnly = test::ToBytes("MThd");
    Append(headerOnly, {0, 0, 0, 6, 0, 0, 0, 0, 0, 0xFF, 0x2F, 0x00});
    EXPECT_EQ(RecogniseMidi(Plant(headerOnly).View()).size, 16);
}

TEST(MidiRuleTest, RememberedChainsGiveTheSameSizes) {
    // Many headers ahead of long chains, gaps and stray markers: walking candidates in file order
    // with the memo must agree with walking each one afresh.
    std::uint32_t state = 12345;
    auto next = [&] { return state = state * 1103515245u + 12345u, (state >> 16) & 0x7FFF; };
    for (int round = 0; round < 40; ++round) {
        Bytes file;
        for (int piece = 0; piece < 400; ++piece) {
            switch (next() % 6) {
                case 0: Append(file, test::ToBytes(std::string("MThd\0", 5))); break;
                case 1: Append(file, test::ToBytes(std::string("MTrk\0\0", 6))); break;
                case 2: Append(file, {0x00, 0x00, 0xFF, 0x2F, 0x00}); break;
                case 3: Append(file, test::MakeMidi(static_cast<int>(next() % 4 + 1))); break;
                default: Append(file, Filler(next() % 9, next())); break;
            }
        }
        MidiChainMemo memo;
        for (std::size_t at = 0; at + 5 <= file.size(); ++at) {
            if (std::string_view(reinterpret_cast<const char*>(&file[at]), 5) != std::string_view("MThd\0", 5))
                continue;
            const auto offset = static_cast<std::int64_t>(at);
            const LookAhead fresh = LookAhead::InFile(file, offset);
            const LookAhead remembered(file.data() + at, static_cast<std::int64_t>(file.size()) - offset, offset);
            ASSERT_EQ(RecogniseMidi(fresh).size, RecogniseMidi(remembered, &memo).size)
                << "round " << round << " at " << at;
        }
    }
}

TEST(RuleDispatchTest, BareIconBitmapHasItsFixedSizeWithoutTests) {
    const SignatureRow& bareIcon = AllSignatureRows()[2];
    ASSERT_EQ(bareIcon.rule, RuleCode::BareIconBitmap);
    const Bytes tiny = {0, 0, 0, 0x20, 0, 0, 0, 0x40, 1};
    const Verdict verdict = ApplyRule(bareIcon, LookAhead::InFile(tiny, 0), AllKinds());
    EXPECT_EQ(verdict.size, 2238);
    EXPECT_EQ(verdict.kind, ResourceKind::ICO);
}

}  // namespace
}  // namespace morvane
