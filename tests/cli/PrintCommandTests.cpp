// quill10-cli print: the page list, the order of the pages, the files it
// writes and what it says when a template is missing.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
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
using quill10::test::RunCli;
using quill10::test::RunProgram;

// The text of slot page:slot in a client file's text.
std::string SlotOf(const std::string& clientFile, int page, int slot) {
    std::vector<std::string> lines;
    std::istringstream in(clientFile);
    for (std::string line; std::getline(in, line);) lines.push_back(line.substr(0, line.find('\r')));
    auto slotsOf = [](int p) { return p == 0 || p == 7 || p == 15 || p == 16 ? 301 : p == 32 || p == 52 ? 576 : 101; };
    size_t at = 2;  // the program's name and version
    for (int p = 0; p < page; ++p) at += 1 + 2 * slotsOf(p);
    at += 1 + 2 * static_cast<size_t>(slot);
    return at < lines.size() ? lines[at] : "";
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
        {"print " + in + " --pages 2147483647 -o " + Out("a.rtf"), "there is no page 2147483647"},
        {"print " + in + " --pages 2147483620-2147483647 -o " + Out("a.rtf"), "there is no page 2147483620"},
        {"print " + in + " --pages 0 -o " + Out("a.rtf"), "there is no page 0"},
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
              "{\\footer\\pard\\plain\\qc\\f0\\fs16 Computed with the demonstration support schedule \\uc1 "
              "\\u8212? not for filing.\\par}\r\n"
              "\\v\\'b7\\v0\\fs20 Page 1: John Doe & Mary Doe \\f10 \\fs24 \\uc1\\u9746?\\fs20\\f0 \\par\r\n"
              "\\page \\v0\\fs20 Page 18: John Doe & Mary Doe \\f10 \\fs24 \\uc1\\u9746?\\fs20\\f0 \\par\r\n"
              "}\r\n");
}

// A filing set is complete or not made: a template that is missing or
// damaged is named with its fault and no output file is written.
TEST_F(PrintCommandTest, AMissingOrDamagedTemplateWritesNothing) {
    const std::string program = ProgramFolderWith({1, 3, 4, 5, 6});
    WriteFile(fs::path(program) / "RTF" / "Page4.rtf", "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\n\\'b7 Page 4: /*50/");
    WriteFile(fs::path(program) / "RTF" / "Page5.rtf", "");
    WriteFile(fs::path(program) / "DAT" / "PAGE6.DAT", "0 1 0 0.0 1.0 100 0\nnot numbers\n");
    const struct {
        const char* pages;
        std::string says;
    } cases[] = {
        {"1-3", "cannot open the page template " + (fs::path(program) / "RTF" / "Page2.rtf").string() + ": No such file"},
        {"4", "Page4.rtf is damaged: it ends with 1 group still open"},
        {"1,5", "Page5.rtf is damaged: it is empty"},
        {"6", "PAGE6.DAT is damaged: line 2"},
    };
    for (const auto& c : cases) {
        CliRun run = RunCli("print " + Sample("sole-father-pays.q10") + " --pages " + c.pages + " -o " +
                            Out("case.rtf") + " --program-dir " + program);
        EXPECT_EQ(run.status, 1) << c.pages << "\n" << run.output;
        EXPECT_NE(run.output.find(c.says), std::string::npos) << c.pages << "\n" << run.output;
        EXPECT_NE(run.output.find("was not written"), std::string::npos) << run.output;
        EXPECT_FALSE(fs::exists(folder / "case.rtf")) << c.pages;
    }
}

