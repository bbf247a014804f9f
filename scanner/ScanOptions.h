// What one scan looks for and how much of each source it reads.
#pragma once

#include <array>
#include <cstdint>

#include "ResourceKind.h"

namespace morvane {

// The most threads a scan may be asked for.
inline constexpr std::int32_t kMostThreads = 256;

struct ScanOptions {
    // Indexed by KindIndex(); all kinds are searched by default.
    std::array<bool, kKindCount> enabled = [] {
        std::array<bool, kKindCount> all{};
        all.fill(true);
        return all;
    }();
    // How many 1 MiB chunks of each source are searched (500 unless the user caps it).
    std::int64_t chunkCap = 500;
    // Only items whose structure is whole: every accepted candidate must pass its kind's check,
    // takes the size that check gives, and a candidate inside an item already taken is dropped.
    bool checkItems = false;
    // The resource pass: whole items from the resource tables of PE images, and icon and cursor
    // files of several images. Off, the scan is exactly the signature search.
    bool readResources = false;
    // How many threads search: 0 takes one per processor. The outcome is the same for any count.
    std::int32_t threads = 1;
    // Within a run, an item whose bytes equal one written before is told, not written again.
    bool distinctItems = false;

    bool operator==(const ScanOptions&) const = default;
    // Containers (archives, cabinets, compound files, installers) found in a source are opened
    // and every file they hold is scanned in turn. Off, no container is looked for.
    bool unpackContainers = false;
    // Per source, the most bytes unpacked from its containers: this many times its size, and
    // never more than `unpackByteCap`.
    std::int64_t unpackRatio = 64;
    std::int64_t unpackByteCap = std::int64_t{4} << 30;

    bool IsEnabled(ResourceKind kind) const noexcept { return enabled[KindIndex(kind)]; }
    void Enable(ResourceKind kind, bool on) noexcept { enabled[KindIndex(kind)] = on; }

    // The cap the user sets as "limit_search" / "limit_search_value" (MiB); none means 500.
    static std::int64_t ChunkCapFor(bool limitSearch, std::int32_t limitValue) noexcept {
        return limitSearch ? limitValue : 500;
    }
};

}  // namespace morvane
