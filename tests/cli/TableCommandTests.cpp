// quill10-cli table: the schedule in use, checking a file, installing an
// office's schedule for the user and going back; every command then
// computes with it and every printed page names it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

#include "CliRun.h"

namespace {

namespace fs = std::filesystem;
using quill10::test::CliRun;
using quill10::test::ReadFile;
using quill10::test::RunProgram;

class TableCommandTest : public ::testing::Test {
protected:
    TableCommandTest() {
        folder = fs::temp_directory_path() / ("quill10-table-" + std::to_string(::getpid()) + "-" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
        // The office's schedule: the installed one with $7 more in every column, as a spreadsheet saves it.
        std::ifstream installed(std::string(QUILL10_PROGRAM_DIR) + "/table.txt");
        std::ofstream csv(folder / "office.csv", std::ios::binary);
        csv << "Combined Income,One Child,Two,Three,Four,Five,Six\r\n";
        for (std::string line; std::getline(installed, line);) {
            std::istringstream fields(line);
            std::string field;
            for (int k = 0; std::getline(fields, field, '\t'); ++k)
                csv << (k ? "," : "") << std::stol(field) + (k >= 1 ? 7 : 0);
            csv << "\r\n";
        }
    }
    ~TableCommandTest() override { fs::remove_all(folder); }
    // quill10-cli run as a user whose settings live in the test's folder.
    CliRun Run(const std::string& arguments) const {
        return RunProgram("env HOME=" + folder.string() + " XDG_CONFIG_HOME=" + (folder / "config").string() + " " +
                              QUILL10_CLI,
                          arguments);
    }
    std::string Sample(const std::string& name) const { return std::string(QUILL10_PROGRAM_DIR) + "/samples/" + name; }
    std::string Summary() const { return Run("summary " + Sample("sole-father-pays.q10")).output; }
    std::string PdfText(const std::string& pages) const {
        const std::string pdf = (folder / "printed.pdf").string();
        const CliRun print = Run("print " + Sample("sole-father-pays.q10") + " --pages " + pages + " -o " + pdf);
        EXPECT_EQ(print.status, 0) << print.output;
        return RunProgram("pdftotext", "-layout " + pdf + " -").output;
    }
    fs::path folder;
};

TEST_F(TableCommandTest, InstallIsUsedEverywhereAndResetGoesBack) {
    const fs::path schedules = folder / "config/Velmora/QUILL10/schedules";
    const std::string installedTable = ReadFile(std::string(QUILL10_PROGRAM_DIR) + "/table.txt");
    const CliRun demonstration = Run("table show");
    EXPECT_EQ(demonstration.status, 0) << demonstration.output;
    EXPECT_EQ(demonstration.output.rfind("Computed with the demonstration support schedule \xE2\x80\x94 not for filing.\n", 0), 0u)
        << demonstration.output;
    EXPECT_NE(demonstration.output.find("Incomes: $6,600 to $149,400 (239 rows)"), std::string::npos);
    const std::string before = Summary();
    const std::string demonstrationPages = PdfText("1-6,15");
    size_t footers = 0;
    for (size_t at = 0; (at = demonstrationPages.find("Computed with the demonstration support schedule", at)) != std::string::npos; ++at)
        ++footers;
    EXPECT_EQ(footers, 7u) << demonstrationPages;  // one on each page

    const CliRun install =
        Run("table install " + (folder / "office.csv").string() + " --name 'Ohio schedule 2024' --effective 2024-01-01");
    ASSERT_EQ(install.status, 0) << install.output;
    EXPECT_NE(install.output.find("Read as comma-separated text, with a header line."), std::string::npos);
    const CliRun shown = Run("table show");
    EXPECT_EQ(shown.output.rfind("Support schedule: Ohio schedule 2024, effective January 1, 2024 (fingerprint ", 0), 0u)
        << shown.output;
    // Installed under its own name: its fingerprint.
    const size_t file = shown.output.find("File: " + schedules.string() + "/");
    ASSERT_NE(file, std::string::npos) << shown.output;
    const fs::path officeFile = shown.output.substr(file + 6, shown.output.find('\n', file) - file - 6);
    EXPECT_EQ(officeFile.filename().string().size(), std::string("ABCD-1234.txt").size()) << officeFile;
    EXPECT_NE(Summary(), before);  // line 17 now comes from the office's schedule
    const std::string officePages = PdfText("18");
    EXPECT_NE(officePages.find("Support schedule: Ohio schedule 2024, effective January 1, 2024 (fingerprint "),
              std::string::npos)
        << officePages;
    EXPECT_EQ(officePages.find("demonstration"), std::string::npos);

    // --program-dir names the table to use outright.
    EXPECT_EQ(Run("table show --program-dir " + std::string(QUILL10_PROGRAM_DIR)).output, demonstration.output);

    // Reset goes back and a later install deletes nothing: both office
    // schedules stay, listed by show --all.
    const std::string first = ReadFile(officeFile);
    const CliRun reset = Run("table reset");
    EXPECT_EQ(reset.status, 0) << reset.output;
    EXPECT_EQ(Run("table show").output, demonstration.output);
    EXPECT_EQ(Summary(), before);
    ASSERT_EQ(Run("table install " + std::string(QUILL10_PROGRAM_DIR) + "/table.txt --name Second --effective "
                  "2025-01-01")
                  .status,
              0);
    EXPECT_EQ(ReadFile(officeFile), first);
    const CliRun all = Run("table show --all");
    EXPECT_NE(all.output.find(officeFile.string()), std::string::npos) << all.output;
    EXPECT_NE(all.output.find(" - in use: Second, effective 2025-01-01"), std::string::npos) << all.output;
    EXPECT_EQ(ReadFile(std::string(QUILL10_PROGRAM_DIR) + "/table.txt"), installedTable);
}

TEST_F(TableCommandTest, AFileThatFailsTheCheckChangesNothing) {
    std::string csv = ReadFile(folder / "office.csv");
    csv.replace(csv.find("\r\n7800,") + 2, 4, "8400");  // a row out of order, on line 4
    std::ofstream(folder / "bad.csv", std::ios::binary) << csv;
    const CliRun check = Run("table check " + (folder / "bad.csv").string());
    EXPECT_EQ(check.status, 1) << check.output;
    EXPECT_NE(check.output.find("fails the table check: line 4: the income $8,400 should be $7,800"), std::string::npos)
        << check.output;
    EXPECT_NE(check.output.find("\nLine 4 reads: 8400,"), std::string::npos) << check.output;
    const CliRun install = Run("table install " + (folder / "bad.csv").string() + " --name X --effective 2024-01-01");
    EXPECT_EQ(install.status, 1) << install.output;
    EXPECT_FALSE(fs::exists(folder / "config/Velmora/QUILL10/schedules"));
    EXPECT_EQ(Run("table check " + (folder / "office.csv").string()).status, 0);

    const struct {
        std::string arguments;
        const char* says;
    } usage[] = {
        {"table", "table takes show"},
        {"table install " + (folder / "office.csv").string(), "needs --name TEXT and --effective"},
        {"table install " + (folder / "office.csv").string() + " --name X --effective 1/1/2024", "YYYY-MM-DD"},
        {"table install " + (folder / "office.csv").string() + " --name ' ' --effective 2024-01-01", "Give the schedule a name"},
    };
    for (const auto& u : usage) {
        const CliRun run = Run(u.arguments);
        EXPECT_EQ(run.status, 2) << u.arguments << "\n" << run.output;
        EXPECT_NE(run.output.find(u.says), std::string::npos) << u.arguments << "\n" << run.output;
    }
    EXPECT_FALSE(fs::exists(folder / "config/Velmora/QUILL10/quill10.ini"));
}

// table check gives the verdict of the reader that will read the file: the
// install rules by default, the stricter rules of a program folder's
// table.txt when asked (or when the file is the program folder's own).
TEST_F(TableCommandTest, CheckAppliesTheRulesOfTheReaderThatWillReadTheFile) {
    const std::string table = ReadFile(std::string(QUILL10_PROGRAM_DIR) + "/table.txt");
    std::string emptyLine = table;
    emptyLine.insert(emptyLine.find("\r\n") + 2, "\r\n");
    std::string semicolons = table;
    std::replace(semicolons.begin(), semicolons.end(), '\t', ';');
    const struct {
        const char* label;
        std::string text;
        int installStatus;
        int programTableStatus;
    } files[] = {
        {"the tab format", table, 0, 0},
        {"a header line", "Income\t1\t2\t3\t4\t5\t6\r\n" + table, 0, 1},
        {"semicolons", semicolons, 0, 1},
        {"an empty line between rows", emptyLine, 0, 1},
    };
    for (const auto& f : files) {
        const fs::path path = folder / "check.txt";
        std::ofstream(path, std::ios::binary | std::ios::trunc) << f.text;
        const CliRun install = Run("table check " + path.string());
        EXPECT_EQ(install.status, f.installStatus) << f.label << "\n" << install.output;
        EXPECT_NE(install.output.find("Checked by the rules of quill10-cli table install"), std::string::npos);
        const CliRun program = Run("table check " + path.string() + " --program-table");
        EXPECT_EQ(program.status, f.programTableStatus) << f.label << "\n" << program.output;
        EXPECT_NE(program.output.find("Checked by the rules of a program folder's table.txt"), std::string::npos);
    }
    const CliRun own = Run("table check " + std::string(QUILL10_PROGRAM_DIR) + "/table.txt");
    EXPECT_NE(own.output.find("Checked by the rules of a program folder's table.txt"), std::string::npos) << own.output;
}

}  // namespace
