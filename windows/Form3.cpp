#include "Form3.h"

#include <QCloseEvent>
#include <QListWidget>
#include <QMenu>
#include <QStyle>
#include <QVBoxLayout>

#include "Twips.h"

namespace morvane {

namespace {
constexpr int kClientWidth = 6405;
constexpr int kClientHeight = 990;
constexpr int kGapBelowMainWindow = 20;
// The designed height shows about four lines; the window shows at least this many.
constexpr int kShownLines = 8;
}  // namespace

QRect LogWindowPlacement(const QRect& mainFrame, const QRect& screen, int gapPixels, int height,
                         int frameHeight) {
    QRect placed(mainFrame.left(), mainFrame.top() + mainFrame.height() + gapPixels,
                 mainFrame.width(), height);
    const int lowest = screen.top() + screen.height() - height - frameHeight;
    if (placed.top() > lowest) placed.moveTop(lowest);
    return placed;
}

Form3::Form3(QWidget* owner)
    : QWidget(owner, Qt::Tool),
      list1_(new QListWidget(this)),
      fileMenu_(new QMenu(QStringLiteral("FILE"), this)),
      clearItemMenu_(fileMenu_->addAction(QStringLiteral("Αφαίρεση"))),
      clearMenu_(fileMenu_->addAction(QStringLiteral("Αφαίρεση Όλων"))) {
    setObjectName(QStringLiteral("Form3"));
    setAttribute(Qt::WA_DeleteOnClose);
    list1_->setObjectName(QStringLiteral("List1"));
    // Every line is one line of text: laying out thousands of them one by one after every added
    // line would cost a batch far more than its scan.
    list1_->setUniformItemSizes(true);
    fileMenu_->setObjectName(QStringLiteral("file_menu"));
    clearItemMenu_->setObjectName(QStringLiteral("clear_item_menu"));
    clearMenu_->setObjectName(QStringLiteral("clear_menu"));

    // The list fills the window at every size, which is all its resize handler has to do.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list1_);

    const TwipsScale scale = TwipsScale::Of(*this);
    resize(scale.ToPixelsX(kClientWidth), scale.ToPixelsY(kClientHeight));

    list1_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list1_, &QWidget::customContextMenuRequested, this, &Form3::List1_MouseDown);
    connect(clearItemMenu_, &QAction::triggered, this, &Form3::clear_item_menu_Click);
    connect(clearMenu_, &QAction::triggered, this, &Form3::clear_menu_Click);
}

void Form3::Form_Load(const QRect& mainFrame, const QRect& screen, int frameHeight) {
    const TwipsScale scale = TwipsScale::Of(*this);
    const int lines =
        kShownLines * (list1_->fontMetrics().lineSpacing() + 2) + 2 * list1_->frameWidth();
    const QRect placed =
        LogWindowPlacement(mainFrame, screen, scale.ToPixelsY(kGapBelowMainWindow),
                           std::max(scale.ToPixelsY(kClientHeight), lines), frameHeight);
    move(placed.topLeft());
    resize(placed.size());
}

void Form3::AddLine(const QString& line) {
    auto* item = new QListWidgetItem(line, list1_);
    item->setToolTip(line);
    WidenTo(line);
}

// Lines of one size are laid out without measuring each, but that size is taken from one line
// alone, which cut every longer line at the window's edge. So the grid is as wide as the widest
// line so far, and the list scrolls sideways to its end.
void Form3::WidenTo(const QString& line) {
    const int margins = 2 * (list1_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) + 2;
    const int width = list1_->fontMetrics().horizontalAdvance(line) + margins;
    if (width <= widest_) return;
    widest_ = width;
    list1_->setGridSize({widest_, list1_->sizeHintForRow(0)});
}

void Form3::SelectLastLine() {
    if (list1_->count() > 0) list1_->setCurrentRow(list1_->count() - 1);
}

void Form3::clear_item_menu_Click() {
    const QList<QListWidgetItem*> selected = list1_->selectedItems();
    for (QListWidgetItem* item : selected) delete list1_->takeItem(list1_->row(item));
}

void Form3::clear_menu_Click() {
    list1_->clear();
    widest_ = 0;
    list1_->setGridSize({});
}

void Form3::List1_MouseDown(const QPoint& position) {
    fileMenu_->popup(list1_->viewport()->mapToGlobal(position));
}

void Form3::closeEvent(QCloseEvent* event) {
    emit Unloading();
    event->accept();
}

}  // namespace morvane
