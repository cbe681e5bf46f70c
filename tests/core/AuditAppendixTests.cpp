// The audit appendix: every computed line of a worksheet with its figure
// and data-source text, every override with the value it replaced, worked
// out on copies of the case, and a page that joins any print document.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "TestSupport.h"
#include "calc/Conversions.h"
#include "files/ClientFile.h"
#include "help/DataSource.h"
#include "print/AuditAppendix.h"
#include "print/PrvwSend.h"
#include "print/RtfText.h"
#include "print/TemplateFiller.h"

namespace quill10 {
namespace {

struct Worksheet {
    const char* sample;
    int auditPage;
    int screenPage;
};

constexpr Worksheet kWorksheets[] = {
    {"sole-father-pays.q10", kSoleSharedAuditPage, 0},
    {"shared-deviation.q10", kSoleSharedAuditPage, 0},
    {"split.q10", kSplitAuditPage, 7},
};

// A sample case, read and calculated as a print job finds it.
std::unique_ptr<TAnswer> CalculatedSample(const std::string& name) {
    auto environment = std::make_shared<CalcEnvironment>();
    environment->SetProgramFolder(test::ProgramFolder());
    std::string error;
    std::optional<ClientFileContents> contents =
        ReadClientFile(test::ProgramFolder() + "/samples/" + name, environment, error);
    if (!contents) ADD_FAILURE() << name << ": " << error;
    if (!contents) return test::NewStore();
    contents->answers->Calculate();
    return std::move(contents->answers);
}

// Types `figure` over the computed field in `slot` of the long screen page
// and calculates the case, as the window's override mode does.
void Override(TAnswer& answers, int screenPage, int slot, const std::string& figure) {
    TransferCalcToScreen(answers, screenPage);
    answers.SetText(screenPage, slot, figure);
    answers.SetOvRide(screenPage, slot, true);
    TransferScreenToCalc(answers, screenPage);
    answers.Calculate();
}

size_t Occurrences(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

// Every slot's text and override flag, to see that nothing changed.
std::vector<std::pair<std::string, bool>> Snapshot(const TAnswer& answers) {
    std::vector<std::pair<std::string, bool>> all;
    for (int page = 0; page < kPageCount; ++page)
        for (const AnswerItem& item : answers.List(page)) all.emplace_back(item.Text, item.Obj.OvRide);
    return all;
}

TemplateFolders InstalledFolders() {
    const std::filesystem::path program(test::ProgramFolder());
    return {(program / "RTF").string(), (program / "DAT").string()};
}

class AuditAppendix : public ::testing::Test {
protected:
    test::FixedToday today;
    test::ErrorRecorder errors;
};

TEST_F(AuditAppendix, ListsEveryRowOfTheDataSourceTableOnceInItsOrder) {
    for (const Worksheet& sheet : kWorksheets) {
        SCOPED_TRACE(sheet.sample);
        const std::unique_ptr<TAnswer> answers = CalculatedSample(sheet.sample);
        const AuditContent content = CollectAudit(*answers, sheet.auditPage);
        const std::string rtf = AuditAppendixRtf(*answers, sheet.auditPage);
        const auto table = DataSourceTable(sheet.screenPage);
        ASSERT_EQ(content.lines.size(), table.size());
        for (size_t i = 0; i < table.size(); ++i) {
            EXPECT_EQ(content.lines[i].tag, table[i].tag);
            EXPECT_EQ(Occurrences(rtf, " " + RtfEscape(table[i].text) + "\\cell"), 1u) << table[i].tag;
        }
        EXPECT_NE(rtf.find("No figure was overridden."), std::string::npos);
    }
}

TEST_F(AuditAppendix, ShowsTheFiguresAsTheWorksheetDoes) {
    struct Case {
        const char* sample;
        int auditPage;
        int tag;
        const char* figure;
    };
    const Case cases[] = {
        {"sole-father-pays.q10", kSoleSharedAuditPage, 2039, "60,000.00"},  // 7a, Column I: line 1a alone
        {"sole-father-pays.q10", kSoleSharedAuditPage, 2062, "0.6000"},  // 16: the share keeps four decimals
        {"sole-father-pays.q10", kSoleSharedAuditPage, 2064, "Interpolate"},
        {"sole-father-pays.q10", kSoleSharedAuditPage, 104, "Yes"},  // the father is the obligor
        {"sole-father-pays.q10", kSoleSharedAuditPage, 105, "No"},
        {"sole-father-pays.q10", kSoleSharedAuditPage, 1125, "John Doe"},
        {"split.q10", kSplitAuditPage, 2035, "58,000.00"},
        {"split.q10", kSplitAuditPage, 2058, "0.6170"},
        {"split.q10", kSplitAuditPage, 1124, "Karen Brown"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.sample) + " tag " + std::to_string(c.tag));
        const AuditContent content = CollectAudit(*CalculatedSample(c.sample), c.auditPage);
        const auto line = std::find_if(content.lines.begin(), content.lines.end(),
                                       [&](const AuditLine& l) { return l.tag == c.tag; });
        ASSERT_NE(line, content.lines.end());
        EXPECT_EQ(line->figure, c.figure);
        EXPECT_FALSE(line->overridden);
    }
}

TEST_F(AuditAppendix, TitlesTheWorksheetAndEscapesTheParties) {
    const std::unique_ptr<TAnswer> answers = CalculatedSample("sole-father-pays.q10");
    answers->SetText(1, 0, "Zo\xC3\xAB {Doe}\\ & Mary Doe");
    const std::string rtf = AuditAppendixRtf(*answers, kSoleSharedAuditPage);
    EXPECT_NE(rtf.find(RtfEscape("Audit Appendix \xE2\x80\x94 Sole Residential Parent or Shared Parenting")),
              std::string::npos);
    EXPECT_NE(
        rtf.find("Parties: " + RtfEscape("Zo\xC3\xAB {Doe}\\ & Mary Doe") + "    Case No. DR-2019-0101"),
        std::string::npos);
    EXPECT_TRUE(test::OneGroup(rtf));
    EXPECT_TRUE(
        std::all_of(rtf.begin(), rtf.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }));

