// Line 17 lookups in the support schedule and the line 20b health
// expenditures.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include <sys/stat.h>

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
    checking.Create(folder.File("report.txt"));
    store->SupportLookUp(2, 0, true, true, true, checking, 160000);
    store->SupportLookUp(2, 0, true, false, false, checking, 160000);
    store->SupportLookUp(2, 0, true, false, false, checking, 140000);  // inside the schedule: no comment
    std::string error;
    ASSERT_TRUE(checking.Save(error)) << error;
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
    changed.replace(changed.find("30000\t3000\t"), 11, "30000\t3033\t");
    // A different size is enough to notice the change even within the
    // file system's time resolution.
    changed += "\r\n";
    test::WriteWholeFile(folder.File("table.txt"), changed);
    EXPECT_DOUBLE_EQ(Lookup(1, 0, 30000), 3033);
}

TEST_F(SupportLookUpTest, MissingTableIsAClearError) {
    std::filesystem::remove(folder.File("table.txt"));
    try {
        Lookup(1, 0, 30000);
        FAIL() << "a missing table was accepted";
    } catch (const SupportTableError& error) {
        EXPECT_EQ(std::string(error.what()), "The support table \"" + folder.File("table.txt") +
                                                 "\" cannot be read: No such file or directory. Install table.txt "
                                                 "in the program folder and calculate again.");
    }
    EXPECT_DOUBLE_EQ(Lookup(1, 0, 160000, true), 15218);  // above the schedule the file is never read
}

// The hand-made table with its line `number` (from 1) replaced by `line`,
// or taken out when `line` is null.
std::string WithRow(size_t number, const char* line) {
    std::string table = HandMadeTable();
    size_t start = 0;
    for (size_t n = 1; n < number; ++n) start = table.find("\r\n", start) + 2;
    const size_t end = table.find("\r\n", start) + 2;
    return table.substr(0, start) + (line ? std::string(line) + "\r\n" : std::string()) + table.substr(end);
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// The lines of a table whose every line ends with CR LF, in reverse order.
std::string Reversed(const std::string& table) {
    std::vector<std::string> lines;
    for (size_t start = 0; start < table.size();) {
        const size_t end = table.find("\r\n", start) + 2;
        lines.push_back(table.substr(start, end - start));
        start = end;
    }
    std::string reversed;
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) reversed += *line;
    return reversed;
}

struct DamagedTable {
    const char* label;
    std::string text;
    std::string problem;  // what the message says after the file's name
};

