// Scenarios side by side: each column is its case's own calculation,
// differences are marked exactly where values differ, the CSV reads back,
// and a file that cannot be read keeps its column.
#include <gtest/gtest.h>

#include <algorithm>

#include "TestSupport.h"
#include "files/ClientFile.h"
#include "scenarios/ScenarioComparison.h"
#include "store/Answers.h"

namespace quill10 {
namespace {

std::string Sample(const std::string& name) { return test::ProgramFolder() + "/samples/" + name; }

// A sample case's own figures, calculated alone.
std::vector<std::pair<std::string, std::string>> OwnFigures(const std::string& path) {
    auto environment = std::make_shared<CalcEnvironment>();
    environment->SetProgramFolder(test::ProgramFolder());
    environment->currentFileName = path;
    std::string error;
    auto contents = ReadClientFile(path, environment, error);
    EXPECT_TRUE(contents) << error;
    contents->answers->Calculate();
    return ScenarioFigures(*contents->answers);
}

size_t RowOf(const ScenarioComparison& c, const std::string& label) {
    return static_cast<size_t>(std::find(c.labels.begin(), c.labels.end(), label) - c.labels.begin());
}

class ScenarioComparisonTest : public ::testing::Test {
protected:
    test::FixedToday today;
    test::ErrorRecorder errors;
    test::ScratchFolder folder;
};

TEST_F(ScenarioComparisonTest, EachColumnIsItsCasesOwnCalculation) {
    const std::vector<std::string> files = {Sample("sole-father-pays.q10"), Sample("shared-deviation.q10"),
                                            Sample("split.q10")};
    const ScenarioComparison c = CompareScenarios(files, test::ProgramFolder(), {});
    ASSERT_EQ(c.columns.size(), 3u);
    for (size_t column = 0; column < files.size(); ++column) {
        EXPECT_EQ(c.columns[column].error, "");
        for (const auto& [label, value] : OwnFigures(files[column]))
            EXPECT_EQ(c.columns[column].values[RowOf(c, label)], value) << files[column] << ": " << label;
    }
    EXPECT_EQ(c.columns[0].values[RowOf(c, "Line 28: annual support, insurance provided")], "9,697.20");
    EXPECT_EQ(c.columns[0].values[RowOf(c, "Obligor")], "Father");
    EXPECT_EQ(c.columns[2].worksheet, "Split");
    // A split line has no sole/shared column value, and the reverse.
    EXPECT_EQ(c.columns[0].values[RowOf(c, "Line 26: annual support, insurance provided")], "");
    EXPECT_EQ(c.columns[2].values[RowOf(c, "Line 28: annual support, insurance provided")], "");
}

// A sole residential order's deviation (line 27a) is a row of its own, so
// a scenario that differs only there shows where, not only in line 28.
TEST_F(ScenarioComparisonTest, ALine27aDeviationIsShownOnItsOwnRow) {
    auto environment = std::make_shared<CalcEnvironment>();
    std::string error;
    auto contents = ReadClientFile(Sample("sole-father-pays.q10"), environment, error);
    ASSERT_TRUE(contents) << error;
    contents->answers->SetText(5, 20, "-1,200.00");
    ASSERT_TRUE(WriteClientFile(folder.File("deviation.q10"), *contents->answers, contents->grid, error)) << error;
    const ScenarioComparison c =
        CompareScenarios({Sample("sole-father-pays.q10"), folder.File("deviation.q10")}, test::ProgramFolder(), {});
    const size_t row = RowOf(c, "Line 27a, father: deviation of a sole residential order");
    ASSERT_LT(row, c.labels.size());
    EXPECT_TRUE(c.Differs(1, row));
    EXPECT_EQ(c.columns[1].values[row], "-1,200.00");
    EXPECT_LT(row, RowOf(c, "Line 27b, father: deviation"));
    EXPECT_LT(RowOf(c, "Line 27a, mother: deviation of a sole residential order"), c.labels.size());
}

TEST_F(ScenarioComparisonTest, DifferencesAreMarkedExactlyWhereValuesDiffer) {
    ScenarioComparison c;
    c.labels = {"Line 7a, father: gross income", "Line 16, father: income share", "Obligor", "Line 15: combined income"};
    c.columns = {{"a.q10", "Sole/Shared", "", {"60,000.00", "0.6000", "Father", "100,000.00"}},
                 {"b.q10", "Sole/Shared", "", {"61,000.00", "0.5875", "Father", "100000"}},
                 {"c.q10", "Sole/Shared", "", {"59,500.50", "0.6000", "Mother", ""}}};
    struct Case {
        size_t column, row;
        bool differs;
        const char* difference;
    };
    const Case cases[] = {
        {0, 0, false, ""},         {1, 0, true, "+1,000.00"}, {2, 0, true, "-499.50"},
        {1, 1, true, "-0.0125"},   {2, 1, false, ""},         {1, 2, false, ""},
        {2, 2, true, ""},          {1, 3, false, ""},  // "100000" is the same figure as "100,000.00"
        {2, 3, true, ""},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(c.Differs(k.column, k.row), k.differs) << k.column << "," << k.row;
        EXPECT_EQ(c.Difference(k.column, k.row), k.difference) << k.column << "," << k.row;
    }
    const std::string text = ComparisonText(c);
    EXPECT_NE(text.find("*61,000.00 (+1,000.00)"), std::string::npos) << text;
    EXPECT_NE(text.find("*Mother"), std::string::npos) << text;
    EXPECT_EQ(text.find("*Father"), std::string::npos) << text;
}

TEST_F(ScenarioComparisonTest, CsvReadsBackCellForCell) {
    ScenarioComparison c = CompareScenarios({Sample("sole-father-pays.q10"), Sample("sole-mother-pays.q10")},
                                            test::ProgramFolder(), {});
    c.columns[1].file = folder.File("odd, \"quoted\" name.q10");
    const auto rows = ParseCsv(ComparisonCsv(c));
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), c.labels.size() + 2);
    EXPECT_EQ((*rows)[0], (std::vector<std::string>{"Line", "sole-father-pays.q10", "odd, \"quoted\" name.q10",
                                                     "Difference to sole-father-pays.q10"}));
    for (size_t row = 0; row < c.labels.size(); ++row) {
        const std::vector<std::string>& cells = (*rows)[row + 2];
        EXPECT_EQ(cells, (std::vector<std::string>{c.labels[row], c.columns[0].values[row], c.columns[1].values[row],
                                                    c.Difference(1, row)}));
    }
    EXPECT_FALSE(ParseCsv("a,\"open"));
}

