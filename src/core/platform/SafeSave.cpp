#include "platform/SafeSave.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <random>
#include <system_error>

#if defined(_WIN32)
#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quill10 {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kChunkSize = 64 * 1024;
constexpr int kNameAttempts = 50;
constexpr int kLinkHops = 40;
constexpr std::chrono::hours kLeftoverAge{1};

// Temporary files are named ".q10-TTTTTTTT-RRRRRRRR.tmp": T is made from the
// target's name, so the next save of the same target finds what an
// interrupted save left, and R is random, so two programs saving the same
// target never share one.  26 characters, whatever the target's length.
constexpr std::string_view kTemporaryStart = ".q10-";
constexpr std::string_view kTemporaryEnd = ".tmp";
constexpr std::size_t kTemporaryNameLength = kTemporaryStart.size() + 8 + 1 + 8 + kTemporaryEnd.size();

constexpr fs::perms kAnyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
// A new file holds a case's incomes and names: the owner alone reads it.
constexpr fs::perms kNewFileMode = fs::perms::owner_read | fs::perms::owner_write;

std::string SystemReason(int code) {
    return code != 0 ? std::generic_category().message(code) : std::string("unknown reason");
}

std::string Failure(const std::string& path, const std::string& what, const std::string& reason) {
    return "cannot save \"" + path + "\": " + what + ": " + reason;
}

std::string Hex8(std::uint32_t value) {
    const char* const kDigits = "0123456789abcdef";
    std::string text(8, '0');
    for (int k = 7; k >= 0; --k, value >>= 4) text[static_cast<size_t>(k)] = kDigits[value & 0xF];
    return text;
}

// FNV-1a of the target's file name.
std::string TargetTag(const fs::path& target) {
    std::uint32_t hash = 2166136261u;
    for (char c : target.filename().string()) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    return Hex8(hash);
}

fs::path TemporaryName(const fs::path& target) {
    static std::minstd_rand random(static_cast<unsigned>(
        std::random_device{}() ^ std::chrono::steady_clock::now().time_since_epoch().count()));
    const std::string name = std::string(kTemporaryStart) + TargetTag(target) + "-" +
                             Hex8(static_cast<std::uint32_t>(random())) + std::string(kTemporaryEnd);
    return target.parent_path() / name;
}

bool IsTemporaryOf(const std::string& name, const std::string& tag) {
    const std::string start = std::string(kTemporaryStart) + tag + "-";
    return name.size() == kTemporaryNameLength && name.compare(0, start.size(), start) == 0 &&
           name.compare(name.size() - kTemporaryEnd.size(), kTemporaryEnd.size(), kTemporaryEnd) == 0;
}

// The file a path names, with symbolic links followed to their end (a link
// that leads nowhere yet names the file the save creates).
std::optional<fs::path> FollowLinks(fs::path at, std::string& reason) {
    for (int hop = 0; hop < kLinkHops; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(at, ec))) return at;
        const fs::path next = fs::read_symlink(at, ec);
        if (ec) {
            reason = ec.message();
            return std::nullopt;
        }
        at = next.is_absolute() ? next : at.parent_path() / next;
    }
    reason = SystemReason(ELOOP);
    return std::nullopt;
}

bool IsReadOnly(const fs::path& target, const fs::file_status& status) {
    if ((status.permissions() & kAnyWrite) == fs::perms::none) return true;
#if !defined(_WIN32)
    if (::access(target.c_str(), W_OK) != 0 && (errno == EACCES || errno == EROFS)) return true;
#else
    (void)target;
#endif
    return false;
}

// Opens a new file with the given mode; never an existing file and never
// through a link standing under its name.  On failure errno says why
// (EEXIST when the name is taken).
std::FILE* CreateWithMode(const fs::path& path, fs::perms mode) {
#if defined(_WIN32)
    (void)mode;
    return std::fopen(path.string().c_str(), "wbx");
#else
    const auto bits = static_cast<mode_t>(mode & fs::perms::mask);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, bits);
    if (fd < 0) return nullptr;
    // The process's mask may have taken bits away; they are given back
    // while the file is still empty.  A file system without modes refuses,
    // which costs nothing.
    (void)::fchmod(fd, bits);
    std::FILE* file = ::fdopen(fd, "wb");
    if (!file) {
        const int reason = errno;
        ::close(fd);
        ::unlink(path.c_str());
        errno = reason;
    }
    return file;
#endif
}

std::FILE* CreateTemporary(const fs::path& target, fs::perms mode, fs::path& temporary) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        temporary = TemporaryName(target);
        errno = 0;
        if (std::FILE* file = CreateWithMode(temporary, mode)) return file;
        if (errno != EEXIST) return nullptr;
    }
    return nullptr;
}

std::size_t DefaultWrite(std::FILE* file, const char* data, std::size_t size) {
    return std::fwrite(data, 1, size, file);
}

