#include "files/Settings.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>
#include <thread>

#if !defined(_WIN32)
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

#include "platform/FileAccess.h"
#include "platform/SafeSave.h"
#include "store/Misc.h"
#include "platform/TextEncoding.h"

namespace quill10 {

namespace {

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string Join(const std::string& folder, const std::string& sub) {
    return IncludeTrailingPathDelimiter((std::filesystem::path(folder) / sub).string());
}

// Lines of the settings file, in order.
enum SettingsLine {
    kClientFilesLine, kWq8Line, kWq7Line, kTemplatesLine, kSendLine, kVlpLine, kSettingsLine,
    kForceWordLine, kForceWordPadLine, kWordPathLine,
    kInterestThresholdLine, kInterestRateLine, kZoomLine, kShrinkLine,
    kRecentCountLine,
};

struct FolderLine {
    SettingsLine line;
    std::string Folders::*folder;
    const char* name;
};
constexpr FolderLine kFolderLines[] = {
    {kClientFilesLine, &Folders::clientFiles, "client-file folder"},
    {kWq8Line, &Folders::wq8, "WQ8 folder"},
    {kWq7Line, &Folders::wq7, "WQ7 folder"},
    {kTemplatesLine, &Folders::templates, "template folder"},
    {kSendLine, &Folders::send, "send folder"},
    {kVlpLine, &Folders::vlp, "VLP folder"},
    {kSettingsLine, &Folders::settings, "settings folder"},
};

struct RealLine {
    SettingsLine line;
    double Settings::*value;
    const char* name;
};
constexpr RealLine kRealLines[] = {
    {kInterestThresholdLine, &Settings::interestThreshold, "interest threshold"},
    {kInterestRateLine, &Settings::defaultInterestRate, "default interest rate"},
    {kZoomLine, &Settings::zoomFactor, "zoom factor"},
    {kShrinkLine, &Settings::shrinkAmount, "font shrink amount"},
};

// The settings file's lines, as a reader of them takes them: a line past
// the end reads as empty, and a line that holds a carriage return (a line
// break of another system) is reported and not taken.
class SettingsLines {
public:
    SettingsLines(const std::string& text, const std::string& path, std::vector<std::string>& problems)
        : path_(path), problems_(problems) {
        ForEachLine(text, [&](std::string_view line) { lines_.emplace_back(line); });
    }

    size_t Size() const { return lines_.size(); }

    std::optional<std::string> Value(size_t index, const char* what) {
        if (index >= lines_.size()) return std::string();
        if (HasLineBreak(lines_[index])) {
            Report("has a line break inside line", index, what, ". The setting keeps its value.");
            return std::nullopt;
        }
        return lines_[index];
    }

    void Ignored(size_t index, const char* what, const std::string& why) {
        Report("has a value that is not used on line", index, what, ": " + why + " The setting is ignored.");
    }

    void NoNumber(size_t index, const char* what) {
        Report("has no number on line", index, what,
               ": " + QuotedForMessage(lines_[index]) + ". The setting keeps its default.");
    }

    // The whole number of a count line; none when it is empty or no count.
    std::optional<int> Count(size_t index, const char* what) {
        const std::optional<std::string> text = Value(index, what);
        const std::string count = text ? TrimStr(StripLeadingSpaces(*text)) : std::string();
        if (count.empty()) return std::nullopt;
        int value = 0;
        const auto result = std::from_chars(count.data(), count.data() + count.size(), value);
        if (result.ec != std::errc() || result.ptr != count.data() + count.size() || value < 0) {
            NoNumber(index, what);
            return std::nullopt;
        }
        return value;
    }

private:
    void Report(const char* problem, size_t index, const char* what, const std::string& rest) {
        problems_.push_back("The settings file \"" + path_ + "\" " + problem + " " + std::to_string(index + 1) + " (" +
                            what + ")" + rest);
    }

