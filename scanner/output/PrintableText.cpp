#include "PrintableText.h"

#include <cstdint>

namespace morvane {

namespace {
void AppendHex(std::string& out, std::uint8_t byte) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    out += "\\x";
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0x0F];
}
}  // namespace

std::string Printable(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<std::uint8_t>(text[i]);
        const bool c1 = byte == 0xC2 && i + 1 < text.size() &&
                        (static_cast<std::uint8_t>(text[i + 1]) & 0xE0) == 0x80;
        if (byte == '\r') {
            out += "\\r";
        } else if (byte == '\n') {
            out += "\\n";
        } else if (byte == '\t') {
            out += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            AppendHex(out, byte);
        } else if (c1) {
            AppendHex(out, byte);
            AppendHex(out, static_cast<std::uint8_t>(text[++i]));
        } else {
            out += static_cast<char>(byte);
        }
    }
    return out;
}

}  // namespace morvane
