#include "calc/ScheduleImport.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <optional>

#include "platform/ExternalProgram.h"
#include "platform/FileAccess.h"
#include "store/DelimitedText.h"
#include "store/Misc.h"
#include "platform/TextEncoding.h"

namespace quill10 {

namespace {

constexpr size_t kRowFields = 7;  // the income and the amounts for 1 to 6 children
// A schedule is a few hundred lines: its text has the limit of table.txt, so
// a file the check accepts is one the reader takes.  A PDF holds more than
// its text, and is read through pdftotext.
constexpr std::uintmax_t kScheduleTextLimit = SupportTable::kFileLimit;
constexpr std::uintmax_t kSchedulePdfLimit = 16 * kMegabyte;
constexpr std::chrono::seconds kPdfTextLimit{60};

struct Delimiter {
    char character;
    const char* name;
};
constexpr Delimiter kDelimiters[] = {{'\t', "tab"}, {';', "semicolon"}, {',', "comma"}};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

constexpr std::string_view kFieldBlanks = " \t\r\n";

bool HoldsADigit(std::string_view field) { return std::any_of(field.begin(), field.end(), IsDigit); }

// A field that reads as an amount: "$" perhaps, digits with perhaps
// thousands separators, perhaps a point and cents.
bool IsAmount(std::string_view field) {
    if (!field.empty() && field.front() == '$') field.remove_prefix(1);
    if (field.empty() || !IsDigit(field.front())) return false;
    const size_t point = field.find('.');
    const std::string_view whole = field.substr(0, point);
    const std::string_view cents = point == std::string_view::npos ? std::string_view() : field.substr(point + 1);
    const bool digitsAndSeparators =
        std::all_of(whole.begin(), whole.end(), [](char c) { return IsDigit(c) || c == ','; }) && IsDigit(whole.back());
    return digitsAndSeparators && std::all_of(cents.begin(), cents.end(), IsDigit) &&
           (point == std::string_view::npos || !cents.empty());
}

// The delimiter of separated text: the one the first lines hold at least
// six of (tab before semicolon before comma); a comma when none does.
const Delimiter& DelimiterOf(std::string_view text) {
    std::array<size_t, std::size(kDelimiters)> mostSeen{};
    size_t looked = 0;
    ForEachLine(text, [&](std::string_view line) {
        if (looked >= 5 || Trimmed(line, kFieldBlanks).empty()) return;
        ++looked;
        for (size_t d = 0; d < std::size(kDelimiters); ++d)
            mostSeen[d] = std::max(mostSeen[d], static_cast<size_t>(std::count(line.begin(), line.end(),
                                                                              kDelimiters[d].character)));
    });
    for (size_t d = 0; d < std::size(kDelimiters); ++d)
        if (mostSeen[d] >= kRowFields - 1) return kDelimiters[d];
    return kDelimiters[std::size(kDelimiters) - 1];
}

std::vector<std::string> TextLines(std::string_view text) {
    std::vector<std::string> lines;
    ForEachLine(text, [&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

std::string LineText(const std::vector<std::string>& lines, size_t number) {
    return number >= 1 && number <= lines.size() ? lines[number - 1] : std::string();
}

// Fields of a record as a row: blanks around them trimmed, empty fields
// after the seventh (a spreadsheet's empty columns) dropped.
std::vector<std::string> RowFields(const std::vector<std::string>& fields) {
    std::vector<std::string> row;
    for (const std::string& field : fields) row.emplace_back(Trimmed(field, kFieldBlanks));
    while (row.size() > kRowFields && row.back().empty()) row.pop_back();
    return row;
}

void Check(ScheduleReading& reading, std::string_view separators) {
    reading.fault = SupportTable::CheckLines(reading.lines, reading.rows, separators);
}

std::string Dollars(double amount) { return "$" + WholeMoneyText(amount); }

// A line of the file as it stands (its own quotes are its own), cut short
// when it runs long.
std::string Shortened(const std::string& line) {
    constexpr size_t kLongest = 120;
    return line.size() <= kLongest ? line : line.substr(0, kLongest) + "\u2026";
}

std::string RowText(const SupportTable::Row& row) {
    std::string text = Dollars(row.income) + ":";
    for (double amount : row.amounts) text += " " + Dollars(amount);
    return text;
}

}  // namespace

ScheduleReading ReadScheduleText(std::string_view bytes) {
    ScheduleReading reading;
    const std::string text = DecodeTextFile(bytes);
    const Delimiter& delimiter = DelimiterOf(text);
    reading.form = std::string(delimiter.name) + "-separated text";
    std::vector<DelimitedRecord> records;
    if (const std::string problem = SplitDelimited(text, delimiter.character, records); !problem.empty()) {
        reading.fault = {0, "", problem};
        return reading;
    }
    const std::vector<std::string> lines = TextLines(text);
    bool first = true;
    for (const DelimitedRecord& record : records) {
        std::vector<std::string> fields = RowFields(record.fields);
        if (std::all_of(fields.begin(), fields.end(), [](const std::string& f) { return f.empty(); })) continue;
        // The first line may name the columns, when its income field holds
        // no number ("Income"); any other line is a row ("6600*" is a row
        // that cannot be read, not a header).
        if (first && !HoldsADigit(fields.front())) {
            reading.form += ", with a header line";
            first = false;
            continue;
        }
        first = false;
        reading.lines.push_back({record.line, LineText(lines, record.line), std::move(fields)});
    }
    Check(reading, std::string(" separated by ") + delimiter.name + "s");
    return reading;
}

ScheduleReading ReadSchedulePdfText(std::string_view text) {
    ScheduleReading reading;
    reading.form = "the text of a PDF";
    size_t number = 0;
    ForEachLine(text, [&](std::string_view line) {
        ++number;
        std::vector<std::string> tokens;
        for (size_t i = 0; i < line.size();) {
            while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i]))) ++i;
            const size_t start = i;
            while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i]))) ++i;
            if (i == start) break;
            std::string token(line.substr(start, i - start));
            // "$ 1,284" as a table prints it in a cell of its own.
            if (!tokens.empty() && tokens.back() == "$") {
                token.insert(0, "$");
                tokens.pop_back();
            }
            tokens.push_back(std::move(token));
        }
        // A row is a line of seven amounts and nothing else (headings,
        // page numbers and notes are passed over).
        if (tokens.size() == kRowFields && std::all_of(tokens.begin(), tokens.end(), [](const std::string& t) {
                return IsAmount(t);
            }))
            reading.lines.push_back({number, std::string(Trimmed(line, kFieldBlanks)), std::move(tokens)});
    });
    if (reading.lines.empty()) {
        reading.fault = {0, "", "no line of it holds an income and six amounts"};
        return reading;
    }
    Check(reading, "");
    return reading;
}

