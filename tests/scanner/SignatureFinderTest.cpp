// The signature prefilter kernels against a byte-by-byte search, on every vector unit this
// processor has, and the search's table and range ends.
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

TEST(SignatureFinderTest, KernelsNeverMissASignatureStart) {
    const Bytes data = Dense(50000, 77);
    std::vector<std::uint32_t> truth;  // every start in [3, 49999), found byte by byte
    for (std::uint32_t at = 3; at < 49999; ++at)
        for (const SignatureRow& row : AllSignatureRows())
            if (at + row.bytes.size() <= 50000 &&
                std::memcmp(&data[at], row.bytes.data(), row.bytes.size()) == 0)
                truth.push_back(at);
    ASSERT_GT(truth.size(), 500u);
    std::vector<std::pair<const char*, prefilter::Kernel>> kernels = {
        {"scalar", prefilter::Scalar}};
#if defined(__x86_64__) || defined(_M_X64)
    kernels.push_back({"sse2", prefilter::Sse2});
#ifndef _WIN32
    if (__builtin_cpu_supports("avx2")) kernels.push_back({"avx2", prefilter::Avx2});
    if (__builtin_cpu_supports("avx512bw")) kernels.push_back({"avx512", prefilter::Avx512});
#endif
#endif
    for (auto [name, kernel] : kernels) {
        std::vector<std::uint32_t> hits(60000);
        std::size_t resume = 0;
        // Odd bounds: the kernels must respect both ends exactly.
        hits.resize(kernel(data.data(), 3, 49999, hits.data(), hits.size(), &resume));
        EXPECT_EQ(resume, 49999u) << name;
        for (std::size_t i = 1; i < hits.size(); ++i) EXPECT_LE(hits[i - 1], hits[i] + 8) << name;
        std::sort(hits.begin(), hits.end());
        for (std::uint32_t at : truth)
            EXPECT_TRUE(std::binary_search(hits.begin(), hits.end(), at)) << name << " " << at;
        for (std::uint32_t hit : hits) EXPECT_LT(hit, 49999u) << name;
    }
}

// Only enabled rows are searched (the RIFF row while any of its kinds is on), and nothing past
// the end of the range.
TEST(SignatureFinderTest, OnlyEnabledRowsAndNothingPastTheEnd) {
    ScanOptions options;
    options.enabled.fill(false);
    options.Enable(ResourceKind::ANI, true);
    const auto riffOnly = BuildSignatureTable(options);
    ASSERT_EQ(riffOnly.size(), 1u);
    EXPECT_EQ(riffOnly[0].rule, RuleCode::Riff);
    options.Enable(ResourceKind::ANI, false);
    EXPECT_TRUE(BuildSignatureTable(options).empty());
    EXPECT_EQ(BuildSignatureTable(ScanOptions{}).size(), 10u);
    options.Enable(ResourceKind::GIF, true);
    const std::vector<SignatureRow> table = BuildSignatureTable(options);
    Bytes data = test::ToBytes("GIF89a..BM..GIF87a..GIF89a");  // the last cut by the range's end
    data.resize(data.size() + SignatureFinder::kReadPast);
    EXPECT_EQ(Found(table, data, 25), (Matches{{0, 1}, {12, 0}}));  // GIF89a is the second row
}

}  // namespace
}  // namespace morvane
