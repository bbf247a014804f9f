// The one-call INI lookup the rest of the program uses for language texts, shaped like the
// platform call it stands for: a fixed buffer filled with the value or the default.
#pragma once

#include <QString>
#include <QStringView>

#include "IniDocument.h"

namespace morvane {

// The part of `text` before its first NUL character; all of it when it has none.
QString TrimAtNul(QStringView text);

// The parsed language file at `file` (see ReadIniText); an empty document when it cannot be read.
IniDocument LoadIniFile(const QString& file);

// The value of `key` in `section` of `file`, or `fallback` when the file, the section or the
// key is missing, with IniDocument::GetString's rules, cut at the first NUL. The file is read
// on every call; code that looks up many keys keeps a LanguageText instead.
QString ReadIniString(QStringView section, QStringView key, QStringView fallback,
                      const QString& file);

}  // namespace morvane
