// NE header checks: the resource table lies between the header and the resident-name table, both
// given as 16-bit offsets from the header, so it is never longer than 64 KiB.
#include "NeImage.h"

#include <algorithm>

#include "ByteView.h"

namespace morvane {

namespace {
constexpr std::uint16_t kMz = 0x5A4D, kNe = 0x454E;
constexpr std::uint64_t kHeaderSize = 0x40;
constexpr std::uint64_t kSegmentTableField = 0x22, kResourceTableField = 0x24;
constexpr std::uint64_t kResidentNamesField = 0x26, kModulesField = 0x28, kImportsField = 0x2A;
constexpr std::uint64_t kTargetSystemField = 0x36;
constexpr std::uint8_t kLastTargetSystem = 5;  // unknown, OS/2, Windows, DOS 4, Windows 386, BOSS
constexpr std::uint32_t kLargestHeaderOffset = 64 * 1024;
}  // namespace

std::optional<NeImage> NeImage::Read(std::span<const std::uint8_t> image) noexcept {
    const ByteView v(image);
    NeImage ne;
    if (v.U16Or0(0) == kMz) {
        const std::uint32_t lfanew = v.U32Or0(0x3C);
        if (lfanew < kHeaderSize || lfanew > kLargestHeaderOffset) return std::nullopt;
        ne.header_ = lfanew;
    }
    if (v.U16Or0(ne.header_) != kNe || !v.Holds(ne.header_, kHeaderSize)) return std::nullopt;
    if (v.U8Or0(ne.header_ + kTargetSystemField) > kLastTargetSystem) return std::nullopt;
    // The linker writes the tables in this order; a header whose fields are not so is none.
    const std::uint16_t segments = v.U16Or0(ne.header_ + kSegmentTableField);
    const std::uint16_t table = v.U16Or0(ne.header_ + kResourceTableField);
    const std::uint16_t next = v.U16Or0(ne.header_ + kResidentNamesField);
    const std::uint16_t modules = v.U16Or0(ne.header_ + kModulesField);
    if (segments < kHeaderSize || table < segments || next <= table || modules < next ||
        v.U16Or0(ne.header_ + kImportsField) < modules)
        return std::nullopt;
    ne.tableEnd_ = ne.header_ + next;
    const std::uint64_t at = ne.header_ + table;
    if (at >= v.size()) return std::nullopt;
    ne.table_ = image.subspan(at, std::min<std::uint64_t>(next - table, v.size() - at));
    return ne;
}

}  // namespace morvane
