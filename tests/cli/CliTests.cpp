// quill10-cli as scripts use it: exit codes, the check report, the summary.
#include <gtest/gtest.h>

#include "CliRun.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using quill10::test::CliRun;
using quill10::test::ReadFile;
using quill10::test::RunCli;

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
    const std::string report = ReadFile(folder / "report.txt");
    const std::string schedule = report.substr(0, report.find("\r\n\r\n") + 4);
    // Computed with the demonstration schedule: its first line says so (Windows-1252's dash).
    EXPECT_EQ(schedule.rfind("Computed with the demonstration support schedule \x97 not for filing. Support schedule: " +
                                 std::string(QUILL10_PROGRAM_DIR) + "/table.txt of ",
                             0),
              0u)
        << schedule;
    EXPECT_EQ(report,
              schedule + dashes + "\r\nPaul Jones & Anna Jones - 3/7/2019\r\nCase No.: DR-2019-0103\r\n" + dashes +
                  "\r\nSole Residential/Shared Parenting Worksheet\r\n" + dashes + "\r\n\r\n" +
                  "1. There are no comments or errors in this worksheet. \r\n\r\n");
    EXPECT_TRUE(std::filesystem::exists(folder / "out.q10"));
}

TEST_F(CliTest, CompareShowsTheCasesSideBySide) {
    const std::string a = Sample("sole-father-pays.q10"), b = Sample("shared-deviation.q10");
    CliRun text = RunCli("compare " + a + " " + b);
    EXPECT_EQ(text.status, 0) << text.output;
    EXPECT_NE(text.output.find("Line 28: annual support, insurance provided"), std::string::npos) << text.output;
    EXPECT_NE(text.output.find("9,697.20    *5,627.82 (-4,069.38)"), std::string::npos) << text.output;
    CliRun csv = RunCli("compare " + a + " " + b + " --csv");
    EXPECT_EQ(csv.status, 0);
    EXPECT_NE(csv.output.find("\"Line 28: annual support, insurance provided\",\"9,697.20\",\"5,627.82\",\"-4,069.38\""),
              std::string::npos)
        << csv.output;
    CliRun missing = RunCli("compare " + a + " " + Out("missing.q10"));
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.output.find("cannot read missing.q10"), std::string::npos);
    EXPECT_NE(missing.output.find("9,697.20"), std::string::npos);  // the readable case still shows
    EXPECT_EQ(RunCli("compare " + a).status, 2);
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
    // A case whose line 1a cannot be read: the entry is named and counts as 0.
    std::string text = ReadFile(Sample("sole-father-pays.q10"));
    const std::string income = "60,000.00\r\n";
    size_t at = text.find(income, text.find("Page 1; Continuation Page 0"));  // slot 1:19
    ASSERT_NE(at, std::string::npos);
    text.replace(at, income.size() - 2, "sixty");
    std::ofstream(folder / "bad.q10", std::ios::binary) << text;
    CliRun run = RunCli("summary " + Out("bad.q10"));
    EXPECT_EQ(run.status, 0);
    // Named once, with its line, column and text; no anonymous parser error.
    const std::string named =
        "error 18050: Line 1a, Column I: \"sixty\" cannot be read as an amount; it was counted as 0.\n";
    EXPECT_NE(run.output.find(named), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find(named), run.output.rfind(named)) << run.output;
    EXPECT_EQ(run.output.find("21202"), std::string::npos) << run.output;
}

// A check report that cannot be written is a failure to write a file: no
// case is written either.
TEST_F(CliTest, CheckReportThatCannotBeWrittenFailsTheCommand) {
    CliRun run = RunCli("calc " + Sample("split.q10") + " -o " + Out("out.q10") + " --check " +
                        Out("no/such/folder/report.txt"));
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_NE(run.output.find("cannot save \"" + Out("no/such/folder/report.txt") +
                              "\": cannot create a temporary file in its folder: No such file or directory"),
              std::string::npos)
        << run.output;
    // The numbered error names the file given, not the client-file folder's report.
    EXPECT_NE(run.output.find("error 18034: The check report \"" + Out("no/such/folder/report.txt") +
                              "\" could not be written"),
              std::string::npos)
        << run.output;
    EXPECT_EQ(run.output.find("client-file folder"), std::string::npos) << run.output;
    EXPECT_FALSE(std::filesystem::exists(folder / "out.q10"));
}

