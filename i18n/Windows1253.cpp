#include "Windows1253.h"

#include <array>

namespace morvane {

namespace {

constexpr char16_t kUndefined = u'\uFFFD';

// 0x80 to 0xBF: the punctuation row and the accented capitals; the letters from 0xC0 on follow
// Unicode's Greek block in order and are computed.
constexpr std::array<char16_t, 64> kHighRow = {
    0x20AC,     kUndefined, 0x201A,     0x0192, 0x201E,     0x2026,     0x2020,     0x2021,  // 0x80
    kUndefined, 0x2030,     kUndefined, 0x2039, kUndefined, kUndefined, kUndefined, kUndefined,
    kUndefined, 0x2018,     0x2019,     0x201C, 0x201D,     0x2022,     0x2013,     0x2014,  // 0x90
    kUndefined, 0x2122,     kUndefined, 0x203A, kUndefined, kUndefined, kUndefined, kUndefined,
    0x00A0,     0x0385,     0x0386,     0x00A3, 0x00A4,     0x00A5,     0x00A6,     0x00A7,  // 0xA0
    0x00A8,     0x00A9,     kUndefined, 0x00AB, 0x00AC,     0x00AD,     0x00AE,     0x2015,
    0x00B0,     0x00B1,     0x00B2,     0x00B3, 0x0384,     0x00B5,     0x00B6,     0x00B7,  // 0xB0
    0x0388,     0x0389,     0x038A,     0x00BB, 0x038C,     0x00BD,     0x038E,     0x038F,
};

char16_t DecodeByte(unsigned char byte) {
    if (byte < 0x80) return byte;
    if (byte < 0xC0) return kHighRow[byte - 0x80];
    if (byte == 0xD2 || byte == 0xFF) return kUndefined;
    return static_cast<char16_t>(0x0390 + (byte - 0xC0));
}

}  // namespace

QString DecodeWindows1253(QByteArrayView bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) text.append(QChar(DecodeByte(static_cast<unsigned char>(byte))));
    return text;
}

}  // namespace morvane
