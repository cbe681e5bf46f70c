#include "files/ClientFile.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <stdexcept>
#include <utility>

#include "platform/FileAccess.h"
#include "store/Misc.h"
#include "platform/TextEncoding.h"

namespace quill10 {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string PageHeader(int page) {
    return "Page " + std::to_string(page) + "; Continuation Page 0";
}

std::string SlotName(int page, int slot) {
    return std::to_string(page) + ":" + std::to_string(slot);
}

// ---- Writing ---------------------------------------------------------------

// One line of text.  A line break inside the text becomes " | " so that
// every later line stays in step.
void AppendTextLine(std::string& out, std::string_view text) {
    if (text.find_first_of("\r\n") != std::string_view::npos)
        out += MemoToLine(text);
    else
        out += text;
    out += kLineEnd;
}

void AppendPlainLine(std::string& out, std::string_view text) {
    out += text;
    out += kLineEnd;
}

// Room for the whole file, so that it is built without growing.
size_t EstimatedSize(const TAnswer& answers, const SchedulerGrid& grid) {
    size_t size = 256 + answers.ProgramName.size();
    for (int page = 0; page < kPageCount; ++page) {
        size += 32;
        for (const AnswerItem& item : answers.List(page)) size += item.Text.size() + 5;
    }
    for (const SchedulerRow& row : grid.rows)
        for (const std::string& cell : row) size += cell.size() + 2;
    return size;
}

void AppendPages(std::string& out, const TAnswer& answers) {
    for (int page = 0; page < kPageCount; ++page) {
        AppendPlainLine(out, PageHeader(page));
        for (const AnswerItem& item : answers.List(page)) {
            AppendTextLine(out, item.Text);
            AppendPlainLine(out, item.Obj.OvRide ? "1" : "0");
        }
    }
}

void AppendGrid(std::string& out, const SchedulerGrid& grid) {
    AppendPlainLine(out, kSchedulerHeaderLine);
    AppendPlainLine(out, kRowCountLine);
    AppendPlainLine(out, std::to_string(grid.rows.size()));
    for (const SchedulerRow& row : grid.rows)
        for (const std::string& cell : row) AppendTextLine(out, cell);
}

// ---- Reading ---------------------------------------------------------------

// A line that is missing or does not hold what it should.
class FormatError : public std::runtime_error {
  public:
    FormatError(std::uint64_t line, const std::string& message)
        : std::runtime_error("line " + std::to_string(line) + ": " + message) {}
};

// Hands out the lines of the file one by one; CR LF and LF alone both end a
// line, and a last line without a line end counts.
class LineReader {
  public:
    explicit LineReader(std::string_view bytes) : bytes_(bytes) {}

    // The next line without its line end.  At the end of the file throws
    // FormatError naming what the line should have held (`what` is called
    // only then, so describing costs nothing while the file is sound).
    template <typename Describe>
    std::string_view Need(Describe&& what) {
        if (position_ >= bytes_.size())
            throw FormatError(lineNumber_ + 1, "the file ends where " + what() + " should be");
        size_t end = bytes_.find('\n', position_);
        if (end == std::string_view::npos) end = bytes_.size();
        std::string_view line = bytes_.substr(position_, end - position_);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        position_ = end + 1;
        ++lineNumber_;
        return line;
    }

    // The number of the line last handed out (the first line is 1).
    std::uint64_t LineNumber() const { return lineNumber_; }
    size_t RemainingBytes() const { return position_ < bytes_.size() ? bytes_.size() - position_ : 0; }

