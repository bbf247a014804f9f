// Form5, the options dialog: the kinds a scan looks for on one page, the batch, size-cap and
// exit options on the other. It edits the options record in memory; the store is written only
// when the main window closes.
#pragma once

#include <QDialog>
#include <QString>
#include <array>

#include "ResourceKind.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabBar;

namespace morvane {

class MessageSink;
struct ScanSettings;

class Form5 final : public QDialog {
    Q_OBJECT

  public:
    // Check1 to Check10 are the kinds' (each descriptor names its own), Check11 to Check18 the
    // general options.
    static constexpr int kCheckCount = static_cast<int>(kKindCount) + 8;

    // Builds the dialog from `settings` in the language of `settings`; OK writes back into it.
    // `messages` hears of a limit that cannot be stored.
    Form5(ScanSettings& settings, MessageSink& messages, QWidget* parent = nullptr);

    QTabBar* TabStrip1() const { return tabStrip1_; }
    QGroupBox* Frame1() const { return frame1_; }
    QGroupBox* Frame2() const { return frame2_; }
    // Check1 to Check18 by their number.
    QCheckBox* Check(int number) const { return checks_.at(static_cast<std::size_t>(number - 1)); }
    QLineEdit* Text1() const { return text1_; }
    QLabel* Label1() const { return label1_; }
    QLabel* Label3() const { return label3_; }                   // the threads row's caption
    QSpinBox* Text2() const { return text2_; }                   // the threads row's count
    QLabel* MeasuringLabel() const { return measuringLabel_; }   // Label2, hidden
    QPushButton* CancelButton() const { return cancelButton_; }  // Command1
    QPushButton* OkButton() const { return okButton_; }          // Command2

    // The caption pass with the prefix "Form5.", and the two tab captions, which show whatever
    // the file gives them, "##" for a missing key included. Nothing with "Default".
    void ApplyLanguage(const QString& language);

    void Form_Load();
    // Shows the page of the selected tab.
    void TabStrip1_Click();
    // OK: the record takes the dialog's state, unless the limit cannot be stored.
    void Command2_Click();
    // Cancel: the record stays as it was.
    void Command1_Click();

  private:
    void CreateControls();
    void CreatePages();
    void LayOutLimitRow();
    void LayOutThreadsRow();
    void WrapPagesInTabStrip();

    ScanSettings& settings_;
    MessageSink& messages_;
    QTabBar* tabStrip1_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    QGroupBox* frame2_ = nullptr;
    std::array<QCheckBox*, kCheckCount> checks_{};
    QLineEdit* text1_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label3_ = nullptr;
    QSpinBox* text2_ = nullptr;
    QLabel* measuringLabel_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

// Opens the options dialog modally with `title` (the caption of the menu entry that opens it)
// and returns when it is closed.
void ShowOptionsDialog(QWidget* parent, ScanSettings& settings, MessageSink& messages,
                       const QString& title);

}  // namespace morvane
