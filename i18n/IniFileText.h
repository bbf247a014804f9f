// Finding and decoding a language file. Translators save these files with whatever editor they
// have, so the text may be UTF-8 (with or without a byte-order mark), UTF-16 with a mark, or
// 8-bit text: in the system's code page on Windows, as the system's editors save it, and
// elsewhere the Greek code page that older Windows editors wrote.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace morvane {

// The path of the file to read for `path`: the path itself when a file is there, else a file in
// the same folder whose name differs only in letter case (the program names its English file
// both "English.ini" and "english.ini", which a case-sensitive file system tells apart).
// Nothing when neither exists; folders never count.
std::optional<QString> FindFileIgnoringCase(const QString& path);

// The text of a language file's bytes: UTF-8 after a UTF-8 mark, UTF-16 after a UTF-16 mark,
// otherwise UTF-8 when the bytes are valid UTF-8; when they are not, the active ANSI code page
// on Windows and Windows-1253 elsewhere.
QString DecodeIniText(const QByteArray& bytes);

// The decoded text of the file found by FindFileIgnoringCase; nothing when there is no such
// file or it cannot be read.
std::optional<QString> ReadIniText(const QString& path);

}  // namespace morvane
