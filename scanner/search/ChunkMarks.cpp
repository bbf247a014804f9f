#include "ChunkMarks.h"

#include "SignatureFinder.h"

namespace morvane {

namespace {
using MarkKernel = void (*)(const std::uint8_t*, std::size_t, ChunkMarks&);

void ScalarMarks(const std::uint8_t* data, std::size_t size, ChunkMarks& marks) {
    FinishMarks(data, 0, size, marks);
}

// The same vector width as the signature prefilter, which has already asked the processor.
MarkKernel ChooseMarkKernel() noexcept {
#if defined(__x86_64__) || defined(_M_X64)
    const prefilter::Kernel chosen = prefilter::Chosen();
    if (chosen == prefilter::Avx512) return marks::Avx512;
    if (chosen == prefilter::Avx2) return marks::Avx2;
    if (chosen == prefilter::Sse2) return marks::Sse2;
#endif
    return ScalarMarks;
}
}  // namespace

void FinishMarks(const std::uint8_t* data, std::size_t at, std::size_t size, ChunkMarks& marks) {
    for (; at + 1 < size; ++at) {
        if (data[at] == 'M' && data[at + 1] == 'Z')
            marks.programs.push_back(static_cast<std::uint32_t>(at));
        if (data[at] == 'N' && data[at + 1] == 'E')
            marks.bareNe.push_back(static_cast<std::uint32_t>(at));
        if (at + 6 <= size && data[at] == 0 && data[at + 1] == 0 &&
            (data[at + 2] == 1 || data[at + 2] == 2) && data[at + 3] == 0 && data[at + 4] >= 2 &&
            data[at + 5] == 0)
            marks.directories.push_back(static_cast<std::uint32_t>(at));
    }
}

void FindMarks(const std::uint8_t* data, std::size_t size, ChunkMarks& marks) {
    static const MarkKernel kernel = ChooseMarkKernel();
    kernel(data, size, marks);
}

}  // namespace morvane
