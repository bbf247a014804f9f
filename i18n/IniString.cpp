#include "IniString.h"

#include "IniFileText.h"

namespace morvane {

QString TrimAtNul(QStringView text) {
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return (nul < 0 ? text : text.first(nul)).toString();
}

IniDocument LoadIniFile(const QString& file) {
    const std::optional<QString> text = ReadIniText(file);
    return text ? IniDocument::Parse(*text) : IniDocument();
}

QString ReadIniString(QStringView section, QStringView key, QStringView fallback,
                      const QString& file) {
    return TrimAtNul(LoadIniFile(file).GetString(section, key, fallback));
}

}  // namespace morvane
