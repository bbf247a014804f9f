#include "TempFolder.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "NativePath.h"
#include "PathHelpers.h"

namespace morvane::test {

namespace fs = std::filesystem;

namespace {
// The engine takes paths in the platform's own form only, so what the tests hand it must be too.
std::string Under(const std::string& folder, std::string relative) {
    std::replace(relative.begin(), relative.end(), '/', kPathSeparator);
    return folder + relative;
}
}  // namespace

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    const fs::path folder = fs::temp_directory_path() / ("morvane-test-" + std::to_string(stamp) +
                                                         "-" + std::to_string(counter++));
    fs::create_directories(folder);
    path_ = WithTrailingSeparator(FromFsPath(folder));
}

TempFolder::~TempFolder() {
    std::error_code error;
    // Read-only files and folders made by a test must not stop the clean-up.
    fs::permissions(ToFsPath(path_), fs::perms::owner_all, fs::perm_options::add, error);
    for (auto it = fs::recursive_directory_iterator(ToFsPath(path_), error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(ToFsPath(path_), error);
}

std::string TempFolder::MakeFolder(const std::string& relative) const {
    const std::string path = Under(path_, relative);
    fs::create_directories(ToFsPath(path));
    return path;
}

std::string TempFolder::Write(const std::string& relative, const Bytes& bytes) const {
    const std::string path = Under(path_, relative);
    fs::create_directories(ToFsPath(path).parent_path());
    std::ofstream(ToFsPath(path), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path;
}

Bytes ReadFileBytes(const std::string& path) {
    std::ifstream in(ToFsPath(path), std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
std::string ReadFileText(const std::string& path) {
    const Bytes bytes = ReadFileBytes(path);
    return {bytes.begin(), bytes.end()};
}
bool FileExists(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(ToFsPath(path), error);
}

std::vector<std::string> ListTree(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(ToFsPath(folder), error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error))
        if (it->is_regular_file())
            files.push_back(it->path().lexically_relative(ToFsPath(folder)).generic_string());
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace morvane::test
