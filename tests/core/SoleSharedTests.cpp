// The sole residential / shared parenting worksheet, line by line and as
// whole cases worked out by hand from the worksheet's rules.
#include <gtest/gtest.h>

#include "WorksheetFixture.h"

namespace quill10 {
namespace {

using test::SlotText;
using test::WorksheetTest;

// ---- Whole cases -------------------------------------------------------------

struct WholeCase {
    const char* name;
    std::vector<SlotText> inputs;
    std::vector<SlotText> expected;
};

// The installed table.txt rows used below (income: 1, 2 children):
//   79,800: 10,703 / 15,453    80,400: 10,753 / 15,525
//   99,600: 12,017 / 17,350   100,200: 12,030 / 17,368
const WholeCase kWholeCases[] = {
    {"SoleResidentialFatherPays",
     // Two children, father 60,000, mother 40,000, mother is the residential parent.
     {{1, 53, "X"}, {1, 4, "X"}, {1, 6, ""}, {1, 2, "2"}, {1, 19, "60,000.00"}, {1, 20, "40,000.00"}},
     {
         {2, 13, "60,000.00"}, {2, 14, "40,000.00"}, {2, 15, "3,000.00"}, {2, 16, "2,000.00"},
         {2, 39, "60,000.00"}, {2, 40, "40,000.00"},
         {3, 7, "12060"}, {3, 52, "18,090.00"},       // poverty level, 150 %
         {3, 4, "3,000.00"}, {3, 5, "2,000.00"},      // 14b: 5 % of 14a
         {3, 8, "100,000.00"}, {3, 9, "0.6000"}, {3, 10, "0.4000"},
         // Interpolate at 100,000: 17,350 + 400 x (17,368 - 17,350) / 600 = 17,362.
         {3, 14, "17,362.00"}, {3, 15, "10,417.20"}, {3, 16, "6,944.80"},
         {3, 19, "60,000.00"}, {3, 21, "60,000.00"}, {3, 23, "2"}, {3, 45, "0.00"},
         // 20b: health expenditures for 100,000 and two children 2,377, below 3,000.
         {4, 8, "2,377.00"}, {4, 9, ""},  // the mother does not pay: her 20b is removed
         {4, 13, "0.00"}, {4, 15, "0.00"}, {4, 14, ""}, {4, 16, ""},
         {4, 19, "10,417.20"}, {4, 20, ""}, {4, 21, "10,417.20"}, {5, 4, "10,417.20"}, {5, 5, ""},
         // 24c: the mother's share of the father's 19 + 20b = 0.4 x 2,377 = 950.80.
         {5, 6, "0.00"}, {5, 8, "950.80"}, {5, 12, "9,466.40"}, {5, 14, "9,466.40"}, {5, 18, "9,466.40"},
         {6, 21, ""}, {6, 22, ""},
         {6, 23, "10,417.20"}, {6, 24, "9,466.40"}, {6, 25, "X"}, {6, 26, ""},
         // 29: 10,417.20 / 12 = 868.10, charge 2 % / 12 = 17.36; 9,466.40 / 12 = 788.87, charge 15.78.
         {6, 44, "868.10"}, {6, 29, "885.46"}, {6, 47, "17.36"},
         {6, 45, "788.87"}, {6, 30, "804.65"}, {6, 48, "15.78"},
         // 30, 31: 2,377 / 12 = 198.08; plus 2 %: 202.04.
         {6, 46, "2,377.00"}, {6, 31, "198.08"}, {6, 32, "202.04"}, {6, 49, "3.96"},
     }},
    {"SharedParentingMotherPaysWithDeviation",
     // One child, father 30,000, mother 50,000, mother obligor; deviation by time of
     // possession against the combined obligation at 10 %.
     {{1, 6, "X"}, {1, 39, "X"}, {1, 2, "1"}, {1, 19, "30,000.00"}, {1, 20, "50,000.00"},
      {6, 53, "X"}, {6, 55, "X"}, {6, 58, "0.10"}},
     {
         {3, 8, "80,000.00"}, {3, 9, "0.3750"}, {3, 10, "0.6250"},
         // 10,703 + 200 x 50 / 600 = 10,719.67; shares 4,019.88 and 6,699.79.
         {3, 14, "10,719.67"}, {3, 15, "4,019.88"}, {3, 16, "6,699.79"},
         {4, 8, ""}, {4, 9, "1,456.00"},  // 1,456 for one child below 107,400; the father's is removed
         {4, 13, "0.00"}, {4, 14, "0.00"}, {4, 15, "0.00"}, {4, 16, "0.00"},
         {4, 19, ""}, {4, 20, "6,699.79"}, {4, 22, "6,699.79"}, {5, 5, "6,699.79"},
         // 24d: the father's share of the mother's 19 + 20b = 0.375 x 1,456 = 546.00.
         {5, 7, "0.00"}, {5, 9, "546.00"}, {5, 13, "6,153.79"}, {5, 15, "6,153.79"}, {5, 19, "6,153.79"},
         // 27b: -(10 % of 10,719.67).
         {6, 21, ""}, {6, 22, "-1,071.97"},
         {6, 23, "5,627.82"}, {6, 24, "5,081.82"}, {6, 25, ""}, {6, 26, "X"},
         // 5,627.82 / 12 = 468.985 shows as 468.99 (halves away from zero on the decimal form).
         {6, 44, "468.99"}, {6, 29, "478.37"}, {6, 47, "9.38"},
         {6, 45, "423.49"}, {6, 30, "431.96"}, {6, 48, "8.47"},
         {6, 46, "1,456.00"}, {6, 31, "121.33"}, {6, 32, "123.76"}, {6, 49, "2.43"},
     }},
    {"AboveScheduleNotLimited",
     // One child, father 150,000, mother 50,000: 200,000 x 10.14533 % = 20,290.66.
     {{1, 53, "X"}, {1, 4, "X"}, {1, 6, ""}, {1, 19, "150,000.00"}, {1, 20, "50,000.00"}},
     {
         {3, 9, "0.7500"}, {3, 10, "0.2500"}, {3, 14, "20,290.66"}, {3, 15, "15,218.00"}, {3, 16, "5,072.67"},
         {4, 8, "1,456.00"}, {5, 8, "364.00"}, {5, 18, "14,854.00"},
         {6, 23, "15,218.00"}, {6, 24, "14,854.00"},
         {6, 44, "1,268.17"}, {6, 29, "1,293.53"}, {6, 45, "1,237.83"}, {6, 30, "1,262.59"},
     }},
    {"AboveScheduleLimited",
     {{1, 53, "X"}, {1, 4, "X"}, {1, 6, ""}, {1, 19, "150,000.00"}, {1, 20, "50,000.00"}, {3, 51, "X"}},
     {{3, 14, "15,218.00"}, {3, 15, "11,413.50"}, {3, 16, "3,804.50"}}},
};

class SoleSharedWholeCase : public WorksheetTest, public ::testing::WithParamInterface<WholeCase> {};

TEST_P(SoleSharedWholeCase, MatchesTheFiguresWorkedOutByHand) {
    Set(GetParam().inputs);
    const std::string report = CalculateChecked();
    ExpectSlots(GetParam().expected);
    EXPECT_FALSE(store->ErrFlag) << report;
}

INSTANTIATE_TEST_SUITE_P(Cases, SoleSharedWholeCase, ::testing::ValuesIn(kWholeCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Caption ---------------------------------------------------------------

TEST_F(WorksheetTest, CaptionDecidesWhoPays) {
    struct Case {
        std::vector<SlotText> boxes;
        int sole, shared;
    };
    const Case cases[] = {
        {{{1, 53, "X"}, {1, 4, "X"}, {1, 6, ""}}, 1, 0},
        {{{1, 53, "X"}, {1, 5, "X"}, {1, 6, ""}}, 2, 0},
        {{{1, 6, "X"}, {1, 40, "X"}}, 3, 1},
        {{{1, 6, "X"}, {1, 39, "X"}}, 3, 2},
        {{{1, 6, ""}}, -1, 0},
    };
    for (const Case& c : cases) {
        store = test::NewStore();
        store->Environment().clientFolder = folder.Path().string();
        Set({{1, 19, "1.00"}});
        Set(c.boxes);
        Calculate();
        EXPECT_EQ(store->SoleObligor, c.sole);
        EXPECT_EQ(store->SharedObligor, c.shared);
    }
}

TEST_F(WorksheetTest, CaptionChecksWriteTheirComments) {
    struct Case {
        std::vector<SlotText> boxes;
        std::string comment;
    };
    const std::string p = "Sole/Shared Worksheet, Page 1 Caption. ";
    const Case cases[] = {
        {{{1, 53, "X"}, {1, 4, "X"}, {1, 6, "X"}, {1, 40, "X"}},
         p + "Both sole residential and shared parenting checkboxes are checked. These selections are mutually "
             "exclusive. The worksheet must be either sole residential or shared parenting."},
        {{{1, 4, "X"}, {1, 6, ""}},
         p + "Either mother or father are listed as sole residential parent, but the Sole Residential checkbox is "
             "not checked."},
        {{{1, 53, "X"}, {1, 4, "X"}, {1, 5, "X"}, {1, 6, ""}},
         p + "Both mother and father are listed as sole residential parents. You cannot check both the mother and "
             "father as sole residential parents."},
        {{{1, 39, "X"}, {1, 40, "X"}},
         p + "Both mother and father are checked as shared parenting obligors. You cannot check both the mother and "
             "father as obligors."},
        {{{1, 39, "X"}, {1, 40, "X"}},
         p + "Both mother and father are listed as obligors. You cannot check both the mother and father as sole "
             "residential parents."},
        {{{1, 53, "X"}, {1, 4, "X"}, {1, 6, ""}, {1, 40, "X"}},
         p + "Either mother or father are listed as shared parenting obligors, but the Sole Residential worksheet "
             "box is checked. The two sets of three checkboxes are mutually exclusive."},
        {{{1, 6, ""}},
         p + "The worksheet needs to be checked: (1) Sole Residential with either mother or father as residential "
             "parent, OR (2) Shared Parenting with either mother or father as obligor."},
        {{{1, 6, "X"}},
         p + "For shared parenting orders only one parent must be selected to be the obligor. In this worksheet, "
             "either both parents or neither parent is currently selected."},
        {{{1, 2, "0"}, {1, 6, "X"}, {1, 40, "X"}},
         p + "The number of children listed is less than one. There must be at least one child subject to this "
             "order."},
    };
    for (const Case& c : cases) {
        store = test::NewStore();
        store->Environment().clientFolder = folder.Path().string();
        Set({{1, 19, "1.00"}});
        Set(c.boxes);
        std::string report = CalculateChecked();
        EXPECT_TRUE(HasComment(report, c.comment)) << c.comment << "\n" << report;
        EXPECT_TRUE(store->ErrFlag);
    }
}

TEST_F(WorksheetTest, SharedObligorKeepsItsValueWhenTheChoiceIsAmbiguous) {
    Set({{1, 6, "X"}, {1, 40, "X"}, {1, 19, "1.00"}});
    Calculate();
    EXPECT_EQ(store->SharedObligor, 1);
    Set(1, 39, "X");  // now both are ticked
    Calculate();
    EXPECT_EQ(store->SharedObligor, 1);
    EXPECT_TRUE(store->ErrFlag);
}

TEST_F(WorksheetTest, CaptionNamesAndDate) {
    Set(1, 19, "1.00");
    Calculate();
    EXPECT_EQ(Get(1, 0), "");
    EXPECT_EQ(Get(1, 52), "March 7, 2019");
    EXPECT_EQ(Get(2, 3), "3/7/2019");
    Set(1, 50, "John Doe");
    Calculate();
    EXPECT_EQ(Get(1, 0), "John Doe");  // no dangling " & "
    Set(1, 51, "Mary Roe");
    Set(1, 1, "DR-1");
    Calculate();
    EXPECT_EQ(Get(1, 0), "John Doe & Mary Roe");
    for (int page = 2; page <= 6; ++page) {
        EXPECT_EQ(Get(page, 0), "John Doe");
        EXPECT_EQ(Get(page, 1), "Mary Roe");
        EXPECT_EQ(Get(page, 2), "DR-1");
        EXPECT_EQ(Get(page, 99), "case.q10");
    }
    EXPECT_EQ(Get(6, 39), "John Doe");
    EXPECT_EQ(Get(6, 41), "Mary Roe");
    Override(2, 3, "1/1/2018");
    Override(6, 39, "J. Doe");
    Calculate();
    EXPECT_EQ(Get(6, 3), "1/1/2018");
    EXPECT_EQ(Get(6, 39), "J. Doe");
}

// ---- Lines 1 to 14 ----------------------------------------------------------

TEST_F(WorksheetTest, MinimumWageBoxOnlyAtExactly16952) {
    Set({{1, 19, "16,952.00"}, {1, 20, "16,952.01"}});
    Calculate();
    EXPECT_EQ(Get(1, 7), "X");
    EXPECT_EQ(Get(1, 8), "");
}

TEST_F(WorksheetTest, OvertimeIsTheSmallerOfYearOneAndTheAverage) {
    Set({{1, 21, "3,000.00"}, {1, 23, "6,000.00"}, {1, 25, "12,000.00"},
         {1, 22, "12,000.00"}, {1, 24, "6,000.00"}, {1, 26, "3,000.00"}});
    Calculate();
    EXPECT_EQ(Get(1, 27), "7,000.00");
    EXPECT_EQ(Get(1, 29), "7,000.00");
    EXPECT_EQ(Get(1, 28), "7,000.00");
    EXPECT_EQ(Get(1, 30), "3,000.00");
    Set({{1, 21, "1.00"}, {1, 23, "1.00"}, {1, 25, "2.00"}});  // average 1.333... read back as 1.33
    Calculate();
    EXPECT_EQ(Get(1, 29), "1.33");
}

TEST_F(WorksheetTest, SelfEmploymentFicaDifferential) {
    Set({{1, 31, "50,000.00"}, {1, 33, "10,000.00"}, {1, 32, "1,000.00"}, {1, 34, "3,000.00"}});
    Calculate();
    EXPECT_EQ(Get(1, 35), "2,240.00");
    EXPECT_EQ(Get(1, 37), "37,760.00");
    EXPECT_EQ(Get(1, 36), "-112.00");  // a loss gives a negative 2c and 2d
    EXPECT_EQ(Get(1, 38), "-1,888.00");
    Override(1, 35, "2,000.00");
    const std::string report = CalculateChecked();
    EXPECT_EQ(Get(1, 35), "2,000.00");
    EXPECT_EQ(Get(1, 37), "38,000.00");
    EXPECT_TRUE(HasComment(report, "Sole/Shared Worksheet, Line 2c. Father's FICA calculation is overridden."));
}

TEST_F(WorksheetTest, NegativeTotalsAreSetToZeroWithAComment) {
    // Father: a self-employment loss makes 7a negative; mother: line 8 and 14a.
    Set({{1, 31, "0.00"}, {1, 33, "20,000.00"}, {1, 20, "10,000.00"}, {2, 18, "1"}, {2, 20, "1,000.00"},
         {2, 22, "2,000.00"}, {2, 26, "12,000.00"}});
    const std::string report = CalculateChecked();
    EXPECT_EQ(Get(2, 13), "0.00");
    EXPECT_EQ(Get(2, 15), "0.00");
    EXPECT_EQ(Get(2, 24), "0.00");
    EXPECT_EQ(Get(2, 40), "0.00");
    const auto comments = Comments(report);
    const std::vector<std::string> expected = {
        "Sole/Shared Worksheet, Line 7a. Father's total annual gross income is less  than zero. Father's income is "
        "being adjusted to zero for purposes of this calculation.",
        "Sole/Shared Worksheet, Line 8. Mother's adjustment is less  than zero. Line 8 is being adjusted to zero "
        "for purposes of this calculation.",
        "Sole/Shared Worksheet, Line 14a. Mother's adjusted annual gross income is less  than zero. Mother's "
        "adjusted income is being adjusted to zero for purposes of this calculation.",
    };
    size_t at = 0;
    for (const std::string& c : comments)
        if (at < expected.size() && c == expected[at]) ++at;
    EXPECT_EQ(at, expected.size()) << report;
    EXPECT_TRUE(store->ErrFlag);
}

TEST_F(WorksheetTest, ContributingCostAboveTheMaximum) {
    Set({{1, 19, "20,000.00"}, {2, 41, "1,000.01"}, {1, 20, "20,000.00"}, {2, 42, "1,000.00"}});
    const std::string report = CalculateChecked();
    EXPECT_TRUE(HasComment(report, "Sole/Shared Worksheet, Line 7b. Father's \"contributing cost\" for health "
                                   "insurance is greater than his health insurance maximum. See the help topic on "
                                   "\"contributing cost\" for more information."));
    EXPECT_EQ(Comments(report).size(), 2u);  // the mother's equals her maximum; the caption comment
}

TEST_F(WorksheetTest, LocalTaxAndAdjustments) {
    Set({{1, 19, "40,000.00"}, {1, 29, "0.00"}, {2, 31, "0.025"}, {2, 17, "1"}, {2, 19, "3,000.00"},
         {2, 21, "500.00"}, {2, 25, "1,200.00"}, {2, 27, "2,400.00"}, {2, 35, "100.00"}});
    Calculate();
    EXPECT_EQ(Get(2, 29), "40,000.00");
    EXPECT_EQ(Get(2, 33), "1,000.00");
    EXPECT_EQ(Get(2, 23), "2,500.00");
    EXPECT_EQ(Get(2, 37), "7,200.00");  // 2,500 + 1,200 + 2,400 + 1,000 + 100
    EXPECT_EQ(Get(2, 39), "32,800.00");
    Override(2, 29, "20,000.00");
    Calculate();
    EXPECT_EQ(Get(2, 33), "500.00");
}

TEST_F(WorksheetTest, HouseholdAndCashMedicalMaximum) {
    Set({{1, 19, "18,089.99"}, {1, 20, "18,090.00"}});
    Calculate();
    EXPECT_EQ(Get(3, 4), "");  // below 150 % of 12,060
    EXPECT_EQ(Get(3, 5), "904.50");
    // A blank or impossible household size leaves the poverty level as it was.
    Set({{3, 6, ""}, {3, 47, "21"}, {3, 7, "11111"}, {3, 48, "22222"}});
    const std::string report = CalculateChecked();
    EXPECT_EQ(Get(3, 7), "11111");
    EXPECT_EQ(Get(3, 48), "22222");
    EXPECT_TRUE(HasComment(report, "Sole/Shared Worksheet, Line 14. Number of persons in father's family/household "
                                   "is blank."));
    EXPECT_TRUE(HasComment(report, "Sole/Shared Worksheet, Line 14. Number of persons in mother's family/household "
                                   "field is not a valid numeric entry."));
    EXPECT_TRUE(store->ErrFlag);
}

// ---- Lines 15 to 19 ----------------------------------------------------------

TEST_F(WorksheetTest, IncomeSharesRoundHalfToEven) {
    Set({{1, 19, "2.00"}, {1, 20, "1.00"}});
    Calculate();
    EXPECT_EQ(Get(3, 9), "0.6667");
    EXPECT_EQ(Get(3, 10), "0.3333");
    // 1 / 16 = 0.0625 exactly: 625 stays; 3 / 32 x 10000 = 937.5 goes to the even 938.
    Set({{1, 19, "3.00"}, {1, 20, "29.00"}});
    Calculate();
    EXPECT_EQ(Get(3, 9), "0.0938");
    EXPECT_EQ(Get(3, 10), "0.9062");
    Set({{1, 19, "5.00"}, {1, 20, "75.00"}});
    Calculate();
    EXPECT_EQ(Get(3, 9), "0.0625");
    Set({{1, 19, ""}, {1, 20, ""}});
    Calculate();
    EXPECT_EQ(Get(3, 9), "0.0000");
    EXPECT_EQ(Get(3, 10), "0.0000");
    EXPECT_EQ(Get(3, 14), "0.00");
}

TEST_F(WorksheetTest, Line17MethodBoxes) {
    // 30,300 between the rows 30,000 (5,248) and 30,600 (5,346) for one child.
    Set({{1, 19, "30,300.00"}});
    Calculate();
    EXPECT_EQ(Get(3, 14), "5,297.00");
    EXPECT_DOUBLE_EQ(store->SupportLow, 5248);
    EXPECT_DOUBLE_EQ(store->SupportHigh, 5346);
    Set({{3, 12, ""}, {3, 11, "X"}, {3, 13, "X"}});
    Calculate();
    EXPECT_EQ(Get(3, 14), "5,248.00");  // Low wins over High
    Set({{3, 11, ""}});
    Calculate();
    EXPECT_EQ(Get(3, 14), "5,346.00");
}

TEST_F(WorksheetTest, ChildCareAdjustmentWithTheCredit) {
    // Father: 30,000, one child, 5,000 of expenses: credit 27 % of 3,000 = 810.
    Set({{1, 19, "30,000.00"}, {3, 17, "5,000.00"}, {3, 49, "5,000.00"}});
    const std::string report = CalculateChecked();
    EXPECT_EQ(Get(3, 45), "4,190.00");
    EXPECT_NEAR(store->SoleDadChildCredit, 810, 1e-9);
    EXPECT_TRUE(HasComment(report, "Child Care Expenses. This is NOT an error. QUILL observes the $3,000 IRS limit "
                                   "per child when calculating the child care credit."));
    // Mother with expenses but no calculation option.
    Set({{1, 20, "20,000.00"}, {3, 18, "1,000.00"}});
    const std::string second = CalculateChecked();
    EXPECT_TRUE(HasComment(second, "Sole/Shared Worksheet, Line 19b. You entered mother's child care expenses but "
                                   "have not picked a Calculation Option. You must check at least one of the first "
                                   "three checkboxes on line 19. "));
    EXPECT_TRUE(store->ErrFlag);
}

TEST_F(WorksheetTest, ChildCareFilingStatusIsCheckedForTheTaxMethod) {
    Set({{1, 19, "50,000.00"}, {3, 17, "4,000.00"}, {3, 49, "4,000.00"}, {3, 25, ""}, {3, 31, "X"},
         {3, 32, "9"}});
    const std::string report = CalculateChecked();
    EXPECT_EQ(Get(3, 32), "0");
    EXPECT_EQ(Get(3, 90), "Single");
    EXPECT_TRUE(HasComment(report, "Sole/Shared Worksheet, Line 19a. If you are checking the child care credit "
                                   "using the tax  calculation method, you must select a filing status: Single; "
                                   "Married Joint; Married Separate; Head of Household; Widow(er). "));
    Set(3, 32, "3");
    Calculate();
    EXPECT_EQ(Get(3, 90), "Head of Household");
    EXPECT_EQ(Get(3, 34), "18,300.00");
}

TEST_F(WorksheetTest, OverriddenChildCareResultSkipsTheLine) {
    Set({{1, 19, "30,000.00"}, {3, 17, "5,000.00"}, {3, 49, "6,000.00"}});
    Override(3, 45, "1,234.00");
    Override(3, 19, "10,000.00");
    const std::string report = CalculateChecked();
    EXPECT_EQ(Get(3, 45), "1,234.00");
    const auto comments = Comments(report);
    auto position = [&](const std::string& text) {
        return std::find(comments.begin(), comments.end(), text) - comments.begin();
    };
    const std::string earned = "Sole/Shared Worksheet, Line 19. Father's earned income for calculating the child "
                               "care credit is overridden.";
    const std::string qualifying = "Sole/Shared Worksheet, Line 19. Father's qualifying child care expenses should "
                                   "never exceed the total child care expenses.";
    const std::string result = "Sole/Shared Worksheet, Line 19a. The result of father's child care credit "
                               "calculation is overridden.";
    EXPECT_LT(position(earned), position(qualifying));
    EXPECT_LT(position(qualifying), position(result));
    EXPECT_LT(position(result), static_cast<long>(comments.size()));
}

// ---- Lines 20 to 27a ----------------------------------------------------------

TEST_F(WorksheetTest, EntriesOfTheParentWhoDoesNotPayAreRemoved) {
    Set({{1, 53, "X"}, {1, 4, "X"}, {1, 6, ""}, {1, 19, "60,000.00"}, {1, 20, "40,000.00"}, {4, 24, "100.00"},
         {5, 21, "250.00"}});
    const std::string report = CalculateChecked();
    EXPECT_EQ(Get(4, 24), "");
    EXPECT_EQ(Get(5, 5), "");
    EXPECT_EQ(Get(5, 21), "250.00");  // a line 27a entry is reported, not removed
    EXPECT_TRUE(HasComment(report, "Sole/Shared Worksheet, Line 23b. If Mother is not the obligor, there should not "
                                   "be an entry on this line. The entry is being removed."));
    EXPECT_TRUE(HasComment(report, "Sole/Shared Worksheet, Line 27a. If Father is the obligor or this is a shared "
                                   "parenting order, there should not be an entry on this line in mother's column."));
    EXPECT_TRUE(HasComment(report, "Sole/Shared Worksheet, Line 27a. Father is the obligor therefore you cannot enter "
                                   "a deviation in the Mother column."));
    EXPECT_TRUE(store->ErrFlag);
}

TEST_F(WorksheetTest, NonMeansTestedBenefitsReduceTheObligorsFigures) {
    Set({{1, 53, "X"}, {1, 4, "X"}, {1, 6, ""}, {1, 2, "2"}, {1, 19, "60,000.00"}, {1, 20, "40,000.00"},
         {4, 23, "1,000.00"}, {5, 20, "500.00"}});
    Calculate();
    EXPECT_EQ(Get(5, 4), "9,417.20");   // 10,417.20 - 1,000
    EXPECT_EQ(Get(5, 16), "1,000.00");
    EXPECT_EQ(Get(5, 18), "8,466.40");  // 9,466.40 - 1,000
    EXPECT_EQ(Get(6, 23), "9,917.20");  // plus the line 27a deviation of 500
    EXPECT_EQ(Get(6, 24), "8,966.40");
}

TEST_F(WorksheetTest, CashMedicalObligationIsOverridable) {
    Set({{1, 53, "X"}, {1, 4, "X"}, {1, 6, ""}, {1, 19, "60,000.00"}, {1, 20, "40,000.00"}});
    Override(4, 8, "100.00");
    Override(4, 9, "50.00");
    const std::string report = CalculateChecked();
    EXPECT_EQ(Get(4, 8), "100.00");
    EXPECT_EQ(Get(4, 9), "50.00");  // an overridden cash medical obligation is kept even for the non-obligor
    EXPECT_EQ(Get(6, 46), "100.00");
    EXPECT_TRUE(HasComment(report, "Sole/Shared Worksheet, Line 20b. Father's cash medicalsupport obligation is "
                                   "overridden."));
    EXPECT_FALSE(store->ErrFlag);
}

// ---- Lines 27b to 31 ----------------------------------------------------------

class SharedFatherPays : public WorksheetTest {
protected:
    // One child, father 60,000 and mother 40,000 under a shared parenting
    // order, father obligor: line 17 interpolated at 100,000 is
    // 12,017 + 400 x 13 / 600 = 12,025.67, lines 18 7,215.40 / 4,810.27.
    SharedFatherPays() {
        Set({{1, 6, "X"}, {1, 40, "X"}, {1, 19, "60,000.00"}, {1, 20, "40,000.00"}});
    }
};

TEST_F(SharedFatherPays, OffsettingDeviation) {
    Set({{6, 7, "X"}, {6, 8, "X"}});
    Calculate();
    EXPECT_EQ(Get(3, 14), "12,025.67");
    EXPECT_EQ(Get(3, 16), "4,810.27");
    EXPECT_EQ(Get(6, 21), "-4,810.27");
    EXPECT_EQ(Get(6, 22), "");
}

TEST_F(SharedFatherPays, TimeOfPossessionWithTheAdjustments) {
    // Against his own obligation at 20 %, with the line 21-26 adjustments:
    // adjustments = -3:45 - 4:4 + 4:13 - 4:15 - 4:23 = -0 - 300 + 0 - 120 - 0 = -420,
    // where 4:15 is the mother's share of the father's 19 + 20a: 0.4 x 300.
    Set({{6, 7, "X"}, {6, 11, "X"}, {6, 12, "0.2"}, {6, 13, "X"}, {4, 4, "300.00"}});
    Calculate();
    EXPECT_EQ(Get(3, 15), "7,215.40");
    // -(7,215.40 x 0.2 + 0.2 x -420) = -(1,443.08 - 84) = -1,359.08
    EXPECT_EQ(Get(6, 21), "-1,359.08");
}

TEST_F(SharedFatherPays, FourthBoxAloneIsReported) {
    Set({{6, 7, "X"}, {6, 13, "X"}});
    const std::string report = CalculateChecked();
    EXPECT_EQ(Get(6, 21), "0.00");
    EXPECT_TRUE(HasComment(report, "Sole/Shared Worksheet, Line 27b. If you select the 4th deviation algorithm "
                                   "checkbox, you must also select checkbox 1, 2 or 3."));
}

TEST_F(SharedFatherPays, ManualAndOverriddenDeviation) {
    Set({{6, 4, "X"}, {6, 5, "-500.00"}});
    Calculate();
    EXPECT_EQ(Get(6, 21), "-500.00");
    Set({{6, 4, ""}, {6, 7, "X"}, {6, 8, "X"}});
    Override(6, 21, "-100.00");
    const std::string report = CalculateChecked();
    EXPECT_EQ(Get(6, 21), "-100.00");
    EXPECT_TRUE(HasComment(report, "Sole/Shared Worksheet, Line 27b. The deviation amount is overridden."));
    // Once the mother becomes the obligor the father's deviation and its override are cleared.
    Set({{1, 40, ""}, {1, 39, "X"}});
    Calculate();
    EXPECT_EQ(Get(6, 21), "");
    EXPECT_FALSE(store->OvRide(6, 21));
}

TEST_F(SharedFatherPays, EraseTheObligation) {
    Set({{6, 50, "X"}, {6, 60, "X"}});
    Calculate();
    EXPECT_EQ(Get(6, 23), "");
    EXPECT_EQ(Get(6, 24), "");
    // The deviation is minus the larger of lines 23c and 26c.
    const double line23c = Str2Float_2(Get(5, 4)), line26c = Str2Float_2(Get(5, 18));
    EXPECT_EQ(Get(6, 21), MoneyText(-std::max(line23c, line26c)));
    EXPECT_EQ(Get(6, 46), "0.00");  // cash medical support erased too
}

TEST_F(WorksheetTest, FinalFigureBelowTheMinimumAndBelowZero) {
    // Father pays 450: line 7a of 20,000 and a negative line 27a deviation.
    Set({{1, 53, "X"}, {1, 4, "X"}, {1, 6, ""}, {1, 19, "20,000.00"}, {1, 20, "20,000.00"}});
    Calculate();
    const double line23c = Str2Float_2(Get(5, 4));
    Set(5, 20, MoneyText(450 - line23c));
    std::string report = CalculateChecked();
    EXPECT_EQ(Get(6, 23), "450.00");
    EXPECT_TRUE(HasComment(report, "Sole/Shared Worksheet, Line 28. Father's final support figure is less than the "
                                   "statutory minimum of $600. You may want to enter a line 27 adjustment to bring "
                                   "the final figure up to $600."));
    Set(5, 20, MoneyText(-10 - line23c));
    report = CalculateChecked();
    EXPECT_EQ(Get(6, 23), "");
    EXPECT_TRUE(HasComment(report, "Sole/Shared Worksheet, Line 28. The final support figure is less than zero. Line "
                                   "28 is being set to $0."));
    EXPECT_FALSE(store->ErrFlag);
}

TEST_F(WorksheetTest, MoreThanSixChildrenUseTheSixChildrenColumnAndSaySo) {
    Set({{1, 53, "X"}, {1, 4, "X"}, {1, 6, ""}, {1, 19, "40,000.00"}, {1, 20, "20,000.00"}, {1, 2, "6"}});
    const std::string six = CalculateChecked();
    const std::string sixChildren = Get(3, 14);
    EXPECT_EQ(six.find("the column for six"), std::string::npos);
    Set(1, 2, "7");
    const std::string seven = CalculateChecked();
    EXPECT_EQ(Get(3, 14), sixChildren);
    EXPECT_TRUE(HasComment(seven, "Sole/Shared Worksheet, Line 17. There are 7 children; the support schedule has "
                                  "columns for one to six children, so the column for six children is used."));
}

TEST_F(WorksheetTest, ProcessingChargeRateOrFlatFee) {
    Set({{1, 53, "X"}, {1, 4, "X"}, {1, 6, ""}, {1, 19, "20,000.00"}, {1, 20, "20,000.00"}});
    Calculate();
    Set(5, 20, MoneyText(12000 - Str2Float_2(Get(5, 4))));
    Calculate();
    EXPECT_EQ(Get(6, 23), "12,000.00");
    EXPECT_EQ(Get(6, 44), "1,000.00");
    EXPECT_EQ(Get(6, 29), "1,020.00");
    EXPECT_EQ(Get(6, 47), "20.00");
    Set(6, 28, "5.00");
    const std::string report = CalculateChecked();
    EXPECT_EQ(Get(6, 29), "1,005.00");
    EXPECT_TRUE(HasComment(report, "Sole/Shared Worksheet, Line 29. You have a percentage AND a flat fee entered in "
                                   "the Processing Charge dialog. These fields are mutually exclusive. When both "
                                   "contain values, the flat fee method is used."));
    EXPECT_TRUE(store->ErrFlag);
    // A rate below half a cent is still a rate: the flat fee wins and the
    // user is told.
    Set({{6, 27, "0.004"}, {6, 28, "2.50"}});
    EXPECT_TRUE(HasComment(CalculateChecked(), "Sole/Shared Worksheet, Line 29. You have a percentage AND a flat fee"
                                               " entered in the Processing Charge dialog. These fields are mutually "
                                               "exclusive. When both contain values, the flat fee method is used."));
    // From a 2 % rate to a flat fee: line 31 keeps no charge of the 2 %.
    Set({{6, 27, "0.02"}, {6, 28, ""}, {4, 8, "2,377.00"}});
    Calculate();
    EXPECT_NE(Get(6, 49), "");
    Set({{6, 27, "0"}, {6, 28, "25.00"}});
    Calculate();
    EXPECT_EQ(Get(6, 32), "");  // no charge on cash medical support without a rate
    EXPECT_EQ(Get(6, 49), "");
    Set(6, 28, "");
    Calculate();
    EXPECT_EQ(Get(6, 32), "");
    EXPECT_EQ(Get(6, 49), "");
    EXPECT_FALSE(store->ErrFlag);
}

TEST_F(WorksheetTest, SoleResidentialOrderWithSharedParentingOptions) {
    Set({{1, 53, "X"}, {1, 4, "X"}, {1, 6, ""}, {1, 19, "20,000.00"}, {6, 8, "X"}, {6, 10, "0.1"}, {6, 4, "X"},
         {6, 50, "X"}});
    const std::string report = CalculateChecked();
    EXPECT_TRUE(HasComment(report, "Sole/Shared Worksheet, Line 27b. A sole residential order should not have any of "
                                   "these boxes checked."));
    EXPECT_TRUE(HasComment(report, "Sole/Shared Worksheet, Line 27b. A sole residential order should not have an "
                                   "entries in the gray box."));
    EXPECT_TRUE(HasComment(report, "Sole/Shared Worksheet, Line 27b. You may only check one of the available "
                                   "deviation methods."));
}

TEST_F(WorksheetTest, ObligorBoxesFollowCashMedicalWhenLine28IsEmpty) {
    // Nobody chosen as obligor: line 28 stays empty, the boxes follow 20b.
    Set({{1, 6, ""}, {1, 19, "60,000.00"}, {1, 20, "40,000.00"}});
    Calculate();
    EXPECT_EQ(Get(6, 23), "");
    EXPECT_EQ(Get(6, 25), "X");
    EXPECT_EQ(Get(6, 26), "X");
}

}  // namespace
}  // namespace quill10
