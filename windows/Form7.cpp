#include "Form7.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <utility>

#include "CaptionFit.h"
#include "CentreOver.h"
#include "LanguageChoice.h"
#include "MessageSink.h"
#include "QtTranslation.h"
#include "ScanSettings.h"
#include "Twips.h"

namespace morvane {

Form7::Form7(ScanSettings& settings, QString appFolder, MessageSink& messages, QWidget* parent)
    : QDialog(parent), settings_(settings), appFolder_(std::move(appFolder)), messages_(messages) {
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Επιλογή Γλώσσας"));
    CreateControls();
    Form_Load();
}

void Form7::CreateControls() {
    const TwipsScale scale = TwipsScale::Of(*this);
    scale.FixDialog(*this, 3615, 1830, true);

    frame1_ = new QGroupBox(this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    scale.Place(*frame1_, {120, 0, 3375, 1125});

    titleLabel_ = new QLabel(QStringLiteral("Label1"), frame1_);
    titleLabel_->setObjectName(QStringLiteral("Label1"));
    scale.Place(*titleLabel_, {120, 240, 2895, 255});

    combo1_ = new QComboBox(frame1_);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    scale.Place(*combo1_, {120, 600, 3135, 315});

    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("Command1"));
    okButton_->setDefault(true);
    scale.Place(*okButton_, {1200, 1320, 1215, 375});
    connect(okButton_, &QPushButton::clicked, this, &Form7::Command1_Click);
}

void Form7::SetTitle(const QString& title) {
    setWindowTitle(title);
    titleLabel_->setText(title + u':');
    GrowToCaptions(*this);
}

void Form7::Form_Load() {
    const QStringList entries = LanguageEntries(appFolder_);
    combo1_->clear();
    combo1_->addItems(entries);
    combo1_->setCurrentIndex(PreselectedEntry(entries, settings_.language));
}

void Form7::Command1_Click() {
    const std::optional<LanguageChange> change =
        ChooseLanguage(combo1_->currentText(), settings_.language, appFolder_);
    if (change) {
        settings_.language = change->language;
        // Qt's texts follow at once, as the dialogs opened from now on do.
        ApplyQtTranslation(LanguageText(settings_.language));
        messages_.ShowMessage(change->message);
    }
    accept();
}

void ShowLanguageDialog(QWidget* parent, ScanSettings& settings, const QString& appFolder,
                        MessageSink& messages, const QString& title) {
    Form7 dialog(settings, appFolder, messages, parent);
    dialog.SetTitle(title);
    CentreOver(dialog, parent);
    dialog.exec();
}

}  // namespace morvane
