#include "HelpPage.h"

#include <optional>

#include "IniFileText.h"
#include "LanguageText.h"
#include "ShellOpen.h"

namespace morvane {

QString HelpPagePath(const QString& language, const QString& appFolder) {
    return appFolder + (language == kDefaultLanguage ? QStringLiteral("help_gr.htm")
                                                     : QStringLiteral("help_eng.htm"));
}

bool OpenHelpPage(const QString& language, const QString& appFolder) {
    // Hidden and read-only pages count; a page copied in capitals from an old disk does too.
    const std::optional<QString> page = FindFileIgnoringCase(HelpPagePath(language, appFolder));
    if (!page) return false;
    ShellOpen(page->toStdString());
    return true;
}

}  // namespace morvane
