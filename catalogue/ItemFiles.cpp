#include "ItemFiles.h"

#include <QDir>
#include <algorithm>
#include <filesystem>
#include <utility>
#include <vector>

#include "KindText.h"
#include "PathHelpers.h"

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

QStringList MatchingItemFiles(const QString& folder, const QString& name, ResourceKind kind) {
    std::vector<std::pair<qulonglong, QString>> numbered;
    const QStringList entries =
        QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
    for (const QString& entry : entries)
        if (const std::optional<qulonglong> number = ItemNumber(entry, name, kind))
            numbered.emplace_back(*number, entry);
    std::sort(numbered.begin(), numbered.end());
    QStringList matching;
    for (auto& [number, entry] : numbered) matching.append(std::move(entry));
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
