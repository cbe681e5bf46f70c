// quill10-cli schedule: the scheduler table of a case with its totals and
// year-by-year summary, the CSV it writes, and what it refuses.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

#include "CliRun.h"

namespace {

namespace fs = std::filesystem;
using quill10::test::CliRun;
using quill10::test::RunCli;

std::string Sample(const std::string& name) { return std::string(QUILL10_PROGRAM_DIR) + "/samples/" + name; }

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
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
    EXPECT_NE(run.output.find("\n\n      Total               0.00          0.00\n"), std::string::npos)
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
    EXPECT_EQ(Count(text, "\\page "), 3u);  // 62 + 62 + 6 rows and the totals, then the summary
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

}  // namespace
