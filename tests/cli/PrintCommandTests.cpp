// quill10-cli print: the page list, the order of the pages, the files it
// writes and what it says when a template is missing.
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

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

void WriteFile(const fs::path& path, const std::string& content) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

class PrintCommandTest : public ::testing::Test {
protected:
    PrintCommandTest() {
        folder = fs::temp_directory_path() / ("quill10-print-" + std::to_string(::getpid()) + "-" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
    }
    ~PrintCommandTest() override { fs::remove_all(folder); }
    std::string Sample(const std::string& name) const { return std::string(QUILL10_PROGRAM_DIR) + "/samples/" + name; }
    std::string Out(const std::string& name) const { return (folder / name).string(); }

    // A program folder with the support table and small templates of the given pages.
    std::string ProgramFolderWith(std::initializer_list<int> pages) const {
        const fs::path program = folder / "program";
        fs::create_directories(program);
        fs::copy_file(fs::path(QUILL10_PROGRAM_DIR) / "table.txt", program / "table.txt");
        for (int page : pages) {
            const std::string n = std::to_string(page);
            WriteFile(program / "RTF" / ("Page" + n + ".rtf"),
                      "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f10\\fcharset2 Wingdings;}}\n\\v\\'b7\\v0\\fs20 Page " + n +
                          ": /*50/ & /*51/ /&4/\\par\n}\n");
            WriteFile(program / "DAT" / ("PAGE" + n + ".DAT"), "");
        }
        return program.string();
    }
    fs::path folder;
};

TEST_F(PrintCommandTest, RefusesWhatItCannotPrint) {
    const std::string in = Sample("sole-father-pays.q10");
    const struct {
        std::string arguments, says;
    } cases[] = {
        {"print " + in + " -o " + Out("a.rtf"), "print needs --pages LIST"},
        {"print " + in + " --pages 1-6", "print needs --pages LIST"},
        {"print " + in + " --pages 1-x -o " + Out("a.rtf"), "cannot read the page list \"1-x\""},
        {"print " + in + " --pages 1-7 -o " + Out("a.rtf"), "there is no worksheet page 7"},
        {"print " + in + " --pages 1 -o " + Out("a.txt"), "print writes OUT.rtf or OUT.pdf"},
    };
    for (const auto& c : cases) {
        CliRun run = RunCli(c.arguments);
        EXPECT_EQ(run.status, 2) << c.arguments << "\n" << run.output;
        EXPECT_NE(run.output.find(c.says), std::string::npos) << run.output;
    }
    EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(PrintCommandTest, WritesThePagesInTheOrderOfAssembly) {
    const std::string program = ProgramFolderWith({1, 18});
    CliRun run = RunCli("print " + Sample("sole-father-pays.q10") + " --pages 18,1 -o " + Out("case.RTF") +
                        " --program-dir " + program);
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(ReadFile(folder / "case.RTF"),
              "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f10\\fcharset2 Wingdings;}}\r\n"
              "\\v\\'b7\\v0\\fs20 Page 1: John Doe & Mary Doe \\f10 \\fs24 \\uc1\\u9746?\\fs20\\f0 \\par\r\n"
              "\\page \\v0\\fs20 Page 18: John Doe & Mary Doe \\f10 \\fs24 \\uc1\\u9746?\\fs20\\f0 \\par\r\n"
              "}\r\n");
}

TEST_F(PrintCommandTest, AMissingTemplateIsNamedAndTheRestPrinted) {
    const std::string program = ProgramFolderWith({1, 3});
    CliRun run = RunCli("print " + Sample("sole-father-pays.q10") + " --pages 1-3 -o " + Out("case.rtf") +
                        " --program-dir " + program);
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_NE(run.output.find("cannot open the page template " + program + "/RTF/PAGE2.RTF"), std::string::npos)
        << run.output;
    const std::string document = ReadFile(folder / "case.rtf");
    EXPECT_NE(document.find("Page 1: John Doe"), std::string::npos) << document;
    EXPECT_NE(document.find("\\page \\v0\\fs20 Page 3: "), std::string::npos) << document;

    CliRun none = RunCli("print " + Sample("sole-father-pays.q10") + " --pages 2 -o " + Out("none.rtf") +
                         " --program-dir " + program);
    EXPECT_EQ(none.status, 1) << none.output;
    EXPECT_NE(none.output.find("no page could be printed"), std::string::npos) << none.output;
    EXPECT_FALSE(fs::exists(folder / "none.rtf"));
}

}  // namespace
