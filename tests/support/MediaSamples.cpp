#include "MediaSamples.h"

namespace morvane::test {

namespace {
std::uint32_t Crc32(const Bytes& data) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::uint8_t byte : data) {
        crc ^= byte;
        for (int k = 0; k < 8; ++k) crc = (crc & 1) ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
    }
    return ~crc;
}

std::uint32_t Adler32(const Bytes& data) {
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

void PutBE32(Bytes& to, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        to.push_back(static_cast<std::uint8_t>(value >> shift));
}

void PngChunk(Bytes& png, std::string_view type, const Bytes& data) {
    PutBE32(png, static_cast<std::uint32_t>(data.size()));
    Bytes body = ToBytes(type);
    Append(body, data);
    Append(png, body);
    PutBE32(png, Crc32(body));
}

}  // namespace

Bytes ToBytes(std::string_view text) {
    return Bytes(text.begin(), text.end());
}
void Append(Bytes& to, const Bytes& more) {
    to.insert(to.end(), more.begin(), more.end());
}

Bytes Compose(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) Append(all, part);
    return all;
}
void PutLE16(Bytes& to, std::uint32_t value) {
    to.push_back(static_cast<std::uint8_t>(value));
    to.push_back(static_cast<std::uint8_t>(value >> 8));
}
void PutLE32(Bytes& to, std::uint32_t value) {
    PutLE16(to, value & 0xFFFF);
    PutLE16(to, value >> 16);
}

Bytes MakeGif() {
    Bytes gif = ToBytes("GIF89a");
    PutLE16(gif, 1);
    PutLE16(gif, 1);
    Append(gif, {0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF});  // flags, colours
    Append(gif, {0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0});                       // image descriptor
    Append(gif, {0x02, 0x02, 0x44, 0x01, 0x00, 0x3B});                    // LZW data, trailer
    return gif;
}

Bytes MakePng(int width, int height) {
    Bytes png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    Bytes header;
    PutBE32(header, static_cast<std::uint32_t>(width));
    PutBE32(header, static_cast<std::uint32_t>(height));
    Append(header, {8, 2, 0, 0, 0});
    PngChunk(png, "IHDR", header);
    Bytes raw;  // filter byte 0 and a grey ramp per row
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        for (int x = 0; x < width * 3; ++x)
            raw.push_back(static_cast<std::uint8_t>(40 + x * 9 + y * 5));
    }
    Bytes zlib = {0x78, 0x01, 0x01};  // one stored deflate block
    PutLE16(zlib, static_cast<std::uint32_t>(raw.size()));
    PutLE16(zlib, static_cast<std::uint32_t>(~raw.size() & 0xFFFF));
    Append(zlib, raw);
    PutBE32(zlib, Adler32(raw));
    PngChunk(png, "IDAT", zlib);
    PngChunk(png, "IEND", {});
    return png;
}

Bytes MakeBmp(int width, int height) {
    const int rowSize = (width * 3 + 3) / 4 * 4;
    const auto pixels = static_cast<std::uint32_t>(rowSize * height);
    Bytes bmp = ToBytes("BM");
    const auto w = static_cast<std::uint32_t>(width), h = static_cast<std::uint32_t>(height);
    for (std::uint32_t field : {54 + pixels, 0u, 54u, 40u, w, h}) PutLE32(bmp, field);
    PutLE16(bmp, 1);  // planes
    PutLE16(bmp, 24);
    bmp.resize(54, 0);
    for (std::uint32_t i = 0; i < pixels; ++i)
        bmp.push_back(static_cast<std::uint8_t>(0x90 + i % 13));
    return bmp;
}

Bytes MakeIconImage32(int bits) {
    Bytes image;
    for (std::uint32_t field : {40u, 32u, 64u}) PutLE32(image, field);  // 64: colour and mask
    PutLE16(image, 1);
    PutLE16(image, static_cast<std::uint32_t>(bits));
    image.resize(40, 0);
    for (int i = 0; bits <= 8 && i < 1 << bits; ++i)
        PutLE32(image, static_cast<std::uint32_t>(i * 0x010101));
    for (int i = 0; i < 32 * 4 * bits; ++i)
        image.push_back(static_cast<std::uint8_t>(0x81 + i % 7));
    image.resize(image.size() + 32 * 4, 0);  // AND mask: all opaque
    return image;
}

Bytes MakeIconFile(int type, const std::vector<Bytes>& images) {
    Bytes file = {
        0, 0, static_cast<std::uint8_t>(type), 0, static_cast<std::uint8_t>(images.size()), 0};
    auto offset = static_cast<std::uint32_t>(file.size() + 16 * images.size());
    for (const Bytes& image : images) {
        Append(file, {32, 32, 0, 0});
        PutLE16(file, type == 2 ? 3 : 1);  // hot spot x for a cursor, planes for an icon
        PutLE16(file, type == 2 ? 4 : 8);  // hot spot y for a cursor, bits for an icon
        PutLE32(file, static_cast<std::uint32_t>(image.size()));
        PutLE32(file, offset);
        offset += static_cast<std::uint32_t>(image.size());
    }
    for (const Bytes& image : images) Append(file, image);
    return file;
}
Bytes MakeIcon32() {
    return MakeIconFile(1, {MakeIconImage32(8)});
}
Bytes MakeCursor32() {
    return MakeIconFile(2, {MakeIconImage32(8)});
}

