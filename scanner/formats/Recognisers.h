// The ten size rules: each decides from a candidate's look-ahead whether it is a real item,
// of which kind, and how many bytes it has. Pure functions over bytes: no I/O, no allocation.
// Each kind's rule lives in its format file (RecognisePng in PngFormat.cpp, ...); what several
// kinds share lives in a file of its own: the RIFF rule in RiffFamily.cpp, the directory rules
// of icon and cursor files in IconDirectory.cpp.
#pragma once

#include <cstdint>

#include "LookAhead.h"
#include "ResourceKind.h"
#include "ScanOptions.h"
#include "formats/SignatureRow.h"

namespace morvane {

class MidiChainMemo;

struct Verdict {
    std::int64_t size = 0;  // bytes to extract; 0 (or less) drops the candidate
    ResourceKind kind = ResourceKind::ICO;

    bool accepted() const noexcept { return size > 0; }
};

inline constexpr std::int32_t kLargestIconImage = 32768;
inline constexpr std::int64_t kBareIconSize = 2238;
// A 32x32 256-colour icon image: header, colour table, colour bits and mask.
inline constexpr std::int64_t kIconImage256Size = 2216;

Verdict RecogniseRiff(const LookAhead& a, const ScanOptions& options) noexcept;
Verdict RecogniseCursorDirectory(const LookAhead& a) noexcept;
Verdict RecogniseIconDirectory(const LookAhead& a) noexcept;
// "00 00 01 00" (icon) or "00 00 02 00" (cursor) with 1 to 255 images, every one inside the
// look-ahead and past the directory; the size runs to the end of the image that ends last.
Verdict RecogniseIconFile(const LookAhead& a) noexcept;
// A directory signature's rule: with the resource pass on, a file of several images measured
// by its directory wins; a one-image file it cannot measure is still judged by the one-image
// rule, and nothing else is.
Verdict RecogniseIconOrCursorFile(const LookAhead& a, const ScanOptions& options,
                                  bool cursor) noexcept;
Verdict RecogniseBitmap(const LookAhead& a) noexcept;
Verdict RecogniseGif(const LookAhead& a) noexcept;
Verdict RecognisePng(const LookAhead& a) noexcept;
Verdict RecogniseJpeg(const LookAhead& a) noexcept;
// `memo` lets a scan that walks candidates in file order reuse chains of tracks it has already
// followed; without it every call walks its own chain.
Verdict RecogniseMidi(const LookAhead& a, MidiChainMemo* memo = nullptr) noexcept;

// The rule of a signature row applied to one candidate.
Verdict ApplyRule(const SignatureRow& row, const LookAhead& a, const ScanOptions& options,
                  MidiChainMemo* memo = nullptr) noexcept;

}  // namespace morvane
