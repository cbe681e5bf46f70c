// quill10-cli as scripts use it: exit codes, the check report, the summary.
#include <gtest/gtest.h>

#include "CliRun.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using quill10::test::CliRun;
using quill10::test::RunCli;

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

class CliTest : public ::testing::Test {
protected:
    CliTest() {
        folder = std::filesystem::temp_directory_path() / ("quill10-cli-" + std::to_string(::getpid()) + "-" +
                                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder);
    }
    ~CliTest() override { std::filesystem::remove_all(folder); }
    std::string Sample(const std::string& name) const { return std::string(QUILL10_PROGRAM_DIR) + "/samples/" + name; }
    std::string Out(const std::string& name) const { return (folder / name).string(); }
    std::filesystem::path folder;
};

TEST_F(CliTest, CalcWritesTheCheckReport) {
    CliRun run = RunCli("calc " + Sample("shared-deviation.q10") + " -o " + Out("out.q10") + " --check " +
                     Out("report.txt") + " --today 2019-03-07");
    EXPECT_EQ(run.status, 0) << run.output;
    const std::string dashes(65, '-');
    EXPECT_EQ(ReadFile(folder / "report.txt"),
              dashes + "\r\nPaul Jones & Anna Jones - 3/7/2019\r\nCase No.: DR-2019-0103\r\n" + dashes +
                  "\r\nSole Residential/Shared Parenting Worksheet\r\n" + dashes + "\r\n\r\n" +
                  "1. There are no comments or errors in this worksheet. \r\n\r\n");
    EXPECT_TRUE(std::filesystem::exists(folder / "out.q10"));
}

TEST_F(CliTest, SummaryPrintsTheHeadlineFigures) {
    // One child, father 30,000, mother 50,000, the mother pays under a shared
    // parenting order with a 10 % time-of-possession deviation (worked out in
    // the sole/shared worksheet tests).
    CliRun run = RunCli("summary " + Sample("shared-deviation.q10") + " --today 2019-03-07");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.output,
              "Sole/Shared Annual Support (Ins.): $5,627.82\n"
              "Sole/Shared Annual Support (No Ins.): $5,081.82\n"
              "Sole/Shared Cash Medical Support: $1,456.00\n"
              "Split Annual Support (Ins.): $0.00\n"
              "Split Annual Support (No Ins.): $0.00\n"
              "Split Cash Medical Support: $0.00\n");
}

TEST_F(CliTest, ScreenPageIsTransferredAndRecorded) {
    CliRun run = RunCli("calc " + Sample("shared-deviation.q10") + " -o " + Out("out.q10") + " --screen 7");
    ASSERT_EQ(run.status, 0) << run.output;
    const std::string text = ReadFile(folder / "out.q10");
    // Slot 1:100 is the 101st slot of page 1: after the two title lines, page
    // 0's header and 301 slot pairs, page 1's header and 100 slot pairs.
    std::istringstream lines(text);
    std::string line;
    const int lineOf1_100 = 2 + 1 + 301 * 2 + 1 + 100 * 2 + 1;
    for (int k = 0; k < lineOf1_100; ++k) std::getline(lines, line);
    EXPECT_EQ(line, "7\r");
}

TEST_F(CliTest, FailuresGiveTheirExitStatus) {
    CliRun missing = RunCli("calc " + Out("none.q10") + " -o " + Out("out.q10"));
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.output.find("cannot read"), std::string::npos) << missing.output;
    EXPECT_FALSE(std::filesystem::exists(folder / "out.q10"));

    CliRun noTable = RunCli("summary " + Sample("split.q10") + " --program-dir " + folder.string());
    EXPECT_EQ(noTable.status, 1);
    EXPECT_NE(noTable.output.find("table.txt"), std::string::npos) << noTable.output;

    CliRun unwritable = RunCli("calc " + Sample("split.q10") + " -o " + Out("no/such/folder/out.q10"));
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.output.find("cannot write"), std::string::npos) << unwritable.output;

    EXPECT_EQ(RunCli("calc " + Sample("split.q10")).status, 2);  // no -o
    EXPECT_EQ(RunCli("frobnicate x").status, 2);
    EXPECT_EQ(RunCli("calc " + Sample("split.q10") + " -o x --screen 3").status, 2);
    EXPECT_EQ(RunCli("summary " + Sample("split.q10") + " --today 2019-13-01").status, 2);
}

TEST_F(CliTest, NumberedErrorsGoToStderrAndTheCommandCarriesOn) {
    // A case whose line 1a cannot be read: the money parser's error is shown
    // and the amount counts as 0.
    std::string text = ReadFile(Sample("sole-father-pays.q10"));
    const std::string income = "60,000.00\r\n";
    size_t at = text.find(income, text.find("Page 1; Continuation Page 0"));  // slot 1:19
    ASSERT_NE(at, std::string::npos);
    text.replace(at, income.size() - 2, "sixty");
    std::ofstream(folder / "bad.q10", std::ios::binary) << text;
    CliRun run = RunCli("summary " + Out("bad.q10"));
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.output.find("error 21202: 2120-Str2Float_2."), std::string::npos) << run.output;
}

}  // namespace