// The statutory and the annotated version of the sole/shared worksheet as
// one PDF: twelve pages, each line's figures on the line of the page that
// bears its number.
TEST_F(PrintCommandTest, TwelvePagesConvertedByLibreOfficeShowTheCase) {
    const std::string sample = Sample("sole-father-pays.q10");
    ASSERT_EQ(RunCli("calc " + sample + " -o " + Out("calculated.q10") + " --today 2019-03-07").status, 0);
    const std::string calculated = ReadFile(folder / "calculated.q10");
    CliRun run = RunCli("print " + sample + " --pages 1-6,18-23 -o " + Out("case.pdf") + " --today 2019-03-07");
    ASSERT_EQ(run.status, 0) << run.output;

    CliRun info = RunProgram("pdfinfo", Out("case.pdf"));
    ASSERT_EQ(info.status, 0) << "pdfinfo (Debian package poppler-utils) reads the PDF: " << info.output;
    std::smatch pages;
    ASSERT_TRUE(std::regex_search(info.output, pages, std::regex("Pages:\\s+(\\d+)"))) << info.output;
    EXPECT_EQ(pages[1], "12");

    CliRun text = RunProgram("pdftotext", "-layout " + Out("case.pdf") + " -");
    ASSERT_EQ(text.status, 0) << text.output;
    const struct {
        const char* line;  // how the printed line begins
        std::vector<std::pair<int, int>> figures;
    } lines[] = {
        {"Father's name", {{1, 50}, {1, 51}}},  // the names, on the caption of page 1
        {"1a.", {{1, 19}, {1, 20}}},            // the incomes
        {"17.", {{3, 14}}},                     // the basic combined obligation
        {"28.", {{6, 23}, {6, 24}}},            // the final figures, with and without insurance
    };
    for (const auto& expected : lines) {
        std::vector<std::string> figures;
        for (auto [page, slot] : expected.figures) {
            figures.push_back(SlotOf(calculated, page, slot));
            ASSERT_FALSE(figures.back().empty()) << page << ":" << slot;
        }
        int found = 0;
        std::istringstream printed(text.output);
        for (std::string line; std::getline(printed, line);) {
            const size_t start = line.find_first_not_of(" \f");
            if (start == std::string::npos || line.compare(start, std::strlen(expected.line), expected.line) != 0)
                continue;
            bool all = true;
            for (const std::string& figure : figures) all = all && line.find(figure) != std::string::npos;
            found += all;
        }
        EXPECT_EQ(found, 2) << expected.line << " with " << ::testing::PrintToString(figures) << " in\n"
                            << text.output;
    }
}

// Several cases print into a folder, each to CASE.pdf, in one LibreOffice:
// a case that cannot be read is named and the others are written.
TEST_F(PrintCommandTest, SeveralCasesPrintIntoAFolder) {
    fs::copy_file(Sample("sole-father-pays.q10"), folder / "smith.q10");
    fs::copy_file(Sample("split.q10"), folder / "jones.q10");
    WriteFile(folder / "broken.q10", "QUILL10\r\nnot a version\r\n");
    const CliRun run = RunCli("print " + Out("smith.q10") + " " + Out("broken.q10") + " " + Out("jones.q10") +
                              " --pages 1-6,18-23 -o " + Out("filed/"));
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_NE(run.output.find("broken.q10"), std::string::npos) << run.output;
    for (const char* written : {"filed/smith.pdf", "filed/jones.pdf"}) {
        const CliRun info = RunProgram("pdfinfo", Out(written));
        ASSERT_EQ(info.status, 0) << written << ": " << info.output;
        EXPECT_NE(info.output.find("Pages:"), std::string::npos) << info.output;
    }
    EXPECT_FALSE(fs::exists(folder / "filed/broken.pdf"));

    // Two cases of one name would share a PDF; a PDF is never one of the cases.
    fs::create_directories(folder / "other");
    fs::copy_file(Sample("split.q10"), folder / "other/smith.q10");
    const CliRun clash = RunCli("print " + Out("smith.q10") + " " + Out("other/smith.q10") + " --pages 1 -o " +
                                Out("filed/"));
    EXPECT_EQ(clash.status, 2) << clash.output;
    EXPECT_NE(clash.output.find("would both be printed to"), std::string::npos) << clash.output;
    fs::copy_file(Sample("split.q10"), folder / "case.pdf");
    const CliRun overInput = RunCli("print " + Out("case.pdf") + " " + Out("jones.q10") + " --pages 1 -o " +
                                    folder.string());
    EXPECT_EQ(overInput.status, 2) << overInput.output;
}

