// Writes a sample source file holding one item of every kind among filler bytes, for trying the
// programs out: morvane-make-sample FILE
#include <cstdio>
#include <fstream>

#include "MediaSamples.h"

int main(int argc, char** argv) {
    using namespace morvane::test;
    if (argc != 2) {
        std::fprintf(stderr, "usage: morvane-make-sample FILE\n");
        return 2;
    }
    Bytes sample = Filler(4096, 3);
    const Bytes jpegEnd = {0x00, 0x00};
    Bytes jpeg = MakeJpeg();
    Append(jpeg, jpegEnd);
    for (const Bytes& item :
         {MakeIcon32(), MakeCursor32(), MakeAni({MakeCursor32(), MakeIcon32()}), MakeBmp(16, 16),
          jpeg, MakeGif(), MakePng(16, 16), MakeRiff("WAVE", Filler(256, 5)), MakeMidi(2),
          MakeRiff("AVI ", Filler(128, 6))}) {
        Append(sample, item);
        Append(sample, Filler(512, static_cast<std::uint32_t>(sample.size())));
    }
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(sample.data()),
              static_cast<std::streamsize>(sample.size()));
    return out ? 0 : 1;
}
