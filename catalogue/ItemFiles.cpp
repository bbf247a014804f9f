#include "ItemFiles.h"

#include <algorithm>
#include <filesystem>

#include "KindText.h"

namespace morvane {

bool SameSourceName(const QString& a, const QString& b) {
    return QString::compare(a, b, kFileNameCase) == 0;
}

std::optional<qulonglong> ItemNumber(const QString& file, const QString& name, ResourceKind kind) {
    const QString ending = u'.' + KindText(kind);
    const qsizetype digits = file.size() - name.size() - 1 - ending.size();
    if (digits < 1 || !file.endsWith(ending, Qt::CaseInsensitive)) return std::nullopt;
    if (!SameSourceName(file.left(name.size()), name) || file.at(name.size()) != u'_')
        return std::nullopt;
    const QStringView number = QStringView(file).mid(name.size() + 1, digits);
    if (!std::all_of(number.begin(), number.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    bool ok = false;
    const qulonglong value = number.toULongLong(&ok);
    return ok ? std::optional(value) : std::nullopt;
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

std::error_code RemoveExistingFiles(const std::vector<std::string>& files,
                                    const ItemFileRemover& remover) {
    for (const std::string& file : files) {
        std::error_code error;
        if (!std::filesystem::exists(std::filesystem::u8path(file), error)) continue;
        if (const std::error_code failure = remover(file)) return failure;
    }
    return {};
}

}  // namespace morvane
