#pragma once
// The support scheduler table: dated rows of support due and paid, the
// running arrears balance and simple interest on it.
//
// Each row holds nine text cells (SchedulerGrid.h).  Dates are kept as
// M/D/YYYY (ScheduleDates.h); amounts as dollar texts ("$1,234.50", a
// negative amount "$-1,234.50") and worked with in whole cents; the Rate %
// cell holds a rate typed or generated ("3.00%") or, in a row where none
// was given, the default rate as a plain number ("3")
// (ScheduleAmounts.h).  Cells are read back without any message: a text
// that is no amount or rate counts as 0.
#include <cstddef>
#include <string>
#include <string_view>

#include "scheduler/ScheduleAmounts.h"
#include "store/SchedulerGrid.h"

namespace quill10 {

enum SchedulerColumn : int {
    kColDate = 0,
    kColDescription = 1,
    kColDue = 2,
    kColPaid = 3,
    kColBalance = 4,
    kColRate = 5,
    kColInterest = 6,
    kColTotalInterest = 7,
    kColBalanceWithInterest = 8,
};

// The interest settings of the program (kept in the settings file).
struct InterestSettings {
    double defaultRate = 3.0;  // percent a year
    double threshold = 1.0;    // dollars: interest of an interval below it is dropped
};

// Numbered errors of the recomputation: a row without a date, a date that
// cannot be read, and a balance or total interest of a trillion dollars or
// more.  Each stops the recomputation at that row.
inline constexpr int kErrScheduleNoDate = 17060;
inline constexpr int kErrScheduleBadDate = 17070;
inline constexpr int kErrScheduleTooLarge = 17080;
// A dated row whose Support Due or Support Paid cannot be read: named with
// its date, column and text, the row is not counted (the rows after it are).
inline constexpr int kErrScheduleBadAmount = 17090;
// What a row that is not counted shows in its Balance cell.
inline constexpr const char* kNotCounted = "not counted";
// Copying the table between the scheduler window and the case.
inline constexpr int kErrScheduleClosing = 17010;
inline constexpr int kErrScheduleLoading = 17040;
inline constexpr int kErrScheduleSaving = 17050;

// Why a row's Support Due or Support Paid cannot be read, naming the row
// by its date, the column and the text; "" when both can.
std::string UnreadableAmountOf(const SchedulerRow& row);

// True for a row the balance, the totals and the summary count: its date
// and its amounts can be read.
bool IsCountedRow(const SchedulerRow& row);

// True when every row of the table is counted (the empty schedule is).
bool EveryRowCounted(const SchedulerGrid& grid);

// True when the money columns (Support Due onwards, but not Rate %) hold the column.
bool IsMoneyColumn(int column);

// A row with every cell empty but Rate %, which holds the default rate.
SchedulerRow BlankRow(double defaultRate);

// True for the table of one row without a date: the empty schedule.
bool IsEmptySchedule(const SchedulerGrid& grid);

// The text a cell is drawn with: a money cell that begins with "$-" is
// shown in brackets ("$-1,234.50" as "($1,234.50)"); every other text as it is.
std::string DrawnCellText(int column, const std::string& text);

// Sorts the rows by date, rows of equal dates keeping their order and rows
// whose date cannot be read coming last, then works out every dated row's
// Balance, Interest, Total Interest and Balance w/Int from the top, and
// writes its date as M/D/YYYY: the interest of the interval that ends at a
// row is the balance before it x the rate of the row that opens the
// interval x the days / 365 (no interest on interest), rounded to cents
// (IntervalInterest); interest below the threshold, and negative interest,
// is dropped.  Total Interest adds up the Interest cells.  The first row
// that has no date, or a date that cannot be read, stops the work there
// with a numbered error (none for the empty schedule); so does a row whose
// balance or total interest would reach a trillion dollars.  Rows above
// it keep their new values.  A dated row whose Support Due or Support Paid
// cannot be read is named with a numbered error and left out: it shows
// "not counted" and the rows after it are worked out without it.
// `selected` is the index of the selected row; the result is where that row
// went in the sort.
size_t RecomputeSchedule(SchedulerGrid& grid, size_t selected, const InterestSettings& settings);

// The table as the scheduler shows it on opening, and as its printout and
// quill10-cli show it: the empty schedule's blank row given the default
// rate, then every row worked out again with the settings of the day.
// So the table, its totals, the year-by-year summary and the printout show
// one set of figures, whatever an earlier version, an import or an edit
// elsewhere left in the computed cells.
void RefreshSchedule(SchedulerGrid& grid, const InterestSettings& settings);

// Sums of Support Due and Support Paid over the counted rows (the rows the
// balance covers; a row whose date or amount cannot be read counts in no
// figure), held within kMostSum.
struct ScheduleTotals {
    Cents due = 0;
    Cents paid = 0;
};
ScheduleTotals TotalsOf(const SchedulerGrid& grid);

}  // namespace quill10
