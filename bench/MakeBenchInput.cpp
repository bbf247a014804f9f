// Writes the benchmark's synthetic inputs, the same bytes on every run:
//   morvane-bench-input random|dense|zeros FILE MIB
//     random: random bytes with real media planted every 512 KiB
//     dense:  every signature over and over, with no end marker anywhere
//     zeros:  zero bytes
//   morvane-bench-input smalltree|bigtree FOLDER COUNT
//     smalltree: COUNT files of a few KiB, each holding a GIF, 100 to a sub-folder
//     bigtree:   COUNT files of 8 MiB (random bytes and media), hard links of one file
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "MediaSamples.h"
#include "SignatureTable.h"

using morvane::test::Bytes;

namespace {
constexpr std::size_t kMiB = 1024 * 1024;

struct Random {
    unsigned long long state = 0x9E3779B97F4A7C15ull;
    std::uint64_t Next() {
        state ^= state << 13, state ^= state >> 7, state ^= state << 17;
        return state;
    }
};

Bytes RandomChunk(Random& random, std::size_t index) {
    Bytes chunk(kMiB);
    for (std::size_t i = 0; i < kMiB; i += 8) {
        const std::uint64_t value = random.Next();
        std::memcpy(&chunk[i], &value, 8);
    }
    static const std::vector<Bytes> media = [] {
        Bytes jpeg = morvane::test::MakeJpeg();
        jpeg.push_back(0), jpeg.push_back(0);
        return std::vector<Bytes>{morvane::test::MakeIcon32(),
                                  morvane::test::MakeGif(),
                                  morvane::test::MakePng(8, 8),
                                  morvane::test::MakeBmp(8, 8),
                                  jpeg,
                                  morvane::test::MakeMidi(3),
                                  morvane::test::MakeRiff("WAVE", Bytes(4000, 7))};
    }();
    for (std::size_t half = 0; half < 2; ++half) {
        const Bytes& item = media[(index * 2 + half) % media.size()];
        std::memcpy(&chunk[half * kMiB / 2 + 1000], item.data(), item.size());
    }
    return chunk;
}

Bytes DenseChunk(std::size_t index) {
    Bytes chunk;
    chunk.reserve(kMiB + 64);
    const auto rows = morvane::AllSignatureRows();
    std::size_t n = index;
    while (chunk.size() < kMiB) {
        const auto& row = rows[n++ % rows.size()];
        if (row.rule == morvane::RuleCode::BareIconImage && n % 4096 != 0)
            continue;  // always kept: few
        chunk.insert(chunk.end(), row.bytes.begin(), row.bytes.end());
        // Fields that make every other rule drop its candidate: no RIFF form, no bitmap header.
        chunk.insert(chunk.end(), {'X', 'Y', 0x11});
    }
    chunk.resize(kMiB);
    return chunk;
}
}  // namespace

void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// prefix, n and suffix, built by appending (GCC 12 misreads "x" + std::to_string(n) at -O3).
std::string NumberedName(const char* prefix, std::size_t n, const char* suffix) {
    std::string name(prefix);
    name.append(std::to_string(n)).append(suffix);
    return name;
}

int MakeTree(const std::string& kind, const std::filesystem::path& folder, std::size_t count) {
    namespace fs = std::filesystem;
    Random random;
    fs::path first;
    for (std::size_t i = 0; i < count; ++i) {
        const fs::path sub = folder / NumberedName("d", i / 100, "");
        fs::create_directories(sub);
        const fs::path file = sub / NumberedName("f", i, ".bin");
        if (kind == "smalltree") {
            Bytes bytes = morvane::test::Filler(1000 + i % 3000, static_cast<std::uint32_t>(i));
            morvane::test::Append(bytes, morvane::test::MakeGif());
            morvane::test::Append(bytes, morvane::test::Filler(100, 3));
            WriteFile(file, bytes);
        } else if (first.empty()) {
            Bytes bytes;
            for (std::size_t mib = 0; mib < 8; ++mib)
                morvane::test::Append(bytes, RandomChunk(random, mib));
            WriteFile(file, bytes);
            first = file;
        } else {
            fs::create_hard_link(first, file);
        }
    }
    return 0;
}

int main(int argc, char** argv) {
    if (argc == 4 && (std::string(argv[1]) == "smalltree" || std::string(argv[1]) == "bigtree"))
        return MakeTree(argv[1], argv[2], std::stoul(argv[3]));
    if (argc != 4) {
        std::fprintf(stderr, "usage: morvane-bench-input random|dense|zeros FILE MIB\n");
        return 2;
    }
    const std::string kind = argv[1];
    const std::size_t mib = std::stoul(argv[3]);
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    Random random;
    const Bytes zeros(kMiB, 0);
    for (std::size_t i = 0; i < mib; ++i) {
        const Bytes chunk = kind == "random"  ? RandomChunk(random, i)
                            : kind == "dense" ? DenseChunk(i)
                                              : zeros;
        out.write(reinterpret_cast<const char*>(chunk.data()),
                  static_cast<std::streamsize>(chunk.size()));
    }
    return out ? 0 : 1;
}
