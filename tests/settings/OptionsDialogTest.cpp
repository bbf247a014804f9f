// The options dialog: every check box with its option, the limit's conversions and refusals,
// OK against cancel and the close box, the pages, the captions of a language file and the limit
// row that follows a translated caption.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include "Form5.h"
#include "LimitRow.h"
#include "ModalProbe.h"
#include "ProgramFolder.h"
#include "ScanSettings.h"
#include "SettingsFakes.h"
#include "Twips.h"

using morvane::Form5;
using morvane::ScanSettings;
using morvane::TwipsScale;

namespace {

// The options that are not kinds, with the number of the check box that language files name.
const std::pair<int, bool ScanSettings::*> kOtherOptions[] = {
    {11, &ScanSettings::scanSubFolders}, {12, &ScanSettings::makeFolderForEachFile},
    {13, &ScanSettings::limitSearch},    {14, &ScanSettings::deleteOnExit},
    {15, &ScanSettings::readResources},  {16, &ScanSettings::checkItems}};

// Every option of `settings`: the kinds first, then the others.
QList<bool*> Options(ScanSettings& settings) {
    QList<bool*> options;
    for (const morvane::ResourceKind kind : morvane::kAllKinds)
        options << &settings.scanKind[morvane::KindIndex(kind)];
    for (const auto& [check, flag] : kOtherOptions) options << &(settings.*flag);
    return options;
}

// The check box of each option, in the same order: a kind's box is found by its caption.
QList<QCheckBox*> Boxes(const Form5& dialog) {
    QList<QCheckBox*> boxes;
    for (const morvane::ResourceKind kind : morvane::kAllKinds) {
        const std::string_view name = morvane::KindName(kind);
        const QString caption =
            QStringLiteral("Αναζήτηση %1.").arg(QLatin1String(name.data(), qsizetype(name.size())));
        QCheckBox* found = nullptr;
        for (int check = 1; check <= Form5::kCheckCount; ++check)
            if (dialog.Check(check)->text() == caption) found = dialog.Check(check);
        boxes << found;
    }
    for (const auto& [check, flag] : kOtherOptions) boxes << dialog.Check(check);
    return boxes;
}

ScanSettings AllOn() {
    ScanSettings settings;
    for (bool* option : Options(settings)) *option = true;
    settings.limitSearchValue = 100;
    settings.language = QStringLiteral("Default");
    return settings;
}

}  // namespace

class OptionsDialogTest : public QObject {
    Q_OBJECT

  private:
    morvane::test::ProgramFolder folder_;
    morvane::test::RecordingMessages messages_;

  private slots:
    void init() { messages_.shown.clear(); }

    // One option off: only its box shows unchecked, and checking it again before OK turns only
    // that option back on.
    void eachCheckBoxShowsAndSetsItsOption() {
        for (int off = 0; off < Form5::kCheckCount; ++off) {
            ScanSettings settings = AllOn();
            *Options(settings)[off] = false;
            Form5 dialog(settings, messages_);
            const QList<QCheckBox*> boxes = Boxes(dialog);
            for (int other = 0; other < Form5::kCheckCount; ++other) {
                QVERIFY(boxes[other] != nullptr);
                QCOMPARE(boxes[other]->isChecked(), other != off);
            }
            QCOMPARE(dialog.Text1()->text(), QStringLiteral("100"));
            boxes[off]->setChecked(true);
            dialog.Command2_Click();
            QCOMPARE(settings, AllOn());
        }
        ScanSettings settings = AllOn();
        settings.limitSearch = false;
        Form5 dialog(settings, messages_);
        dialog.Check(13)->setCheckState(Qt::PartiallyChecked);  // greyed counts as checked
        dialog.Command2_Click();
        QVERIFY(settings.limitSearch);
    }

