// The options dialog: check boxes paired with their options by control name, the limit's
// conversions, OK against cancel and the close box, the pages, the captions of a language file
// and the limit row that follows a translated caption.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include "Twips.h"
#include "Form5.h"
#include "LimitRow.h"
#include "ModalProbe.h"
#include "ScanSettings.h"
#include "SettingsFakes.h"
#include "TestFiles.h"

using morvane::TwipsScale;
using morvane::Form5;
using morvane::ResourceKind;
using morvane::ScanSettings;
using morvane::test::RecordingMessages;
using morvane::test::WriteFile;

namespace {

// The option behind each check box, by number: Check3 is JPEG and Check4 cursors.
bool& OptionOf(ScanSettings& settings, int check) {
    switch (check) {
        case 1:
            return settings.scanKind[morvane::KindIndex(ResourceKind::ICO)];
        case 2:
            return settings.scanKind[morvane::KindIndex(ResourceKind::BMP)];
        case 3:
            return settings.scanKind[morvane::KindIndex(ResourceKind::JPG)];
        case 4:
            return settings.scanKind[morvane::KindIndex(ResourceKind::CUR)];
        case 5:
            return settings.scanKind[morvane::KindIndex(ResourceKind::GIF)];
        case 6:
            return settings.scanKind[morvane::KindIndex(ResourceKind::PNG)];
        case 7:
            return settings.scanKind[morvane::KindIndex(ResourceKind::WAV)];
        case 8:
            return settings.scanKind[morvane::KindIndex(ResourceKind::AVI)];
        case 9:
            return settings.scanKind[morvane::KindIndex(ResourceKind::MID)];
        case 10:
            return settings.scanKind[morvane::KindIndex(ResourceKind::ANI)];
        case 11:
            return settings.scanSubFolders;
        case 12:
            return settings.makeFolderForEachFile;
        case 13:
            return settings.limitSearch;
        case 15:
            return settings.readResources;
        case 16:
            return settings.checkItems;
        default:
            return settings.deleteOnExit;
    }
}

ScanSettings AllOn() {
    ScanSettings settings;
    for (int check = 1; check <= Form5::kCheckCount; ++check) OptionOf(settings, check) = true;
    settings.limitSearchValue = 100;
    settings.language = QStringLiteral("Default");
    return settings;
}

// The dialog's controls as the language files name them, "Form5." + object name.
template <typename Control>
Control* Named(const Form5& dialog, const char* name) {
    return dialog.findChild<Control*>(QString::fromLatin1(name));
}

}  // namespace

class OptionsDialogTest : public QObject {
    Q_OBJECT

  private:
    // Opens the dialog on `settings`, enters `limit` and presses OK; true when the dialog closed.
    bool ConfirmLimit(ScanSettings& settings, const QString& limit) {
        Form5 dialog(settings, messages_);
        dialog.open();
        dialog.Text1()->setText(limit);
        QTest::mouseClick(dialog.Command2(), Qt::LeftButton);
        lastLimitText_ = dialog.Text1()->text();
        return !dialog.isVisible();
    }

    QTemporaryDir folder_;
    RecordingMessages messages_;
    QString lastLimitText_;

  private slots:
    void init() { messages_.shown.clear(); }

    void checkBoxesShowTheirOptions_data() {
        QTest::addColumn<int>("check");
        for (int check = 1; check <= Form5::kCheckCount; ++check)
            QTest::addRow("Check%d", check) << check;
    }

    void checkBoxesShowTheirOptions() {
        QFETCH(int, check);
        ScanSettings settings = AllOn();
        OptionOf(settings, check) = false;
        const Form5 dialog(settings, messages_);
        for (int other = 1; other <= Form5::kCheckCount; ++other) {
            const auto* box =
                Named<QCheckBox>(dialog, qPrintable(QStringLiteral("Check%1").arg(other)));
            QVERIFY(box != nullptr);
            QCOMPARE(box->isChecked(), other != check);
        }
    }

    void okCopiesEachCheckBoxToItsOption_data() { checkBoxesShowTheirOptions_data(); }

    void okCopiesEachCheckBoxToItsOption() {
        QFETCH(int, check);
        ScanSettings settings = AllOn();
        Form5 dialog(settings, messages_);
        dialog.open();
        dialog.Check(check)->setChecked(false);
        dialog.Command2_Click();
        ScanSettings expected = AllOn();
        OptionOf(expected, check) = false;
        QCOMPARE(settings, expected);
    }

    void greyedCountsAsChecked() {
        ScanSettings settings = AllOn();
        settings.limitSearch = false;
        Form5 dialog(settings, messages_);
        dialog.Check(13)->setCheckState(Qt::PartiallyChecked);
        dialog.Command2_Click();
        QVERIFY(settings.limitSearch);
    }

