// quill10-cli schedule: the scheduler table of a case with its totals and
// year-by-year summary, the CSV it writes, and what it refuses; the table
// worked out again with the user's interest settings before it is shown or
// printed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "CliRun.h"

namespace {

namespace fs = std::filesystem;
using quill10::test::CliRun;
using quill10::test::ReadFile;
using quill10::test::WriteFile;
using quill10::test::RunProgram;

std::string Sample(const std::string& name) { return std::string(QUILL10_PROGRAM_DIR) + "/samples/" + name; }

// The arrears sample with the cells of its scheduler rows (nine a row, as
// the client file keeps them after the row count) changed by `change`.
std::string SampleWithCells(const std::function<void(std::vector<std::string>&)>& change) {
    const std::string text = ReadFile(Sample("sole-father-pays-arrears.q10"));
    const std::string header = "Support Scheduler - ***************\r\nRow Count\r\n";
    const size_t count = text.find(header) + header.size();
    const size_t first = text.find("\r\n", count) + 2;
    std::vector<std::string> cells;
    for (size_t at = first; at < text.size(); at = text.find("\r\n", at) + 2)
        cells.push_back(text.substr(at, text.find("\r\n", at) - at));
    change(cells);
    std::string out = text.substr(0, count) + std::to_string(cells.size() / 9) + "\r\n";
    for (const std::string& cell : cells) out += cell + "\r\n";
    return out;
}

size_t Count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

class ScheduleCommandTest : public ::testing::Test {
protected:
    ScheduleCommandTest() {
        folder = fs::temp_directory_path() / ("quill10-schedule-" + std::to_string(::getpid()) + "-" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
    }
    ~ScheduleCommandTest() override { fs::remove_all(folder); }
    // quill10-cli with the user's configuration in the test's folder: the
    // settings file is folder/Velmora/QUILL10/quill10.ini when there is one.
    CliRun RunCli(const std::string& arguments) const {
        return RunProgram("XDG_CONFIG_HOME=" + folder.string() + " " + QUILL10_CLI, arguments);
    }
    fs::path folder;
};

TEST_F(ScheduleCommandTest, PrintsTheTableItsTotalsAndTheYearlySummary) {
    const CliRun run = RunCli("schedule " + Sample("sole-father-pays-arrears.q10"));
    ASSERT_EQ(run.status, 0) << run.output;
    const std::string& out = run.output;
    EXPECT_EQ(out.rfind("Support Scheduler\nDate        Description       Support Due  Support Paid", 0), 0u) << out;
    EXPECT_NE(out.find("\n1/1/2015    Support order         $500.00         $0.00     $500.00   3.00%     $0.00"),
              std::string::npos) << out;
    EXPECT_NE(out.find("\n            Total               30,000.00     31,500.00\n"), std::string::npos) << out;
    const std::string summary = out.substr(out.find("Year-by-Year Summary"));
    EXPECT_EQ(Count(summary, "\n20"), 6u) << summary;  // 2015 to 2020
    EXPECT_NE(summary.find("\n2020  "), std::string::npos) << summary;
    EXPECT_EQ(Count(out, "Payment received"), 70u);
    EXPECT_EQ(Count(out, "Support order"), 60u);
}

TEST_F(ScheduleCommandTest, WritesTheTableAsCsv) {
    const fs::path csv = folder / "arrears.csv";
    const CliRun run = RunCli("schedule " + Sample("sole-father-pays-arrears.q10") + " --csv " + csv.string());
    ASSERT_EQ(run.status, 0) << run.output;
    const std::string text = ReadFile(csv);
    EXPECT_EQ(text.rfind("Date,Description,Support Due,Support Paid,Balance,Rate %,Interest,Total Interest,"
                         "Balance w/Int\r\n1/1/2015,Support order,$500.00,$0.00,$500.00,3.00%,$0.00,$0.00,$500.00\r\n",
                         0),
              0u)
        << text.substr(0, 300);
    EXPECT_EQ(Count(text, "\r\n"), 131u);
}

TEST_F(ScheduleCommandTest, ACaseWithoutRowsHasZeroTotalsAndNoYears) {
    const CliRun run = RunCli("schedule " + Sample("split.q10"));
    ASSERT_EQ(run.status, 0) << run.output;
    // The blank row shows the default rate, as the scheduler window shows it.
    EXPECT_NE(run.output.find(std::string(60, ' ') + "3\n      Total               0.00          0.00\n"),
              std::string::npos)
        << run.output;
    EXPECT_EQ(run.output.substr(run.output.find("Year-by-Year Summary")),
              "Year-by-Year Summary\nYear  Support Due  Support Paid  Balance  Interest  Total Interest  Balance w/Int\n");
}

TEST_F(ScheduleCommandTest, RefusesAMissingCaseAndACsvOverTheCase) {
    const struct {
        std::string arguments;
        int status;
        const char* says;
    } cases[] = {
        {"schedule " + (folder / "missing.q10").string(), 1, "cannot read"},
        {"schedule " + Sample("split.q10") + " --csv " + Sample("split.q10"), 2, "--csv names the input file"},
        {"schedule", 2, "schedule takes exactly one input file"},
        {"schedule " + Sample("split.q10") + " --csv", 2, "--csv needs a value"},
        {"schedule " + Sample("split.q10") + " --csv " + (folder / "no" / "such" / "x.csv").string(), 1,
         "cannot write"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.output;
        EXPECT_NE(run.output.find(c.says), std::string::npos) << c.arguments << "\n" << run.output;
    }
    EXPECT_FALSE(fs::exists(folder / "no"));
}

TEST_F(ScheduleCommandTest, PrintsPage32OnItsOwnAsTheSchedulersPrintout) {
    const fs::path rtf = folder / "arrears.rtf";
    const CliRun run = RunCli("print " + Sample("sole-father-pays-arrears.q10") + " --pages 32 -o " + rtf.string() +
                              " --today 2019-03-07");
    ASSERT_EQ(run.status, 0) << run.output;
    const std::string text = ReadFile(rtf);
    EXPECT_EQ(Count(text, "\\pagebb"), 3u);  // 62 + 62 + 6 rows and the totals, then the summary
    EXPECT_EQ(Count(text, "Payment received"), 70u);
    EXPECT_EQ(Count(text, "Support order"), 60u);
    EXPECT_EQ(Count(text, "Year-by-Year Summary"), 1u);
    EXPECT_NE(text.find("Total"), std::string::npos);
    EXPECT_NE(text.find("   30,000.00"), std::string::npos);
    EXPECT_NE(text.find("Printed: 3/7/2019"), std::string::npos);

    const CliRun mixed = RunCli("print " + Sample("sole-father-pays-arrears.q10") + " --pages 1,32 -o " +
                                (folder / "mixed.rtf").string());
    EXPECT_EQ(mixed.status, 2) << mixed.output;
    EXPECT_NE(mixed.output.find("printed on its own"), std::string::npos) << mixed.output;
    EXPECT_FALSE(fs::exists(folder / "mixed.rtf"));
}

TEST_F(ScheduleCommandTest, WorksOutCellsLeftStaleBeforeShowingOrPrintingThem) {
    // The same case as another program or an earlier version left it: every
    // computed cell $0.00 and the rows out of date order.
    const fs::path stale = folder / "stale" / "sole-father-pays-arrears.q10";
    WriteFile(stale, SampleWithCells([](std::vector<std::string>& cells) {
                  for (size_t at = 0; at < cells.size(); at += 9)
                      for (size_t column : {4, 6, 7, 8}) cells[at + column] = "$0.00";
                  std::swap_ranges(cells.begin(), cells.begin() + 9, cells.end() - 9);
              }));
    const CliRun fresh = RunCli("schedule " + Sample("sole-father-pays-arrears.q10"));
    const CliRun worked = RunCli("schedule " + stale.string());
    ASSERT_EQ(worked.status, 0) << worked.output;
    EXPECT_EQ(worked.output, fresh.output);

    const fs::path freshRtf = folder / "fresh.rtf";
    const fs::path staleRtf = folder / "stale.rtf";
    ASSERT_EQ(RunCli("print " + Sample("sole-father-pays-arrears.q10") + " --pages 32 -o " + freshRtf.string() +
                     " --today 2019-03-07").status, 0);
    ASSERT_EQ(RunCli("print " + stale.string() + " --pages 32 -o " + staleRtf.string() + " --today 2019-03-07").status,
              0);
    EXPECT_EQ(ReadFile(staleRtf), ReadFile(freshRtf));
}

// A row whose date or amount cannot be read is named on stderr (exit 1),
// counts in no figure, and shows as it stands in the table and on the
// printout, never as an amount of 0.00.
TEST_F(ScheduleCommandTest, ARowThatCannotBeReadCountsInNoFigureAndIsReported) {
    const struct {
        const char* label;
        std::vector<std::string> row;
        const char* error;
        const char* shown;  // how the table and the printout show the odd cell
    } cases[] = {
        {"a date", {"1/1/0000", "Odd row", "$1,000.00", "$0.00", "", "3.00%", "", "", ""}, "error 17070", "1/1/0000"},
        {"a letter O in the due", {"6/15/2015", "Odd row", "$5OO.00", "$0.00", "", "3.00%", "", "", ""}, "error 17090",
         "$5OO.00"},
        {"separators out of place", {"6/15/2015", "Odd row", "1,23,4.00", "$0.00", "", "3.00%", "", "", ""},
         "error 17090", "1,23,4.00"},
        {"two points in the paid", {"6/15/2015", "Odd row", "$0.00", "12.3.4", "", "3.00%", "", "", ""}, "error 17090",
         "12.3.4"},
        {"a trillion dollars", {"6/15/2015", "Odd row", "$1,000,000,000,000.00", "$0.00", "", "3.00%", "", "", ""},
         "error 17090", "$1,000,000,000,000.00"},
    };
    // The totals row, its blanks squeezed (a wide cell widens its column).
    const auto totalsOf = [](const std::string& report) {
        const size_t at = report.find("  Total  ");
        std::istringstream line(report.substr(at, report.find('\n', at) - at));
        std::string words, word;
        while (line >> word) words += word + " ";
        return words;
    };
    const CliRun fresh = RunCli("schedule " + Sample("sole-father-pays-arrears.q10"));
    ASSERT_EQ(totalsOf(fresh.output), "Total 30,000.00 31,500.00 ");
    for (const auto& c : cases) {
        const fs::path odd = folder / "odd.q10";
        WriteFile(odd, SampleWithCells([&c](std::vector<std::string>& cells) {
                      cells.insert(cells.end(), c.row.begin(), c.row.end());
                  }));
        const CliRun run = RunCli("schedule " + odd.string());
        EXPECT_EQ(run.status, 1) << c.label << "\n" << run.output;
        EXPECT_NE(run.output.find(c.error), std::string::npos) << c.label << "\n" << run.output;
        // The totals and the summary are the case's without the row.
        EXPECT_EQ(totalsOf(run.output), totalsOf(fresh.output)) << c.label;
        EXPECT_EQ(run.output.substr(run.output.find("Year-by-Year Summary")),
                  fresh.output.substr(fresh.output.find("Year-by-Year Summary")))
            << c.label;
        EXPECT_NE(run.output.find(c.shown), std::string::npos) << c.label;

        const std::string printout = (folder / "odd.rtf").string();
        const CliRun print = RunCli("print " + odd.string() + " --pages 32 -o " + printout);
        EXPECT_EQ(print.output.find("error 21202"), std::string::npos) << c.label << "\n" << print.output;
        EXPECT_NE(ReadFile(printout).find(c.shown), std::string::npos) << c.label;
    }
}

TEST_F(ScheduleCommandTest, UsesTheDefaultRateAndThresholdOfTheUsersSettings) {
    // The settings file: ten lines of folders and choices left empty, then
    // the threshold and the default rate.
    std::string settings;
    for (int line = 0; line < 10; ++line) settings += "\r\n";
    WriteFile(folder / "Velmora" / "QUILL10" / "quill10.ini", settings + "1000000\r\n4.25\r\n");
    // A table of one blank row shows the default rate.
    const CliRun blank = RunCli("schedule " + Sample("split.q10"));
    ASSERT_EQ(blank.status, 0) << blank.output;
    EXPECT_NE(blank.output.find(std::string(57, ' ') + "4.25\n      Total"), std::string::npos) << blank.output;
    // No interval earns a million dollars of interest: every year's is dropped.
    const CliRun arrears = RunCli("schedule " + Sample("sole-father-pays-arrears.q10"));
    const std::string summary = arrears.output.substr(arrears.output.find("Year-by-Year Summary"));
    EXPECT_EQ(Count(summary, "     $0.00           $0.00"), 6u) << summary;
}

}  // namespace
