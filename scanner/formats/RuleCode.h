// The names of the size rules a signature row can have. The search phase asks for some of them
// by name: the bare icon image and the two directories are handled apart from the others.
#pragma once

#include <cstdint>

namespace morvane {

enum class RuleCode : std::int32_t {
    Midi,
    CursorDirectory,
    IconDirectory,
    Png,
    Riff,
    BareIconImage,
    Jpeg,
    Gif,
    Bitmap,
};

}  // namespace morvane
