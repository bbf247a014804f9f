#include "MainDialogs.h"

#include <QWidget>

#include "BoxMessageSink.h"
#include "Form5.h"
#include "Form7.h"
#include "HelpPage.h"
#include "ScanSettings.h"
#include "frmAbout.h"

namespace morvane {

void MainDialogs::ShowOptions(QWidget& owner, const QString& title) {
    BoxMessageSink sink(boxes_, appTitle_);
    ShowOptionsDialog(&owner, settings_, sink, title);
}

void MainDialogs::ShowLanguages(QWidget& owner, const QString& title) {
    BoxMessageSink sink(boxes_, appTitle_);
    ShowLanguageDialog(&owner, settings_, appFolder_, sink, title);
}

void MainDialogs::ShowHelp() {
    OpenHelpPage(settings_.language, appFolder_);
}

void MainDialogs::ShowAbout(QWidget& owner, const std::optional<QString>& menuCaption) {
    ShowAboutBox(&owner, settings_.language, appTitle_, owner.windowIcon(), menuCaption,
                 OutputFolderNote(outputRoot_, settings_.language));
}

}  // namespace morvane
