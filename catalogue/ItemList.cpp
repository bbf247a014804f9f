#include "ItemList.h"
#include "IconImages.h"

#include <QCoreApplication>
#include <QDir>
#include <QImageReader>
#include <QListWidget>
#include <QPainter>
#include <optional>

#include "ItemFiles.h"
#include "KindText.h"
#include "ListItemKey.h"
#include "ToolbarImageList.h"

namespace morvane {

ItemList::ItemList(QListWidget& ListView1) : list_(ListView1) {
    previewCanvas_ = QImage(kPictureSize, kPictureSize, QImage::Format_ARGB32_Premultiplied);
    previewCanvas_.fill(Qt::transparent);
}

void ItemList::ListGenericItems(const QString& folder, const QString& name, ResourceKind kind) {
    StartListing();
    // The toolbar's symbol of the kind, drawn at the list's size rather than stretched.
    const QImage picture = ToolbarImageList::KeyedImageAt(KindText(kind), kPictureSize);
    for (const QString& file : MatchingItemFiles(folder, name, kind))
        AddItem(folder + file, file, picture);
}

void ItemList::ListPictureItems(const QString& folder, const QString& name, ResourceKind kind) {
    StartListing();
    for (const QString& file : MatchingItemFiles(folder, name, kind))
        AddItem(folder + file, QString(), LoadIntoPreviewCanvas(folder + file));
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

// The picture at its own size from the top-left corner, cut to 32×32; what cannot be read
// leaves the previous picture in place. An icon of several sizes shows its largest, made to fit.
QImage ItemList::LoadIntoPreviewCanvas(const QString& path) {
    const std::optional<QImage> largest = LargestIconImage(path);
    const QImage loaded = largest ? largest->scaled(kPictureSize, kPictureSize, Qt::KeepAspectRatio,
                                                    Qt::SmoothTransformation)
                                  : QImageReader(path).read();
    if (loaded.isNull()) return previewCanvas_;
    QImage canvas(kPictureSize, kPictureSize, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.drawImage(QPoint(0, 0), loaded);
    painter.end();
    previewCanvas_ = canvas;
    return canvas;
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
