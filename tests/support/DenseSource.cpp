#include "DenseSource.h"

#include <string_view>
#include <vector>

#include "SignatureTable.h"

namespace morvane::test {

Bytes DenseSource(std::size_t size, std::uint32_t seed) {
    static const std::vector<Bytes> pieces = [] {
        std::vector<Bytes> all;
        for (const SignatureRow& row : AllSignatureRows())
            all.emplace_back(row.bytes.begin(), row.bytes.end());
        using namespace std::literals;
        for (std::string_view marker :
             {"\x00\x3B"sv, "\xFF\xDA"sv, "\xFF\xD9\0\0"sv, "MTrk\0\0"sv, "\0\0\xFF\x2F\0"sv,
              "IEND\xAE\x42\x60\x82"sv, "JFIF"sv, "WAVE"sv, "AVI "sv, "ACON"sv, "\0\0\x28\0"sv,
              "\x28"sv, "\x40"sv, "\x10\0"sv})
            all.push_back(ToBytes(marker));
        for (const Bytes& item : {MakeGif(), MakePng(), MakeBmp(), MakeIcon32(), MakeCursor32(),
                                  MakeMidi(3), MakeRiff("WAVE", Bytes(30, 1))})
            all.push_back(item);
        return all;
    }();
    Bytes source;
    std::uint32_t state = seed;
    while (source.size() < size) {
        state = state * 1664525u + 1013904223u;
        Append(source, (state >> 28) < 5 ? Filler((state >> 8) % 40, state)
                                         : pieces[(state >> 12) % pieces.size()]);
    }
    source.resize(size);
    return source;
}

}  // namespace morvane::test
