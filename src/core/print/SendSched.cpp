#include "print/SendSched.h"

#include <algorithm>

#include "print/TemplateFiller.h"
#include "scheduler/Scheduler.h"
#include "scheduler/YearlySummary.h"
#include "store/Answers.h"
#include "store/Misc.h"
#include "store/Regional.h"

namespace quill10 {

namespace {

template <typename Titles>
std::array<std::string, kSchedulerColumnCount> Headings(const Titles& titles) {
    std::array<std::string, kSchedulerColumnCount> headings;
    std::copy(titles.begin(), titles.end(), headings.begin());
    return headings;
}

// Cuts `rows` into pages of 62 under the title and headings of `blank`.
void AddPages(std::vector<SchedulePrintPage>& pages, const SchedulePrintPage& blank, std::vector<SchedulerRow> rows) {
    for (size_t first = 0; first < rows.size(); first += kScheduleRowsPerPage) {
        SchedulePrintPage page = blank;
        const size_t last = std::min(rows.size(), first + kScheduleRowsPerPage);
        page.rows.assign(std::make_move_iterator(rows.begin() + static_cast<long>(first)),
                         std::make_move_iterator(rows.begin() + static_cast<long>(last)));
        pages.push_back(std::move(page));
    }
}

}  // namespace

std::vector<std::string> SchedulePrintoutNames() {
    std::vector<std::string> names = {kSchedulePrintoutName};
    for (int n = 2; n <= kSchedulePrintoutNumbers; ++n) names.push_back("Support Scheduler " + std::to_string(n) + ".RTF");
    return names;
}

SchedulerRow TotalsRow(const SchedulerGrid& grid) {
    const ScheduleTotals totals = TotalsOf(grid);
    SchedulerRow row;
    row[kColDescription] = "Total";
    row[kColDue] = AmountText(totals.due);
    row[kColPaid] = AmountText(totals.paid);
    return row;
}

std::vector<SchedulePrintPage> SchedulePrintPages(const SchedulerGrid& grid) {
    std::vector<SchedulePrintPage> pages;
    std::vector<SchedulerRow> rows = grid.rows;
    rows.push_back(TotalsRow(grid));
    AddPages(pages, SchedulePrintPage{kScheduleTitle, Headings(kSchedulerColumnTitles), {}}, std::move(rows));
    std::vector<SchedulerRow> years;
    for (const YearSummary& year : YearlySummary(grid)) years.push_back(SummaryRow(year));
    AddPages(pages, SchedulePrintPage{kSummaryTitle, Headings(kSummaryColumnTitles), {}}, std::move(years));
    return pages;
}

void FillSchedulePage(TAnswer& answers, const SchedulePrintPage& page, const std::string& today,
                      const std::string& fileName) {
    for (int slot = 0; slot < SlotCountOf(kSchedulePage); ++slot) answers.SetText(kSchedulePage, slot, {});
    for (size_t r = 0; r < page.rows.size() && r < kScheduleRowsPerPage; ++r)
        for (int c = 0; c < kSchedulerColumnCount; ++c)
            answers.SetText(kSchedulePage, static_cast<int>(r) * kSchedulerColumnCount + c, page.rows[r][c]);
    answers.SetText(kSchedulePage, kSlotPrintDate, today);
    answers.SetText(kSchedulePage, kSlotPrintFileName, fileName);
    answers.SetText(kSchedulePage, kSlotPrintTitle, page.title);
    for (int c = 0; c < kSchedulerColumnCount; ++c) answers.SetText(kSchedulePage, kSlotFirstHeading + c, page.headings[c]);
}

PrintDocument AssembleSchedulePrintout(TAnswer& answers, SchedulerGrid grid, const InterestSettings& settings,
                                       const TemplateFolders& folders, FillState& state,
                                       const std::string& clientFileName) {
    RefreshSchedule(grid, settings);
    PrintDocument document;
    TemplateFiller filler(answers, folders, state);
    const std::string today = FormatShortDate(Today());
    const std::string fileName = FileNameOnly(clientFileName);
    for (const SchedulePrintPage& page : SchedulePrintPages(grid)) {
        FillSchedulePage(answers, page, today, fileName);
        const bool taken = document.pages.empty() ? filler.FirstPage(kSchedulePage, document.text)
                                                  : filler.AppendPage(kSchedulePage, document.text);
        if (taken) document.pages.push_back(kSchedulePage);
        else break;  // the template is missing or damaged: the problem says so once
    }
    document.problems = filler.Problems();
    DiscardIfIncomplete(document);
    return document;
}

}  // namespace quill10
