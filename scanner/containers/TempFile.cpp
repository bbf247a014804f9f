#include "containers/TempFile.h"

#include "NativePath.h"
#include "ScanError.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#endif

namespace morvane {

#ifdef _WIN32
namespace {
std::error_code LastWindowsError() {
    return {static_cast<int>(GetLastError()), std::system_category()};
}

// A new file's name in `folder`, else in the system's temporary folder; empty when neither
// takes one.
std::wstring ScratchName(const std::string& folder) {
    wchar_t path[MAX_PATH + 1];
    if (!folder.empty() &&
        GetTempFileNameW(ToFsPath(folder).wstring().c_str(), L"mvn", 0, path) != 0)
        return path;
    wchar_t temporary[MAX_PATH + 1];
    if (GetTempPathW(MAX_PATH + 1, temporary) == 0 ||
        GetTempFileNameW(temporary, L"mvn", 0, path) == 0)
        return {};
    return path;
}
}  // namespace

std::unique_ptr<TempFile> TempFile::Create(const std::string& folder, std::error_code& error) {
    const std::wstring name = ScratchName(folder);
    if (name.empty()) {
        error = LastWindowsError();
        return nullptr;
    }
    const wchar_t* path = name.c_str();
    HANDLE handle = CreateFileW(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        error = LastWindowsError();
        DeleteFileW(path);
        return nullptr;
    }
    return std::unique_ptr<TempFile>(new TempFile(handle));
}

TempFile::~TempFile() {
    CloseHandle(static_cast<HANDLE>(handle_));
}

std::error_code TempFile::Append(const std::uint8_t* bytes, std::size_t count) {
    auto handle = static_cast<HANDLE>(handle_);
    LARGE_INTEGER zero{};
    if (!SetFilePointerEx(handle, zero, nullptr, FILE_END)) return LastWindowsError();
    while (count > 0) {
        DWORD put = 0;
        const auto piece = static_cast<DWORD>(std::min<std::size_t>(count, 1u << 30));
        if (!WriteFile(handle, bytes, piece, &put, nullptr)) return LastWindowsError();
        if (put == 0) return make_error_code(ScanErrc::ShortWrite);
        bytes += put;
        count -= put;
    }
    return {};
}

ReadResult TempFile::ReadAt(std::int64_t offset, std::uint8_t* into, std::size_t count) {
    auto handle = static_cast<HANDLE>(handle_);
    LARGE_INTEGER at;
    at.QuadPart = offset;
    if (!SetFilePointerEx(handle, at, nullptr, FILE_BEGIN)) return {0, LastWindowsError()};
    ReadResult result;
    while (result.bytes < count) {
        DWORD got = 0;
        const auto piece =
            static_cast<DWORD>(std::min<std::size_t>(count - result.bytes, 1u << 30));
        if (!ReadFile(handle, into + result.bytes, piece, &got, nullptr)) {
            result.error = LastWindowsError();
            break;
        }
        if (got == 0) break;
        result.bytes += got;
    }
    return result;
}

#else

namespace {
// A file in `folder` whose name is gone as soon as it is open.
std::FILE* NamelessFileIn(const std::string& folder) {
    std::string pattern = FromFsPath(ToFsPath(folder) / ".morvane-scratch-XXXXXX");
    const int descriptor = mkstemp(pattern.data());
    if (descriptor < 0) return nullptr;
    unlink(pattern.c_str());
    std::FILE* file = fdopen(descriptor, "w+b");
    if (file == nullptr) close(descriptor);
    return file;
}
}  // namespace

std::unique_ptr<TempFile> TempFile::Create(const std::string& folder, std::error_code& error) {
    std::FILE* file = folder.empty() ? nullptr : NamelessFileIn(folder);
    if (file == nullptr) file = std::tmpfile();
    if (file == nullptr) {
        error = LastSystemError();
        return nullptr;
    }
    return std::unique_ptr<TempFile>(new TempFile(file));
}

TempFile::~TempFile() {
    std::fclose(static_cast<std::FILE*>(handle_));
}

std::error_code TempFile::Append(const std::uint8_t* bytes, std::size_t count) {
    auto* file = static_cast<std::FILE*>(handle_);
    if (std::fseek(file, 0, SEEK_END) != 0) return LastSystemError();
    if (std::fwrite(bytes, 1, count, file) != count) return LastSystemError();
    return {};
}

ReadResult TempFile::ReadAt(std::int64_t offset, std::uint8_t* into, std::size_t count) {
    auto* file = static_cast<std::FILE*>(handle_);
    ReadResult result;
    if (fseeko(file, static_cast<off_t>(offset), SEEK_SET) != 0) {
        result.error = LastSystemError();
        return result;
    }
    result.bytes = std::fread(into, 1, count, file);
    if (result.bytes < count && std::ferror(file)) result.error = LastSystemError();
    return result;
}

#endif

}  // namespace morvane
