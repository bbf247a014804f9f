#include "Form4.h"

#include "NamedControl.h"

#include <QCloseEvent>
#include <QEvent>
#include <QProgressBar>
#include <QPushButton>

#include "Twips.h"
#include "WrappingLabel.h"

namespace morvane {

namespace {
constexpr int kClientWidth = 4470;
constexpr int kClientHeight = 2775;
// Without its bar and button (at exit) the window ends above them.
constexpr int kShortClientHeight = 1800;
// The folder line is designed narrow but shows whole folder paths, so it takes the full width.
constexpr TwipsRect kLabel3{120, 240, 4215, 195};
constexpr TwipsRect kLabel1{120, 600, 4215, 615};
constexpr TwipsRect kLabel2{120, 1320, 4215, 255};
constexpr TwipsRect kProgressBar1{0, 1800, 4455, 255};
constexpr TwipsRect kCommand1{1680, 2220, 1215, 475};

QLabel* MakeLabel(QWidget* parent, const char* name) {
    QLabel* label = MakeNamed<WrappingLabel>(parent, name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}
}  // namespace

Form4::Form4(const QString& title, const QIcon& stopPicture)
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      label1_(MakeLabel(this, "Label1")),
      label2_(MakeLabel(this, "Label2")),
      label3_(MakeLabel(this, "Label3")),
      progressBar1_(new QProgressBar(this)),
      stopButton_(new QPushButton(this)) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(title);
    progressBar1_->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar1_->setRange(0, 100);
    progressBar1_->setValue(0);
    progressBar1_->setTextVisible(false);
    stopButton_->setObjectName(QStringLiteral("Command1"));
    stopButton_->setIcon(stopPicture);
    stopButton_->setIconSize(QSize(16, 16));
    stopButton_->setText(QStringLiteral("Stop"));
    connect(stopButton_, &QPushButton::clicked, this, &Form4::Command1_Click);
    Form_Load();
}

void Form4::Form_Load() {
    Relayout();
}

// Each text gets as many lines as it needs at its designed width; what lies below a text that
// grew moves down by as much, and the window grows with it.
void Form4::Relayout() {
    const TwipsScale scale = TwipsScale::Of(*this);
    int extra = 0;
    for (const auto& [label, design] :
         {std::pair{label3_, kLabel3}, {label1_, kLabel1}, {label2_, kLabel2}}) {
        QRect placed = scale.ToPixels(design).translated(0, extra);
        const int needed = label->heightForWidth(placed.width());
        if (needed > placed.height()) {
            extra += needed - placed.height();
            placed.setHeight(needed);
        }
        label->setGeometry(placed);
    }
    progressBar1_->setGeometry(scale.ToPixels(kProgressBar1).translated(0, extra));
    TwipsRect button = kCommand1;
    button.left = (kClientWidth - button.width) / 2;
    stopButton_->setGeometry(scale.ToPixels(button).translated(0, extra));
    setFixedSize(scale.ToPixelsX(kClientWidth),
                 scale.ToPixelsY(shortened_ ? kShortClientHeight : kClientHeight) + extra);
}

void Form4::HideBarAndButton() {
    progressBar1_->hide();
    stopButton_->hide();
    shortened_ = true;
    Relayout();
}

bool Form4::event(QEvent* event) {
    // A label asks for this when its text changes while the window is shown.
    if (event->type() == QEvent::LayoutRequest || event->type() == QEvent::Show) Relayout();
    return QWidget::event(event);
}

bool Form4::StopPressed() const {
    return !stopButton_->isEnabled();
}

void Form4::Command1_Click() {
    if (!stopButton_->isEnabled()) return;
    stopButton_->setEnabled(false);
    emit StopClicked();
}

void Form4::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (stopButton_->isVisible()) Command1_Click();
}

}  // namespace morvane
