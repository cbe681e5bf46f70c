#pragma once
// quill10-cli schedule: a case's support scheduler table with its totals
// and year-by-year summary as text, and the table as CSV; and page 32, the
// scheduler's printout, for quill10-cli print.
#include <ostream>
#include <string>

#include "scheduler/SchedulerGrid.h"

namespace quill10 {

class TAnswer;

// The table, its totals row and the summary, in aligned columns.
std::string ScheduleReport(const SchedulerGrid& grid);

// True when a page list names the scheduler page, which prints on its own.
bool NamesSchedulerPage(const std::string& list);

// Prints the table through the template of page 32 into `output` (RTF or,
// through LibreOffice, PDF).  The exit status: 0, or 1 when the template or
// the output could not be read or written.
int PrintSchedule(TAnswer& answers, const SchedulerGrid& grid, const std::string& programFolder,
                  const std::string& caseFile, const std::string& output, std::ostream& messages);

}  // namespace quill10
