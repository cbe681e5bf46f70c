#include "calc/SupportTable.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <ctime>
#include <optional>
#include <string_view>
#include <system_error>

#include "files/FileAccess.h"
#include "store/Misc.h"
#include "store/Regional.h"
#include "store/TextEncoding.h"

namespace quill10 {

namespace {

using Row = SupportTable::Row;

constexpr size_t kFields = 7;  // the income and the amounts for 1 to 6 children
constexpr size_t kMostDigits = 12;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view WithoutBlanks(std::string_view text) {
    const size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) return {};
    return text.substr(start, text.find_last_not_of(' ') - start + 1);
}

// A whole, non-negative number of dollars as a schedule writes it: digits,
// perhaps "$" before them, thousands separators between them and a point
// with zero cents after them ("$1,284", "1284.00").
std::optional<double> WholeDollars(std::string_view field) {
    field = WithoutBlanks(field);
    if (!field.empty() && field.front() == '$') field.remove_prefix(1);
    if (const size_t point = field.find('.'); point != std::string_view::npos) {
        const std::string_view cents = field.substr(point + 1);
        if (cents.empty() || cents.find_first_not_of('0') != std::string_view::npos) return std::nullopt;
        field = field.substr(0, point);
    }
    if (field.empty() || !IsDigit(field.front()) || !IsDigit(field.back())) return std::nullopt;
    std::string digits;
    for (size_t k = 0; k < field.size(); ++k) {
        if (IsDigit(field[k]))
            digits += field[k];
        else if (field[k] != ',' || !IsDigit(field[k + 1]))  // a separator stands between digits
            return std::nullopt;
    }
    std::uint64_t value = 0;
    if (digits.size() > kMostDigits) return std::nullopt;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return static_cast<double>(value);
}

std::string Dollars(double amount) { return "$" + WholeMoneyText(amount); }

std::string Children(size_t count) { return std::to_string(count) + (count == 1 ? " child" : " children"); }

// What is wrong with one line of the table; "" when it holds a sound row,
// which is then in `row`.
std::string ReadRow(std::string_view line, Row& row) {
    std::string_view fields[kFields + 1];
    size_t count = 0;
    for (size_t start = 0; count <= kFields; ++count) {
        const size_t tab = line.find('\t', start);
        fields[count] = line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start);
        if (tab == std::string_view::npos) {
            ++count;
            break;
        }
        start = tab + 1;
    }
    if (count != kFields)
        return "it does not hold the row's income and six amounts separated by tabs";
    const std::optional<double> income = WholeDollars(fields[0]);
    if (!income) return "the income " + QuotedForMessage(fields[0]) + " is not a whole, non-negative number of dollars";
    row.income = *income;
    for (size_t k = 0; k < row.amounts.size(); ++k) {
        const std::optional<double> amount = WholeDollars(fields[k + 1]);
        if (!amount)
            return "the amount for " + Children(k + 1) + " " + QuotedForMessage(fields[k + 1]) +
                   " is not a whole, non-negative number of dollars";
        row.amounts[k] = *amount;
        if (k > 0 && row.amounts[k] < row.amounts[k - 1])
            return "the amount for " + Children(k + 1) + ", " + Dollars(row.amounts[k]) +
                   ", is less than the amount for " + Children(k) + ", " + Dollars(row.amounts[k - 1]);
    }
    return "";
}

// Rows follow each other $600 apart, with no gap, repeat or step back.
std::string FollowsRow(const Row& previous, const Row& row) {
    const double expected = previous.income + SupportTable::kRowWidth;
    if (row.income == expected) return "";
    return "the income " + Dollars(row.income) + " should be " + Dollars(expected) + ", $600 above the row before";
}

std::string AtLine(size_t line, const std::string& problem) {
    return "line " + std::to_string(line) + ": " + problem;
}

