#include "Form4.h"

#include "NamedControl.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "Twips.h"

namespace morvane {

namespace {
constexpr int kClientWidth = 4470;
constexpr int kClientHeight = 2775;
// The folder line is designed narrow but shows whole folder paths, so it takes the full width.
constexpr TwipsRect kLabel3{120, 240, 4215, 195};
constexpr TwipsRect kLabel1{120, 600, 4215, 615};
constexpr TwipsRect kLabel2{120, 1320, 4215, 255};
constexpr TwipsRect kProgressBar1{0, 1800, 4455, 255};
constexpr TwipsRect kCommand1{1680, 2220, 1215, 475};

QLabel* MakeLabel(QWidget* parent, const char* name) {
    auto* label = MakeNamed<QLabel>(parent, name);
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
    label1_->setWordWrap(true);
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
    const TwipsScale scale = TwipsScale::Of(*this);
    setFixedSize(scale.ToPixelsX(kClientWidth), scale.ToPixelsY(kClientHeight));
    label3_->setGeometry(scale.ToPixels(kLabel3));
    label1_->setGeometry(scale.ToPixels(kLabel1));
    label2_->setGeometry(scale.ToPixels(kLabel2));
    progressBar1_->setGeometry(scale.ToPixels(kProgressBar1));
    TwipsRect button = kCommand1;
    button.left = (kClientWidth - button.width) / 2;
    stopButton_->setGeometry(scale.ToPixels(button));
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
