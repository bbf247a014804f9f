// The PE and NE readers, the resource walks and the whole-item builders over arbitrary bytes: no
// crash, no read outside the input, and no item larger than the resource bytes it was made from
// allow.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "NeImage.h"
#include "NeResourceWalk.h"
#include "PeImage.h"
#include "ResourceWalk.h"
#include "WholeResources.h"

using namespace morvane;

namespace {
void BuildAll(std::span<const std::uint8_t> area, const ResourceTable& table) {
    const WholeResourceBuilder builder(area, table);
    for (const WholeResource& item : builder.Plan()) {
        // A group holds each of its images once, so it is never more than the area plus headers.
        const std::size_t limit = area.size() + 14 + 6 + 16 * table.leaves.size();
        if (builder.Bytes(item).size() > limit) std::abort();
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);
    if (const auto image = PeImage::Read(input)) {
        if (const auto area = ResourceAreaOf(*image)) BuildAll(area->bytes, WalkResources(*area));
    } else if (const auto ne = NeImage::Read(input)) {
        // The leaves of an NE image count from its first byte, so the area is the whole input.
        ResourceTable table = WalkNeResources(*ne, size);
        for (const ResourceLeaf& leaf : table.leaves)
            if (leaf.offset + leaf.size > size) std::abort();
        CutToOwnSizes(input, table);
        BuildAll(input, table);
    }
    return 0;
}
