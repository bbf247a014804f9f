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
#include "ModalProbe.h"
#include "ProgramFolder.h"
#include "ScanSettings.h"
#include "SettingsFakes.h"
#include "Twips.h"

using namespace morvane;

namespace {

// The option a check box stands for: a kind's box names the kind in its caption, the others
// are numbered as language files name them (Check11 to Check16).
bool& OptionOf(ScanSettings& s, const QCheckBox& box) {
    for (const ResourceKind kind : kAllKinds) {
        const std::string_view name = KindName(kind);
        if (box.text() ==
            QStringLiteral("Αναζήτηση %1.").arg(QLatin1String(name.data(), qsizetype(name.size()))))
            return s.scanKind[KindIndex(kind)];
    }
    const std::array<bool ScanSettings::*, 6> others = {
        &ScanSettings::scanSubFolders, &ScanSettings::makeFolderForEachFile,
        &ScanSettings::limitSearch,    &ScanSettings::deleteOnExit,
        &ScanSettings::readResources,  &ScanSettings::checkItems};
    return s.*others.at(box.objectName().mid(5).toUInt() - 11);
}

ScanSettings AllOn() {
    ScanSettings s;
    s.scanKind.fill(true);
    s.deleteOnExit = s.scanSubFolders = s.makeFolderForEachFile = s.limitSearch = true;
    s.readResources = s.checkItems = true;
    s.limitSearchValue = 100;
    s.language = QStringLiteral("Default");
    return s;
}

}  // namespace

class OptionsDialogTest : public QObject {
    Q_OBJECT

  private:
    test::ProgramFolder folder_;
    test::RecordingMessages messages_;

  private slots:
    void init() { messages_.shown.clear(); }

    // One option off: only its box shows unchecked, and checking it again before OK turns only
    // that option back on; cancel and the close box keep everything.
    void eachCheckBoxShowsAndSetsItsOption() {
        for (int off = 1; off <= Form5::kCheckCount; ++off) {
            ScanSettings settings = AllOn();
            OptionOf(settings, *Form5(settings, messages_).Check(off)) = false;
            Form5 dialog(settings, messages_);
            for (int other = 1; other <= Form5::kCheckCount; ++other)
                QCOMPARE(dialog.Check(other)->isChecked(), other != off);
            QCOMPARE(dialog.Text1()->text(), QStringLiteral("100"));
            dialog.Check(off)->setChecked(true);
            dialog.Command2_Click();
            QCOMPARE(settings, AllOn());
        }
        ScanSettings settings = AllOn();
        settings.limitSearch = false;
        Form5 dialog(settings, messages_);
        dialog.Check(13)->setCheckState(Qt::PartiallyChecked);  // greyed counts as checked
        dialog.Command2_Click();
        QVERIFY(settings.limitSearch);
        for (const bool closeBox : {false, true}) {
            Form5 other(settings, messages_);
            other.open();
            for (int check = 1; check <= Form5::kCheckCount; ++check)
                other.Check(check)->setChecked(false);
            other.Text1()->setText(QStringLiteral("7"));
            closeBox ? void(other.close()) : QTest::mouseClick(other.Command1(), Qt::LeftButton);
            QVERIFY(!other.isVisible());
            QCOMPARE(settings, AllOn());
        }
    }