ScheduleReading ReadProgramTable(std::string_view bytes) {
    ScheduleReading reading;
    reading.form = "a program folder's table.txt (fields separated by tabs, no header line, no empty line between rows)";
    reading.fault = SupportTable::SplitTableLines(DecodeTextFile(bytes), reading.lines);
    if (reading.fault.Sound()) Check(reading, " separated by tabs");
    return reading;
}

namespace {

ScheduleReading Unreadable(const std::string& path, const std::string& reason) {
    ScheduleReading reading;
    reading.fault = {0, "", "the file \"" + path + "\" cannot be read: " + reason};
    return reading;
}

bool IsPdf(std::string_view bytes) { return bytes.rfind("%PDF-", 0) == 0; }

}  // namespace

ScheduleReading ReadProgramTableFile(const std::string& path) {
    std::string reason;
    const std::optional<std::string> bytes = ReadRegularFile(path, SupportTable::kFileLimit, reason);
    if (!bytes) return Unreadable(path, reason);
    return ReadProgramTable(*bytes);
}

ScheduleReading ReadScheduleFile(const std::string& path) {
    std::string reason;
    std::optional<std::string> bytes = ReadRegularFile(path, kSchedulePdfLimit, reason);
    if (!bytes) return Unreadable(path, reason);
    if (!IsPdf(*bytes)) {
        if (bytes->size() > kScheduleTextLimit)
            return Unreadable(path, "it is larger than " + std::to_string(kScheduleTextLimit / kMegabyte) +
                                        " MB, which no schedule is");
        return ReadScheduleText(*bytes);
    }
    ScheduleReading failed;
    failed.form = "a PDF";
    const std::optional<std::string> pdftotext = FindOnPath({"pdftotext"});
    if (!pdftotext) {
        failed.fault = {0, "", "the file is a PDF, and reading one needs pdftotext: install the Debian package "
                               "poppler-utils (apt-get install poppler-utils)"};
        return failed;
    }
    TemporaryFolder work;
    const std::string text = (work.Path() / "schedule.txt").string();
    std::string error;
    const std::optional<int> status = work.Path().empty()
                                          ? std::nullopt
                                          : RunProgram({*pdftotext, "-layout", path, text},
                                                       (work.Path() / "pdftotext.log").string(), kPdfTextLimit, error);
    const std::optional<std::string> content = status == 0 ? ReadRegularFile(text, kScheduleTextLimit, reason)
                                                           : std::nullopt;
    if (!content) {
        const std::string said = work.Path().empty() ? "" : LastLinesOf((work.Path() / "pdftotext.log").string());
        failed.fault = {0, "", "pdftotext could not read the PDF" + (error.empty() ? "" : ": " + error) +
                                   (said.empty() ? "" : ": " + said)};
        return failed;
    }
    return ReadSchedulePdfText(*content);
}

