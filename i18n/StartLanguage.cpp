#include "StartLanguage.h"

#include "IniFileText.h"
#include "LanguageText.h"

namespace morvane {

namespace {
// A fallback that names no file would leave every text at its "##" form and ask again at every
// start, so only a file that is there counts.
std::optional<QString> EnglishFileOnDisk(const QString& appFolder) {
    return FindFileIgnoringCase(appFolder + kEnglishFileName.toString());
}
}  // namespace

QString DefaultLanguageFile(const QString& appFolder) {
    return EnglishFileOnDisk(appFolder).value_or(kDefaultLanguage.toString());
}

StartLanguage ChooseStartLanguage(const QString& stored, const QString& appFolder) {
    if (stored.trimmed().isEmpty()) return {DefaultLanguageFile(appFolder), std::nullopt};
    if (stored == kDefaultLanguage || FindFileIgnoringCase(stored)) return {stored, std::nullopt};

    std::optional<QString> english;
    if (stored.toLower().contains(kEnglishFallbackName)) english = EnglishFileOnDisk(appFolder);
    const QString replacement = english.value_or(kDefaultLanguage.toString());
    const QString message =
        stored + QChar(13) + QStringLiteral("does not exists. Set Language to ") + replacement;
    return {replacement, message};
}

}  // namespace morvane
