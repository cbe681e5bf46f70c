#include "files/ProgramFolder.h"

#include <filesystem>

namespace quill10 {

namespace fs = std::filesystem;

namespace {

// A folder holds the program's data when the support schedule or the
// page layouts are in it.
bool HoldsProgramData(const fs::path& folder) {
    std::error_code ec;
    return fs::is_regular_file(folder / "table.txt", ec) || fs::is_directory(folder / "VLP", ec);
}

}  // namespace

std::string FindProgramFolder(const std::string& executableFolder) {
    const fs::path beside(executableFolder);
    if (HoldsProgramData(beside)) return beside.string();
    const fs::path installed = (beside / kInstalledDataFolder).lexically_normal();
    if (HoldsProgramData(installed)) return installed.string();
    return beside.string();
}

std::string ExecutableFolder(const char* argv0) {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) exe = fs::absolute(argv0 ? argv0 : "", ec);
    return exe.parent_path().string();
}

}  // namespace quill10
