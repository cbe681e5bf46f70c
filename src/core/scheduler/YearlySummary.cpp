#include "scheduler/YearlySummary.h"

#include <algorithm>
#include <optional>

#include "scheduler/ScheduleDates.h"
#include "scheduler/Scheduler.h"

namespace quill10 {

namespace {

long FirstDayOf(int year) { return DayNumber(Date{year, 1, 1}); }

struct DatedRow {
    long day;
    int year;
    const SchedulerRow* row;
};

std::vector<DatedRow> DatedRows(const SchedulerGrid& grid) {
    std::vector<DatedRow> rows;
    for (const SchedulerRow& row : grid.rows)
        if (std::optional<Date> date = ParseScheduleDate(row[kColDate]); date && IsCountedRow(row))
            rows.push_back({DayNumber(*date), date->year, &row});
    return rows;
}

YearSummary& YearOf(std::vector<YearSummary>& years, int year) {
    return years[static_cast<size_t>(year - years.front().year)];
}

void AddInterest(std::vector<YearSummary>& years, int year, Cents interest) {
    YearSummary& summary = YearOf(years, year);
    summary.interest = SumOf(summary.interest, interest);
}

// Shares `interest` of the days [from, to) among their calendar years in
// whole cents that add up to it; an interval without days gives it all to
// the closing row's year.
void ShareInterest(std::vector<YearSummary>& years, long from, long to, int closingYear, Cents interest) {
    if (to <= from) {
        AddInterest(years, closingYear, interest);
        return;
    }
    long daysSoFar = 0;
    Cents sharedSoFar = 0;
    for (int year = DateOfDayNumber(from).year; year <= closingYear; ++year) {
        const long overlap = std::min(to, FirstDayOf(year + 1)) - std::max(from, FirstDayOf(year));
        if (overlap <= 0) continue;
        daysSoFar += overlap;
        const Cents shared = RoundedShare(interest, daysSoFar, to - from);
        AddInterest(years, year, shared - sharedSoFar);
        sharedSoFar = shared;
    }
}

}  // namespace

std::vector<YearSummary> YearlySummary(const SchedulerGrid& grid) {
    const std::vector<DatedRow> rows = DatedRows(grid);
    if (rows.empty()) return {};
    int first = rows.front().year, last = rows.front().year;
    for (const DatedRow& row : rows) {
        first = std::min(first, row.year);
        last = std::max(last, row.year);
    }
    std::vector<YearSummary> years(static_cast<size_t>(last - first + 1));
    for (size_t i = 0; i < years.size(); ++i) years[i].year = first + static_cast<int>(i);
    Cents charged = 0;  // Total Interest so far
    for (size_t i = 0; i < rows.size(); ++i) {
        const SchedulerRow& row = *rows[i].row;
        YearSummary& year = YearOf(years, rows[i].year);
        year.due = SumOf(year.due, CellCents(row[kColDue]));
        year.paid = SumOf(year.paid, CellCents(row[kColPaid]));
        const Cents total = CellCents(row[kColTotalInterest]);
        if (i == 0) AddInterest(years, rows[i].year, total);  // 0 in a worked-out table
        else ShareInterest(years, rows[i - 1].day, rows[i].day, rows[i].year, total - charged);
        charged = total;
    }
    Cents balance = 0, totalInterest = 0;
    for (YearSummary& year : years) {
        balance = SumOf(balance, SumOf(year.due, -year.paid));
        totalInterest = SumOf(totalInterest, year.interest);
        year.balance = balance;
        year.totalInterest = totalInterest;
        year.balanceWithInterest = SumOf(balance, totalInterest);
    }
    return years;
}

SchedulerRow SummaryRow(const YearSummary& year) {
    SchedulerRow row;
    row[kColDate] = std::to_string(year.year);
    row[kColDue] = DollarText(year.due);
    row[kColPaid] = DollarText(year.paid);
    row[kColBalance] = DollarText(year.balance);
    row[kColInterest] = DollarText(year.interest);
    row[kColTotalInterest] = DollarText(year.totalInterest);
    row[kColBalanceWithInterest] = DollarText(year.balanceWithInterest);
    return row;
}

}  // namespace quill10
