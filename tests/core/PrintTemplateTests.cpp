// The installed page templates: every one loads and fills from a case, any
// selection of them joins into one well-formed document, and they share
// the font and colour numbering that an appended page is drawn with.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "TestSupport.h"
#include "files/ClientFile.h"
#include "print/PrvwSend.h"
#include "print/TemplateFiller.h"

namespace quill10 {
namespace {

size_t Occurrences(const std::string& text, const std::string& what) {
    size_t count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
    return count;
}

constexpr int kTemplatePages[] = {1,  2,  3,  4,  5,  6,  8,  9,  10, 11, 12, 13, 14, 15,
                                  16, 18, 19, 20, 21, 22, 23, 25, 26, 27, 28, 29, 30, 31};

TemplateFolders InstalledFolders() {
    const std::filesystem::path program(test::ProgramFolder());
    return {(program / "RTF").string(), (program / "DAT").string()};
}

class InstalledTemplates : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        auto environment = std::make_shared<CalcEnvironment>();
        environment->SetProgramFolder(test::ProgramFolder());
        contents = ReadClientFile(test::ProgramFolder() + "/samples/shared-deviation.q10", environment, error);
        ASSERT_TRUE(contents) << error;
        contents->answers->Calculate();
    }
    PrintDocument Assemble(const std::vector<int>& pages) {
        return AssemblePrintDocument(*contents->answers, InstalledFolders(), state, pages);
    }
    std::optional<ClientFileContents> contents;
    FillState state;
    test::FixedToday today;
    test::ErrorRecorder errors;
};

TEST_F(InstalledTemplates, FollowTheTemplateRules) {
    std::string fonts, colours;
    for (int page : kTemplatePages) {
        SCOPED_TRACE("Page" + std::to_string(page) + ".rtf");
        std::string text, problem;
        ASSERT_TRUE(LoadTemplateText(InstalledFolders().templates, "Page" + std::to_string(page) + ".rtf", text,
                                     problem))
            << problem;
        EXPECT_TRUE(test::OneGroup(text));
        EXPECT_EQ(FindCheckFont(text), "\\f10 ");
        const size_t marker = text.find(kPageMarker);
        ASSERT_NE(marker, std::string::npos);
        EXPECT_GT(marker, text.find("\\colortbl"));
        const std::string body = text.substr(marker);
        EXPECT_NE(body.find(page == 15 || page == 16 ? "\\f4\\fs" : "\\f0\\fs"), std::string::npos);
        if (fonts.empty()) fonts = test::GroupOf(text, "fonttbl"), colours = test::GroupOf(text, "colortbl");
        EXPECT_EQ(test::GroupOf(text, "fonttbl"), fonts);
        EXPECT_EQ(test::GroupOf(text, "colortbl"), colours);
        EXPECT_NE(colours.find(";\\red"), std::string::npos);  // colour 1 exists: overridden answers
        EXPECT_TRUE(std::filesystem::exists(InstalledFolders().tabs + "/PAGE" + std::to_string(page) + ".DAT"));
    }
}

TEST_F(InstalledTemplates, FillEveryVariableAndJoinInAnySelection) {
    std::vector<int> all(std::begin(kTemplatePages), std::end(kTemplatePages));
    const std::vector<std::vector<int>> selections = {all, {1, 2, 3, 4, 5, 6, 18, 19, 20, 21, 22, 23}, {15}, {16, 31},
                                                      {6, 15, 8}};
    const std::regex leftOver("/[*$%#+&@^<][0-9]{1,3}/");
    for (const std::vector<int>& pages : selections) {
        PrintDocument document = Assemble(pages);
        EXPECT_TRUE(document.problems.empty()) << document.problems.front();
        EXPECT_EQ(document.pages, pages);
        EXPECT_TRUE(test::OneGroup(document.text));
        EXPECT_FALSE(std::regex_search(document.text, leftOver));
        // Every page after the first starts a new page by "page break before"
        // on its first paragraph, never by a "\page" that would leave an empty
        // line at the top of the page.
        EXPECT_EQ(Occurrences(document.text, "\\page "), 0u);
        EXPECT_EQ(Occurrences(document.text, "\\pagebb"),
                  pages.size() - 1 + Occurrences(Assemble({pages.front()}).text, "\\pagebb"));
        EXPECT_EQ(document.text.find(kPageMarker), document.text.rfind(kPageMarker));  // only the first page's
        EXPECT_EQ(SendFileBytes(document.text).find_first_of("\x80\xFF"), std::string::npos);
    }
    EXPECT_TRUE(errors.Codes().empty()) << errors.Codes().front() << " " << errors.Texts().front();
}

TEST_F(InstalledTemplates, PrintTheCaseWhereItsLinesAre) {
    PrintDocument document = Assemble({1, 3, 6});
    const TAnswer& answers = *contents->answers;
    for (const char* text : {"Paul Jones", "Anna Jones", "DR-2019-0103"})
        EXPECT_NE(document.text.find(text), std::string::npos) << text;
    // Lines 1a (1:19, 1:20), 17 (3:14) and 28 (6:23, 6:24), each right-aligned in a cell of its own.
    for (auto [page, slot] : {std::pair{1, 19}, {1, 20}, {3, 14}, {6, 23}, {6, 24}}) {
        const std::string figure = answers.Text(page, slot);
        ASSERT_FALSE(figure.empty());
        const size_t at = document.text.find(std::string(12 - figure.size(), ' ') + figure + "\\cell");
        ASSERT_NE(at, std::string::npos) << figure;
        const std::string cell = document.text.substr(document.text.rfind("\\pard", at), at - document.text.rfind("\\pard", at));
        EXPECT_NE(cell.find("\\intbl"), std::string::npos) << cell;
        EXPECT_NE(cell.find("\\qr"), std::string::npos) << cell;
    }
}

}  // namespace
}  // namespace quill10
