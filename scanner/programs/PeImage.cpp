// PE header checks: every field read through ByteView, every count bounded before it is used.
#include "PeImage.h"

#include <algorithm>

namespace morvane {

namespace {
constexpr std::uint32_t kPeSignature = 0x00004550;  // "PE\0\0"
constexpr std::uint16_t kPe32Magic = 0x10B;
constexpr std::uint16_t kPe32PlusMagic = 0x20B;
constexpr std::uint16_t kMostSections = 96;  // the loader's own limit
constexpr std::uint32_t kResourceDirectory = 2;
constexpr std::uint64_t kSectionEntrySize = 40;
constexpr std::uint32_t kLargestHeaderOffset = 16 * 1024 * 1024;
}  // namespace

std::optional<PeImage> PeImage::Read(std::span<const std::uint8_t> image) noexcept {
    PeImage pe;
    pe.view_ = ByteView(image);
    const ByteView& v = pe.view_;
    if (v.U16Or0(0) != 0x5A4D) return std::nullopt;  // "MZ"
    const std::uint32_t lfanew = v.U32Or0(0x3C);
    if (lfanew < 0x40 || lfanew > kLargestHeaderOffset || v.U32(lfanew) != kPeSignature)
        return std::nullopt;
    const std::uint64_t coff = lfanew + 4ULL;
    if (!v.Holds(coff, 20)) return std::nullopt;
    const std::uint16_t sectionCount = v.U16Or0(coff + 2);
    const std::uint16_t optionalSize = v.U16Or0(coff + 16);
    if (sectionCount == 0 || sectionCount > kMostSections) return std::nullopt;
    if (!pe.ReadOptionalHeader(coff + 20, optionalSize)) return std::nullopt;
    if (!pe.ReadSections(coff + 20 + optionalSize, sectionCount)) return std::nullopt;
    return pe;
}

bool PeImage::ReadOptionalHeader(std::uint64_t at, std::uint16_t size) noexcept {
    const std::uint16_t magic = view_.U16Or0(at);
    if (magic != kPe32Magic && magic != kPe32PlusMagic) return false;
    pe32Plus_ = magic == kPe32PlusMagic;
    const std::uint64_t countField = pe32Plus_ ? 108 : 92;
    const std::uint64_t directories = countField + 4;
    if (size < directories || !view_.Holds(at, size)) return false;
    const std::uint32_t directoryCount = view_.U32Or0(at + countField);
    const std::uint64_t resourceEntry = directories + kResourceDirectory * 8ULL;
    if (directoryCount <= kResourceDirectory || resourceEntry + 8 > size) return true;
    resourceRva_ = view_.U32Or0(at + resourceEntry);
    resourceSize_ = view_.U32Or0(at + resourceEntry + 4);
    return true;
}

bool PeImage::ReadSections(std::uint64_t at, std::uint16_t count) noexcept {
    if (!view_.Holds(at, count * kSectionEntrySize)) return false;
    sections_.reserve(count);
    for (std::uint16_t i = 0; i < count; ++i) {
        const std::uint64_t entry = at + i * kSectionEntrySize;
        PeSection s;
        s.virtualSize = view_.U32Or0(entry + 8);
        s.virtualAddress = view_.U32Or0(entry + 12);
        s.rawSize = view_.U32Or0(entry + 16);
        s.rawOffset = view_.U32Or0(entry + 20);
        sections_.push_back(s);
    }
    return true;
}

std::optional<PeSection> PeImage::ResourceSection() const noexcept {
    if (resourceRva_ == 0 || resourceSize_ == 0) return std::nullopt;
    for (const PeSection& s : sections_)
        if (resourceRva_ >= s.virtualAddress && resourceRva_ - s.virtualAddress < s.rawSize)
            return s;
    return std::nullopt;
}

}  // namespace morvane
