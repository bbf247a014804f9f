// Paths the window program works out: the command line's path, the parent folder, the volume
// that holds a path, and where it writes (beside the program, else in the user's data folder).
#include <QDir>
#include <QLabel>
#include <QTest>

#include "CommandLine.h"
#include "OutputRootChoice.h"
#include "TempFolder.h"
#include "Volumes.h"
#include "frmAbout.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace morvane;

class PathsTest : public QObject {
    Q_OBJECT

  private slots:
    void quotesAreStrippedOnceAtEachEnd_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("path");
        const auto row = [](const char* name, const char* text, const char* path) {
            QTest::newRow(name) << QString(text) << QString(path);
        };
        row("quoted, blanks", "\"/tmp/my folder/a.dll\"", "/tmp/my folder/a.dll");
        row("blanks unquoted", "/tmp/my folder/a b", "/tmp/my folder/a b");
        row("closing only", "/tmp/a\"", "/tmp/a");
        row("opening only", "\"/tmp/a", "/tmp/a");
        row("doubled quotes", "\"\"/tmp/a\"\"", "\"/tmp/a\"");
        row("lone quote", "\"", "");
        row("outer blanks stay", " \"/tmp/a\" ", " \"/tmp/a\" ");
    }
    void quotesAreStrippedOnceAtEachEnd() {
        QFETCH(QString, text);
        QFETCH(QString, path);
        QCOMPARE(CleanCommandLinePath(text), path);
    }

    void parentsArgumentsAndVolumes() {
        const QString sep = QDir::separator();
        QCOMPARE(ParentFolder(sep + "a" + sep + "b.dll"), sep + "a");
        QCOMPARE(ParentFolder(sep + "b.dll"), QString());
        QCOMPARE(ParentFolder("b.dll"), QString());
        QCOMPARE(ParentFolder(sep + "a" + sep + "b" + sep), sep + "a" + sep + "b");
#ifndef _WIN32
        char program[] = "morvane", first[] = "/tmp/my", second[] = "folder/x.dll";
        char* argv[] = {program, first, second, nullptr};
        QCOMPARE(CommandLineText(3, argv), QStringLiteral("/tmp/my folder/x.dll"));
        QCOMPARE(CommandLineText(1, argv), QString());
        const QStringList volumes{"/", "/media/usb", "/media/usb2"};
        QStringList found;
        for (const char* path :
             {"/home/user/x", "/media/usb/a/b", "/media/usb2", "/media/usbx/a", "relative/x"})
            found << VolumeOfPath(path, volumes);
        QCOMPARE(found, QStringList({"/", "/media/usb", "/media/usb2", "/", ""}));
        const QStringList listed = ListVolumes();
        QVERIFY(!listed.isEmpty());
        QCOMPARE(listed.first(), QStringLiteral("/"));
        QCOMPARE(listed.count(QStringLiteral("/")), 1);
#endif
    }

    void aWritableProgramFolderKeepsEverythingBesideTheProgram() {
        test::TempFolder program, user;
        const QString userFolder = QString::fromStdString(user.path()) + "Pellam/Morvane";
        const OutputRootChoice choice = ChooseOutputRoot(program.path(), userFolder);
        QCOMPARE(choice.root, program.path());
        QVERIFY(!choice.fellBack && !QDir(userFolder).exists());
        QVERIFY(test::ListTree(program.path()).empty());  // the probe leaves nothing behind
        QVERIFY(OutputFolderNote(choice, QStringLiteral("Default")).isEmpty());
    }

    void aProgramFolderThatCannotBeWrittenFallsBackToTheUserFolder_data() {
        QTest::addColumn<bool>("readOnlyBits");
        QTest::newRow("folder under a file") << false;  // nothing can be made there, as root too
        QTest::newRow("read-only folder") << true;
    }
    void aProgramFolderThatCannotBeWrittenFallsBackToTheUserFolder() {
        QFETCH(bool, readOnlyBits);
        test::TempFolder temp;
        std::string program = temp.Write("program", {1}) + QDir::separator().toLatin1();
#ifndef _WIN32
        if (readOnlyBits) {
            if (geteuid() == 0) QSKIP("root writes into read-only folders");
            program = temp.MakeFolder("installed") + '/';
            chmod(program.c_str(), 0555);
        }
#else
        if (readOnlyBits) QSKIP("permission bits are a POSIX matter");
#endif
        const QString userFolder = QString::fromStdString(temp.path()) + "user/Pellam/Morvane";
        const OutputRootChoice choice = ChooseOutputRoot(program, userFolder);
        QVERIFY(choice.fellBack && QDir(userFolder).exists());
        QCOMPARE(QString::fromStdString(choice.root), QDir::toNativeSeparators(userFolder + u'/'));
        const QString english = OutputFolderNote(choice, QStringLiteral("/x/English.ini"));
        QCOMPARE(english, "Extracted files and LOG.txt are written to " +
                              QString::fromStdString(choice.root));
        QVERIFY(OutputFolderNote(choice, QStringLiteral("Default")).contains(u"LOG.txt"));
        frmAbout about(QStringLiteral("Default"), QStringLiteral("Morvane"), QIcon());
        about.ShowOutputFolder(english);
        QVERIFY(about.lblOutputFolder()->isVisibleTo(&about));
        QCOMPARE(about.lblOutputFolder()->text().remove(QChar(0x200B)), english);
#ifndef _WIN32
        if (readOnlyBits) chmod(program.c_str(), 0755);
#endif
    }
};

QTEST_MAIN(PathsTest)
#include "PathsTest.moc"
