#include "scheduler/Scheduler.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <optional>
#include <vector>

#include "scheduler/ScheduleDates.h"
#include "store/Misc.h"

namespace quill10 {

namespace {

constexpr double kDaysInYear = 365.0;
// The sort key of a row whose date cannot be read: after every date.
constexpr long kUndated = std::numeric_limits<long>::max();

long SortKey(const SchedulerRow& row) {
    const std::optional<Date> date = ParseScheduleDate(row[kColDate]);
    return date ? DayNumber(*date) : kUndated;
}

// Sorts the rows by their keys, keeping the order of equal keys; `keys`
// are sorted with them.  Returns where the row at `selected` went.
size_t SortByDate(SchedulerGrid& grid, std::vector<long>& keys, size_t selected) {
    if (std::is_sorted(keys.begin(), keys.end())) return selected;  // the usual case after an entry
    std::vector<size_t> order(grid.rows.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return keys[a] < keys[b]; });
    std::vector<SchedulerRow> rows;
    std::vector<long> sortedKeys;
    rows.reserve(order.size());
    sortedKeys.reserve(order.size());
    size_t newSelected = selected;
    for (size_t i = 0; i < order.size(); ++i) {
        if (order[i] == selected) newSelected = i;
        rows.push_back(std::move(grid.rows[order[i]]));
        sortedKeys.push_back(keys[order[i]]);
    }
    grid.rows = std::move(rows);
    keys = std::move(sortedKeys);
    return newSelected;
}

// The running figures of the recomputation.
struct Running {
    double balance = 0;
    double totalInterest = 0;
    long previousDay = 0;
    double previousRate = 0;  // percent, of the row that opens the next interval
};

double IntervalInterest(const Running& running, long day, double threshold) {
    const double interest = running.balance * running.previousRate / 100.0 *
                            static_cast<double>(day - running.previousDay) / kDaysInYear;
    return interest < threshold || interest < 0 ? 0.0 : interest;
}

void ComputeRow(SchedulerRow& row, long day, bool first, Running& running, const InterestSettings& settings) {
    const double interest = first ? 0.0 : IntervalInterest(running, day, settings.threshold);
    running.totalInterest += interest;
    running.balance += CellAmount(row[kColDue]) - CellAmount(row[kColPaid]);
    row[kColInterest] = DollarText(interest);
    row[kColTotalInterest] = DollarText(running.totalInterest);
    row[kColBalance] = DollarText(running.balance);
    row[kColBalanceWithInterest] = DollarText(running.balance + running.totalInterest);
    running.previousDay = day;
    running.previousRate = RowRate(row[kColRate], settings.defaultRate);
}

}  // namespace

std::string DollarText(double amount) { return "$" + MoneyText(amount); }

double CellAmount(std::string_view cell) { return TryParseNumber(RemoveCommasAndSigns(cell)).value_or(0.0); }

std::string DefaultRateText(double defaultRate) { return GeneralNumberText(defaultRate); }

std::string RateCellText(double percent) {
    int decimals = 2;
    while (decimals < 6 && RoundDecimals(percent, decimals) != RoundDecimals(percent, 10)) ++decimals;
    return GroupedText(percent, decimals) + "%";
}

double RowRate(std::string_view cell, double defaultRate) {
    return cell.empty() ? defaultRate : CellAmount(cell);
}

bool IsMoneyColumn(int column) { return column >= kColDue && column != kColRate; }

SchedulerRow BlankRow(double defaultRate) {
    SchedulerRow row;
    row[kColRate] = DefaultRateText(defaultRate);
    return row;
}

bool IsEmptySchedule(const SchedulerGrid& grid) {
    return grid.rows.size() == 1 && grid.rows.front()[kColDate].empty();
}

std::string DrawnCellText(int column, const std::string& text) {
    if (!IsMoneyColumn(column) || text.rfind("$-", 0) != 0) return text;
    return "($" + text.substr(2) + ")";
}

size_t RecomputeSchedule(SchedulerGrid& grid, size_t selected, const InterestSettings& settings) {
    if (grid.rows.empty()) grid.rows.push_back(BlankRow(settings.defaultRate));
    std::vector<long> keys;
    keys.reserve(grid.rows.size());
    for (const SchedulerRow& row : grid.rows) keys.push_back(SortKey(row));
    selected = SortByDate(grid, keys, std::min(selected, grid.rows.size() - 1));
    Running running;
    for (size_t i = 0; i < grid.rows.size(); ++i) {
        if (keys[i] == kUndated) {
            if (IsEmptySchedule(grid)) break;
            const std::string& date = grid.rows[i][kColDate];
            ErrorMessage(date.empty() ? kErrScheduleNoDate : kErrScheduleBadDate, date);
            break;
        }
        ComputeRow(grid.rows[i], keys[i], i == 0, running, settings);
    }
    return selected;
}

ScheduleTotals TotalsOf(const SchedulerGrid& grid) {
    ScheduleTotals totals;
    for (const SchedulerRow& row : grid.rows) {
        totals.due += RoundDecimals(CellAmount(row[kColDue]), 2);
        totals.paid += RoundDecimals(CellAmount(row[kColPaid]), 2);
    }
    return totals;
}

}  // namespace quill10
