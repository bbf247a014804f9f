// The byte patterns looked for in every chunk besides the signatures, found in one pass over it:
// "MZ", where a program image may start, "NE", where a 16-bit one's header may (both for the
// resource pass), and "00 00 01|02 00 nn 00" with nn >= 2, where an icon or cursor file of several
// images may start (the signature table matches only one-image files).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace morvane {

// Where the kernels put the marks of one chunk: room for one of each kind per byte. Plain
// pointers and counts, so that the kernels, compiled for wider vector units, call no library
// code (whose copies the linker may share with code that runs on any processor).
struct MarkLists {
    bool programs;  // whether "MZ" and "NE" are looked for, or the directories alone
    std::uint32_t* directories;
    std::uint32_t* programStarts;
    std::uint32_t* bareNe;
    std::size_t directoryCount = 0;
    std::size_t programCount = 0;
    std::size_t bareNeCount = 0;
};

class ChunkMarks {
  public:
    // Finds the marks that start in data[0, size), in ascending order, reading no byte at or past
    // `size` (so a directory needs its six bytes inside the chunk, "MZ" its two). Without
    // `programs`, only the directories.
    void Find(const std::uint8_t* data, std::size_t size, bool programs);

    std::span<const std::uint32_t> programs() const noexcept { return Part(1); }
    std::span<const std::uint32_t> directories() const noexcept { return Part(0); }
    std::span<const std::uint32_t> bareNe() const noexcept { return Part(2); }

    // For the kernels' tests: lists with room for a chunk of `size` bytes, and their marks kept.
    MarkLists Lists(std::size_t size, bool programs);
    void Keep(const MarkLists& lists) noexcept;

  private:
    std::span<const std::uint32_t> Part(int i) const noexcept {
        return {storage_[i].get(), counts_[i]};
    }

    // Directories, programs, bare NE: left uninitialised, so that only the room the marks take
    // is ever touched.
    std::unique_ptr<std::uint32_t[]> storage_[3];
    std::size_t capacity_ = 0;
    std::size_t counts_[3] = {};
};

using MarkKernel = void (*)(const std::uint8_t* data, std::size_t size, MarkLists& lists);

// The marks from `at` on, a byte at a time: the end of each vector kernel's run, and the whole
// run where there is no vector kernel.
void FinishMarks(const std::uint8_t* data, std::size_t at, std::size_t size, MarkLists& lists);

namespace marks {
void Portable(const std::uint8_t* data, std::size_t size, MarkLists& lists);
#if defined(__x86_64__) || defined(_M_X64)
void Sse2(const std::uint8_t* data, std::size_t size, MarkLists& lists);
void Avx2(const std::uint8_t* data, std::size_t size, MarkLists& lists);
void Avx512(const std::uint8_t* data, std::size_t size, MarkLists& lists);
#endif
}  // namespace marks

}  // namespace morvane
