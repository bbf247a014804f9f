// The text lookup of one language: the language value ("Default" or a file path) and the
// parsed file behind it, read once on the first lookup and kept for the rest.
#pragma once

#include <QString>
#include <QStringView>
#include <optional>

#include "IniDocument.h"

namespace morvane {

// The language value that stands for the built-in Greek texts.
inline constexpr QStringView kDefaultLanguage = u"Default";
// The only section of a language file that the program reads.
inline constexpr QStringView kLanguageSection = u"Language";
// What a lookup yields for a key the language lacks; windows keep their own caption then.
inline constexpr QStringView kMissingText = u"##";

class LanguageText {
  public:
    explicit LanguageText(QString language);

    const QString& Language() const noexcept { return language_; }

    // Whether the language is exactly "Default": the built-in texts, no file at all.
    bool IsDefault() const noexcept { return language_ == kDefaultLanguage; }

    // The text of `key` in the section "Language", or "##" when the file or the key is missing
    // (always "##" for the built-in language, whose texts live in the windows themselves).
    QString Lookup(QStringView key) const;

  private:
    const IniDocument& Document() const;

    QString language_;
    mutable std::optional<IniDocument> document_;  // filled by the first lookup
};

}  // namespace morvane