    // What OK stores (an unreadable text: 100) and the box then shows; beyond 32 bits OK says
    // so, shows the limit's page and keeps everything, and a cancel after the refusal still does.
    void limit() {
        std::vector<std::pair<QString, std::optional<int>>> rows;
        for (const char* text : {"-3", "0", "2147483647", "-2147483648"})
            rows.push_back({text, QString(text).toInt()});
        for (const auto& [text, value] : {std::pair{"abc", 100},
                                          {"", 100},
                                          {"12MB", 100},
                                          {"12.5", 12},
                                          {"13.5", 14},
                                          {" 250 ", 250}})
            rows.push_back({text, value});
        for (const char* text :
             {"99999999999", "2147483648", "2147483647.5", "-2147483649", "1e400"})
            rows.push_back({text, std::nullopt});
        for (const auto& [text, value] : rows) {
            const QString shown = !value ? QString() : *value == 100 ? QStringLiteral("100") : text;
            const int stored = value.value_or(55);
            messages_.shown.clear();
            ScanSettings settings = AllOn();
            settings.limitSearchValue = 55;
            const ScanSettings before = settings;
            Form5 dialog(settings, messages_);
            dialog.open();
            dialog.Check(1)->setChecked(false);
            dialog.Text1()->setText(text);
            QTest::mouseClick(dialog.Command2(), Qt::LeftButton);
            QCOMPARE(dialog.isVisible(), shown.isEmpty());
            QCOMPARE(settings.limitSearchValue, stored);
            if (!shown.isEmpty()) {
                QCOMPARE(dialog.Text1()->text(), shown);
                QCOMPARE(messages_.shown, QStringList());
                continue;
            }
            QCOMPARE(messages_.shown.size(), 1);
            QVERIFY(messages_.shown.first().contains(QStringLiteral("2147483647")));
            QVERIFY(dialog.Frame2()->isVisible());
            QCOMPARE(settings, before);
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
        QVERIFY(dialog.Frame1()->isVisible() && !dialog.Frame2()->isVisible());
        QVERIFY(!dialog.Label2()->isVisible());
        QTabBar* tabs = dialog.TabStrip1();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        QVERIFY(!dialog.Frame1()->isVisible() && dialog.Text1()->isVisible());
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
        QVERIFY(dialog.Frame1()->isVisible() && !dialog.Frame2()->isVisible());
        QString title;
        test::ProbeNextModalDialog(this, [&title](QDialog* shown) {
            if (shown != nullptr) title = shown->windowTitle();
        });
        ShowOptionsDialog(nullptr, settings, messages_, QStringLiteral("Settings"));
        QCOMPARE(title, QStringLiteral("Settings"));
    }

    // A missing tab key shows the marker; a missing or "##" caption keeps the designed one.
    void languageFileCaptions() {
        ScanSettings settings = AllOn();
        settings.language = folder_.Write(
            "partial.ini",
            "[Language]\nForm5.tabstrip1.1=Search Types\nForm5.Check3=Search for JPG.\n"
            "Form5.Check5=##\nForm5.Command1=Cancel\nForm5.Label1=MB.\nForm5.Frame1=Formats\n");
        const Form5 dialog(settings, messages_);
        QCOMPARE(
            QStringList({dialog.TabStrip1()->tabText(0), dialog.TabStrip1()->tabText(1),
                         dialog.Check(3)->text(), dialog.Check(5)->text(), dialog.Check(4)->text(),
                         dialog.Command1()->text(), dialog.Command2()->text(),
                         dialog.Label1()->text(), dialog.Frame1()->title()}),
            QStringList({"Search Types", "##", "Search for JPG.", "Αναζήτηση GIF.",
                         "Αναζήτηση CUR.", "Cancel", "OK", "MB.", "Formats"}));
    }

    // The box follows the check box's caption at 180 twips, but never right of 3240 twips.
    void limitRowFollowsTheTranslatedCaption() {
        for (const QByteArray caption :
             {"Cap:", "Limit the search in each of the files to no more than:"}) {
            ScanSettings settings = AllOn();
            settings.language =
                folder_.Write("limit.ini", "[Language]\nForm5.Check13=" + caption + "\n");
            const Form5 dialog(settings, messages_);
            const TwipsScale scale = TwipsScale::Of(dialog);
            const int width =
                dialog.Check(13)->fontMetrics().horizontalAdvance(QString::fromUtf8(caption));
            QCOMPARE(dialog.Label2()->text(), QString::fromUtf8(caption));
            QCOMPARE(dialog.Label2()->width(), width);
            const int text1Left = std::min(240 + scale.ToTwipsX(width) + 480 + 180, 3240);
            QCOMPARE(dialog.Check(13)->width(), scale.ToPixelsX(scale.ToTwipsX(width) + 480));
            QCOMPARE(dialog.Text1()->x(), scale.ToPixelsX(text1Left));
            QCOMPARE(dialog.Label1()->x(), scale.ToPixelsX(text1Left + 735 + 120));
            QCOMPARE(text1Left == 3240, caption.size() > 10);
        }
    }
};

QTEST_MAIN(OptionsDialogTest)
#include "OptionsDialogTest.moc"
