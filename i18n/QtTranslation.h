// Qt's own texts (the buttons of message boxes, the edit menus of text fields) in the language
// of the program's texts: Qt's translations for it where the system has them (Debian's
// qt6-translations-l10n), and Greek of the program's own for the built-in language where they
// lack it. The program's own texts never pass through it.
#pragma once

#include <QLocale>
#include <QString>

#include "LanguageText.h"

namespace morvane {

// The language a language value is written in: Greek for "Default"; for a file, the language
// its key "Locale" names (a code such as "de" or "pt_BR"), else the one its name names, in
// English, in that language itself or as a code ("German.ini", "Deutsch.ini", "de.ini"). The C
// locale when neither says.
QLocale LanguageOf(const LanguageText& language);

// Replaces the translation of Qt's texts by the one for `language`; none when its language is
// unknown or the system has no translation for it (Qt's texts stay English then).
void ApplyQtTranslation(const LanguageText& language);

}  // namespace morvane
