// The language the program starts in: the stored value, made safe before any window uses it.
#pragma once

#include <QString>
#include <optional>

namespace morvane {

inline constexpr QStringView kEnglishFileName = u"English.ini";
// What a stored path's lower-case form contains when it named an English file, which the
// program folder's own English file then replaces.
inline constexpr QStringView kEnglishFallbackName = u"english.ini";

struct StartLanguage {
    QString language;
    std::optional<QString> message;  // for the user, when the stored language had to be replaced
};

// The language of a first start: the English file of `appFolder`, named as it lies on disk in
// whatever letter case, or "Default" when the installation has none (a Greek-only one).
QString DefaultLanguageFile(const QString& appFolder);

// The language for a stored value: a value that is blank becomes DefaultLanguageFile, silently;
// "Default" is kept unchecked; a path with no file behind it is replaced by the English file of
// `appFolder` (as it lies on disk) when its lower-case form contains "english.ini" and that
// file exists, else by "Default", with a message that names the old value and the new one. A
// value that is kept keeps its blanks.
StartLanguage ChooseStartLanguage(const QString& stored, const QString& appFolder);

}  // namespace morvane
