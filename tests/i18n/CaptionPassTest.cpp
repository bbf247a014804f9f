// The caption passes of the main window and the export dialog: which captions a language file
// changes, which it leaves, and the toolbar tooltips that follow the menu captions.
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

#include "CaptionPass.h"
#include "ProgramFolder.h"
#include "WindowLanguage.h"

using morvane::MessageId;
using morvane::MessageTable;

namespace {

// A main window with a few menu entries, a text box that has no caption, and two toolbar
// buttons whose designed tooltips differ from the entries they follow.
struct MainWindowFixture {
    QMainWindow window;
    QStringList controls;
    QAction* exitButton;
    QAction* bmpButton;

    MainWindowFixture() {
        QMenu* menu = window.menuBar()->addMenu(QStringLiteral("Αρχείο"));
        menu->setObjectName(QStringLiteral("file_menu"));
        controls << menu->objectName();
        for (const char* name : {"exit_menu", "help_menu", "play_now_menu", "about_form"})
            AddEntry(*menu, name, QStringLiteral("designed ") + name);
        AddEntry(*menu, "bmp_menu", QStringLiteral("Αποθήκευση ως   48x48 Icon"));
        auto* field = new QLineEdit(QStringLiteral("text"), &window);
        field->setObjectName(QStringLiteral("Text1"));
        controls << field->objectName();
        QToolBar* toolbar = window.addToolBar(QStringLiteral("Toolbar1"));
        exitButton = toolbar->addAction(QStringLiteral("Έξοδος Προγάμματος"));
        exitButton->setToolTip(exitButton->text());
        bmpButton = toolbar->addAction(QStringLiteral("Αποθήκευση ως 48x48"));
        bmpButton->setToolTip(bmpButton->text());
    }
    void AddEntry(QMenu& menu, const char* name, const QString& caption) {
        QAction* entry = menu.addAction(caption);
        entry->setObjectName(QString::fromLatin1(name));
        controls << entry->objectName();
    }
    QString Caption(const char* name) const {
        return morvane::CaptionOf(*window.findChild<QObject*>(QString::fromLatin1(name)));
    }
    MessageTable Apply(const QString& language) {
        return morvane::ApplyMainWindowLanguage(
            window, controls, language,
            {{exitButton, QStringLiteral("exit_menu")}, {bmpButton, QStringLiteral("bmp_menu")}});
    }
};

}  // namespace

class CaptionPassTest : public QObject {
    Q_OBJECT

  private slots:
    void defaultKeepsDesignedCaptionsAndTooltips() {
        MainWindowFixture form;
        QCOMPARE(form.Apply(QStringLiteral("Default")), MessageTable::Builtin());
        QCOMPARE(form.Caption("file_menu"), QStringLiteral("Αρχείο"));
        QCOMPARE(form.Caption("exit_menu"), QStringLiteral("designed exit_menu"));
        QCOMPARE(form.exitButton->toolTip(), QStringLiteral("Έξοδος Προγάμματος"));
        QCOMPARE(form.bmpButton->toolTip(), QStringLiteral("Αποθήκευση ως 48x48"));
    }

    void aFileChangesTheCaptionsItNames() {
        const morvane::test::ProgramFolder folder;
        MainWindowFixture form;
        const MessageTable messages = form.Apply(folder.Write("some.ini",
                                                              "[Language]\n"
                                                              "Form1.file_menu=File\n"
                                                              "form1.EXIT_MENU=Exit\n"
                                                              "Form1.about_form=\n"
                                                              "Form1.help_menu= ## \n"
                                                              "Form1.play_now_menu=#\n"
                                                              "Form1.Text1=changed\n"
                                                              "message_2=Searching\n"));
        QCOMPARE(form.Caption("file_menu"), QStringLiteral("File"));
        QCOMPARE(form.window.menuBar()->actions().first()->text(), QStringLiteral("File"));
        QCOMPARE(form.Caption("exit_menu"), QStringLiteral("Exit"));
        // An empty value is a text like any other; only the marker "##" leaves the control.
        QCOMPARE(form.Caption("about_form"), QString());
        QCOMPARE(form.Caption("help_menu"), QStringLiteral("designed help_menu"));
        QCOMPARE(form.Caption("play_now_menu"), QStringLiteral("#"));
        QCOMPARE(form.window.findChild<QLineEdit*>("Text1")->text(), QStringLiteral("text"));
        // Every tooltip now reads like its menu entry, an untranslated one as it is.
        QCOMPARE(form.exitButton->toolTip(), QStringLiteral("Exit"));
        QCOMPARE(form.bmpButton->toolTip(), QStringLiteral("Αποθήκευση ως   48x48 Icon"));
        QCOMPARE(messages.Text(MessageId::Message2), QStringLiteral("Searching"));
        QCOMPARE(messages.Text(MessageId::Message3), QStringLiteral("##"));
    }

    void missingFileKeepsCaptionsButTooltipsFollowMenus() {
        const morvane::test::ProgramFolder folder;
        MainWindowFixture form;
        const MessageTable messages = form.Apply(folder.Path() + "absent.ini");
        QCOMPARE(form.Caption("exit_menu"), QStringLiteral("designed exit_menu"));
        QCOMPARE(form.exitButton->toolTip(), QStringLiteral("designed exit_menu"));
        QCOMPARE(messages.Text(MessageId::FrmCap1), QStringLiteral("##"));
    }

    void exportDialogButtons() {
        const morvane::test::ProgramFolder folder;
        QWidget Form2;
        auto* ok = new QPushButton(QStringLiteral("OK"), &Form2);
        ok->setObjectName(QStringLiteral("Command1"));
        auto* cancel = new QPushButton(QStringLiteral("Ακύρωση"), &Form2);
        cancel->setObjectName(QStringLiteral("Command2"));
        morvane::ApplyExportDialogLanguage(Form2, QStringLiteral("Default"));
        QCOMPARE(cancel->text(), QStringLiteral("Ακύρωση"));
        morvane::ApplyExportDialogLanguage(
            Form2,
            folder.Write("form2.ini", "[Language]\nForm2.Command2=Cancel\nForm1.Command1=x\n"));
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
    }
};

QTEST_MAIN(CaptionPassTest)
#include "CaptionPassTest.moc"
