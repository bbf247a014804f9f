// What the 16-byte prefilter compares, derived from the signature rows: two non-zero bytes of each
// signature (of the part that every scan looks for) at the offsets its prefilter look names. Rows
// that compare the same offsets and differ in at most one of the two values form one family, whose
// differing offset accepts either value.
//
// Evaluated at compile time, like the shuffle tables.
#pragma once

#include "FamilyFolding.h"
#include "SignatureTable.h"

namespace morvane::anchors {

struct Family {
    int at[2];         // offsets from the candidate start
    int values[2][2];  // the allowed values at each offset (-1: none)
};

struct Families {
    Family list[kSignatureRowCount];
    int count;
};

constexpr bool FoldInto(Family& family, const Family& row) {
    if (family.at[0] != row.at[0] || family.at[1] != row.at[1]) return false;
    return FoldIntoFamily(family.values, row.values);
}

constexpr Family AnchorsOf(const SignatureRow& row) {
    Family f{{row.look.anchors[0], row.look.anchors[1]}, {{-1, -1}, {-1, -1}}};
    const std::span<const std::uint8_t> bytes = row.CommonBytes();
    for (int k = 0; k < 2; ++k) {
        const std::size_t at = static_cast<std::size_t>(f.at[k]);
        if (at >= bytes.size() || bytes[at] == 0)
            throw "an anchor must be a non-zero byte of its signature";
        f.values[k][0] = bytes[at];
    }
    return f;
}

constexpr Families Gather() {
    Families families{};
    for (const SignatureRow& row : kAllSignatureRows) {
        const Family f = AnchorsOf(row);
        bool folded = false;
        for (int i = 0; i < families.count && !folded; ++i) folded = FoldInto(families.list[i], f);
        if (!folded) families.list[families.count++] = f;
    }
    return families;
}

inline constexpr Families kFamilies = Gather();

}  // namespace morvane::anchors