// The signature block: each typed name prints on the line right under its
// own signature rule, and a blank line stands between it and the next
// caption, so no name reads against another party's line.
TEST_F(PrintCommandTest, EachNamePrintsUnderItsOwnSignatureLine) {
    for (const std::string page : {"6", "23"}) {
        CliRun run = RunCli("print " + Sample("sole-father-pays.q10") + " --pages " + page + " -o " + Out("sig.pdf"));
        ASSERT_EQ(run.status, 0) << run.output;
        CliRun text = RunProgram("pdftotext", "-layout " + Out("sig.pdf") + " -");
        std::vector<std::string> lines;
        std::istringstream in(text.output);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        auto lineOf = [&](const std::string& words, size_t from = 0) {
            for (size_t k = from; k < lines.size(); ++k)
                if (lines[k].find(words) != std::string::npos) return k;
            return lines.size();
        };
        const struct {
            const char* caption;
            const char* name;
            const char* next;
        } signatures[] = {{"Father's signature", "John Doe", "Mother's signature"},
                          {"Mother's signature", "Mary Doe", "Magistrate / Judge"}};
        for (const auto& s : signatures) {
            const size_t caption = lineOf(s.caption), name = lineOf(s.name, caption), next = lineOf(s.next, caption);
            ASSERT_LT(next, lines.size()) << page << ": " << s.next << "\n" << text.output;
            EXPECT_EQ(name, caption + 1) << page << ": " << s.name << "\n" << text.output;
            EXPECT_GE(next, name + 2) << page << ": " << s.next << "\n" << text.output;
        }
    }
}

// Joined pages each start a new sheet and take as many sheets as when
// printed alone: a full page (the short forms) never loses its last line to
// a sheet of its own, whatever comes before or after it.
TEST_F(PrintCommandTest, EveryCombinationPrintsEachPageOnItsOwnSheets) {
    auto sheetsOf = [&](const std::string& pages) {
        const CliRun run = RunCli("print " + Sample("split.q10") + " --pages " + pages + " -o " + Out("pages.pdf"));
        EXPECT_EQ(run.status, 0) << run.output;
        std::vector<std::string> sheets;
        for (int sheet = 1;; ++sheet) {
            const CliRun text = RunProgram("pdftotext", "-layout -f " + std::to_string(sheet) + " -l " +
                                                            std::to_string(sheet) + " " + Out("pages.pdf") + " -");
            if (text.status != 0) break;
            sheets.push_back(text.output);
        }
        return sheets;
    };
    std::map<std::string, size_t> alone;
    for (const char* page : {"15", "16", "33", "34", "8"}) alone[page] = sheetsOf(page).size();
    const std::vector<std::vector<std::string>> combinations = {
        {"15", "16", "34"}, {"15", "16"}, {"16", "34"}, {"15", "33", "16", "34"}, {"8", "15", "16"}};
    for (const std::vector<std::string>& combination : combinations) {
        std::string list;
        size_t expected = 0;
        for (const std::string& page : combination) {
            list += (list.empty() ? "" : ",") + page;
            expected += alone[page];
        }
        const std::vector<std::string> sheets = sheetsOf(list);
        EXPECT_EQ(sheets.size(), expected) << list;
        // A worksheet page's last line (above the footer) is its "Client file" line.
        for (size_t k = 0; k < sheets.size(); ++k) {
            std::vector<std::string> lines;
            std::istringstream in(sheets[k]);
            for (std::string line; std::getline(in, line);)
                if (line.find_first_not_of(" \f") != std::string::npos) lines.push_back(line);
            ASSERT_GE(lines.size(), 2u) << list << " sheet " << k + 1;
            if (sheets[k].find("Client file:") != std::string::npos) {
                EXPECT_NE(lines[lines.size() - 2].find("Client file:"), std::string::npos)
                    << list << " sheet " << k + 1 << "\n" << sheets[k];
            }
        }
    }
}

}  // namespace
