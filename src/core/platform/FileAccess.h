#pragma once
// Reading whole files for the readers of client files, the settings file
// and the support table, and telling whether two names are one file.
#include <cstdint>
#include <optional>
#include <string>

namespace quill10 {

inline constexpr std::uintmax_t kMegabyte = 1024 * 1024;
// The largest client file the program opens: a case fills about 100 KB,
// so anything near this size is not a case.
inline constexpr std::uintmax_t kClientFileLimit = 64 * kMegabyte;

// Reads the whole of the regular file `path`.  A folder, a device such as
// /dev/zero, a pipe or a socket is refused before it is read (reading one
// would never end or never answer), and so is a file larger than `limit`
// bytes.  On failure the result is empty and `reason` says why, without the
// path: "No such file or directory", "it is a folder, not a file", "it is
// larger than 64 MB".
std::optional<std::string> ReadRegularFile(const std::string& path, std::uintmax_t limit, std::string& reason);

// True when both names lead to the same file: the same existing file
// (through links or another spelling), or the same place for a file that
// does not exist yet.
bool SameFile(const std::string& first, const std::string& second);

// What a file held when the program last read or wrote it, so that a file
// another program has changed since is never written over unasked.
struct FileStamp {
    bool exists = false;    // something stands at the path
    bool readable = false;  // and its content was read (a regular file within the limit, with permission)
    std::uintmax_t size = 0;
    std::int64_t modified = 0;  // the file's modification time, in the file system's ticks
    std::uint64_t hash = 0;     // FNV-1a of the whole content

    // True when the content is not the same: another size or another hash.
    // A file saved again with the same content (only its time is new)
    // holds nothing that writing over it would lose.  A file that can no
    // longer be read (too large, a pipe, no permission) may hold anything:
    // it counts as changed.
    bool ContentDiffers(const FileStamp& other) const {
        if (exists != other.exists) return true;
        if (!exists) return false;
        return !readable || !other.readable || size != other.size || hash != other.hash;
    }
};

// The stamp of the file at `path` as it is now (a file that cannot be read
// exists but is not readable, and has no content figures).
FileStamp StampOf(const std::string& path);

// A file as the operating system describes it, without reading it: any
// write changes its time or size, and a replacement (a save through a
// temporary file) its inode.  Comparing two costs one stat.
struct FileIdentity {
    bool exists = false;
    std::uintmax_t size = 0;
    std::int64_t modified = 0;  // nanoseconds
    std::uint64_t inode = 0;
    std::uint64_t device = 0;
    bool operator==(const FileIdentity&) const = default;
};
FileIdentity IdentityOf(const std::string& path);

// True when something, even a link that leads nowhere, stands at `path`.
bool PathIsTaken(const std::string& path);

// True when this user may make new files in `folder` (false for a folder
// without write access and for one on a read-only file system).
bool MayCreateFilesIn(const std::string& folder);

// True when `path` leads (through links) to a regular file this user may run.
bool IsExecutableFile(const std::string& path);

}  // namespace quill10
