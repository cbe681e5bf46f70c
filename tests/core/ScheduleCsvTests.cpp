// The scheduler table as CSV: the round trip through export and import,
// an agency's file with quoted fields, US and ISO dates and columns in its
// own order, and malformed files that are reported and change nothing.
#include <gtest/gtest.h>

#include "ScheduleRows.h"
#include "TestSupport.h"
#include "scheduler/ScheduleCsv.h"
#include "scheduler/Scheduler.h"

namespace quill10 {
namespace {

using test::Cells;
using test::Column;
using test::EntryRow;
using test::Table;

const InterestSettings kSettings{3.0, 1.0};

SchedulerGrid ImportInto(SchedulerGrid grid, const std::string& csv, std::string& problem) {
    std::optional<std::vector<SchedulerRow>> rows = ReadScheduleCsv(csv, kSettings.defaultRate, problem);
    if (rows) AppendRows(grid, std::move(*rows));
    return grid;
}

TEST(ScheduleCsv, ExportThenImportGivesTheSameTable) {
    SchedulerGrid table = Table({EntryRow("1/15/2019", "Order, January", 1234.5, 0, "5.00%"),
                                 EntryRow("2/1/2019", "Payment \"cheque\"", 0, 500, "4"),
                                 EntryRow("3/1/2019", "Caf\xC3\xA9 voucher", 0, 1500, "3"),
                                 EntryRow("6/30/2019", "Two\r\nlines", 200.25, 0, "3.125%")});
    RecomputeSchedule(table, 0, kSettings);
    const std::string csv = ScheduleCsvText(table);
    EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");  // beyond ASCII: marked as UTF-8
    std::string problem;
    SchedulerGrid imported = ImportInto(Table({BlankRow(3)}), csv, problem);
    ASSERT_EQ(problem, "");
    RecomputeSchedule(imported, 0, kSettings);
    EXPECT_EQ(imported, table);
}

TEST(ScheduleCsv, ExportWritesTheTitlesAndQuotesWhereNeeded) {
    SchedulerGrid table = Table({EntryRow("1/15/2019", "plain", 1234.5, 0, "5.00%")});
    RecomputeSchedule(table, 0, kSettings);
    EXPECT_EQ(ScheduleCsvText(table),
              "Date,Description,Support Due,Support Paid,Balance,Rate %,Interest,Total Interest,Balance w/Int\r\n"
              "1/15/2019,plain,\"$1,234.50\",$0.00,\"$1,234.50\",5.00%,$0.00,$0.00,\"$1,234.50\"\r\n");
}

TEST(ScheduleCsv, ReadsAnAgencysFileInItsOwnColumnOrder) {
    const std::string csv =
        "\"Amount Paid\",DATE, description ,Amount Due,Reference\r\n"
        ",2019-01-15,\"Order, January\",500,A-1\r\n"
        "\r\n"
        "\"$1,200.00\",2/1/19,\"Payment \"\"A\"\"\",,A-2\n"
        "(25.00),3/1/2019,\"Refund\nreturned\",,A-3";
    std::string problem;
    const SchedulerGrid grid = ImportInto(Table({EntryRow("1/1/2019", "Opening", 100, 0)}), csv, problem);
    ASSERT_EQ(problem, "");
    EXPECT_EQ(Column(grid, kColDate), (Cells{"1/1/2019", "1/15/2019", "2/1/2019", "3/1/2019"}));
    EXPECT_EQ(Column(grid, kColDescription), (Cells{"Opening", "Order, January", "Payment \"A\"", "Refund\nreturned"}));
    EXPECT_EQ(Column(grid, kColDue), (Cells{"$100.00", "$500.00", "$0.00", "$0.00"}));
    EXPECT_EQ(Column(grid, kColPaid), (Cells{"$0.00", "$0.00", "$1,200.00", "$-25.00"}));
    EXPECT_EQ(Column(grid, kColRate), (Cells{"3", "3", "3", "3"}));
}

TEST(ScheduleCsv, ReadsWindows1252WhenTheTextIsNotUtf8) {
    std::string problem;
    const SchedulerGrid grid = ImportInto(Table({BlankRow(3)}), "Date,Description,Paid\r\n1/2/2019,Caf\xE9,5\r\n", problem);
    ASSERT_EQ(problem, "");
    EXPECT_EQ(Column(grid, kColDescription), Cells{"Caf\xC3\xA9"});
}

TEST(ScheduleCsv, AMalformedLineIsReportedWithItsNumberAndNothingChanges) {
    const struct {
        const char* label;
        const char* csv;
        const char* problem;
    } cases[] = {
        {"fields", "Date,Description,Amount Due\r\n1/1/2019,a,5\r\n2/1/2019,b\r\n",
         "line 3: the line has 2 fields and the header 3"},
        {"date", "Date,Amount Due\r\n1/1/2019,5\r\n2/30/2019,5\r\n",
         "line 3: the date \"2/30/2019\" is not a day of the calendar: write a day the month has, M/D/YYYY (the "
         "month first), for example 3/15/2019, or YYYY-MM-DD"},
        {"amount", "Date,Amount Paid\r\n1/1/2019,12..5\r\n",
         "line 2: the amount paid \"12..5\" is not an amount (digits with at most one decimal point, thousands "
         "separators between groups of three, a leading minus or brackets: 1,234.50, -25, (25.00))"},
        {"rate", "Date,Due,Rate\r\n1/1/2019,5,high\r\n",
         "line 2: the rate \"high\" is not a rate (a percentage such as 3, 3.125 or 5.00%)"},
        {"open quote", "Date,Due\r\n1/1/2019,5\r\n\"2/1/2019,5\r\n3/1/2019,5\r\n", "line 3: a quoted field is not closed"},
        {"after quote", "Date,Due\r\n\"1/1/2019\"x,5\r\n", "line 2: a quoted field is followed by text before the next field"},
        {"stray quote", "Date,Due\r\n1/1/2019,5\"\r\n", "line 2: a quote stands inside an unquoted field"},
        {"no header", "1/1/2019,500\r\n",
         "line 1: the first line names the columns; it needs \"Date\" and \"Amount Due\" or \"Amount Paid\""},
        {"empty", "\r\n\r\n", "line 1: the file holds no header line naming the columns"},
        {"quoted break", "Date,Description,Due\r\n1/1/2019,\"two\r\nlines\",5\r\nx/1/2019,a,5\r\n",
         "line 4: the date \"x/1/2019\" is not a date: write it M/D/YYYY, for example 3/15/2019, or YYYY-MM-DD"},
    };
    const SchedulerGrid before = Table({EntryRow("1/1/2018", "Opening", 100, 0)});
    for (const auto& c : cases) {
        std::string problem;
        EXPECT_EQ(ImportInto(before, c.csv, problem), before) << c.label;
        EXPECT_EQ(problem, c.problem) << c.label;
    }
}

TEST(ScheduleCsv, RefusesWhatIsNoDateOrAmountOfTheTableNamingItsLine) {
    const struct {
        const char* field;  // the second data line's Date or Amount Paid
        bool isDate;
        const char* problem;  // what the refusal says after "line 3: the date" or "the amount paid"
    } cases[] = {
        {"3/15/0202", true, "\"3/15/0202\" has the year 0202"},    // once written back as 3/15/202
        {"0011-06-01", true, "\"0011-06-01\" has the year 0011"},  // once read back as 2011
        {"1/1/1899", true, "\"1/1/1899\" has the year 1899"},
        {"12/31/2200", true, "\"12/31/2200\" has the year 2200"},
        {"3/15/2", true, "\"3/15/2\" has the year 2"},
        {"1,00", false, "\"1,00\" is not an amount"},    // once $100.00
        {"12-5", false, "\"12-5\" is not an amount"},    // once $-125.00
        {"1e308", false, "\"1e308\" is not an amount"},  // once a number that overflowed
        {"1,000,000,000,000", false, "\"1,000,000,000,000\" is too large"},
    };
    const SchedulerGrid before = Table({EntryRow("1/1/2018", "Opening", 100, 0)});
    for (const auto& c : cases) {
        const std::string line = c.isDate ? std::string(c.field) + ",5" : std::string("2/1/2019,\"") + c.field + "\"";
        std::string problem;
        EXPECT_EQ(ImportInto(before, "Date,Amount Paid\r\n1/1/2019,5\r\n" + line + "\r\n", problem), before) << c.field;
        const std::string expected = std::string("line 3: the ") + (c.isDate ? "date " : "amount paid ") + c.problem;
        EXPECT_EQ(problem.substr(0, expected.size()), expected) << c.field;
    }
}

TEST(ScheduleCsv, EveryDateAndAmountAcceptedReadsBackAsImported) {
    const std::string csv =
        "Date,Amount Due,Amount Paid,Rate\r\n"
        "3/15/19,\"$1,234.56\",,5\r\n"
        "12/31/99,(25),0.005,3.125%\r\n"
        "2070-01-02,-$7.10,\"999,999,999,999.99\",\r\n"
        "1/1/1900,.5,1234567.891,9.75\r\n";
    std::string problem;
    SchedulerGrid imported = ImportInto(Table({BlankRow(3)}), csv, problem);
    ASSERT_EQ(problem, "");
    EXPECT_EQ(Column(imported, kColDate), (Cells{"3/15/2019", "12/31/1999", "1/2/2070", "1/1/1900"}));
    EXPECT_EQ(Column(imported, kColDue), (Cells{"$1,234.56", "$-25.00", "$-7.10", "$0.50"}));
    EXPECT_EQ(Column(imported, kColPaid), (Cells{"$0.00", "$0.01", "$999,999,999,999.99", "$1,234,567.89"}));
    EXPECT_EQ(Column(imported, kColRate), (Cells{"5", "3.125%", "3", "9.75"}));
    // Written out and read again, every row is the same.
    SchedulerGrid again = ImportInto(Table({BlankRow(3)}), ScheduleCsvText(imported), problem);
    ASSERT_EQ(problem, "");
    EXPECT_EQ(again, imported);
}

}  // namespace
}  // namespace quill10
