#include "print/TemplateFiller.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <system_error>

#include "calc/ListChoices.h"
#include "print/RtfText.h"
#include "scheduler/ScheduleAmounts.h"
#include "store/Answers.h"
#include "store/Misc.h"
#include "platform/TextEncoding.h"

namespace quill10 {

namespace {

// A template is a page of text; anything this large is not one.
constexpr std::uintmax_t kTemplateLimit = 16 * 1024 * 1024;

constexpr int kSchedulerPage = 32;

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

bool IsShortForm(int page) { return page == 15 || page == 16; }

std::string PadLeft(std::string text, size_t width) {
    if (text.size() < width) text.insert(0, width - text.size(), ' ');
    return text;
}

std::string Colour(std::string text, bool overridden) {
    return overridden ? "\\cf1 " + text + "\\cf0 " : text;
}

// ---- Files ---------------------------------------------------------------

// The file of `folder` whose name equals `name` ignoring case (the name
// itself first, as most file systems hold it so).
std::optional<std::filesystem::path> FindIgnoringCase(const std::string& folder, const std::string& name) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path exact = fs::path(folder) / name;
    if (fs::exists(exact, ec)) return exact;
    const std::string wanted = UpperCase(name);
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (UpperCase(it->path().filename().string()) == wanted) return it->path();
    }
    return std::nullopt;
}

// The whole content of a regular file, or nullopt with the reason.
std::optional<std::string> ReadSmallFile(const std::filesystem::path& path, std::string& reason) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        reason = "it is not a file";
        return std::nullopt;
    }
    if (std::filesystem::file_size(path, ec) > kTemplateLimit) {
        reason = "it is too large to be a page template";
        return std::nullopt;
    }
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    if (!file) {
        reason = "it cannot be read";
        return std::nullopt;
    }
    return content.str();
}

// ---- Tab-position lines ----------------------------------------------------

// Reads the next whitespace-separated number of `line` into `value`.
template <typename Number>
bool NextNumber(std::string_view& line, Number& value) {
    const size_t start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos) return false;
    line.remove_prefix(start);
    const size_t end = std::min(line.find_first_of(" \t"), line.size());
    auto result = std::from_chars(line.data(), line.data() + end, value);
    if (result.ec != std::errc() || result.ptr != line.data() + end) return false;
    line.remove_prefix(end);
    return true;
}

std::optional<double> TabPositionOfLine(std::string_view line) {
    int slot = 0, kind = 0, row = 0, flags = 0;
    double real = 0, scale = 0, position = 0;
    if (!NextNumber(line, slot) || !NextNumber(line, kind) || !NextNumber(line, row) || !NextNumber(line, real) ||
        !NextNumber(line, scale) || !NextNumber(line, position) || !NextNumber(line, flags))
        return std::nullopt;
    if (line.find_first_not_of(" \t") != std::string_view::npos) return std::nullopt;
    return kind == 4 ? position * scale : position;
}

// ---- Variables -------------------------------------------------------------

struct Variable {
    char code;
    int slot;
};

// Reads the variable that begins with the "/" at `i`, deleting the line
// breaks a word processor may have put inside it.  Nothing when the "/" is
// no variable (a date "1/5/2019", a slash in the text).
std::optional<Variable> ReadVariable(std::string& text, size_t i) {
    RemoveLineBreaksAt(text, i + 1);
    if (i + 1 >= text.size() || kVariableCodes.find(text[i + 1]) == std::string_view::npos) return std::nullopt;
    Variable variable{text[i + 1], 0};
    size_t at = i + 2;
    for (int digits = 0; digits < 3; ++digits, ++at) {
        RemoveLineBreaksAt(text, at);
        if (at >= text.size() || !IsDigit(text[at])) return std::nullopt;
        variable.slot = variable.slot * 10 + (text[at] - '0');
        RemoveLineBreaksAt(text, at + 1);
        if (at + 1 < text.size() && text[at + 1] == '/') return variable;
    }
    return std::nullopt;
}

