// morvane: the window program. It browses the machine's files and carves the media out of those
// the user picks, or out of the file or folder named on the command line.
#include <QApplication>
#include <QStandardPaths>
#include <memory>

#include "ApplicationIcon.h"
#include "Catalogue.h"
#include "CatalogueBinding.h"
#include "CommandLine.h"
#include "Form1.h"
#include "Form3.h"
#include "MainDialogs.h"
#include "OutputRootChoice.h"
#include "PathHelpers.h"
#include "QSettingsStore.h"
#include "QtMessageBoxes.h"
#include "ShellOpen.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Pellam"));
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
    const morvane::OutputRootChoice outputRoot = morvane::ChooseOutputRoot(
        morvane::AppFolder(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    setup.outputRoot = outputRoot.root;
    setup.commandLine = morvane::CommandLineText(argc, argv);
    morvane::Catalogue catalogue;
    setup.catalogue = &catalogue;
    morvane::MainDialogs dialogs;
    setup.dialogs = &dialogs;

    morvane::Form1 form1(setup);
    dialogs.Attach(form1);
    dialogs.SetOutputRoot(outputRoot);
    catalogue.Attach(morvane::CataloguePartsOf(form1));
    form1.Form_Load();
    if (outputRoot.fellBack && form1.LogWindow() != nullptr)
        form1.LogWindow()->AddLine(
            morvane::OutputFolderNote(outputRoot, form1.Settings().language));
    return QApplication::exec();
}
