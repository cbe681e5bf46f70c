// Line 17 lookups in the support schedule and the line 20b health
// expenditures.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "TestSupport.h"
#include "calc/CheckReport.h"
#include "calc/SupportTable.h"

namespace quill10 {
namespace {

// A schedule whose amounts are easy to work out by hand: the row at income
// R pays R / 10 for one child, twice that for two children, and so on.
std::string HandMadeTable() {
    std::string table;
    for (int income = 6600; income <= 149400; income += 600) {
        table += std::to_string(income);
        for (int children = 1; children <= 6; ++children) table += "\t" + std::to_string(income / 10 * children);
        table += "\r\n";
    }
    return table;
}

class SupportLookUpTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::WriteWholeFile(folder.File("table.txt"), HandMadeTable());
        auto environment = std::make_shared<CalcEnvironment>();
        environment->SetProgramFolder(folder.Path().string());
        store = std::make_unique<TAnswer>(environment);
    }
    double Lookup(int children, int method, double income, bool limit = false) {
        return store->SupportLookUp(children, method, false, limit, true, report, income);
    }
    test::ScratchFolder folder;
    std::unique_ptr<TAnswer> store;
    CheckReport report;
};

TEST_F(SupportLookUpTest, ThreeMethodsBetweenTwoRows) {
    EXPECT_DOUBLE_EQ(Lookup(1, 0, 30300), 3000);
    EXPECT_DOUBLE_EQ(Lookup(1, 1, 30300), 3030);
    EXPECT_DOUBLE_EQ(Lookup(1, 2, 30300), 3060);
    EXPECT_DOUBLE_EQ(Lookup(2, 1, 30450), 6000 + 450 * (6120 - 6000) / 600.0);
    EXPECT_DOUBLE_EQ(Lookup(1, 7, 30300), -1);
}

TEST_F(SupportLookUpTest, IncomeOnARowGivesThatRowWithEveryMethod) {
    for (int method = 0; method <= 2; ++method) EXPECT_DOUBLE_EQ(Lookup(3, method, 30000), 9000) << method;
}

TEST_F(SupportLookUpTest, HighTestsOnlyTheWholeDollars) {
    EXPECT_DOUBLE_EQ(Lookup(1, 2, 30000.50), 3000);
    EXPECT_DOUBLE_EQ(Lookup(1, 2, 30001), 3060);
}

TEST_F(SupportLookUpTest, EdgesOfTheSchedule) {
    EXPECT_DOUBLE_EQ(Lookup(1, 0, 100), 660);        // below the first row: the first row
    EXPECT_DOUBLE_EQ(Lookup(7, 0, 30000), 18000);    // seven children use the six-children column
    EXPECT_DOUBLE_EQ(Lookup(0, 0, 30000), 0);        // no child, no obligation
    EXPECT_DOUBLE_EQ(Lookup(1, 1, 149700), 14940 + 300 * (15217.995 - 14940) / 600);
    EXPECT_DOUBLE_EQ(Lookup(1, 1, 149700, true), 14940 + 300 * (15218 - 14940) / 600.0);
}

TEST_F(SupportLookUpTest, AboveTheScheduleLimitedOrByShareOfIncome) {
    EXPECT_DOUBLE_EQ(Lookup(1, 1, 200000, true), 15218);
    EXPECT_NEAR(Lookup(1, 1, 200000, false), 20290.66, 1e-9);
    const double limited[] = {15218, 21971, 25823, 28534, 30931, 33099};
    const double percentage[] = {0.1014533, 0.1464733, 0.1721533, 0.1902266, 0.2062066, 0.22066};
    for (int children = 1; children <= 7; ++children) {
        int k = std::min(children, 6) - 1;
        EXPECT_DOUBLE_EQ(Lookup(children, 2, 150000, true), limited[k]);
        EXPECT_DOUBLE_EQ(Lookup(children, 0, 180000, false), 180000 * percentage[k]);
        EXPECT_NEAR(limited[k], 150000 * percentage[k], 0.011);
    }
    test::ErrorRecorder errors;
    EXPECT_DOUBLE_EQ(Lookup(0, 0, 160000, true), 0);
    EXPECT_DOUBLE_EQ(Lookup(0, 0, 160000, false), 0);
    EXPECT_EQ(errors.Codes(), (std::vector<int>{29247, 29237}));
}