    void okWithoutChangesKeepsEverything() {
        ScanSettings settings = AllOn();
        settings.scanKind[morvane::KindIndex(ResourceKind::GIF)] = false;
        settings.limitSearchValue = -7;
        const ScanSettings before = settings;
        QVERIFY(ConfirmLimit(settings, QStringLiteral("-7")));
        QCOMPARE(settings, before);
    }

    void limitConversions_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letters") << "abc" << 100 << "100";
        QTest::newRow("empty") << "" << 100 << "100";
        QTest::newRow("digits then letters") << "12MB" << 100 << "100";
        QTest::newRow("12.5") << "12.5" << 12 << "12.5";
        QTest::newRow("13.5") << "13.5" << 14 << "13.5";
        QTest::newRow("-3") << "-3" << -3 << "-3";
        QTest::newRow("zero") << "0" << 0 << "0";
        QTest::newRow("blanks around") << " 250 " << 250 << " 250 ";
        QTest::newRow("largest") << "2147483647" << 2147483647 << "2147483647";
        QTest::newRow("smallest") << "-2147483648" << -2147483647 - 1 << "-2147483648";
    }

    void limitConversions() {
        QFETCH(QString, text);
        QFETCH(int, stored);
        QFETCH(QString, shown);
        ScanSettings settings = AllOn();
        settings.limitSearchValue = 55;
        QVERIFY(ConfirmLimit(settings, text));
        QCOMPARE(settings.limitSearchValue, stored);
        QCOMPARE(lastLimitText_, shown);
        QCOMPARE(messages_.shown, QStringList());
    }

    void limitBeyond32BitsIsRefused_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("eleven digits") << "99999999999";
        QTest::newRow("one past the largest") << "2147483648";
        QTest::newRow("rounds past the largest") << "2147483647.5";
        QTest::newRow("below the smallest") << "-2147483649";
        QTest::newRow("huge exponent") << "1e400";
    }

    void limitBeyond32BitsIsRefused() {
        QFETCH(QString, text);
        ScanSettings settings = AllOn();
        const ScanSettings before = settings;
        Form5 dialog(settings, messages_);
        dialog.open();
        dialog.Check(1)->setChecked(false);
        dialog.Text1()->setText(text);
        QTest::mouseClick(dialog.Command2(), Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QCOMPARE(messages_.shown.size(), 1);
        QVERIFY(messages_.shown.first().contains(QStringLiteral("2147483647")));
        QVERIFY(dialog.Frame2()->isVisible());  // the page of the limit
        QCOMPARE(settings, before);
        // Cancel after the refusal still leaves everything as it was.
        QTest::mouseClick(dialog.Command1(), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(settings, before);
    }

    void cancelAndCloseBoxKeepEverything() {
        ScanSettings settings = AllOn();
        const ScanSettings before = settings;
        for (const bool closeBox : {false, true}) {
            Form5 dialog(settings, messages_);
            dialog.open();
            for (int check = 1; check <= Form5::kCheckCount; ++check)
                dialog.Check(check)->setChecked(false);
            dialog.Text1()->setText(QStringLiteral("7"));
            if (closeBox)
                dialog.close();
            else
                QTest::mouseClick(dialog.Command1(), Qt::LeftButton);
            QVERIFY(!dialog.isVisible());
            QCOMPARE(settings, before);
        }
    }

    void pagesFollowTheTabs() {
        ScanSettings settings = AllOn();
        Form5 dialog(settings, messages_);
        dialog.show();
        QCOMPARE(dialog.Frame2()->geometry(), dialog.Frame1()->geometry());
        QVERIFY(dialog.Frame1()->isVisible());
        QVERIFY(!dialog.Frame2()->isVisible());
        QVERIFY(!dialog.Label2()->isVisible());
        QTabBar* tabs = Named<QTabBar>(dialog, "TabStrip1");
        QCOMPARE(tabs->tabText(0), QStringLiteral("Τύποι Αναζήτησης"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Γενικά"));
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        QVERIFY(!dialog.Frame1()->isVisible());
        QVERIFY(dialog.Frame2()->isVisible());
        QVERIFY(dialog.Text1()->isVisible());
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
        QVERIFY(dialog.Frame1()->isVisible());
        QVERIFY(!dialog.Frame2()->isVisible());
    }

    void titleComesFromTheCaller() {
        ScanSettings settings = AllOn();
        QString title;
        morvane::test::ProbeNextModalDialog(this, [&title](QDialog* shown) {
            if (shown != nullptr) title = shown->windowTitle();
        });
        morvane::ShowOptionsDialog(nullptr, settings, messages_, QStringLiteral("Settings"));
        QCOMPARE(title, QStringLiteral("Settings"));
    }

    void languageFileCaptions() {
        ScanSettings settings = AllOn();
        settings.language = WriteFile(folder_, "partial.ini",
                                      "[Language]\n"
                                      "Form5.tabstrip1.1=Search Types\n"
                                      "Form5.Check3=Search for JPG.\n"
                                      "Form5.Check5=##\n"
                                      "Form5.Command1=Cancel\n"
                                      "Form5.Label1=MB.\n"
                                      "Form5.Frame1=Formats\n");
        const Form5 dialog(settings, messages_);
        QTabBar* tabs = Named<QTabBar>(dialog, "TabStrip1");
        QCOMPARE(tabs->tabText(0), QStringLiteral("Search Types"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("##"));  // missing tab key
        QCOMPARE(Named<QCheckBox>(dialog, "Check3")->text(), QStringLiteral("Search for JPG."));
        QCOMPARE(Named<QCheckBox>(dialog, "Check5")->text(), QStringLiteral("Αναζήτηση GIF."));
        QCOMPARE(Named<QCheckBox>(dialog, "Check4")->text(), QStringLiteral("Αναζήτηση CUR."));
        QCOMPARE(Named<QPushButton>(dialog, "Command1")->text(), QStringLiteral("Cancel"));
        QCOMPARE(Named<QPushButton>(dialog, "Command2")->text(), QStringLiteral("OK"));
        QCOMPARE(Named<QLabel>(dialog, "Label1")->text(), QStringLiteral("MB."));
        QCOMPARE(Named<QGroupBox>(dialog, "Frame1")->title(), QStringLiteral("Formats"));
    }

    void defaultKeepsDesignedCaptions() {
        ScanSettings settings = AllOn();
        const Form5 dialog(settings, messages_);
        QCOMPARE(dialog.Check(13)->text(), QStringLiteral("Οριο αναζήτησης στα αρχεία:"));
        QCOMPARE(dialog.Check(14)->text(),
                 QStringLiteral("Διαγραφή όλων των αρχείων κατα την έξοδο."));
        QCOMPARE(dialog.Label1()->text(), QStringLiteral("ΜΒ."));
        QCOMPARE(dialog.Command1()->text(), QStringLiteral("Ακύρωση"));
        QCOMPARE(dialog.Text1()->text(), QStringLiteral("100"));
    }

    void limitRowRules() {
        // Short caption: the box follows the check box at 180 twips.
        QCOMPARE(morvane::LayOutLimitRow(240, 1000, 735).check13Width, 1480);
        QCOMPARE(morvane::LayOutLimitRow(240, 1000, 735).text1Left, 1900);
        QCOMPARE(morvane::LayOutLimitRow(240, 1000, 735).label1Left, 2755);
        // Exactly at the limit, and beyond it.
        QCOMPARE(morvane::LayOutLimitRow(240, 2340, 735).text1Left, 3240);
        QCOMPARE(morvane::LayOutLimitRow(240, 2341, 735).text1Left, 3240);
        QCOMPARE(morvane::LayOutLimitRow(240, 9000, 735).label1Left, 4095);
    }

    void limitRowFollowsTheTranslatedCaption_data() {
        QTest::addColumn<QByteArray>("caption");
        QTest::addColumn<bool>("capped");
        QTest::newRow("short") << QByteArray("Cap:") << false;
        QTest::newRow("long") << QByteArray(
                                     "Limit the search in each of the files to no more than:")
                              << true;
    }

    void limitRowFollowsTheTranslatedCaption() {
        QFETCH(QByteArray, caption);
        QFETCH(bool, capped);
        ScanSettings settings = AllOn();
        settings.language =
            WriteFile(folder_, "limit.ini", "[Language]\nForm5.Check13=" + caption + "\n");
        const Form5 dialog(settings, messages_);
        const TwipsScale scale = TwipsScale::Of(dialog);
        const int captionWidth =
            dialog.Check(13)->fontMetrics().horizontalAdvance(QString::fromUtf8(caption));
        QCOMPARE(dialog.Label2()->text(), QString::fromUtf8(caption));
        QCOMPARE(dialog.Label2()->width(), captionWidth);
        const int text1Left = std::min(240 + scale.ToTwipsX(captionWidth) + 480 + 180, 3240);
        QCOMPARE(dialog.Check(13)->width(), scale.ToPixelsX(scale.ToTwipsX(captionWidth) + 480));
        QCOMPARE(dialog.Text1()->x(), scale.ToPixelsX(text1Left));
        QCOMPARE(dialog.Label1()->x(), scale.ToPixelsX(text1Left + 735 + 120));
        QCOMPARE(text1Left == 3240, capped);
    }
};

QTEST_MAIN(OptionsDialogTest)
#include "OptionsDialogTest.moc"
