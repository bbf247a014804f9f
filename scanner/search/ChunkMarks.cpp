#include "ChunkMarks.h"

#include "SignatureFinder.h"

namespace morvane {

namespace {
// The same vector width as the signature prefilter, which has already asked the processor.
MarkKernel ChooseMarkKernel() noexcept {
#if defined(__x86_64__) || defined(_M_X64)
    const prefilter::Kernel chosen = prefilter::Chosen();
    if (chosen == prefilter::Avx512) return marks::Avx512;
    if (chosen == prefilter::Avx2) return marks::Avx2;
    if (chosen == prefilter::Sse2) return marks::Sse2;
#endif
    return marks::Portable;
}
}  // namespace

void marks::Portable(const std::uint8_t* data, std::size_t size, MarkLists& lists) {
    FinishMarks(data, 0, size, lists);
}

void FinishMarks(const std::uint8_t* data, std::size_t at, std::size_t size, MarkLists& lists) {
    for (; at + 1 < size; ++at) {
        const auto here = static_cast<std::uint32_t>(at);
        if (lists.programs && data[at] == 'M' && data[at + 1] == 'Z')
            lists.programStarts[lists.programCount++] = here;
        if (lists.programs && data[at] == 'N' && data[at + 1] == 'E')
            lists.bareNe[lists.bareNeCount++] = here;
        if (at + 6 <= size && data[at] == 0 && data[at + 1] == 0 &&
            (data[at + 2] == 1 || data[at + 2] == 2) && data[at + 3] == 0 && data[at + 4] >= 2 &&
            data[at + 5] == 0)
            lists.directories[lists.directoryCount++] = here;
    }
}

MarkLists ChunkMarks::Lists(std::size_t size, bool programs) {
    if (capacity_ < size) {  // grown once: a chunk's size stays
        for (std::unique_ptr<std::uint32_t[]>& list : storage_) list.reset(new std::uint32_t[size]);
        capacity_ = size;
        counts_[0] = counts_[1] = counts_[2] = 0;
    }
    return {programs, storage_[0].get(), storage_[1].get(), storage_[2].get()};
}

void ChunkMarks::Keep(const MarkLists& lists) noexcept {
    counts_[0] = lists.directoryCount;
    counts_[1] = lists.programCount;
    counts_[2] = lists.bareNeCount;
}

void ChunkMarks::Find(const std::uint8_t* data, std::size_t size, bool programs) {
    static const MarkKernel kernel = ChooseMarkKernel();
    MarkLists lists = Lists(size, programs);
    kernel(data, size, lists);
    Keep(lists);
}

}  // namespace morvane