TEST_F(SupportLookUpTest, AboveScheduleCommentsNameTheWorksheetAndTheLimit) {
    CheckReport checking;
    ASSERT_TRUE(checking.Create(folder.File("report.txt")));
    store->SupportLookUp(2, 0, true, true, true, checking, 160000);
    store->SupportLookUp(2, 0, true, false, false, checking, 160000);
    store->SupportLookUp(2, 0, true, false, false, checking, 140000);  // inside the schedule: no comment
    checking.Close();
    EXPECT_EQ(test::ReadWholeFile(folder.File("report.txt")),
              "1. Sole/Shared Worksheet, Line 17. The parties' combined annual income on line 15 of the worksheet is "
              "greater than $150,000. See the line 17 help topic for more information. \r\n\r\n"
              "2. Sole/Shared Worksheet, Line 17. QUILL is set to limit child support in calculations involving "
              "combined gross incomes of greater than $150,000. \r\n\r\n"
              "3. Split Parental Worksheet, Line 17. The parties' combined annual income on line 15 of the worksheet "
              "is greater than $150,000. See the line 17 help topic for more information. \r\n\r\n"
              "4. Split Parental Worksheet, Line 17. QUILL is not set to limit child support in calculations "
              "involving combined gross incomes of greater than $150,000. \r\n\r\n");
}

TEST_F(SupportLookUpTest, TableIsReadAgainWhenItChanges) {
    EXPECT_DOUBLE_EQ(Lookup(1, 0, 30000), 3000);
    std::string changed = HandMadeTable();
    changed.replace(changed.find("30000\t3000\t"), 11, "30000\t3333\t");
    // A different size is enough to notice the change even within the
    // file system's time resolution.
    changed += "\r\n";
    test::WriteWholeFile(folder.File("table.txt"), changed);
    EXPECT_DOUBLE_EQ(Lookup(1, 0, 30000), 3333);
}

TEST_F(SupportLookUpTest, MissingOrMalformedTableIsAClearError) {
    std::filesystem::remove(folder.File("table.txt"));
    EXPECT_THROW(Lookup(1, 0, 30000), SupportTableError);
    EXPECT_DOUBLE_EQ(Lookup(1, 0, 160000, true), 15218);  // above the schedule the file is never read
    test::WriteWholeFile(folder.File("table.txt"), "6600\t1284\t1854\r\n");
    try {
        Lookup(1, 0, 30000);
        FAIL() << "a row of three fields was accepted";
    } catch (const SupportTableError& error) {
        EXPECT_NE(std::string(error.what()).find("line 1"), std::string::npos);
    }
}

TEST_F(SupportLookUpTest, UnreadableFieldReportsTheMoneyParserError) {
    test::WriteWholeFile(folder.File("table.txt"), "6600\t1,284\tabc\t3\t4\t5\t6\r\n7200\t$1,401\t2\t3\t4\t5\t6\r\n");
    test::ErrorRecorder errors;
    EXPECT_DOUBLE_EQ(Lookup(2, 0, 6700), 0);
    EXPECT_DOUBLE_EQ(Lookup(1, 0, 7300), 1401);
    EXPECT_EQ(errors.Codes(), (std::vector<int>{21202}));
}

TEST(InstalledSupportTable, HasTheScheduleShape) {
    SupportTable table;
    table.SetPath(test::ProgramFolder() + "/table.txt");
    ASSERT_EQ(table.RowCount(), 239u);
    double previous[7] = {};
    for (int income = 6600; income <= 149400; income += 600) {
        for (int children = 1; children <= 6; ++children) {
            double amount = table.Amount(income, children);
            EXPECT_GT(amount, previous[children]) << income << " " << children;
            if (children > 1) {
                EXPECT_GT(amount, table.Amount(income, children - 1));
            }
            previous[children] = amount;
        }
    }
}

TEST(HealthExpenditures, ByCombinedIncomeAndChildren) {
    TAnswer store;
    EXPECT_DOUBLE_EQ(store.GetAnnualHealthExpenditures(59200, 2), 2377);
    EXPECT_DOUBLE_EQ(store.GetAnnualHealthExpenditures(59199.99, 2), 1650);
    EXPECT_DOUBLE_EQ(store.GetAnnualHealthExpenditures(0, 1), 1048);
    EXPECT_DOUBLE_EQ(store.GetAnnualHealthExpenditures(107400, 3), 3720);
    EXPECT_DOUBLE_EQ(store.GetAnnualHealthExpenditures(500000, 9), 7440);
    EXPECT_DOUBLE_EQ(store.GetAnnualHealthExpenditures(9999999, 1), 0);
    EXPECT_DOUBLE_EQ(store.GetAnnualHealthExpenditures(50000, 0), 0);
}

}  // namespace
}  // namespace quill10
