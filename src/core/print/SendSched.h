#pragma once
// The printout of the scheduler table through the template of answer page
// 32: the table's rows 62 to a printed page with a totals row after the
// last one, then the year-by-year summary on pages of its own.
//
// Slots of page 32 a printed page fills:
//   r x 9 + c   cell c of the page's r-th row (r = 0..61), the text unchanged
//   558         today's date, 559 the client file's name without its folder
//   560         the page's title, 561..569 its nine column headings
// Totals row: "Total" under Description and the sums of Support Due and
// Support Paid over the table's dated rows (TotalsOf) as money text
// ("12,345.00"), in the row
// after the table's last row; when the last page of rows is full, on a
// further page of its own.
#include <array>
#include <string>
#include <vector>

#include "print/PrvwSend.h"
#include "scheduler/Scheduler.h"
#include "store/SchedulerGrid.h"

namespace quill10 {

class TAnswer;

inline constexpr int kSchedulePage = 32;
inline constexpr int kScheduleRowsPerPage = 62;
inline constexpr int kSlotPrintDate = 558;
inline constexpr int kSlotPrintFileName = 559;
inline constexpr int kSlotPrintTitle = 560;
inline constexpr int kSlotFirstHeading = 561;
inline constexpr const char* kSchedulePrintoutName = "Support Scheduler.RTF";
inline constexpr int kSchedulePrintoutNumbers = 99;
inline constexpr const char* kScheduleTitle = "Support Scheduler";
inline constexpr const char* kSummaryTitle = "Support Scheduler - Year-by-Year Summary";

// One printed page: its title, headings and up to 62 rows.
struct SchedulePrintPage {
    std::string title;
    std::array<std::string, kSchedulerColumnCount> headings;
    std::vector<SchedulerRow> rows;
};

// The names the printout may take in the client-file folder, in the order
// they are tried: "Support Scheduler.RTF", then "Support Scheduler 2.RTF"
// to "Support Scheduler 99.RTF" (an earlier printout, which the user may
// have edited, is never written over).
std::vector<std::string> SchedulePrintoutNames();

// The totals row of a table.
SchedulerRow TotalsRow(const SchedulerGrid& grid);

// The printed pages of a table: the rows with the totals row, then the
// summary years.
std::vector<SchedulePrintPage> SchedulePrintPages(const SchedulerGrid& grid);

// Clears slots 32:0 to 32:575 and writes one printed page into them.
void FillSchedulePage(TAnswer& answers, const SchedulePrintPage& page, const std::string& today,
                      const std::string& fileName);

// The print document of the table, worked out first as the scheduler
// shows it (RefreshSchedule): the first printed page starts it with the
// template's whole header, every further one is appended.  Page 32 of
// `answers` is left holding the last printed page.
PrintDocument AssembleSchedulePrintout(TAnswer& answers, SchedulerGrid grid, const InterestSettings& settings,
                                       const TemplateFolders& folders, FillState& state,
                                       const std::string& clientFileName);

}  // namespace quill10
