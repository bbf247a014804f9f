// The two byte patterns the resource pass looks for in every chunk, found in one pass over it:
// "MZ", where a program image may start, "NE", where a 16-bit one's header may, and "00 00 01|02 00
// nn 00" with nn >= 2, where an icon or cursor file of several images may start (the signature
// table matches only one-image files).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace morvane {

struct ChunkMarks {
    std::vector<std::uint32_t> programs;     // positions of "MZ"
    std::vector<std::uint32_t> directories;  // positions of a directory of several images
    std::vector<std::uint32_t> bareNe;       // positions of "NE", a 16-bit header without its stub

    void Clear() noexcept {
        programs.clear();
        directories.clear();
        bareNe.clear();
    }
};

// Appends the marks that start in data[0, size), in ascending order, reading no byte at or past
// `size` (so a directory needs its six bytes inside the chunk, "MZ" its two).
void FindMarks(const std::uint8_t* data, std::size_t size, ChunkMarks& marks);

// The marks from `at` on, a byte at a time: the end of each vector kernel's run, and the whole
// run where there is no vector kernel.
void FinishMarks(const std::uint8_t* data, std::size_t at, std::size_t size, ChunkMarks& marks);

namespace marks {
#if defined(__x86_64__) || defined(_M_X64)
void Sse2(const std::uint8_t* data, std::size_t size, ChunkMarks& marks);
void Avx2(const std::uint8_t* data, std::size_t size, ChunkMarks& marks);
void Avx512(const std::uint8_t* data, std::size_t size, ChunkMarks& marks);
#endif
}  // namespace marks

}  // namespace morvane