// Each damaged table is refused as a whole, with one message that names
// the file, the line and what is wrong, and no amount comes from it: not
// even from its sound rows.  The hand-made table's line 5 is the row of
// $9,000 (6,600 + 4 x 600) and its last line, 239, the row of $149,400.
TEST_F(SupportLookUpTest, DamagedTablesAreRefusedWithOneMessage) {
    const std::string garbage = [] {
        std::string lines;
        for (int k = 0; k < 20000; ++k) lines += "garbage\r\n";
        return lines;
    }();
    const DamagedTable kTables[] = {
        {"empty", "", "it holds no rows"},
        {"blank lines only", "\r\n  \r\n\t\r\n", "it holds no rows"},
        {"carriage returns alone end the lines", Replaced(HandMadeTable(), "\r\n", "\r"),
         "line 1: it does not hold the row's income and six amounts separated by tabs"},
        {"a single row", "6600\t660\t1320\t1980\t2640\t3300\t3960\r\n",
         "line 1: the rows end with $6,600, so the incomes from $7,200 up to $150,000 have no row"},
        {"rows stop short of $150,000", WithRow(239, nullptr),
         "line 238: the rows end with $148,800, so the incomes from $149,400 up to $150,000 have no row"},
        {"reverse order", Reversed(HandMadeTable()),
         "line 1: the rows from $6,600 to $148,800 are missing \u2014 was a page of the PDF lost?"},
        {"a first row above $6,600", WithRow(1, nullptr),
         "line 1: the rows from $6,600 to $6,600 are missing \u2014 was a page of the PDF lost?"},
        {"a first row below $6,600", "6000\t600\t1200\t1800\t2400\t3000\t3600\r\n" + HandMadeTable(),
         "line 1: the first row's income, $6,000, should be $6,600, where every schedule begins"},
        {"an amount that falls as income rises", WithRow(5, "9000\t800\t1800\t2700\t3600\t4500\t5400"),
         "line 5: the amount for 1 child, $800, is less than the amount for 1 child in the row of $8,400, $840: an "
         "amount may not fall as income rises"},
        {"a row past the schedule", HandMadeTable() + "150000\t1\t2\t3\t4\t5\t6\r\n",
         "line 240: the row of $150,000 is past the schedule's last row, $149,400 (incomes of $150,000 and more "
         "follow the worksheet's own rule)"},
        {"a row of zeros", "6600\t0\t0\t0\t0\t0\t0\r\n", "line 1: the row holds no amount above $0"},
        {"two rows swapped", WithRow(5, "9600\t960\t1920\t2880\t3840\t4800\t5760"),
         "line 5: the income $9,600 should be $9,000, $600 above the row before"},
        {"a gap", WithRow(5, nullptr), "line 5: the income $9,600 should be $9,000, $600 above the row before"},
        {"a repeated row", WithRow(5, "8400\t840\t1680\t2520\t3360\t4200\t5040"),
         "line 5: the income $8,400 should be $9,000, $600 above the row before"},
        {"a negative amount", WithRow(5, "9000\t-900\t1800\t2700\t3600\t4500\t5400"),
         "line 5: the amount for 1 child \"-900\" is not a whole, non-negative number of dollars"},
        {"an amount in brackets", WithRow(5, "9000\t900\t(1800)\t2700\t3600\t4500\t5400"),
         "line 5: the amount for 2 children \"(1800)\" is not a whole, non-negative number of dollars"},
        {"an exponent", WithRow(5, "9000\t900\t1800\t1e308\t3600\t4500\t5400"),
         "line 5: the amount for 3 children \"1e308\" is not a whole, non-negative number of dollars"},
        {"not a number", WithRow(5, "9000\t900\t1800\t2700\tNaN\t4500\t5400"),
         "line 5: the amount for 4 children \"NaN\" is not a whole, non-negative number of dollars"},
        {"cents", WithRow(5, "9000\t900\t1800\t2700\t3600\t4500.50\t5400"),
         "line 5: the amount for 5 children \"4500.50\" is not a whole, non-negative number of dollars"},
        {"an empty amount", WithRow(5, "9000\t900\t1800\t2700\t3600\t4500\t"),
         "line 5: the amount for 6 children \"\" is not a whole, non-negative number of dollars"},
        {"an income that is no number", WithRow(5, "nine\t900\t1800\t2700\t3600\t4500\t5400"),
         "line 5: the income \"nine\" is not a whole, non-negative number of dollars"},
        {"an amount that falls", WithRow(5, "9000\t900\t1800\t2700\t2600\t4500\t5400"),
         "line 5: the amount for 4 children, $2,600, is less than the amount for 3 children, $2,700"},
        {"a field too many", WithRow(5, "9000\t900\t1800\t2700\t3600\t4500\t5400\t"),
         "line 5: it does not hold the row's income and six amounts separated by tabs"},
        {"a field too few", WithRow(5, "9000\t900\t1800\t2700\t3600\t4500"),
         "line 5: it does not hold the row's income and six amounts separated by tabs"},
        {"an empty line between rows", WithRow(5, ""), "line 5: the line is empty, and rows follow it"},
        {"garbage lines", garbage,
         "line 1: it does not hold the row's income and six amounts separated by tabs"},
    };
    for (const DamagedTable& table : kTables) {
        test::WriteWholeFile(folder.File("table.txt"), table.text);
        test::ErrorRecorder errors;
        try {
            Lookup(1, 1, 30300);
            ADD_FAILURE() << table.label << ": the table was accepted";
        } catch (const SupportTableError& error) {
            EXPECT_EQ(std::string(error.what()),
                      "The support table \"" + folder.File("table.txt") + "\" is not in the table format: " +
                          table.problem + (table.problem.ends_with('?') ? "" : ".") +
                          " No support is calculated from it until it is corrected.")
                << table.label;
        }
        EXPECT_THROW(Lookup(1, 0, 6600), SupportTableError) << table.label;  // nor from its sound rows
        EXPECT_TRUE(errors.Codes().empty()) << table.label;
    }
    // Put right, the table is read again and used.
    test::WriteWholeFile(folder.File("table.txt"), HandMadeTable());
    EXPECT_DOUBLE_EQ(Lookup(1, 0, 30000), 3000);
}

// What a schedule may look like: amounts with "$", thousands separators
// and zero cents, blanks around the fields, LF alone, empty lines at the
// end, and the UTF-8 mark that some editors put first.
TEST_F(SupportLookUpTest, TableFormsThatAreRead) {
    const std::string kTables[] = {
        Replaced(HandMadeTable(), "\t3000\t", "\t$3,000\t"),
        Replaced(HandMadeTable(), "\t3000\t", "\t3000.00\t"),
        Replaced(HandMadeTable(), "\t3000\t", "\t 3000 \t"),
        Replaced(HandMadeTable(), "\r\n", "\n"),
        HandMadeTable() + "\r\n\r\n",
        "\xEF\xBB\xBF" + HandMadeTable(),
    };
    for (const std::string& table : kTables) {
        test::WriteWholeFile(folder.File("table.txt"), table);
        EXPECT_DOUBLE_EQ(Lookup(1, 0, 30000), 3000) << table.substr(0, 80);
        EXPECT_DOUBLE_EQ(Lookup(6, 2, 30001), 18360) << table.substr(0, 80);
    }
}

// Not a regular file: a folder, a pipe (which would wait for a writer) and
// a device that never ends.
TEST_F(SupportLookUpTest, TableThatIsNoFileIsRefused) {
    std::filesystem::remove(folder.File("table.txt"));
    std::filesystem::create_directory(folder.File("table.txt"));
    EXPECT_THROW(Lookup(1, 0, 30000), SupportTableError);
    std::filesystem::remove(folder.File("table.txt"));
    ASSERT_EQ(::mkfifo(folder.File("table.txt").c_str(), 0600), 0);
    try {
        Lookup(1, 0, 30000);
        FAIL() << "a pipe was read";
    } catch (const SupportTableError& error) {
        EXPECT_NE(std::string(error.what()).find("it is not a regular file"), std::string::npos) << error.what();
    }
    SupportTable device;
    device.SetPath("/dev/zero");
    EXPECT_THROW(device.RowCount(), SupportTableError);
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
