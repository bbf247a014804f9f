// Form3, the log window: the lines the scans report while it is open. Its lines live only as
// long as the window; the main window's menu entry is checked exactly while it is open.
#pragma once

#include <QRect>
#include <QWidget>

class QAction;
class QListWidget;
class QMenu;

namespace morvane {

// Where the log window goes: under the main window's frame, 20 twips apart, as wide as it; pulled
// up so that it rests on the bottom of `screen` when it would reach below it. `height` is the
// window's inside, `frameHeight` what its frame adds (title bar and borders).
QRect LogWindowPlacement(const QRect& mainFrame, const QRect& screen, int gapPixels, int height,
                         int frameHeight);

class Form3 final : public QWidget {
    Q_OBJECT

  public:
    // A tool window of `owner`: in front of it, and behind the dialogs it opens.
    explicit Form3(QWidget* owner = nullptr);

    QListWidget* List1() const { return list1_; }
    QMenu* file_menu() const { return fileMenu_; }
    QAction* clear_item_menu() const { return clearItemMenu_; }
    QAction* clear_menu() const { return clearMenu_; }

    // Places the window under `mainFrame` within `screen` (both in screen pixels); `frameHeight`
    // is what a frame adds to a window's height, which the window system tells only once the
    // window is shown.
    void Form_Load(const QRect& mainFrame, const QRect& screen, int frameHeight);

    // The line whole: the list scrolls sideways to it, and its tooltip shows it.
    void AddLine(const QString& line);
    // Selects the last line, which scrolls it into view.
    void SelectLastLine();

    void clear_item_menu_Click();
    void clear_menu_Click();

  signals:
    // The window is closing, by its close box or by its owner; the menu entry loses its mark.
    void Unloading();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void List1_MouseDown(const QPoint& position);
    void WidenTo(const QString& line);

    QListWidget* list1_;
    QMenu* fileMenu_;
    QAction* clearItemMenu_;
    QAction* clearMenu_;
    int widest_ = 0;  // the width every line is given, that of the widest so far
};

}  // namespace morvane
