// Bounds-checked little-endian reads over bytes that may be hostile: a read that would leave the
// view yields nothing instead of touching memory outside it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace morvane {

class ByteView {
  public:
    ByteView() noexcept = default;
    explicit ByteView(std::span<const std::uint8_t> bytes) noexcept : bytes_(bytes) {}

    std::uint64_t size() const noexcept { return bytes_.size(); }
    std::span<const std::uint8_t> bytes() const noexcept { return bytes_; }

    // Whether [offset, offset + count) lies wholly inside the view, without overflow.
    bool Holds(std::uint64_t offset, std::uint64_t count) const noexcept {
        return offset <= bytes_.size() && count <= bytes_.size() - offset;
    }
    std::optional<std::uint16_t> U16(std::uint64_t offset) const noexcept {
        if (!Holds(offset, 2)) return std::nullopt;
        return static_cast<std::uint16_t>(bytes_[offset] | (bytes_[offset + 1] << 8));
    }
    std::optional<std::uint32_t> U32(std::uint64_t offset) const noexcept {
        if (!Holds(offset, 4)) return std::nullopt;
        std::uint32_t value = 0;
        for (int i = 3; i >= 0; --i) value = (value << 8) | bytes_[offset + i];
        return value;
    }
    std::uint8_t U8Or0(std::uint64_t offset) const noexcept {
        return offset < bytes_.size() ? bytes_[offset] : std::uint8_t{0};
    }
    std::uint16_t U16Or0(std::uint64_t offset) const noexcept { return U16(offset).value_or(0); }
    std::uint32_t U32Or0(std::uint64_t offset) const noexcept { return U32(offset).value_or(0); }
    // The bytes [offset, offset + count); empty when they do not lie inside the view.
    std::span<const std::uint8_t> Slice(std::uint64_t offset, std::uint64_t count) const noexcept {
        if (!Holds(offset, count)) return {};
        return bytes_.subspan(offset, count);
    }

  private:
    std::span<const std::uint8_t> bytes_;
};

}  // namespace morvane
