// The scheduler printout: 62 rows to a printed page, the totals row after
// the last row or on a further page when the last page is full, the
// summary pages after the table, the slots of page 32, and the pages
// joined into one document.
#include <gtest/gtest.h>

#include "ScheduleRows.h"
#include "TestSupport.h"
#include "print/TemplateFiller.h"
#include "scheduler/ScheduleDates.h"
#include "scheduler/Scheduler.h"
#include "print/SendSched.h"

namespace quill10 {
namespace {

using test::EntryRow;

// n monthly rows of 100 due from 1/1/2015.
SchedulerGrid MonthlyTable(size_t n) {
    SchedulerGrid grid;
    grid.rows.clear();
    for (size_t i = 0; i < n; ++i)
        grid.rows.push_back(EntryRow(ScheduleDateText(AddMonths(Date{2015, 1, 1}, static_cast<int>(i))),
                                     "Row " + std::to_string(i), 100, 25));
    RecomputeSchedule(grid, 0, InterestSettings{});
    return grid;
}

std::vector<size_t> RowsPerPage(const std::vector<SchedulePrintPage>& pages, const char* title) {
    std::vector<size_t> counts;
    for (const SchedulePrintPage& page : pages)
        if (page.title == title) counts.push_back(page.rows.size());
    return counts;
}

TEST(SchedulePrintout, PutsSixtyTwoRowsOnAPageAndTheTotalsAfterTheLastRow) {
    const struct {
        size_t rows;
        std::vector<size_t> tablePages;  // rows printed on each page, the totals row counted
        size_t summaryYears;
    } cases[] = {
        {10, {11}, 1},
        {61, {62}, 6},
        {62, {62, 1}, 6},     // a full last page: the totals on a further page
        {124, {62, 62, 1}, 11},
        {130, {62, 62, 7}, 11},  // the totals row is row 6 of the third page
    };
    for (const auto& c : cases) {
        const SchedulerGrid grid = MonthlyTable(c.rows);
        const std::vector<SchedulePrintPage> pages = SchedulePrintPages(grid);
        EXPECT_EQ(RowsPerPage(pages, kScheduleTitle), c.tablePages) << c.rows;
        EXPECT_EQ(RowsPerPage(pages, kSummaryTitle), std::vector<size_t>{c.summaryYears}) << c.rows;
        const SchedulePrintPage& last = pages[c.tablePages.size() - 1];
        const std::string sum = MoneyText(100.0 * static_cast<double>(c.rows));
        EXPECT_EQ(last.rows.back(), (SchedulerRow{"", "Total", sum, MoneyText(25.0 * static_cast<double>(c.rows))}))
            << c.rows;
        // Every table row is printed once, in order, before the totals.
        size_t next = 0;
        for (size_t p = 0; p < c.tablePages.size(); ++p)
            for (const SchedulerRow& row : pages[p].rows) {
                if (row[kColDescription] == "Total") continue;
                EXPECT_EQ(row, grid.rows[next++]) << c.rows;
            }
        EXPECT_EQ(next, c.rows);
        EXPECT_EQ(pages.back().headings[0], "Year");
        EXPECT_EQ(pages.front().headings[8], "Balance w/Int");
    }
}

TEST(SchedulePrintout, TheEmptyScheduleHasItsBlankRowAndZeroTotals) {
    SchedulerGrid grid;
    grid.rows = {BlankRow(3)};
    const std::vector<SchedulePrintPage> pages = SchedulePrintPages(grid);
    ASSERT_EQ(pages.size(), 1u);
    ASSERT_EQ(pages[0].rows.size(), 2u);
    EXPECT_EQ(pages[0].rows[0], BlankRow(3));
    EXPECT_EQ(pages[0].rows[1], (SchedulerRow{"", "Total", "0.00", "0.00"}));
}

TEST(SchedulePrintout, FillsTheSlotsOfPage32) {
    auto answers = test::NewStore();
    for (int slot = 0; slot < SlotCountOf(kSchedulePage); ++slot) answers->SetText(kSchedulePage, slot, "old");
    const std::vector<SchedulePrintPage> pages = SchedulePrintPages(MonthlyTable(10));
    FillSchedulePage(*answers, pages[0], "3/7/2019", "case.q10");
    EXPECT_EQ(answers->Text(32, 0), "1/1/2015");
    EXPECT_EQ(answers->Text(32, 1), "Row 0");
    EXPECT_EQ(answers->Text(32, 9 * 9 + 8), "$755.64");  // row 9, Balance w/Int
    EXPECT_EQ(answers->Text(32, 10 * 9 + 1), "Total");
    EXPECT_EQ(answers->Text(32, 10 * 9 + 2), "1,000.00");
    EXPECT_EQ(answers->Text(32, 10 * 9 + 3), "250.00");
    for (int slot = 11 * 9; slot < kSlotPrintDate; ++slot) ASSERT_EQ(answers->Text(32, slot), "") << slot;
    EXPECT_EQ(answers->Text(32, kSlotPrintDate), "3/7/2019");
    EXPECT_EQ(answers->Text(32, kSlotPrintFileName), "case.q10");
    EXPECT_EQ(answers->Text(32, kSlotPrintTitle), "Support Scheduler");
    EXPECT_EQ(answers->Text(32, kSlotFirstHeading), "Date");
    EXPECT_EQ(answers->Text(32, kSlotFirstHeading + 5), "Rate %");
    for (int slot = kSlotFirstHeading + 9; slot < SlotCountOf(kSchedulePage); ++slot)
        EXPECT_EQ(answers->Text(32, slot), "") << slot;
}

// A page 32 template of one line: the title, the date and the first row's
// date, description and balance.
void WriteTemplate(const test::ScratchFolder& folder) {
    test::WriteWholeFile(folder.File("Page32.rtf"),
                         "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red204\\green0\\blue0;}\\v\\'b7\\v0\r\n"
                         "/*560/ /*558/ /*559/ [/*0/|/*1/|/$4/|/%5/]\\par\r\n}\r\n");
    std::string tabs;
    for (int slot = 0; slot < SlotCountOf(kSchedulePage); ++slot) tabs += std::to_string(slot) + " 1 0 0.0 1.0 0.0 0\r\n";
    test::WriteWholeFile(folder.File("PAGE32.DAT"), tabs);
}

TEST(SchedulePrintout, JoinsEveryPrintedPageOfTheTableWorkedOutAgainIntoOneDocument) {
    test::FixedToday today(Date{2019, 3, 7});
    test::ScratchFolder folder;
    WriteTemplate(folder);
    auto answers = test::NewStore();
    FillState state;
    // Computed cells left stale, as an import or an earlier version may
    // leave them: the printout shows the figures worked out again.
    SchedulerGrid stale = MonthlyTable(130);
    for (SchedulerRow& row : stale.rows)
        for (int column : {kColBalance, kColInterest, kColTotalInterest, kColBalanceWithInterest}) row[column] = "$0.00";
    const PrintDocument document = AssembleSchedulePrintout(*answers, stale, InterestSettings{},
                                                            TemplateFolders{folder.Path().string(), folder.Path().string()},
                                                            state, "/home/clerk/Files/Doe v. Doe.q10");
    EXPECT_TRUE(document.problems.empty());
    EXPECT_EQ(document.pages, (std::vector<int>{32, 32, 32, 32}));
    const std::string expected[] = {
        "Support Scheduler 3/7/2019 Doe v. Doe.q10 [1/1/2015|Row 0|       75.00| 3.00%]",
        "\\page \\v0\r\nSupport Scheduler 3/7/2019 Doe v. Doe.q10 [3/1/2020|Row 62|    4,725.00| 3.00%]",
        "\\page \\v0\r\nSupport Scheduler 3/7/2019 Doe v. Doe.q10 [5/1/2025|Row 124|    9,375.00| 3.00%]",
        "\\page \\v0\r\nSupport Scheduler - Year-by-Year Summary 3/7/2019 Doe v. Doe.q10 [2015||      900.00|]",
    };
    size_t at = 0;
    for (const std::string& page : expected) {
        at = document.text.find(page, at);
        ASSERT_NE(at, std::string::npos) << page;
    }
    EXPECT_EQ(document.text.back(), '}');
}

TEST(SchedulePrintout, TheInstalledTemplatePrintsEverySlotOfAPrintedPage) {
    // Every row's description names the row, so each must show up, in order.
    SchedulerGrid grid;
    grid.rows.clear();
    for (int r = 0; r < 124; ++r)
        grid.rows.push_back(EntryRow(ScheduleDateText(AddMonths(Date{2015, 1, 1}, r)), "row" + std::to_string(r) + ";",
                                     r + 1, 0.5, std::to_string(r % 10)));
    test::FixedToday today(Date{2019, 3, 7});
    auto answers = test::NewStore();
    FillState state;
    const std::string program = test::ProgramFolder();
    const PrintDocument document = AssembleSchedulePrintout(*answers, grid, InterestSettings{},
                                                            TemplateFolders{program + "/RTF", program + "/DAT"}, state,
                                                            "case.q10");
    RefreshSchedule(grid, InterestSettings{});  // the figures printed
    ASSERT_TRUE(document.problems.empty()) << document.problems.front();
    // Two full pages, the totals on a third, the summary (11 years) on a fourth.
    EXPECT_EQ(document.pages.size(), 4u);
    size_t breaks = 0;  // each later page starts by "page break before"
    for (size_t at = document.text.find("\\pagebb"); at != std::string::npos; at = document.text.find("\\pagebb", at + 1))
        ++breaks;
    EXPECT_EQ(breaks, 3u);
    EXPECT_EQ(document.text.find("/*"), std::string::npos);  // no variable left unfilled
    EXPECT_EQ(document.text.find("/$"), std::string::npos);
    size_t at = 0;
    for (int r = 0; r < 124; ++r) {
        const SchedulerRow& row = grid.rows[static_cast<size_t>(r)];
        for (const std::string& text : {row[kColDate], row[kColDescription], std::to_string(r % 10) + ".00%",
                                        AmountText(CellCents(row[kColBalanceWithInterest])) + "\\cell"}) {
            at = document.text.find(text, at);
            ASSERT_NE(at, std::string::npos) << "row " << r << ": " << text;
        }
    }
    // 1 + 2 + ... + 124 due, 124 x 0.50 paid, after the last row.
    for (const char* text : {"Total", "   7,750.00", "       62.00", "Support Scheduler - Year-by-Year Summary",
                             "case.q10", "3/7/2019", "Total Interest"}) {
        at = document.text.find(text, at);
        EXPECT_NE(at, std::string::npos) << text;
    }
}

}  // namespace
}  // namespace quill10
