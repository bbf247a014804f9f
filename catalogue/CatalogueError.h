// The errors the catalogue's commands stop at, and the text of the one box that reports them:
// the error's number, " - ", and its description.
#pragma once

#include <QString>
#include <system_error>

namespace morvane {

// Faults of the catalogue's own bookkeeping, as opposed to those the disk reports.
enum class CatalogueFault {
    NoSuchItem = 1,        // the remembered index names no item of the list
    NoSuchNode = 2,        // the key names no node of the tree
    NoCategoryMarker = 3,  // the question's text holds no "%" to put the category in
};

std::error_code make_error_code(CatalogueFault fault);

// "<number> - <description>"; never an empty description.
QString ErrorBoxText(const std::error_code& error);

}  // namespace morvane

template <>
struct std::is_error_code_enum<morvane::CatalogueFault> : std::true_type {};
