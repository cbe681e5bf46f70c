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
// The shares are whole cents, rounded so that they add up to the
// interval's interest: the years up to the k-th take round(I x days up to
// its end / days), halves away from zero, and the k-th the step from the
// years before it (12.70 over 164 days, 123 of them in the first year,
// gives 9.53 and 3.17).  An interval's interest is the step of the Total
// Interest column, so the years' interest adds up to the table's last
// Total Interest to the cent.
#include <vector>

#include "scheduler/ScheduleAmounts.h"
#include "store/SchedulerGrid.h"

namespace quill10 {

// Amounts in cents; sums are held within kMostSum.
struct YearSummary {
    int year = 0;
    Cents due = 0;
    Cents paid = 0;
    Cents interest = 0;             // accrued in the year
    Cents balance = 0;              // arrears (due less paid) at the year's end
    Cents totalInterest = 0;        // interest accrued up to the year's end
    Cents balanceWithInterest = 0;  // balance + total interest
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
