// The one-pass signature search against a byte-by-byte search, on every vector unit this
// processor has.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "MediaSamples.h"
#include "SignatureFinder.h"

namespace morvane {
namespace {

using test::Bytes;
using Matches = std::vector<std::pair<std::uint32_t, int>>;  // offset, row

Matches Found(std::span<const SignatureRow> table, const Bytes& data, std::size_t size) {
    std::vector<SignatureMatch> found;
    SignatureFinder(table).FindAll(data.data(), size, found);
    Matches matches;
    for (const SignatureMatch& m : found) matches.emplace_back(m.offset, m.row);
    return matches;
}

Matches Naive(const Bytes& data, std::size_t size, std::span<const SignatureRow> table) {
    Matches matches;
    for (std::size_t at = 0; at < size; ++at)
        for (std::size_t row = 0; row < table.size(); ++row) {
            const auto& bytes = table[row].bytes;
            if (at + bytes.size() <= size &&
                std::memcmp(&data[at], bytes.data(), bytes.size()) == 0)
                matches.emplace_back(static_cast<std::uint32_t>(at), static_cast<int>(row));
        }
    return matches;
}

// Random bytes drawn mostly from the bytes signatures are made of, with whole signatures planted.
Bytes Dense(std::size_t size, std::uint32_t seed) {
    static const std::uint8_t alphabet[] = {0x00, 0x01, 0x02, 0x20, 0x40, 'B',  'M',  'G',
                                            'I',  'F',  '8',  '9',  'a',  0xFF, 0xD8, 0xE0,
                                            'R',  0x89, 'P',  'N',  'T',  'h',  'd'};
    Bytes data(size + SignatureFinder::kReadPast);
    std::uint32_t state = seed;
    for (std::size_t i = 0; i < size; ++i) {
        state = state * 1664525u + 1013904223u;
        data[i] = alphabet[(state >> 24) % sizeof alphabet];
        if ((state & 0x3F) == 0) {
            const auto& row = AllSignatureRows()[(state >> 8) % kSignatureRowCount];
            for (std::size_t k = 0; k < row.bytes.size() && i < size; ++k) data[i++] = row.bytes[k];
        }
    }
    return data;
}

struct KernelCase {
    const char* name;
    prefilter::Kernel kernel;
    bool available;
};

std::vector<KernelCase> Kernels() {
    std::vector<KernelCase> kernels = {{"scalar", prefilter::Scalar, true}};
#if defined(__x86_64__) || defined(_M_X64)
    kernels.push_back({"sse2", prefilter::Sse2, true});
#ifndef _WIN32
    kernels.push_back({"avx2", prefilter::Avx2, __builtin_cpu_supports("avx2") != 0});
    kernels.push_back({"avx512", prefilter::Avx512, __builtin_cpu_supports("avx512bw") != 0});
#endif
#endif
    return kernels;
}

TEST(SignatureFinderTest, KernelsNeverMissASignatureStart) {
    const Bytes data = Dense(50000, 77);
    const auto truth = Naive(data, 50000, AllSignatureRows());
    ASSERT_GT(truth.size(), 500u);
    for (const KernelCase& k : Kernels()) {
        if (!k.available) continue;
        std::vector<std::uint32_t> hits(60000);
        std::size_t resume = 0;
        // Odd bounds: the kernels must respect both ends exactly.
        const std::size_t count =
            k.kernel(data.data(), 3, 49999, hits.data(), hits.size(), &resume);
        EXPECT_EQ(resume, 49999u) << k.name;
        hits.resize(count);
        for (std::size_t i = 1; i < hits.size(); ++i) EXPECT_LE(hits[i - 1], hits[i] + 8) << k.name;
        std::sort(hits.begin(), hits.end());
        for (const auto& [offset, row] : truth)
            EXPECT_TRUE(offset < 3 || offset >= 49999 ||
                        std::binary_search(hits.begin(), hits.end(), offset))
                << k.name << " " << offset;
        for (std::uint32_t hit : hits) EXPECT_LT(hit, 49999u) << k.name;
    }
}

TEST(SignatureFinderTest, FindsExactlyWhatANaiveSearchFinds) {
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        for (std::size_t size : {0u, 1u, 7u, 63u, 64u, 65u, 4097u, 100000u}) {
            const Bytes data = Dense(size, seed);
            EXPECT_EQ(Found(AllSignatureRows(), data, size), Naive(data, size, AllSignatureRows()))
                << "size " << size;
        }
    }
}

TEST(SignatureFinderTest, OnlyEnabledRowsAndNothingPastTheEnd) {
    ScanOptions gifOnly;
    gifOnly.enabled.fill(false);
    gifOnly.Enable(ResourceKind::GIF, true);
    const std::vector<SignatureRow> table = BuildSignatureTable(gifOnly);
    ASSERT_EQ(table.size(), 2u);

    Bytes data = test::ToBytes("GIF89a..BM..GIF87a..GIF8");
    test::Append(data, test::ToBytes("9a"));  // a signature cut by the end of the range
    data.resize(data.size() + SignatureFinder::kReadPast);
    // GIF89a is the second row of this table.
    EXPECT_EQ(Found(table, data, 25), (Matches{{0, 1}, {12, 0}}));
}

TEST(SignatureTableTest, RiffRowStaysWhileAnyOfItsKindsIsOn) {
    ScanOptions options;
    options.enabled.fill(false);
    options.Enable(ResourceKind::ANI, true);
    const auto table = BuildSignatureTable(options);
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].rule, RuleCode::Riff);
    options.Enable(ResourceKind::ANI, false);
    EXPECT_TRUE(BuildSignatureTable(options).empty());
    EXPECT_EQ(BuildSignatureTable(ScanOptions{}).size(), 10u);
}

}  // namespace
}  // namespace morvane
