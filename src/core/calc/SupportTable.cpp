#include "calc/SupportTable.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <ctime>
#include <optional>
#include <string_view>
#include <system_error>

#include "platform/FileAccess.h"
#include "store/Misc.h"
#include "store/Regional.h"
#include "platform/TextEncoding.h"

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

// What is wrong with the fields of one line; "" when they hold a sound
// row, which is then in `row`.
std::string ReadRow(const std::vector<std::string>& fields, std::string_view separators, Row& row) {
    if (fields.size() != kFields)
        return "it does not hold the row's income and six amounts" + std::string(separators);
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

// The first row is the schedule's first income; one above it means the rows
// below were lost (a page of a PDF, the top of a spreadsheet).
std::string BeginsTheSchedule(const Row& row) {
    constexpr double kFirst = SupportTable::kFirstRowIncome;
    if (row.income == kFirst) return "";
    const double steps = (row.income - kFirst) / SupportTable::kRowWidth;
    if (row.income > kFirst && steps == static_cast<double>(static_cast<long long>(steps)))
        return "the rows from " + Dollars(kFirst) + " to " + Dollars(row.income - SupportTable::kRowWidth) +
               " are missing \u2014 was a page of the PDF lost?";
    return "the first row's income, " + Dollars(row.income) + ", should be " + Dollars(kFirst) +
           ", where every schedule begins";
}

std::string PastTheSchedule(const Row& row) {
    if (row.income <= SupportTable::kLastRowIncome) return "";
    return "the row of " + Dollars(row.income) + " is past the schedule's last row, " +
           Dollars(SupportTable::kLastRowIncome) + " (incomes of $150,000 and more follow the worksheet's own rule)";
}

std::string NotAllZero(const Row& row) {
    for (double amount : row.amounts)
        if (amount != 0) return "";
    return "the row holds no amount above $0";
}

// In each column the amount does not fall as income rises.
std::string RisesWithIncome(const Row& previous, const Row& row) {
    for (size_t k = 0; k < row.amounts.size(); ++k)
        if (row.amounts[k] < previous.amounts[k])
            return "the amount for " + Children(k + 1) + ", " + Dollars(row.amounts[k]) +
                   ", is less than the amount for " + Children(k + 1) + " in the row of " +
                   Dollars(previous.income) + ", " + Dollars(previous.amounts[k]) +
                   ": an amount may not fall as income rises";
    return "";
}

// What is wrong with a row in its place after `previous` (none: the first row).
std::string RowInPlace(const Row* previous, const Row& row) {
    for (const std::string& wrong :
         {previous ? FollowsRow(*previous, row) : BeginsTheSchedule(row), PastTheSchedule(row), NotAllZero(row),
          previous ? RisesWithIncome(*previous, row) : std::string()})
        if (!wrong.empty()) return wrong;
    return "";
}

constexpr std::string_view kTabs = " separated by tabs";

}  // namespace

// The lines of table.txt: fields separated by tabs; blank lines may only
// close the file.  A blank line with rows after it is the fault.
SupportTable::Fault SupportTable::SplitTableLines(const std::string& text, std::vector<Line>& lines) {
    SupportTable::Fault fault;
    size_t lineNumber = 0;
    size_t firstBlank = 0;
    ForEachLine(text, [&](std::string_view line) {
        ++lineNumber;
        if (!fault.Sound()) return;
        if (line.find_first_not_of(" \t") == std::string_view::npos) {
            if (firstBlank == 0) firstBlank = lineNumber;
            return;
        }
        if (firstBlank != 0) {
            fault = {firstBlank, "", "the line is empty, and rows follow it"};
            return;
        }
        SupportTable::Line split{lineNumber, std::string(line), {}};
        for (size_t start = 0;;) {
            const size_t tab = line.find('\t', start);
            split.fields.emplace_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
            if (tab == std::string_view::npos || split.fields.size() > kFields) break;
            start = tab + 1;
        }
        lines.push_back(std::move(split));
    });
    return fault;
}

std::string SupportTable::Fault::Message() const {
    return line == 0 ? problem : "line " + std::to_string(line) + ": " + problem;
}

SupportTable::Fault SupportTable::CheckLines(const std::vector<Line>& lines, std::vector<Row>& rows,
                                             std::string_view separators) {
    std::vector<Row> checked;
    checked.reserve(lines.size());
    for (const Line& line : lines) {
        Row row;
        std::string wrong = ReadRow(line.fields, separators, row);
        if (wrong.empty()) wrong = RowInPlace(checked.empty() ? nullptr : &checked.back(), row);
        if (!wrong.empty()) return {line.number, line.text, wrong};
        checked.push_back(row);
    }
    if (checked.empty()) return {0, "", "it holds no rows"};
    if (checked.back().income + kRowWidth < kScheduleTop)
        return {lines.back().number, lines.back().text,
                "the rows end with " + Dollars(checked.back().income) + ", so the incomes from " +
                    Dollars(checked.back().income + kRowWidth) + " up to $150,000 have no row"};
    rows.insert(rows.end(), checked.begin(), checked.end());
    return {};
}

