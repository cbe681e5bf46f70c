#pragma once
// Where the program's installed data lives: table.txt, the page layouts
// (VLP/), the print templates (RTF/, DAT/) and the sample cases.
#include <string>

namespace quill10 {

// The data folder relative to an installed executable's folder (bin/).
inline constexpr const char* kInstalledDataFolder = "../share/quill10";

// The program folder for an executable in `executableFolder`: the
// executable's own folder when the data lies beside it (the build tree),
// else `../share/quill10` relative to it when that holds the data (an
// installed copy, whatever the current folder).  When neither holds the
// data the executable's folder is returned, so a missing table is reported
// with the folder the program was started from.
std::string FindProgramFolder(const std::string& executableFolder);

// The folder of the running executable (from /proc/self/exe, else `argv0`).
std::string ExecutableFolder(const char* argv0);

}  // namespace quill10
