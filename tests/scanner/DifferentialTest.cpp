// The engine (one pass, shared marker cursors, remembered MIDI chains, a sliding window) against
// the obvious search, on dense sources that straddle chunk boundaries.
#include "EngineFixture.h"
#include "ReferenceScan.h"
#include "SignatureTable.h"

namespace morvane {
namespace {

using test::Bytes;

// Signatures, end markers, whole items and short fillers, drawn at random.
Bytes DenseSource(std::size_t size, std::uint32_t seed) {
    static const std::vector<Bytes> pieces = [] {
        std::vector<Bytes> all;
        for (const SignatureRow& row : AllSignatureRows()) all.emplace_back(row.bytes.begin(), row.bytes.end());
        for (Bytes marker : {Bytes{0x00, 0x3B}, Bytes{0xFF, 0xDA}, Bytes{0xFF, 0xD9, 0x00, 0x00},
                             test::ToBytes(std::string("MTrk\0\0", 6)), Bytes{0x00, 0x00, 0xFF, 0x2F, 0x00},
                             Bytes{'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82}, test::ToBytes("JFIF"),
                             test::ToBytes("WAVE"), test::ToBytes("AVI "), test::ToBytes("ACON"),
                             Bytes{0x00, 0x00, 0x28, 0x00}, Bytes{0x28}, Bytes{0x40}, Bytes{0x10, 0x00}})
            all.push_back(marker);
        for (Bytes item : {test::MakeGif(), test::MakePng(), test::MakeBmp(), test::MakeIcon32(),
                           test::MakeCursor32(), test::MakeMidi(3), test::MakeRiff("WAVE", Bytes(30, 1))})
            all.push_back(item);
        return all;
    }();
    Bytes source;
    std::uint32_t state = seed;
    while (source.size() < size) {
        state = state * 1664525u + 1013904223u;
        if ((state >> 28) < 5) {
            test::Append(source, test::Filler((state >> 8) % 40, state));
        } else {
            test::Append(source, pieces[(state >> 12) % pieces.size()]);
        }
    }
    source.resize(size);
    return source;
}

class DifferentialTest : public test::EngineFixture {};

TEST_F(DifferentialTest, EngineFindsExactlyWhatTheObviousSearchFinds) {
    constexpr std::size_t kMiB = 1024 * 1024;
    for (auto [size, seed] : {std::pair{std::size_t{3000}, 1u}, {kMiB + 777, 2u}, {2 * kMiB + 5, 3u}}) {
        const Bytes source = DenseSource(size, seed);
        ScanOptions options;
        if (seed == 2) options.Enable(ResourceKind::WAV, false);
        const auto expected = test::ReferenceScan(source, options);
        ASSERT_GT(expected.size(), size / 400);
        observer = {};
        Scan(temp.Write("dense.bin", source), options);
        ASSERT_EQ(observer.items.size(), expected.size()) << "size " << size;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            ASSERT_EQ(observer.items[i].position, expected[i].position) << i;
            ASSERT_EQ(observer.items[i].size, expected[i].size) << i;
            ASSERT_EQ(observer.items[i].kind, expected[i].kind) << i;
        }
    }
}

}  // namespace
}  // namespace morvane
