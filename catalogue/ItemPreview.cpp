#include "ItemPreview.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QtEndian>
#include <algorithm>
#include <optional>

#include "IconImages.h"

namespace morvane {

namespace {
constexpr qsizetype kChunkHeader = 8;  // four letters, then a 32-bit little-endian size
constexpr qsizetype kFormHeader = 12;  // "RIFF", the size, the form's four letters

// A chunk of a RIFF body: where its data starts and how long it is.
struct Chunk {
    QByteArrayView id;
    qsizetype data;
    qsizetype size;
};

// The chunk at `at` in `bytes`, when its header and its whole data lie before `end`.
std::optional<Chunk> ChunkAt(const QByteArray& bytes, qsizetype at, qsizetype end) {
    if (at < 0 || end - at < kChunkHeader) return std::nullopt;
    const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
    if (size > static_cast<quint64>(end - at - kChunkHeader)) return std::nullopt;
    return Chunk{QByteArrayView(bytes.constData() + at, 4), at + kChunkHeader,
                 static_cast<qsizetype>(size)};
}

// The chunks of [begin, end) one after the other, each padded to an even length; the first
// whose id is `id`.
std::optional<Chunk> FindChunk(const QByteArray& bytes, qsizetype begin, qsizetype end,
                               QByteArrayView id) {
    for (qsizetype at = begin; at < end;) {
        const std::optional<Chunk> chunk = ChunkAt(bytes, at, end);
        if (!chunk) return std::nullopt;
        if (chunk->id == id) return chunk;
        at = chunk->data + chunk->size + (chunk->size & 1);
    }
    return std::nullopt;
}

// The first "LIST" chunk of the form whose list type is "fram".
std::optional<Chunk> FrameList(const QByteArray& bytes, qsizetype end) {
    for (qsizetype at = kFormHeader; at < end;) {
        const std::optional<Chunk> list = FindChunk(bytes, at, end, "LIST");
        if (!list) return std::nullopt;
        if (list->size >= 4 && QByteArrayView(bytes.constData() + list->data, 4) == "fram")
            return Chunk{list->id, list->data + 4, list->size - 4};
        at = list->data + list->size + (list->size & 1);
    }
    return std::nullopt;
}

// An icon or a cursor file in memory: its first image. The format is named, since an icon
// directory has no signature for the reader to recognise it by.
QImage FirstIconImage(QByteArray bytes) {
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "ico");
    return reader.read();
}

// An icon group shows its largest image.
QImage ReadIcon(const QString& path) {
    if (const std::optional<QImage> largest = LargestIconImage(path)) return *largest;
    return QImageReader(path, "ico").read();
}

// By its bytes rather than its name: a carved item is what its signature said, whatever its
// ending.
QImage ReadPicture(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

QImage ReadAnimation(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return FirstAnimationFrame(file.readAll());
}
}  // namespace

QImage FirstAnimationFrame(const QByteArray& bytes) {
    if (bytes.size() < kFormHeader || !bytes.startsWith("RIFF") ||
        QByteArrayView(bytes.constData() + 8, 4) != "ACON")
        return {};
    // The form's own size may be cut or overstated by a carved item; the file's end bounds all.
    const quint32 formSize = qFromLittleEndian<quint32>(bytes.constData() + 4);
    const qsizetype end =
        std::min<quint64>(static_cast<quint64>(bytes.size()), quint64(formSize) + kChunkHeader);
    const std::optional<Chunk> frames = FrameList(bytes, end);
    if (!frames) return {};
    const std::optional<Chunk> icon =
        FindChunk(bytes, frames->data, frames->data + frames->size, "icon");
    if (!icon) return {};
    return FirstIconImage(bytes.mid(icon->data, icon->size));
}

QImage ItemPicture(const QString& path, ResourceKind kind) {
    switch (kind) {
        case ResourceKind::ICO:
        case ResourceKind::CUR:
            return ReadIcon(path);
        case ResourceKind::ANI:
            return ReadAnimation(path);
        case ResourceKind::BMP:
        case ResourceKind::JPG:
        case ResourceKind::GIF:  // the reader's first image is the first frame
        case ResourceKind::PNG:
            return ReadPicture(path);
        case ResourceKind::WAV:
        case ResourceKind::MID:
        case ResourceKind::AVI:
        case ResourceKind::Count:
            break;
    }
    return {};
}

}  // namespace morvane
