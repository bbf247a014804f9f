// The nibble tables of the shuffle-based prefilter, derived from the signature rows. Each row is
// matched on three consecutive bytes from its prefilter shift (a "fingerprint"; bytes past its
// end match anything); a hit at position i puts a candidate start at i - shift. Rows whose
// fingerprints are equal, or differ in one byte at the same shift, form one family: that costs
// no more false hits than the two apart. Families get a bucket each while the eight buckets
// last; further ones share buckets, whose hits the finder verifies against every signature.
//
// Everything here is evaluated at compile time: the wide-vector files include it without pulling
// any library code into their own instruction set.
#pragma once

#include <cstdint>

#include "FamilyFolding.h"
#include "SignatureTable.h"

namespace morvane::teddy {

inline constexpr int kBuckets = 8;
inline constexpr int kFingerprint = 3;
inline constexpr int kAny = 0x100;

struct Family {
    int shift;
    int bytes[kFingerprint][2];  // up to two allowed values per position (-1: none, kAny: any)
};

template <std::size_t MaxFamilies>
struct Plan {
    Family families[MaxFamilies];
    int familyCount;
    unsigned bucketShifts[kBuckets];  // bit s: the bucket holds a family of shift s
    int startsPerPosition;            // at most this many candidate starts come from one hit
    int maxShift;
};

constexpr bool FoldInto(Family& family, const Family& row) {
    return family.shift == row.shift && FoldIntoFamily(family.bytes, row.bytes);
}

constexpr Family FingerprintOf(const SignatureRow& row) {
    Family f{row.look.shift, {}};
    const std::span<const std::uint8_t> bytes = row.CommonBytes();
    for (int j = 0; j < kFingerprint; ++j) {
        const std::size_t at = static_cast<std::size_t>(row.look.shift + j);
        f.bytes[j][0] = at < bytes.size() ? bytes[at] : kAny;
        f.bytes[j][1] = -1;
    }
    if (f.bytes[0][0] == 0 && f.bytes[1][0] == 0 && f.bytes[2][0] == 0)
        throw "a fingerprint of zeros would pass every run of zeros";
    return f;
}

template <std::size_t N>
constexpr Plan<N> BuildPlan(const std::array<SignatureRow, N>& rows) {
    Plan<N> plan{};
    for (const SignatureRow& row : rows) {
        const Family f = FingerprintOf(row);
        bool folded = false;
        for (int i = 0; i < plan.familyCount && !folded; ++i)
            folded = FoldInto(plan.families[i], f);
        if (!folded) plan.families[plan.familyCount++] = f;
    }
    for (int i = 0; i < plan.familyCount; ++i) {
        const int shift = plan.families[i].shift;
        if (shift < 0 || shift > 7) throw "a prefilter shift must lie in 0..7";
        plan.bucketShifts[i % kBuckets] |= 1u << shift;
        plan.maxShift = shift > plan.maxShift ? shift : plan.maxShift;
    }
    for (const unsigned shifts : plan.bucketShifts)
        for (unsigned s = shifts; s != 0; s &= s - 1) ++plan.startsPerPosition;
    return plan;
}

struct Tables {
    std::uint8_t low[kFingerprint][16];
    std::uint8_t high[kFingerprint][16];
};

template <std::size_t N>
constexpr Tables BuildTables(const Plan<N>& plan) {
    Tables t{};
    for (int f = 0; f < plan.familyCount; ++f) {
        const auto bit = static_cast<std::uint8_t>(1u << (f % kBuckets));
        for (int j = 0; j < kFingerprint; ++j)
            for (int value : plan.families[f].bytes[j]) {
                if (value < 0) continue;
                for (int n = 0; n < 16; ++n) {
                    if (value == kAny || (value & 15) == n)
                        t.low[j][n] = static_cast<std::uint8_t>(t.low[j][n] | bit);
                    if (value == kAny || (value >> 4) == n)
                        t.high[j][n] = static_cast<std::uint8_t>(t.high[j][n] | bit);
                }
            }
    }
    return t;
}

inline constexpr Plan<kSignatureRowCount> kPlan = BuildPlan(kAllSignatureRows);
inline constexpr int kMaxShift = kPlan.maxShift;
// With no more families than buckets, each bucket has one shift and a hit gives one start.
inline constexpr bool kOneShiftPerBucket = kPlan.familyCount <= kBuckets;
inline constexpr Tables kTables = BuildTables(kPlan);

}  // namespace morvane::teddy
