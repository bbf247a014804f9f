#include "SignatureFinder.h"

#include <array>
#include <bit>
#include <cstring>
#include <utility>

namespace morvane {

static_assert(std::endian::native == std::endian::little, "signature words are read little-endian");

namespace prefilter {

// Every position whose byte starts some signature; used where no vector unit is known.
std::size_t Scalar(const std::uint8_t* data, std::size_t begin, std::size_t end, std::uint32_t* out,
                   std::size_t capacity, std::size_t* resume) {
    static const std::array<bool, 256> starts = [] {
        std::array<bool, 256> table{};
        for (const SignatureRow& row : AllSignatureRows()) table[row.bytes[0]] = true;
        return table;
    }();
    std::size_t count = 0;
    std::size_t at = begin;
    for (; at < end && count < capacity; ++at)
        if (starts[data[at]]) out[count++] = static_cast<std::uint32_t>(at);
    *resume = at;
    return count;
}

}  // namespace prefilter

namespace {

prefilter::Kernel ChooseKernel() noexcept {
#if (defined(__x86_64__) || defined(_M_X64)) && !defined(_WIN32)
    // (On Windows GCC may spill wide vectors to a stack that is only 16-byte aligned, so the
    // 16-byte kernel is used there.)
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512bw")) return prefilter::Avx512;
    if (__builtin_cpu_supports("avx2")) return prefilter::Avx2;
    return prefilter::Sse2;
#elif defined(__x86_64__) || defined(_M_X64)
    return prefilter::Sse2;
#else
    return prefilter::Scalar;
#endif
}

const prefilter::Kernel kKernel = ChooseKernel();

prefilter::DirectoryKernel DirectoryKernelOf(prefilter::Kernel kernel) noexcept {
#if defined(__x86_64__) || defined(_M_X64)
    if (kernel == prefilter::Avx512) return prefilter::Avx512Directories;
    if (kernel == prefilter::Avx2) return prefilter::Avx2Directories;
#endif
    (void)kernel;
    return nullptr;
}

const prefilter::DirectoryKernel kDirectoryKernel = DirectoryKernelOf(kKernel);

}  // namespace

prefilter::Kernel prefilter::Chosen() noexcept {
    return kKernel;
}

prefilter::DirectoryKernel prefilter::ChosenDirectoryKernel() noexcept {
    return kDirectoryKernel;
}

bool SignatureFinder::MarksDirectories() noexcept {
    return kDirectoryKernel != nullptr;
}

SignatureFinder::SignatureFinder(std::span<const SignatureRow> table) {
    SetTable(table);
}

void SignatureFinder::SetTable(std::span<const SignatureRow> table) {
    table_ = table;
    std::memset(rowsByFirstByte_, 0, sizeof rowsByFirstByte_);
    for (std::size_t i = 0; i < table_.size(); ++i) {
        rowWord_[i] = rowMask_[i] = 0;
        std::uint8_t* slots = rowsByFirstByte_[table_[i].bytes[0]];
        std::size_t used = 0;
        while (slots[used] != 0) ++used;
        slots[used] = static_cast<std::uint8_t>(i + 1);  // 0 ends the list
        const auto& bytes = table_[i].bytes;
        for (std::size_t k = 0; k < bytes.size(); ++k) {
            rowWord_[i] |= std::uint64_t{bytes[k]} << (8 * k);
            rowMask_[i] |= std::uint64_t{0xFF} << (8 * k);
        }
    }
}

void SignatureFinder::Verify(const std::uint8_t* data, std::size_t size, std::uint32_t offset,
                             std::vector<SignatureMatch>& out) const {
    std::uint64_t word;  // the 8 bytes at offset (readable: the caller leaves room past the end)
    std::memcpy(&word, data + offset, sizeof word);
    for (const std::uint8_t* slot = rowsByFirstByte_[data[offset]]; *slot != 0; ++slot) {
        const std::size_t row = *slot - 1u;
        if (offset + table_[row].bytes.size() <= size && (word & rowMask_[row]) == rowWord_[row]) {
            out.push_back({offset, static_cast<std::uint8_t>(*slot - 1u)});
            return;  // no two signatures can start at one position
        }
    }
}

void SignatureFinder::FindAll(const std::uint8_t* data, std::size_t size,
                              std::vector<SignatureMatch>& out, MarkLists* directories) {
    out.clear();
    if (table_.empty()) return;
    starts_.clear();
    constexpr std::size_t kBatch = 8192;
    std::size_t at = 0;
    while (at < size) {
        const std::size_t used = starts_.size();
        starts_.resize(used + kBatch);
        std::size_t resume = size;
        const std::size_t count =
            directories ? kDirectoryKernel(data, at, size, starts_.data() + used, kBatch, &resume,
                                           *directories)
                        : kKernel(data, at, size, starts_.data() + used, kBatch, &resume);
        starts_.resize(used + count);
        at = resume;
    }
    out.reserve(starts_.size());
    // The kernels are off order by a few bytes at most: an insertion sort is linear here.
    for (std::size_t i = 1; i < starts_.size(); ++i)
        for (std::size_t j = i; j > 0 && starts_[j - 1] > starts_[j]; --j)
            std::swap(starts_[j - 1], starts_[j]);
    for (std::size_t i = 0; i < starts_.size(); ++i)
        if (i == 0 || starts_[i] != starts_[i - 1]) Verify(data, size, starts_[i], out);
}

}  // namespace morvane
