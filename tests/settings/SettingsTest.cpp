// The stored forms of flags and numbers, the options read at start-up and written at exit through
// real files, and the options dialog: check boxes, limit, pages and a language file's captions.
#include <QtTest>
#include <QtWidgets>

#include "Form5.h"
#include "ModalProbe.h"
#include "ProgramFolder.h"
#include "QSettingsStore.h"
#include "ScanSettings.h"
#include "SettingsFakes.h"
#include "SettingsPersistence.h"
#include "StoredForms.h"

using namespace morvane;

namespace {
// What a first start reads: every option at its documented default.
ScanSettings Defaults(const QString& language) {
    ScanSettings s;
    s.lastFolder = QStringLiteral("C:\\");
    s.scanKind.fill(true);
    s.deleteOnExit = s.scanSubFolders = s.makeFolderForEachFile = true;
    s.limitSearchValue = 100;
    s.language = language;
    return s;
}

// Every option on, as the options dialog's tests start.
ScanSettings AllOn() {
    ScanSettings s = Defaults(QStringLiteral("Default"));
    s.limitSearch = s.readResources = s.checkItems = s.distinctItems = s.unpackContainers = true;
    s.scanThreads = 3;
    return s;
}
}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QSettingsStore> FileStore(const QList<std::pair<QString, QString>>& values) {
        auto store = QSettingsStore::OpenFile(app_.Path() + QString::number(++files_) + ".conf");
        for (const auto& [key, value] : values) store->Write(key, value);
        return store;
    }

    test::ProgramFolder app_;
    test::RecordingMessages messages_;
    int files_ = 0;

  private slots:
    void init() { messages_.shown.clear(); }

    void storedForms() {
        const std::pair<std::optional<bool>, std::vector<const char*>> flags[] = {
            {true, {"TRUE", " True ", "-1", "0.5", "1e2", "2147483648"}},
            {false, {"fAlSe", "0", "0.0"}},
            {std::nullopt, {"yes", "", "Tru", "NAI", "inf", "nan", "abc", "1,000"}}};
        for (const auto& [flag, texts] : flags)
            for (const char* text : texts)
                QVERIFY2(ParseStoredBoolean(QString(text)) == flag, text);
        // Halves go to the even neighbour.
        const std::pair<const char*, std::int32_t> numbers[] = {
            {"-1", -1},   {"0.5", 0},   {"0.0", 0},   {"  42 ", 42}, {"1e2", 100},
            {"12.5", 12}, {"13.5", 14}, {"-2.5", -2}, {"-3.5", -4},  {"12.51", 13}};
        for (const auto& [text, number] : numbers)
            QVERIFY2(ParseStoredInteger(QString(text)) == number, text);
        QVERIFY(ParseStoredInteger(QStringLiteral("2147483647")) == INT32_MAX &&
                ParseStoredInteger(QStringLiteral("-2147483648")) == INT32_MIN);
        for (const char* text : {"2147483648", "2147483647.5", "-2147483649", "TRUE", "", "nan"})
            QVERIFY2(!ParseStoredInteger(QString(text)), text);
        QCOMPARE(StoredBoolean(true) + StoredBoolean(false) + StoredInteger(-1234567),
                 QString("TrueFalse-1234567"));  // no digit grouping
    }

    // An empty store gives the defaults; a damaged value takes its own and reading goes on;
    // every option is read by its name.
    void firstStartAndDamagedValues() {
        QCOMPARE(LoadSettings(*FileStore({})), Defaults(QString()));
        QVERIFY(ReadShowLog(*FileStore({})));
        for (const char* stored : {"NAI", "OXI", "nai", "True"})
            QCOMPARE(ReadShowLog(*FileStore({{"Show_Log", stored}})), QByteArray(stored) == "NAI");
        // A hand-edited file: a list ("a, b") is unreadable.
        const auto edited = QSettingsStore::OpenFile(app_.Write(
            "edited.conf",
            "[Morvane]\nSCAN_ICO=False\nSCAN_GIF=yes\nSCAN_JPG=fALSE\nlimit_search=1\n"
            "limit_search_value=3000000000\nread_resources=tRUE\ncheck_items=True\n"
            "unpack_containers=TRUE\n"
            "SCAN_PNG=a, b\nLastFolder=a, b\nLanguage=a, b\nShow_Log=a, b\nSCAN_BMP=0\n"
            "SCAN_WAV=0\nSCAN_AVI=0\nSCAN_CUR=0\nSCAN_MID=0\nSCAN_ANI=0\nDelete_On_Exit=0\n"
            "SCAN_SUB-FOLDERS=0\nmake_folder_for_each_file=0\ndistinct_items=true\n"
            "scan_threads=257\n"));
        ScanSettings expected = Defaults(QString());
        expected.scanKind.fill(false);
        expected.SetScans(ResourceKind::GIF, true);
        expected.SetScans(ResourceKind::PNG, true);
        expected.deleteOnExit = expected.scanSubFolders = expected.makeFolderForEachFile = false;
        expected.limitSearch = expected.readResources = expected.checkItems = true;
        expected.distinctItems = true;  // and 257 threads are more than a scan takes: 0
        expected.unpackContainers = true;
        QCOMPARE(LoadSettings(*edited), expected);
        QCOMPARE(LoadSettings(*FileStore({{"scan_threads", "-1"}})).scanThreads, 0);
        QCOMPARE(LoadSettings(*FileStore({{"scan_threads", "256"}})).scanThreads, 256);
        QVERIFY(ReadShowLog(*edited));
    }

    // Every value away from its default, each kind flag unlike its neighbours, written to a real
    // file, read back and handed to the scanner; a file that cannot be written says so.
    void writeAndReadBack() {
        ScanSettings s;
        s.lastFolder = QStringLiteral("D:\\Export, pictures\\Εικόνες");
        bool scan = false;
        for (const ResourceKind kind : kAllKinds) s.SetScans(kind, scan = !scan);
        s.limitSearch = true;
        s.limitSearchValue = -5;
        s.distinctItems = true;
        s.scanThreads = 7;
        s.language = app_.Write("English.ini");
        const QString path = app_.Path() + "roundtrip.conf";
        QVERIFY(!SaveSettings(*QSettingsStore::OpenFile(path), s, false));
        QSettings direct(path, QSettings::IniFormat);
        direct.beginGroup("Morvane");
        QCOMPARE(direct.childKeys().size(), 23);
        QStringList texts;
        for (const char* key : {"Show_Log", "SCAN_ICO", "SCAN_CUR", "limit_search_value",
                                "distinct_items", "scan_threads"})
            texts << direct.value(key).toString();
        QCOMPARE(texts, QStringList({"OXI", "True", "False", "-5", "True", "7"}));
        const auto reopened = QSettingsStore::OpenFile(path);
        QCOMPARE(LoadSettings(*reopened), s);
        QVERIFY(!ReadShowLog(*reopened));
        const auto denied = QSettingsStore::OpenFile(app_.Write("file") + "/x.conf");
        QVERIFY(SaveSettings(*denied, s, true).value_or("").contains("could not be written"));
        const ScanOptions options = s.ToScanOptions();
        for (ResourceKind kind : kAllKinds) QCOMPARE(options.IsEnabled(kind), s.Scans(kind));
        QCOMPARE(options.chunkCap, -5);
        QVERIFY(options.distinctItems && options.threads == 7);
        s.limitSearch = false;
        QCOMPARE(s.ToScanOptions().chunkCap, 500);
    }

    // Each box unchecked turns one option off, its own; with that option off only its box shows
    // unchecked, and checking it again turns it back on (a greyed box counts as checked).
    void eachCheckBoxShowsAndSetsItsOption() {
        QList<ScanSettings> seen;
        for (int off = 1; off <= Form5::kCheckCount; ++off) {
            ScanSettings settings = AllOn();
            Form5 first(settings, messages_);
            first.Check(off)->setChecked(false);
            first.Command2_Click();
            QVERIFY(settings != AllOn() && !seen.contains(settings));
            seen << settings;
            Form5 dialog(settings, messages_);
            for (int other = 1; other <= Form5::kCheckCount; ++other)
                QCOMPARE(dialog.Check(other)->isChecked(), other != off);
            off == 13 ? dialog.Check(off)->setCheckState(Qt::PartiallyChecked)
                      : dialog.Check(off)->setChecked(true);
            dialog.Command2_Click();
            QCOMPARE(settings, AllOn());
        }
        // A kind's box names its kind.
        QVERIFY(!seen[2].Scans(ResourceKind::JPG) && !seen[3].Scans(ResourceKind::CUR));
    }

    // What OK stores (an unreadable text: 100) and the box then shows; beyond 32 bits OK says so,
    // shows the limit's page and keeps everything, and so does a later cancel.
    void limit() {
        const std::pair<const char*, std::optional<int>> rows[] = {
            {"-3", -3},         {"0", 0},           {"2147483647", INT32_MAX},
            {"abc", 100},       {"", 100},          {"12MB", 100},
            {"13.5", 14},       {" 250 ", 250},     {"1e400", {}},
            {"2147483648", {}}, {"-2147483649", {}}};
        for (const auto& [text, value] : rows) {
            const QString shown = !value ? QString() : *value == 100 ? QStringLiteral("100") : text;
            messages_.shown.clear();
            ScanSettings settings = AllOn();
            settings.limitSearchValue = 55;
            const ScanSettings before = settings;
            Form5 dialog(settings, messages_);
            dialog.open();
            dialog.Check(1)->setChecked(false);
            dialog.Text1()->setText(text);
            QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
            QCOMPARE(dialog.isVisible(), shown.isEmpty());
            QCOMPARE(settings.limitSearchValue, value.value_or(55));
            if (!shown.isEmpty()) {
                QCOMPARE(dialog.Text1()->text(), shown);
                QCOMPARE(messages_.shown, QStringList());
                continue;
            }
            QVERIFY(messages_.shown.size() == 1 && messages_.shown[0].contains(u"2147483647") &&
                    dialog.Frame2()->isVisible() && settings == before);
            QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
            QVERIFY(!dialog.isVisible() && settings == before);
        }
    }

    void pagesFollowTheTabs() {
        ScanSettings settings = AllOn();
        QString title;
        test::ProbeNextModalDialog(this, [&title](QDialog* shown) {
            auto* dialog = qobject_cast<Form5*>(shown);
            if (dialog == nullptr) return;
            title = dialog->windowTitle();
            QTabBar* tabs = dialog->TabStrip1();
            const auto shownBoxes = [dialog] {  // "1" for each box shown, in number order
                QString boxes;
                for (int n = 1; n <= Form5::kCheckCount; ++n)
                    boxes += dialog->Check(n)->isVisible() ? u'1' : u'0';
                return boxes;
            };
            QVERIFY(dialog->Frame1()->isVisible() && !dialog->MeasuringLabel()->isVisible());
            QCOMPARE(shownBoxes(), QString(10, u'1') + QString(8, u'0'));  // the kinds' boxes
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
            QVERIFY(!dialog->Frame1()->isVisible() && dialog->Text1()->isVisible() &&
                    dialog->Text2()->isVisible());
            QCOMPARE(shownBoxes(), QString(10, u'0') + QString(8, u'1'));
            // Every row of the page lies inside it, the threads row last.
            const QRect page = dialog->Frame2()->rect();
            for (const QWidget* row :
                 {static_cast<QWidget*>(dialog->Check(18)), static_cast<QWidget*>(dialog->Text2()),
                  static_cast<QWidget*>(dialog->Label3())})
                QVERIFY2(page.contains(row->geometry()), qPrintable(row->objectName()));
            QVERIFY(dialog->Text2()->geometry().top() > dialog->Check(18)->geometry().bottom() &&
                    dialog->Text2()->geometry().left() > dialog->Label3()->geometry().right());
            QCOMPARE(dialog->Frame2()->geometry(), dialog->Frame1()->geometry());
        });
        ShowOptionsDialog(nullptr, settings, messages_, QStringLiteral("Settings"));
        QCOMPARE(title, QStringLiteral("Settings"));
    }

    // A missing tab key shows the marker; a missing or "##" caption keeps the designed one.
    void languageFileCaptions() {
        ScanSettings settings = AllOn();
        settings.language = app_.Write(
            "partial.ini",
            "[Language]\nForm5.tabstrip1.1=Search Types\nForm5.Check3=Search for JPG.\n"
            "Form5.Check5=##\nForm5.Command1=Cancel\nForm5.Label1=MB.\nForm5.Frame1=Formats\n");
        const Form5 dialog(settings, messages_);
        QCOMPARE(
            QStringList({dialog.TabStrip1()->tabText(0), dialog.TabStrip1()->tabText(1),
                         dialog.Check(3)->text(), dialog.Check(5)->text(), dialog.Check(4)->text(),
                         dialog.CancelButton()->text(), dialog.OkButton()->text(),
                         dialog.Label1()->text(), dialog.Frame1()->title()}),
            QStringList({"Search Types", "##", "Search for JPG.", "Αναζήτηση GIF.",
                         "Αναζήτηση CUR.", "Cancel", "OK", "MB.", "Formats"}));
    }
};

QTEST_MAIN(SettingsTest)
#include "SettingsTest.moc"
