#include "MainDialogs.h"

#include "BoxMessageSink.h"
#include "Form1.h"
#include "Form5.h"
#include "Form7.h"
#include "HelpPage.h"
#include "frmAbout.h"

namespace morvane {

void MainDialogs::ShowOptions(const QString& title) {
    if (form1_ == nullptr) return;
    BoxMessageSink sink(*form1_->Setup().messageBoxes, form1_->AppTitle());
    ShowOptionsDialog(form1_, form1_->Settings(), sink, title);
}

void MainDialogs::ShowLanguages(const QString& title) {
    if (form1_ == nullptr) return;
    BoxMessageSink sink(*form1_->Setup().messageBoxes, form1_->AppTitle());
    ShowLanguageDialog(form1_, form1_->Settings(), form1_->Setup().appFolder, sink, title);
}

void MainDialogs::ShowHelp() {
    if (form1_ != nullptr) OpenHelpPage(form1_->Settings().language, form1_->Setup().appFolder);
}

void MainDialogs::ShowAbout(const std::optional<QString>& menuCaption) {
    if (form1_ == nullptr) return;
    ShowAboutBox(form1_, form1_->Settings().language, form1_->AppTitle(), form1_->windowIcon(),
                 menuCaption, OutputFolderNote(outputRoot_, form1_->Settings().language));
}

}  // namespace morvane
