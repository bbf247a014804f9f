// How the names of extracted files are read, and the one way the catalogue deletes a file. A
// source's items are exactly <source>_<digits>.<KIND>: names are compared whole, so pack.dll never
// takes pack.dll.old's items.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "ResourceKind.h"

namespace morvane {

// How the file system compares names: letter case counts except on Windows, where A.DLL and
// a.dll are one file and so one source.
#ifdef _WIN32
inline constexpr Qt::CaseSensitivity kFileNameCase = Qt::CaseInsensitive;
#else
inline constexpr Qt::CaseSensitivity kFileNameCase = Qt::CaseSensitive;
#endif

// Whether two source names name the same source, by the file system's rule.
bool SameSourceName(const QString& a, const QString& b);

// The item number of `file` when it is an item of `name` and `kind` (name + "_" + digits + "." +
// kind, the ending in any letter case); nothing otherwise.
std::optional<qulonglong> ItemNumber(const QString& file, const QString& name, ResourceKind kind);

// Deletes one file; the error code says why it could not be deleted.
using ItemFileRemover = std::function<std::error_code(const std::string& path)>;

// Removes those of `files` that are there, in order, with `remover`; stops at the first failure.
std::error_code RemoveExistingFiles(const std::vector<std::string>& files,
                                    const ItemFileRemover& remover);

// Makes the file writable first, so that a read-only file goes like any other; a file that is
// already gone is an error, as it means the catalogue and the disk disagree.
std::error_code RemoveItemFile(const std::string& path);

}  // namespace morvane
