// PNG pictures: the size rule (up to the IEND chunk) and the check, which walks the chunks from
// IHDR to IEND and verifies each one's CRC.
#include "PngFormat.h"

#include <array>

#include "EndMarkerSize.h"
#include "ItemChecks.h"
#include "Recognisers.h"

namespace morvane {

namespace {

constexpr std::array<std::uint32_t, 256> MakeCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}
constexpr std::array<std::uint32_t, 256> kCrcTable = MakeCrcTable();

std::uint32_t Crc32(const std::uint8_t* bytes, std::int64_t count) noexcept {
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::int64_t i = 0; i < count; ++i) c = kCrcTable[(c ^ bytes[i]) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

constexpr std::uint8_t kPngSignature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

// One PNG chunk at `at`: its total size (length, type, data, CRC) when its CRC is right.
std::int64_t PngChunk(const ItemView& item, std::int64_t at) noexcept {
    const auto length = item.U32Big(at);
    if (!length || *length > 0x7FFFFFFFu) return 0;
    const std::int64_t total = 12 + static_cast<std::int64_t>(*length);
    if (!item.Has(at, total)) return 0;
    const auto crc = item.U32Big(at + 8 + *length);
    if (!crc || Crc32(item.data() + at + 4, 4 + *length) != *crc) return 0;
    return total;
}

}  // namespace

Verdict RecognisePng(const LookAhead& a) noexcept {
    const std::int64_t end = a.Find(Marker::PngEnd, 0);
    if (end < 0) return {};
    return {ThroughMarkerAndOneByte(end, sizeof markers::kPngEnd), ResourceKind::PNG};
}

std::int64_t CheckPng(const ItemView& item) noexcept {
    for (std::int64_t i = 0; i < 8; ++i)
        if (item.U8(i) != kPngSignature[i]) return 0;
    if (item.U32Big(8) != 13u || !item.Matches(12, "IHDR")) return 0;
    if (item.U32Big(16).value_or(0) == 0 || item.U32Big(20).value_or(0) == 0) return 0;
    std::int64_t at = 8;
    for (bool first = true;; first = false) {
        const std::int64_t chunk = PngChunk(item, at);
        if (chunk == 0 || (first && !item.Matches(at + 4, "IHDR"))) return 0;
        if (item.Matches(at + 4, "IEND")) return at + chunk;
        at += chunk;
    }
}

Verdict MeasurePng(const SignatureRow&, const LookAhead& a, const ScanOptions&,
                   MidiChainMemo*) noexcept {
    return RecognisePng(a);
}

std::int64_t CheckPngItem(const ItemView& item, ResourceKind, std::int64_t) noexcept {
    return CheckPng(item);
}

}  // namespace morvane
