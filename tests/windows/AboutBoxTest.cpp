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
        if (greek) {
            // Two sentences run together without a blank, then the freeware sentence.
            const QStringList lines = terms.split(u'\n');
            QCOMPARE(lines.size(), 2);
            QVERIFY(QRegularExpression(QStringLiteral("^[^ ].*\\.[^ .\\n][^.]*\\.$"))
                        .match(lines[0])
                        .hasMatch());
        }
        QCOMPARE(box.lblTitle()->text(), kTitle);
        QCOMPARE(box.lblVersion()->text(), QStringLiteral("v." MORVANE_PROJECT_VERSION));
        QVERIFY(!box.picIcon()->pixmap().isNull());
    }

    // The title joins the menu caption of start-up to the program's name, or is the name alone
    // from the toolbar; the texts follow the language of now.
    void titles() {
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
    }

    void mailLinkAndOk() {
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
};

QTEST_MAIN(AboutBoxTest)
#include "AboutBoxTest.moc"
