#include "SignatureTable.h"

#include <array>

namespace morvane {

namespace {
constexpr std::uint8_t kCursorDir[] = {0x00, 0x00, 0x02, 0x00, 0x01, 0x00};
constexpr std::uint8_t kIconDir[] = {0x00, 0x00, 0x01, 0x00, 0x01, 0x00};
constexpr std::uint8_t kBareIcon[] = {0x00, 0x00, 0x00, 0x20, 0x00, 0x00, 0x00, 0x40};
constexpr std::uint8_t kBitmap[] = {'B', 'M'};
constexpr std::uint8_t kGif87[] = {'G', 'I', 'F', '8', '7', 'a'};
constexpr std::uint8_t kGif89[] = {'G', 'I', 'F', '8', '9', 'a'};
constexpr std::uint8_t kJpeg[] = {0xFF, 0xD8, 0xFF, 0xE0};
constexpr std::uint8_t kRiff[] = {'R', 'I', 'F', 'F'};
constexpr std::uint8_t kPng[] = {0x89, 'P', 'N', 'G', 0x0D};
constexpr std::uint8_t kMidi[] = {'M', 'T', 'h', 'd', 0x00};

const std::array<SignatureRow, kSignatureRowCount> kRows = {{
    {1, kCursorDir, RuleCode::CursorDirectory, ResourceKind::CUR},
    {2, kIconDir, RuleCode::IconDirectory, ResourceKind::ICO},
    {3, kBareIcon, RuleCode::BareIconBitmap, ResourceKind::ICO},
    {4, kBitmap, RuleCode::Bitmap, ResourceKind::BMP},
    {5, kGif87, RuleCode::Gif, ResourceKind::GIF},
    {6, kGif89, RuleCode::Gif, ResourceKind::GIF},
    {7, kJpeg, RuleCode::Jpeg, ResourceKind::JPG},
    {8, kRiff, RuleCode::Riff, ResourceKind::WAV},
    {9, kPng, RuleCode::Png, ResourceKind::PNG},
    {10, kMidi, RuleCode::Midi, ResourceKind::MID},
}};

bool RowEnabled(const SignatureRow& row, const ScanOptions& options) {
    if (row.rule == RuleCode::Riff)
        return options.IsEnabled(ResourceKind::WAV) || options.IsEnabled(ResourceKind::AVI) ||
               options.IsEnabled(ResourceKind::ANI);
    return options.IsEnabled(row.kind);
}
}  // namespace

std::span<const SignatureRow> AllSignatureRows() noexcept {
    return kRows;
}

std::vector<SignatureRow> BuildSignatureTable(const ScanOptions& options) {
    std::vector<SignatureRow> table;
    for (const SignatureRow& row : kRows)
        if (RowEnabled(row, options)) table.push_back(row);
    return table;
}

}  // namespace morvane