void SupportTable::UseRows(std::vector<Row> rows) {
    path_.clear();
    rows_ = std::move(rows);
    failure_.clear();
    loaded_ = inMemory_ = true;
}

void SupportTable::SetPath(std::string path) {
    if (path == path_ && !inMemory_) return;
    path_ = std::move(path);
    loaded_ = inMemory_ = false;
    rows_.clear();
    failure_.clear();
}

void SupportTable::SetIdentity(std::string name, std::string effective, std::string fingerprint) {
    if (fingerprint != fingerprint_) loaded_ = false;  // the file is checked against the new fingerprint
    name_ = std::move(name);
    effective_ = std::move(effective);
    fingerprint_ = std::move(fingerprint);
}

std::string SupportTable::DisplayName() const { return name_.empty() ? FileNameOnly(path_) : name_; }

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
    if (inMemory_) return;
    if (calculations_ == 0 || !checkedThisCalculation_) Refresh();
    checkedThisCalculation_ = calculations_ > 0;
    if (!failure_.empty()) throw SupportTableError(failure_, DisplayName(), failureReason_);
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

std::string SupportTable::ShortFingerprint(std::uint64_t fingerprint) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    for (int shift = 60; shift >= 32; shift -= 4) {
        if (shift == 44) text += '-';
        text += kHex[(fingerprint >> shift) & 0xF];
    }
    return text;
}

const std::vector<SupportTable::Row>& SupportTable::Rows() {
    EnsureCurrent();
    return rows_;
}

std::string SupportTable::Footer() {
    EnsureCurrent();
    const std::uint64_t fingerprint = Fingerprint(rows_);
    if (fingerprint == kDemonstrationFingerprint) return kDemonstrationFooter;
    std::string text = "Support schedule: " + DisplayName();
    if (const std::optional<Date> effective = ParseIsoDate(effective_))
        text += ", effective " + ConvertDate(FormatShortDate(*effective));
    return text + " (fingerprint " + ShortFingerprint(fingerprint) + ")";
}

std::string SupportTable::Description() {
    EnsureCurrent();
    if (Fingerprint(rows_) == kDemonstrationFingerprint)
        return std::string(kDemonstrationFooter) + " Support schedule: " + FileAndDate() +
               " (the demonstration schedule installed with QUILL10, not the official Ohio schedule)";
    return Footer() + "; file " + FileAndDate();
}

std::string SupportTable::FileAndDate() const {
    std::string text = path_;
    std::error_code ec;
    const auto modified = std::filesystem::last_write_time(path_, ec);
    if (!ec) {
        const auto seconds = std::chrono::file_clock::to_sys(modified);
        const std::time_t time = std::chrono::system_clock::to_time_t(seconds);
        if (const std::tm* local = std::localtime(&time))
            text += " of " + FormatShortDate(Date{local->tm_year + 1900, local->tm_mon + 1, local->tm_mday});
    }
    return text;
}

std::string SupportTable::ParseRows(std::string_view bytes, std::vector<Row>& rows) {
    rows.clear();
    std::vector<Line> lines;
    Fault fault = SplitTableLines(DecodeTextFile(bytes), lines);
    if (fault.Sound()) fault = CheckLines(lines, rows, kTabs);
    return fault.Message();
}

// What to do about a schedule that cannot be used: an office's schedule is
// installed again or given up; the program's own is put back in its folder.
std::string SupportTable::Advice() const {
    if (name_.empty()) return "Install table.txt in the program folder and calculate again.";
    return "Install the schedule again (Options > Support Schedule, or quill10-cli table install), or go back to "
           "the schedule installed with QUILL10 (quill10-cli table reset).";
}

std::string SupportTable::Load() {
    std::string reason;
    failureReason_.clear();
    const std::string which = name_.empty() ? "The support table \"" + path_ + "\""
                                            : "The support schedule " + name_ + " (\"" + path_ + "\")";
    const std::optional<std::string> bytes = ReadRegularFile(path_, kFileLimit, reason);
    if (!bytes) {
        failureReason_ = reason;
        return which + " cannot be read: " + reason + ". " + Advice();
    }
    std::vector<Row> rows;
    const std::string problem = ParseRows(*bytes, rows);
    if (!problem.empty()) {
        failureReason_ = "it is not in the table format: " + problem;
        return which + " is not in the table format: " + problem + (problem.ends_with('?') ? "" : ".") +
               " No support is calculated from it until it is corrected.";
    }
    const std::string found = ShortFingerprint(Fingerprint(rows));
    if (!fingerprint_.empty() && found != fingerprint_) {
        failureReason_ = "its rows have the fingerprint " + found + ", not the " + fingerprint_ + " it was installed with";
        return which + " is not the schedule that was installed: its rows have the fingerprint " + found +
               ", the settings record " + fingerprint_ + ". " + Advice();
    }
    rows_ = std::move(rows);
    return "";
}

}  // namespace quill10
