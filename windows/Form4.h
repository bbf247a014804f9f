// Form4, the progress window that scans and the exit sequence share. Its stop button is the one
// control a running scan listens to: the first press tells whoever runs the scans (StopClicked)
// and disables the button.
#pragma once

#include <QIcon>
#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

namespace morvane {

class Form4 final : public QWidget {
    Q_OBJECT

  public:
    // A window in its designed state: texts empty, bar at 0, stop button enabled.
    explicit Form4(const QString& title, const QIcon& stopPicture = QIcon());

    QLabel* Label1() const { return label1_; }  // the main text
    QLabel* Label2() const { return label2_; }  // the file counter
    QLabel* Label3() const { return label3_; }  // the folder
    QProgressBar* ProgressBar1() const { return progressBar1_; }
    QPushButton* StopButton() const { return stopButton_; }  // Command1

    // The window of the exit sequence: no bar, no button, and the window ends above them.
    void HideBarAndButton();
    // Gives every text the lines it needs; done by itself whenever a text changes.
    void Relayout();

    // Whether the stop button has been pressed since the window was made.
    bool StopPressed() const;

    void Command1_Click();

  signals:
    void StopClicked();

  protected:
    // The window is closed by whoever showed it; the close box only asks for a stop.
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void Form_Load();

    QLabel* label1_;
    QLabel* label2_;
    QLabel* label3_;
    QProgressBar* progressBar1_;
    QPushButton* stopButton_;
    bool shortened_ = false;
};

}  // namespace morvane
