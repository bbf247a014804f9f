// A parsed INI text, answered with the rules of the Windows profile-string reader that the
// language files were first written for: section and key names match without regard to case,
// the blanks around a value do not count, a value in matching quotes loses them, and the
// answer is cut to the 255 characters that reader's buffer holds.
#pragma once

#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

namespace morvane {

// The number of characters a looked-up value keeps.
inline constexpr qsizetype kIniValueLimit = 255;

class IniDocument {
  public:
    // An empty document answers every question with the default, like a missing file.
    IniDocument() = default;

    // Section lines are "[name]"; key lines are "name=value"; lines that are blank, start
    // with ";" or hold no "=" are skipped. Lines before the first section belong to none.
    static IniDocument Parse(QStringView text);

    // The value of the first key named `key` in the first section named `section`, as it
    // stands in the file with its surrounding blanks removed; nothing when either is missing.
    std::optional<QString> Find(QStringView section, QStringView key) const;

    // The value that the profile reader hands back: the found value without enclosing quotes,
    // or else `fallback` without trailing blanks; either cut to kIniValueLimit characters.
    QString GetString(QStringView section, QStringView key, QStringView fallback) const;

  private:
    struct Entry {
        QString key;
        QString value;
    };
    struct Section {
        QString name;
        std::vector<Entry> entries;
    };

    void AddLine(QStringView line);

    std::vector<Section> sections_;
};

}  // namespace morvane