// Characters a variable of slot s takes: counted from the slot's value.
size_t VariableLength(int slot) { return slot < 10 ? 4 : slot < 100 ? 5 : 6; }

// The font table group: from just after "fonttbl" to its closing brace.
std::string_view FontTable(std::string_view text) {
    const size_t start = text.find("fonttbl");
    if (start == std::string_view::npos) return {};
    int depth = 1;
    for (size_t i = start; i < text.size(); ++i) {
        if (text[i] == '\\') {
            ++i;  // an escaped brace or backslash does not count
        } else if (text[i] == '{') {
            ++depth;
        } else if (text[i] == '}' && --depth == 0) {
            return text.substr(start + 7, i - start - 7);
        }
    }
    return text.substr(start + 7);
}

}  // namespace

namespace {

// A page template's name as it is installed ("Page3.rtf"); it is looked
// up without regard to case.
std::string TemplateName(int page) { return "Page" + std::to_string(page) + ".rtf"; }

// The file a missing name would be, as a full path: what the user looks for.
std::string AbsolutePathIn(const std::string& folder, const std::string& name) {
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(std::filesystem::path(folder) / name, ec);
    return (ec ? std::filesystem::path(folder) / name : full.lexically_normal()).string();
}

}  // namespace

FillState& ProgramFillState() {
    static FillState state;
    return state;
}

TabPositions LoadTabPositions(const std::string& tabFolder, int page) {
    TabPositions tabs;
    const std::string name = "PAGE" + std::to_string(page) + ".DAT";
    std::optional<std::filesystem::path> path = FindIgnoringCase(tabFolder, name);
    std::string reason = "No such file or directory";
    std::optional<std::string> content = path ? ReadSmallFile(*path, reason) : std::nullopt;
    if (!content) {
        tabs.problem = "cannot open the tab-position file " + (path ? path->string() : AbsolutePathIn(tabFolder, name)) +
                       ": " + reason;
        return tabs;
    }
    size_t lineNumber = 0;
    ForEachLine(*content, [&](std::string_view line) {
        ++lineNumber;
        if (tabs.unreadable || tabs.positions.size() > static_cast<size_t>(kLastTabEntry)) return;
        std::optional<double> position = TabPositionOfLine(line);
        if (!position) {
            tabs.unreadable = true;
            tabs.problem = "the tab-position file " + path->string() + " is damaged: line " +
                           std::to_string(lineNumber) + " is not seven numbers, so page " + std::to_string(page) +
                           " cannot be filled";
            ErrorMessage(kErrTabFileLine, "LoadTabPositions");
            return;
        }
        tabs.positions.push_back(*position);
    });
    return tabs;
}

std::string FindCheckFont(std::string_view text) {
    if (text.find("Wingdings") == std::string_view::npos) return {};
    const std::string_view table = FontTable(text);
    for (size_t i = table.find("\\f"); i != std::string_view::npos; i = table.find("\\f", i + 1)) {
        size_t end = i + 2;
        while (end < table.size() && end < i + 5 && IsDigit(table[end])) ++end;
        if (end == i + 2) continue;
        const std::string number(table.substr(i + 2, end - i - 2));
        const size_t semicolon = table.find(';', end);
        const size_t length = std::min<size_t>(semicolon == std::string_view::npos ? table.size() - end
                                                                                  : semicolon + 1 - end,
                                               100);
        if (UpperCase(table.substr(end, length)).find("WINGDINGS") != std::string::npos)
            return "\\f" + number + " ";
        i = end + length - 1;
    }
    return {};
}

std::string TemplateDamage(std::string_view text) {
    const size_t start = text.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos) return "it is empty";
    if (text.compare(start, 5, "{\\rtf") != 0) return "it is not an RTF document (it does not begin with {\\rtf)";
    int depth = 0;
    for (size_t i = start; i < text.size(); ++i) {
        if (text[i] == '\\') {
            ++i;  // an escaped brace or backslash is text
        } else if (text[i] == '{') {
            ++depth;
        } else if (text[i] == '}' && --depth < 0) {
            return "a \"}\" closes more groups than were opened (the file is damaged)";
        }
    }
    if (depth > 0)
        return "it ends with " + std::to_string(depth) + " group" + (depth == 1 ? "" : "s") +
               " still open (the file is cut short or damaged)";
    if (text.find(kPageMarker) == std::string_view::npos) return "it has no \\'b7 marker before its body";
    return {};
}

