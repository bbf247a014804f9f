#include "Form2.h"

#include "NamedControl.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>

#include "BreakablePath.h"
#include "CaptionFit.h"
#include "MessageBoxes.h"
#include "MessageTable.h"
#include "WindowLanguage.h"

namespace morvane {

namespace {

QString WithSeparator(const QString& folder) {
    return folder.endsWith(QDir::separator()) || folder.endsWith(u'/') ? folder
                                                                       : folder + QDir::separator();
}

// Volume roots, the system's root first.
QStringList VolumeRoots() {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady())
            roots << QDir::toNativeSeparators(volume.rootPath());
    roots.removeDuplicates();
    roots.sort();
    return roots;
}
}  // namespace

Form2::Form2(Setup setup, QWidget* parent)
    : QDialog(parent),
      setup_(std::move(setup)),
      label1_(MakeNamed<QLabel>(this, "Label1")),
      drive1_(MakeNamed<QComboBox>(this, "Drive1")),
      dir1_(MakeNamed<QListWidget>(this, "Dir1")),
      file1_(MakeNamed<QListWidget>(this, "File1")),
      combo1_(MakeNamed<QComboBox>(this, "Combo1")),
      text1_(MakeNamed<QLineEdit>(this, "Text1")),
      okButton_(MakeNamed<QPushButton>(this, "Command1")),
      cancelButton_(MakeNamed<QPushButton>(this, "Command2")) {
    setObjectName(QStringLiteral("Form2"));
    auto* grid = new QGridLayout(this);
    label1_->setTextFormat(Qt::PlainText);
    label1_->setWordWrap(true);
    grid->addWidget(label1_, 0, 0, 1, 2);
    grid->addWidget(text1_, 1, 0);
    grid->addWidget(okButton_, 1, 1);
    grid->addWidget(file1_, 2, 0, 2, 1);
    grid->addWidget(cancelButton_, 2, 1);
    grid->addWidget(dir1_, 4, 0);
    grid->addWidget(combo1_, 5, 0);
    grid->addWidget(drive1_, 5, 1);
    okButton_->setText(QStringLiteral("OK"));
    cancelButton_->setText(QStringLiteral("Ακύρωση"));
    okButton_->setAutoDefault(false);
    cancelButton_->setAutoDefault(false);
    connect(combo1_, &QComboBox::activated, this, [this] { Combo1_Click(); });
    connect(drive1_, &QComboBox::activated, this, [this] { Drive1_Change(); });
    connect(dir1_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        SetFolder(QDir::cleanPath(QDir(folder_).absoluteFilePath(item->text())));
    });
    connect(file1_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { text1_->setText(item->text()); });
    connect(file1_, &QListWidget::itemDoubleClicked, this, [this] { Command1_Click(); });
    connect(text1_, &QLineEdit::returnPressed, this, &Form2::Command1_Click);
    connect(okButton_, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    Form_Load();
    GrowToCaptions(*this);
}

// A remembered folder that is gone leaves the dialog in the current folder, without a word.
void Form2::Form_Load() {
    ApplyExportDialogLanguage(*this, setup_.language);
    if (parentWidget() != nullptr) setWindowIcon(parentWidget()->windowIcon());
    combo1_->addItems({QStringLiteral("*.ICO"), QStringLiteral("*.BMP"), QStringLiteral("*.*")});
    drive1_->addItems(VolumeRoots());
    const QString remembered = setup_.lastFolder != nullptr ? *setup_.lastFolder : QString();
    SetFolder(!remembered.isEmpty() && QFileInfo(remembered).isDir() ? remembered
                                                                     : QDir::currentPath());
}

void Form2::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (setup_.messages != nullptr)
        setWindowTitle(setup_.messages->Text(MessageId::FileDialogTitle));
    text1_->setFocus();
}

void Form2::SetFolder(const QString& folder) {
    folder_ = QDir::toNativeSeparators(QDir::cleanPath(folder));
    label1_->setText(BreakablePath(folder_));
    ShowVolume();
    FillDir1();
    FillFile1();
}

// The volume of the folder, added to the list when the list did not offer it.
void Form2::ShowVolume() {
    const QString root = QDir::toNativeSeparators(QStorageInfo(folder_).rootPath());
    if (root.isEmpty()) return;
    if (drive1_->findText(root) < 0) drive1_->addItem(root);
    drive1_->setCurrentIndex(drive1_->findText(root));
}

void Form2::SelectFilter(int index) {
    combo1_->setCurrentIndex(index);
    Combo1_Click();
}

void Form2::Combo1_Click() {
    static const QStringList kPatterns = {QStringLiteral("*.ico"), QStringLiteral("*.bmp"),
                                          QStringLiteral("*.*")};
    const int index = combo1_->currentIndex();
    pattern_ = index >= 0 && index < kPatterns.size() ? kPatterns.at(index) : QStringLiteral("*.*");
    FillFile1();
}

void Form2::Drive1_Change() {
    SetFolder(drive1_->currentText());
}

void Form2::FillDir1() {
    dir1_->clear();
    const QDir dir(folder_);
    if (!dir.isRoot()) dir1_->addItem(QStringLiteral(".."));
    dir1_->addItems(
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
}

void Form2::FillFile1() {
    file1_->clear();
    file1_->addItems(
        QDir(folder_).entryList({pattern_}, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void Form2::Command1_Click() {
    // A blank name would make the file ".ICO", hidden in the folder, rather than one the user
    // named.
    if (text1_->text().trimmed().isEmpty()) {
        setup_.boxes->Critical(setup_.appTitle, setup_.messages->Text(MessageId::AskValidFileName));
        return;
    }
    const QString path = WithSeparator(folder_) + text1_->text();
    const QString extension = SaveKind == u"ico" ? QStringLiteral(".ICO") : QStringLiteral(".BMP");
    const QString name = path.endsWith(extension, Qt::CaseInsensitive) ? path : path + extension;
    bool usable = true;
    if (QFileInfo::exists(name)) {
        const QString question = name + u' ' + setup_.messages->Text(MessageId::AskReplaceFile);
        if (!setup_.boxes->Ask(setup_.appTitle, question)) return;
    } else {
        usable = ProbeNewFile(name);
    }
    if (!usable) {
        setup_.boxes->Critical(setup_.appTitle, setup_.messages->Text(MessageId::AskValidFileName));
        return;
    }
    ExportFileName = name;
    if (setup_.lastFolder != nullptr) *setup_.lastFolder = folder_;
    accept();
}

bool Form2::ProbeNewFile(const QString& path) {
    QFile probe(path);
    if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return false;
    probe.close();
    return probe.remove();
}

}  // namespace morvane
