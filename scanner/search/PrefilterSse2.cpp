// The prefilter on 16-byte vectors: every x86-64 processor has SSE2.
#include <emmintrin.h>

#include <cstring>
#include <utility>

#include "AnchorFamilies.h"
#include "ChunkMarks.h"
#include "SignatureFinder.h"

namespace morvane::prefilter {
namespace {
typedef signed char Vec __attribute__((vector_size(16)));
constexpr std::size_t kWidth = 16;
inline Vec LoadVec(const unsigned char* p) {
    Vec v;
    __builtin_memcpy(&v, p, sizeof v);
    return v;
}
inline unsigned long long MoveMask(Vec v) {
    return static_cast<unsigned>(_mm_movemask_epi8(reinterpret_cast<__m128i>(v)));
}
#include "MarkKernel.inc"
#include "PrefilterKernel.inc"
}  // namespace

std::size_t Sse2(const std::uint8_t* data, std::size_t begin, std::size_t end, std::uint32_t* out,
                 std::size_t capacity, std::size_t* resume) {
    return RunPrefilter(data, begin, end, out, capacity, resume);
}

}  // namespace morvane::prefilter

namespace morvane::marks {

void Sse2(const std::uint8_t* data, std::size_t size, MarkLists& lists) {
    prefilter::RunMarks(data, size, lists);
}

}  // namespace morvane::marks
