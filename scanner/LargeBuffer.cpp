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

LargeBuffer::LargeBuffer(std::size_t size) : size_(size) {
#ifdef _WIN32
    data_ = static_cast<std::uint8_t*>(_aligned_malloc(RoundUp(size), kAlignment));
#else
    data_ = static_cast<std::uint8_t*>(std::aligned_alloc(kAlignment, RoundUp(size)));
#endif
    if (data_ == nullptr) throw std::bad_alloc();
#ifdef __linux__
    madvise(data_, RoundUp(size), MADV_HUGEPAGE);  // a hint; ignored where huge pages are off
#endif
}

LargeBuffer::~LargeBuffer() {
#ifdef _WIN32
    _aligned_free(data_);
#else
    std::free(data_);
#endif
}

}  // namespace morvane
