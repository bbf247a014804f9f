#include "EnglishLanguageFile.h"

#include "IniFileText.h"
#include "ShellOpen.h"

namespace morvane {

QString EnglishLanguageFile(const QString& appFolder) {
    const QString path = appFolder + QStringLiteral("english.ini");
    return FindFileIgnoringCase(path).value_or(path);
}

void OpenEnglishLanguageFile(const QString& appFolder) {
    ShellOpen(EnglishLanguageFile(appFolder).toStdString());
}

}  // namespace morvane
