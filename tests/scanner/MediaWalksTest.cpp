// The media walks over real files from Debian's packages: each alone, followed by random bytes
// and cut short; and over random bytes, an executable and broken structures, at every place a
// kind's signature occurs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "EmfFormat.h"
#include "FlacFormat.h"
#include "IcnsFormat.h"
#include "Mp3Format.h"
#include "Mp4Format.h"
#include "OggFormat.h"
#include "TiffFormat.h"
#include "WmfFormat.h"

namespace morvane {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Check = std::int64_t (*)(const ItemView&) noexcept;

Bytes Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}
std::int64_t Measure(Check check, const Bytes& bytes, std::size_t from = 0) {
    return check(ItemView(std::span(bytes).subspan(from)));
}
Bytes Random(std::size_t count, unsigned seed) {
    std::mt19937 random(seed);
    Bytes bytes(count);
    for (auto& byte : bytes) byte = static_cast<std::uint8_t>(random());
    return bytes;
}
void Put(Bytes& bytes, std::initializer_list<std::uint32_t> words, int width) {
    for (std::uint32_t word : words)
        for (int i = 0; i < width; ++i) bytes.push_back(static_cast<std::uint8_t>(word >> 8 * i));
}

// A placeable WMF: one SETBKMODE record and the end record.
Bytes SmallWmf(bool goodChecksum) {
    Bytes bytes;
    Put(bytes, {0xCDD7, 0x9AC6, 0, 0, 0, 100, 100, 1440, 0, 0}, 2);
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < bytes.size(); i += 2) sum ^= bytes[i] | bytes[i + 1] << 8;
    Put(bytes, {goodChecksum ? sum : sum ^ 1, 1, 9, 0x0300, 16, 0, 0, 4, 0, 0}, 2);
    Put(bytes, {4, 0, 0x0102, 1, 3, 0, 0}, 2);
    return bytes;
}

const std::string kEmf = "/tmp/morvane-media-walks.emf";

struct RealFile {
    const char* package;
    std::string path;
    Check check;
    bool cutKeepsWholeFrames;  // a stream cut short is still its whole frames, so smaller
};

const RealFile kRealFiles[] = {
    {"python3-rtmidi", "/usr/share/doc/python3-rtmidi/examples/midi2command/000-playback.mp3",
     &CheckMp3, true},  // no ID3v2 tag
    {"forensics-samples-files", "/usr/share/forensics-samples/original-files/audio1/debian.mp3",
     &CheckMp3, true},  // ID3v2.4
    {"sound-theme-freedesktop", "/usr/share/sounds/freedesktop/stereo/bell.oga", &CheckOgg, false},
    {"sound-theme-freedesktop", "/usr/share/sounds/freedesktop/stereo/complete.oga", &CheckOgg,
     false},
    {"lebiniou-data", "/usr/share/lebiniou/test/EP-Le_cri_des_anges-Intro_4-8bits.flac", &CheckFlac,
     true},
    {"forensics-samples-files",
     "/usr/share/forensics-samples/original-files/movie2/movie-hello.mp4", &CheckMp4, false},
    {"lebiniou-data", "/usr/share/lebiniou/vue/media/lebiniou-2021-06-10_12-27-41.mp4", &CheckMp4,
     false},
    {"checkit-tiff", "/usr/share/checkit_tiff/tiffs_should_pass/minimal_valid_tiled.tiff",
     &CheckTiff, false},
    {"checkit-tiff", "/usr/share/checkit_tiff/tiffs_should_pass/minimal_valid_with_icc.tiff",
     &CheckTiff, false},
    {"checkit-tiff",
     "/usr/share/checkit_tiff/tiffs_should_pass/bigendian/minimal_valid_baseline_BigEndian.tiff",
     &CheckTiff, false},
    {"findbugs", "/usr/share/findbugs/lib/buggy.icns", &CheckIcns, false},
    {"pstoedit", kEmf, &CheckEmf, false},  // written below from a small PostScript page
};

class RealMedia : public testing::TestWithParam<RealFile> {};