// What is wrong with the table's text; "" when every row is sound, which
// are then in `rows`.
std::string ReadRows(const std::string& text, std::vector<Row>& rows) {
    size_t lineNumber = 0;
    size_t firstBlank = 0;  // blank lines may only close the file
    size_t lastRow = 0;
    std::string problem;
    ForEachLine(text, [&](std::string_view line) {
        ++lineNumber;
        if (!problem.empty()) return;
        if (line.find_first_not_of(" \t") == std::string_view::npos) {
            if (firstBlank == 0) firstBlank = lineNumber;
            return;
        }
        if (firstBlank != 0) {
            problem = AtLine(firstBlank, "the line is empty, and rows follow it");
            return;
        }
        Row row;
        std::string wrong = ReadRow(line, row);
        if (wrong.empty() && !rows.empty()) wrong = FollowsRow(rows.back(), row);
        if (!wrong.empty()) {
            problem = AtLine(lineNumber, wrong);
            return;
        }
        rows.push_back(row);
        lastRow = lineNumber;
    });
    if (!problem.empty()) return problem;
    if (rows.empty()) return "it holds no rows";
    if (rows.back().income + SupportTable::kRowWidth < SupportTable::kScheduleTop)
        return AtLine(lastRow, "the rows end with " + Dollars(rows.back().income) + ", so the incomes from " +
                                   Dollars(rows.back().income + SupportTable::kRowWidth) +
                                   " up to $150,000 have no row");
    return "";
}

}  // namespace

void SupportTable::SetPath(std::string path) {
    if (path == path_) return;
    path_ = std::move(path);
    loaded_ = false;
    rows_.clear();
    failure_.clear();
}

double SupportTable::Amount(double income, int children) {
    EnsureCurrent();
    if (children < 1) return 0.0;
    if (children > 6) children = 6;
    for (const Row& row : rows_)
        if (income < row.income + kRowWidth) return row.amounts[static_cast<size_t>(children - 1)];
    return 0.0;
}

size_t SupportTable::RowCount() {
    EnsureCurrent();
    return rows_.size();
}

void SupportTable::EnsureCurrent() {
    if (calculations_ == 0 || !checkedThisCalculation_) Refresh();
    checkedThisCalculation_ = calculations_ > 0;
    if (!failure_.empty()) throw SupportTableError(failure_);
}

// Reads the file again when it is not the one read last.
void SupportTable::Refresh() {
    std::error_code ec;
    const auto modified = std::filesystem::last_write_time(path_, ec);
    const std::uintmax_t size = ec ? 0 : std::filesystem::file_size(path_, ec);
    if (!ec && loaded_ && modified == modified_ && size == size_) return;
    rows_.clear();
    failure_ = Load();
    loaded_ = !ec;  // a file that could not be looked at is looked at again next time
    modified_ = modified;
    size_ = size;
}

std::uint64_t SupportTable::Fingerprint(const std::vector<Row>& rows) {
    std::uint64_t hash = 14695981039346656037ULL;
    auto add = [&hash](double value) {
        auto whole = static_cast<std::int64_t>(std::llround(value));
        for (int k = 0; k < 8; ++k, whole >>= 8) hash = (hash ^ static_cast<std::uint8_t>(whole & 0xff)) * 1099511628211ULL;
    };
    for (const Row& row : rows) {
        add(row.income);
        for (double amount : row.amounts) add(amount);
    }
    return hash;
}

bool SupportTable::IsDemonstration() {
    EnsureCurrent();
    return Fingerprint(rows_) == kDemonstrationFingerprint;
}

std::string SupportTable::Description() {
    EnsureCurrent();
    std::string text = "Support schedule: " + path_;
    std::error_code ec;
    const auto modified = std::filesystem::last_write_time(path_, ec);
    if (!ec) {
        const auto seconds = std::chrono::file_clock::to_sys(modified);
        const std::time_t time = std::chrono::system_clock::to_time_t(seconds);
        if (const std::tm* local = std::localtime(&time))
            text += " of " + FormatShortDate(Date{local->tm_year + 1900, local->tm_mon + 1, local->tm_mday});
    }
    if (Fingerprint(rows_) == kDemonstrationFingerprint)
        text += " (the demonstration schedule installed with QUILL10, not the official Ohio schedule)";
    return text;
}

std::string SupportTable::ParseRows(std::string_view bytes, std::vector<Row>& rows) {
    rows.clear();
    const std::string problem = ReadRows(DecodeTextFile(bytes), rows);
    if (!problem.empty()) rows.clear();
    return problem;
}

std::string SupportTable::Load() {
    std::string reason;
    const std::optional<std::string> bytes = ReadRegularFile(path_, kFileLimit, reason);
    if (!bytes)
        return "The support table \"" + path_ + "\" cannot be read: " + reason +
               ". Install table.txt in the program folder and calculate again.";
    std::vector<Row> rows;
    const std::string problem = ParseRows(*bytes, rows);
    if (!problem.empty())
        return "The support table \"" + path_ + "\" is not in the table format: " + problem +
               ". No support is calculated from it until it is corrected.";
    rows_ = std::move(rows);
    return "";
}

}  // namespace quill10
