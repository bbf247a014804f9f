#include "ToolbarImageList.h"

#include <QPixmap>

#include "CommandSymbols.h"
#include "KindSymbols.h"
#include "formats/FormatTable.h"

namespace morvane {

namespace {
bool IsKey(QStringView key, const FormatDescriptor& format) {
    return key == QLatin1StringView(format.name.data(), static_cast<qsizetype>(format.name.size()));
}

constexpr std::array<CommandImage, 11> kCommandImages = {
    CommandImage::ScanFolder, CommandImage::Open,     CommandImage::Delete,
    CommandImage::DeleteAll,  CommandImage::Export48, CommandImage::Export32,
    CommandImage::Export16,   CommandImage::ScanLog,  CommandImage::About,
    CommandImage::Exit,       CommandImage::Stop};
}  // namespace

ToolbarImageList::ToolbarImageList() {
    for (const FormatDescriptor& format : kFormats) {
        images_[format.toolbarImage - 1] = DrawKindSymbol(format.kind);
        if (format.categoryImage != format.toolbarImage)
            images_[format.categoryImage - 1] = DrawCategorySymbol(format.kind);
    }
    for (const CommandImage image : kCommandImages)
        images_[static_cast<int>(image) - 1] = DrawCommandSymbol(image);
}

const QImage& ToolbarImageList::Image(int index) const {
    return images_.at(static_cast<std::size_t>(index - 1));
}

QIcon ToolbarImageList::Icon(int index) const {
    return QIcon(QPixmap::fromImage(Image(index)));
}

std::optional<int> ToolbarImageList::IndexOfKey(QStringView key) {
    for (const FormatDescriptor& format : kFormats)
        if (IsKey(key, format)) return format.toolbarImage;
    return std::nullopt;
}

QImage ToolbarImageList::KeyedImageAt(QStringView key, int size) {
    for (const FormatDescriptor& format : kFormats)
        if (IsKey(key, format)) return DrawKindSymbol(format.kind, size);
    return {};
}

int ToolbarImageList::CategoryImage(ResourceKind kind) {
    return FormatOf(kind).categoryImage;
}

}  // namespace morvane
