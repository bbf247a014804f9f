#include "ItemList.h"

#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPainter>

#include "ItemFiles.h"
#include "ItemPreview.h"
#include "KindText.h"
#include "ListItemKey.h"
#include "PrintableText.h"
#include "ToolbarImageList.h"

namespace morvane {

namespace {
// `picture` in a cell of the list's size: shrunk to fit (never enlarged), keeping its aspect,
// centred, over the list's background, so that what is transparent in it looks the same
// however the list draws its icons. It is scaled with 32 bits a pixel: QImage::scaled turns a
// 1-bit picture whose colour table holds the transparency (the 256-pixel image of a blank icon)
// into opaque black.
QImage OverListBackground(const QListWidget& list, const QImage& picture) {
    constexpr int kSize = ItemList::kPictureSize;
    QImage fitted = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (fitted.width() > kSize || fitted.height() > kSize)
        fitted = fitted.scaled(
            fitted.size().scaled(kSize, kSize, Qt::KeepAspectRatio).expandedTo({1, 1}),
            Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage cell(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    cell.fill(list.palette().color(list.viewport()->backgroundRole()));
    QPainter painter(&cell);
    painter.drawImage(QPoint((kSize - fitted.width()) / 2, (kSize - fitted.height()) / 2), fitted);
    return cell;
}
}  // namespace

ItemList::ItemList(QListWidget& ListView1) : list_(ListView1) {}

void ItemList::ListGenericItems(const QStringList& files, ResourceKind kind) {
    StartListing();
    for (const QString& file : files)
        AddItem(file, QString::fromStdString(Printable(QFileInfo(file).fileName().toStdString())),
                ListPicture(file, kind));
}

void ItemList::ListPictureItems(const QStringList& files, ResourceKind kind) {
    StartListing();
    for (const QString& file : files) AddItem(file, QString(), ListPicture(file, kind));
}

void ItemList::Clear() {
    list_.clear();
    ImageList1_.clear();
}

void ItemList::StartListing() {
    Clear();
    list_.viewport()->update();
}

void ItemList::AddItem(const QString& path, const QString& text, const QImage& picture) {
    ImageList1_.append(picture);
    auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(picture)), text, &list_);
    item->setData(kListItemKeyRole, path);
    item->setData(kListItemIconRole, static_cast<int>(ImageList1_.size()));
    item->setToolTip(text);
}

// The item's own picture where it has one that decodes, else the toolbar's symbol of its kind,
// drawn at the list's size rather than stretched: never a picture of another item.
QImage ItemList::ListPicture(const QString& path, ResourceKind kind) const {
    const QImage own = ItemPicture(path, kind);
    return OverListBackground(
        list_, own.isNull() ? ToolbarImageList::KeyedImageAt(KindText(kind), kPictureSize) : own);
}

int ItemList::Count() const {
    return list_.count();
}

QListWidgetItem* ItemList::Item(int index) const {
    if (index < 1 || index > list_.count()) return nullptr;
    return list_.item(index - 1);
}

QString ItemList::Path(int index) const {
    const QListWidgetItem* item = Item(index);
    return item != nullptr ? item->data(kListItemKeyRole).toString() : QString();
}

int ItemList::SelectedIndex() const {
    const QList<QListWidgetItem*> selected = list_.selectedItems();
    if (selected.isEmpty()) return 0;
    return list_.row(selected.first()) + 1;
}

QImage ItemList::Picture(int index) const {
    const QListWidgetItem* item = Item(index);
    if (item == nullptr) return {};
    const int image = item->data(kListItemIconRole).toInt();
    if (image < 1 || image > ImageList1_.size()) return {};
    return ImageList1_.at(image - 1);
}

void ItemList::RemoveItem(int index) {
    delete Item(index);
}

void ItemList::ClearSelection() {
    list_.setCurrentItem(nullptr);
    list_.clearSelection();
}

}  // namespace morvane
