// ToolBar_ImageList: the 22 images of 16×16 pixels that the toolbar and the category tree share.
// Ten of them carry the name of a kind, for the item list to show beside items without a preview;
// the WAV category shows an image of its own that carries no key.
#pragma once

#include <QIcon>
#include <QImage>
#include <QStringView>
#include <array>
#include <optional>

#include "ResourceKind.h"

namespace morvane {

// The images of the command buttons, by their 1-based index in the list.
enum class CommandImage : int {
    ScanFolder = 1,
    Open = 2,
    Delete = 3,
    DeleteAll = 4,
    Export48 = 5,
    Export32 = 6,
    Export16 = 16,
    ScanLog = 17,
    About = 18,
    Exit = 19,
    Stop = 20,
};

class ToolbarImageList {
  public:
    static constexpr int kCount = 22;
    static constexpr int kSize = 16;

    ToolbarImageList();

    // `index` counts from 1, as the image indexes of tree nodes do.
    const QImage& Image(int index) const;
    QIcon Icon(int index) const;
    QIcon Icon(CommandImage image) const { return Icon(static_cast<int>(image)); }

    // The image keyed by `key` drawn anew at `size`×`size`, for cells larger than the list's;
    // a null image for a text that keys no image.
    static QImage KeyedImageAt(QStringView key, int size);
    // The index of the image keyed by `key` ("BMP", "CUR", ...); nothing for any other text.
    static std::optional<int> IndexOfKey(QStringView key);
    // The image of the category node of `kind`.
    static int CategoryImage(ResourceKind kind);

  private:
    std::array<QImage, kCount> images_;
};

}  // namespace morvane
