// The calculation driver: re-entry guard, blank worksheets, the default
// case, the check report's layout and numbering, the printed-page copies.
#include <gtest/gtest.h>

#include <filesystem>

#include "WorksheetFixture.h"
#include "calc/SupportTable.h"
#include "files/ClientFile.h"
#include "store/CreateErrorStr.h"
#include "platform/TextEncoding.h"

namespace quill10 {
namespace {

using test::WorksheetTest;

const std::string kDashes(65, '-');

TEST_F(WorksheetTest, CalculateCalledWhileCalculatingDoesNothing) {
    int refreshes = 0;
    store->Environment().refreshScreen = [&] {
        ++refreshes;
        EXPECT_TRUE(store->CalcFlag);
        Set(2, 13, "stale");
        store->Calculate();  // a refresh event that recalculates must not re-enter
        EXPECT_EQ(Get(2, 13), "stale");
    };
    Calculate();
    EXPECT_EQ(refreshes, 1);
    EXPECT_FALSE(store->CalcFlag);
}

TEST_F(WorksheetTest, BlankSoleSharedWorksheetIsNotRecalculated) {
    Set(1, 6, "");
    Set(2, 13, "999.00");
    Calculate();
    EXPECT_EQ(Get(2, 13), "999.00");
    Set(1, 0, "Doe & Doe");  // a caption is enough to calculate it
    Calculate();
    EXPECT_EQ(Get(2, 13), "0.00");
}

TEST_F(WorksheetTest, DefaultCaseIsAlwaysCalculated) {
    Calculate();
    EXPECT_EQ(Get(10, 9), "");  // the blank split worksheet of an ordinary file is skipped
    store->Environment().currentFileName = "default.q10";
    Calculate();
    EXPECT_EQ(Get(10, 9), "0.0000");
    EXPECT_EQ(Get(2, 13), "0.00");
    EXPECT_EQ(Get(1, 99), "default.q10");
    EXPECT_EQ(Get(1, 98), "10.14");
}

TEST_F(WorksheetTest, PrintedPagesCopyTheCalculationPages) {
    Set(1, 19, "45,000.00");
    Override(1, 35, "100.00");
    Calculate();
    for (int page = 1; page <= 6; ++page)
        for (int slot = 0; slot <= 100; ++slot) {
            ASSERT_EQ(Get(page + 17, slot), Get(page, slot)) << page << ":" << slot;
            ASSERT_EQ(store->OvRide(page + 17, slot), store->OvRide(page, slot));
        }
    EXPECT_TRUE(store->OvRide(18, 35));
    EXPECT_EQ(Get(19, 13), "44,900.00");  // 45,000 less the overridden 2c of 100
}

TEST_F(WorksheetTest, ReportHeaderAndNoCommentsLine) {
    Set({{1, 50, "John"}, {1, 51, "Mary"}, {1, 1, "DR-19-001"}, {1, 53, "X"}, {1, 4, "X"}, {1, 6, ""},
         {1, 19, "30,000.00"}});
    Calculate();  // the header shows the caption as the last calculation left it
    const std::string report = CalculateChecked();
    EXPECT_EQ(report, ScheduleLines() + kDashes + "\r\nJohn & Mary - 3/7/2019\r\nCase No.: DR-19-001\r\n" + kDashes +
                          "\r\nSole Residential/Shared Parenting Worksheet\r\n" + kDashes + "\r\n\r\n" +
                          "1. There are no comments or errors in this worksheet. \r\n\r\n");
    EXPECT_FALSE(store->ErrFlag);
}

TEST_F(WorksheetTest, ReportNamesTheScheduleInUse) {
    Set({{1, 53, "X"}, {1, 4, "X"}, {1, 6, ""}, {1, 19, "30,000.00"}});
    const std::string installed = CalculateChecked();
    const std::string first = installed.substr(0, installed.find("\r\n"));
    EXPECT_EQ(first.rfind(Utf8ToCp1252(kDemonstrationFooter) + " Support schedule: " +
                              store->Environment().Table().Path() + " of ",
                          0),
              0u)
        << first;
    EXPECT_NE(first.find("(the demonstration schedule installed with QUILL10, not the official Ohio schedule)"),
              std::string::npos)
        << first;
    // An office's own schedule (one amount differs) is named without the note.
    std::string table = test::ReadWholeFile(store->Environment().Table().Path());
    table.replace(table.rfind("\t"), 1, "\t1");  // the last row's six-children amount grows
    test::WriteWholeFile(folder.File("table.txt"), table);
    store->Environment().SetProgramFolder(folder.Path().string());
    const std::string own = CalculateChecked();
    EXPECT_EQ(own.rfind("Support schedule: table.txt (fingerprint ", 0), 0u) << own;
    EXPECT_NE(own.find("; file " + folder.File("table.txt") + " of "), std::string::npos) << own;
    EXPECT_EQ(own.find("demonstration"), std::string::npos);
}

TEST_F(WorksheetTest, CommentsAreNumberedAcrossTheReport) {
    Set({{1, 53, "X"}, {1, 6, ""}, {1, 19, "30,000.00"}});  // sole residential without a residential parent
    Override(1, 35, "10.00");
    const std::string report = CalculateChecked();
    EXPECT_NE(report.find("\r\n1. Sole/Shared Worksheet, Page 1 Caption. You have checked the sole residential "
                          "checkbox but have not selected either parent as the residential parent.\r\n\r\n"
                          "2. Sole/Shared Worksheet, Line 2c. Father's FICA calculation is overridden.\r\n\r\n"),
              std::string::npos)
        << report;
    EXPECT_EQ(report.find("There are no comments"), std::string::npos);
    EXPECT_TRUE(store->ErrFlag);
}

TEST_F(WorksheetTest, NoticesAloneDoNotSetTheErrorFlag) {
    Set({{1, 53, "X"}, {1, 4, "X"}, {1, 6, ""}, {1, 19, "30,000.00"}});
    Override(1, 35, "10.00");
    const std::string report = CalculateChecked();
    EXPECT_TRUE(HasComment(report, "Sole/Shared Worksheet, Line 2c. Father's FICA calculation is overridden."));
    EXPECT_FALSE(store->ErrFlag);
    // Outside checking mode nothing is written but the checks still run.
    Set(1, 4, "");
    std::filesystem::remove(folder.File("CheckWorksheet.txt"));
    Calculate();
    EXPECT_TRUE(store->ErrFlag);
    EXPECT_FALSE(std::filesystem::exists(folder.File("CheckWorksheet.txt")));
}

// The report is written at the end of the calculation the way a case is
// saved: one that cannot be written shows error 18034, keeps the reason for
// the caller and leaves the report that was there before as it was.
TEST_F(WorksheetTest, ReportThatCannotBeWrittenKeepsTheReason) {
    const std::string report = folder.File("CheckWorksheet.txt");
    struct Case {
        const char* label;
        std::string clientFolder;
        std::string reason;  // after "cannot save \"<report>\": "
    };
    const Case kCases[] = {
        {"missing folder", folder.File("no/such/folder"),
         "cannot create a temporary file in its folder: No such file or directory"},
        {"read-only report", folder.Path().string(), "the file is read-only"},
    };
    test::WriteWholeFile(report, "the previous report");
    std::filesystem::permissions(report, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    for (const Case& c : kCases) {
        test::ErrorRecorder errors;
        store->Environment().clientFolder = c.clientFolder;
        Set(2, 13, "stale");
        CalculateChecked();
        const std::string path = c.clientFolder + "/CheckWorksheet.txt";
        EXPECT_EQ(store->Environment().checkReportError, "cannot save \"" + path + "\": " + c.reason) << c.label;
        EXPECT_EQ(errors.Codes(), std::vector<int>{18034}) << c.label;
        EXPECT_EQ(errors.Texts(), std::vector<std::string>{CreateErrorStr(1803)}) << c.label;
        EXPECT_EQ(Get(2, 13), "0.00") << c.label;  // the worksheet was calculated all the same
        EXPECT_FALSE(store->CalcFlag);
    }
    EXPECT_EQ(test::ReadWholeFile(report), "the previous report");
    std::filesystem::permissions(report, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    CalculateChecked();
    EXPECT_EQ(store->Environment().checkReportError, "");
    EXPECT_NE(test::ReadWholeFile(report).find("1. "), std::string::npos) << test::ReadWholeFile(report);
}

TEST_F(WorksheetTest, MissingSupportTableEndsTheCalculationCleanly) {
    store->Environment().SetProgramFolder(folder.Path().string());  // no table.txt here
    test::WriteWholeFile(folder.File("CheckWorksheet.txt"), "the previous report");
    Set(1, 19, "30,000.00");
    EXPECT_THROW(CalculateChecked(), SupportTableError);
    EXPECT_FALSE(store->CalcFlag);
    // The report of half a calculation is not written.
    EXPECT_EQ(test::ReadWholeFile(folder.File("CheckWorksheet.txt")), "the previous report");
    store->Environment().SetProgramFolder(test::ProgramFolder());
    EXPECT_NE(CalculateChecked().find("Sole Residential/Shared Parenting Worksheet"), std::string::npos);
}

// An amount entry that cannot be read is named once, with its line, column
// and text, in the check report and as one numbered error, not as an
// anonymous parser error for each line that reads it.
TEST_F(WorksheetTest, AnUnreadableEntryIsNamedOnceWithItsLine) {
    Set(1, 19, "60,0x0.00");   // line 1a, father
    Set(8, 19, "1,2,3.4.5");    // line 1a, mother, split worksheet
    Set(8, 18, "30,000.00");    // the split worksheet is calculated
    test::ErrorRecorder errors;
    const std::string report = CalculateChecked();
    EXPECT_NE(report.find("Sole/Shared Worksheet, Line 1a, Column I: \"60,0x0.00\" cannot be read as an amount; it "
                          "was counted as 0."),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("Split Parental Worksheet, Line 1a, Column II: \"1,2,3.4.5\" cannot be read"),
              std::string::npos)
        << report;
    EXPECT_EQ(errors.Codes(), (std::vector<int>{kErrUnreadableEntry, kErrUnreadableEntry}));
    EXPECT_EQ(errors.Texts().front(),
              "Line 1a, Column I: \"60,0x0.00\" cannot be read as an amount; it was counted as 0.");
}

// A schedule that cannot be read leaves no figure of an earlier calculation
// beside the entries, and no entry is lost: calculated again once the
// schedule is back, every sample case is what it was.
TEST(NotComputed, ComputedFiguresAreClearedAndTheEntriesKept) {
    const std::string samples = test::ProgramFolder() + "/samples";
    test::ScratchFolder folder;
    int notComputed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(samples)) {
        const std::string name = entry.path().filename().string();
        auto environment = std::make_shared<CalcEnvironment>();
        environment->SetProgramFolder(test::ProgramFolder());
        environment->currentFileName = entry.path().string();
        std::string error;
        std::optional<ClientFileContents> contents = ReadClientFile(entry.path().string(), environment, error);
        ASSERT_TRUE(contents) << name << ": " << error;
        TAnswer& store = *contents->answers;
        store.Calculate();
        const RAnswer before = *store.PAnsw;
        const auto beforeText = [&before](int page, int slot) -> const std::string& {
            return before.Page[static_cast<size_t>(page)][static_cast<size_t>(slot)].Text;
        };

        environment->SetProgramFolder(folder.Path().string());  // no table.txt there
        try {
            store.Calculate();
            continue;  // a case above $150,000 never reads the schedule
        } catch (const SupportTableError&) {
            ++notComputed;
        }
        const std::string line28 = store.Text(6, 4).empty() ? store.Text(13, 4) : store.Text(6, 4);
        EXPECT_EQ(line28, "") << name;  // a final figure is gone
        size_t cleared = 0;
        for (int page = 0; page < kPageCount; ++page)
            for (int slot = 0; slot <= LastSlot(page); ++slot)
                if (store.Text(page, slot).empty() && !beforeText(page, slot).empty()) ++cleared;
        EXPECT_GT(cleared, 50u) << name;

        environment->SetProgramFolder(test::ProgramFolder());
        store.Calculate();
        for (int page = 0; page < kPageCount; ++page)
            for (int slot = 0; slot <= LastSlot(page); ++slot) {
                const AnswerItem& was = before.Page[static_cast<size_t>(page)][static_cast<size_t>(slot)];
                ASSERT_EQ(store.Text(page, slot), was.Text) << name << " " << page << ":" << slot;
                ASSERT_EQ(store.OvRide(page, slot), was.Obj.OvRide) << name << " " << page << ":" << slot;
            }
    }
    EXPECT_GE(notComputed, 5);
}

}  // namespace
}  // namespace quill10
