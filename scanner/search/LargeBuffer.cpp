#include "LargeBuffer.h"

#include <cstdlib>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace morvane {

namespace {
constexpr std::size_t kAlignment = 2 * 1024 * 1024;

std::size_t RoundUp(std::size_t size) {
    return (size + kAlignment - 1) / kAlignment * kAlignment;
}
}  // namespace

// On Linux the buffer is mapped on its own rather than taken from the C library's heap, whose
// trimming would hand its huge pages back to the system, to be faulted in and cleared again.
LargeBuffer::LargeBuffer(std::size_t size) : size_(size) {
#if defined(_WIN32)
    data_ = static_cast<std::uint8_t*>(_aligned_malloc(RoundUp(size), kAlignment));
#elif defined(__linux__)
    const std::size_t mapped = RoundUp(size) + kAlignment;
    void* map = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (map != MAP_FAILED) {
        const auto start = reinterpret_cast<std::uintptr_t>(map);
        const std::uintptr_t aligned = (start + kAlignment - 1) / kAlignment * kAlignment;
        if (aligned > start) munmap(map, aligned - start);
        const std::size_t after = mapped - (aligned - start) - RoundUp(size);
        if (after > 0) munmap(reinterpret_cast<void*>(aligned + RoundUp(size)), after);
        data_ = reinterpret_cast<std::uint8_t*>(aligned);
        madvise(data_, RoundUp(size), MADV_HUGEPAGE);  // a hint; ignored where huge pages are off
    } else {
        data_ = nullptr;
    }
#else
    data_ = static_cast<std::uint8_t*>(std::aligned_alloc(kAlignment, RoundUp(size)));
#endif
    if (data_ == nullptr) throw std::bad_alloc();
}

LargeBuffer::~LargeBuffer() {
#if defined(_WIN32)
    _aligned_free(data_);
#elif defined(__linux__)
    munmap(data_, RoundUp(size_));
#else
    std::free(data_);
#endif
}

}  // namespace morvane
