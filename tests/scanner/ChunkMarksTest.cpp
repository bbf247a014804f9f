// The resource pass's marks, from each vector kernel the processor can run, at every chunk length
// around the vector widths: a mark is found exactly when its bytes lie inside the chunk.
#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "ChunkMarks.h"

namespace morvane {
namespace {

using Kernel = void (*)(const std::uint8_t*, std::size_t, ChunkMarks&);
using Planted = std::vector<std::pair<std::size_t, std::vector<std::uint8_t>>>;

std::vector<std::pair<const char*, Kernel>> Kernels() {
    std::vector<std::pair<const char*, Kernel>> kernels{{"chosen", FindMarks}};
#if defined(__x86_64__) || defined(_M_X64)
    kernels.push_back({"sse2", marks::Sse2});
#if !defined(_WIN32)
    if (__builtin_cpu_supports("avx2")) kernels.push_back({"avx2", marks::Avx2});
    if (__builtin_cpu_supports("avx512bw")) kernels.push_back({"avx512", marks::Avx512});
#endif
#endif
    return kernels;
}

TEST(ChunkMarksTest, EveryKernelFindsTheMarksThatFitInTheChunk) {
    // Marks across the 16-, 32- and 64-byte block edges (none overlapping), and near misses.
    const Planted directories{{0, {0, 0, 1, 0, 2, 0}},   {29, {0, 0, 2, 0, 255, 0}},
                              {57, {0, 0, 1, 0, 9, 0}},  {63, {0, 0, 2, 0, 2, 0}},
                              {126, {0, 0, 1, 0, 3, 0}}, {150, {0, 0, 1, 0, 2, 0}}};
    const Planted programs{{15, {'M', 'Z'}}, {47, {'M', 'Z'}}, {143, {'M', 'Z'}}};
    const Planted misses{{40, {0, 0, 1, 0, 1, 0}}, {80, {0, 0, 3, 0, 2, 0}},
                         {90, {0, 0, 1, 1, 2, 0}}, {100, {0, 0, 2, 0, 2, 1}},
                         {110, {'M', 'Y'}},        {120, {'Z', 'M', 'M'}}};
    std::vector<std::uint8_t> data(160, 0x33);
    for (const Planted* set : {&directories, &programs, &misses})
        for (const auto& [at, bytes] : *set)
            for (std::size_t i = 0; i < bytes.size(); ++i) data[at + i] = bytes[i];
    const auto fitting = [](const Planted& planted, std::size_t size) {
        std::vector<std::uint32_t> at;
        for (const auto& [position, bytes] : planted)
            if (position + bytes.size() <= size) at.push_back(static_cast<std::uint32_t>(position));
        return at;
    };
    for (const auto& [name, kernel] : Kernels())
        for (std::size_t size = 0; size <= data.size(); ++size) {
            ChunkMarks marks;
            kernel(data.data(), size, marks);
            ASSERT_EQ(marks.directories, fitting(directories, size)) << name << ", " << size;
            ASSERT_EQ(marks.programs, fitting(programs, size)) << name << ", " << size;
        }
}

}  // namespace
}  // namespace morvane
