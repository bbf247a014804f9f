// The help command: the page of the current language, handed to the shell only when it is there.
#include <QTest>

#include "HelpPage.h"
#include "ProgramFolder.h"
#include "RecordingShell.h"

using morvane::test::ProgramFolder;

class HelpCommandTest : public QObject {
    Q_OBJECT

  private:
    // What the shell was asked to open, as a path relative to the folder ("" for nothing).
    static QString Opened(const ProgramFolder& app, const QString& language) {
        morvane::test::RecordingShell shell;
        const bool opened = morvane::OpenHelpPage(language, app.Path());
        if (opened == shell.opened.empty())
            QTest::qFail("OpenHelpPage reported another outcome than it had", __FILE__, __LINE__);
        return shell.opened.empty() ? QString()
                                    : QString::fromStdString(shell.opened.at(0)).remove(app.Path());
    }

  private slots:
    void pageOfTheLanguage() {
        const ProgramFolder app;
        app.Write("help_gr.htm", "<html>gr</html>");
        app.Write("help_eng.htm", "<html>eng</html>");
        QCOMPARE(Opened(app, "Default"), QStringLiteral("help_gr.htm"));
        QCOMPARE(Opened(app, app.Path() + "English.ini"), QStringLiteral("help_eng.htm"));
        // Any language file gets the English page; "default" in lower case is a file path.
        QCOMPARE(Opened(app, app.Path() + "Ελληνικά.ini"), QStringLiteral("help_eng.htm"));
        QCOMPARE(Opened(app, "default"), QStringLiteral("help_eng.htm"));
    }

    void withoutThePageNothingHappens() {
        const ProgramFolder app;
        app.Write("help_eng.htm", "<html>eng</html>");
        QVERIFY(QDir(app.Path()).mkdir(QStringLiteral("help_gr.htm")));
        QCOMPARE(Opened(app, "Default"), QString());
        const ProgramFolder greekOnly;
        greekOnly.Write("help_gr.htm", "<html>gr</html>");
        QCOMPARE(Opened(greekOnly, greekOnly.Path() + "English.ini"), QString());
    }

    void readOnlyAndOtherLetterCaseCount() {
        const ProgramFolder app;
        QVERIFY(QFile::setPermissions(app.Write("HELP_GR.HTM", "<html>gr</html>"),
                                      QFileDevice::ReadOwner));
        QCOMPARE(Opened(app, "Default"), QStringLiteral("HELP_GR.HTM"));
    }
};

QTEST_MAIN(HelpCommandTest)
#include "HelpCommandTest.moc"