    void limit_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("stored");     // what OK stores
        QTest::addColumn<QString>("shown");  // what the box shows then; empty: OK is refused
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
        for (const char* beyond :
             {"99999999999", "2147483648", "2147483647.5", "-2147483649", "1e400"})
            QTest::newRow(beyond) << beyond << 55 << "";
    }
    // Beyond 32 bits, OK says so, shows the limit's page and keeps everything, and a cancel
    // after the refusal still does.
    void limit() {
        QFETCH(QString, text);
        QFETCH(int, stored);
        QFETCH(QString, shown);
        ScanSettings settings = AllOn();
        settings.limitSearchValue = 55;
        const ScanSettings before = settings;
        Form5 dialog(settings, messages_);
        dialog.open();
        dialog.Check(1)->setChecked(!shown.isEmpty());
        dialog.Text1()->setText(text);
        QTest::mouseClick(dialog.Command2(), Qt::LeftButton);
        QCOMPARE(dialog.isVisible(), shown.isEmpty());
        QCOMPARE(settings.limitSearchValue, stored);
        if (!shown.isEmpty()) {
            QCOMPARE(dialog.Text1()->text(), shown);
            QCOMPARE(messages_.shown, QStringList());
            return;
        }
        QCOMPARE(messages_.shown.size(), 1);
        QVERIFY(messages_.shown.first().contains(QStringLiteral("2147483647")));
        QVERIFY(dialog.Frame2()->isVisible());
        QCOMPARE(settings, before);
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
            closeBox ? void(dialog.close()) : QTest::mouseClick(dialog.Command1(), Qt::LeftButton);
            QVERIFY(!dialog.isVisible());
            QCOMPARE(settings, before);
        }
    }

    void pagesFollowTheTabs() {
        ScanSettings settings = AllOn();
        Form5 dialog(settings, messages_);
        dialog.show();
        QCOMPARE(dialog.Frame2()->geometry(), dialog.Frame1()->geometry());
        QVERIFY(dialog.Frame1()->isVisible() && !dialog.Frame2()->isVisible());
        QVERIFY(!dialog.Label2()->isVisible());
        QTabBar* tabs = dialog.TabStrip1();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        QVERIFY(!dialog.Frame1()->isVisible() && dialog.Frame2()->isVisible());
        QVERIFY(dialog.Text1()->isVisible());
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
        QVERIFY(dialog.Frame1()->isVisible() && !dialog.Frame2()->isVisible());

        QString title;
        morvane::test::ProbeNextModalDialog(this, [&title](QDialog* shown) {
            if (shown != nullptr) title = shown->windowTitle();
        });
        morvane::ShowOptionsDialog(nullptr, settings, messages_, QStringLiteral("Settings"));
        QCOMPARE(title, QStringLiteral("Settings"));
    }

    void languageFileCaptions() {
        ScanSettings settings = AllOn();
        settings.language = folder_.Write("partial.ini",
                                          "[Language]\n"
                                          "Form5.tabstrip1.1=Search Types\n"
                                          "Form5.Check3=Search for JPG.\n"
                                          "Form5.Check5=##\n"
                                          "Form5.Command1=Cancel\n"
                                          "Form5.Label1=MB.\n"
                                          "Form5.Frame1=Formats\n");
        const Form5 dialog(settings, messages_);
        QCOMPARE(dialog.TabStrip1()->tabText(0), QStringLiteral("Search Types"));
        QCOMPARE(dialog.TabStrip1()->tabText(1), QStringLiteral("##"));  // missing tab key
        QCOMPARE(dialog.Check(3)->text(), QStringLiteral("Search for JPG."));
        QCOMPARE(dialog.Check(5)->text(), QStringLiteral("Αναζήτηση GIF."));
        QCOMPARE(dialog.Check(4)->text(), QStringLiteral("Αναζήτηση CUR."));
        QCOMPARE(dialog.Command1()->text(), QStringLiteral("Cancel"));
        QCOMPARE(dialog.Command2()->text(), QStringLiteral("OK"));
        QCOMPARE(dialog.Label1()->text(), QStringLiteral("MB."));
        QCOMPARE(dialog.Frame1()->title(), QStringLiteral("Formats"));
    }

    // The box follows the check box at 180 twips, but never right of 3240 twips.
    void limitRowRules() {
        QStringList rows;
        for (const int caption : {1000, 2340, 2341, 9000}) {
            const morvane::LimitRow row = morvane::LayOutLimitRow(240, caption, 735);
            rows << QStringLiteral("%1 %2 %3")
                        .arg(row.check13Width)
                        .arg(row.text1Left)
                        .arg(row.label1Left);
        }
        QCOMPARE(rows, QStringList({"1480 1900 2755", "2820 3240 4095", "2821 3240 4095",
                                    "9480 3240 4095"}));
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
            folder_.Write("limit.ini", "[Language]\nForm5.Check13=" + caption + "\n");
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