  private:
    std::string_view bytes_;
    size_t position_ = 0;
    std::uint64_t lineNumber_ = 0;
};

// The number at the start of a line, as a reader of numbers takes it: blanks
// and tabs before it are skipped, it ends at the next blank or tab, and the
// rest of the line is not read.
std::string_view FirstWord(std::string_view line) {
    const size_t start = std::min(line.find_first_not_of(" \t"), line.size());
    line.remove_prefix(start);
    return line.substr(0, std::min(line.find_first_of(" \t"), line.size()));
}

std::optional<std::int64_t> ParseInteger(std::string_view word) {
    const bool plus = !word.empty() && word.front() == '+';
    if (plus) word.remove_prefix(1);
    if (word.empty() || (plus && word.front() == '-')) return std::nullopt;
    std::int64_t value = 0;
    auto result = std::from_chars(word.data(), word.data() + word.size(), value);
    if (result.ec != std::errc() || result.ptr != word.data() + word.size()) return std::nullopt;
    return value;
}

template <typename Describe>
std::int64_t ReadInteger(LineReader& lines, Describe&& what) {
    std::string_view line = lines.Need(what);
    std::optional<std::int64_t> value = ParseInteger(FirstWord(line));
    if (!value) throw FormatError(lines.LineNumber(), what() + " is not a whole number: " + QuotedForMessage(line));
    return *value;
}

double ReadVersion(LineReader& lines) {
    auto what = [] { return std::string("the version number"); };
    std::string_view line = lines.Need(what);
    std::optional<double> value = ParseReal(FirstWord(line));
    if (!value) throw FormatError(lines.LineNumber(), what() + " is not a number: " + QuotedForMessage(line));
    return *value;
}

void ReadPage(LineReader& lines, TAnswer& answers, int page) {
    lines.Need([page] { return "the header of page " + std::to_string(page); });
    AnswerList& list = answers.List(page);
    for (size_t slot = 0; slot < list.size(); ++slot) {
        const int s = static_cast<int>(slot);
        list[slot].Text = std::string(lines.Need([&] { return "the text of slot " + SlotName(page, s); }));
        list[slot].Obj.OvRide =
            ReadInteger(lines, [&] { return "the override flag of slot " + SlotName(page, s); }) != 0;
    }
}

SchedulerGrid ReadGrid(LineReader& lines) {
    lines.Need([] { return std::string("the scheduler header"); });
    lines.Need([] { return std::string("the line \"") + kRowCountLine + "\""; });
    auto what = [] { return std::string("the scheduler row count"); };
    const std::int64_t count = ReadInteger(lines, what);
    if (count < 0) throw FormatError(lines.LineNumber(), what() + " is negative: " + std::to_string(count));
    SchedulerGrid grid;
    grid.rows.clear();
    // Every row takes at least nine line ends, so a count larger than the
    // rest of the file could hold reserves no more than the file can fill.
    grid.rows.reserve(static_cast<size_t>(std::min<std::uint64_t>(
        static_cast<std::uint64_t>(count), lines.RemainingBytes() / kSchedulerColumnCount + 1)));
    for (std::int64_t row = 0; row < count; ++row) {
        SchedulerRow& cells = grid.rows.emplace_back();
        for (int column = 0; column < kSchedulerColumnCount; ++column) {
            cells[column] = std::string(lines.Need([&] {
                return "the \"" + std::string(kSchedulerColumnTitles[column]) + "\" cell of scheduler row " +
                       std::to_string(row + 1);
            }));
        }
    }
    return grid;
}

}  // namespace

std::string ClientFileText(const TAnswer& answers, const SchedulerGrid& grid) {
    std::string out;
    out.reserve(EstimatedSize(answers, grid));
    AppendTextLine(out, answers.ProgramName);
    AppendPlainLine(out, Real23Text(kVersionNumber));
    AppendPages(out, answers);
    AppendGrid(out, grid);
    return EncodeTextFile(out);
}

bool WriteClientFile(const std::string& path, const TAnswer& answers, const SchedulerGrid& grid,
                     std::string& error, const WriteFunction& write) {
    return SaveFileAtomically(path, ClientFileText(answers, grid), error, write);
}

std::optional<ClientFileContents> ParseClientFile(std::string_view bytes,
                                                  std::shared_ptr<CalcEnvironment> environment,
                                                  std::string& error) {
    ClientFileContents contents{std::make_unique<TAnswer>(std::move(environment)), SchedulerGrid{}};
    TAnswer& answers = *contents.answers;
    const std::string text = DecodeTextFile(bytes);
    LineReader lines(text);
    try {
        answers.ProgramName = std::string(lines.Need([] { return std::string("the program name"); }));
        answers.VersionNo = ReadVersion(lines);
        for (int page = 0; page < kPageCount; ++page) ReadPage(lines, answers, page);
        contents.grid = ReadGrid(lines);
    } catch (const FormatError& failure) {
        error = failure.what();
        return std::nullopt;
    }
    return contents;
}

std::optional<ClientFileContents> ReadClientFile(const std::string& path,
                                                 std::shared_ptr<CalcEnvironment> environment,
                                                 std::string& error) {
    std::string reason;
    std::optional<std::string> bytes = ReadRegularFile(path, kClientFileLimit, reason);
    if (!bytes) {
        error = "cannot open \"" + path + "\": " + reason;
        return std::nullopt;
    }
    return ParseClientFile(*bytes, std::move(environment), error);
}

}  // namespace quill10
