// Structural checks for "only whole items that open": each walks an item's own structure inside
// the bytes it is given and returns the size that structure gives, or 0 when the structure is
// broken or does not end inside those bytes. Bounded loops over a ItemView; no allocation.
// Each kind's check lives in its format file (CheckPng in PngFormat.cpp, ...); the shared ones
// live in files of their own: the RIFF chunk walk in RiffFamily.cpp, the icon file check in
// IconDirectory.cpp, the icon image check in IconImage.cpp.
#pragma once

#include <cstdint>

#include "ItemView.h"
#include "ResourceKind.h"
#include "RuleCode.h"
#include "ScanOptions.h"
#include "SignatureRow.h"

namespace morvane {

std::int64_t CheckPng(const ItemView& item) noexcept;
// Through the end-of-image marker, walking every segment and the entropy-coded data of its scans.
std::int64_t CheckJpeg(const ItemView& item) noexcept;
std::int64_t CheckGif(const ItemView& item) noexcept;
std::int64_t CheckBitmapFile(const ItemView& item) noexcept;
// An icon or cursor file (its directory and every image it names); `kind` is ICO or CUR.
std::int64_t CheckIconFile(const ItemView& item, ResourceKind kind) noexcept;
// One icon or cursor image: a PNG, or a bitmap header whose colour and mask bits fit `item`.
// Returns the bytes the image needs.
std::int64_t CheckIconImage(const ItemView& item) noexcept;
// A bare 40-byte bitmap header of a 32x32 icon image and what follows it, viewed from its
// signature, which starts one byte after the header (the header's first byte, 40, lies just
// before it). Returns the image's size from the header's first byte: header, colour table,
// colour bits and mask.
std::int64_t CheckBareIconImage(const ItemView& fromSignature) noexcept;
// A RIFF item of `kind` (WAV, AVI or ANI). Only the bytes in `item` are walked; a RIFF larger
// than the view is accepted when everything visible is sound and the whole fits `bytesToEnd`.
std::int64_t CheckRiff(const ItemView& item, ResourceKind kind, std::int64_t bytesToEnd) noexcept;
std::int64_t CheckMidi(const ItemView& item) noexcept;

// The check of a whole item of `kind` (a file as it would be written).
std::int64_t CheckItem(ResourceKind kind, const ItemView& item, std::int64_t bytesToEnd) noexcept;

// The check of a candidate that the rule `rule` accepted as `kind`, viewed from its signature;
// the size it returns counts from the signature too (a bare icon image: one byte less than
// the image, whose first byte the writer puts back).
std::int64_t CheckCandidate(RuleCode rule, ResourceKind kind, const ItemView& item,
                            std::int64_t bytesToEnd) noexcept;

struct WholeItem {
    std::int64_t size = 0;  // 0: no whole item
    ResourceKind kind = ResourceKind::ICO;
};

// What a checked scan takes at a candidate of `row`, viewed from its signature: found and
// measured by its kind's structure alone, whatever follows it (the bare icon image, whose
// signature lies inside its header, is not found this way). RIFF kinds are told apart by
// their form type, among the enabled kinds.
WholeItem FindWhole(const SignatureRow& row, const ItemView& item, std::int64_t bytesToEnd,
                    const ScanOptions& options) noexcept;

}  // namespace morvane
