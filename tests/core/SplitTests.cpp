// The split parental worksheet, line by line and as whole cases worked out
// by hand from the worksheet's rules.
#include <gtest/gtest.h>

#include <algorithm>

#include "WorksheetFixture.h"

namespace quill10 {
namespace {

using test::SlotText;

const std::string kDashes(65, '-');
const std::string kNoComments = "There are no comments or errors in this worksheet. ";

// A split case on its own: the sole/shared worksheet is left blank (its
// shared parenting box cleared), so every comment of the report is the
// split worksheet's.
class SplitTest : public test::WorksheetTest {
protected:
    SplitTest() { Set(1, 6, ""); }

    // Two parents alike in everything (50,000 each, one child with each), so
    // both netting steps come out equal unless a test tips them.
    void AlikeParents() { Set({{8, 18, "50,000.00"}, {8, 19, "50,000.00"}}); }

    std::vector<std::string> SplitComments() { return Comments(CalculateChecked()); }
};

// ---- Whole cases ----------------------------------------------------------------

struct SplitCase {
    const char* name;
    std::vector<SlotText> inputs;
    std::vector<SlotText> expected;
    int obligor;
    std::vector<std::string> comments;  // the whole report's comments, in order
};

// The installed table.txt rows used below (income: 1, 2 children):
//   79,800: 10,703 / 15,453    80,400: 10,753 / 15,525
//   99,600: 12,017 / 17,350   100,200: 12,030 / 17,368
// Health care expenditures: below 107,400 for 2 children 2,377, for 3 2,709;
// from 107,400 for 4 children 4,960.
const SplitCase kWholeCases[] = {
    {"FatherPaysOneChildEach",
     // Two children, one with each parent; father 60,000, mother 40,000; no
     // child care; processing charge 2 % (the default).
     {{8, 50, "John Doe"}, {8, 51, "Mary Doe"}, {8, 1, "DR-19-7"}, {8, 18, "60,000.00"}, {8, 19, "40,000.00"}},
     {
         {8, 0, "John Doe & Mary Doe"}, {8, 52, "March 7, 2019"},
         {9, 0, "John Doe"}, {9, 1, "Mary Doe"}, {9, 2, "DR-19-7"}, {9, 3, "3/7/2019"},
         {9, 13, "60,000.00"}, {9, 14, "40,000.00"}, {9, 15, "3,000.00"}, {9, 16, "2,000.00"},
         {9, 37, "0.00"}, {9, 38, "0.00"}, {9, 39, "60,000.00"}, {9, 40, "40,000.00"},
         // 14: poverty level 12060, 150 % 18,090; both 7a above it, so 14b = 5 % of 14a.
         {10, 7, "12060"}, {10, 19, "12060"}, {10, 52, "18,090.00"}, {10, 53, "18,090.00"},
         {10, 4, "3,000.00"}, {10, 5, "2,000.00"},
         {10, 8, "100,000.00"}, {10, 9, "0.6000"}, {10, 10, "0.4000"},
         // 17a and 17b, one child each: 12,017 + 400 x (12,030 - 12,017) / 600 = 12,025.67.
         {10, 14, "12,025.67"}, {10, 15, "12,025.67"},
         // 18: 12,025.67 x 0.6 = 7,215.402; x 0.4 = 4,810.268.
         {10, 16, "7,215.40"}, {10, 17, "4,810.27"},
         // 19: the father's default option 1 with no expenses gives no credit;
         // the mother has no option ticked, so her line 19 keeps its "".
         {11, 7, "60,000.00"}, {11, 11, "60,000.00"}, {11, 13, "1"}, {11, 33, "0.00"},
         {11, 8, "40,000.00"}, {11, 12, "40,000.00"}, {11, 14, "1"}, {11, 34, ""},
         // 20b: 2,377 / 2 children x 1 = 1,188.50, below both 14b maxima.
         {11, 41, "1,188.50"}, {11, 42, "1,188.50"},
         {11, 45, "0.00"}, {11, 46, "0.00"}, {11, 47, "0.00"}, {11, 48, "0.00"},
         // 22: 7,215.40 against 4,810.27; the father pays 2,405.13.
         {12, 4, "7,215.40"}, {12, 6, "7,215.40"}, {12, 7, "4,810.27"}, {12, 9, "4,810.27"},
         {12, 10, "2,405.13"}, {12, 11, ""},
         // 23: 1,188.50 x 0.6 = 713.10 and x 0.4 = 475.40.
         {12, 12, "713.10"}, {12, 13, "475.40"}, {12, 14, "475.40"}, {12, 15, "713.10"},
         // 24: father 7,215.40 + 713.10 - 475.40 = 7,453.10; mother's additions are
         // smaller than her subtractions, so 4,810.27; he pays 2,642.83.
         {13, 4, "7,453.10"}, {13, 6, "7,453.10"}, {13, 7, "4,810.27"}, {13, 9, "4,810.27"},
         {13, 10, "2,642.83"}, {13, 11, ""},
         {13, 12, "3,831.33"}, {13, 13, ""},  // 24h: 1,188.50 + 2,642.83
         {14, 24, "2,405.13"}, {14, 25, "2,642.83"}, {14, 26, "X"}, {14, 27, ""},
         // 27: 2,405.13 / 12 = 200.43, charge 2,405.13 x 0.02 / 12 = 4.01;
         //     2,642.83 / 12 = 220.24, charge 52.8566 / 12 = 4.40.
         {14, 21, "200.43"}, {14, 28, "4.01"}, {14, 6, "204.44"},
         {14, 22, "220.24"}, {14, 29, "4.40"}, {14, 7, "224.64"},
         // 28, 29: 1,188.50 / 12 = 99.04; 99.04 x 1.02 = 101.0208.
         {14, 8, "1,188.50"}, {14, 23, "99.04"}, {14, 9, "101.02"}, {14, 30, "1.98"},
         {14, 16, "John Doe"}, {14, 18, "Mary Doe"},
     },
     1,
     {kNoComments}},
    {"MotherPaysTwoChildrenWithHerAndFlatFee",
     // Three children, two with the mother; father 30,000 with 4,000 of child care
     // (option 1), mother 50,000 with a deviation of -488.53; a flat fee of 2.00
     // and no rate.
     {{8, 2, "3"}, {8, 4, "2"}, {8, 5, "1"}, {8, 18, "30,000.00"}, {8, 19, "50,000.00"}, {11, 5, "4,000.00"},
      {11, 49, "4,000.00"}, {13, 15, "-488.53"}, {14, 4, ""}, {14, 5, "2.00"}},
     {
         {10, 4, "1,500.00"}, {10, 5, "2,500.00"},
         {10, 8, "80,000.00"}, {10, 9, "0.3750"}, {10, 10, "0.6250"},
         // 17a, two children (with the mother): 15,453 + 200 x 72 / 600 = 15,477.
         // 17b, one child (with the father): 10,703 + 200 x 50 / 600 = 10,719.67.
         {10, 14, "15,477.00"}, {10, 15, "10,719.67"},
         // 18: 15,477 x 0.375 = 5,803.875; 10,719.67 x 0.625 = 6,699.79375.
         {10, 16, "5,803.88"}, {10, 17, "6,699.79"},
         // 19: one qualifying child (with the father), 4,000 limited to 3,000,
         // AGI 30,000 gives 27 %: credit 810, line 19 = 3,190.
         {11, 13, "1"}, {11, 14, "2"}, {11, 33, "3,190.00"},
         // 20b: 2,709 / 3 x 2 = 1,806 limited to 1,500; 2,709 / 3 x 1 = 903.
         {11, 41, "1,500.00"}, {11, 42, "903.00"},
         // 21: 3,190 x 0.625 = 1,993.75.
         {11, 45, "0.00"}, {11, 46, "1,993.75"}, {11, 47, "1,993.75"}, {11, 48, "0.00"},
         // 22: father 5,803.88; mother 6,699.79 + 1,993.75 = 8,693.54; she pays 2,889.66.
         {12, 4, "5,803.88"}, {12, 6, "5,803.88"}, {12, 7, "8,693.54"}, {12, 9, "8,693.54"},
         {12, 10, ""}, {12, 11, "2,889.66"},
         // 23: 903 x 0.375 = 338.625; (3,190 + 1,500) x 0.625 = 2,931.25.
         {12, 12, "338.63"}, {12, 13, "2,931.25"}, {12, 14, "2,931.25"}, {12, 15, "338.63"},
         // 24: mother 6,699.79 + 2,931.25 - 338.63 = 9,292.41; she pays 3,488.53.
         {13, 4, "5,803.88"}, {13, 6, "5,803.88"}, {13, 7, "9,292.41"}, {13, 9, "9,292.41"},
         {13, 10, ""}, {13, 11, "3,488.53"}, {13, 12, ""}, {13, 13, "4,391.53"},
         // 26: 2,889.66 - 488.53 and 3,488.53 - 488.53.
         {14, 24, "2,401.13"}, {14, 25, "3,000.00"}, {14, 26, ""}, {14, 27, "X"},
         // 27: 2,401.13 / 12 = 200.09 and 3,000 / 12 = 250, each plus the flat 2.00.
         {14, 21, "200.09"}, {14, 28, "2.00"}, {14, 6, "202.09"},
         {14, 22, "250.00"}, {14, 29, "2.00"}, {14, 7, "252.00"},
         // 28, 29: the mother's 903 / 12 = 75.25; no rate, so no charge (no flat fee here).
         {14, 8, "903.00"}, {14, 23, "75.25"}, {14, 9, ""}, {14, 30, ""},
     },
     2,
     {"Child Care Expenses. This is NOT an error. QUILL observes the $3,000 IRS limit per child when calculating the "
      "child care credit."}},
    {"AboveScheduleWithoutInsuranceNettingDeciding",
     // Four children, one with the mother and three with the father; father
     // 120,000, mother 80,000: combined 200,000, above the schedule, not limited.
     {{8, 2, "4"}, {8, 4, "1"}, {8, 5, "3"}, {8, 18, "120,000.00"}, {8, 19, "80,000.00"}},
     {
         {10, 4, "6,000.00"}, {10, 5, "4,000.00"},
         {10, 8, "200,000.00"}, {10, 9, "0.6000"}, {10, 10, "0.4000"},
         // 200,000 x 0.1014533 (one child) and x 0.1721533 (three children).
         {10, 14, "20,290.66"}, {10, 15, "34,430.66"},
         // 18: 20,290.66 x 0.6 = 12,174.396; 34,430.66 x 0.4 = 13,772.264.
         {10, 16, "12,174.40"}, {10, 17, "13,772.26"},
         {11, 13, "3"}, {11, 14, "1"},
         // 20b: 4,960 / 4 x 1 = 1,240; 4,960 / 4 x 3 = 3,720 (below the mother's 4,000).
         {11, 41, "1,240.00"}, {11, 42, "3,720.00"},
         // 22: the mother's obligation is the larger with insurance provided ...
         {12, 6, "12,174.40"}, {12, 9, "13,772.26"}, {12, 10, ""}, {12, 11, "1,597.86"},
         // 23: 3,720 x 0.6 = 2,232; 1,240 x 0.4 = 496.
         {12, 12, "2,232.00"}, {12, 13, "496.00"}, {12, 14, "496.00"}, {12, 15, "2,232.00"},
         // 24: ... but without it the father's is: 12,174.40 + 2,232 - 496 = 13,910.40
         // against 13,772.26, so he pays 138.14 and is the obligor.
         {13, 4, "13,910.40"}, {13, 6, "13,910.40"}, {13, 7, "13,772.26"}, {13, 9, "13,772.26"},
         {13, 10, "138.14"}, {13, 11, ""}, {13, 12, "1,378.14"}, {13, 13, ""},
         // 26: column I from his own, empty 22g slot.
         {14, 24, "0.00"}, {14, 25, "138.14"}, {14, 26, "X"}, {14, 27, ""},
         // 27: 138.14 / 12 = 11.51, charge 138.14 x 0.02 / 12 = 0.23.
         {14, 21, "0.00"}, {14, 28, "0.00"}, {14, 6, "0.00"},
         {14, 22, "11.51"}, {14, 29, "0.23"}, {14, 7, "11.74"},
         // 28, 29: 1,240 / 12 = 103.33; 103.33 x 1.02 = 105.3966.
         {14, 8, "1,240.00"}, {14, 23, "103.33"}, {14, 9, "105.40"}, {14, 30, "2.07"},
     },
     1,
     // The lookup writes its comments for the very first of its six calls only.
     {"Split Parental Worksheet, Line 17. The parties' combined annual income on line 15 of the worksheet is greater "
      "than $150,000. See the line 17 help topic for more information. ",
      "Split Parental Worksheet, Line 17. QUILL is not set to limit child support in calculations involving combined "
      "gross incomes of greater than $150,000. "}},
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }

class SplitWholeCase : public SplitTest, public ::testing::WithParamInterface<SplitCase> {};

TEST_P(SplitWholeCase, MatchesTheFiguresWorkedOutByHand) {
    Set(GetParam().inputs);
    const std::string report = CalculateChecked();
    ExpectSlots(GetParam().expected);
    EXPECT_EQ(store->SplitObligor, GetParam().obligor);
    EXPECT_EQ(Comments(report), GetParam().comments) << report;
    EXPECT_FALSE(store->ErrFlag) << report;
}

INSTANTIATE_TEST_SUITE_P(Cases, SplitWholeCase, ::testing::ValuesIn(kWholeCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Check report header ---------------------------------------------------------

TEST_F(SplitTest, ReportHeaderShowsTheCaptionBeforeItIsRewritten) {
    Set({{8, 50, "John"}, {8, 51, "Mary"}, {8, 1, "DR-19-002"}, {8, 0, "Old & Names"}, {8, 18, "30,000.00"}});
    const std::string report = CalculateChecked();
    EXPECT_EQ(report, ScheduleLines() + kDashes + "\r\nOld & Names - 3/7/2019\r\nCase No.: DR-19-002\r\n" + kDashes +
                          "\r\nSplit Parental Worksheet\r\n" + kDashes + "\r\n\r\n1. " + kNoComments + "\r\n\r\n");
    EXPECT_EQ(Get(8, 0), "John & Mary");
}

TEST_F(SplitTest, ReportHeaderForACaptionAlone) {
    // No income, but a caption left from before: the worksheet is calculated
    // with its header, and the caption is cleared because both names are empty.
    Set(8, 0, "Doe & Doe");
    const std::string report = CalculateChecked();
    EXPECT_EQ(report.rfind(ScheduleLines() + kDashes + "\r\nDoe & Doe - 3/7/2019\r\nCase No.: \r\n", 0), 0u) << report;
    EXPECT_EQ(Get(8, 0), "");
}

TEST_F(SplitTest, NewCaseHasNoHeaderAndTheMotherAsObligor) {
    // The default case is calculated although it is blank: no header, no
    // caption errors, shares and obligations all zero; the equal obligations
    // leave the mother as obligor with 0.00.
    store->Environment().currentFileName = "default.q10";
    const std::string report = CalculateChecked();
    EXPECT_EQ(report.find("Split Parental Worksheet\r\n"), std::string::npos) << report;
    EXPECT_EQ(report.find("Split Parental Worksheet, Caption."), std::string::npos) << report;
    ExpectSlots({{8, 0, ""}, {10, 9, "0.0000"}, {10, 10, "0.0000"}, {10, 14, "0.00"}, {10, 15, "0.00"},
                 {10, 16, "0.00"}, {10, 17, "0.00"}, {14, 24, ""}, {14, 25, "0.00"}, {14, 26, ""}, {14, 27, "X"}});
    EXPECT_EQ(store->SplitObligor, 2);
}

// ---- Caption ---------------------------------------------------------------------

TEST_F(SplitTest, CaptionChildrenChecks) {
    const std::string p = "Split Parental Worksheet, Caption. ";
    const std::string lessThanTwo = p + "The number of children listed is less than two. There must be at least two "
                                        "children subject to a split parental order.";
    const std::string noneWithMother = p + "The number of children listed with mother is less than one. There must "
                                           "be at least one child listed with mother.";
    const std::string noneWithFather = p + "The number of children listed with father is less than one. There must "
                                           "be at least one child listed with father.";
    const std::string sumDiffers =
        p + "The number of children listed with father and mother does not equal the total number of children.";
    struct Case {
        const char *total, *withMother, *withFather;
        std::vector<std::string> comments;
    };
    const Case cases[] = {
        {"2", "1", "1", {}},
        {"2", "2", "0", {noneWithFather}},  // the sum agrees
        {"3", "0", "3", {noneWithMother}},
        {"1", "1", "0", {lessThanTwo, noneWithFather}},
        {"3", "1", "1", {sumDiffers}},
        {"0", "0", "0", {lessThanTwo, noneWithMother, noneWithFather}},
        {"", "1", "1", {lessThanTwo, sumDiffers}},
    };
    for (const Case& c : cases) {
        store = test::NewStore();
        store->Environment().clientFolder = folder.Path().string();
        Set({{1, 6, ""}, {8, 18, "1.00"}, {8, 2, c.total}, {8, 4, c.withMother}, {8, 5, c.withFather}});
        std::vector<std::string> caption;
        for (const std::string& comment : SplitComments())
            if (comment.rfind(p, 0) == 0) caption.push_back(comment);
        EXPECT_EQ(caption, c.comments) << c.total << " " << c.withMother << " " << c.withFather;
        EXPECT_EQ(store->ErrFlag, !c.comments.empty());
    }
}

TEST_F(SplitTest, MoreThanSixChildrenWithAParentUseTheSixChildrenColumn) {
    AlikeParents();
    Set({{8, 2, "7"}, {8, 4, "6"}, {8, 5, "1"}});
    Calculate();
    const double six = store->SupportLow;
    Set({{8, 2, "8"}, {8, 4, "7"}});
    const auto comments = SplitComments();
    EXPECT_EQ(store->SupportLow, six);
    EXPECT_NE(std::find(comments.begin(), comments.end(),
                        "Split Parental Worksheet, Line 17, Column I. There are 7 children; the support schedule has "
                        "columns for one to six children, so the column for six children is used."),
              comments.end());
}

TEST_F(SplitTest, UseThisAmountAndAnnualizeBoxesExcludeEachOther) {
    const std::string father = "Split Parental Worksheet, Line 1a. Father's \"Use this amount...\" and \"Annualize "
                               "...\" checkboxes are both checked. Check only one because they are mutually "
                               "exclusive.";
    const std::string mother = "Split Parental Worksheet, Line 1a. Mother's \"Use this amount...\" and \"Annualize "
                               "...\" checkboxes are both checked. Check only one because they are mutually "
                               "exclusive.";
    // The boxes are tested as they stand before line 1a sets the "Use this
    // amount..." box: a box ticked by the last calculation still counts ...
    Set({{8, 6, "X"}, {8, 10, "X"}, {8, 18, "20,000.00"}, {8, 7, ""}, {8, 11, "X"}, {8, 19, "16,952.00"}});
    EXPECT_EQ(SplitComments(), std::vector<std::string>{father});
    EXPECT_TRUE(store->ErrFlag);
    EXPECT_EQ(Get(8, 6), "");   // 20,000 is not the minimum-wage income
    EXPECT_EQ(Get(8, 7), "X");  // ... and a box this calculation ticks counts next time.
    EXPECT_EQ(SplitComments(), std::vector<std::string>{mother});
    Set(8, 11, "");
    EXPECT_EQ(SplitComments(), std::vector<std::string>{kNoComments});
    EXPECT_FALSE(store->ErrFlag);
}

// ---- Lines 1 to 14a --------------------------------------------------------------

TEST_F(SplitTest, EveryIncomeAndAdjustmentSlotOfBothColumns) {
    Set({// Father.
         {8, 18, "40,000.00"}, {8, 20, "1,200.00"}, {8, 22, "1,500.00"}, {8, 24, "1,800.00"}, {8, 30, "10,000.00"},
         {8, 32, "4,000.00"}, {9, 4, "100.00"}, {9, 6, "200.00"}, {9, 8, "300.00"}, {9, 10, "400.00"},
         {9, 17, "1"}, {9, 19, "2,000.00"}, {9, 21, "500.00"}, {9, 25, "1,000.00"}, {9, 27, "2,000.00"},
         {9, 31, "0.01"}, {9, 35, "100.00"},
         // Mother.
         {8, 19, "30,000.00"}, {8, 21, "600.00"}, {8, 23, "900.00"}, {8, 25, "300.00"}, {8, 31, "5,000.00"},
         {8, 33, "6,000.00"}, {9, 5, "50.00"}, {9, 18, "2"}, {9, 20, "1,000.00"}, {9, 22, "0.00"},
         {9, 28, "500.00"}, {9, 32, "0.02"}});
    Calculate();
    ExpectSlots({
        // Father: 1b = the smaller of year 1 (1,800) and the average (1,500); 2c =
        // 6,000 x 5.6 %; 7a = 40,000 + 1,500 + 5,664 + 100 + 200 + 300 + 400.
        {8, 26, "1,500.00"}, {8, 28, "1,500.00"}, {8, 34, "336.00"}, {8, 36, "5,664.00"},
        {9, 13, "48,164.00"}, {9, 15, "2,408.20"}, {9, 23, "1,500.00"},
        {9, 29, "47,164.00"}, {9, 33, "471.64"},
        {9, 37, "5,071.64"}, {9, 39, "43,092.36"},  // 1,500 + 1,000 + 2,000 + 471.64 + 100
        // Mother: 1b = year 1 (300) below the average (600); a business loss of
        // 1,000 gives 2c = -56 and 2d = -944; 7a = 30,000 + 300 - 944 + 50.
        {8, 27, "600.00"}, {8, 29, "300.00"}, {8, 35, "-56.00"}, {8, 37, "-944.00"},
        {9, 14, "29,406.00"}, {9, 16, "1,470.30"}, {9, 24, "2,000.00"},
        {9, 30, "29,356.00"}, {9, 34, "587.12"},
        {9, 38, "3,087.12"}, {9, 40, "26,318.88"},  // 2,000 + 500 + 587.12
        // 14b: 5 % of 14a; 15, 16: 43,092.36 / 69,411.24 = 0.62083.
        {10, 4, "2,154.62"}, {10, 5, "1,315.94"}, {10, 8, "69,411.24"}, {10, 9, "0.6208"}, {10, 10, "0.3792"},
        // 19: earned income 1a + 1b + 2d; AGI 7a less spousal support (line 10).
        {11, 7, "47,164.00"}, {11, 11, "46,164.00"}, {11, 8, "29,356.00"}, {11, 12, "28,906.00"},
    });
}

TEST_F(SplitTest, OverridesOfLines1bAnd2cAnd11AreKeptWithTheirNotices) {
    Set({{8, 18, "40,000.00"}, {8, 19, "30,000.00"}, {9, 31, "0.01"}});
    Override(8, 28, "100.00");
    Override(8, 29, "200.00");
    Override(8, 34, "10.00");
    Override(8, 35, "20.00");
    Override(9, 29, "10,000.00");
    Override(9, 30, "5,000.00");
    Override(9, 34, "7.00");
    const auto comments = SplitComments();
    const std::string p = "Split Parental Worksheet, ";
    const std::vector<std::string> expected = {
        p + "Line 1b. The result of father's overtime/bonuses calculation is overridden.",
        p + "Line 1b. The result of mother's overtime/bonuses calculation is overridden.",
        p + "Line 2c. Father's FICA calculation is overridden.",
        p + "Line 2c. Mother's FICA calculation is overridden.",
        p + "Line 11. Father's wages subject to local tax is overridden.",
        p + "Line 11. Mother's wages subject to local tax is overridden.",
        p + "Line 11. Mother's local income tax paid or estimated is overridden.",
    };
    EXPECT_EQ(comments, expected);
    EXPECT_FALSE(store->ErrFlag);
    // Later lines use the overridden values: 2d = 0 - 0 - 10; 7a = 40,000 + 100 - 10.
    ExpectSlots({{8, 36, "-10.00"}, {8, 37, "-20.00"}, {9, 13, "40,090.00"}, {9, 14, "30,180.00"},
                 {9, 33, "100.00"}, {9, 34, "7.00"}, {9, 39, "39,990.00"}, {9, 40, "30,173.00"}});
}

TEST_F(SplitTest, NegativeTotalsAreSetToZeroWithTheirErrors) {
    // Father: a business loss makes 7a negative; mother: line 8 and 14a.
    Set({{8, 32, "20,000.00"}, {8, 19, "10,000.00"}, {9, 18, "1"}, {9, 20, "1,000.00"}, {9, 22, "2,000.00"},
         {9, 26, "12,000.00"}, {9, 41, "1.00"}});
    const auto comments = SplitComments();
    const std::string p = "Split Parental Worksheet, ";
    const std::vector<std::string> expected = {
        p + "Line 7a. Father's total annual gross income is less  than zero. Father's income is being adjusted to "
            "zero for purposes of this calculation.",
        p + "Line 7b. Father's \"contributing cost\" for health insurance is greater than his health insurance "
            "maximum. See the help topic on \"contributing cost\" for more information.",
        p + "Line 8. Mother's adjustment is less  than zero. Line 8 is being adjusted to zero for purposes of this "
            "calculation.",
        p + "Line 14a. Mother's adjusted annual gross income is less  than zero. Mother's adjusted income is being "
            "adjusted to zero for purposes of this calculation.",
    };
    EXPECT_EQ(comments, expected);
    EXPECT_TRUE(store->ErrFlag);
    ExpectSlots({{9, 13, "0.00"}, {9, 15, "0.00"}, {9, 24, "0.00"}, {9, 38, "12,000.00"}, {9, 40, "0.00"}});
}

// ---- Lines 14 to 18 --------------------------------------------------------------

TEST_F(SplitTest, HouseholdSizeAndCashMedicalMaximum) {
    Set({{8, 18, "18,089.99"}, {8, 19, "18,090.00"}});
    Calculate();
    EXPECT_EQ(Get(10, 4), "");        // below 150 % of 12,060: no maximum at all
    EXPECT_EQ(Get(10, 5), "904.50");  // exactly at it: 5 % of 14a
    Set({{10, 6, ""}, {10, 18, "21"}, {10, 7, "11111"}, {10, 19, "22222"}, {10, 53, "1.00"}});
    const auto comments = SplitComments();
    EXPECT_EQ(comments, (std::vector<std::string>{
                            "Split Parental Worksheet, Line 14. Number of persons in father's family/household is "
                            "blank.",
                            "Split Parental Worksheet, Line 14. Number of persons in mother's family/household field "
                            "is not a valid numeric entry.",
                        }));
    EXPECT_TRUE(store->ErrFlag);
    ExpectSlots({{10, 7, "11111"}, {10, 19, "22222"}, {10, 53, "1.00"}});
}

TEST_F(SplitTest, Line14OverridesAreNoticedAfterLine18) {
    Set({{8, 18, "60,000.00"}, {8, 19, "40,000.00"}});
    Override(10, 4, "100.00");
    Override(10, 5, "200.00");
    Override(10, 7, "20000");
    Override(10, 19, "10000");
    const auto comments = SplitComments();
    const std::string p = "Split Parental Worksheet, Line 14b. ";
    EXPECT_EQ(comments, (std::vector<std::string>{
                            p + "Father's cash medical support maximum is overridden.",
                            p + "Mother's cash medical support maximum is overridden.",
                            p + "Father's HHS Poverty Level is overridden.",
                            p + "Mother's HHS Poverty Level is overridden.",
                        }));
    EXPECT_FALSE(store->ErrFlag);
    // The 150 % figures follow the overridden levels; 20b is limited by the
    // overridden maxima (1,188.50 otherwise, as in the whole case).
    ExpectSlots({{10, 52, "30,000.00"}, {10, 53, "15,000.00"}, {11, 41, "100.00"}, {11, 42, "200.00"}});
}

TEST_F(SplitTest, IncomeSharesRoundHalfToEven) {
    Set({{8, 18, "2.00"}, {8, 19, "1.00"}});
    Calculate();
    ExpectSlots({{10, 9, "0.6667"}, {10, 10, "0.3333"}});
    // 3 / 32 x 10000 = 937.5 goes to the even 938.
    Set({{8, 18, "3.00"}, {8, 19, "29.00"}});
    Calculate();
    ExpectSlots({{10, 9, "0.0938"}, {10, 10, "0.9062"}});
}

TEST_F(SplitTest, TwoLookupsForTheTwoGroupsOfChildren) {
    // Combined 30,300 between the rows 30,000 and 30,600: one child with the
    // mother (5,248 / 5,346), two with the father (7,577 / 7,718).
    Set({{8, 2, "3"}, {8, 4, "1"}, {8, 5, "2"}, {8, 18, "20,200.00"}, {8, 19, "10,100.00"}});
    Calculate();
    EXPECT_DOUBLE_EQ(store->SupportLow, 5248);
    EXPECT_DOUBLE_EQ(store->SupportInterpolated, 5297);
    EXPECT_DOUBLE_EQ(store->SupportHigh, 5346);
    EXPECT_DOUBLE_EQ(store->SupportLow2, 7577);
    EXPECT_DOUBLE_EQ(store->SupportInterpolated2, 7647.5);
    EXPECT_DOUBLE_EQ(store->SupportHigh2, 7718);
    // Interpolate by default; shares 0.6667 / 0.3333:
    // 5,297 x 0.6667 = 3,531.5099; 7,647.50 x 0.3333 = 2,548.91175.
    ExpectSlots({{10, 14, "5,297.00"}, {10, 15, "7,647.50"}, {10, 16, "3,531.51"}, {10, 17, "2,548.91"}});
    Set({{10, 12, ""}, {10, 11, "X"}, {10, 13, "X"}});  // Low wins over High
    Calculate();
    ExpectSlots({{10, 14, "5,248.00"}, {10, 15, "7,577.00"}});
    Set(10, 11, "");
    Calculate();
    ExpectSlots({{10, 14, "5,346.00"}, {10, 15, "7,718.00"}});
}

TEST_F(SplitTest, LimitedAboveTheSchedule) {
    Set({{8, 18, "150,000.00"}, {8, 19, "50,000.00"}, {10, 51, "X"}});
    const auto comments = SplitComments();
    ExpectSlots({{10, 14, "15,218.00"}, {10, 15, "15,218.00"}});
    EXPECT_EQ(comments.size(), 2u);
    EXPECT_EQ(comments.at(1), "Split Parental Worksheet, Line 17. QUILL is set to limit child support in "
                              "calculations involving combined gross incomes of greater than $150,000. ");
}

// ---- Lines 19 to 21 --------------------------------------------------------------

TEST_F(SplitTest, TwoOptionBoxesGiveTheErrorAndTheLaterBoxDecides) {
    // Father 30,000, one child with him, 2,000 of expenses: option 1 gives 27 %
    // of 2,000 = 540; option 2 limits it to the entered liability of 100.
    Set({{8, 18, "30,000.00"}, {11, 5, "2,000.00"}, {11, 49, "2,000.00"}, {11, 15, "X"}, {11, 16, "X"},
         {11, 17, "100.00"}});
    const auto comments = SplitComments();
    EXPECT_EQ(comments, std::vector<std::string>{
                            "Split Parental Worksheet, Line 19a. You entered father's child care expenses but have not "
                            "picked a Calculation Option. You must check at least one of the first three checkboxes "
                            "on line 19. "});
    EXPECT_TRUE(store->ErrFlag);
    EXPECT_EQ(Get(11, 33), "1,900.00");
    EXPECT_DOUBLE_EQ(store->SplitDadChildCredit, 100);
    Set(11, 16, "");
    Calculate();
    EXPECT_EQ(Get(11, 33), "1,460.00");
    EXPECT_FALSE(store->ErrFlag);
}

TEST_F(SplitTest, MotherWithExpensesButNoOption) {
    Set({{8, 19, "30,000.00"}, {11, 6, "1,000.00"}, {11, 34, "55.00"}});
    const auto comments = SplitComments();
    EXPECT_EQ(comments, std::vector<std::string>{
                            "Split Parental Worksheet, Line 19a. You entered mother's child care expenses but have not "
                            "picked a Calculation Option. You must check at least one of the first three checkboxes "
                            "on line 19. "});
    EXPECT_EQ(Get(11, 34), "55.00");  // no option ticked: line 19 keeps its value
    EXPECT_EQ(Get(11, 14), "1");      // her credit counts the children living with her
}

TEST_F(SplitTest, FilingStatusOfTheTaxMethod) {
    Set({{8, 19, "50,000.00"}, {11, 6, "4,000.00"}, {11, 50, "4,000.00"}, {11, 53, "X"}, {11, 23, "9"}});
    const auto comments = SplitComments();
    EXPECT_EQ(comments.at(0), "Split Worksheet, Line 19a. If you are checking the child care credit using the tax  "
                              "calculation method, you must select a filing status: Single; Married Joint; Married "
                              "Separate; Head of Household; Widow(er). ");
    EXPECT_TRUE(store->ErrFlag);
    ExpectSlots({{11, 23, "0"}, {11, 91, "Single"}, {11, 25, "12,200.00"}});
    Set(11, 23, "3");
    Calculate();
    ExpectSlots({{11, 91, "Head of Household"}, {11, 25, "18,300.00"}});
}

TEST_F(SplitTest, Line19OverrideNoticesFollowTheQualifyingExpensesNotices) {
    Set({{8, 18, "30,000.00"}, {8, 19, "20,000.00"}, {11, 5, "100.00"}, {11, 49, "200.00"}, {11, 6, "100.00"},
         {11, 50, "300.00"}});
    for (int slot : {7, 8, 11, 12, 13, 14, 24, 25, 26, 27, 33, 34, 41, 42}) Override(11, slot, "1.00");
    const auto comments = SplitComments();
    const std::string p = "Split Parental Worksheet, ";
    const std::vector<std::string> expected = {
        p + "Line 19. Father's qualifying child care expenses should never exceed his total child care expenses.",
        p + "Line 19. Mother's qualifying child care expenses should never exceed her total child care expenses.",
        p + "Line 19. Father's earned income for calculating the child care credit is overridden.",
        p + "Line 19. Mother's earned income for calculating the child care credit is overridden.",
        p + "Line 19. Father's adjusted gross income for calculating the child care credit is overridden.",
        p + "Line 19. Mother's adjusted gross income for calculating the child care credit is overridden.",
        p + "Line 19a. Father's number of qualifying children for the child care credit calculation is overridden.",
        p + "Line 19a. Mother's number of qualifying children for the child care credit calculation is overridden.",
        p + "Line 19a. Father's standard/itemized deduction amount for the child care credit calculation is "
            "overridden.",
        p + "Line 19a. Mother's standard/itemized deduction amount for the child care credit calculation is "
            "overridden.",
        p + "Line 19a. Father's exemption amount for the child care credit calculation is overridden.",
        p + "Line 19a. Mother's exemption amount for the child care credit calculation is overridden.",
        p + "Line 19a. The result of father's child care credit calculation is overridden.",
        p + "Line 19b. The result of mother's child care credit calculation is overridden.",
        p + "Line 20b. Father's cash medicalsupport obligation is overridden.",
        p + "Line 20b. Mother's cash medicalsupport obligation is overridden.",
    };
    EXPECT_EQ(comments, expected);
    // The overridden results skip line 19 altogether (no option error for the
    // mother), and lines 21 use them: (1 + 0) x share.
    EXPECT_FALSE(store->ErrFlag);
    ExpectSlots({{11, 33, "1.00"}, {11, 34, "1.00"}, {11, 41, "1.00"}, {11, 42, "1.00"}, {11, 45, "0.60"},
                 {11, 46, "0.40"}});
}

TEST_F(SplitTest, OverriddenCreditInputsAreUsed) {
    // Father's earned income overridden to 1,000: the credit base is 1,000,
    // 27 % of it = 270 (AGI 30,000), and the child count from the override.
    Set({{8, 18, "30,000.00"}, {11, 5, "2,000.00"}, {11, 49, "2,000.00"}});
    Override(11, 7, "1,000.00");
    Calculate();
    EXPECT_EQ(Get(11, 33), "1,730.00");
    Override(11, 13, "0");  // no qualifying child: no credit
    Calculate();
    EXPECT_EQ(Get(11, 33), "2,000.00");
}

TEST_F(SplitTest, CashMedicalObligationPerChildOfTheOtherParent) {
    struct Case {
        std::vector<SlotText> inputs;
        const char *father, *mother;
    };
    const Case cases[] = {
        // 100,000 combined, three children (two with the mother): 2,709 / 3 = 903 a
        // child; the father's 1,806 and the mother's 903 are below their 14b
        // maxima of 3,000 and 2,000.
        {{{8, 2, "3"}, {8, 4, "2"}, {8, 5, "1"}, {8, 18, "60,000.00"}, {8, 19, "40,000.00"}}, "1,806.00", "903.00"},
        // The father's 7a is below 150 % of the poverty level: an empty 14b limits to 0.
        {{{8, 18, "18,000.00"}, {8, 19, "40,000.00"}}, "0.00", "825.00"},
        // No children at all: no cash medical support.
        {{{8, 2, "0"}, {8, 4, "0"}, {8, 5, "0"}, {8, 18, "60,000.00"}, {8, 19, "40,000.00"}}, "0.00", "0.00"},
    };
    for (const Case& c : cases) {
        store = test::NewStore();
        store->Environment().clientFolder = folder.Path().string();
        Set(1, 6, "");
        Set(c.inputs);
        Calculate();
        EXPECT_EQ(Get(11, 41), c.father);
        EXPECT_EQ(Get(11, 42), c.mother);
    }
}

// ---- Lines 22 to 25: netting and the obligor -------------------------------------

TEST_F(SplitTest, EnteredLine22AmountsTipTheNetting) {
    AlikeParents();
    Set(12, 8, "1,000.00");  // the mother's 22e (copied to 24e) lowers her obligation
    Calculate();
    ExpectSlots({{13, 8, "1,000.00"}, {12, 10, "1,000.00"}, {12, 11, ""}, {13, 10, "1,000.00"}, {13, 11, ""},
                 {14, 24, "1,000.00"}, {14, 25, "1,000.00"}, {14, 26, "X"}, {14, 27, ""}});
    EXPECT_EQ(store->SplitObligor, 1);
    Set({{12, 8, ""}, {12, 5, "400.00"}});
    Calculate();
    ExpectSlots({{13, 5, "400.00"}, {12, 10, ""}, {12, 11, "400.00"}, {13, 11, "400.00"}, {14, 24, "400.00"},
                 {14, 25, "400.00"}, {14, 26, ""}, {14, 27, "X"}});
    EXPECT_EQ(store->SplitObligor, 2);
}

TEST_F(SplitTest, TieIsBrokenByTheDeviations) {
    // Equal obligations without insurance (alike parents); the larger
    // deviation decides, the mother when they are equal.  A 20a entry of the
    // mother's (line 21 only) makes the father's line 22 larger by half of it.
    struct Case {
        const char* name;
        std::vector<SlotText> inputs;
        int obligor;
        const char *columnI, *columnII;
    };
    const Case cases[] = {
        {"no deviations: the mother", {}, 2, "", "0.00"},
        // The father's branch fills both columns as any obligor: column I from his
        // own 22g (empty) plus 100, column II from his 24g (empty) plus 100.
        {"father's deviation larger", {{13, 14, "100.00"}}, 1, "100.00", "100.00"},
        // His 22g is 1,000 x 0.5 = 500 here: column I = 500 + 100.
        {"father's branch with his 22g", {{13, 14, "100.00"}, {11, 36, "1,000.00"}}, 1, "600.00", "100.00"},
        // A negative deviation of the mother's does not reach line 26.
        {"mother's deviation negative", {{13, 14, "100.00"}, {13, 15, "-100.00"}}, 1, "100.00", "100.00"},
        // The mother's branch: column II = her 24g (empty) plus her deviation,
        // without the lower limit; column I stays empty.
        {"mother's deviation larger", {{13, 14, "-50.00"}, {13, 15, "-20.00"}}, 2, "", "-20.00"},
        {"equal deviations", {{13, 14, "75.00"}, {13, 15, "75.00"}}, 2, "", "75.00"},
    };
    for (const Case& c : cases) {
        store = test::NewStore();
        store->Environment().clientFolder = folder.Path().string();
        Set(1, 6, "");
        AlikeParents();
        Set(c.inputs);
        const std::string report = CalculateChecked();
        EXPECT_EQ(Get(13, 10), "") << c.name;
        EXPECT_EQ(Get(13, 11), "") << c.name;
        EXPECT_EQ(store->SplitObligor, c.obligor) << c.name;
        EXPECT_EQ(Get(14, 24), c.columnI) << c.name;
        EXPECT_EQ(Get(14, 25), c.columnII) << c.name;
        EXPECT_EQ(Get(14, 26), c.obligor == 1 ? "X" : "") << c.name;
        EXPECT_EQ(Get(14, 27), c.obligor == 2 ? "X" : "") << c.name;
        // No line 25 error in a tie: nobody is the obligor when line 25 is checked.
        EXPECT_EQ(Comments(report), std::vector<std::string>{kNoComments}) << c.name;
    }
}

TEST_F(SplitTest, FatherBranchOfTheTieWithNegativeColumns) {
    // Father's deviation larger but negative, his 22g empty: both columns are
    // raised to 0.
    AlikeParents();
    Set({{13, 14, "-10.00"}, {13, 15, "-30.00"}});
    Calculate();
    EXPECT_EQ(store->SplitObligor, 1);
    ExpectSlots({{14, 24, "0.00"}, {14, 25, "0.00"}, {14, 26, "X"}, {14, 27, ""}});
}

TEST_F(SplitTest, DeviationInTheNonObligorsColumn) {
    const std::string fatherPays = "Split Parental Worksheet, Line 25. The Father is the obligor, therefore there "
                                   "should not be an entry in the Mother's column.";
    const std::string motherPays = "Split Parental Worksheet, Line 25. The Mother is the obligor, therefore there "
                                   "should not be an entry in the Father's column.";
    AlikeParents();
    Set({{12, 8, "1,000.00"}, {13, 15, "300.00"}});  // the father pays 1,000
    EXPECT_EQ(SplitComments(), std::vector<std::string>{fatherPays});
    EXPECT_TRUE(store->ErrFlag);
    ExpectSlots({{14, 24, "1,000.00"}, {14, 25, "1,000.00"}});  // the mother's deviation is ignored
    Set({{12, 8, ""}, {12, 5, "1,000.00"}, {13, 15, ""}, {13, 14, "-300.00"}});  // the mother pays 1,000
    EXPECT_EQ(SplitComments(), std::vector<std::string>{motherPays});
    ExpectSlots({{14, 24, "1,000.00"}, {14, 25, "1,000.00"}});
}

// ---- Lines 26 to 29 --------------------------------------------------------------

// Alike parents with 12,000.00 entered on the mother's line 22e: the father
// pays 12,000.00 in both columns.
class SplitFatherPays12000 : public SplitTest {
protected:
    SplitFatherPays12000() {
        AlikeParents();
        Set(12, 8, "12,000.00");
    }
};

TEST_F(SplitFatherPays12000, ProcessingChargeByRate) {
    Calculate();
    ExpectSlots({{14, 24, "12,000.00"}, {14, 21, "1,000.00"}, {14, 28, "20.00"}, {14, 6, "1,020.00"},
                 {14, 25, "12,000.00"}, {14, 22, "1,000.00"}, {14, 29, "20.00"}, {14, 7, "1,020.00"}});
}

TEST_F(SplitFatherPays12000, FlatFeeWinsWithTheLine27Error) {
    Set(14, 5, "5.00");
    const auto comments = SplitComments();
    EXPECT_EQ(comments, std::vector<std::string>{
                            "Split Parental Worksheet, Line 27. You have a percentage AND a flat fee entered in the "
                            "Processing Charge dialog. These fields are mutually exclusive. When both contain values, "
                            "the flat fee method is used."});
    EXPECT_TRUE(store->ErrFlag);
    ExpectSlots({{14, 28, "5.00"}, {14, 6, "1,005.00"}, {14, 29, "5.00"}, {14, 7, "1,005.00"}});
    Set(14, 4, "0.004");  // a rate below half a cent is still a rate
    EXPECT_EQ(SplitComments(), comments);
    Set(14, 4, "0");  // the flat fee alone is no error
    EXPECT_EQ(SplitComments(), std::vector<std::string>{kNoComments});
    ExpectSlots({{14, 6, "1,005.00"}});
}

TEST_F(SplitFatherPays12000, MonthlyAmountsAreRoundedBeforeTheyAreAdded) {
    // 12,345.66 / 12 = 1,028.805 -> 1,028.81; charge 0.025 x 12,345.66 / 12 =
    // 25.720125 -> 25.72; sum 1,054.53.
    Set({{12, 8, "12,345.66"}, {14, 4, "0.025"}});
    Calculate();
    ExpectSlots({{14, 21, "1,028.81"}, {14, 28, "25.72"}, {14, 6, "1,054.53"}});
}

TEST_F(SplitFatherPays12000, FinalFigureIsRaisedToZero) {
    Set(13, 14, "-13,000.00");
    Calculate();
    ExpectSlots({{14, 24, "0.00"}, {14, 25, "0.00"}, {14, 21, "0.00"}, {14, 6, "0.00"}});
}

TEST_F(SplitFatherPays12000, CashMedicalSupportNeverTakesTheFlatFee) {
    Override(11, 41, "1,200.00");
    Override(11, 42, "999.00");
    Calculate();
    ExpectSlots({{14, 8, "1,200.00"}, {14, 23, "100.00"}, {14, 9, "102.00"}, {14, 30, "2.00"}});
    Set(14, 5, "5.00");  // the flat fee does not replace the rate here
    Calculate();
    ExpectSlots({{14, 9, "102.00"}, {14, 30, "2.00"}});
    Set(14, 4, "0");  // no rate: no charge, and no charge of the earlier calculation is left standing
    Calculate();
    ExpectSlots({{14, 23, "100.00"}, {14, 9, ""}, {14, 30, ""}});
}

TEST_F(SplitFatherPays12000, Line28FollowsTheObligorBoxAndCheckBoxIsCopied) {
    Override(11, 41, "1,200.00");
    Override(11, 42, "600.00");
    Set(14, 11, "X");
    Calculate();
    ExpectSlots({{14, 8, "1,200.00"}, {14, 12, "X"}});
    Set({{12, 8, ""}, {12, 5, "12,000.00"}, {14, 11, ""}});  // now the mother pays
    Calculate();
    ExpectSlots({{14, 27, "X"}, {14, 8, "600.00"}, {14, 23, "50.00"}, {14, 12, ""}});
}

TEST_F(SplitTest, SignaturesPageHeadersAndStamps) {
    Set({{8, 50, "John Doe"}, {8, 51, "Mary Roe"}, {8, 1, "DR-1"}, {8, 18, "1.00"}});
    Override(9, 3, "1/1/2018");
    Override(14, 18, "M. Roe");
    Calculate();
    for (int page = 9; page <= 14; ++page) {
        EXPECT_EQ(Get(page, 0), "John Doe") << page;
        EXPECT_EQ(Get(page, 1), "Mary Roe") << page;
        EXPECT_EQ(Get(page, 2), "DR-1") << page;
        EXPECT_EQ(Get(page, 3), "1/1/2018") << page;
    }
    for (int page = 8; page <= 14; ++page) {
        EXPECT_EQ(Get(page, 98), "10.14") << page;
        EXPECT_EQ(Get(page, 99), "case.q10") << page;
    }
    EXPECT_EQ(Get(14, 16), "John Doe");
    EXPECT_EQ(Get(14, 18), "M. Roe");
}

}  // namespace
}  // namespace quill10
