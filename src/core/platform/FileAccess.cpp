#include "platform/FileAccess.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#if !defined(_WIN32)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quill10 {

namespace fs = std::filesystem;

namespace {

std::string SystemReason(int code) {
    return code != 0 ? std::generic_category().message(code) : std::string("unknown reason");
}

std::string TooLarge(std::uintmax_t limit) {
    return "it is larger than " + std::to_string(limit / kMegabyte) + " MB";
}

// Why a file of this kind and size cannot be read; "" when it can.
std::string RefusalOf(const fs::file_status& status, std::uintmax_t size, std::uintmax_t limit) {
    if (fs::is_directory(status)) return "it is a folder, not a file";
    if (!fs::is_regular_file(status)) return "it is not a regular file but a device, a pipe or a socket";
    if (size > limit) return TooLarge(limit);
    return "";
}

#if !defined(_WIN32)

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

fs::file_status StatusOf(const struct stat& info) {
    if (S_ISDIR(info.st_mode)) return fs::file_status(fs::file_type::directory);
    if (S_ISREG(info.st_mode)) return fs::file_status(fs::file_type::regular);
    return fs::file_status(fs::file_type::unknown);
}

std::optional<std::string> ReadOpened(int fd, std::uintmax_t limit, std::string& reason) {
    std::string bytes;
    char buffer[64 * 1024];
    while (true) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) {
            reason = SystemReason(errno);
            return std::nullopt;
        }
        if (count == 0) return bytes;
        bytes.append(buffer, static_cast<size_t>(count));
        if (bytes.size() > limit) {  // the file grew while it was read
            reason = TooLarge(limit);
            return std::nullopt;
        }
    }
}

std::optional<std::string> ReadFileAt(const std::string& path, std::uintmax_t limit, std::string& reason) {
    struct stat info {};
    // Looked at before it is opened: opening a pipe waits for a writer.
    if (::stat(path.c_str(), &info) != 0) {
        reason = SystemReason(errno);
        return std::nullopt;
    }
    reason = RefusalOf(StatusOf(info), static_cast<std::uintmax_t>(info.st_size), limit);
    if (!reason.empty()) return std::nullopt;
    // Not blocking, in case the name was given to a pipe in the meantime.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.Get() < 0 || ::fstat(file.Get(), &info) != 0) {
        reason = SystemReason(errno);
        return std::nullopt;
    }
    reason = RefusalOf(StatusOf(info), static_cast<std::uintmax_t>(info.st_size), limit);
    if (!reason.empty()) return std::nullopt;
    return ReadOpened(file.Get(), limit, reason);
}

#else

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

std::optional<std::string> ReadFileAt(const std::string& path, std::uintmax_t limit, std::string& reason) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    const std::uintmax_t size = !ec && fs::is_regular_file(status) ? fs::file_size(path, ec) : 0;
    if (ec) {
        reason = ec.message();
        return std::nullopt;
    }
    reason = RefusalOf(status, size, limit);
    if (!reason.empty()) return std::nullopt;
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        reason = SystemReason(errno);
        return std::nullopt;
    }
    std::string bytes;
    char buffer[64 * 1024];
    size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        bytes.append(buffer, count);
        if (bytes.size() > limit) {
            reason = TooLarge(limit);
            return std::nullopt;
        }
    }
    if (std::ferror(file.get())) {
        reason = SystemReason(errno);
        return std::nullopt;
    }
    return bytes;
}

#endif

}  // namespace

std::optional<std::string> ReadRegularFile(const std::string& path, std::uintmax_t limit, std::string& reason) {
    return ReadFileAt(path, limit, reason);
}

FileStamp StampOf(const std::string& path) {
    FileStamp stamp;
    stamp.exists = PathIsTaken(path);
    std::string reason;
    const std::optional<std::string> bytes = stamp.exists ? ReadRegularFile(path, kClientFileLimit, reason)
                                                          : std::nullopt;
    if (!bytes) return stamp;
    stamp.readable = true;
    stamp.size = bytes->size();
    std::error_code ec;
    stamp.modified = static_cast<std::int64_t>(fs::last_write_time(path, ec).time_since_epoch().count());
    stamp.hash = 14695981039346656037ull;
    for (unsigned char c : *bytes) {
        stamp.hash ^= c;
        stamp.hash *= 1099511628211ull;
    }
    return stamp;
}

FileIdentity IdentityOf(const std::string& path) {
    FileIdentity identity;
#if !defined(_WIN32)
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return identity;
    identity.exists = true;
    identity.size = static_cast<std::uintmax_t>(info.st_size);
    identity.modified = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    identity.inode = static_cast<std::uint64_t>(info.st_ino);
    identity.device = static_cast<std::uint64_t>(info.st_dev);
#else
    std::error_code ec;
    const auto modified = fs::last_write_time(path, ec);
    if (ec) return identity;
    identity.exists = true;
    identity.size = fs::file_size(path, ec);
    identity.modified = static_cast<std::int64_t>(modified.time_since_epoch().count());
#endif
    return identity;
}

bool SameFile(const std::string& first, const std::string& second) {
    std::error_code ec;
    if (fs::exists(first, ec) && fs::exists(second, ec)) return fs::equivalent(first, second, ec);
    const fs::path a = fs::weakly_canonical(fs::absolute(first, ec), ec);
    const fs::path b = fs::weakly_canonical(fs::absolute(second, ec), ec);
    return a == b;
}

bool PathIsTaken(const std::string& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

bool MayCreateFilesIn(const std::string& folder) {
#if !defined(_WIN32)
    return ::access(folder.empty() ? "." : folder.c_str(), W_OK | X_OK) == 0;
#else
    std::error_code ec;
    return std::filesystem::is_directory(folder, ec);
#endif
}

bool IsExecutableFile(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec) && ::access(path.c_str(), X_OK) == 0;
}

}  // namespace quill10
