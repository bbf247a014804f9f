#include "PairFilter.h"

#include "SignatureFinder.h"

namespace morvane {

namespace {
std::size_t NoVectors(const std::uint8_t*, std::size_t at, std::size_t, std::size_t,
                      const PairTables&, std::uint32_t*, std::size_t, std::size_t& found) {
    found = 0;
    return at;
}

// The shuffle kernels of the signature prefilter's width; without a byte shuffle (SSE2 alone)
// the callers' own loop does it all.
pairs::Kernel ChoosePairKernel() noexcept {
#if defined(__x86_64__) || defined(_M_X64)
    const prefilter::Kernel chosen = prefilter::Chosen();
    if (chosen == prefilter::Avx512) return pairs::Avx512;
    if (chosen == prefilter::Avx2) return pairs::Avx2;
#endif
    return NoVectors;
}
}  // namespace

std::size_t FindPairs(const std::uint8_t* data, std::size_t at, std::size_t end,
                      std::size_t readable, const PairTables& tables, std::uint32_t* out,
                      std::size_t capacity, std::size_t& found) {
    static const pairs::Kernel kernel = ChoosePairKernel();
    return kernel(data, at, end, readable, tables, out, capacity, found);
}

}  // namespace morvane
