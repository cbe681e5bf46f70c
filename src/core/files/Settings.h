#pragma once
// The folders and the settings file "quill10.ini": folders, word-processor
// choice, interest defaults, display adjustments and the recent-file list,
// one value per line, read and written by position.
#include <cstdint>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/OfficeSchedule.h"
#include "help/HelpTopics.h"

namespace quill10 {

inline constexpr const char* kSettingsFileName = "quill10.ini";
// The settings file holds a few hundred bytes; a larger file is not one.
inline constexpr std::uintmax_t kSettingsFileLimit = 1024 * 1024;
inline constexpr size_t kMaxRecentFiles = 9;
inline constexpr int kDefaultRecoveryInterval = 60;
inline constexpr int kMaxRecoveryInterval = 24 * 60 * 60;

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
    // An office's own help site ("https://help.example.org"): help pages open
    // there in the web browser.  Empty: the help installed with the program.
    // Only a web address is kept (WebAddressProblem); the reader ignores any
    // other with a warning.
    std::string helpSite;
    // The support schedule in use, on the three lines after the help site.
    OfficeSchedule schedule;
    // Web addresses an office gives the instructional videos (by their order
    // in the Help menu) and the cash medical support table, on the lines
    // after the schedule; empty: the files installed in the help folder.
    // Only web addresses are kept (WebAddressProblem).
    std::array<std::string, kInstructionalVideoCount> videoAddresses;
    std::string expenditureTableAddress;
    // How often, in seconds of editing, a window writes a recovery copy of
    // unsaved changes (0: never), on the line after the schedule's
    // fingerprint; a file without the line means the default.
    int recoveryInterval = kDefaultRecoveryInterval;
    // Options > Keyboard reaches computed figures, on the last line, after the recovery interval ("X" on,
    // empty off).  No line: the user never chose, and the window follows
    // whether an assistive technology is running.
    std::optional<bool> keyboardReachesComputed;
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
// `settings` holds; a line that should be a number but is not, and a line
// with a line break inside it (a carriage return), keep their value and are
// described in the returned problems (one message each).  An absent file is
// not a problem: the defaults stay.  A file that cannot be read (also a
// device, a pipe or a file above 1 MB) is one problem and changes nothing.
std::vector<std::string> ReadINI(const std::string& path, Settings& settings);
// The same from the file's text; `path` names the file in the problems.
std::vector<std::string> ParseSettingsText(std::string_view text, const std::string& path, Settings& settings);

// The settings file's bytes (Windows-1252, or UTF-8 after the mark, CR LF).
std::string SettingsText(const Settings& settings);

// Every value is one line of the settings file, so a value with a line
// break in it would move every later setting to another line.  Such a value
// is refused where it is chosen and never written.
bool HasLineBreak(std::string_view value);
// "" when `value` can be kept in the settings file; otherwise why not,
// naming the setting (`what`, for example "client-file folder").
std::string SettingsValueProblem(std::string_view what, std::string_view value);

// "" when `address` is a web address the program may hand to the browser:
// "http://" or "https://" (any case) and a host, with no blank or control
// character.  Otherwise why not, naming the setting (`what`); an address of
// another kind ("javascript:", "file://") could run or open anything.
std::string WebAddressProblem(std::string_view what, std::string_view address);

// Settings folder + "quill10.ini".
std::string SettingsFilePath(const Settings& settings);

// Writes settings folder + "quill10.ini", creating the folder when it is
// missing.  False with a reason when it cannot be written, and when a value
// holds a line break; the previous file is then left as it was.
bool WriteINI(const Settings& settings, std::string& error);
// The same into the settings file at `path`.
bool WriteINI(const Settings& settings, const std::string& path, std::string& error);

// ---- The settings file as shared state ----
// Several windows and quill10-cli run at once and share the settings file.
// Every change takes the lock file beside it ("quill10.ini.lock"), reads the
// file as it is now, changes only the values it was asked to change and
// replaces the file atomically, so no program writes back a value it did
// not change and no change is lost.

// Holds the lock of the settings file at `settingsPath` while it lives.  A
// lock another program holds is waited for (a few seconds at most).
class SettingsLock {
public:
    explicit SettingsLock(const std::string& settingsPath);
    ~SettingsLock();
    SettingsLock(const SettingsLock&) = delete;
    SettingsLock& operator=(const SettingsLock&) = delete;
    bool Held() const { return held_; }
    // Why the lock could not be taken.
    const std::string& Error() const { return error_; }

private:
    int fd_ = -1;
    bool held_ = false;
    std::string error_;
};

// The settings the file at `path` holds now, read over `defaults` (what a
// missing line means).  The reader's problems are added to `problems` when given.
Settings ReadSettingsNow(const std::string& path, const Settings& defaults,
                         std::vector<std::string>* problems = nullptr);

// What a change of the settings does to the settings read from the file;
// "" when done, otherwise why it cannot be made (then nothing is written).
using SettingsChange = std::function<std::string(Settings&)>;

// Takes the lock, reads the file at `path` as it is now (over `defaults`),
// applies `change` and writes the file atomically.  True with the settings
// as written in `written`; false with `error` saying why, the file as it was.
bool UpdateSettingsFile(const std::string& path, const Settings& defaults, const SettingsChange& change,
                        Settings& written, std::string& error);
// The same while the caller holds the lock (`lock` proves it).
bool UpdateSettingsFileLocked(const SettingsLock& lock, const std::string& path, const Settings& defaults,
                              const SettingsChange& change, Settings& written, std::string& error);

// Deletes the files of `folder` whose names match `pattern` ("*" any run of
// characters, "?" one character, case ignored).  Returns one warning,
// "Unable to delete " and the name, for each file that could not be deleted.
std::vector<std::string> DeleteTemps(const std::string& folder, const std::string& pattern);

// Puts a path at the front of the recent-file list unless an entry already
// has the same file name without folder; keeps at most nine entries.
// Untitled names and names with a line break are never listed.  True when
// the list changed.
bool AddRecentFile(std::vector<std::string>& recent, const std::string& path);
bool IsUntitledName(const std::string& name);

}  // namespace quill10
