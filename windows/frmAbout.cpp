#include "frmAbout.h"

#include "NamedControl.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <utility>

#include "BreakablePath.h"
#include "CaptionFit.h"
#include "CentreOver.h"
#include "LanguageText.h"
#include "ShellOpen.h"
#include "SupportAddress.h"
#include "Twips.h"
#include "Version.h"

namespace morvane {

namespace {

// The Greek sentences are run together without a blank, as the box has always shown them. Both
// texts are short enough for the description's three lines.
QString TermsOfUse(const QString& language) {
    if (language == kDefaultLanguage) {
        return QStringLiteral("Χωρίς καμία εγγύηση.") +
               QStringLiteral("Ο δημιουργός δεν ευθύνεται για ζημιές από τη χρήση του.") + u'\n' +
               QStringLiteral("Δωρεάν πρόγραμμα (freeware).");
    }
    return QStringLiteral(
        "Provided without any warranty. The author is not liable for damage "
        "from its use.\nIt is freeware: free to use and to pass on.");
}

QString MailCaption(const QString& language) {
    return language == kDefaultLanguage ? QStringLiteral("Αποστολή e-mail")
                                        : QStringLiteral("Send e-mail");
}

}  // namespace

frmAbout::frmAbout(QString language, QString appTitle, const QIcon& icon, QWidget* parent)
    : QDialog(parent), language_(std::move(language)), appTitle_(std::move(appTitle)), icon_(icon) {
    setObjectName(QStringLiteral("frmAbout"));
    CreateControls();
    Form_Load();
}

QString frmAbout::MenuTitle(const QString& menuCaption, const QString& appTitle) {
    return menuCaption + u' ' + appTitle;
}

QString frmAbout::MailLink() {
    return QStringLiteral("mailto:") + QStringLiteral(MORVANE_SUPPORT_MAIL);
}

void frmAbout::CreateControls() {
    const TwipsScale scale = TwipsScale::Of(*this);
    scale.FixDialog(*this, 5760, 4560, false);
    const auto label = [this, &scale](const char* name, int left, int top, int width, int height) {
        auto* control = MakeNamed<QLabel>(this, name);
        scale.Place(*control, {left, top, width, height});
        return control;
    };
    picIcon_ = label("picIcon", 240, 240, 540, 540);
    lblTitle_ = label("lblTitle", 1050, 240, 3885, 480);
    QFont titleFont = lblTitle_->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    lblTitle_->setFont(titleFont);
    lblVersion_ = label("lblVersion", 1050, 720, 3885, 225);
    lblDescription_ = label("lblDescription", 1050, 1080, 3885, 810);
    lblDescription_->setWordWrap(true);
    lblDescription_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    mailLabel_ = label("Label4", 960, 2040, 4095, 255);
    QFont linkFont = mailLabel_->font();
    linkFont.setUnderline(true);
    mailLabel_->setFont(linkFont);
    mailLabel_->setForegroundRole(QPalette::Link);
    mailLabel_->installEventFilter(this);

    lblOutputFolder_ = label("lblOutputFolder", 960, 2520, 4095, 1200);
    lblOutputFolder_->setWordWrap(true);
    lblOutputFolder_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblOutputFolder_->hide();

    cmdOK_ = new QPushButton(QStringLiteral("OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setDefault(true);
    scale.Place(*cmdOK_, {4320, 4080, 1260, 345});
    connect(cmdOK_, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
}

void frmAbout::Form_Load() {
    // The pointing hand tells that the line is a link, not text.
    mailLabel_->setCursor(Qt::PointingHandCursor);
    picIcon_->setPixmap(icon_.pixmap(picIcon_->size()));
    // The designed title is empty, so the application title stands alone.
    setWindowTitle(appTitle_);
    lblVersion_->setText(QStringLiteral("v.") + QStringLiteral(MORVANE_VERSION));
    lblTitle_->setText(appTitle_);
    lblDescription_->setText(TermsOfUse(language_));
    mailLabel_->setText(MailCaption(language_));
    GrowToCaptions(*this);
}

void frmAbout::ShowOutputFolder(const QString& note) {
    lblOutputFolder_->setText(BreakablePath(note));
    lblOutputFolder_->setVisible(!note.isEmpty());
}

void frmAbout::Label4_Click() {
    ShellOpen(MailLink().toStdString());
}

void frmAbout::cmdOK_Click() {
    accept();
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mailLabel_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Label4_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ShowAboutBox(QWidget* parent, const QString& language, const QString& appTitle,
                  const QIcon& icon, const std::optional<QString>& menuCaption,
                  const QString& outputFolderNote) {
    frmAbout box(language, appTitle, icon, parent);
    box.ShowOutputFolder(outputFolderNote);
    if (menuCaption) box.setWindowTitle(frmAbout::MenuTitle(*menuCaption, appTitle));
    CentreOver(box, parent);
    box.exec();
}

}  // namespace morvane