    EXPECT_NE(AuditAppendixRtf(*CalculatedSample("split.q10"), kSplitAuditPage)
                  .find("Split Parental Child Support Computation Worksheet"),
              std::string::npos);
    for (int page : {-1, 0, 32, 35}) {
        EXPECT_FALSE(IsAuditPage(page)) << page;
        EXPECT_EQ(AuditAppendixRtf(*answers, page), "") << page;
        EXPECT_TRUE(CollectAudit(*answers, page).lines.empty()) << page;
    }
}

TEST_F(AuditAppendix, GivesEachOverrideWithTheComputedValueItReplaced) {
    struct Case {
        Worksheet sheet;
        int slot;
        const char* entered;
        const char* field;
    };
    const Case cases[] = {
        {kWorksheets[0], 20, "1,000.00", "1b, Column I"},
        {kWorksheets[0], 224, "5,000.00", "19, Column I. Father's earned income for the child care credit"},
        {kWorksheets[2], 17, "2,500.00", "1b, Column II"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.sheet.sample) + " slot " + std::to_string(c.slot));
        const std::unique_ptr<TAnswer> computed = CalculatedSample(c.sheet.sample);
        const std::unique_ptr<TAnswer> overridden = CalculatedSample(c.sheet.sample);
        Override(*overridden, c.sheet.screenPage, c.slot, c.entered);

        const AuditContent content = CollectAudit(*overridden, c.sheet.auditPage);
        ASSERT_EQ(content.overrides.size(), 1u);
        const AuditOverride& entry = content.overrides[0];
        EXPECT_EQ(entry.slot, c.slot);
        EXPECT_EQ(entry.field, c.field);
        EXPECT_EQ(entry.entered, c.entered);
        EXPECT_EQ(entry.computed, computed->Text(c.sheet.screenPage, c.slot));
        EXPECT_NE(entry.computed, entry.entered);

        const std::string rtf = AuditAppendixRtf(*overridden, c.sheet.auditPage);
        EXPECT_NE(rtf.find(RtfEscape(c.field) + "\\cell"), std::string::npos);
        EXPECT_NE(rtf.find("\\cf1 " + std::string(c.entered) + "\\cf0 \\cell"), std::string::npos);
        EXPECT_EQ(rtf.find("No figure was overridden."), std::string::npos);
    }
}