std::string ScheduleFileText(const std::vector<SupportTable::Row>& rows) {
    std::string text;
    for (const SupportTable::Row& row : rows) {
        text += FixedText(row.income, 0);
        for (double amount : row.amounts) text += "\t" + FixedText(amount, 0);
        text += "\r\n";
    }
    return text;
}

std::string ScheduleRange(const std::vector<SupportTable::Row>& rows) {
    if (rows.empty()) return "no rows";
    return Dollars(rows.front().income) + " to " + Dollars(rows.back().income) + " (" + std::to_string(rows.size()) +
           " rows)";
}

std::string ScheduleInUseText(SupportTable& table) {
    const std::vector<SupportTable::Row>& rows = table.Rows();
    std::string text = table.Footer() + "\n";
    text += "File: " + table.Path() + "\n";
    text += "Incomes: " + ScheduleRange(rows) + "\n";
    text += "Fingerprint: " + SupportTable::ShortFingerprint(SupportTable::Fingerprint(rows)) + "\n";
    if (table.IsDemonstration())
        text += "This is the demonstration schedule installed with QUILL10, not the official one: install your "
                "office's official schedule (Options > Support Schedule... in the window, or quill10-cli table "
                "install).\n";
    return text;
}

std::string ScheduleVerdict(const ScheduleReading& reading) {
    std::string text;
    if (!reading.form.empty()) text += "Read as " + reading.form + ".\n";
    if (reading.Sound()) {
        text += "Incomes " + ScheduleRange(reading.rows) + ".\n";
        text += "First row " + RowText(reading.rows.front()) + "\n";
        text += "Last row  " + RowText(reading.rows.back()) + "\n";
        text += "Fingerprint " + SupportTable::ShortFingerprint(SupportTable::Fingerprint(reading.rows)) + ".\n";
        return text + "The schedule passes the table check.\n";
    }
    if (!reading.lines.empty()) {
        text += std::to_string(reading.lines.size()) + " lines read as rows, from line " +
                std::to_string(reading.lines.front().number) + " to line " +
                std::to_string(reading.lines.back().number) + ".\n";
        text += "First: " + Shortened(reading.lines.front().text) + "\n";
        text += "Last:  " + Shortened(reading.lines.back().text) + "\n";
    }
    text += "The schedule fails the table check: " + reading.fault.Message() + ".\n";
    if (!reading.fault.text.empty())
        text += "Line " + std::to_string(reading.fault.line) + " reads: " + Shortened(reading.fault.text) + "\n";
    return text;
}

}  // namespace quill10
