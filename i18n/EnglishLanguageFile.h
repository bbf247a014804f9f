// The translation command: the English language file opened in the program the system
// associates with it, as the starting point of a new language.
#pragma once

#include <QString>

namespace morvane {

// The English file of `appFolder` (ending with its separator): "english.ini", or the file of
// that name in another letter case (the program ships "English.ini"); the lower-case path when
// there is neither.
QString EnglishLanguageFile(const QString& appFolder);

// What the translation command tells when the program folder has no English file to start from
// (a Greek-only installation): the file it looked for, and that it is not there.
QString MissingEnglishFileText(const QString& path);

// Hands EnglishLanguageFile to ShellOpen. Whether the file exists is not checked and nothing is
// shown: the caller tells a missing file (MissingEnglishFileText), the opener a failed start.
void OpenEnglishLanguageFile(const QString& appFolder);

}  // namespace morvane
