// The line 19 child care credit: federal rate and limits, the three
// methods, the federal and Ohio tax figures.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "calc/CalcCCLimit.h"
#include "calc/CheckReport.h"

namespace quill10 {
namespace {

class ChildCareCreditTest : public ::testing::Test {
protected:
    double Credit(int method, int children, double expenses, double earned, double agi, bool father = true,
                  bool sole = true, double spouse = 0) {
        return store.FigureChildCareCredit(father, children, report, method, sole, expenses, spouse, earned, agi);
    }
    TAnswer store;
    CheckReport report;
};

TEST_F(ChildCareCreditTest, FederalRateFallsWithIncome) {
    struct Case {
        double agi, rate;
    };
    const Case cases[] = {{0, 0.35},        {15000, 0.35},    {15000.01, 0.34}, {17000, 0.34}, {29000.01, 0.27},
                          {30000, 0.27},    {43000, 0.21},    {43000.01, 0.20}, {250000, 0.20}};
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(FederalCreditRate(c.agi), c.rate) << c.agi;
}

TEST_F(ChildCareCreditTest, ExpensesAreLimitedPerChildAndByEarnedIncome) {
    EXPECT_NEAR(Credit(1, 1, 5000, 30000, 30000), 810, 1e-9);  // 3,000 x 27 %
    EXPECT_NEAR(store.SoleDadFedChildCredit, 810, 1e-9);
    EXPECT_NEAR(Credit(1, 2, 4000, 2500, 30000), 2500 * 0.27, 1e-9);
    EXPECT_NEAR(Credit(1, 3, 9000, 50000, 50000), 6000 * 0.20, 1e-9);
    EXPECT_NEAR(Credit(1, 2, 4000, 30000, 30000, true, true, 1000), 1000 * 0.27, 1e-9);  // spouse earns less
    EXPECT_DOUBLE_EQ(Credit(1, 0, 4000, 30000, 30000), 0);
    EXPECT_DOUBLE_EQ(Credit(1, 2, 4000, 30000, 0), 0);
    EXPECT_DOUBLE_EQ(Credit(1, 2, 4000, -500, 30000), 0);  // negative earned income gives no credit
}

TEST_F(ChildCareCreditTest, LimitCommentsAreWrittenWhenChecking) {
    test::ScratchFolder folder;
    report.Create(folder.File("r.txt"));
    Credit(1, 1, 5000, 30000, 30000);
    Credit(1, 2, 7000, 30000, 30000);
    std::string error;
    ASSERT_TRUE(report.Save(error)) << error;
    EXPECT_EQ(test::ReadWholeFile(folder.File("r.txt")),
              "1. Child Care Expenses. This is NOT an error. QUILL observes the $3,000 IRS limit per child when "
              "calculating the child care credit.\r\n\r\n"
              "2. Child Care Expenses. This is NOT an error. QUILL observes the $6,000 IRS limit per child when "
              "calculating the child care credit.\r\n\r\n");
}

TEST_F(ChildCareCreditTest, EnteredTaxLiabilityLimitsTheCredit) {
    store.SetText(3, 27, "500.00");
    EXPECT_DOUBLE_EQ(Credit(2, 2, 4000, 30000, 30000), 500);
    EXPECT_DOUBLE_EQ(store.SoleDadFedChildCredit, 500);
    store.SetText(11, 18, "2,000.00");  // split worksheet, mother
    EXPECT_NEAR(Credit(2, 2, 4000, 30000, 30000, false, false), 1080, 1e-9);
    EXPECT_NEAR(store.SplitMomFedChildCredit, 1080, 1e-9);
}

TEST_F(ChildCareCreditTest, TaxCalculationFillsDeductionAndLimitsByLiability) {
    store.SetText(3, 32, "1");  // married joint
    // Taxable 50,000 - 24,400 = 25,600: 1,905 + 12 % of 6,550 = 2,691.
    EXPECT_NEAR(Credit(3, 2, 4000, 50000, 50000), 800, 1e-9);
    EXPECT_EQ(store.Text(3, 34), "24,400.00");
    EXPECT_EQ(store.Text(3, 36), "0.00");
    EXPECT_DOUBLE_EQ(store.DadFederalTaxLiability, 2691);

    store.SetText(3, 33, "0");  // mother single, low income: liability below the credit
    // AGI 15,000: taxable 2,800, tax 280; the credit 35 % of 3,000 = 1,050 is limited to 280.
    EXPECT_DOUBLE_EQ(Credit(3, 1, 3000, 15000, 15000, false), 280);
    EXPECT_DOUBLE_EQ(store.MomFederalTaxLiability, 280);
    EXPECT_DOUBLE_EQ(store.SoleMomFedChildCredit, 280);

    store.SetOvRide(3, 34, true);  // an overridden deduction is used as typed
    store.SetText(3, 34, "45,000.00");
    EXPECT_DOUBLE_EQ(Credit(3, 2, 4000, 50000, 50000), 500);  // taxable 5,000: tax 500
    EXPECT_EQ(store.Text(3, 34), "45,000.00");
}

TEST_F(ChildCareCreditTest, NegativeLiabilityGivesNoCredit) {
    store.SetText(3, 32, "0");
    store.SetText(3, 40, "5,000.00");  // foreign tax credit above the tax
    EXPECT_DOUBLE_EQ(Credit(3, 1, 3000, 30000, 30000), 0);
    EXPECT_LT(store.DadFederalTaxLiability, 0);
}

TEST_F(ChildCareCreditTest, LiabilityLimitCommentNamesTheParent) {
    test::ScratchFolder folder;
    report.Create(folder.File("r.txt"));
    store.SetText(11, 23, "0");
    Credit(3, 1, 3000, 15000, 15000, false, false);
    std::string error;
    ASSERT_TRUE(report.Save(error)) << error;
    EXPECT_EQ(test::ReadWholeFile(folder.File("r.txt")),
              "1. Split Parental Worksheet, Line 19. The child care credit of the Mother is being limited by "
              "Mother's estimated tax liability.\r\n\r\n");
}

TEST_F(ChildCareCreditTest, FederalScheduleTable) {
    struct Case {
        int status;
        double taxable, tax;
    };
    const Case cases[] = {
        {2, 700000, 198379},          // married joint, top bracket
        {1, 9525, 952.5 + 0},         // single, first bracket edge: 952.50 rounds to 952 (half to even)
        {1, 50000, 4453.5 + 0.22 * 11300},
        {3, 250000, 45689.5 + 0.35 * 50000},
        {3, 350000, 80689.5 + 0.37 * 50000},
        {4, 60000, 5944 + 0.22 * 8150},
        {5, 25600, 2691},             // qualifying widow(er): married-joint schedule
        {0, 20000, 952.5 + 0.12 * 10475},
        {1, -100, 0},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(FederalIncomeTax(c.status, c.taxable), RoundHalfEven(c.tax)) << c.status << " " << c.taxable;
    EXPECT_DOUBLE_EQ(FederalIncomeTax(1, 9525), 952);
    EXPECT_DOUBLE_EQ(StandardDeduction(5), 24400);
    EXPECT_DOUBLE_EQ(StandardDeduction(4), 18300);
    EXPECT_DOUBLE_EQ(StandardDeduction(0), 0);
    EXPECT_EQ(FilingStatusFromIndexText("4"), 5);
    EXPECT_EQ(FilingStatusFromIndexText("7"), 0);
    EXPECT_EQ(FilingStatusFromIndexText(""), 0);
}

TEST_F(ChildCareCreditTest, QualifyingWidowerUsesMarriedJoint) {
    store.SetText(3, 32, "4");
    EXPECT_NEAR(Credit(3, 2, 4000, 50000, 50000), 800, 1e-9);
    EXPECT_EQ(store.Text(3, 34), "24,400.00");
    EXPECT_DOUBLE_EQ(store.DadFederalTaxLiability, 2691);
}

TEST_F(ChildCareCreditTest, OhioTax) {
    // AGI 30,000, 2 children: 3 exemptions of 2,300; taxable 23,100:
    // 311.63 + 2.97 % of 2,200 = 376.97, less 60 for the exemptions.
    EXPECT_NEAR(OhioIncomeTax(30000, 2), 311.63 + 0.0297 * 2200 - 60, 1e-9);
    // AGI 100,000, 1 child: 2 x 1,800; taxable 96,400: 2,370.48 + 3.96 % of 13,050.
    EXPECT_NEAR(OhioIncomeTax(100000, 1), 2370.48 + 0.0396 * 13050, 1e-9);
    EXPECT_NEAR(OhioIncomeTax(300000, 0), 7993.62 + 0.05 * (298200 - 208500), 1e-9);
}

TEST_F(ChildCareCreditTest, OhioCreditByIncome) {
    store.SetText(3, 44, "X");
    EXPECT_NEAR(Credit(1, 1, 3000, 19999, 19999), 2 * 3000 * 0.32, 1e-9);
    EXPECT_NEAR(store.SoleDadOhioChildCredit, 3000 * 0.32, 1e-9);
    EXPECT_NEAR(Credit(1, 1, 3000, 20000, 20000), 1.25 * 3000 * 0.32, 1e-9);
    EXPECT_NEAR(Credit(1, 1, 3000, 40000, 40000), 3000 * 0.22, 1e-9);
    EXPECT_DOUBLE_EQ(store.SoleDadOhioChildCredit, 0);
}

TEST_F(ChildCareCreditTest, OhioCreditBaseDiffersBetweenWorksheets) {
    // Federal credit 1,050 limited to 280 by the tax; the Ohio credit is the
    // whole base below 20,000 and is itself limited by the Ohio tax.
    store.SetText(3, 33, "0");
    store.SetText(3, 58, "X");
    store.SetText(1, 2, "0");
    store.SetText(11, 23, "0");
    store.SetText(11, 54, "X");
    store.SetText(8, 4, "0");
    const double ohioTax = OhioIncomeTax(15000, 0);  // 151.31 - 20
    EXPECT_NEAR(Credit(3, 1, 3000, 15000, 15000, false, true), 280 + std::min(1050.0, ohioTax), 1e-9);
    EXPECT_NEAR(Credit(3, 1, 3000, 15000, 15000, false, false), 280 + std::min(280.0, ohioTax), 1e-9);
    store.SetText(3, 28, "5,000.00");  // entered federal liability, above the credit
    store.SetText(3, 30, "100.00");    // entered state liability
    EXPECT_NEAR(Credit(2, 1, 3000, 15000, 15000, false, true), 1050 + 100, 1e-9);
}

}  // namespace
}  // namespace quill10
