// Wave sounds' part in the RIFF walk: a "fmt " chunk with a sane format, and a "data" chunk.
#include "WavFormat.h"

namespace morvane {

namespace {
bool SaneWaveFormat(const ItemView& chunk) noexcept {
    const auto channels = chunk.U16(2);
    const auto rate = chunk.U32(4);
    const auto align = chunk.U16(12);
    return chunk.U16(0).value_or(0) != 0 && channels && *channels != 0 && rate && *rate != 0 &&
           align && *align != 0;
}
}  // namespace

void NoteWaveChunk(const ItemView& item, std::int64_t at, std::int64_t size,
                   RiffWalk& walk) noexcept {
    if (item.Matches(at, "fmt "))
        walk.format = size >= 16 && SaneWaveFormat(item.Sub(at + kRiffChunkHeader, size));
    if (item.Matches(at, "data")) walk.data = true;
}

}  // namespace morvane
