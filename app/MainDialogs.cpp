#include "MainDialogs.h"

#include <QWidget>

#include "BoxMessageSink.h"
#include "Form5.h"
#include "Form7.h"
#include "HelpPage.h"
#include "OutputRootChoice.h"
#include "Session.h"
#include "frmAbout.h"

namespace morvane {

void MainDialogs::ShowOptions(QWidget& owner, const QString& title) {
    BoxMessageSink sink(session_.boxes, session_.appTitle);
    ShowOptionsDialog(&owner, session_.settings, sink, title);
}

void MainDialogs::ShowLanguages(QWidget& owner, const QString& title) {
    BoxMessageSink sink(session_.boxes, session_.appTitle);
    ShowLanguageDialog(&owner, session_.settings, session_.appFolder, sink, title);
}

void MainDialogs::ShowHelp() {
    OpenHelpPage(session_.settings.language, session_.appFolder);
}

void MainDialogs::ShowAbout(QWidget& owner, const std::optional<QString>& menuCaption) {
    const OutputRootChoice outputRoot{session_.outputRoot, session_.outputRootFellBack};
    ShowAboutBox(&owner, session_.settings.language, session_.appTitle, owner.windowIcon(),
                 menuCaption, OutputFolderNote(outputRoot, session_.settings.language));
}

}  // namespace morvane
