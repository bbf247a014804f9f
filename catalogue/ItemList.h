// ListView1's content: the extracted files of one source name, each with a 32×32 picture from
// ImageList1. Pictures stay in ImageList1 when single items go, so that every remaining item
// keeps its own; only a refill or a clear empties it.
#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include "ResourceKind.h"

class QListWidget;
class QListWidgetItem;

namespace morvane {

class ItemList {
  public:
    static constexpr int kPictureSize = 32;

    explicit ItemList(QListWidget& ListView1);

    // Each item with its file name. Every item of either listing shows its own picture where it
    // has one that decodes (ItemPicture), shrunk to fit 32×32 keeping its aspect, else its
    // kind's symbol; every picture is drawn over the list's background.
    void ListGenericItems(const QStringList& files, ResourceKind kind);
    // Each item without a name.
    void ListPictureItems(const QStringList& files, ResourceKind kind);
    // Every item and every picture goes.
    void Clear();

    int Count() const;
    // `index` counts from 1; nullptr when no item has it.
    QListWidgetItem* Item(int index) const;
    // The full path of item `index` (its key); empty when no item has it.
    QString Path(int index) const;
    // The 1-based index of the list's selected item, 0 when none is selected.
    int SelectedIndex() const;
    // The picture an item shows; a null image when no item has `index`.
    QImage Picture(int index) const;
    void RemoveItem(int index);
    // No item is selected, nor current.
    void ClearSelection();

    QListWidget& ListView1() const { return list_; }

  private:
    void StartListing();
    void AddItem(const QString& path, const QString& text, const QImage& picture);
    QImage ListPicture(const QString& path, ResourceKind kind) const;

    QListWidget& list_;
    QList<QImage> ImageList1_;
};

}  // namespace morvane
