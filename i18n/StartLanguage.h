// The language the program starts in: the stored value, made safe before any window uses it.
#pragma once

#include <QString>
#include <optional>

namespace morvane {

inline constexpr QStringView kEnglishFileName = u"English.ini";
// The fallback spells the name in lower case; on a case-sensitive file system the lookup of
// language files accepts either spelling.
inline constexpr QStringView kEnglishFallbackName = u"english.ini";

struct StartLanguage {
    QString language;
    std::optional<QString> message;  // for the user, when the stored language had to be replaced
};

// `appFolder` + "English.ini": the language of a first start.
QString DefaultLanguageFile(const QString& appFolder);

// The language for a stored value: a value that is blank becomes DefaultLanguageFile; "Default"
// is kept unchecked; a path with no file behind it is replaced by `appFolder` + "english.ini"
// when its lower-case form contains "english.ini", else by "Default", with a message that
// names the old value and the new one. A value that is kept keeps its blanks.
StartLanguage ChooseStartLanguage(const QString& stored, const QString& appFolder);

}  // namespace morvane
