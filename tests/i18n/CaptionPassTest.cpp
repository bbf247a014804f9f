// The caption passes of the main window and the export dialog: which captions a language file
// changes, which it leaves, and the toolbar tooltips that follow the menu captions.
#include <QAction>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <memory>

#include "CaptionPass.h"
#include "LanguageText.h"
#include "TestFiles.h"
#include "WindowLanguage.h"

using morvane::ApplyExportDialogLanguage;
using morvane::ApplyMainWindowLanguage;
using morvane::MessageId;
using morvane::MessageTable;
using morvane::test::WriteFile;

namespace {

struct Designed {
    const char* name;
    const char* caption;
};

// The entries of the main window's menus that the tests look at, with their designed captions.
const Designed kEntries[] = {
    {"show_all_files", "Αναζήτηση σε όλα τα αρχεία στον κατάλογο"},
    {"sep_ektakto1", "-"},
    {"exit_menu", "Έξοδος"},
    {"show_log_form_menu", "Διαχειριστής Γεγονότων"},
    {"select_formats_menu", "Ρυθμίσεις"},
    {"play_now_menu", "Άνοιγμα"},
    {"delete_item_menu", "Διαγραφή"},
    {"delete_all_menu", "Διαγραφή Όλων"},
    {"bmp_menu", "Αποθήκευση ως   48x48 Icon"},
    {"ico_menu", "Αποθήκευση ως   32x32 Icon"},
    {"save_as_16_ico", "Αποθήκευση ως   16x16 Icon"},
    {"help_menu", "Περιεχόμενα"},
    {"about_form", "Περί..."},
};

// The toolbar's designed tooltips, which differ from the menu captions.
const Designed kButtons[] = {
    {"ALL_FILES", "Αναζήτηση σε όλα τα αρχεία στον κατάλογο"},
    {"run_file", "Άνοιγμα"},
    {"DELETE", "Διαγραφή"},
    {"DELETE_ALL", "Διαγραφή Όλων"},
    {"BMP", "Αποθήκευση ως 48x48"},
    {"ICO", "Αποθήκευση ως 32x32"},
    {"dekaeji", "Αποθήκευση ως 16x16"},
    {"log_file", "Εμφάνιση Αρχείου Γεγονότων"},
    {"INFO", "Πληροφορίες Προγράμματος"},
    {"EXIT", "Έξοδος Προγάμματος"},
};

// Which menu entry each button's tooltip follows once a language file is in use.
const std::pair<const char*, const char*> kTooltipEntry[] = {
    {"ALL_FILES", "show_all_files"},
    {"run_file", "play_now_menu"},
    {"DELETE", "delete_item_menu"},
    {"DELETE_ALL", "delete_all_menu"},
    {"BMP", "bmp_menu"},
    {"ICO", "ico_menu"},
    {"dekaeji", "save_as_16_ico"},
    {"log_file", "show_log_form_menu"},
    {"INFO", "about_form"},
    {"EXIT", "exit_menu"},
};

// A main window with one menu holding the entries, a text box that has no caption, and the
// toolbar, each button known by the key in its data as the real toolbar keeps it.
class MainWindowFixture {
  public:
    MainWindowFixture() {
        QMenu* menu = window.menuBar()->addMenu(QStringLiteral("Αρχείο"));
        menu->setObjectName(QStringLiteral("file_menu"));
        controls << menu->objectName();
        for (const Designed& entry : kEntries) {
            const QString caption = QString::fromUtf8(entry.caption);
            QAction* action = caption == u"-" ? menu->addSeparator() : menu->addAction(caption);
            action->setText(caption);
            action->setObjectName(QString::fromLatin1(entry.name));
            controls << action->objectName();
        }
        auto* field = new QLineEdit(QStringLiteral("text"), &window);
        field->setObjectName(QStringLiteral("Text1"));
        controls << field->objectName();
        toolbar = window.addToolBar(QStringLiteral("Toolbar1"));
        for (const Designed& button : kButtons) {
            QAction* action = toolbar->addAction(QString::fromUtf8(button.caption));
            action->setData(QString::fromLatin1(button.name));
            action->setToolTip(QString::fromUtf8(button.caption));
        }
    }

    QAction* Button(const QString& key) const {
        for (QAction* action : toolbar->actions())
            if (action->data().toString() == key) return action;
        return nullptr;
    }

    QString Caption(const char* name) const {
        const QObject* control = window.findChild<QObject*>(QString::fromLatin1(name));
        return control != nullptr ? morvane::CaptionOf(*control) : QStringLiteral("<missing>");
    }

    QString Tooltip(const char* key) const { return Button(QString::fromLatin1(key))->toolTip(); }

    MessageTable Apply(const QString& language) {
        QList<morvane::ToolbarTooltip> tooltips;
        for (const auto& [key, entry] : kTooltipEntry)
            tooltips.append({Button(QString::fromLatin1(key)), QString::fromLatin1(entry)});
        return ApplyMainWindowLanguage(window, controls, language, tooltips);
    }

    QMainWindow window;
    QToolBar* toolbar = nullptr;
    QStringList controls;
};

QByteArray LanguageFile(const QByteArray& lines) {
    return "[Language]\n" + lines;
}

}  // namespace

class CaptionPassTest : public QObject {
    Q_OBJECT

