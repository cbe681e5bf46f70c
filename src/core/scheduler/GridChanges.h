#pragma once
// What one change did to the scheduler table, kept small for undo: the run
// of rows that differs, before and after; the rows above and below it that
// stayed as they were are not kept.
#include <cstddef>
#include <vector>

#include "store/SchedulerGrid.h"

namespace quill10 {

struct GridChange {
    std::size_t first = 0;  // the first row that differs
    std::vector<SchedulerRow> before;
    std::vector<SchedulerRow> after;
    bool Empty() const { return before.empty() && after.empty(); }
};

GridChange ChangeBetween(const SchedulerGrid& before, const SchedulerGrid& after);

// Puts the table back as it was before the change (`undo`) or as the change
// left it.
void ApplyGridChange(SchedulerGrid& grid, const GridChange& change, bool undo);

}  // namespace quill10
