// A bounds-checked view of one candidate item for the structural checks: signed offsets, as
// item sizes are, and big-endian fields too; every read says whether it lay inside the view, so
// a hostile length can never lead a parser outside the bytes it was given. A view may also note
// the farthest byte a walk asked for past its end, so that a walk the view cut short can be
// tried again over more of the source. Checks take views by reference: copying a view just after
// it was built makes the processor wait for its stores, once per candidate.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace morvane {

class ItemView {
  public:
    constexpr ItemView() noexcept = default;
    // `wanted`, when given, is raised to the end (counted from this view's first byte) of every
    // range asked for that begins inside the view, or at its end, and runs on past it: what a walk
    // that is sound as far as the view goes would need to go on.
    constexpr explicit ItemView(std::span<const std::uint8_t> bytes,
                                std::int64_t* wanted = nullptr) noexcept
        : bytes_(bytes), wanted_(wanted) {}

    std::int64_t size() const noexcept { return static_cast<std::int64_t>(bytes_.size()); }
    const std::uint8_t* data() const noexcept { return bytes_.data(); }

    // Whether [offset, offset + count) lies inside the view.
    [[gnu::always_inline]] bool Has(std::int64_t offset, std::int64_t count) const noexcept {
        if (offset >= 0 && count >= 0 && offset <= size() && count <= size() - offset) [[likely]]
            return true;
        Want(offset, count);
        return false;
    }
    // The view from `offset` on, `count` bytes long (clamped to the view).
    ItemView Sub(std::int64_t offset, std::int64_t count) const noexcept {
        if (!Has(offset, 0)) return {};
        const std::int64_t left = size() - offset;
        const std::int64_t taken = count < left ? count : left;
        ItemView sub(bytes_.subspan(static_cast<std::size_t>(offset),
                                    static_cast<std::size_t>(taken < 0 ? 0 : taken)));
        // A range past the part is past the whole view only if it is past the view's end.
        if (wanted_ != nullptr && taken == left) {
            sub.wanted_ = wanted_;
            sub.base_ = base_ + offset;
        }
        return sub;
    }

    [[gnu::always_inline]] std::optional<std::uint32_t> U8(std::int64_t at) const noexcept {
        return Field(at, 1, false);
    }
    [[gnu::always_inline]] std::optional<std::uint32_t> U16(std::int64_t at) const noexcept {
        return Field(at, 2, false);
    }
    [[gnu::always_inline]] std::optional<std::uint32_t> U32(std::int64_t at) const noexcept {
        return Field(at, 4, false);
    }
    [[gnu::always_inline]] std::optional<std::uint32_t> U16Big(std::int64_t at) const noexcept {
        return Field(at, 2, true);
    }
    [[gnu::always_inline]] std::optional<std::uint32_t> U32Big(std::int64_t at) const noexcept {
        return Field(at, 4, true);
    }

    // (Texts are a few bytes long: a loop beats a call.)
    bool Matches(std::int64_t at, std::string_view text) const noexcept {
        const auto count = static_cast<std::int64_t>(text.size());
        if (!Has(at, count)) return false;
        for (std::size_t i = 0; i < text.size(); ++i)
            if (bytes_[static_cast<std::size_t>(at) + i] != static_cast<std::uint8_t>(text[i]))
                return false;
        return true;
    }

  private:
    // A field of 1, 2 or 4 bytes.
    [[gnu::always_inline]] std::optional<std::uint32_t> Field(std::int64_t at, int width,
                                                              bool bigEndian) const noexcept {
        if (!Has(at, width)) [[unlikely]]
            return std::nullopt;
        const std::uint8_t* p = bytes_.data() + at;
        switch (width) {
            case 1:
                return p[0];
            case 2:
                return bigEndian ? std::uint32_t{p[0]} << 8 | p[1]
                                 : std::uint32_t{p[1]} << 8 | p[0];
            default:
                return bigEndian ? std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 |
                                       std::uint32_t{p[2]} << 8 | p[3]
                                 : std::uint32_t{p[3]} << 24 | std::uint32_t{p[2]} << 16 |
                                       std::uint32_t{p[1]} << 8 | p[0];
        }
    }

    void Want(std::int64_t offset, std::int64_t count) const noexcept {
        if (wanted_ == nullptr || offset < 0 || offset > size() || count < 0 ||
            count > INT64_MAX / 2)
            return;
        const std::int64_t end = base_ + offset + count;
        if (end > *wanted_) *wanted_ = end;
    }

    std::span<const std::uint8_t> bytes_;
    std::int64_t* wanted_ = nullptr;
    std::int64_t base_ = 0;  // where this view starts in the view that `wanted_` counts from
};

}  // namespace morvane