  private:
    void VerifyDesignedCaptions(const MainWindowFixture& form, const QStringList& except) {
        for (const Designed& entry : kEntries) {
            if (except.contains(QLatin1String(entry.name))) continue;
            QCOMPARE(form.Caption(entry.name), QString::fromUtf8(entry.caption));
        }
    }

    void VerifyTooltipsFollowMenus(const MainWindowFixture& form) {
        for (const auto& [key, entry] : kTooltipEntry)
            QCOMPARE(form.Tooltip(key), form.Caption(entry));
    }

    QTemporaryDir folder_;

  private slots:
    void defaultKeepsDesignedCaptionsAndTooltips() {
        MainWindowFixture form;
        const MessageTable messages = form.Apply(QStringLiteral("Default"));
        VerifyDesignedCaptions(form, {});
        QCOMPARE(form.Caption("file_menu"), QStringLiteral("Αρχείο"));
        for (const Designed& button : kButtons)
            QCOMPARE(form.Tooltip(button.name), QString::fromUtf8(button.caption));
        QCOMPARE(messages, MessageTable::Builtin());
    }

    void fileTranslatingOnlyHelpMenu() {
        const QString file =
            WriteFile(folder_, "help-only.ini", LanguageFile("Form1.help_menu=Contents\n"));
        MainWindowFixture form;
        const MessageTable messages = form.Apply(file);
        QCOMPARE(form.Caption("help_menu"), QStringLiteral("Contents"));
        VerifyDesignedCaptions(form, {QStringLiteral("help_menu")});
        QCOMPARE(form.Caption("file_menu"), QStringLiteral("Αρχείο"));
        // Every tooltip now reads like its menu entry, Greek as it is: "Icon" and the three
        // blanks of the export entries included.
        VerifyTooltipsFollowMenus(form);
        QCOMPARE(form.Tooltip("BMP"), QStringLiteral("Αποθήκευση ως   48x48 Icon"));
        // The messages of a file that lacks them are the marker, not the built-in texts.
        QCOMPARE(messages.Text(MessageId::Message2), QStringLiteral("##"));
    }

    void translatedMenusEntriesAndTooltips() {
        const QString file = WriteFile(folder_, "some.ini",
                                       LanguageFile("Form1.file_menu=File\n"
                                                    "form1.EXIT_MENU=Exit\n"
                                                    "Form1.bmp_menu=Save as 48x48 icon\n"
                                                    "Form1.about_form=\n"
                                                    "message_2=Searching\n"));
        MainWindowFixture form;
        const MessageTable messages = form.Apply(file);
        QCOMPARE(form.Caption("file_menu"), QStringLiteral("File"));
        QCOMPARE(form.window.menuBar()->actions().first()->text(), QStringLiteral("File"));
        QCOMPARE(form.Caption("exit_menu"), QStringLiteral("Exit"));
        QCOMPARE(form.Tooltip("EXIT"), QStringLiteral("Exit"));
        QCOMPARE(form.Tooltip("BMP"), QStringLiteral("Save as 48x48 icon"));
        // An empty value is a text like any other, unlike "##".
        QCOMPARE(form.Caption("about_form"), QString());
        QCOMPARE(messages.Text(MessageId::Message2), QStringLiteral("Searching"));
    }

    void markerValueLeavesControl() {
        const QString file = WriteFile(folder_, "marker.ini",
                                       LanguageFile("Form1.exit_menu=##\n"
                                                    "Form1.help_menu= ## \n"
                                                    "Form1.play_now_menu=#\n"
                                                    "Form1.Text1=changed\n"));
        MainWindowFixture form;
        form.Apply(file);
        QCOMPARE(form.Caption("exit_menu"), QStringLiteral("Έξοδος"));
        QCOMPARE(form.Caption("help_menu"), QStringLiteral("Περιεχόμενα"));
        QCOMPARE(form.Caption("play_now_menu"), QStringLiteral("#"));
        // A control without a caption is passed over.
        QCOMPARE(form.window.findChild<QLineEdit*>(QStringLiteral("Text1"))->text(),
                 QStringLiteral("text"));
    }

    void missingFileKeepsCaptionsButTooltipsFollowMenus() {
        MainWindowFixture form;
        const MessageTable messages = form.Apply(folder_.filePath("absent.ini"));
        VerifyDesignedCaptions(form, {});
        VerifyTooltipsFollowMenus(form);
        QCOMPARE(messages.Text(MessageId::FrmCap1), QStringLiteral("##"));
    }

    void exportDialogButtons() {
        const QString file = WriteFile(folder_, "form2.ini",
                                       LanguageFile("Form2.Command2=Cancel\nForm1.Command1=x\n"));
        QWidget Form2;
        auto* ok = new QPushButton(QStringLiteral("OK"), &Form2);
        ok->setObjectName(QStringLiteral("Command1"));
        auto* cancel = new QPushButton(QStringLiteral("Ακύρωση"), &Form2);
        cancel->setObjectName(QStringLiteral("Command2"));

        ApplyExportDialogLanguage(Form2, QStringLiteral("Default"));
        QCOMPARE(cancel->text(), QStringLiteral("Ακύρωση"));
        ApplyExportDialogLanguage(Form2, file);
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
    }
};

QTEST_MAIN(CaptionPassTest)
#include "CaptionPassTest.moc"
