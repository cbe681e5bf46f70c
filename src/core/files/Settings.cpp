#include "files/Settings.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "files/SafeSave.h"
#include "store/Misc.h"
#include "store/TextEncoding.h"

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
};
constexpr FolderLine kFolderLines[] = {
    {kClientFilesLine, &Folders::clientFiles}, {kWq8Line, &Folders::wq8}, {kWq7Line, &Folders::wq7},
    {kTemplatesLine, &Folders::templates},     {kSendLine, &Folders::send}, {kVlpLine, &Folders::vlp},
    {kSettingsLine, &Folders::settings},
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
    std::ifstream file(path, std::ios::binary);
    if (!file) return {};
    std::ostringstream content;
    content << file.rdbuf();
    return ParseSettingsText(content.str(), path, settings);
}

std::vector<std::string> ParseSettingsText(std::string_view text, const std::string& path, Settings& settings) {
    std::vector<std::string> problems;
    std::vector<std::string> lines;
    ForEachLine(text, [&](std::string_view line) { lines.push_back(Cp1252ToUtf8(line)); });
    auto line = [&](size_t index) -> std::string { return index < lines.size() ? lines[index] : std::string(); };
    auto problem = [&](size_t index, const std::string& what) {
        problems.push_back("The settings file \"" + path + "\" has no number on line " + std::to_string(index + 1) +
                           " (" + what + "): \"" + line(index) + "\". The setting keeps its default.");
    };

    for (const FolderLine& f : kFolderLines)
        if (!line(f.line).empty()) settings.folders.*f.folder = line(f.line);
    settings.forceWord = line(kForceWordLine) == "X";
    settings.forceWordPad = line(kForceWordPadLine) == "X";
    if (!line(kWordPathLine).empty()) settings.wordPath = line(kWordPathLine);
    for (const RealLine& r : kRealLines) {
        if (line(r.line).empty()) continue;
        if (std::optional<double> value = ParseReal(line(r.line)))
            settings.*r.value = *value;
        else
            problem(r.line, r.name);
    }

    const std::string countText = TrimStr(StripLeadingSpaces(line(kRecentCountLine)));
    if (countText.empty()) return problems;
    int count = 0;
    try {
        size_t used = 0;
        count = std::stoi(countText, &used);
        if (used != countText.size() || count < 0) throw std::invalid_argument("count");
    } catch (const std::exception&) {
        problem(kRecentCountLine, "number of recent files");
        return problems;
    }
    for (int k = 0; k < count; ++k) {
        const size_t index = kRecentCountLine + 1 + static_cast<size_t>(k);
        if (index >= lines.size()) break;
        settings.recentFiles.push_back(lines[index]);
    }
    return problems;
}

std::string SettingsText(const Settings& settings) {
    std::string text;
    auto add = [&](const std::string& line) { text += Utf8ToCp1252(line) + "\r\n"; };
    for (const FolderLine& f : kFolderLines) add(settings.folders.*f.folder);
    add(settings.forceWord ? "X" : "");
    add(settings.forceWordPad ? "X" : "");
    add(settings.wordPath);
    for (const RealLine& r : kRealLines) add(Real23Text(settings.*r.value));
    add(std::to_string(settings.recentFiles.size()));
    for (const std::string& recent : settings.recentFiles) add(recent);
    return text;
}

bool WriteINI(const Settings& settings, std::string& error) {
    std::error_code ec;
    std::filesystem::create_directories(settings.folders.settings, ec);
    if (ec) {
        error = "cannot create the settings folder \"" + settings.folders.settings + "\": " + ec.message();
        return false;
    }
    return SaveFileAtomically(IncludeTrailingPathDelimiter(settings.folders.settings) + kSettingsFileName,
                              SettingsText(settings), error);
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

bool AddRecentFile(std::vector<std::string>& recent, const std::string& path) {
    if (IsUntitledName(path)) return false;
    const std::string name = FileNameOnly(path);
    for (const std::string& entry : recent)
        if (FileNameOnly(entry) == name) return false;
    recent.insert(recent.begin(), path);
    if (recent.size() > kMaxRecentFiles) recent.resize(kMaxRecentFiles);
    return true;
}

}  // namespace quill10
