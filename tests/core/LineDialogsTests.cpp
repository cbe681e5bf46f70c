// What the line dialogs work out: the estimator's worked examples and the
// minimum wage, the annualizer, local tax, other resident children, the
// processing charge fraction, the poverty box, the deviation percentages,
// the line 17 options, and which dialog and transfers each code takes.
#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "calc/Conversions.h"
#include "calc/LineDialogs.h"
#include "store/Answers.h"
#include "store/Misc.h"

namespace quill10 {
namespace {

// Every code that opens a dialog says the line (and parent) it serves.
TEST(LineDialogSubject, EveryDialogCodeNamesItsLineAndParent) {
    for (int code = -1; code <= 60; ++code)
        EXPECT_EQ(LineDialogSubject(code).empty(), LineDialogOf(code) == LineDialog::None) << code;
    EXPECT_EQ(LineDialogSubject(1), "line 1a, mother");
    EXPECT_EQ(LineDialogSubject(27), "line 14b, father");
    EXPECT_EQ(LineDialogSubject(29), "line 17");
    EXPECT_EQ(LineDialogSubject(32), "line 27");  // the split worksheet's processing charge
}

TEST(CurrencyText, ShowsDollarsCentsAndTheSign) {
    const struct {
        double value;
        const char* cents;
        const char* whole;
    } cases[] = {
        {16952, "$16,952.00", "$16,952"}, {8.3, "$8.30", "$8"},       {-1250.5, "-$1,250.50", "-$1,251"},
        {-0.001, "$0.00", "$0"},          {0, "$0.00", "$0"},          {1234567.891, "$1,234,567.89", "$1,234,568"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CurrencyText(c.value), c.cents) << c.value;
        EXPECT_EQ(WholeCurrencyText(c.value), c.whole) << c.value;
    }
}

TEST(IncomeEstimator, WorkedExamplesAndDayOfYear) {
    const struct {
        Date date;
        double amount;
        int frequency;
        const char* estimate;
    } cases[] = {
        {{2019, 3, 31}, 9000, 4, "36,504.00"},     // 12 / (90 / 30.42) = 4.056
        {{2020, 1, 1}, 500, 1, "182,000.00"},      // 52 / (1 / 7) = 364
        {{2019, 12, 31}, 36500, 0, "36,500.00"},   // daily: 365 / 365
        {{2020, 7, 1}, 1000, kNoFrequency, "1,000.00"},
        {{2019, 12, 31}, 1000, 6, "1,000.00"},     // twice a year: 2 / (365 / 182.5)
    };
    for (const auto& c : cases)
        EXPECT_EQ(MoneyText(EstimateAnnualIncome(c.amount, c.frequency, c.date)), c.estimate) << c.estimate;

    EXPECT_EQ(DayOfYear({2019, 1, 1}), 1);
    EXPECT_EQ(DayOfYear({2019, 3, 1}), 60);
    EXPECT_EQ(DayOfYear({2020, 3, 1}), 61);
    EXPECT_EQ(DayOfYear({2020, 12, 31}), 366);
    EXPECT_EQ(DayOfYear({2000, 12, 31}), 366);
    EXPECT_EQ(DayOfYear({1900, 12, 31}), 365);
}

TEST(IncomeEstimator, MinimumWageIsItsOwnYearlyFigure) {
    EXPECT_EQ(MinimumWageCaption(), "Use Minimum Wage - $8.30 /hr; $16,952.00/yr");
    // The figure the estimator writes is the one line 1a takes for minimum wage.
    auto answers = test::NewStore();
    answers->SetText(0, 10, SlotNumberText(kMinimumWageYearly));
    answers->SetText(0, 11, SlotNumberText(kMinimumWageHourly * 2080));
    SoleLongToCalc(*answers);
    EXPECT_EQ(answers->Text(0, 10), "16952");
    EXPECT_EQ(answers->Text(1, 7), "X");  // the father's "Use this amount..." box
    EXPECT_EQ(answers->Text(1, 8), "");
}

TEST(Annualizer, MultipliesByThePeriodsAndFormatsByFieldKind) {
    const double factors[] = {365, 52, 26, 24, 12, 4, 2};
    for (int f = 0; f < kFrequencyCount; ++f) EXPECT_DOUBLE_EQ(Annualize(10, f), 10 * factors[f]) << f;
    EXPECT_DOUBLE_EQ(Annualize(250, 2), 6500);
    EXPECT_DOUBLE_EQ(Annualize(250, kNoFrequency), 250);
    EXPECT_DOUBLE_EQ(Annualize(250, kFrequencyCount), 250);

    const struct {
        int kind;
        const char* typed;
        const char* shown;
    } amounts[] = {
        {2, "250.5", "$250.50"},  {2, "-1234.5", "-$1,234.50"}, {4, "250.5", "$251"},
        {3, "12.4", "12.00%"},    {1, "weekly pay  ", "weekly pay"}, {5, "3 ", "3"},
    };
    for (const auto& a : amounts) EXPECT_EQ(AnnualizerAmountText(a.kind, a.typed), a.shown) << a.typed;

    EXPECT_EQ(AnnualizedSlotText(2, 6500), "6500");
    EXPECT_EQ(AnnualizedSlotText(4, 6513.5), "6513.5");
    EXPECT_EQ(AnnualizedSlotText(3, 26), "0.26");  // a percentage field keeps a fraction
}

TEST(LocalTax, SumsTheParentsIncomeLinesAndAppliesTheRate) {
    auto answers = test::NewStore();
    answers->SetText(0, 10, "40,000.00");
    answers->SetText(0, 20, "5,000.00");
    answers->SetText(0, 28, "5,000.00");
    answers->SetText(7, 7, "30,000.00");
    answers->SetText(7, 25, "1,000.00");
    EXPECT_DOUBLE_EQ(DefaultTaxableIncome(*answers, *LocalTaxSlotsOf(4)), 50000);
    EXPECT_DOUBLE_EQ(DefaultTaxableIncome(*answers, *LocalTaxSlotsOf(5)), 0);
    EXPECT_DOUBLE_EQ(DefaultTaxableIncome(*answers, *LocalTaxSlotsOf(26)), 31000);
    EXPECT_EQ(CurrencyText(LocalTax(50000, Str2Float_P("2.00%"))), "$1,000.00");
    EXPECT_EQ(CurrencyText(LocalTax(31000, 1.75)), "$542.50");
    EXPECT_EQ(LocalTaxSlotsOf(6), nullptr);
}

TEST(OtherChildren, AdjustmentIsNeverBelowZero) {
    const struct {
        int children;
        double exemption, support;
        const char* potential;
        const char* adjustment;
    } cases[] = {
        {2, 4050, 1000, "$8,100.00", "$7,100.00"},
        {2, 4050, 10000, "$8,100.00", "$0.00"},
        {0, 4050, 0, "$0.00", "$0.00"},
        {3, 4000, 12000, "$12,000.00", "$0.00"},
    };
    for (const auto& c : cases) {
        const OtherChildrenAdjustment result = AdjustmentForOtherChildren(c.children, c.exemption, c.support);
        EXPECT_EQ(CurrencyText(result.potential), c.potential);
        EXPECT_EQ(CurrencyText(result.adjustment), c.adjustment);
    }
}

TEST(ProcessingFee, PercentageIsStoredAsAFraction) {
    EXPECT_EQ(ProcessingFractionText("1.5"), "0.015");
    EXPECT_EQ(ProcessingFractionText("2.00%"), "0.02");
    EXPECT_EQ(ProcessingFractionText(""), "0");
    EXPECT_EQ(ProcessingPercentText("0.02"), "2.00%");
    EXPECT_EQ(ProcessingPercentText("0.015"), "1.50%");
    EXPECT_EQ(ProcessingPercentText(ProcessingFractionText("2.25")), "2.25%");
}

TEST(PovertyBox, ShowsTheLevelAndOneAndAHalfTimesIt) {
    EXPECT_EQ(PovertyBoxText(FederalPovertyLevel()), "$   12,060.00");
    EXPECT_EQ(PovertyBoxText(FederalPovertyLevel() * 1.5), "$   18,090.00");
    EXPECT_EQ(PovertyBoxText(1234567.5), "$1,234,567.50");
}

TEST(Deviation, TypedPercentagesAreRoundedStoredOnesAreNot) {
    EXPECT_EQ(TypedDeviationPercentText("12.4"), "12.00%");
    EXPECT_EQ(TypedDeviationPercentText("33.5"), "34.00%");
    EXPECT_EQ(TypedDeviationPercentText("20%"), "20.00%");
    EXPECT_EQ(StoredDeviationPercentText("12.40%"), "12.40%");
    EXPECT_EQ(StoredDeviationPercentText(""), "0.00%");
}

TEST(Line17Options, ReadAndWrittenOnTheLongScreenAndTheLimitBox) {
    auto answers = test::NewStore();
    const Line17Options fresh = ReadLine17Options(*answers, *Line17SlotsOf(29));
    EXPECT_EQ(fresh.method, 1);  // Interpolate
    EXPECT_FALSE(fresh.limit);

    WriteLine17Options(*answers, *Line17SlotsOf(29), {2, true});
    EXPECT_EQ(answers->Text(7, 60), "High");
    EXPECT_EQ(answers->Text(7, 61), "Limit to $150,000");
    EXPECT_EQ(answers->Text(10, 51), "X");
    const Line17Options read = ReadLine17Options(*answers, *Line17SlotsOf(54));
    EXPECT_EQ(read.method, 2);
    EXPECT_TRUE(read.limit);

    WriteLine17Options(*answers, *Line17SlotsOf(8), {0, false});
    WriteLine17Options(*answers, *Line17SlotsOf(50), {-1, false});  // no method chosen leaves it
    EXPECT_EQ(answers->Text(0, 64), "Low");
    EXPECT_EQ(answers->Text(0, 65), "No $150,000 Limitation");
    EXPECT_EQ(answers->Text(3, 51), "");
}

TEST(DialogCodes, EachCodeOpensItsDialog) {
    const struct {
        int first, last;
        LineDialog dialog;
    } ranges[] = {
        {0, 1, LineDialog::IncomeEstimator}, {2, 3, LineDialog::OtherChildren},  {4, 5, LineDialog::LocalTax},
        {6, 7, LineDialog::PovertyLevel},    {8, 8, LineDialog::Line17},         {9, 10, LineDialog::ChildCare},
        {11, 12, LineDialog::Deviation},     {13, 13, LineDialog::ProcessingFee}, {14, 20, LineDialog::None},
        {21, 22, LineDialog::IncomeEstimator}, {23, 24, LineDialog::OtherChildren}, {25, 26, LineDialog::LocalTax},
        {27, 28, LineDialog::PovertyLevel},  {29, 29, LineDialog::Line17},       {30, 31, LineDialog::ChildCare},
        {32, 32, LineDialog::ProcessingFee}, {33, 49, LineDialog::None},         {50, 54, LineDialog::Line17},
        {55, 70, LineDialog::None},          {-1, -1, LineDialog::None},
    };
    for (const auto& r : ranges)
        for (int code = r.first; code <= r.last; ++code) EXPECT_EQ(LineDialogOf(code), r.dialog) << code;
    // Every code with slots of its own opens the dialog that uses them.
    for (const EstimatorSlots& s : kEstimatorSlots) EXPECT_EQ(LineDialogOf(s.code), LineDialog::IncomeEstimator);
    for (const ChildCareSlots& s : kChildCareSlots) EXPECT_EQ(LineDialogOf(s.code), LineDialog::ChildCare);
    for (const LocalTaxSlots& s : kLocalTaxSlots) EXPECT_EQ(LineDialogOf(s.code), LineDialog::LocalTax);
    for (const OtherChildrenSlots& s : kOtherChildrenSlots) EXPECT_EQ(LineDialogOf(s.code), LineDialog::OtherChildren);
    for (const ProcessingFeeSlots& s : kProcessingFeeSlots) EXPECT_EQ(LineDialogOf(s.code), LineDialog::ProcessingFee);
}

// A method and limit chosen from any short-form button reach the
// calculation and come back on both screens.
TEST(DialogCodes, ShortFormLine17ChoicesReachTheCalculation) {
    const struct {
        int code;
        int longPage, methodSlot;
    } cases[] = {{50, 0, 64}, {51, 0, 64}, {52, 7, 60}, {53, 7, 60}, {54, 7, 60}};
    test::ErrorRecorder errors;  // a case without children is reported by the short forms
    for (const auto& c : cases) {
        auto answers = test::NewStore();
        PrepareLineDialog(*answers, c.code);
        const Line17Slots& slots = *Line17SlotsOf(c.code);
        WriteLine17Options(*answers, slots, {2, true});
        TransferBeforeRecalculation(*answers, c.code);
        answers->Calculate();
        TransferAfterRecalculation(*answers, c.code);
        EXPECT_EQ(answers->Text(c.longPage, c.methodSlot), "High") << c.code;
        EXPECT_EQ(answers->Text(slots.flagPage, slots.flagSlot), "X") << c.code;
        EXPECT_EQ(answers->Text(slots.page, slots.limitText), "Limit to $150,000") << c.code;
    }
}

}  // namespace
}  // namespace quill10