TEST_F(AuditAppendix, LeavesTheCallersCaseAndEnvironmentAsTheyWere) {
    const std::unique_ptr<TAnswer> answers = CalculatedSample("sole-father-pays.q10");
    answers->SetText(2, 4, "not a number");  // line 3, Column I: every calculation reports it
    Override(*answers, 0, 20, "1,000.00");
    CalcEnvironment& environment = answers->Environment();
    int refreshes = 0;
    environment.refreshScreen = [&refreshes] { ++refreshes; };
    environment.soleSharedErrors = 7;
    ASSERT_FALSE(errors.Codes().empty());  // the case's own calculation reports the entry
    errors.Clear();
    const auto before = Snapshot(*answers);

    const std::string rtf = AuditAppendixRtf(*answers, kSoleSharedAuditPage);
    EXPECT_NE(rtf.find("1b, Column I\\cell"), std::string::npos);
    EXPECT_EQ(Snapshot(*answers), before);
    EXPECT_EQ(errors.Codes(), std::vector<int>{});  // the copies' calculations show no message
    EXPECT_EQ(refreshes, 0);
    EXPECT_EQ(environment.soleSharedErrors, 7);
    ErrorMessage(kErrRealFormat);  // and the caller's handler is back
    EXPECT_EQ(errors.Codes(), std::vector<int>{kErrRealFormat});
    environment.refreshScreen();
    EXPECT_EQ(refreshes, 1);
}

TEST_F(AuditAppendix, TakesItsPlaceAfterItsWorksheetInPageLists) {
    const struct {
        const char* list;
        std::vector<int> order;
    } cases[] = {
        {"33", {33}},
        {"1-6,33", {1, 2, 3, 4, 5, 6, 33}},
        {"34,16,33,8,15", {15, 33, 8, 16, 34}},
        {"33,18,34,25", {18, 33, 25, 34}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list);
        std::string error;
        const std::optional<std::vector<int>> pages = ParsePageList(c.list, error);
        ASSERT_TRUE(pages) << error;
        PrintSelection selection;
        ASSERT_TRUE(SelectTemplatePages(*pages, selection, error)) << error;
        EXPECT_EQ(AssemblyOrder(selection), c.order);
    }
    PrintSelection splitOnly;
    splitOnly.audit[kSplitAudit] = true;
    splitOnly.groups[kSoleAnnotated].pages[0] = true;
    EXPECT_EQ(AssemblyOrder(splitOnly), (std::vector<int>{1, 34}));
}

TEST_F(AuditAppendix, JoinsAPrintDocumentLikeATemplatePage) {
    const std::unique_ptr<TAnswer> answers = CalculatedSample("shared-deviation.q10");
    const std::string page1 = test::ReadWholeFile(InstalledFolders().templates + "/Page1.rtf");
    const std::string appendix = AuditAppendixRtf(*answers, kSoleSharedAuditPage);
    for (const char* group : {"fonttbl", "colortbl"})
        EXPECT_EQ(test::GroupOf(appendix, group), test::GroupOf(page1, group));

    const std::vector<int> lists[] = {{1, 33}, {33, 1}, {15, 33, 16, 34}, {34}};
    for (const std::vector<int>& pages : lists) {
        SCOPED_TRACE(::testing::PrintToString(pages));
        FillState state;
        const PrintDocument document = AssemblePrintDocument(*answers, InstalledFolders(), state, pages);
        EXPECT_EQ(document.pages, pages);
        EXPECT_EQ(document.problems, std::vector<std::string>{});
        EXPECT_EQ(Occurrences(document.text, std::string(kPageMarker)), 1u);
        EXPECT_EQ(Occurrences(document.text, "\\page "), 0u);  // each later page starts by "page break before"
        const size_t ownBreaks = pages.front() == 15 || pages.front() == 16 ? 1 : 0;  // the short forms' titles
        EXPECT_EQ(Occurrences(document.text, "\\pagebb"), pages.size() - 1 + ownBreaks);
        // Each appendix titles its body; the one that starts the document also its header.
        const auto appendices = static_cast<size_t>(std::count_if(pages.begin(), pages.end(), IsAuditPage));
        EXPECT_EQ(Occurrences(document.text, "\\b Audit Appendix "), appendices);
        EXPECT_EQ(Occurrences(document.text, "{\\title Audit Appendix "), IsAuditPage(pages[0]) ? 1u : 0u);
        EXPECT_TRUE(test::OneGroup(document.text));
    }
}

}  // namespace
}  // namespace quill10
