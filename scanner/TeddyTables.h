// The nibble tables of the shuffle-based prefilter. Eight buckets, one per signature family; each
// is matched on three consecutive bytes of its signature (a "fingerprint"), chosen to be rare in
// executables and never all zero. A hit at position i puts a candidate start at i - shift.
//
// Everything here is evaluated at compile time: the wide-vector files include it without pulling
// any library code into their own instruction set.
#pragma once

#include <cstdint>

namespace morvane::teddy {

inline constexpr int kBuckets = 8;
inline constexpr int kFingerprint = 3;
inline constexpr int kMaxShift = 3;
inline constexpr int kAny = 0x100;

struct Bucket {
    int shift;
    int bytes[kFingerprint][2];  // up to two allowed values per position (-1: none, kAny: any)
};

// Fingerprints: directories "0t 00 01" (t = 1 cursor, 2 icon) from byte 2; bare icon bitmap
// "20 00 00" from byte 3; "BM?", "GIF", "D8 FF E0" (JPEG, from byte 1), "RIF", "89 P N", "MTh".
inline constexpr Bucket kBucketTable[kBuckets] = {
    {2, {{0x01, 0x02}, {0x00, -1}, {0x01, -1}}}, {3, {{0x20, -1}, {0x00, -1}, {0x00, -1}}},
    {0, {{'B', -1}, {'M', -1}, {kAny, -1}}},     {0, {{'G', -1}, {'I', -1}, {'F', -1}}},
    {1, {{0xD8, -1}, {0xFF, -1}, {0xE0, -1}}},   {0, {{'R', -1}, {'I', -1}, {'F', -1}}},
    {0, {{0x89, -1}, {'P', -1}, {'N', -1}}},     {0, {{'M', -1}, {'T', -1}, {'h', -1}}},
};

struct Tables {
    std::uint8_t low[kFingerprint][16];
    std::uint8_t high[kFingerprint][16];
};

constexpr Tables BuildTables() {
    Tables t{};
    for (int b = 0; b < kBuckets; ++b)
        for (int j = 0; j < kFingerprint; ++j)
            for (int value : kBucketTable[b].bytes[j]) {
                if (value < 0) continue;
                const auto bit = static_cast<std::uint8_t>(1u << b);
                for (int n = 0; n < 16; ++n) {
                    if (value == kAny || (value & 15) == n)
                        t.low[j][n] = static_cast<std::uint8_t>(t.low[j][n] | bit);
                    if (value == kAny || (value >> 4) == n)
                        t.high[j][n] = static_cast<std::uint8_t>(t.high[j][n] | bit);
                }
            }
    return t;
}

inline constexpr Tables kTables = BuildTables();

}  // namespace morvane::teddy
