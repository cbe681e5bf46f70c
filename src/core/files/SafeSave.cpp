#include "files/SafeSave.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <random>
#include <system_error>

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace quill10 {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kChunkSize = 64 * 1024;
constexpr int kNameAttempts = 50;

std::string SystemReason(int code) {
    return code != 0 ? std::generic_category().message(code) : std::string("unknown reason");
}

std::string Failure(const fs::path& target, const std::string& what, const std::string& reason) {
    return "cannot save \"" + target.string() + "\": " + what + ": " + reason;
}

// A name for the temporary file beside the target: hidden, with a random
// part so two programs saving into the same folder never share one.
fs::path TemporaryName(const fs::path& target) {
    static std::minstd_rand random(static_cast<unsigned>(
        std::random_device{}() ^ std::chrono::steady_clock::now().time_since_epoch().count()));
    const char* const kDigits = "0123456789abcdef";
    std::string name(1, '.');
    name += target.filename().string();
    name += '.';
    for (int i = 0; i < 8; ++i) name += kDigits[random() % 16];
    name += ".tmp";
    return target.parent_path() / name;
}

// Creates a temporary file that did not exist before ("x": never opens an
// existing file).  On failure errno says why.
std::FILE* CreateTemporary(const fs::path& target, fs::path& temporary) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        temporary = TemporaryName(target);
        errno = 0;
        if (std::FILE* file = std::fopen(temporary.string().c_str(), "wbx")) return file;
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

// A replaced file keeps its access rights.
void KeepPermissions(const fs::path& target, const fs::path& temporary) {
    std::error_code ec;
    fs::file_status status = fs::status(target, ec);
    if (!ec && fs::is_regular_file(status)) fs::permissions(temporary, status.permissions(), ec);
}

}  // namespace

bool SaveFileAtomically(const std::string& path, std::string_view bytes, std::string& error,
                        const WriteFunction& write) {
    const fs::path target(path);
    fs::path temporary;
    std::FILE* file = CreateTemporary(target, temporary);
    if (!file) {
        error = Failure(target, "cannot create a temporary file in its folder", SystemReason(errno));
        return false;
    }
    std::string failure;
    if (!WriteAll(file, bytes, write ? write : WriteFunction(DefaultWrite)))
        failure = Failure(target, "writing failed", SystemReason(errno));
    else if (!FlushToDisk(file))
        failure = Failure(target, "writing to the disk failed", SystemReason(errno));
    errno = 0;
    if (std::fclose(file) != 0 && failure.empty())
        failure = Failure(target, "closing the file failed", SystemReason(errno));
    std::error_code ec;
    if (failure.empty()) {
        KeepPermissions(target, temporary);
        fs::rename(temporary, target, ec);
        if (ec) failure = Failure(target, "cannot replace the file", ec.message());
    }
    if (failure.empty()) return true;
    fs::remove(temporary, ec);
    error = failure;
    return false;
}

}  // namespace quill10
