// Writes the seed corpus of FuzzPeResources: small PE32 and PE32+ images with icon and cursor
// groups, bitmaps, named types, a missing image, a looping table and a table whose leaves all
// name one resource's data, and NE images of the same resources with and without their DOS
// stub. make-pe-seeds DIR [MODE]: with MODE, each seed starts with that byte (FuzzScan's mode).
#include <cstdio>
#include <fstream>
#include <string>

#include "NeWriter.h"

using namespace morvane::test;

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: make-pe-seeds DIR [MODE]\n");
        return 2;
    }
    Bytes cursor = {3, 0, 4, 0};
    Append(cursor, MakeDib(16, 16, 1, false, true));
    const std::vector<PeResource> resources = {
        {kRtIcon, "", 1, 0x409, MakeDib(16, 16, 4, false, true)},
        {kRtIcon, "", 2, 0x409, MakePng(4, 4)},
        {kRtGroupIcon, "", 1, 0x409,
         MakeGroupDirectory(false, {{16, 4, 1, 0}, {256, 32, 2, 0}, {32, 8, 9, 0}})},
        {kRtCursor, "", 3, 0, cursor},
        {kRtGroupCursor, "", 1, 0, MakeGroupDirectory(true, {{16, 1, 3, 0}})},
        {kRtBitmap, "", 1, 0, MakeDib(3, 2, 8)},
        {kRtBitmap, "", 2, 0, MakeDib(3, 2, 32, true)},
        {0, "AVI", 1, 0, MakeRiff("AVI ", Filler(16))},
    };
    std::vector<Bytes> images;
    for (bool plus : {false, true})
        for (bool loop : {false, true}) images.push_back(MakePe(resources, {plus, loop, 0}));
    images.push_back(MakePe(resources, {.shareData = true}));
    for (unsigned shift : {0U, 4U})
        for (bool stub : {false, true}) images.push_back(MakeNe(resources, {shift, stub}));
    for (std::size_t i = 0; i < images.size(); ++i) {
        std::ofstream out(std::string(argv[1]) + "/image-" + std::to_string(i), std::ios::binary);
        if (argc == 3) out.put(static_cast<char>(std::stoi(argv[2])));
        out.write(reinterpret_cast<const char*>(images[i].data()),
                  static_cast<std::streamsize>(images[i].size()));
        if (!out) return 1;
    }
    return 0;
}
