// The orders in which the programs walk the kinds, each derived from the ranks in the format
// table. A rank given twice or out of range stops the build.
#pragma once

#include <array>

#include "FormatTable.h"

namespace morvane {

using KindOrder = std::array<ResourceKind, kKindCount>;

template <int FormatRanks::*Rank>
consteval KindOrder OrderByRank() {
    KindOrder order{};
    std::array<bool, kKindCount> taken{};
    for (const FormatDescriptor& format : kFormats) {
        const int rank = format.ranks.*Rank;
        if (rank < 0 || rank >= static_cast<int>(kKindCount) || taken[rank])
            throw "every order must hold each kind once";
        taken[rank] = true;
        order[rank] = format.kind;
    }
    return order;
}

inline constexpr KindOrder kFolderCreationOrder = OrderByRank<&FormatRanks::folder>();
inline constexpr KindOrder kStoredKindOrder = OrderByRank<&FormatRanks::stored>();
inline constexpr KindOrder kNodeOrder = OrderByRank<&FormatRanks::node>();
inline constexpr KindOrder kOptionBoxOrder = OrderByRank<&FormatRanks::optionBox>();

// The RIFF kinds in the order their form types are tried.
consteval std::size_t CountRiffKinds() {
    std::size_t count = 0;
    for (const FormatDescriptor& format : kFormats)
        if (!format.riff.form.empty()) ++count;
    return count;
}

inline constexpr std::size_t kRiffKindCount = CountRiffKinds();

consteval std::array<ResourceKind, kRiffKindCount> RiffKindsByPrecedence() {
    std::array<ResourceKind, kRiffKindCount> order{};
    std::array<bool, kRiffKindCount> taken{};
    for (const FormatDescriptor& format : kFormats) {
        if (format.riff.form.empty()) continue;
        const int rank = format.riff.precedence;
        if (rank < 0 || rank >= static_cast<int>(kRiffKindCount) || taken[rank])
            throw "every RIFF kind needs a precedence of its own";
        taken[rank] = true;
        order[rank] = format.kind;
    }
    return order;
}

inline constexpr std::array<ResourceKind, kRiffKindCount> kRiffKinds = RiffKindsByPrecedence();

}  // namespace morvane