TEST_P(RealMedia, MeasuresExactlyAloneAndBeforeOtherBytesAndNotWhenCut) {
    const RealFile& row = GetParam();
    if (row.check == &CheckEmf)
        std::system(("printf '%%!PS\\n72 72 moveto 200 300 lineto 300 100 lineto fill showpage\\n'"
                     " | pstoedit -q -f emf - " +
                     kEmf + " 2>/dev/null")
                        .c_str());
    Bytes bytes = Read(row.path);
    if (bytes.size() < 64) GTEST_SKIP() << row.path << " missing: install " << row.package;
    const auto size = static_cast<std::int64_t>(bytes.size());
    EXPECT_EQ(Measure(row.check, bytes), size);
    const Bytes cut(bytes.begin(), bytes.end() - 3);
    const std::int64_t cutSize = Measure(row.check, cut);
    if (row.cutKeepsWholeFrames) {
        EXPECT_GT(cutSize, 0);
        EXPECT_LT(cutSize, size - 3);
    } else {
        EXPECT_EQ(cutSize, 0);
    }
    const Bytes tail = Random(4096, 7);
    bytes.insert(bytes.end(), tail.begin(), tail.end());
    EXPECT_EQ(Measure(row.check, bytes), size);
}

INSTANTIATE_TEST_SUITE_P(DebianFiles, RealMedia, testing::ValuesIn(kRealFiles));

// Each kind with the signatures it is tried at, and where they lie in an item.
struct Kind {
    Check check;
    std::vector<std::string> signatures;
    std::size_t at = 0;
};

TEST(MediaWalks, RandomBytesAndAnExecutableHoldNoItem) {
    using namespace std::string_literals;
    const Kind kinds[] = {
        {&CheckMp3, {"ID3", "\xFF\xFB", "\xFF\xF3", "\xFF\xE3", "\xFF\xFD", "\xFF\xF5"}},
        {&CheckOgg, {"OggS"}},
        {&CheckFlac, {"fLaC"}},
        {&CheckMp4, {"ftyp", "moov", "mdat", "free"}, 4},
        {&CheckTiff, {"II*\0"s, "MM\0*"s}},
        {&CheckIcns, {"icns"}},
        {&CheckWmf, {"\xD7\xCD\xC6\x9A", "\x01\0\x09\0"s, "\x02\0\x09\0"s}},
        {&CheckEmf, {"\x01\0\0\0"s}},
    };
    for (const Bytes& bytes : {Random(64 * 1024, 1), Read("/bin/ls")}) {
        ASSERT_GT(bytes.size(), 4096u);
        const std::string text(bytes.begin(), bytes.end());
        for (const Kind& kind : kinds)
            for (const std::string& signature : kind.signatures)
                for (auto at = text.find(signature); at != std::string::npos;
                     at = text.find(signature, at + 1))
                    EXPECT_EQ(at < kind.at ? 0 : Measure(kind.check, bytes, at - kind.at), 0)
                        << signature << " at " << at;
    }
}

TEST(MediaWalks, TiffWhoseIfdLoopsIsRefused) {
    // IFD0 at 8 (ImageWidth, one strip of 4 bytes at 50), then the next IFD.
    for (const auto& [next, expected] : {std::pair{0u, 54}, {8u, 0}, {26u, 0}}) {
        Bytes tiff = {'I', 'I', '*', 0, 8, 0, 0, 0};
        Put(tiff, {3}, 2);
        for (auto [tag, value] : {std::pair{256u, 1u}, {273u, 50u}, {279u, 4u}}) {
            Put(tiff, {tag, 4}, 2);
            Put(tiff, {1, value}, 4);
        }
        Put(tiff, {next, 0}, 4);
        tiff.resize(54, 0xAA);
        EXPECT_EQ(Measure(&CheckTiff, tiff), expected) << next;
    }
}

TEST(MediaWalks, WmfNeedsItsChecksumAndEndRecord) {
    const Bytes good = SmallWmf(true);
    const Bytes padded = [&] {
        Bytes b = good;
        b.resize(200, 0x55);
        return b;
    }();
    const Bytes cut(good.begin(), good.end() - 2);
    for (const auto& [bytes, expected] :
         {std::pair{good, 54}, {padded, 54}, {cut, 0}, {SmallWmf(false), 0}})
        EXPECT_EQ(Measure(&CheckWmf, bytes), expected);
}

}  // namespace
}  // namespace morvane
