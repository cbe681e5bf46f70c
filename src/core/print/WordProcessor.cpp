#include "print/WordProcessor.h"

#include <cctype>
#include <filesystem>
#include <regex>
#include <system_error>

#include "platform/FileAccess.h"
#include "files/Settings.h"
#include "print/PdfExport.h"
#include "print/TemplateFiller.h"

namespace quill10 {

namespace fs = std::filesystem;

namespace {

// LibreOffice shows documents only when its program folder holds a window
// plugin (libvclplug_*); the build without one (libreoffice-writer-nogui)
// converts to PDF but would open the print document where nobody sees it.
bool ShowsDocuments(const std::string& program) {
    std::error_code ec;
    const fs::path folder = fs::canonical(program, ec).parent_path();
    if (ec) return false;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (it->path().filename().string().starts_with("libvclplug_")) return true;
    return false;
}

bool IsWriter(const std::string& path) { return IsExecutableFile(path) && ShowsDocuments(path); }

bool IsWordProgramName(const fs::path& path) {
    const std::string name = path.filename().string();
    if (name.size() != kWordProgramName.size()) return false;
    for (size_t k = 0; k < name.size(); ++k)
        if (std::tolower(static_cast<unsigned char>(name[k])) != kWordProgramName[k]) return false;
    return true;
}

constexpr int kEntriesBetweenRepaints = 500;

std::string SearchBelow(const std::string& root, const SearchProgress& progress, bool& stopped) {
    std::error_code ec;
    int visited = 0;
    for (fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied, ec), end;
         !ec && it != end; it.increment(ec)) {
        if (progress && ++visited % kEntriesBetweenRepaints == 0 && !progress(-1)) {
            stopped = true;
            return {};
        }
        std::error_code typeError;
        if (IsWordProgramName(it->path()) && it->is_regular_file(typeError) && IsWriter(it->path().string()))
            return it->path().string();
    }
    return {};
}

}  // namespace

WordProcessorPlaces UsualWordProcessorPlaces() {
    WordProcessorPlaces places;
    if (std::optional<std::string> soffice = FindSoffice()) places.fixedPaths.push_back(*soffice);
    places.searchRoots = {"/usr", "/opt"};
    return places;
}

bool WordPresent(const WordProcessorPlaces& places) {
    bool present = false;
    for (const std::string& path : places.fixedPaths) present = IsWriter(path) || present;  // all are tested
    return present;
}

std::string FindWordProgram(const std::vector<std::string>& roots, const SearchProgress& progress) {
    bool stopped = progress && !progress(5);
    std::string found;
    for (size_t k = 0; k < roots.size() && found.empty() && !stopped; ++k) {
        if (k > 0 && progress && !progress(50)) break;
        found = SearchBelow(roots[k], progress, stopped);
    }
    if (progress && !stopped) progress(100);
    return found;
}

bool NeedsWordSearch(const Settings& settings, bool wordPresent) {
    return !wordPresent && !settings.forceWord && !settings.forceWordPad;
}

WordProcessor StartUpChoice(Settings& settings, bool wordPresent, const std::function<std::string()>& findWord) {
    if (settings.forceWordPad) return WordProcessor::WordPad;  // nothing to look for
    WordProcessor choice = WordProcessor::WordPad;
    if (wordPresent || settings.forceWord) {
        choice = WordProcessor::Word;
    } else {
        settings.wordPath = findWord ? findWord() : std::string();
        if (!settings.wordPath.empty()) {
            choice = WordProcessor::Word;
            settings.forceWord = true;  // later starts skip the search once the settings are saved
        }
    }
    return choice;
}

WordProcessor ForceWordClick(Settings& settings, WordProcessor current) {
    settings.forceWord = !settings.forceWord;
    if (!settings.forceWord) return current;
    settings.forceWordPad = false;
    return WordProcessor::Word;
}

WordProcessor ForceWordPadClick(Settings& settings, WordProcessor) {
    settings.forceWordPad = !settings.forceWordPad;
    if (!settings.forceWordPad) return WordProcessor::Word;
    settings.forceWord = false;
    return WordProcessor::WordPad;
}

PageMargins MarginsForSelection(const PrintSelection& selection) {
    const bool shortForm = selection.groups[kSoleShort].pages[0] || selection.groups[kSplitShort].pages[0];
    return shortForm || selection.scheduler ? kNarrowMargins : kWideMargins;
}

PageMargins MarginsForScreen(int screenPage) {
    return screenPage == 15 || screenPage == 16 ? kNarrowMargins : kWideMargins;
}

std::string WithPageMargins(std::string_view rtf, const PageMargins& margins) {
    const size_t marker = rtf.find(kPageMarker);
    const size_t headerEnd = marker == std::string_view::npos ? rtf.size() : marker;
    std::string header(rtf.substr(0, headerEnd));
    std::string missing;
    const std::pair<const char*, int> words[] = {
        {"margl", margins.left}, {"margt", margins.top}, {"margr", margins.right}, {"margb", margins.bottom}};
    for (const auto& [word, value] : words) {
        const std::string control = std::string("\\") + word + std::to_string(value);
        const std::regex existing(std::string("\\\\") + word + "-?[0-9]+");
        if (std::regex_search(header, existing)) header = std::regex_replace(header, existing, control);
        else missing += control;
    }
    if (!missing.empty()) {
        // Before the line that holds the body marker, so the marker stays where it was.
        const size_t lineStart = header.rfind('\n');
        header.insert(lineStart == std::string::npos ? header.size() : lineStart + 1, missing + "\n");
    }
    return header + std::string(rtf.substr(headerEnd));
}

std::optional<PrintSelection> QuickPrintSelection(int screenPage) {
    PrintSelection selection;
    switch (screenPage) {
        case 0: selection.groups[kSoleAnnotated].allPages = true; break;
        case 7: selection.groups[kSplitAnnotated].allPages = true; break;
        case 15: selection.groups[kSoleShort].pages[0] = true; break;
        case 16: selection.groups[kSplitShort].pages[0] = true; break;
        default: return std::nullopt;
    }
    return selection;
}

}  // namespace quill10
