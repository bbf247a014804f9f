#include "LanguageText.h"

#include <utility>

#include "IniString.h"

namespace morvane {

LanguageText::LanguageText(QString language) : language_(std::move(language)) {}

QString LanguageText::Lookup(QStringView key) const {
    return TrimAtNul(Document().GetString(kLanguageSection, key, kMissingText));
}

const IniDocument& LanguageText::Document() const {
    if (!document_) document_ = IsDefault() ? IniDocument() : LoadIniFile(language_);
    return *document_;
}

}  // namespace morvane