TEST_F(ScenarioComparisonTest, AFileThatCannotBeReadKeepsItsColumn) {
    test::WriteWholeFile(folder.File("broken.q10"), "QUILL10\r\nnot a version\r\n");
    const ScenarioComparison c = CompareScenarios(
        {Sample("split.q10"), folder.File("missing.q10"), folder.File("broken.q10"), Sample("split.q10")},
        test::ProgramFolder(), {});
    ASSERT_EQ(c.columns.size(), 4u);
    EXPECT_NE(c.columns[1].error.find("cannot read missing.q10"), std::string::npos) << c.columns[1].error;
    EXPECT_NE(c.columns[2].error.find("cannot read broken.q10"), std::string::npos) << c.columns[2].error;
    const size_t support = RowOf(c, "Line 26: annual support, insurance provided");
    EXPECT_EQ(c.columns[3].values[support], c.columns[0].values[support]);
    EXPECT_FALSE(c.columns[0].values[support].empty());
    for (size_t row = 0; row < c.labels.size(); ++row) EXPECT_FALSE(c.Differs(1, row));
    EXPECT_NE(ComparisonText(c).find("cannot read missing.q10"), std::string::npos);
}

TEST(ScenarioFileName, SitsBesideTheCase) {
    EXPECT_EQ(ScenarioFileName("/cases/Smith.q10", "imputed income"), "/cases/Smith - imputed income.q10");
    EXPECT_EQ(ScenarioFileName("/cases/Smith.Brown.Q10", "shared"), "/cases/Smith.Brown - shared.q10");
}

}  // namespace
}  // namespace quill10