    std::vector<std::string> lines_;
    const std::string& path_;
    std::vector<std::string>& problems_;
};

// The first value of the settings that the file cannot keep, described.
std::string FirstValueProblem(const Settings& settings) {
    for (const FolderLine& f : kFolderLines) {
        const std::string problem = SettingsValueProblem(f.name, settings.folders.*f.folder);
        if (!problem.empty()) return problem;
    }
    std::string problem = SettingsValueProblem("word processor path", settings.wordPath);
    if (problem.empty()) problem = SettingsValueProblem("help site", settings.helpSite);
    if (problem.empty()) problem = SettingsValueProblem("support schedule", settings.schedule.file);
    if (problem.empty()) problem = SettingsValueProblem("support schedule's name", settings.schedule.name);
    if (problem.empty())
        problem = SettingsValueProblem("support schedule's fingerprint", settings.schedule.fingerprint);
    for (size_t k = 0; problem.empty() && k < settings.videoAddresses.size(); ++k)
        problem = SettingsValueProblem("video address", settings.videoAddresses[k]);
    if (problem.empty()) problem = SettingsValueProblem("table address", settings.expenditureTableAddress);
    for (size_t k = 0; problem.empty() && k < settings.recentFiles.size(); ++k)
        problem = SettingsValueProblem("recent file", settings.recentFiles[k]);
    return problem;
}

bool WildcardMatch(std::string_view pattern, std::string_view name) {
    if (pattern.empty()) return name.empty();
    if (pattern.front() == '*') {
        for (size_t skip = 0; skip <= name.size(); ++skip)
            if (WildcardMatch(pattern.substr(1), name.substr(skip))) return true;
        return false;
    }
    if (name.empty()) return false;
    auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
    if (pattern.front() != '?' && upper(pattern.front()) != upper(name.front())) return false;
    return WildcardMatch(pattern.substr(1), name.substr(1));
}

}  // namespace

UserFolders UserFoldersFromEnvironment() {
#if defined(_WIN32)
    return UserFolders{"C:\\Velmora\\", "C:\\Velmora\\"};
#else
    std::string home = Env("HOME");
    if (home.empty()) home = std::filesystem::temp_directory_path().string();
    std::string documents = Env("XDG_DOCUMENTS_DIR");
    if (documents.empty()) documents = (std::filesystem::path(home) / "Documents").string();
    std::string configuration = Env("XDG_CONFIG_HOME");
    if (configuration.empty()) configuration = (std::filesystem::path(home) / ".config").string();
    return UserFolders{documents, configuration};
#endif
}

Folders DefaultFolders(const std::string& programFolder, const UserFolders& user) {
    Folders folders;
    folders.program = IncludeTrailingPathDelimiter(programFolder);
    folders.vlp = Join(folders.program, "VLP");
    folders.templates = Join(folders.program, "RTF");
    folders.tabs = Join(folders.program, "DAT");
    const std::string maker = (std::filesystem::path(user.documents) / "Velmora").string();
    folders.clientFiles = Join(maker, "QUILL10/Files");
    folders.wq7 = Join(maker, "RODARA7/Files");
    folders.wq8 = Join(maker, "VIVOVA8/Files");
    folders.send = Join(maker, "QUILL10/Temp");
    folders.settings = Join((std::filesystem::path(user.configuration) / "Velmora").string(), "QUILL10");
    return folders;
}

std::vector<std::string> ReadINI(const std::string& path, Settings& settings) {
    if (!PathIsTaken(path)) return {};
    std::string reason;
    const std::optional<std::string> bytes = ReadRegularFile(path, kSettingsFileLimit, reason);
    if (!bytes)
        return {"The settings file \"" + path + "\" cannot be read: " + reason + ". The settings keep their defaults."};
    return ParseSettingsText(*bytes, path, settings);
}

std::vector<std::string> ParseSettingsText(std::string_view bytes, const std::string& path, Settings& settings) {
    std::vector<std::string> problems;
    SettingsLines lines(DecodeTextFile(bytes), path, problems);
    for (const FolderLine& f : kFolderLines)
        if (std::optional<std::string> folder = lines.Value(f.line, f.name); folder && !folder->empty())
            settings.folders.*f.folder = *folder;
    settings.forceWord = lines.Value(kForceWordLine, "Force Word") == "X";
    settings.forceWordPad = lines.Value(kForceWordPadLine, "Force WordPad") == "X";
    if (std::optional<std::string> word = lines.Value(kWordPathLine, "word processor"); word && !word->empty())
        settings.wordPath = *word;
    for (const RealLine& r : kRealLines) {
        const std::optional<std::string> text = lines.Value(r.line, r.name);
        if (!text || text->empty()) continue;
        if (std::optional<double> value = ParseReal(*text))
            settings.*r.value = *value;
        else
            lines.NoNumber(r.line, r.name);
    }
    const std::optional<int> count = lines.Count(kRecentCountLine, "number of recent files");
    for (int k = 0; count && k < *count; ++k) {
        const size_t index = kRecentCountLine + 1 + static_cast<size_t>(k);
        if (index >= lines.Size()) break;
        if (std::optional<std::string> recent = lines.Value(index, "recent file")) settings.recentFiles.push_back(*recent);
    }
    // The help site follows the recent files (where, only a count can say).
    const size_t helpSiteLine = kRecentCountLine + 1 + static_cast<size_t>(count.value_or(0));
    if (count && helpSiteLine < lines.Size()) {
        if (std::optional<std::string> site = lines.Value(helpSiteLine, "help site")) {
            const std::string problem = site->empty() ? std::string() : WebAddressProblem("help site", *site);
            if (problem.empty()) settings.helpSite = *site;
            else lines.Ignored(helpSiteLine, "help site", problem);
        }
    }
    // The office's support schedule follows the help site: taken whole or not at all.
    if (count && helpSiteLine + 1 < lines.Size()) {
        const std::optional<std::string> file = lines.Value(helpSiteLine + 1, "support schedule");
        const std::optional<std::string> name = lines.Value(helpSiteLine + 2, "support schedule's name");
        const std::optional<std::string> effective = lines.Value(helpSiteLine + 3, "support schedule's effective date");
        if (file && name && effective) settings.schedule = {*file, *name, *effective, {}};
    }
    // Then the addresses of the videos and the cash medical support table.
    size_t line = helpSiteLine + 4;
    auto address = [&](std::string& into, const char* what) {
        if (count && line < lines.Size()) {
            if (std::optional<std::string> text = lines.Value(line, what)) {
                const std::string problem = text->empty() ? std::string() : WebAddressProblem(what, *text);
                if (problem.empty()) into = *text;
                else lines.Ignored(line, what, problem);
            }
        }
        ++line;
    };
    for (std::string& video : settings.videoAddresses) address(video, "video address");
    address(settings.expenditureTableAddress, "cash medical support table address");
    // The schedule's fingerprint, recorded after the addresses by later versions.
    if (count && line < lines.Size())
        if (std::optional<std::string> fingerprint = lines.Value(line, "support schedule's fingerprint"))
            settings.schedule.fingerprint = *fingerprint;
    // How often recovery copies are written, after the fingerprint.
    ++line;
    if (count && line < lines.Size())
        if (const std::optional<int> interval = lines.Count(line, "recovery copy interval"))
            settings.recoveryInterval = std::min(*interval, kMaxRecoveryInterval);
    ++line;
    // Last, whether the keyboard reaches computed figures, when the user chose.
    if (count && line < lines.Size())
        if (const std::optional<std::string> reaches = lines.Value(line, "keyboard reaches computed figures"))
            settings.keyboardReachesComputed = *reaches == "X";
    return problems;
}

std::string SettingsText(const Settings& settings) {
    std::string text;
    auto add = [&](const std::string& line) { text += line + "\r\n"; };
    for (const FolderLine& f : kFolderLines) add(settings.folders.*f.folder);
    add(settings.forceWord ? "X" : "");
    add(settings.forceWordPad ? "X" : "");
    add(settings.wordPath);
    for (const RealLine& r : kRealLines) add(Real23Text(settings.*r.value));
    add(std::to_string(settings.recentFiles.size()));
    for (const std::string& recent : settings.recentFiles) add(recent);
    add(settings.helpSite);
    add(settings.schedule.file);
    add(settings.schedule.name);
    add(settings.schedule.effective);
    for (const std::string& video : settings.videoAddresses) add(video);
    add(settings.expenditureTableAddress);
    add(settings.schedule.fingerprint);
    add(std::to_string(settings.recoveryInterval));
    if (settings.keyboardReachesComputed) add(*settings.keyboardReachesComputed ? "X" : "");
    return EncodeTextFile(text);
}

std::string SettingsValueProblem(std::string_view what, std::string_view value) {
    if (!HasLineBreak(value)) return "";
    return "The " + std::string(what) + " " + QuotedForMessage(value, 200) +
           " holds a line break, which the settings file cannot keep.";
}

std::string WebAddressProblem(std::string_view what, std::string_view address) {
    const std::string quoted = QuotedForMessage(address, 200);
    for (char c : address)
        if (static_cast<unsigned char>(c) <= ' ' || c == 0x7F)
            return "The " + std::string(what) + " " + quoted + " holds a blank or a control character.";
    const std::string scheme = UpperCase(address.substr(0, 8));
    size_t hostStart = 0;
    if (scheme.starts_with("HTTPS://")) hostStart = 8;
    else if (scheme.starts_with("HTTP://")) hostStart = 7;
    if (hostStart == 0)
        return "The " + std::string(what) + " " + quoted +
               " is not a web address: only addresses beginning with http:// or https:// are used.";
    if (hostStart >= address.size() || address[hostStart] == '/')
        return "The " + std::string(what) + " " + quoted + " names no host after " +
               std::string(address.substr(0, hostStart)) + ".";
    return {};
}

std::string SettingsFilePath(const Settings& settings) {
    return IncludeTrailingPathDelimiter(settings.folders.settings) + kSettingsFileName;
}

bool WriteINI(const Settings& settings, std::string& error) { return WriteINI(settings, SettingsFilePath(settings), error); }

bool WriteINI(const Settings& settings, const std::string& path, std::string& error) {
    const std::string problem = FirstValueProblem(settings);
    if (!problem.empty()) {
        error = problem + " The settings were not saved.";
        return false;
    }
    const std::string folder = std::filesystem::path(path).parent_path().string();
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        error = "cannot create the settings folder \"" + folder + "\": " + ec.message();
        return false;
    }
    return SaveFileAtomically(path, SettingsText(settings), error);
}

