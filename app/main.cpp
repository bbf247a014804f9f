// morvane: the window program. It browses the machine's files and carves the media out of those
// the user picks, or out of the file or folder named on the command line.
#include <QApplication>
#include <QStandardPaths>
#include <memory>

#include <optional>
#include "ApplicationIcon.h"
#include "Catalogue.h"
#include "CommandLine.h"
#include "Form1.h"
#include "Form3.h"
#include "MainDialogs.h"
#include "OutputRootChoice.h"
#include "PathHelpers.h"
#include "QSettingsStore.h"
#include "QtMessageBoxes.h"
#include "Session.h"
#include "ShellOpen.h"
#include "TellingShell.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Pellam"));
    QApplication::setApplicationName(QStringLiteral("Morvane"));
    QApplication::setDesktopFileName(QStringLiteral("org.pellam.Morvane"));
    QApplication::setWindowIcon(morvane::ApplicationIcon());

    const std::unique_ptr<morvane::QSettingsStore> store = morvane::QSettingsStore::OpenUserStore();
    morvane::QtMessageBoxes messageBoxes;
    const morvane::OutputRootChoice outputRoot = morvane::ChooseOutputRoot(
        morvane::AppFolder(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    morvane::TellingShell shell(morvane::SystemShellOpener(), messageBoxes);
    morvane::Session session(messageBoxes, shell, QString::fromStdString(morvane::AppFolder()),
                             outputRoot.root);
    shell.SetWords(session.appTitle, session.messages);
    std::optional<morvane::Catalogue> catalogue;  // made by the window from its controls
    morvane::MainDialogs dialogs(session.settings, messageBoxes, session.appTitle,
                                 session.appFolder, outputRoot);

    const auto makeCatalogue =
        [&](const morvane::CatalogueParts& parts) -> morvane::CatalogueCommands& {
        return catalogue.emplace(session, parts);
    };
    morvane::Form1 form1(session,
                         {*store, morvane::CommandLineText(argc, argv), makeCatalogue, dialogs});
    form1.Form_Load();
    if (outputRoot.fellBack && form1.LogWindow() != nullptr)
        form1.LogWindow()->AddLine(
            morvane::OutputFolderNote(outputRoot, session.settings.language));
    return QApplication::exec();
}
