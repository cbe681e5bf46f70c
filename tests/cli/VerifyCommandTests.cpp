// A filed PDF carries its case and the manifest of what it was computed
// with, and quill10-cli verify proves every figure on it follows from them:
// a figure changed after printing, a case swapped for another and a schedule
// the machine lacks are each told apart from a PDF as printed.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <unistd.h>

#include "CliRun.h"

namespace {

namespace fs = std::filesystem;
using quill10::test::CliRun;
using quill10::test::ReadFile;
using quill10::test::RunProgram;
using quill10::test::WriteFile;

class VerifyCommandTest : public ::testing::Test {
protected:
    VerifyCommandTest() {
        folder = fs::temp_directory_path() / ("quill10-verify-" + std::to_string(::getpid()) + "-" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
        fs::copy_file(std::string(QUILL10_PROGRAM_DIR) + "/samples/sole-father-pays.q10", folder / "smith.q10");
    }
    ~VerifyCommandTest() override { fs::remove_all(folder); }
    CliRun Cli(const std::string& arguments) const {
        return RunProgram("env XDG_CONFIG_HOME=" + (folder / "config").string() + " " + QUILL10_CLI, arguments);
    }
    std::string Out(const std::string& name) const { return (folder / name).string(); }
    // A PDF converted by LibreOffice from an RTF document, as any program
    // (or a PDF editor) could make it.
    void ConvertElsewhere(const std::string& rtf, const std::string& pdf) const {
        const CliRun run = RunProgram("soffice", "-env:UserInstallation=file://" + Out("profile") +
                                                     " --headless --convert-to pdf --outdir " + Out("converted") + " " + rtf);
        ASSERT_EQ(run.status, 0) << run.output;
        fs::rename(folder / "converted" / (fs::path(rtf).stem().string() + ".pdf"), pdf);
    }
    fs::path folder;
};

TEST_F(VerifyCommandTest, EveryFigureIsCheckedAgainstTheAttachedCase) {
    const std::string pages = " --pages 1-3 --today 2019-03-07";
    ASSERT_EQ(Cli("print " + Out("smith.q10") + pages + " -o " + Out("filed.pdf")).status, 0);
    ASSERT_EQ(RunProgram("qpdf", "--check " + Out("filed.pdf")).status, 0);
    const CliRun attachments = RunProgram("qpdf", "--list-attachments " + Out("filed.pdf"));
    EXPECT_NE(attachments.output.find("smith.q10"), std::string::npos) << attachments.output;
    EXPECT_NE(attachments.output.find("quill10-manifest.txt"), std::string::npos) << attachments.output;

    // The same pages with one figure changed, and the filed PDF's own case
    // and manifest put into them, as an editor of PDFs would leave it.
    ASSERT_EQ(Cli("print " + Out("smith.q10") + pages + " -o " + Out("altered.rtf")).status, 0);
    std::string rtf = ReadFile(Out("altered.rtf"));
    const size_t income = rtf.find("60,000.00");
    ASSERT_NE(income, std::string::npos);
    rtf.replace(income, 9, "66,000.00");
    WriteFile(Out("altered.rtf"), rtf);
    ConvertElsewhere(Out("altered.rtf"), Out("plain.pdf"));
    for (const char* name : {"smith.q10", "quill10-manifest.txt"})
        ASSERT_EQ(RunProgram("qpdf", "--show-attachment=" + std::string(name) + " " + Out("filed.pdf") + " > " +
                                         Out(std::string("attached-") + name))
                      .status,
                  0);
    ASSERT_EQ(RunProgram("qpdf", Out("plain.pdf") + " --add-attachment " + Out("attached-smith.q10") +
                                     " --key=smith.q10 -- --add-attachment " + Out("attached-quill10-manifest.txt") +
                                     " --key=quill10-manifest.txt -- " + Out("altered.pdf"))
                  .status,
              0);
    // The filed PDF with another case attached in place of its own.
    WriteFile(Out("other.q10"), ReadFile(std::string(QUILL10_PROGRAM_DIR) + "/samples/split.q10"));
    ASSERT_EQ(RunProgram("qpdf", Out("filed.pdf") + " --add-attachment " + Out("other.q10") +
                                     " --key=smith.q10 --replace -- " + Out("swapped.pdf"))
                  .status,
              0);

    const struct {
        const char* pdf;
        int status;
        const char* says;
    } cases[] = {
        {"filed.pdf", 0, "Verified: every figure on the 3 pages follows from the attached case and schedule"},
        {"altered.pdf", 1, "printed 66,000.00, computed 60,000.00"},
        {"swapped.pdf", 1, "is not the one the pages were printed from"},
        {"plain.pdf", 1, "carries no QUILL10 case"},
    };
    for (const auto& c : cases) {
        const CliRun run = Cli("verify " + Out(c.pdf));
        EXPECT_EQ(run.status, c.status) << c.pdf << "\n" << run.output;
        EXPECT_NE(run.output.find(c.says), std::string::npos) << c.pdf << "\n" << run.output;
    }
}

// A PDF computed with an office's schedule that this machine does not have
// says which schedule is needed (exit 3).
TEST_F(VerifyCommandTest, AScheduleTheMachineLacksIsNamed) {
    std::string table = ReadFile(std::string(QUILL10_PROGRAM_DIR) + "/table.txt");
    table.replace(0, table.find('\t', 5), "6600\t1300");  // another one-child amount in the first row
    WriteFile(Out("office.txt"), table);
    ASSERT_EQ(Cli("table install " + Out("office.txt") + " --name 'Ohio 2024' --effective 2024-01-01").status, 0);
    ASSERT_EQ(Cli("print " + Out("smith.q10") + " --pages 15 -o " + Out("filed.pdf")).status, 0);
    ASSERT_EQ(RunProgram("qpdf", "--check " + Out("filed.pdf")).status, 0);
    ASSERT_EQ(Cli("table reset").status, 0);
    fs::remove_all(folder / "config/Velmora/QUILL10/schedules");
    const CliRun run = Cli("verify " + Out("filed.pdf"));
    EXPECT_EQ(run.status, 3) << run.output;
    EXPECT_NE(run.output.find("the support schedule Ohio 2024, effective 2024-01-01 (fingerprint "), std::string::npos)
        << run.output;
}

}  // namespace
