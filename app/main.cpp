// morvane: the window program. It browses the machine's files and carves the media out of those
// the user picks, or out of the file or folder named on the command line.
#include <QApplication>
#include <memory>

#include "ApplicationIcon.h"
#include "Catalogue.h"
#include "CatalogueBinding.h"
#include "CommandLine.h"
#include "Form1.h"
#include "MainDialogs.h"
#include "PathHelpers.h"
#include "QSettingsStore.h"
#include "QtMessageBoxes.h"
#include "ShellOpen.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvane"));
    QApplication::setDesktopFileName(QStringLiteral("org.pellam.Morvane"));
    QApplication::setWindowIcon(morvane::ApplicationIcon());

    const std::unique_ptr<morvane::QSettingsStore> store = morvane::QSettingsStore::OpenUserStore();
    morvane::QtMessageBoxes messageBoxes;
    morvane::Form1Setup setup;
    setup.store = store.get();
    setup.messageBoxes = &messageBoxes;
    setup.shell = &morvane::SystemShellOpener();
    setup.appFolder = QString::fromStdString(morvane::AppFolder());
    setup.outputRoot = morvane::AppFolder();
    setup.commandLine = morvane::CommandLineText(argc, argv);
    morvane::Catalogue catalogue;
    setup.catalogue = &catalogue;
    morvane::MainDialogs dialogs;
    setup.dialogs = &dialogs;

    morvane::Form1 form1(setup);
    dialogs.Attach(form1);
    catalogue.Attach(morvane::CataloguePartsOf(form1));
    form1.Form_Load();
    return QApplication::exec();
}
