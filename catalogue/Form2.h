// Form2, the program's own file dialog for saving an exported icon: a drive list, a folder list,
// a file list with a filter, a name field, and the folder's path above them. OK appends the
// extension when the name lacks it, asks before an existing file is replaced, and tries the name
// by creating and deleting it before accepting it.
#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace morvane {

class MessageBoxes;
class MessageTable;

class Form2 final : public QDialog {
    Q_OBJECT

  public:
    struct Setup {
        const MessageTable* messages = nullptr;
        MessageBoxes* boxes = nullptr;
        QString appTitle;
        QString language;
        // The remembered folder; it changes only when the dialog closes with OK.
        QString* lastFolder = nullptr;
    };

    Form2(Setup setup, QWidget* parent);

    // "ico" gives names without the extension ".ICO" (in any letter case) that extension, anything
    // else ".BMP".
    QString SaveKind;
    // The full name chosen with OK; empty otherwise.
    QString ExportFileName;

    // The folder the file list shows.
    const QString& Folder() const { return folder_; }
    void SetFolder(const QString& folder);
    // 0 "*.ICO", 1 "*.BMP", 2 "*.*".
    void SelectFilter(int index);

    QLabel* FolderLabel() const { return label1_; }  // Label1
    QComboBox* Drive1() const { return drive1_; }
    QListWidget* Dir1() const { return dir1_; }
    QListWidget* File1() const { return file1_; }
    QComboBox* Combo1() const { return combo1_; }
    QLineEdit* Text1() const { return text1_; }
    QPushButton* OkButton() const { return okButton_; }          // Command1
    QPushButton* CancelButton() const { return cancelButton_; }  // Command2

    void Command1_Click();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Form_Load();
    void Combo1_Click();
    void Drive1_Change();
    void ShowVolume();
    void FillDir1();
    void FillFile1();
    // Whether the name can be used: creating it as an empty file and deleting it again works.
    static bool ProbeNewFile(const QString& path);

    Setup setup_;
    QString folder_;
    QString pattern_ = QStringLiteral("*.ico");
    QLabel* label1_;
    QComboBox* drive1_;
    QListWidget* dir1_;
    QListWidget* file1_;
    QComboBox* combo1_;
    QLineEdit* text1_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};

}  // namespace morvane
