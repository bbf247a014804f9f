// Finds, a vector at a time, where a byte pair of up to eight buckets may start: each bucket is
// a set of first bytes and a set of second bytes, each set given as the nibbles its bytes may
// have (so a bucket of several pairs also passes the pairs their nibbles combine into). Callers
// check every position it gives and look at the bytes it did not reach themselves.
#pragma once

#include <cstddef>
#include <cstdint>

namespace morvane {

struct PairTables {
    // Bit k of low[i][n] (high[i][n]): the i-th byte of a pair of bucket k may have n as its low
    // (high) nibble.
    std::uint8_t low[2][16];
    std::uint8_t high[2][16];
};

// The positions from `at` on, below `end`, whose pair data[p], data[p + 1] may be one of
// `tables`, in ascending order; reads no byte at or past `readable`. Writes at most `capacity`
// positions to `out` and sets `found` to their count; returns where it stopped, `at` itself when
// no vector fits (or none is available on this processor).
std::size_t FindPairs(const std::uint8_t* data, std::size_t at, std::size_t end,
                      std::size_t readable, const PairTables& tables, std::uint32_t* out,
                      std::size_t capacity, std::size_t& found);

namespace pairs {
using Kernel = std::size_t (*)(const std::uint8_t*, std::size_t, std::size_t, std::size_t,
                               const PairTables&, std::uint32_t*, std::size_t, std::size_t&);
#if defined(__x86_64__) || defined(_M_X64)
std::size_t Avx2(const std::uint8_t*, std::size_t, std::size_t, std::size_t, const PairTables&,
                 std::uint32_t*, std::size_t, std::size_t&);
std::size_t Avx512(const std::uint8_t*, std::size_t, std::size_t, std::size_t, const PairTables&,
                   std::uint32_t*, std::size_t, std::size_t&);
#endif
}  // namespace pairs

}  // namespace morvane
