#pragma once
// The year-by-year summary of the scheduler table, the way arrears are
// explained to a court: for every calendar year from the first row's to
// the last row's, the support due and paid in it, the interest that
// accrued in it, and the balances at its end.
//
// Interest accrues day by day: the interest of the interval that ends at a
// row is shared among the calendar years of the interval's days, in
// proportion to the days (the balance stands from the opening row's date
// up to the day before the closing row's).  So an interval from 7/1/2019
// to 7/1/2020 gives 184 of its 366 days' interest to 2019 and 182 to 2020.
// An interval's interest is the step of the Total Interest column, so the
// years' interest adds up to the table's Total Interest (which is kept
// unrounded, where the Interest cells are each rounded to cents).
#include <vector>

#include "scheduler/SchedulerGrid.h"

namespace quill10 {

struct YearSummary {
    int year = 0;
    double due = 0;
    double paid = 0;
    double interest = 0;            // accrued in the year
    double balance = 0;             // arrears (due less paid) at the year's end
    double totalInterest = 0;       // interest accrued up to the year's end
    double balanceWithInterest = 0; // balance + total interest
};

// The summary of a recomputed table (rows in date order); rows without a
// readable date are left out.  Empty when no row has a date.
std::vector<YearSummary> YearlySummary(const SchedulerGrid& grid);

// A summary year as a row of the table's nine columns: the year, no
// description, due, paid, balance, no rate, interest, total interest and
// balance w/Int as dollar texts.
SchedulerRow SummaryRow(const YearSummary& year);

// The column headers of summary rows.
inline constexpr std::array<const char*, kSchedulerColumnCount> kSummaryColumnTitles = {
    "Year", "", "Support Due", "Support Paid", "Balance", "", "Interest", "Total Interest", "Balance w/Int"};

}  // namespace quill10
