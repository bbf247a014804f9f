// Finds every occurrence of the enabled signatures in one chunk, in a single pass over its bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "SignatureTable.h"

namespace morvane {

struct MarkLists;

// The most signature rows that begin with one byte value (three begin with 00).
consteval std::size_t MostRowsPerFirstByte() {
    std::size_t most = 0;
    for (const SignatureRow& row : kAllSignatureRows) {
        std::size_t same = 0;
        for (const SignatureRow& other : kAllSignatureRows) same += other.bytes[0] == row.bytes[0];
        most = same > most ? same : most;
    }
    return most;
}

struct SignatureMatch {
    std::uint32_t offset;  // 0-based offset in the chunk
    std::uint8_t row;      // index into the table the finder was built from
};

class SignatureFinder {
  public:
    explicit SignatureFinder(std::span<const SignatureRow> table = {});

    // Searches for another table's rows from now on (keeping the working memory).
    void SetTable(std::span<const SignatureRow> table);

    // Every occurrence lying wholly inside data[0, size), in offset order. At least kReadPast
    // readable bytes must follow data[size - 1] (their values do not matter). With `directories`,
    // which only a finder that MarksDirectories() takes, the icon and cursor directories that
    // lie wholly inside are marked there too, in the same pass (ChunkMarks.h).
    void FindAll(const std::uint8_t* data, std::size_t size, std::vector<SignatureMatch>& out,
                 MarkLists* directories = nullptr);

    // Whether this processor's prefilter marks directories as it goes.
    static bool MarksDirectories() noexcept;

    static constexpr std::size_t kReadPast = 80;

  private:
    void Verify(const std::uint8_t* data, std::size_t size, std::uint32_t offset,
                std::vector<SignatureMatch>& out) const;

    std::span<const SignatureRow> table_;
    std::vector<std::uint32_t> starts_;
    // For each first byte, the table rows that start with it, ended by a 0.
    std::uint8_t rowsByFirstByte_[256][MostRowsPerFirstByte() + 1] = {};
    // Each row's signature as a little-endian word and the mask of its length.
    std::uint64_t rowWord_[kSignatureRowCount] = {};
    std::uint64_t rowMask_[kSignatureRowCount] = {};
};

// The prefilter kernels: positions where some signature may start, a superset of the signature
// starts in [begin, end), all below `end`, in nearly ascending order (off by at most a few bytes).
// They return how many they wrote (at most `capacity`) and where to resume.
namespace prefilter {
using Kernel = std::size_t (*)(const std::uint8_t* data, std::size_t begin, std::size_t end,
                               std::uint32_t* out, std::size_t capacity, std::size_t* resume);
std::size_t Scalar(const std::uint8_t*, std::size_t, std::size_t, std::uint32_t*, std::size_t,
                   std::size_t*);
// The kernel this processor runs, picked once at start.
Kernel Chosen() noexcept;
// A kernel that also marks the directories of ChunkMarks in `lists` as it goes.
using DirectoryKernel = std::size_t (*)(const std::uint8_t* data, std::size_t begin,
                                        std::size_t end, std::uint32_t* out, std::size_t capacity,
                                        std::size_t* resume, MarkLists& lists);
// The chosen kernel's own, or null where it has none.
DirectoryKernel ChosenDirectoryKernel() noexcept;
#if defined(__x86_64__) || defined(_M_X64)
std::size_t Sse2(const std::uint8_t*, std::size_t, std::size_t, std::uint32_t*, std::size_t,
                 std::size_t*);
std::size_t Avx2(const std::uint8_t*, std::size_t, std::size_t, std::uint32_t*, std::size_t,
                 std::size_t*);
std::size_t Avx512(const std::uint8_t*, std::size_t, std::size_t, std::uint32_t*, std::size_t,
                   std::size_t*);
std::size_t Avx2Directories(const std::uint8_t*, std::size_t, std::size_t, std::uint32_t*,
                            std::size_t, std::size_t*, MarkLists&);
std::size_t Avx512Directories(const std::uint8_t*, std::size_t, std::size_t, std::uint32_t*,
                              std::size_t, std::size_t*, MarkLists&);
#endif
}  // namespace prefilter

}  // namespace morvane
