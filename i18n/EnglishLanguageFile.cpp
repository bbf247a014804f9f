#include "EnglishLanguageFile.h"

#include "IniFileText.h"
#include "ShellOpen.h"

namespace morvane {

QString EnglishLanguageFile(const QString& appFolder) {
    const QString path = appFolder + QStringLiteral("english.ini");
    return FindFileIgnoringCase(path).value_or(path);
}

QString MissingEnglishFileText(const QString& path) {
    return path + QChar(13) + QStringLiteral("does not exist.");
}

void OpenEnglishLanguageFile(const QString& appFolder) {
    ShellOpen(EnglishLanguageFile(appFolder).toStdString());
}

}  // namespace morvane
