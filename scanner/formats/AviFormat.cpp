// AVI videos' part in the RIFF walk: the "hdrl" list is all it asks for.
#include "AviFormat.h"

namespace morvane {

void NoteAviChunk(const ItemView& item, std::int64_t at, std::int64_t size,
                  RiffWalk& walk) noexcept {
    const ItemView body = item.Sub(at + kRiffChunkHeader, size);
    if (item.Matches(at, "LIST") && body.Matches(0, "hdrl")) walk.format = walk.data = true;
}

}  // namespace morvane
