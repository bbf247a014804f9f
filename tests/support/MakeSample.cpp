// Writes a sample source file holding one item of every kind among filler bytes, for trying the
// programs out: morvane-make-sample FILE. Every item is whole, so that the plain scan and the
// checked one (and the search of a container's entries) each find all ten.
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
    // The picture with the two zero bytes the plain rule wants after its end.
    Bytes jpeg = WithTables(MakeJpeg());
    Append(jpeg, {0x00, 0x00});
    // PCM, mono, 8000 Hz, 8 bits, 256 samples; a video of its header list alone.
    const Bytes format = {1, 0, 1, 0, 0x40, 0x1F, 0, 0, 0x40, 0x1F, 0, 0, 1, 0, 8, 0};
    const Bytes wave = Compose({RiffChunk("fmt ", format), RiffChunk("data", Filler(256, 5))});
    const Bytes video = RiffChunk("LIST", ToBytes("hdrlavih"));
    for (const Bytes& item : {MakeIcon32(), MakeCursor32(), MakeAni({MakeCursor32(), MakeIcon32()}),
                              MakeBmp(16, 16), jpeg, MakeGif(), MakePng(16, 16),
                              MakeRiff("WAVE", wave), MakeMidi(2), MakeRiff("AVI ", video)}) {
        Append(sample, item);
        Append(sample, Filler(512, static_cast<std::uint32_t>(sample.size())));
    }
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(sample.data()),
              static_cast<std::streamsize>(sample.size()));
    return out ? 0 : 1;
}
