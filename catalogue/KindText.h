// A kind's three capital letters as the catalogue's texts use them: folder names, file endings,
// node keys.
#pragma once

#include <QString>
#include <string_view>

#include "ResourceKind.h"

namespace morvane {

inline QString KindText(ResourceKind kind) {
    const std::string_view name = KindName(kind);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace morvane
