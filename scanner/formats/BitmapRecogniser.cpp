// Windows bitmap files: "BM", the file size, and the 40-byte information header near the start.
#include "Recognisers.h"

namespace morvane {

Verdict RecogniseBitmap(const LookAhead& a) noexcept {
    if (!a.Contains(0, 18, markers::kBitmapHeaderMark)) return {};
    const std::int64_t fileSize = a.FieldInt32(2);
    if (fileSize > a.length()) return {};
    return {fileSize, ResourceKind::BMP};
}

}  // namespace morvane