bool LoadTemplateText(const std::string& folder, const std::string& name, std::string& text, std::string& problem) {
    std::optional<std::filesystem::path> path = FindIgnoringCase(folder, name);
    std::string reason = "No such file or directory";
    std::optional<std::string> content = path ? ReadSmallFile(*path, reason) : std::nullopt;
    if (!content) {
        problem = "cannot open the page template " + (path ? path->string() : AbsolutePathIn(folder, name)) + ": " +
                  reason;
        return false;
    }
    if (const std::string damage = TemplateDamage(*content); !damage.empty()) {
        problem = "the page template " + path->string() + " is damaged: " + damage;
        return false;
    }
    text.clear();
    text.reserve(content->size() + content->size() / 32);
    ForEachLine(*content, [&](std::string_view line) {
        text += line;
        text += "\r\n";
    });
    return true;
}

namespace {

// Where the body's first paragraph begins with "\pard" (after the hidden
// text's end and line breaks); npos when the body begins otherwise.
size_t FirstParagraph(std::string_view body) {
    size_t at = 0;
    while (true) {
        while (at < body.size() && (body[at] == ' ' || body[at] == '\r' || body[at] == '\n')) ++at;
        if (body.compare(at, 3, "\\v0") == 0 && (at + 3 >= body.size() || !std::isalpha(static_cast<unsigned char>(body[at + 3])))) {
            at += 3;
            continue;
        }
        return body.compare(at, 5, "\\pard") == 0 ? at : std::string_view::npos;
    }
}

// Starts the appended body on a new page.  A body that begins with a
// paragraph gets "\pagebb" on it ("page break before"), as the page
// templates' titles have: a "\page" would leave an empty line at the top of
// the new page, enough to push the last line of a full page onto a page of
// its own.  Any other body gets "\page " before it.
void BreakBefore(std::string& body) {
    const size_t paragraph = FirstParagraph(body);
    if (paragraph == std::string::npos) {
        body.insert(0, "\\page ");
        return;
    }
    const size_t words = paragraph + 5;
    const size_t end = std::min(body.find_first_of(" \r\n{}", words), body.size());
    if (body.substr(words, end - words).find("\\pagebb") == std::string::npos) body.insert(words, "\\pagebb");
}

}  // namespace

bool JoinPage(std::string& document, std::string page) {
    const size_t marker = page.find(kPageMarker);
    if (marker == std::string::npos) return false;
    page.erase(0, marker + kPageMarker.size());
    BreakBefore(page);
    auto trimClosing = [](std::string& text, std::string_view blanks) {
        while (!text.empty() && (blanks.find(text.back()) != std::string_view::npos || text.back() == '}')) {
            const bool brace = text.back() == '}';
            text.pop_back();
            if (brace) break;
        }
    };
    trimClosing(page, "\r\n ");
    trimClosing(document, "\r\n '");
    document += page;
    document += '}';
    return true;
}

TemplateFiller::TemplateFiller(const TAnswer& answers, TemplateFolders folders, FillState& state)
    : answers_(answers), folders_(std::move(folders)), state_(state) {}

