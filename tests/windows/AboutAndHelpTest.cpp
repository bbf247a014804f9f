// The about box (texts per language, version, titles, mail link, OK) and the help command.
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "HelpPage.h"
#include "ModalProbe.h"
#include "ProgramFolder.h"
#include "RecordingShell.h"
#include "SupportAddress.h"
#include "frmAbout.h"

using morvane::frmAbout;
using morvane::test::ProgramFolder;

namespace {
const QString kTitle = QStringLiteral("Morvane");

QIcon SomeIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::red);
    return QIcon(pixmap);
}

// What the shell was asked to open, relative to the folder ("" for nothing).
QString Opened(const ProgramFolder& app, const QString& language) {
    morvane::test::RecordingShell shell;
    const bool opened = morvane::OpenHelpPage(language, app.Path());
    if (opened == shell.opened.empty()) QTest::qFail("wrong outcome reported", __FILE__, __LINE__);
    return shell.opened.empty() ? QString()
                                : QString::fromStdString(shell.opened.at(0)).remove(app.Path());
}
}  // namespace

class AboutAndHelpTest : public QObject {
    Q_OBJECT

  private slots:
    void texts_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("greek");
        QTest::newRow("built-in") << "Default" << true;
        QTest::newRow("English") << "/opt/morvane/English.ini" << false;
        QTest::newRow("Greek-named file") << "/opt/morvane/Ελληνικά.ini" << false;
        QTest::newRow("default in lower case") << "default" << false;
    }
    void texts() {
        QFETCH(QString, language);
        QFETCH(bool, greek);
        const frmAbout box(language, kTitle, SomeIcon());
        const QString terms = box.lblDescription()->text();
        QVERIFY(terms.contains(QStringLiteral("freeware")));
        QCOMPARE(terms.contains(QRegularExpression(QStringLiteral("[\\x{0370}-\\x{03FF}]"))),
                 greek);
        QVERIFY(terms.contains(greek ? QStringLiteral("εγγύηση") : QStringLiteral("warranty")));
        QCOMPARE(box.Label4()->text(), greek ? QStringLiteral("Αποστολή e-mail") : "Send e-mail");
        // In Greek two sentences run together without a blank, then the freeware sentence.
        if (greek)
            QVERIFY(
                QRegularExpression(QStringLiteral("^[^ \\n].*\\.[^ .\\n][^.\\n]*\\.\\n[^\\n]*$"))
                    .match(terms)
                    .hasMatch());
        QCOMPARE(box.lblTitle()->text(), kTitle);
        QCOMPARE(box.lblVersion()->text(), QStringLiteral("v." MORVANE_PROJECT_VERSION));
        QVERIFY(!box.picIcon()->pixmap().isNull());
    }

    // The title joins the start-up menu caption to the name, or is the name alone (toolbar);
    // then the mail link and OK.
    void titlesMailLinkAndOk() {
        QStringList seen;
        const auto look = [&seen](QDialog* shown) {
            auto* box = qobject_cast<frmAbout*>(shown);
            seen << (box ? box->windowTitle() + u'|' + box->Label4()->text() : "<none>");
        };
        morvane::test::ProbeNextModalDialog(this, look);
        morvane::ShowAboutBox(nullptr, "/opt/morvane/English.ini", kTitle, SomeIcon(), "Περί...");
        morvane::test::ProbeNextModalDialog(this, look);
        morvane::ShowAboutBox(nullptr, "Default", kTitle, SomeIcon(), std::nullopt);
        QCOMPARE(seen, (QStringList{"Περί... Morvane|Send e-mail", "Morvane|Αποστολή e-mail"}));

        morvane::test::RecordingShell shell;
        frmAbout box(QStringLiteral("Default"), kTitle, SomeIcon());
        box.open();
        QCOMPARE(box.Label4()->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(box.Label4(), Qt::LeftButton);
        QTest::mouseClick(box.Label4(), Qt::RightButton);
        QCOMPARE(shell.opened,
                 std::vector<std::string>{std::string("mailto:") + MORVANE_SUPPORT_MAIL});
        QVERIFY(!std::string(MORVANE_SUPPORT_MAIL).empty());
        QTest::mouseClick(box.cmdOK(), Qt::LeftButton);
        QVERIFY(!box.isVisible());
        QCOMPARE(box.result(), int(QDialog::Accepted));
    }

    // Any language file gets the English page; a page must be a file, found in any letter case.
    void helpPageOfTheLanguage() {
        const ProgramFolder app, greekOnly, capitals, folderPage;
        app.Write("help_gr.htm", "<html>gr</html>");
        app.Write("help_eng.htm", "<html>eng</html>");
        QCOMPARE(Opened(app, "Default"), QStringLiteral("help_gr.htm"));
        QCOMPARE(Opened(app, app.Path() + "English.ini"), QStringLiteral("help_eng.htm"));
        QCOMPARE(Opened(app, app.Path() + "Ελληνικά.ini"), QStringLiteral("help_eng.htm"));
        QCOMPARE(Opened(app, "default"), QStringLiteral("help_eng.htm"));
        greekOnly.Write("help_gr.htm", "<html>gr</html>");
        QCOMPARE(Opened(greekOnly, greekOnly.Path() + "English.ini"), QString());
        QVERIFY(QDir(folderPage.Path()).mkdir(QStringLiteral("help_gr.htm")));
        QCOMPARE(Opened(folderPage, "Default"), QString());
        QVERIFY(QFile::setPermissions(capitals.Write("HELP_GR.HTM", "<html>gr</html>"),
                                      QFileDevice::ReadOwner));
        QCOMPARE(Opened(capitals, "Default"), QStringLiteral("HELP_GR.HTM"));
    }
};

QTEST_MAIN(AboutAndHelpTest)
#include "AboutAndHelpTest.moc"
