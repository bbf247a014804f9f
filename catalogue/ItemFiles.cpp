#include "ItemFiles.h"

#include <QDir>
#include <filesystem>

#include "KindText.h"
#include "PathHelpers.h"

namespace morvane {

QStringList MatchingItemFiles(const QString& folder, const QString& name, ResourceKind kind) {
    const QString ending = u'.' + KindText(kind);
    QStringList matching;
    const QDir dir(folder);
    const QStringList entries =
        dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
    for (const QString& entry : entries) {
        if (entry.size() < name.size() + ending.size()) continue;
        if (!entry.startsWith(name, Qt::CaseInsensitive)) continue;
        if (!entry.endsWith(ending, Qt::CaseInsensitive)) continue;
        matching.append(entry);
    }
    return matching;
}

QString SourceNameOfItem(const QString& path) {
    const qsizetype separator = path.lastIndexOf(QChar::fromLatin1(kPathSeparator));
    if (separator < 0) return {};
    const QString file = path.mid(separator + 1);
    const qsizetype underscore = file.lastIndexOf(u'_');
    return underscore < 0 ? file : file.left(underscore);
}

std::error_code RemoveItemFile(const std::string& path) {
    namespace fs = std::filesystem;
    const fs::path file = fs::u8path(path);
    std::error_code error;
    const fs::file_status status = fs::symlink_status(file, error);
    if (error) return error;
    if (!fs::is_regular_file(status))
        return std::make_error_code(std::errc::no_such_file_or_directory);
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add,
                    error);
    if (error) return error;
    if (!fs::remove(file, error) && !error)
        return std::make_error_code(std::errc::no_such_file_or_directory);
    return error;
}

}  // namespace morvane
