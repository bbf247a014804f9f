// Runs the window program's batch scan of one folder, as a user starts it by naming the folder on
// the command line, and ends when the scan has ended; the time the command takes is the window's
// cost of that batch, to set beside the terminal tool's on the same folder.
//   morvane-window-batch FOLDER OUTPUT_FOLDER [--delete-on-exit]
// The settings are those of a first start (log window open, every kind on), kept in a file of
// their own inside OUTPUT_FOLDER; nothing is deleted at the end, unless asked: then the window is
// closed once the scan has ended and deletes what the batch wrote, as a user's close does.
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cstdio>

#include "Catalogue.h"
#include "Form1.h"
#include "MainDialogs.h"
#include "OutputRootChoice.h"
#include "PathHelpers.h"
#include "QSettingsStore.h"
#include "QtMessageBoxes.h"
#include "Session.h"
#include "ShellOpen.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const bool deleteOnExit = argc == 4 && QByteArray(argv[3]) == "--delete-on-exit";
    if (argc != 3 && !deleteOnExit) {
        std::fprintf(stderr,
                     "usage: morvane-window-batch FOLDER OUTPUT_FOLDER [--delete-on-exit]\n");
        return 2;
    }
    const QString output = QDir(QString::fromLocal8Bit(argv[2])).absolutePath() + QDir::separator();
    const std::unique_ptr<morvane::QSettingsStore> store =
        morvane::QSettingsStore::OpenFile(output + QStringLiteral("settings.ini"));
    store->Write(QStringLiteral("Delete_On_Exit"),
                 deleteOnExit ? QStringLiteral("True") : QStringLiteral("False"));
    morvane::QtMessageBoxes boxes;
    morvane::Session session(boxes, morvane::SystemShellOpener(),
                             QString::fromStdString(morvane::AppFolder()), output.toStdString());
    const morvane::OutputRootChoice root{output.toStdString(), false};
    std::optional<morvane::Catalogue> catalogue;
    morvane::MainDialogs dialogs(session.settings, boxes, session.appTitle, session.appFolder,
                                 root);
    morvane::Form1 form1(session,
                         {*store, QString::fromLocal8Bit(argv[1]),
                          [&](const morvane::CatalogueParts& parts) -> morvane::CatalogueCommands& {
                              return catalogue.emplace(session, parts);
                          },
                          dialogs});
    form1.Form_Load();
    if (!form1.IsScanning()) return 1;
    QTimer poll;
    bool closing = false;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (form1.IsScanning()) return;
        if (!deleteOnExit || (closing && !form1.isVisible())) {
            QApplication::quit();
        } else if (!closing) {
            closing = true;
            form1.close();
        }
    });
    poll.start(5);
    return QApplication::exec();
}
