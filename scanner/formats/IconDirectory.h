// What icon and cursor files share: the directory that names their images. Its rules
// (RecogniseIconFile, RecogniseIconOrCursorFile) and its check (CheckIconFile) are declared with
// the other rules and checks; here is what the ICO and CUR files' one-image rules take from it.
#pragma once

#include <cstdint>

#include "Recognisers.h"

namespace morvane {

// The first byte of the 40-byte bitmap header that follows a one-image directory's entry.
inline constexpr std::uint8_t kInfoHeaderStart = 0x28;

// A one-image file of `kind`: its header and directory entry and the image bytes the entry
// gives, or nothing when that is more than an icon image can have.
Verdict OneImageFileSize(const LookAhead& a, ResourceKind kind) noexcept;

}  // namespace morvane
