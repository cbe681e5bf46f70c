#pragma once
// The support scheduler table: dated rows of support due and paid, the
// running arrears balance and simple interest on it.
//
// Each row holds nine text cells (SchedulerGrid.h).  Amounts are kept as
// dollar texts ("$1,234.50", a negative amount "$-1,234.50"); the Rate %
// cell holds a rate typed or generated ("3.00%") or, in a row where none
// was given, the default rate as a plain number ("3").  Cells are read
// back without any message: a text that is no number counts as 0.
#include <cstddef>
#include <string>
#include <string_view>

#include "scheduler/SchedulerGrid.h"

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

// Numbered errors of the recomputation: a row without a date, and a date
// that cannot be read.  Either stops the recomputation at that row.
inline constexpr int kErrScheduleNoDate = 17060;
inline constexpr int kErrScheduleBadDate = 17070;
// Copying the table between the scheduler window and the case.
inline constexpr int kErrScheduleClosing = 17010;
inline constexpr int kErrScheduleLoading = 17040;
inline constexpr int kErrScheduleSaving = 17050;

// "$" and the money text: "$1,234.50", "$-1,234.50", "$0.00".
std::string DollarText(double amount);

// The number a cell holds, read with the worksheet's cleaning; 0 when it
// holds none.
double CellAmount(std::string_view cell);

// The default rate as a blank row shows it: a plain number ("3", "3.125").
std::string DefaultRateText(double defaultRate);

// A rate as a row shows it: two decimals, more when the rate has them,
// and "%" ("3.00%", "3.125%").
std::string RateCellText(double percent);

// The annual rate of a Rate % cell in percent: the default rate when the
// cell is empty.
double RowRate(std::string_view cell, double defaultRate);

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
// Balance, Interest, Total Interest and Balance w/Int from the top:
// the interest of the interval that ends at a row is the balance before it
// x the rate of the row that opens the interval x the days / 365 (no
// interest on interest); interest below the threshold, and negative
// interest, is dropped.  The first row that has no date, or a date that
// cannot be read, stops the work there with a numbered error (none for the
// empty schedule); rows above it keep their new values.
// `selected` is the index of the selected row; the result is where that row
// went in the sort.
size_t RecomputeSchedule(SchedulerGrid& grid, size_t selected, const InterestSettings& settings);

// Sums of Support Due and Support Paid over the whole table, each cell
// rounded to cents.
struct ScheduleTotals {
    double due = 0;
    double paid = 0;
};
ScheduleTotals TotalsOf(const SchedulerGrid& grid);

}  // namespace quill10
