#pragma once
// The folders and the settings file "quill10.ini": folders, word-processor
// choice, interest defaults, display adjustments and the recent-file list,
// one value per line, read and written by position.
#include <string>
#include <string_view>
#include <vector>

namespace quill10 {

inline constexpr const char* kSettingsFileName = "quill10.ini";
inline constexpr size_t kMaxRecentFiles = 9;

struct Folders {
    std::string program;      // the executable's folder; holds table.txt
    std::string vlp;          // page layout files
    std::string templates;    // RTF templates
    std::string tabs;         // tab-position files of the templates (not kept in the settings file)
    std::string clientFiles;  // client files, default.q10, the check report, imported cases
    std::string wq7;          // initial folder for WQ7 files
    std::string wq8;          // initial folder for WQ8 files
    std::string send;         // temporary RTF files for the word processor
    std::string settings;     // where quill10.ini is written
};

struct Settings {
    Folders folders;
    bool forceWord = false;
    bool forceWordPad = false;
    std::string wordPath;
    double interestThreshold = 1.0;
    double defaultInterestRate = 3.0;
    double zoomFactor = 1.0;
    double shrinkAmount = 0.0;
    std::vector<std::string> recentFiles;  // newest first, at most nine kept
};

// Where the user's documents and configuration live: on Linux from
// XDG_DOCUMENTS_DIR / XDG_CONFIG_HOME and HOME, on Windows the fixed folders.
struct UserFolders {
    std::string documents;
    std::string configuration;
};
UserFolders UserFoldersFromEnvironment();

// The default folders for a program installed in `programFolder`; every
// folder text ends with a path delimiter.
Folders DefaultFolders(const std::string& programFolder, const UserFolders& user);

// Reads the settings file into `settings`.  Missing lines keep what
// `settings` holds; a line that should be a number but is not keeps its
// value and is described in the returned problems (one message each).
// An absent file is not a problem: the defaults stay.
std::vector<std::string> ReadINI(const std::string& path, Settings& settings);
// The same from the file's text; `path` names the file in the problems.
std::vector<std::string> ParseSettingsText(std::string_view text, const std::string& path, Settings& settings);

// The settings file's text (Windows-1252, CR LF).
std::string SettingsText(const Settings& settings);

// Writes settings folder + "quill10.ini", creating the folder when it is
// missing.  False with a reason when it cannot be written; the previous
// file is then left as it was.
bool WriteINI(const Settings& settings, std::string& error);

// Deletes the files of `folder` whose names match `pattern` ("*" any run of
// characters, "?" one character, case ignored).  Returns one warning,
// "Unable to delete " and the name, for each file that could not be deleted.
std::vector<std::string> DeleteTemps(const std::string& folder, const std::string& pattern);

// Puts a path at the front of the recent-file list unless an entry already
// has the same file name without folder; keeps at most nine entries.
// Untitled names are never listed.  True when the list changed.
bool AddRecentFile(std::vector<std::string>& recent, const std::string& path);
bool IsUntitledName(const std::string& name);

}  // namespace quill10
