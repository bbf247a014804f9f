// The real disk, through the C runtime's descriptor calls (POSIX, or their Windows twins).
#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "FileSystem.h"
#include "NativePath.h"
#include "ScanError.h"

#ifdef _WIN32
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#else
#include <unistd.h>
#endif

namespace morvane {

namespace {

// The platform's descriptor calls, in one place.
#ifdef _WIN32
int OpenDescriptor(const std::string& path, int flags) {
    int fd = -1;
    _wsopen_s(&fd, ToFsPath(path).c_str(), flags | _O_BINARY | _O_NOINHERIT, _SH_DENYNO,
              _S_IREAD | _S_IWRITE);
    return fd;
}
long long ReadDescriptor(int fd, std::int64_t offset, std::uint8_t* into, std::size_t count) {
    if (_lseeki64(fd, offset, SEEK_SET) < 0) return -1;
    return _read(fd, into, static_cast<unsigned>(std::min<std::size_t>(count, 1u << 30)));
}
long long WriteDescriptor(int fd, const std::uint8_t* bytes, std::size_t count) {
    return _write(fd, bytes, static_cast<unsigned>(std::min<std::size_t>(count, 1u << 30)));
}
int CloseDescriptor(int fd) {
    return _close(fd);
}
constexpr int kReadOnly = _O_RDONLY;
constexpr int kCreateTruncate = _O_WRONLY | _O_CREAT | _O_TRUNC;
constexpr int kCreateAppend = _O_WRONLY | _O_CREAT | _O_APPEND;
#else
int OpenDescriptor(const std::string& path, int flags) {
    int fd;
    do fd = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    while (fd < 0 && errno == EINTR);
    return fd;
}
long long ReadDescriptor(int fd, std::int64_t offset, std::uint8_t* into, std::size_t count) {
    ssize_t got;
    do got = ::pread(fd, into, count, static_cast<off_t>(offset));
    while (got < 0 && errno == EINTR);
    return got;
}
long long WriteDescriptor(int fd, const std::uint8_t* bytes, std::size_t count) {
    ssize_t put;
    do put = ::write(fd, bytes, count);
    while (put < 0 && errno == EINTR);
    return put;
}
int CloseDescriptor(int fd) {
    return ::close(fd);
}
constexpr int kReadOnly = O_RDONLY;
constexpr int kCreateTruncate = O_WRONLY | O_CREAT | O_TRUNC;
constexpr int kCreateAppend = O_WRONLY | O_CREAT | O_APPEND;
#endif

class NativeSource final : public SourceFile {
  public:
    NativeSource(int fd, std::int64_t length) : fd_(fd), length_(length) {}
    ~NativeSource() override { CloseDescriptor(fd_); }
    std::int64_t Length() const override { return length_; }

    ReadResult ReadAt(std::int64_t offset, std::uint8_t* into, std::size_t count) override {
        ReadResult result;
        while (result.bytes < count) {
            const long long got =
                ReadDescriptor(fd_, offset + static_cast<std::int64_t>(result.bytes),
                               into + result.bytes, count - result.bytes);
            if (got < 0) {
                result.error = LastSystemError();
                break;
            }
            if (got == 0) break;
            result.bytes += static_cast<std::size_t>(got);
        }
        return result;
    }

  private:
    int fd_;
    std::int64_t length_;
};

class NativeOutput final : public OutputFile {
  public:
    explicit NativeOutput(int fd) : fd_(fd) {}
    ~NativeOutput() override {
        if (fd_ >= 0) CloseDescriptor(fd_);
    }

    std::error_code Write(const std::uint8_t* bytes, std::size_t count) override {
        while (count > 0) {
            const long long put = WriteDescriptor(fd_, bytes, count);
            if (put < 0) return LastSystemError();
            if (put == 0) return make_error_code(ScanErrc::ShortWrite);
            bytes += put;
            count -= static_cast<std::size_t>(put);
        }
        return {};
    }

    std::error_code Close() override {
        const int fd = fd_;
        fd_ = -1;
        return (fd >= 0 && CloseDescriptor(fd) != 0) ? LastSystemError() : std::error_code{};
    }

  private:
    int fd_;
};

class NativeFs final : public FileSystem {
  public:
    bool IsFile(const std::string& path) override {
        std::error_code error;
        return std::filesystem::is_regular_file(ToFsPath(path), error);
    }

    std::unique_ptr<SourceFile> OpenSource(const std::string& path,
                                           std::error_code& error) override {
        std::error_code sizeError;
        const auto size = std::filesystem::file_size(ToFsPath(path), sizeError);
        const int fd = OpenDescriptor(path, kReadOnly);
        if (fd < 0) {
            error = LastSystemError();
            return nullptr;
        }
        if (sizeError) {
            CloseDescriptor(fd);
            error = sizeError;
            return nullptr;
        }
        error.clear();
        return std::make_unique<NativeSource>(fd, static_cast<std::int64_t>(size));
    }

    std::unique_ptr<OutputFile> CreateOutput(const std::string& path,
                                             std::error_code& error) override {
        return OpenForWriting(path, kCreateTruncate, error);
    }

    std::unique_ptr<OutputFile> OpenAppend(const std::string& path,
                                           std::error_code& error) override {
        return OpenForWriting(path, kCreateAppend, error);
    }

    std::int64_t FileSize(const std::string& path, std::error_code& error) override {
        const auto size = std::filesystem::file_size(ToFsPath(path), error);
        return error ? -1 : static_cast<std::int64_t>(size);
    }

    std::error_code CreateFolders(const std::string& path) override {
        std::error_code error;
        const std::filesystem::path folder = ToFsPath(path);
        std::filesystem::create_directories(folder, error);
        if (!error && !std::filesystem::is_directory(folder, error) && !error)
            error = std::make_error_code(std::errc::not_a_directory);
        return error;
    }

    std::error_code RemoveFile(const std::string& path) override {
        std::error_code error;
        std::filesystem::remove(ToFsPath(path), error);
        return error;
    }

    std::error_code Rename(const std::string& from, const std::string& to) override {
        std::error_code error;
        std::filesystem::rename(ToFsPath(from), ToFsPath(to), error);
        return error;
    }

  private:
    static std::unique_ptr<OutputFile> OpenForWriting(const std::string& path, int flags,
                                                      std::error_code& error) {
        const int fd = OpenDescriptor(path, flags);
        if (fd < 0) {
            error = LastSystemError();
            return nullptr;
        }
        error.clear();
        return std::make_unique<NativeOutput>(fd);
    }
};

}  // namespace

FileSystem& NativeFileSystem() {
    static NativeFs fileSystem;
    return fileSystem;
}

}  // namespace morvane
