// The shuffle prefilter on 64-byte vectors; this file alone is compiled for AVX-512 (BW).
#include <immintrin.h>

#include "ChunkMarks.h"
#include "PairFilter.h"
#include "SignatureFinder.h"
#include "TeddyTables.h"

namespace morvane::prefilter {
namespace {
typedef unsigned char Vec __attribute__((vector_size(64)));
constexpr std::size_t kWidth = 64;
inline Vec LoadVec(const unsigned char* p) {
    Vec v;
    __builtin_memcpy(&v, p, sizeof v);
    return v;
}
inline Vec Shuffle(Vec table, Vec index) {
    return reinterpret_cast<Vec>(
        _mm512_shuffle_epi8(reinterpret_cast<__m512i>(table), reinterpret_cast<__m512i>(index)));
}
inline unsigned long long MoveMask(Vec v) {
    return _mm512_test_epi8_mask(reinterpret_cast<__m512i>(v), reinterpret_cast<__m512i>(v));
}
#include "MarkKernel.inc"
#include "PrefilterTeddy.inc"
// (after the prefilter, whose Broadcast16 it uses)
#include "PairKernel.inc"
}  // namespace

std::size_t Avx512(const std::uint8_t* data, std::size_t begin, std::size_t end, std::uint32_t* out,
                   std::size_t capacity, std::size_t* resume) {
    return RunTeddy(data, begin, end, out, capacity, resume);
}

std::size_t Avx512Directories(const std::uint8_t* data, std::size_t begin, std::size_t end,
                              std::uint32_t* out, std::size_t capacity, std::size_t* resume,
                              MarkLists& lists) {
    return RunTeddy<true>(data, begin, end, out, capacity, resume, &lists);
}

}  // namespace morvane::prefilter

namespace morvane::marks {

void Avx512(const std::uint8_t* data, std::size_t size, MarkLists& lists) {
    prefilter::RunMarks(data, size, lists);
}

}  // namespace morvane::marks

namespace morvane::pairs {

std::size_t Avx512(const std::uint8_t* data, std::size_t at, std::size_t end, std::size_t readable,
                   const PairTables& tables, std::uint32_t* out, std::size_t capacity,
                   std::size_t& found) {
    return prefilter::RunPairs(data, at, end, readable, tables, out, capacity, found);
}

}  // namespace morvane::pairs
