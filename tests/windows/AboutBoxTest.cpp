// The about box: its texts in Greek for the built-in language and in English for any language
// file, the version, the two titles, the mail link and the OK button.
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "ModalProbe.h"
#include "RecordingShell.h"
#include "SupportAddress.h"
#include "frmAbout.h"

using morvane::frmAbout;
using morvane::test::RecordingShell;

namespace {

const QString kTitle = QStringLiteral("Morvane");

QIcon SomeIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::red);
    return QIcon(pixmap);
}

}  // namespace

class AboutBoxTest : public QObject {
    Q_OBJECT

  private slots:
    void greekForTheBuiltInLanguage() {
        const frmAbout box(QStringLiteral("Default"), kTitle, SomeIcon());
        const QString terms = box.lblDescription()->text();
        const QStringList lines = terms.split(u'\n');
        QCOMPARE(lines.size(), 2);
        // Two sentences run together without a blank, then the freeware sentence.
        static const QRegularExpression kJoined(QStringLiteral("^[^ ].*\\.[^ .\\n][^.]*\\.$"));
        QVERIFY2(kJoined.match(lines[0]).hasMatch(), qPrintable(lines[0]));
        QVERIFY(lines[1].contains(QStringLiteral("freeware")));
        QVERIFY(terms.contains(QStringLiteral("εγγύηση")));
        QCOMPARE(box.Label4()->text(), QStringLiteral("Αποστολή e-mail"));
    }

    void englishForEveryLanguageFile_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "/opt/morvane/English.ini";
        QTest::newRow("Greek-named file") << "/opt/morvane/Ελληνικά.ini";
        QTest::newRow("default in lower case") << "default";
    }

    void englishForEveryLanguageFile() {
        QFETCH(QString, language);
        const frmAbout box(language, kTitle, SomeIcon());
        const QString terms = box.lblDescription()->text();
        QVERIFY(terms.contains(QStringLiteral("freeware")));
        QVERIFY(terms.contains(QStringLiteral("warranty")));
        static const QRegularExpression kGreekLetter(QStringLiteral("[\\x{0370}-\\x{03FF}]"));
        QVERIFY(!terms.contains(kGreekLetter));
        QCOMPARE(box.Label4()->text(), QStringLiteral("Send e-mail"));
    }

    void titleVersionAndIcon() {
        const frmAbout box(QStringLiteral("Default"), kTitle, SomeIcon());
        QCOMPARE(box.windowTitle(), kTitle);
        QCOMPARE(box.lblTitle()->text(), kTitle);
        QCOMPARE(box.lblVersion()->text(), QStringLiteral("v." MORVANE_PROJECT_VERSION));
        QVERIFY(QRegularExpression(QStringLiteral("^v\\.\\d+\\.\\d+\\.\\d+$"))
                    .match(box.lblVersion()->text())
                    .hasMatch());
        QVERIFY(!box.picIcon()->pixmap().isNull());
        QCOMPARE(box.Label4()->cursor().shape(), Qt::PointingHandCursor);
    }

    void titleFromMenuOrToolbar() {
        QStringList titles;
        const auto look = [&titles](QDialog* shown) {
            titles << (shown != nullptr ? shown->windowTitle() : QStringLiteral("<none>"));
        };
        morvane::test::ProbeNextModalDialog(this, look);
        morvane::ShowAboutBox(nullptr, QStringLiteral("Default"), kTitle, SomeIcon(),
                              QStringLiteral("Περί..."));
        morvane::test::ProbeNextModalDialog(this, look);
        morvane::ShowAboutBox(nullptr, QStringLiteral("Default"), kTitle, SomeIcon(), std::nullopt);
        QCOMPARE(titles, (QStringList{QStringLiteral("Περί... Morvane"), kTitle}));
    }

    // A language chosen during the run: the title keeps the start-up menu caption, the texts
    // follow the new language.
    void menuCaptionFromStartUpTextsFromNow() {
        QString title;
        QString mail;
        morvane::test::ProbeNextModalDialog(this, [&title, &mail](QDialog* shown) {
            if (auto* box = qobject_cast<frmAbout*>(shown)) {
                title = box->windowTitle();
                mail = box->Label4()->text();
            }
        });
        morvane::ShowAboutBox(nullptr, QStringLiteral("/opt/morvane/English.ini"), kTitle,
                              SomeIcon(), QStringLiteral("Περί..."));
        QCOMPARE(title, QStringLiteral("Περί... Morvane"));
        QCOMPARE(mail, QStringLiteral("Send e-mail"));
    }

    void mailLinkWritesToTheSupportAddress() {
        RecordingShell shell;
        frmAbout box(QStringLiteral("Default"), kTitle, SomeIcon());
        box.show();
        QTest::mouseClick(box.Label4(), Qt::LeftButton);
        QTest::mouseClick(box.Label4(), Qt::RightButton);
        QCOMPARE(shell.opened,
                 std::vector<std::string>{std::string("mailto:") + MORVANE_SUPPORT_MAIL});
        QVERIFY(!std::string(MORVANE_SUPPORT_MAIL).empty());
    }

    void okCloses() {
        frmAbout box(QStringLiteral("Default"), kTitle, SomeIcon());
        box.open();
        QTest::mouseClick(box.cmdOK(), Qt::LeftButton);
        QVERIFY(!box.isVisible());
        QCOMPARE(box.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(AboutBoxTest)
#include "AboutBoxTest.moc"