// Writes every byte; false with errno set on a short write.
bool WriteAll(std::FILE* file, std::string_view bytes, const WriteFunction& write) {
    while (!bytes.empty()) {
        const std::size_t size = std::min(bytes.size(), kChunkSize);
        errno = 0;
        const std::size_t written = write(file, bytes.data(), size);
        if (written != size) {
            if (errno == 0) errno = EIO;
            return false;
        }
        bytes.remove_prefix(size);
    }
    return true;
}

// Moves the written content from the program's buffers onto the disk.
bool FlushToDisk(std::FILE* file) {
    errno = 0;
    if (std::fflush(file) != 0) return false;
#if defined(_WIN32)
    return _commit(_fileno(file)) == 0;
#else
    return ::fsync(::fileno(file)) == 0;
#endif
}

fs::path FolderOf(const fs::path& target) {
    return target.has_parent_path() ? target.parent_path() : fs::path(".");
}

// Makes the rename itself last; a folder that cannot be synced loses nothing.
void SyncFolder(const fs::path& folder) {
#if !defined(_WIN32)
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)::fsync(fd);
    ::close(fd);
#else
    (void)folder;
#endif
}

// Removes the temporary files an interrupted save of the target left: only
// those untouched for an hour, since a younger one may be another program's
// save of the same file, still being written.
void RemoveLeftovers(const fs::path& target) {
    const std::string tag = TargetTag(target);
    const auto abandoned = fs::file_time_type::clock::now() - kLeftoverAge;
    std::error_code ec;
    for (fs::directory_iterator it(FolderOf(target), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code entryEc;
        if (!IsTemporaryOf(it->path().filename().string(), tag) || !fs::is_regular_file(it->symlink_status(entryEc)))
            continue;
        const auto written = fs::last_write_time(it->path(), entryEc);
        if (!entryEc && written < abandoned) fs::remove(it->path(), entryEc);
    }
}

// Writes, flushes and closes the temporary file; "" or what failed.
std::string WriteTemporary(std::FILE* file, const std::string& path, std::string_view bytes,
                           const WriteFunction& write) {
    std::string failure;
    if (!WriteAll(file, bytes, write ? write : WriteFunction(DefaultWrite)))
        failure = Failure(path, "writing failed", SystemReason(errno));
    else if (!FlushToDisk(file))
        failure = Failure(path, "writing to the disk failed", SystemReason(errno));
    errno = 0;
    if (std::fclose(file) != 0 && failure.empty())
        failure = Failure(path, "closing the file failed", SystemReason(errno));
    return failure;
}

}  // namespace

NewFileResult WriteNewFile(const std::string& path, std::string_view bytes, std::string& error,
                           const WriteFunction& write) {
    errno = 0;
    std::FILE* file = CreateWithMode(fs::path(path), kNewFileMode);
    if (!file) {
        if (errno == EEXIST) return NewFileResult::kNameTaken;
        error = Failure(path, "cannot create the file", SystemReason(errno));
        return NewFileResult::kFailed;
    }
    error = WriteTemporary(file, path, bytes, write);
    if (error.empty()) return NewFileResult::kWritten;
    std::error_code ec;
    fs::remove(path, ec);
    return NewFileResult::kFailed;
}

bool SaveFileAtomically(const std::string& path, std::string_view bytes, std::string& error,
                        const WriteFunction& write) {
    std::string reason;
    const std::optional<fs::path> followed = FollowLinks(fs::path(path), reason);
    if (!followed) {
        error = Failure(path, "cannot follow the link", reason);
        return false;
    }
    const fs::path& target = *followed;
    std::error_code ec;
    const fs::file_status status = fs::status(target, ec);
    const bool replacing = fs::is_regular_file(status);
    if (replacing && IsReadOnly(target, status)) {
        error = "cannot save \"" + path + "\": the file is read-only";
        return false;
    }
    const fs::perms mode = replacing ? status.permissions() & fs::perms::mask : kNewFileMode;
    fs::path temporary;
    std::FILE* file = CreateTemporary(target, mode, temporary);
    if (!file) {
        error = Failure(path, "cannot create a temporary file in its folder", SystemReason(errno));
        return false;
    }
    std::string failure = WriteTemporary(file, path, bytes, write);
#if defined(_WIN32)
    if (failure.empty()) fs::permissions(temporary, mode, ec);
#endif
    if (failure.empty()) {
        fs::rename(temporary, target, ec);
        if (ec) failure = Failure(path, "cannot replace the file", ec.message());
    }
    if (!failure.empty()) {
        fs::remove(temporary, ec);
        error = failure;
        return false;
    }
    SyncFolder(FolderOf(target));
    RemoveLeftovers(target);
    return true;
}

}  // namespace quill10
