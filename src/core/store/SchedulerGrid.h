#pragma once
// The support scheduler table as the main window keeps it between openings
// of the scheduler window, and as the client file stores it: an ordered list
// of rows of nine text cells.
#include <array>
#include <string>
#include <vector>

namespace quill10 {

inline constexpr int kSchedulerColumnCount = 9;

// Column headers, left to right.
inline constexpr std::array<const char*, kSchedulerColumnCount> kSchedulerColumnTitles = {
    "Date",   "Description", "Support Due",    "Support Paid", "Balance",
    "Rate %", "Interest",    "Total Interest", "Balance w/Int"};

using SchedulerRow = std::array<std::string, kSchedulerColumnCount>;

struct SchedulerGrid {
    // A new grid holds one empty row of nine cells.
    std::vector<SchedulerRow> rows = std::vector<SchedulerRow>(1);

    bool operator==(const SchedulerGrid&) const = default;
};

}  // namespace quill10
