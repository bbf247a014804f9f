#include "ToolbarImageList.h"

#include <QPixmap>

#include "CommandSymbols.h"
#include "KindSymbols.h"
#include "KindText.h"

namespace morvane {

namespace {
struct KeyedImage {
    ResourceKind kind;
    int index;
};

constexpr std::array<KeyedImage, kKindCount> kKeyedImages = {{
    {ResourceKind::BMP, 7},
    {ResourceKind::CUR, 8},
    {ResourceKind::GIF, 9},
    {ResourceKind::JPG, 10},
    {ResourceKind::ICO, 11},
    {ResourceKind::WAV, 12},
    {ResourceKind::AVI, 13},
    {ResourceKind::PNG, 15},
    {ResourceKind::MID, 21},
    {ResourceKind::ANI, 22},
}};

constexpr std::array<CommandImage, 11> kCommandImages = {
    CommandImage::ScanFolder, CommandImage::Open,     CommandImage::Delete,
    CommandImage::DeleteAll,  CommandImage::Export48, CommandImage::Export32,
    CommandImage::Export16,   CommandImage::ScanLog,  CommandImage::About,
    CommandImage::Exit,       CommandImage::Stop};
}  // namespace

ToolbarImageList::ToolbarImageList() {
    for (const KeyedImage& keyed : kKeyedImages)
        images_[keyed.index - 1] = DrawKindSymbol(keyed.kind);
    images_[kSoundCategoryImage - 1] = DrawSoundCategorySymbol();
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
    for (const KeyedImage& keyed : kKeyedImages) {
        const std::string_view name = KindName(keyed.kind);
        if (key == QLatin1StringView(name.data(), static_cast<qsizetype>(name.size())))
            return keyed.index;
    }
    return std::nullopt;
}

QImage ToolbarImageList::KeyedImageAt(QStringView key, int size) {
    for (const KeyedImage& keyed : kKeyedImages) {
        const std::string_view name = KindName(keyed.kind);
        if (key == QLatin1StringView(name.data(), static_cast<qsizetype>(name.size())))
            return DrawKindSymbol(keyed.kind, size);
    }
    return {};
}

int ToolbarImageList::CategoryImage(ResourceKind kind) {
    if (kind == ResourceKind::WAV) return kSoundCategoryImage;
    return *IndexOfKey(KindText(kind));
}

}  // namespace morvane
