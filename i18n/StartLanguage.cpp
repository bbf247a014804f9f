#include "StartLanguage.h"

#include "IniFileText.h"
#include "LanguageText.h"

namespace morvane {

QString DefaultLanguageFile(const QString& appFolder) {
    return appFolder + kEnglishFileName.toString();
}

StartLanguage ChooseStartLanguage(const QString& stored, const QString& appFolder) {
    const QString language = stored.trimmed().isEmpty() ? DefaultLanguageFile(appFolder) : stored;
    if (language == kDefaultLanguage || FindFileIgnoringCase(language))
        return {language, std::nullopt};

    // The replacement is not checked in turn: a missing English file leaves every text at its
    // built-in or "##" form rather than asking again.
    const QString replacement = language.toLower().contains(kEnglishFallbackName)
                                    ? appFolder + kEnglishFallbackName.toString()
                                    : kDefaultLanguage.toString();
    const QString message =
        language + QChar(13) + QStringLiteral("does not exists. Set Language to ") + replacement;
    return {replacement, message};
}

}  // namespace morvane
