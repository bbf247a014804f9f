// The help command: the page of the current language, handed to the shell only when it is there.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "HelpPage.h"
#include "RecordingShell.h"
#include "TestFiles.h"

using morvane::OpenHelpPage;
using morvane::test::RecordingShell;
using morvane::test::WriteFile;

class HelpCommandTest : public QObject {
    Q_OBJECT

  private:
    QString AppFolder() const { return QDir(appFolder_.path()).absolutePath() + u'/'; }

    std::vector<std::string> Opened(const QString& language) {
        RecordingShell shell;
        const bool opened = OpenHelpPage(language, AppFolder());
        if (opened == shell.opened.empty())
            QTest::qFail("OpenHelpPage reported another outcome than it had", __FILE__, __LINE__);
        return shell.opened;
    }

    std::vector<std::string> Only(const QString& path) { return {path.toStdString()}; }

    QTemporaryDir appFolder_;

  private slots:
    void init() {
        QDir(appFolder_.path()).removeRecursively();
        QVERIFY(QDir().mkpath(appFolder_.path()));
    }

    void pageOfTheLanguage() {
        WriteFile(appFolder_, "help_gr.htm", "<html>gr</html>");
        WriteFile(appFolder_, "help_eng.htm", "<html>eng</html>");
        QCOMPARE(Opened("Default"), Only(AppFolder() + "help_gr.htm"));
        QCOMPARE(Opened(AppFolder() + "English.ini"), Only(AppFolder() + "help_eng.htm"));
        // Any language file gets the English page; "default" in lower case is a file path.
        QCOMPARE(Opened(AppFolder() + "Ελληνικά.ini"), Only(AppFolder() + "help_eng.htm"));
        QCOMPARE(Opened("default"), Only(AppFolder() + "help_eng.htm"));
    }

    void withoutThePageNothingHappens() {
        WriteFile(appFolder_, "help_eng.htm", "<html>eng</html>");
        QVERIFY(QDir(AppFolder()).mkdir(QStringLiteral("help_gr.htm")));
        QCOMPARE(Opened("Default"), std::vector<std::string>());
        QVERIFY(QDir(AppFolder()).rmdir(QStringLiteral("help_gr.htm")));
        QFile::remove(AppFolder() + "help_eng.htm");
        WriteFile(appFolder_, "help_gr.htm", "<html>gr</html>");
        QCOMPARE(Opened(AppFolder() + "English.ini"), std::vector<std::string>());
    }

    void readOnlyAndOtherLetterCaseCount() {
        const QString page = WriteFile(appFolder_, "HELP_GR.HTM", "<html>gr</html>");
        QVERIFY(QFile::setPermissions(page, QFileDevice::ReadOwner));
        QCOMPARE(Opened("Default"), Only(page));
    }
};

QTEST_MAIN(HelpCommandTest)
#include "HelpCommandTest.moc"
