#include "LanguageChoice.h"

#include <QDir>

#include "LanguageText.h"

namespace morvane {

namespace {
constexpr qsizetype kIniExtensionLength = 4;  // ".ini"
constexpr QStringView kDefaultEnding = u"Default";

// Whether `language` names the file `entry` already: the entry follows a folder separator in
// it. Language values are written with the platform's separator, and a value carried over from
// Windows has backslashes, so either counts.
bool NamesFile(const QString& language, const QString& entry) {
    const QString lowerLanguage = language.toLower();
    const QString lowerEntry = entry.toLower();
    return lowerLanguage.contains(u'\\' + lowerEntry) || lowerLanguage.contains(u'/' + lowerEntry);
}
}  // namespace

QStringList LanguageEntries(const QString& folder) {
    const QDir dir(folder);
    QStringList entries{kGreekEntry.toString()};
    // Without QDir::CaseSensitive the pattern matches in any letter case, as it does on
    // Windows, so "LANG.INI" copied from an old disk is offered too.
    entries << dir.entryList({QStringLiteral("*.ini")}, QDir::Files | QDir::Hidden | QDir::System,
                             QDir::Name | QDir::IgnoreCase);
    return entries;
}

int PreselectedEntry(const QStringList& entries, const QString& language) {
    const QString lowerLanguage = language.toLower();
    int selected = 0;
    for (int i = 1; i < entries.size(); ++i) {
        const QString lowerName = entries[i].toLower();
        // Two files whose names end alike both match; the later one wins.
        if (lowerName == lowerLanguage.right(lowerName.size())) selected = i;
    }
    if (language.right(kDefaultEnding.size()) == kDefaultEnding) selected = 0;
    return selected;
}

std::optional<LanguageChange> ChooseLanguage(const QString& entry, const QString& language,
                                             const QString& appFolder) {
    if (entry.toLower() == u"greek" && language == kDefaultLanguage) return std::nullopt;
    if (NamesFile(language, entry)) return std::nullopt;
    if (entry != kGreekEntry) {
        const QString name = entry.toUpper().left(entry.size() - kIniExtensionLength);
        return LanguageChange{
            appFolder + entry,
            QStringLiteral("Next time your language will be '") + name + QStringLiteral("'.")};
    }
    return LanguageChange{kDefaultLanguage.toString(),
                          QStringLiteral("Οι ρυθμίσεις θα εφαρμοστούν την επόμενη φορά που θα "
                                         "ανοιχθεί το πρόγραμμα.")};
}

}  // namespace morvane
