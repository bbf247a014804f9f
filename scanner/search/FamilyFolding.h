// How the prefilters join signatures into families: a signature joins a family when its values
// are the family's at every position but at most one, and then only while every position of the
// family still allows one value, the differing one taking a second. Two values at one position
// cost no more false hits than the two signatures apart; more would.
#pragma once

namespace morvane {

// `family` and `row` hold up to two allowed values per position (-1: none); `row` has one.
template <int N>
constexpr bool FoldIntoFamily(int (&family)[N][2], const int (&row)[N][2]) {
    int differing = -1;
    for (int j = 0; j < N; ++j) {
        const int value = row[j][0];
        if (family[j][0] == value || family[j][1] == value) continue;
        if (differing >= 0) return false;
        differing = j;
    }
    if (differing < 0) return true;
    for (int j = 0; j < N; ++j)
        if (family[j][1] >= 0) return false;
    family[differing][1] = row[differing][0];
    return true;
}

}  // namespace morvane
