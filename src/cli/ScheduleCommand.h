#pragma once
// quill10-cli schedule: a case's support scheduler table with its totals
// and year-by-year summary as text, and the table as CSV; and page 32, the
// scheduler's printout, for quill10-cli print.  Both work the table out
// first as the scheduler window does on opening, with the interest
// settings of the user's settings file, so the command line shows the
// window's figures.
#include <ostream>
#include <string>

#include "PrintCommand.h"
#include "scheduler/Scheduler.h"
#include "store/SchedulerGrid.h"

namespace quill10 {

class TAnswer;

// The table, its totals row and the summary, in aligned columns.
std::string ScheduleReport(const SchedulerGrid& grid);

// True when a page list names the scheduler page, which prints on its own.
bool NamesSchedulerPage(const std::string& list);

// Prints the table, worked out with the interest settings, through the
// template of page 32 into `output` (RTF or, through LibreOffice, PDF).
// The exit status: 0, or 1 when the template or the output could not be
// read or written.
int PrintSchedule(TAnswer& answers, const SchedulerGrid& grid, const InterestSettings& settings,
                  const std::string& programFolder, const std::string& caseFile, const std::string& output,
                  const PrintedCase& printed, std::ostream& messages);

}  // namespace quill10
