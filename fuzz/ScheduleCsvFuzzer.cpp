// Fuzzes the scheduler's CSV import and everything that shows what it
// brought in: the table worked out (twice), the table written as CSV and
// read back, the year-by-year summary and the pages of the printout.
//
// A refused file names its line ("line N: ...", N a line of the text).
// A file taken in gives rows whose dates, amounts and rates read back as
// written; every computed cell is a dollar text (never "nan" or "inf");
// working the table out again changes nothing; the CSV written reads back
// as the same table; the years' interest adds up to the last Total
// Interest and their dues and payments to the totals row; and when the
// table was worked out to its end, the last balance is the dues less the
// payments.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "calc/CalcEnvironment.h"
#include "scheduler/ScheduleCsv.h"
#include "scheduler/ScheduleDates.h"
#include "scheduler/Scheduler.h"
#include "print/SendSched.h"
#include "scheduler/YearlySummary.h"
#include "store/Answers.h"
#include "store/Misc.h"

namespace {

using namespace quill10;

const InterestSettings kSettings{3.125, 0.5};

void Require(bool condition) {
    if (!condition) std::abort();
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The lines of a text: CR LF, LF and CR alone each end one.
size_t LinesOf(std::string_view text) {
    size_t lines = 1;
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) ++lines;
    return lines;
}

// "line N: ..." with N from 1 to the number of lines the text has.
bool NamesALine(const std::string& problem, std::string_view text) {
    const std::string prefix = "line ";
    if (problem.rfind(prefix, 0) != 0) return false;
    size_t at = prefix.size();
    size_t line = 0;
    while (at < problem.size() && IsDigit(problem[at]) && line < 100'000'000) line = line * 10 + static_cast<size_t>(problem[at++] - '0');
    return at > prefix.size() && problem.compare(at, 2, ": ") == 0 && line >= 1 && line <= LinesOf(text);
}

// "$" and digits, grouped, with two decimals: what DollarText writes.
bool IsDollarText(const std::string& cell) {
    if (cell.size() < 5 || cell[0] != '$') return false;
    const std::string_view digits = std::string_view(cell).substr(cell[1] == '-' ? 2 : 1);
    const size_t point = digits.size() - 3;
    if (digits[point] != '.' || !IsDigit(digits[point + 1]) || !IsDigit(digits[point + 2])) return false;
    for (size_t i = 0; i < point; ++i) {
        const bool separator = (point - i) % 4 == 0;
        if (separator ? digits[i] != ',' : !IsDigit(digits[i])) return false;
    }
    return true;
}

// An imported row: its date, amounts and rate read back as written.
void RequireReadsBack(const SchedulerRow& row) {
    std::string problem;
    const std::optional<Date> date = ReadScheduleDate(row[kColDate], problem);
    Require(date && ScheduleDateText(*date) == row[kColDate]);
    for (int column : {kColDue, kColPaid}) {
        const std::optional<Cents> amount = ReadAmount(row[static_cast<size_t>(column)], problem);
        Require(amount && DollarText(*amount) == row[static_cast<size_t>(column)]);
    }
    Require(ReadRate(row[kColRate], problem).has_value());
}

void RequireDollarTexts(const SchedulerGrid& grid) {
    for (const SchedulerRow& row : grid.rows)
        for (int column = kColDue; column < kSchedulerColumnCount; ++column)
            if (IsMoneyColumn(column)) Require(IsDollarText(row[static_cast<size_t>(column)]));
}

// The summary against the table it sums.
void RequireSummaryAddsUp(const SchedulerGrid& grid, bool workedOutToTheEnd) {
    const std::vector<YearSummary> years = YearlySummary(grid);
    Cents interest = 0, due = 0, paid = 0;
    for (const YearSummary& year : years) {
        interest += year.interest;
        due += year.due;
        paid += year.paid;
        Require(IsDollarText(DollarText(year.balanceWithInterest)));
    }
    const SchedulerRow& last = grid.rows.back();
    Require(interest == CellCents(last[kColTotalInterest]));
    const ScheduleTotals totals = TotalsOf(grid);
    if (std::max({std::abs(due), std::abs(paid), std::abs(totals.due), std::abs(totals.paid)}) >= kMostSum) return;
    Require(due == totals.due && paid == totals.paid);
    if (workedOutToTheEnd) Require(CellCents(last[kColBalance]) == totals.due - totals.paid);
}

// The printed pages: the rows and the totals row 62 to a page, then the
// years, every slot of page 32 within its page.
void RequirePages(const SchedulerGrid& grid) {
    const std::vector<SchedulePrintPage> pages = SchedulePrintPages(grid);
    const size_t rows = grid.rows.size() + 1 + YearlySummary(grid).size();
    size_t printed = 0;
    static const auto environment = std::make_shared<CalcEnvironment>();
    TAnswer answers(environment);
    for (const SchedulePrintPage& page : pages) {
        Require(!page.rows.empty() && page.rows.size() <= kScheduleRowsPerPage);
        printed += page.rows.size();
        FillSchedulePage(answers, page, "3/7/2019", "fuzz.q10");
        Require(answers.Text(kSchedulePage, kSlotPrintTitle) == page.title);
    }
    Require(printed == rows);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static std::vector<int> errors;
    static const bool handled = [] {
        SetErrorHandler([](int code, const std::string&, const std::string&) { errors.push_back(code); });
        return true;
    }();
    (void)handled;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string problem;
    std::optional<std::vector<SchedulerRow>> rows = ReadScheduleCsv(bytes, kSettings.defaultRate, problem);
    if (!rows) {
        Require(NamesALine(problem, bytes));
        return 0;
    }
    Require(problem.empty());
    for (const SchedulerRow& row : *rows) RequireReadsBack(row);
    const bool empty = rows->empty();  // a header alone: the empty schedule stays
    SchedulerGrid grid;
    AppendRows(grid, std::move(*rows));

    errors.clear();
    RefreshSchedule(grid, kSettings);
    const bool workedOutToTheEnd = errors.empty();
    SchedulerGrid again = grid;
    RefreshSchedule(again, kSettings);
    Require(again == grid);
    RequirePages(grid);
    if (empty) return 0;

    RequireDollarTexts(grid);
    const std::optional<std::vector<SchedulerRow>> exported =
        ReadScheduleCsv(ScheduleCsvText(grid), kSettings.defaultRate, problem);
    Require(exported.has_value());
    SchedulerGrid readBack;
    AppendRows(readBack, *exported);
    RefreshSchedule(readBack, kSettings);
    Require(readBack == grid);
    RequireSummaryAddsUp(grid, workedOutToTheEnd);
    return 0;
}
