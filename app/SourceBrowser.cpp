#include "SourceBrowser.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStyle>
#include <array>
#include <optional>

#include "CaptionFit.h"
#include "FolderListing.h"
#include "MessageTable.h"
#include "PathHelpers.h"
#include "Volumes.h"

namespace morvane {

namespace {
constexpr int kPathRole = Qt::UserRole;
constexpr std::array<QStringView, 3> kPatterns = {u"*.*", u"*.exe", u"*.dll"};

QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

std::optional<QString> ExistingFolder(QString folder) {
#ifdef _WIN32
    if (folder.size() == 2 && folder[1] == u':') folder += u'\\';
#else
    if (folder.isEmpty()) folder = QStringLiteral("/");
#endif
    const QFileInfo info(folder);
    if (!info.isDir()) return std::nullopt;
    return Native(QDir::cleanPath(info.absoluteFilePath()));
}

// The folder and every folder above it, the root first.
QStringList FolderChain(const QString& folder) {
    QStringList chain{folder};
    QDir dir(folder);
    while (dir.cdUp()) {
        const QString parent = Native(dir.absolutePath());
        if (parent == chain.first()) break;
        chain.prepend(parent);
    }
    return chain;
}

QString FolderCaption(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    return name.isEmpty() ? path : name;
}

void AddFolderEntry(QListWidget& list, const QString& path, int depth,
                    QStyle::StandardPixmap icon) {
    auto* item = new QListWidgetItem(QString(depth * 2, u' ') + FolderCaption(path), &list);
    item->setData(kPathRole, path);
    item->setIcon(QApplication::style()->standardIcon(icon));
}
}  // namespace

SourceBrowser::SourceBrowser(QComboBox& Drive1, QListWidget& Dir1, QListWidget& File1,
                             QComboBox& Combo1, QStringList volumes)
    : QObject(&Dir1),
      drive1_(Drive1),
      dir1_(Dir1),
      file1_(File1),
      combo1_(Combo1),
      pattern_(kPatterns[0].toString()) {
    for (const QString& volume : volumes) drive1_.addItem(volume, volume);
    // The style's folder icons come in different sizes; every row shows the small one.
    const int small = dir1_.style()->pixelMetric(QStyle::PM_SmallIconSize);
    dir1_.setIconSize(QSize(small, small));
    FitPopupToEntries(drive1_);
    connect(&drive1_, &QComboBox::activated, this, [this](int) { Drive1_Change(); });
    connect(&combo1_, &QComboBox::currentIndexChanged, this, &SourceBrowser::Combo1_Click);
    // The list is rebuilt after the activation has been handled, not inside it.
    connect(
        &dir1_, &QListWidget::itemActivated, this,
        [this](QListWidgetItem* item) { SetFolder(item->data(kPathRole).toString()); },
        Qt::QueuedConnection);
    connect(&file1_, &QListWidget::itemClicked, this, [this] { emit FileClicked(); });
    file1_.installEventFilter(this);
}

// Enter on the chosen file scans it, as a click does.
bool SourceBrowser::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &file1_ || event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if ((key != Qt::Key_Return && key != Qt::Key_Enter) || file1_.currentItem() == nullptr)
        return false;
    emit FileClicked();
    return true;
}

void SourceBrowser::FillFilters(const MessageTable& messages) {
    const QSignalBlocker blocker(combo1_);
    combo1_.clear();
    combo1_.addItem(QStringLiteral("*.* (") + messages.Text(MessageId::AllFiles) + u')');
    combo1_.addItem(QStringLiteral("*.EXE (") + messages.Text(MessageId::ExecutableFiles) + u')');
    combo1_.addItem(QStringLiteral("*.DLL (") + messages.Text(MessageId::LibraryFiles) + u')');
    combo1_.setCurrentIndex(0);
    FitPopupToEntries(combo1_);
    Combo1_Click(0);
}

bool SourceBrowser::SetDrive(const QString& volume) {
    const int index = drive1_.findData(volume);
    if (index < 0) return false;
    drive1_.setCurrentIndex(index);
    return true;
}

bool SourceBrowser::SetFolder(const QString& folder) {
    const std::optional<QString> existing = ExistingFolder(folder);
    if (!existing) return false;
    folder_ = *existing;
    const QString volume = VolumeOfPath(folder_, Volumes());
    if (!volume.isEmpty()) {
        folderOfVolume_.insert(volume, folder_);
        SetDrive(volume);
    }
    FillDir1();
    Dir1_Change();
    return true;
}

QString SourceBrowser::Drive() const {
    return drive1_.currentData().toString();
}

QStringList SourceBrowser::Volumes() const {
    QStringList volumes;
    for (int i = 0; i < drive1_.count(); ++i) volumes << drive1_.itemData(i).toString();
    return volumes;
}

QStringList SourceBrowser::Files() const {
    QStringList names;
    for (int i = 0; i < file1_.count(); ++i) names << file1_.item(i)->text();
    return names;
}

QString SourceBrowser::SelectedFile() const {
    const QListWidgetItem* item = file1_.currentItem();
    return item == nullptr ? QString() : item->text();
}

void SourceBrowser::Drive1_Change() {
    const QString volume = Drive();
    if (SetFolder(folderOfVolume_.value(volume, VolumeRoot(volume)))) return;
    // A volume that cannot be shown (a drive without a medium) gives way to the current one.
    SetDrive(VolumeOfPath(folder_, Volumes()));
}

void SourceBrowser::Dir1_Change() {
    fileFolder_ = folder_;
    RefreshFile1();
}

void SourceBrowser::Combo1_Click(int index) {
    if (index < 0 || index >= static_cast<int>(kPatterns.size())) return;
    pattern_ = kPatterns[static_cast<std::size_t>(index)].toString();
    // The tooltip repeats the chosen filter whole.
    combo1_.setToolTip(combo1_.itemText(index));
    RefreshFile1();
}

void SourceBrowser::FillDir1() {
    dir1_.clear();
    const QStringList chain = FolderChain(folder_);
    for (int depth = 0; depth < chain.size(); ++depth)
        AddFolderEntry(dir1_, chain[depth], depth, QStyle::SP_DirOpenIcon);
    dir1_.setCurrentRow(static_cast<int>(chain.size()) - 1);
    const std::string parent = WithTrailingSeparator(folder_.toStdString());
    for (const std::string& name : ListSubFolders(parent))
        AddFolderEntry(dir1_, QString::fromStdString(parent + name), static_cast<int>(chain.size()),
                       QStyle::SP_DirIcon);
}

void SourceBrowser::RefreshFile1() {
    file1_.clear();
    if (fileFolder_.isEmpty()) return;
    const std::string folder = WithTrailingSeparator(fileFolder_.toStdString());
    for (const std::string& name : ListFiles(folder, pattern_.toStdString()))
        file1_.addItem(QString::fromStdString(name));
}

}  // namespace morvane
