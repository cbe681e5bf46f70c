#pragma once
// Safe saving: every client file, the settings file and the check report
// are written through SaveFileAtomically, so a save that fails part way (a
// full disk, a removed stick, a folder without write access, a killed
// program) never leaves a damaged file behind.
#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

namespace quill10 {

// Puts `size` bytes of `data` into an open file and returns how many it
// wrote, like std::fwrite; on a short count errno says why.  The default is
// std::fwrite.  Tests pass a device that fails after a number of bytes.
using WriteFunction = std::function<std::size_t(std::FILE* file, const char* data, std::size_t size)>;

// Writes `bytes` to a new temporary file in the target's folder, flushes it
// to the disk, and only then renames it over the target.
//
// The target is the file `path` names: a symbolic link is followed to the
// file it points to, which is replaced while the link stays.  A read-only
// file is not replaced.  The temporary file is created with the mode the
// saved file will have (the replaced file's, or owner read and write only
// for a new file, as cases hold incomes and names) and has a short name, so
// that a target whose name uses the whole 255 characters can be saved.  A
// temporary file that an interrupted save of the same target left behind is
// removed by a later successful save once it is an hour old (a younger one
// may belong to another program saving the same target at the same time).
//
// On failure the target is left as it was, the temporary file is removed,
// and `error` tells what failed, the path and the reason; the result is
// then false.
bool SaveFileAtomically(const std::string& path, std::string_view bytes, std::string& error,
                        const WriteFunction& write = {});

// What became of writing a new file.
enum class NewFileResult { kWritten, kNameTaken, kFailed };

// Creates `path` as a new file and writes `bytes` into it: a file handed to
// another program (the word processor) is never written over an existing
// file and never through a link planted under its name.  The file is made
// with O_CREAT | O_EXCL | O_NOFOLLOW and owner read and write only.
// kNameTaken when something (a file, a folder, a link, even a dangling one)
// already stands at `path`; kFailed with `error` saying why when the file
// cannot be made or written, and then nothing is left behind.
NewFileResult WriteNewFile(const std::string& path, std::string_view bytes, std::string& error,
                           const WriteFunction& write = {});

}  // namespace quill10