// A report written over the case would destroy it, whatever the name is
// spelt like.
TEST_F(CliTest, CheckReportOverACaseFileIsRefused) {
    std::filesystem::copy_file(Sample("split.q10"), folder / "in.q10");
    std::ofstream(folder / "out.q10", std::ios::binary) << "the previous output";
    const std::string other = (folder / ".." / folder.filename() / "in.q10").string();
    for (const std::string& report : {Out("in.q10"), Out("out.q10"), other}) {
        CliRun run = RunCli("calc " + Out("in.q10") + " -o " + Out("out.q10") + " --check " + report);
        EXPECT_EQ(run.status, 2) << report << ": " << run.output;
        EXPECT_NE(run.output.find("the check report needs a file of its own"), std::string::npos) << run.output;
        EXPECT_EQ(ReadFile(folder / "in.q10"), ReadFile(Sample("split.q10"))) << report;
        EXPECT_EQ(ReadFile(folder / "out.q10"), "the previous output") << report;
    }
    // A new output file named as the report is refused before it exists.
    CliRun run = RunCli("calc " + Out("in.q10") + " -o " + Out("new.q10") + " --check " + Out("new.q10"));
    EXPECT_EQ(run.status, 2) << run.output;
    EXPECT_FALSE(std::filesystem::exists(folder / "new.q10"));
}

// No command writes its output over one of its inputs, however the output
// is named: the same name, another spelling of it, or a link to the input.
TEST_F(CliTest, OutputOverAnInputIsRefused) {
    namespace fs = std::filesystem;
    fs::create_directories(folder / "sub");
    for (const char* name : {"case.q10", "case.rtf", "case.pdf", "old.WQ7"}) fs::copy_file(Sample("split.q10"), folder / name);
    fs::create_symlink(folder / "case.q10", folder / "link.rtf");
    fs::create_symlink(folder / "case.q10", folder / "link.q10");
    const std::string original = ReadFile(Sample("split.q10"));
    const std::string respelt = Out("sub/../case.q10");
    const struct {
        std::string arguments;
        const char* option;
    } cases[] = {
        {"calc " + Out("case.q10") + " -o " + Out("case.q10"), "-o"},
        {"calc " + Out("case.q10") + " -o " + respelt, "-o"},
        {"calc " + Out("case.q10") + " -o " + Out("link.q10"), "-o"},
        {"calc " + Out("case.q10") + " -o " + Out("out.q10") + " --check " + respelt, "--check"},
        {"print " + Out("case.q10") + " --pages 1-6 -o " + Out("link.rtf"), "-o"},
        {"print " + Out("case.rtf") + " --pages 1-6 -o " + Out("case.rtf"), "-o"},
        {"print " + Out("case.pdf") + " --pages 15 -o " + Out("case.pdf"), "-o"},
        {"print " + Out("case.rtf") + " --pages 32 -o " + Out("case.rtf"), "-o"},
        {"schedule " + Out("case.q10") + " --csv " + Out("link.q10"), "--csv"},
        {"import " + Out("old.WQ7") + " -o " + Out("old.WQ7"), "-o"},
    };
    for (const auto& c : cases) {
        CliRun run = RunCli(c.arguments);
        EXPECT_EQ(run.status, 2) << c.arguments << "\n" << run.output;
        EXPECT_NE(run.output.find(std::string(c.option) + " names the input file"), std::string::npos)
            << c.arguments << "\n" << run.output;
        for (const char* name : {"case.q10", "case.rtf", "case.pdf", "old.WQ7"})
            EXPECT_EQ(ReadFile(folder / name), original) << name << " after " << c.arguments;
        EXPECT_FALSE(fs::exists(folder / "out.q10")) << c.arguments;
    }
}

