// Form7, the language dialog: the built-in Greek or one of the language files beside the
// program, for the next start. The choice goes into the options record at once; only the
// dialogs opened from then on, and Qt's own texts, follow it during this run.
#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace morvane {

class MessageSink;
struct ScanSettings;

class Form7 final : public QDialog {
    Q_OBJECT

  public:
    // Lists the language files of `appFolder` (ending with its separator) and selects the one of
    // `settings`; messages about a change go to `messages`.
    Form7(ScanSettings& settings, QString appFolder, MessageSink& messages,
          QWidget* parent = nullptr);

    // The title is the caption of the menu entry that opens the dialog; the label repeats it.
    void SetTitle(const QString& title);

    QGroupBox* Frame1() const { return frame1_; }
    QLabel* TitleLabel() const { return titleLabel_; }  // Label1
    QComboBox* Combo1() const { return combo1_; }
    QPushButton* OkButton() const { return okButton_; }  // Command1

    void Form_Load();
    // Stores the selected language unless it is the one in use, says so, and closes.
    void Command1_Click();

  private:
    void CreateControls();

    ScanSettings& settings_;
    QString appFolder_;
    MessageSink& messages_;
    QGroupBox* frame1_ = nullptr;
    QLabel* titleLabel_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

// Opens the language dialog modally with `title`, as the menu entry does, and returns when it
// is closed.
void ShowLanguageDialog(QWidget* parent, ScanSettings& settings, const QString& appFolder,
                        MessageSink& messages, const QString& title);

}  // namespace morvane
