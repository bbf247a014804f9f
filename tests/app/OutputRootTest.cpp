// Where the window program writes: beside the program while its folder can be written, else in
// the user's data folder, which the about box then names.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>

#include "OutputRootChoice.h"
#include "TempFolder.h"
#include "frmAbout.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace morvane;

class OutputRootTest : public QObject {
    Q_OBJECT

  private slots:
    void aWritableProgramFolderKeepsEverythingBesideTheProgram() {
        test::TempFolder program;
        test::TempFolder user;
        const QString userFolder =
            QString::fromStdString(user.path()) + QStringLiteral("Pellam/Morvane");
        const OutputRootChoice choice = ChooseOutputRoot(program.path(), userFolder);
        QCOMPARE(choice.root, program.path());
        QVERIFY(!choice.fellBack);
        QVERIFY(!QDir(userFolder).exists());
        QVERIFY(test::ListTree(program.path()).empty());  // the probe leaves nothing behind
        QVERIFY(OutputFolderNote(choice, QStringLiteral("Default")).isEmpty());
    }

    void aProgramFolderThatCannotBeWrittenFallsBackToTheUserFolder_data() {
        QTest::addColumn<bool>("readOnlyBits");
        // (Under a regular file nothing can be made, whoever runs the test.)
        QTest::newRow("folder under a file") << false;
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
        const QString userFolder =
            QString::fromStdString(temp.path()) + QStringLiteral("user/Pellam/Morvane");
        const OutputRootChoice choice = ChooseOutputRoot(program, userFolder);
        QVERIFY(choice.fellBack);
        QCOMPARE(QString::fromStdString(choice.root), QDir::toNativeSeparators(userFolder + u'/'));
        QVERIFY(QDir(userFolder).exists());

        const QString english = OutputFolderNote(choice, QStringLiteral("/x/English.ini"));
        QVERIFY(english.startsWith(u"Extracted files and LOG.txt are written to "));
        QVERIFY(english.endsWith(QString::fromStdString(choice.root)));
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

QTEST_MAIN(OutputRootTest)
#include "OutputRootTest.moc"
