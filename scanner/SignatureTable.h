// The byte signatures the search looks for, in the order that decides the candidate order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "ResourceKind.h"
#include "ScanOptions.h"

namespace morvane {

// How a candidate of a row is measured; any code without a rule of its own is itself the size.
enum class RuleCode : std::int32_t {
    Midi = 2,
    CursorDirectory = 15,
    IconDirectory = 16,
    Png = 245,
    Riff = 1000,
    BareIconBitmap = 2238,
    Jpeg = 11000,
    Gif = 40000,
    Bitmap = 45000,
};

struct SignatureRow {
    int row;  // 1-based row number of the full table (stable whatever is enabled)
    std::span<const std::uint8_t> bytes;
    RuleCode rule;
    ResourceKind kind;
};

inline constexpr int kSignatureRowCount = 10;
inline constexpr std::size_t kLongestSignature = 8;

// All ten rows, whatever the options say.
std::span<const SignatureRow> AllSignatureRows() noexcept;

// The rows enabled by the options, in table order. A RIFF row exists when any of WAV, AVI, ANI is
// on.
std::vector<SignatureRow> BuildSignatureTable(const ScanOptions& options);

}  // namespace morvane
