#include "scheduler/GridChanges.h"

#include <algorithm>

namespace quill10 {

GridChange ChangeBetween(const SchedulerGrid& before, const SchedulerGrid& after) {
    const std::vector<SchedulerRow>& a = before.rows;
    const std::vector<SchedulerRow>& b = after.rows;
    const std::size_t shorter = std::min(a.size(), b.size());
    std::size_t prefix = 0;
    while (prefix < shorter && a[prefix] == b[prefix]) ++prefix;
    std::size_t suffix = 0;
    while (suffix < shorter - prefix && a[a.size() - 1 - suffix] == b[b.size() - 1 - suffix]) ++suffix;
    GridChange change;
    change.first = prefix;
    change.before.assign(a.begin() + static_cast<long>(prefix), a.end() - static_cast<long>(suffix));
    change.after.assign(b.begin() + static_cast<long>(prefix), b.end() - static_cast<long>(suffix));
    return change;
}

void ApplyGridChange(SchedulerGrid& grid, const GridChange& change, bool undo) {
    const std::vector<SchedulerRow>& remove = undo ? change.after : change.before;
    const std::vector<SchedulerRow>& insert = undo ? change.before : change.after;
    const auto at = grid.rows.begin() + static_cast<long>(change.first);
    grid.rows.erase(at, at + static_cast<long>(remove.size()));
    grid.rows.insert(grid.rows.begin() + static_cast<long>(change.first), insert.begin(), insert.end());
}

}  // namespace quill10
