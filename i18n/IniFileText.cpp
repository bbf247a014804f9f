#include "IniFileText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include "AnsiText.h"
#include "Windows1253.h"

namespace morvane {

namespace {
#ifdef _WIN32
constexpr bool kFileNamesIgnoreCase = true;
#else
constexpr bool kFileNamesIgnoreCase = false;
#endif
}  // namespace

std::optional<QString> FindFileIgnoringCase(const QString& path) {
    const QFileInfo exact(path);
    // A file system that ignores letter case finds the file under any name; the name it lies
    // under on disk is then looked up, so that the file is shown and opened as it is named.
    if (exact.isFile() && !kFileNamesIgnoreCase) return path;
    const QString name = exact.fileName();
    if (name.isEmpty()) return std::nullopt;
    const QDir folder = exact.dir();
    // Sorted by name so that, of two names that differ only in case, the same one always wins.
    const QStringList entries =
        folder.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) != 0) continue;
        // The folder as the caller wrote it, its separators too.
        const QString candidate = path.chopped(name.size()) + entry;
        if (QFileInfo(candidate).isFile()) return candidate;
    }
    if (exact.isFile()) return path;
    return std::nullopt;
}

QString DecodeIniText(const QByteArray& bytes) {
    if (const auto marked = QStringConverter::encodingForData(bytes)) {
        // A mark says what the file is; the decoder drops the mark itself.
        QStringDecoder decoder(*marked);
        return decoder(bytes);
    }
    // Stateless, so that a sequence cut off at the end of the file counts as an error instead
    // of waiting for bytes that never come.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError()) return text;
    const std::string_view raw(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (const std::optional<std::u16string> ansi = DecodeWithSystemCodePage(raw))
        return QString::fromStdU16String(*ansi);
    return DecodeWindows1253(bytes);
}

std::optional<QString> ReadIniText(const QString& path) {
    const std::optional<QString> found = FindFileIgnoringCase(path);
    if (!found) return std::nullopt;
    QFile file(*found);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return DecodeIniText(file.readAll());
}

}  // namespace morvane
