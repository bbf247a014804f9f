// morvane: the window program. It browses the machine's files and carves the media out of those
// the user picks, or out of the file or folder named on the command line.
#include <QApplication>
#include <memory>

#include "Catalogue.h"
#include "CatalogueBinding.h"
#include "CommandLine.h"
#include "Form1.h"
#include "MainDialogs.h"
#include "PathHelpers.h"
#include "QSettingsStore.h"
#include "QtMessageBoxes.h"
#include "Session.h"
#include "ShellOpen.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvane"));

    const std::unique_ptr<morvane::QSettingsStore> store = morvane::QSettingsStore::OpenUserStore();
    morvane::QtMessageBoxes messageBoxes;
    morvane::Session session(messageBoxes, morvane::SystemShellOpener(),
                             QString::fromStdString(morvane::AppFolder()), morvane::AppFolder());
    morvane::Catalogue catalogue(session);
    morvane::MainDialogs dialogs(session);

    morvane::Form1 form1(session,
                         {*store, morvane::CommandLineText(argc, argv), catalogue, dialogs});
    catalogue.Attach(morvane::CataloguePartsOf(form1));
    form1.Form_Load();
    return QApplication::exec();
}