namespace {

constexpr std::chrono::seconds kLockPatience{10};
constexpr std::chrono::milliseconds kLockRetry{20};

}  // namespace

SettingsLock::SettingsLock(const std::string& settingsPath) {
#if defined(_WIN32)
    (void)settingsPath;
    held_ = true;
#else
    const std::string lockPath = settingsPath + ".lock";
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(lockPath).parent_path(), ec);
    fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd_ < 0) {
        error_ = "cannot open the lock file \"" + lockPath + "\": " + std::generic_category().message(errno);
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + kLockPatience;
    while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() > deadline) {
            error_ = errno == EWOULDBLOCK
                         ? "another program has held the settings file \"" + settingsPath + "\" for " +
                               std::to_string(kLockPatience.count()) + " seconds; try again"
                         : "cannot lock \"" + lockPath + "\": " + std::generic_category().message(errno);
            return;
        }
        std::this_thread::sleep_for(kLockRetry);
    }
    held_ = true;
#endif
}

SettingsLock::~SettingsLock() {
#if !defined(_WIN32)
    if (fd_ >= 0) ::close(fd_);  // closing lets the lock go
#endif
}

Settings ReadSettingsNow(const std::string& path, const Settings& defaults, std::vector<std::string>* problems) {
    Settings settings = defaults;
    settings.recentFiles.clear();
    std::vector<std::string> found = ReadINI(path, settings);
    if (problems) problems->insert(problems->end(), found.begin(), found.end());
    return settings;
}