// Without -o the import saves into the user's client-file folder, and an
// existing case of that name is replaced only with --force; -o names the
// file to write, but never the old file itself.
TEST_F(CliTest, ImportNeverReplacesACaseUnasked) {
    const std::string cli = "env HOME=" + folder.string() + " XDG_DOCUMENTS_DIR=" + Out("docs") +
                            " XDG_CONFIG_HOME=" + Out("config") + " " + QUILL10_CLI;
    const std::filesystem::path cases = folder / "docs/Velmora/QUILL10/Files";
    std::filesystem::create_directories(cases);
    std::filesystem::copy_file(Sample("split.q10"), folder / "smith.WQ7");
    const std::string old = ReadFile(folder / "smith.WQ7");
    std::ofstream(cases / "smith.Q10", std::ios::binary) << "the existing case";
    std::ofstream(folder / "named.q10", std::ios::binary) << "the named case";

    CliRun refused = quill10::test::RunProgram(cli, "import " + Out("smith.WQ7"));
    EXPECT_EQ(refused.status, 1) << refused.output;
    EXPECT_NE(refused.output.find((cases / "smith.Q10").string() +
                                  " already exists; name it with -o or give --force to replace it"),
              std::string::npos)
        << refused.output;
    EXPECT_EQ(ReadFile(cases / "smith.Q10"), "the existing case");

    CliRun itself = quill10::test::RunProgram(cli, "import " + Out("smith.WQ7") + " -o " + Out("smith.WQ7"));
    EXPECT_EQ(itself.status, 2) << itself.output;
    EXPECT_NE(itself.output.find("names the input file"), std::string::npos) << itself.output;

    for (const std::string& arguments : {std::string(" --force"), " -o " + Out("named.q10")}) {
        CliRun run = quill10::test::RunProgram(cli, "import " + Out("smith.WQ7") + arguments);
        EXPECT_EQ(run.status, 0) << arguments << ": " << run.output;
    }
    EXPECT_EQ(ReadFile(cases / "smith.Q10").rfind("QUILL10\r\n", 0), 0u);
    EXPECT_EQ(ReadFile(folder / "named.q10").rfind("QUILL10\r\n", 0), 0u);
    EXPECT_EQ(ReadFile(folder / "smith.WQ7"), old);  // the old file is never changed
}

// A device never ends and a pipe waits for a writer: neither is read.
TEST_F(CliTest, OnlyRegularFilesAreRead) {
    ASSERT_EQ(::mkfifo(Out("pipe.q10").c_str(), 0600), 0);
    for (const std::string& path : {std::string("/dev/zero"), Out("pipe.q10")}) {
        CliRun run = RunCli("summary " + path);
        EXPECT_EQ(run.status, 1) << path;
        EXPECT_NE(run.output.find("it is not a regular file"), std::string::npos) << run.output;
    }
}

// A damaged schedule fails the command with the line at fault, and no
// figure is printed or written.
TEST_F(CliTest, DamagedSupportTableFailsTheCommand) {
    std::string table = ReadFile(std::string(QUILL10_PROGRAM_DIR) + "/table.txt");
    table.replace(table.find("7200\t"), 4, "7800");  // line 2 repeats line 3's income
    std::ofstream(folder / "table.txt", std::ios::binary) << table;
    CliRun summary = RunCli("summary " + Sample("split.q10") + " --program-dir " + folder.string());
    EXPECT_EQ(summary.status, 1);
    EXPECT_NE(summary.output.find("line 2: the income $7,800 should be $7,200"), std::string::npos) << summary.output;
    EXPECT_EQ(summary.output.find("Annual Support"), std::string::npos) << summary.output;
    CliRun calc = RunCli("calc " + Sample("split.q10") + " -o " + Out("out.q10") + " --program-dir " + folder.string());
    EXPECT_EQ(calc.status, 1);
    EXPECT_FALSE(std::filesystem::exists(folder / "out.q10"));
}

}  // namespace
