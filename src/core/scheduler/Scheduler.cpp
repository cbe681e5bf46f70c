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

// The running figures of the recomputation, in cents.
struct Running {
    Cents balance = 0;
    Cents totalInterest = 0;
    long previousDay = 0;
    Percent previousRate;  // of the row that opens the next interval
};

// The settings as the recomputation applies them, exactly.
struct Rules {
    Percent defaultRate;
    Threshold threshold;
};

bool WithinLimit(Cents amount) { return amount > -kAmountLimit && amount < kAmountLimit; }

// Works out one dated row; false, leaving the row as it was, when its
// balance or total interest would reach the limit.
bool ComputeRow(SchedulerRow& row, long day, bool first, Running& running, const Rules& rules) {
    const Cents interest =
        first ? 0 : IntervalInterest(running.balance, running.previousRate, day - running.previousDay, rules.threshold);
    const Cents totalInterest = running.totalInterest + interest;
    const Cents balance = running.balance + CellCents(row[kColDue]) - CellCents(row[kColPaid]);
    if (!WithinLimit(totalInterest) || !WithinLimit(balance)) return false;
    running.totalInterest = totalInterest;
    running.balance = balance;
    row[kColDate] = ScheduleDateText(DateOfDayNumber(day));
    row[kColInterest] = DollarText(interest);
    row[kColTotalInterest] = DollarText(totalInterest);
    row[kColBalance] = DollarText(balance);
    row[kColBalanceWithInterest] = DollarText(balance + totalInterest);
    running.previousDay = day;
    running.previousRate = RowRate(row[kColRate], rules.defaultRate);
    return true;
}

// Shows a row that is left out of the work as not counted.
void MarkNotCounted(SchedulerRow& row) {
    row[kColBalance] = kNotCounted;
    for (int column : {kColInterest, kColTotalInterest, kColBalanceWithInterest}) row[static_cast<size_t>(column)].clear();
}

}  // namespace

std::string UnreadableAmountOf(const SchedulerRow& row) {
    for (const auto& [column, name] : {std::pair{kColDue, "Support Due"}, std::pair{kColPaid, "Support Paid"}}) {
        std::string problem;
        if (!ReadAmount(row[static_cast<size_t>(column)], problem))
            return "the row of " + row[kColDate] + ", " + name + ": " + problem;
    }
    return "";
}

bool IsCountedRow(const SchedulerRow& row) {
    return ParseScheduleDate(row[kColDate]).has_value() && UnreadableAmountOf(row).empty();
}

bool EveryRowCounted(const SchedulerGrid& grid) {
    return IsEmptySchedule(grid) || std::all_of(grid.rows.begin(), grid.rows.end(), IsCountedRow);
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
    const Rules rules{PercentOf(settings.defaultRate), ThresholdOf(settings.threshold)};
    Running running;
    bool first = true;  // the first counted row opens the first interval
    for (size_t i = 0; i < grid.rows.size(); ++i) {
        const std::string& date = grid.rows[i][kColDate];
        if (keys[i] == kUndated) {
            if (!IsEmptySchedule(grid)) ErrorMessage(date.empty() ? kErrScheduleNoDate : kErrScheduleBadDate, date);
            break;
        }
        if (const std::string unreadable = UnreadableAmountOf(grid.rows[i]); !unreadable.empty()) {
            ErrorMessageWithAdvice(kErrScheduleBadAmount, "In " + unreadable + ".");
            MarkNotCounted(grid.rows[i]);
            continue;
        }
        if (!ComputeRow(grid.rows[i], keys[i], first, running, rules)) {
            ErrorMessage(kErrScheduleTooLarge, date);
            break;
        }
        first = false;
    }
    return selected;
}

void RefreshSchedule(SchedulerGrid& grid, const InterestSettings& settings) {
    if (grid.rows.size() == 1 && grid.rows.front()[kColRate].empty())
        grid.rows.front()[kColRate] = DefaultRateText(settings.defaultRate);
    RecomputeSchedule(grid, 0, settings);
}

ScheduleTotals TotalsOf(const SchedulerGrid& grid) {
    ScheduleTotals totals;
    for (const SchedulerRow& row : grid.rows) {
        if (!IsCountedRow(row)) continue;
        totals.due = SumOf(totals.due, CellCents(row[kColDue]));
        totals.paid = SumOf(totals.paid, CellCents(row[kColPaid]));
    }
    return totals;
}

}  // namespace quill10