bool UpdateSettingsFileLocked(const SettingsLock& lock, const std::string& path, const Settings& defaults,
                              const SettingsChange& change, Settings& written, std::string& error) {
    if (!lock.Held()) {
        error = lock.Error();
        return false;
    }
    Settings settings = ReadSettingsNow(path, defaults);
    if (std::string refused = change(settings); !refused.empty()) {
        error = refused;
        return false;
    }
    if (!WriteINI(settings, path, error)) return false;
    written = std::move(settings);
    return true;
}

bool UpdateSettingsFile(const std::string& path, const Settings& defaults, const SettingsChange& change,
                        Settings& written, std::string& error) {
    const SettingsLock lock(path);
    return UpdateSettingsFileLocked(lock, path, defaults, change, written, error);
}

std::vector<std::string> DeleteTemps(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> warnings;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!WildcardMatch(pattern, name)) continue;
        std::error_code removeEc;
        if (!std::filesystem::remove(it->path(), removeEc) || removeEc) warnings.push_back("Unable to delete " + name);
    }
    return warnings;
}

bool IsUntitledName(const std::string& name) { return UpperCase(name).find("UNTITLED") != std::string::npos; }

bool HasLineBreak(std::string_view value) { return value.find_first_of("\r\n") != std::string_view::npos; }

bool AddRecentFile(std::vector<std::string>& recent, const std::string& path) {
    if (IsUntitledName(path) || HasLineBreak(path)) return false;
    const std::string name = FileNameOnly(path);
    for (const std::string& entry : recent)
        if (FileNameOnly(entry) == name) return false;
    recent.insert(recent.begin(), path);
    if (recent.size() > kMaxRecentFiles) recent.resize(kMaxRecentFiles);
    return true;
}

}  // namespace quill10
