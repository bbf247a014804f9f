// What the language dialog offers and what a choice in it does to the "Language" value. The
// dialog only shows these; they are apart from it so that the rules read in one place.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace morvane {

// The list entry that stands for the built-in language.
inline constexpr QStringView kGreekEntry = u"Greek";

// "Greek" followed by the names (no folder) of the "*.ini" files in `folder`, hidden and
// read-only ones included, sorted by name without regard to letter case.
QStringList LanguageEntries(const QString& folder);

// The entry to select for the language value: the last file entry whose lower-case name ends
// the lower-case value, or "Greek" (index 0) when none does or the value ends in "Default".
int PreselectedEntry(const QStringList& entries, const QString& language);

struct LanguageChange {
    QString language;  // the new "Language" value
    QString message;   // what the user is told about it
};

// What choosing `entry` does when the language is `language`: nothing when the choice is the
// language already in use; otherwise the new value (`appFolder` + the file name, or "Default"
// for "Greek") and the message announcing it for the next start.
std::optional<LanguageChange> ChooseLanguage(const QString& entry, const QString& language,
                                             const QString& appFolder);

}  // namespace morvane
