// The help command: the help page of the current language, opened in the program the system
// associates with web pages.
#pragma once

#include <QString>

namespace morvane {

// `appFolder` + "help_gr.htm" for the built-in language ("Default" exactly), else
// `appFolder` + "help_eng.htm": every language file gets the English page.
QString HelpPagePath(const QString& language, const QString& appFolder);

// Hands the page of `language` to ShellOpen when it exists (the same name in another letter case
// counts); without it nothing happens and nothing is shown. True when the page was handed on.
bool OpenHelpPage(const QString& language, const QString& appFolder);

}  // namespace morvane