void TemplateFiller::FillPage(int page, std::string& text) {
    TabPositions tabs = LoadTabPositions(folders_.tabs, page);
    // A missing or damaged tab file is a damaged installation: the job that
    // needs it is not made.  The positions do not change the filled text, so
    // a page whose file is merely missing is still filled.
    if (!tabs.problem.empty()) problems_.push_back(tabs.problem);
    if (tabs.unreadable) return;
    state_.checkFont = FindCheckFont(text);
    size_t i = 0;
    while (i + 4 < text.size()) {
        if (text[i] == '\\' && text.compare(i, 3, "\\fs") == 0 && IsDigit(text[i + 3])) {
            std::optional<int> size = FontSizeAt(text, i);
            if (size && *size >= 0) state_.fontSize = *size;
        } else if (text[i] == '/') {
            if (std::optional<Variable> variable = ReadVariable(text, i)) {
                const auto slot = static_cast<size_t>(variable->slot);
                const double position = slot < tabs.positions.size() ? tabs.positions[slot] : 0.0;
                i += ExpandVariable(page, variable->code, variable->slot, i, position, text);
                continue;
            }
        }
        ++i;
    }
}

size_t TemplateFiller::ExpandVariable(int page, char code, int slot, size_t position, double /*tabPosition*/,
                                      std::string& text) {
    text.erase(position, VariableLength(slot));
    const std::string inserted = VariableText(page, code, slot);
    text.insert(position, inserted);
    return inserted.size();
}

std::string TemplateFiller::VariableText(int page, char code, int slot) const {
    const std::string& answer = answers_.Text(page, slot);
    const bool overridden = answers_.OvRide(page, slot);
    const bool scheduler = page == kSchedulerPage;
    switch (code) {
        case '$': {
            const std::string cleaned = RemoveCommasAndSigns(answer);
            if (scheduler && cleaned.empty()) return {};
            // A scheduler cell that holds no amount as the scheduler reads one
            // (a row not counted) prints as it stands.
            if (std::string problem; scheduler && !ReadAmount(answer, problem)) return PadLeft(RtfEscape(answer), 12);
            return Colour(PadLeft(GroupedText(Str2Float_2(cleaned), 2), 12), overridden);
        }
        case '%': {
            if (scheduler && answer.empty()) return {};
            const double rate = Str2Float_P(answer);
            return PadLeft(FixedText(scheduler ? rate : rate * 100.0, 2), 5) + "%";
        }
        case '@': {
            const std::string cleaned = RemoveCommasAndSigns(answer);
            if (scheduler && cleaned.empty()) return {};
            return PadLeft(GroupedText(Str2Float_2(cleaned), 2), 8);
        }
        case '&': return CheckBoxText(page, slot);
        case '^': return Colour(RtfEscape(ConvertDate(answer)), overridden);
        default:  // "*", "#", "+", "<"
            if (IsShortFormFilingStatus(page, slot))
                return Colour(RtfEscape(ChoiceText(kFilingStatusNames, answer)), overridden);
            return Colour(RtfEscape(answer), overridden);
    }
}

std::string TemplateFiller::CheckBoxText(int page, int slot) const {
    const bool smallBox = page == 6 || IsShortForm(page);
    const std::string_view glyph = answers_.Text(page, slot) == "X" ? kTickedBox : kUntickedBox;
    return state_.checkFont + "\\fs" + (smallBox ? "21" : "24") + std::string(glyph) +
           std::to_string(state_.fontSize) + (IsShortForm(page) ? "\\f4 " : "\\f0 ");
}

bool TemplateFiller::LoadPage(int page, const std::string& name, std::string& text) {
    std::string problem;
    if (!LoadTemplateText(folders_.templates, name, text, problem)) {
        problems_.push_back(problem);
        return false;
    }
    FillPage(page, text);
    return true;
}

bool TemplateFiller::FirstPage(int page, std::string& document) {
    std::string text;
    if (!LoadPage(page, TemplateName(page), text)) return false;
    document = std::move(text);
    return true;
}

bool TemplateFiller::AppendPage(int page, std::string& document) {
    const std::string name = TemplateName(page);
    std::string text;
    if (!LoadPage(page, name, text)) return false;
    if (!JoinPage(document, std::move(text))) {
        problems_.push_back("the page template " + name + " in " + folders_.templates +
                            " has no \\'b7 marker before its body, so it cannot be joined to the pages before it");
        return false;
    }
    return true;
}

}  // namespace quill10
