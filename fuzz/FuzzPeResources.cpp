// The PE reader, the resource walk and the whole-item builders over arbitrary bytes: no crash, no
// read outside the input, and no item larger than the resource bytes it was made from allow.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "PeImage.h"
#include "ResourceWalk.h"
#include "WholeResources.h"

using namespace morvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);
    const auto image = PeImage::Read(input);
    if (!image) return 0;
    const auto area = ResourceAreaOf(*image);
    if (!area) return 0;
    const ResourceTable table = WalkResources(*area);
    const WholeResourceBuilder builder(area->bytes, table);
    for (const WholeResource& item : builder.Plan()) {
        // A group holds each of its images once, so it is never more than the area plus headers.
        const std::size_t limit = area->bytes.size() + 14 + 6 + 16 * table.leaves.size();
        if (builder.Bytes(item).size() > limit) std::abort();
    }
    return 0;
}
