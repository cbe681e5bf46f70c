#pragma once
// Scheduler tables written the short way for the scheduler tests.
#include <cmath>
#include <initializer_list>
#include <string>

#include "scheduler/Scheduler.h"

namespace quill10::test {

// Whole dollars and cents written the short way: Dollars(1234.5) is 123450
// cents.
inline Cents Dollars(double amount) { return std::llround(amount * 100); }

// A row as the window saves it: date, description, due and paid as dollar
// texts ("$0.00" when empty), the rate as given (empty: the default rate "3").
inline SchedulerRow EntryRow(const std::string& date, const std::string& description, double due, double paid,
                             const std::string& rate = "3") {
    SchedulerRow row;
    row[kColDate] = date;
    row[kColDescription] = description;
    row[kColDue] = DollarText(Dollars(due));
    row[kColPaid] = DollarText(Dollars(paid));
    row[kColRate] = rate;
    return row;
}

inline SchedulerGrid Table(std::initializer_list<SchedulerRow> rows) {
    SchedulerGrid grid;
    grid.rows.assign(rows.begin(), rows.end());
    return grid;
}

// The column `column` of every row, top to bottom.
inline std::vector<std::string> Column(const SchedulerGrid& grid, int column) {
    std::vector<std::string> cells;
    for (const SchedulerRow& row : grid.rows) cells.push_back(row[static_cast<size_t>(column)]);
    return cells;
}

using Cells = std::vector<std::string>;

}  // namespace quill10::test