Bytes MakeJpeg() {
    return {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J',  'F',  'I',  'F',  0x00, 0x01, 0x01,
            0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0xFF, 0xC0, 0x00, 0x0B, 0x08, 0x00,
            0x01, 0x00, 0x01, 0x01, 0x01, 0x11, 0x00, 0xFF, 0xDA, 0x00, 0x08, 0x01, 0x01,
            0x00, 0x00, 0x3F, 0x00, 0x12, 0x34, 0x56, 0x78, 0x9A, 0xFF, 0xD9};
}

Bytes JpegSegment(std::uint8_t marker, const Bytes& payload) {
    const std::size_t length = payload.size() + 2;
    return Compose({{0xFF, marker, static_cast<std::uint8_t>(length >> 8),
                     static_cast<std::uint8_t>(length & 0xFF)},
                    payload});
}

Bytes WithTables(const Bytes& jpeg) {
    const auto app0End = jpeg.begin() + 20;
    return Compose({Bytes(jpeg.begin(), app0End), JpegSegment(0xDB, Compose({{0}, Bytes(64, 1)})),
                    Bytes(app0End, jpeg.end())});
}

Bytes RiffChunk(std::string_view id, const Bytes& body) {
    Bytes chunk = ToBytes(id);
    PutLE32(chunk, static_cast<std::uint32_t>(body.size()));
    Append(chunk, body);
    if (body.size() % 2) chunk.push_back(0);
    return chunk;
}

Bytes MakeExifJpeg(std::size_t dataBytes) {
    const Bytes tables = JpegSegment(0xDB, Compose({{0}, Bytes(64, 1)}));
    const Bytes frame = JpegSegment(0xC0, {8, 0, 1, 0, 1, 1, 1, 0x11, 0});
    const Bytes scan = JpegSegment(0xDA, {1, 1, 0, 0, 0x3F, 0});
    const Bytes thumbnail = Compose({{0xFF, 0xD8}, tables, frame, scan, Filler(20), {0xFF, 0xD9}});
    return Compose({{0xFF, 0xD8},
                    JpegSegment(0xE1, Compose({ToBytes("Exif"), {0, 0}, thumbnail})),
                    tables,
                    frame,
                    scan,
                    Filler(dataBytes, 7),
                    {0xFF, 0xD9}});
}

Bytes MakeRiff(std::string_view form, const Bytes& payload) {
    Bytes riff = ToBytes("RIFF");
    PutLE32(riff, static_cast<std::uint32_t>(form.size() + payload.size()));
    Append(riff, ToBytes(form));
    Append(riff, payload);
    return riff;
}

Bytes MakeAni(const std::vector<Bytes>& frames) {
    Bytes payload = ToBytes("anih");
    PutLE32(payload, 36);
    const auto count = static_cast<std::uint32_t>(frames.size());
    // Its own size, frames, steps, width and height and bits and planes (none: taken from the
    // frames), the rate in 1/60 s, and the flag that the frames are icons.
    for (const std::uint32_t field : {36u, count, count, 0u, 0u, 0u, 0u, 10u, 1u})
        PutLE32(payload, field);
    Bytes list = ToBytes("fram");
    for (const Bytes& frame : frames) {
        Append(list, ToBytes("icon"));
        PutLE32(list, static_cast<std::uint32_t>(frame.size()));
        Append(list, frame);
        if (frame.size() % 2 != 0) list.push_back(0);
    }
    Append(payload, ToBytes("LIST"));
    PutLE32(payload, static_cast<std::uint32_t>(list.size()));
    Append(payload, list);
    return MakeRiff("ACON", payload);
}

Bytes MakeMidi(int tracks) {
    Bytes midi = ToBytes("MThd");
    PutBE32(midi, 6);
    Append(midi, {0x00, 0x01, 0x00, static_cast<std::uint8_t>(tracks), 0x00, 0x60});
    const Bytes events = {0x00, 0x90, 0x3C, 0x40, 0x60, 0x80, 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00};
    for (int t = 0; t < tracks; ++t) {
        Append(midi, ToBytes("MTrk"));
        PutBE32(midi, static_cast<std::uint32_t>(events.size()));
        Append(midi, events);
    }
    return midi;
}

Bytes Filler(std::size_t size, std::uint32_t seed) {
    Bytes bytes(size);
    std::uint32_t state = seed * 2654435761u + 1;
    for (auto& byte : bytes) {
        state = state * 1664525u + 1013904223u;
        byte = static_cast<std::uint8_t>(0xA0 | (state >> 27));
    }
    return bytes;
}

}  // namespace morvane::test
