// The extracted files of one source name on disk, found again by their names, and the one way
// the catalogue deletes a file. Names are compared literally, so a source name holding "*",
// "?" or "[" never widens what is listed or deleted.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <system_error>

#include "ResourceKind.h"

namespace morvane {

// The names in `folder` that begin with `name` and end in "." + `kind`, letter case ignored,
// in the order the file system gives them. Hidden and read-only files are included.
QStringList MatchingItemFiles(const QString& folder, const QString& name, ResourceKind kind);

// The source name inside an item path: the file name after the last separator (empty when there
// is none), cut before its last "_" (whole when there is none). my_file.dll_12.ICO gives
// my_file.dll.
QString SourceNameOfItem(const QString& path);

// Deletes one file; the error code says why it could not be deleted.
using ItemFileRemover = std::function<std::error_code(const std::string& path)>;

// Makes the file writable first, so that a read-only file goes like any other; a file that is
// already gone is an error, as it means the catalogue and the disk disagree.
std::error_code RemoveItemFile(const std::string& path);

}  // namespace morvane
