#include "CatalogueError.h"

#include <string>

namespace morvane {

namespace {
class CatalogueCategory final : public std::error_category {
  public:
    const char* name() const noexcept override { return "catalogue"; }
    std::string message(int value) const override {
        switch (static_cast<CatalogueFault>(value)) {
            case CatalogueFault::NoSuchItem:
                return "The list holds no item with this index";
            case CatalogueFault::NoSuchNode:
                return "The tree holds no node with this key";
            case CatalogueFault::NoCategoryMarker:
                return "The question holds no \"%\"";
        }
        return "Unknown catalogue error";
    }
};
}  // namespace

std::error_code make_error_code(CatalogueFault fault) {
    static const CatalogueCategory category;
    return {static_cast<int>(fault), category};
}

QString ErrorBoxText(const std::error_code& error) {
    QString description = QString::fromLocal8Bit(error.message()).trimmed();
    if (description.isEmpty())
        description = QStringLiteral("Error ") + QString::number(error.value());
    return QString::number(error.value()) + QStringLiteral(" - ") + description;
}

}  // namespace morvane
