// The split parental worksheet, calculation pages 8 to 14: Calc8 to Calc14
// work out each parent's obligation for the children who live with the
// other parent, net the two obligations against each other to find who
// pays, and end with the annual and monthly figures of lines 26 to 29.
#include <algorithm>
#include <string>

#include "calc/CalcEnvironment.h"
#include "calc/Worksheets.h"
#include "calc/WorksheetLines.h"

namespace quill10 {

namespace {

const std::string kPrefix = "Split Parental Worksheet, ";

// Caption slots (page 8).
constexpr Slot kCaption{8, 0}, kCaseNumber{8, 1}, kChildren{8, 2}, kChildrenWithMother{8, 4},
    kChildrenWithFather{8, 5}, kFatherName{8, 50}, kMotherName{8, 51}, kDateLine{8, 52};

const ParentColumn kFather = {
    "Father", "father", "his",
    {8, 18}, {8, 6}, {{8, 20}, {8, 22}, {8, 24}}, {8, 26}, {8, 28},
    {8, 30}, {8, 32}, {8, 34}, {8, 36},
    {{9, 4}, {9, 6}, {9, 8}, {9, 10}},
    {9, 13}, {9, 15}, {9, 41},
    {{9, 17}, {9, 19}, {9, 21}}, {9, 23},
    {9, 25}, {9, 27},
    {9, 29}, {9, 31}, {9, 33},
    {9, 35}, {9, 37}, {9, 39},
    {10, 6}, {10, 7}, {10, 52}, {10, 4},
};
const ParentColumn kMother = {
    "Mother", "mother", "her",
    {8, 19}, {8, 7}, {{8, 21}, {8, 23}, {8, 25}}, {8, 27}, {8, 29},
    {8, 31}, {8, 33}, {8, 35}, {8, 37},
    {{9, 5}, {9, 7}, {9, 9}, {9, 11}},
    {9, 14}, {9, 16}, {9, 42},
    {{9, 18}, {9, 20}, {9, 22}}, {9, 24},
    {9, 26}, {9, 28},
    {9, 30}, {9, 32}, {9, 34},
    {9, 36}, {9, 38}, {9, 40},
    {10, 18}, {10, 19}, {10, 53}, {10, 5},
};

// Line 19 (page 11).  Each parent's credit counts the children living with
// that parent.
const std::string kFilingStatusError =
    "Split Worksheet, Line 19a. If you are checking the child care credit using the tax  calculation method, you "
    "must select a filing status: Single; Married Joint; Married Separate; Head of Household; Widow(er). ";

const ChildCareColumn kFatherChildCare = {
    {11, 5}, {11, 49}, {11, 7}, {11, 11}, {11, 13}, {11, 9}, {{11, 15}, {11, 16}, {11, 21}}, {11, 22}, {11, 90},
    {11, 33}, kChildrenWithFather,
    kPrefix + "Line 19a. You entered father's child care expenses but have not picked a Calculation Option. You "
              "must check at least one of the first three checkboxes on line 19. ",
    kFilingStatusError,
};
const ChildCareColumn kMotherChildCare = {
    {11, 6}, {11, 50}, {11, 8}, {11, 12}, {11, 14}, {11, 10}, {{11, 51}, {11, 52}, {11, 53}}, {11, 23}, {11, 91},
    {11, 34}, kChildrenWithMother,
    kPrefix + "Line 19a. You entered mother's child care expenses but have not picked a Calculation Option. You "
              "must check at least one of the first three checkboxes on line 19. ",
    kFilingStatusError,
};

// The slots of one parent that only the split worksheet has.
struct SplitParent {
    const ParentColumn* column;
    const ChildCareColumn* childCare;
    Slot annualizeBox;       // line 1a "Annualize ..." box
    Slot childrenSupported;  // the children living with the other parent, whom this parent supports
    Slot line20a, cashMedical20b;
};
const SplitParent kSplitFather = {&kFather, &kFatherChildCare, {8, 10}, kChildrenWithMother, {11, 35}, {11, 41}};
const SplitParent kSplitMother = {&kMother, &kMotherChildCare, {8, 11}, kChildrenWithFather, {11, 36}, {11, 42}};

// Lines 15 to 18 (page 10).
constexpr Slot kCombined15{10, 8}, kFatherShare16{10, 9}, kMotherShare16{10, 10}, kLowBox{10, 11}, kHighBox{10, 13},
    kLimitBox{10, 51}, kFatherLine17{10, 14}, kMotherLine17{10, 15}, kFatherLine18{10, 16}, kMotherLine18{10, 17};

// Lines 22 and 24: one parent's line 18 adjusted by the cross additions and
// subtractions, less the entered amount, and the part left after netting.
struct ObligationColumn {
    Slot line18, additions, subtractions, adjusted, deducted, actual, payable;
};
constexpr ObligationColumn kFatherLine22 = {kFatherLine18, {11, 45}, {11, 47}, {12, 4}, {12, 5}, {12, 6}, {12, 10}};
constexpr ObligationColumn kMotherLine22 = {kMotherLine18, {11, 46}, {11, 48}, {12, 7}, {12, 8}, {12, 9}, {12, 11}};
constexpr ObligationColumn kFatherLine24 = {kFatherLine18, {12, 12}, {12, 14}, {13, 4}, {13, 5}, {13, 6}, {13, 10}};
constexpr ObligationColumn kMotherLine24 = {kMotherLine18, {12, 13}, {12, 15}, {13, 7}, {13, 8}, {13, 9}, {13, 11}};

// Line 25 deviations, and line 26 of an obligor: column I (insurance
// provided) from the 22g slot, column II (not provided) from the 24g slot.
struct FinalColumn {
    int obligor;  // the SplitObligor value of this parent
    Slot payableWithInsurance, payableWithoutInsurance, deviation;
};
constexpr FinalColumn kFatherFinal = {1, {12, 10}, {13, 10}, {13, 14}};
constexpr FinalColumn kMotherFinal = {2, {12, 11}, {13, 11}, {13, 15}};
constexpr Slot kFinalWithInsurance{14, 24}, kFinalWithoutInsurance{14, 25};

constexpr ProcessingChargeSlots kProcessingCharge = {{14, 4}, {14, 5}};

double MoneyOf(const CalcRun& run, Slot s) { return run.Money(s.page, s.slot); }
void SetMoney(CalcRun& run, Slot s, double value) { run.SetMoney(s.page, s.slot, value); }
void SetText(CalcRun& run, Slot s, std::string text) { run.SetText(s.page, s.slot, std::move(text)); }

// ---- Caption ----

void CaptionChecks(CalcRun& run) {
    const std::string caption = kPrefix + "Caption. ";
    auto count = [&](Slot s) { return run.Integer(s.page, s.slot); };
    if (count(kChildren) < 2)
        run.Error(caption + "The number of children listed is less than two. There must be at least two children "
                            "subject to a split parental order.");
    if (count(kChildrenWithMother) < 1)
        run.Error(caption + "The number of children listed with mother is less than one. There must be at least one "
                            "child listed with mother.");
    if (count(kChildrenWithFather) < 1)
        run.Error(caption + "The number of children listed with father is less than one. There must be at least one "
                            "child listed with father.");
    if (count(kChildrenWithMother) + count(kChildrenWithFather) != count(kChildren))
        run.Error(caption + "The number of children listed with father and mother does not equal the total number of "
                            "children.");
}

std::string CaptionOfNames(const CalcRun& run) {
    return CaseCaption(run.Text(kFatherName.page, kFatherName.slot), run.Text(kMotherName.page, kMotherName.slot));
}

// The "Use this amount..." box (set by line 1a itself) and the "Annualize ..."
// box exclude each other; tested before line 1a sets its box.
void Line1aBoxConflict(CalcRun& run, const SplitParent& p) {
    const Slot useThisAmount = p.column->minimumWageBox;
    if (run.Ticked(useThisAmount.page, useThisAmount.slot) && run.Ticked(p.annualizeBox.page, p.annualizeBox.slot))
        run.Error(kPrefix + "Line 1a. " + p.column->Parent +
                  "'s \"Use this amount...\" and \"Annualize ...\" checkboxes are both checked. Check only one because "
                  "they are mutually exclusive.");
}

// ---- Lines 19 to 21 ----

// Line 20b: the health care expenditures per child, for the children
// living with the other parent, limited by the parent's line 14b.
void CashMedicalLine20b(CalcRun& run, const SplitParent& p, double health) {
    const int children = run.Integer(kChildren.page, kChildren.slot);
    double amount = children != 0
                        ? health / children * run.Integer(p.childrenSupported.page, p.childrenSupported.slot)
                        : 0.0;
    amount = Min(amount, MoneyOf(run, p.column->cashMedicalMax14b));
    run.SetMoneyUnlessOverridden(p.cashMedical20b.page, p.cashMedical20b.slot, amount);
}

// Lines 21 and 23: each parent's share of the other's line 19 plus the
// line 20 amount given.  Column I adds the father's share of the mother's
// costs and subtracts the mother's share of his; column II the reverse.
struct CrossSlots {
    Slot additionsI, additionsII, subtractionsI, subtractionsII;
};
void CrossAdjustments(CalcRun& run, const CrossSlots& out, Slot fatherLine20, Slot motherLine20) {
    const double fatherShare = run.Rate(kFatherShare16.page, kFatherShare16.slot);
    const double motherShare = run.Rate(kMotherShare16.page, kMotherShare16.slot);
    const double fatherCosts = MoneyOf(run, kFatherChildCare.result) + MoneyOf(run, fatherLine20);
    const double motherCosts = MoneyOf(run, kMotherChildCare.result) + MoneyOf(run, motherLine20);
    SetMoney(run, out.additionsI, motherCosts * fatherShare);
    SetMoney(run, out.additionsII, fatherCosts * motherShare);
    SetMoney(run, out.subtractionsI, fatherCosts * motherShare);
    SetMoney(run, out.subtractionsII, motherCosts * fatherShare);
}

void QualifyingExpensesNotice(CalcRun& run, const SplitParent& p) {
    const ChildCareColumn& c = *p.childCare;
    if (MoneyOf(run, c.qualifyingExpenses) > MoneyOf(run, c.totalExpenses))
        run.Notice(kPrefix + "Line 19. " + p.column->Parent +
                   "'s qualifying child care expenses should never exceed " + p.column->pronoun +
                   " total child care expenses.");
}

struct OverriddenSlot {
    int slot;  // on page 11
    const char* text;
};
constexpr OverriddenSlot kLine19To20bOverrides[] = {
    {7, "Line 19. Father's earned income for calculating the child care credit is overridden."},
    {8, "Line 19. Mother's earned income for calculating the child care credit is overridden."},
    {11, "Line 19. Father's adjusted gross income for calculating the child care credit is overridden."},
    {12, "Line 19. Mother's adjusted gross income for calculating the child care credit is overridden."},
    {13, "Line 19a. Father's number of qualifying children for the child care credit calculation is overridden."},
    {14, "Line 19a. Mother's number of qualifying children for the child care credit calculation is overridden."},
    {24, "Line 19a. Father's standard/itemized deduction amount for the child care credit calculation is overridden."},
    {25, "Line 19a. Mother's standard/itemized deduction amount for the child care credit calculation is overridden."},
    {26, "Line 19a. Father's exemption amount for the child care credit calculation is overridden."},
    {27, "Line 19a. Mother's exemption amount for the child care credit calculation is overridden."},
    {33, "Line 19a. The result of father's child care credit calculation is overridden."},
    {34, "Line 19b. The result of mother's child care credit calculation is overridden."},
    {41, "Line 20b. Father's cash medicalsupport obligation is overridden."},
    {42, "Line 20b. Mother's cash medicalsupport obligation is overridden."},
};

// ---- Lines 22 to 25 ----

void ActualObligation(CalcRun& run, const ObligationColumn& c) {
    const double additions = MoneyOf(run, c.additions), subtractions = MoneyOf(run, c.subtractions);
    SetMoney(run, c.adjusted,
             additions > subtractions ? MoneyOf(run, c.line18) + additions - subtractions : MoneyOf(run, c.line18));
    SetMoney(run, c.actual, MoneyOf(run, c.adjusted) - MoneyOf(run, c.deducted));
}

// Only the parent with the larger actual obligation pays, the difference;
// SplitObligor becomes 1 (father), 2 (mother) or 0 (equal).
void Netting(CalcRun& run, const ObligationColumn& father, const ObligationColumn& mother) {
    const double fatherActual = MoneyOf(run, father.actual), motherActual = MoneyOf(run, mother.actual);
    run.a.SplitObligor = -1;
    if (motherActual >= fatherActual) {
        SetText(run, father.payable, "");
    } else {
        SetMoney(run, father.payable, fatherActual - motherActual);
        run.a.SplitObligor = 1;
    }
    if (fatherActual >= motherActual) {
        SetText(run, mother.payable, "");
    } else {
        SetMoney(run, mother.payable, motherActual - fatherActual);
        run.a.SplitObligor = 2;
    }
    if (fatherActual == motherActual) run.a.SplitObligor = 0;
}

// ---- Lines 26 to 29 ----

// Line 26 of the obligor: each column is the payable amount plus the
// obligor's deviation, raised to 0 when negative.
void FinalAnnualSupport(CalcRun& run, const FinalColumn& f) {
    const double deviation = MoneyOf(run, f.deviation);
    SetMoney(run, kFinalWithInsurance, std::max(0.0, MoneyOf(run, f.payableWithInsurance) + deviation));
    SetMoney(run, kFinalWithoutInsurance, std::max(0.0, MoneyOf(run, f.payableWithoutInsurance) + deviation));
}

// Equal obligations without insurance: the parent with the larger
// deviation pays, the mother when the deviations are equal.  The father is
// then treated as any obligor; the mother's line 26 has only column II, not
// raised to 0.
void BreakTheTie(CalcRun& run) {
    if (MoneyOf(run, kMotherFinal.deviation) >= MoneyOf(run, kFatherFinal.deviation)) {
        run.a.SplitObligor = kMotherFinal.obligor;
        SetMoney(run, kFinalWithoutInsurance,
                 MoneyOf(run, kMotherFinal.payableWithoutInsurance) + MoneyOf(run, kMotherFinal.deviation));
        return;
    }
    run.a.SplitObligor = kFatherFinal.obligor;
    FinalAnnualSupport(run, kFatherFinal);
}

}  // namespace

// Step 1: caption, lines 1 and 2 (page 8).
void Calc8(CalcRun& run) {
    if (run.report.Checking() && (SplitIncomeTotal(run.a) != 0 || !run.Empty(kCaption.page, kCaption.slot)))
        run.report.WriteHeader(run.Text(kCaption.page, kCaption.slot), run.Text(kCaseNumber.page, kCaseNumber.slot),
                               "Split Parental Worksheet");
    CaptionChecks(run);
    for (const ParentColumn* p : {&kFather, &kMother}) run.unreadableNamed += UnreadableAmounts(run, kPrefix, *p);
    SetText(run, kCaption, CaptionOfNames(run));
    SetText(run, kDateLine, LongDateOfToday());
    for (const SplitParent* p : {&kSplitFather, &kSplitMother}) Line1aBoxConflict(run, *p);
    for (const ParentColumn* p : {&kFather, &kMother}) MinimumWageBox(run, *p);
    for (const ParentColumn* p : {&kFather, &kMother}) OvertimeAverage(run, *p);
    for (const ParentColumn* p : {&kFather, &kMother}) OvertimeLine1b(run, *p);
    for (const ParentColumn* p : {&kFather, &kMother}) FicaLine2c(run, *p);
    Lines1bAnd2cNotices(run, kPrefix, kFather, kMother);
    for (const ParentColumn* p : {&kFather, &kMother}) SelfEmploymentLine2d(run, *p);
    run.StampPage(8);
}

// Step 2: lines 3 to 14a and the page header (page 9).
void Calc9(CalcRun& run) {
    PageHeader(run, 9, kFatherName, kMotherName, kCaseNumber);
    for (const ParentColumn* p : {&kFather, &kMother}) GrossIncomeLine7a(run, kPrefix, *p);
    for (const ParentColumn* p : {&kFather, &kMother}) HealthInsuranceLine7b(run, kPrefix, *p);
    for (const ParentColumn* p : {&kFather, &kMother}) OtherChildrenLine8(run, kPrefix, *p);
    LocalTaxLine11(run, kFather, kMother);
    Line11Notices(run, kPrefix, kFather, kMother);
    for (const ParentColumn* p : {&kFather, &kMother}) AdjustmentsLine13(run, *p);
    for (const ParentColumn* p : {&kFather, &kMother}) AdjustedIncomeLine14(run, kPrefix, *p);
    run.StampPage(9);
}

// Step 3: lines 14 to 18 (page 10).  The father's obligation is looked up
// for the children living with the mother, the mother's for those living
// with the father.
void Calc10(CalcRun& run) {
    TAnswer& a = run.a;
    CopyPageHeader(run, 9, 10);
    for (const ParentColumn* p : {&kFather, &kMother}) HouseholdPovertyLevel(run, kPrefix, *p);
    for (const ParentColumn* p : {&kFather, &kMother}) CashMedicalMaximumLine14b(run, *p);
    CombinedIncomeLine15(run, kCombined15, kFather, kMother);
    IncomeSharesLine16(run, kCombined15, kFatherShare16, kMotherShare16, kFather, kMother);

    const double combined = MoneyOf(run, kCombined15);
    const bool limit = run.Ticked(kLimitBox.page, kLimitBox.slot);
    auto children = [&](Slot s) { return run.Integer(s.page, s.slot); };
    SixChildrenColumnNotice(run, kPrefix + "Line 17, Column I. ", children(kChildrenWithMother));
    SixChildrenColumnNotice(run, kPrefix + "Line 17, Column II. ", children(kChildrenWithFather));
    // Only the very first of the six lookups may write the lookup's comments.
    const Line17Lookup withMother = LookUpLine17(run, children(kChildrenWithMother), combined, limit, false, true);
    a.SupportLow = withMother.low;
    a.SupportInterpolated = withMother.interpolated;
    a.SupportHigh = withMother.high;
    BasicObligationLine17(run, kFatherLine17, withMother, kLowBox, kHighBox, kFather, kMother);
    const Line17Lookup withFather = LookUpLine17(run, children(kChildrenWithFather), combined, limit, false, false);
    a.SupportLow2 = withFather.low;
    a.SupportInterpolated2 = withFather.interpolated;
    a.SupportHigh2 = withFather.high;
    BasicObligationLine17(run, kMotherLine17, withFather, kLowBox, kHighBox, kFather, kMother);

    AnnualObligationLine18(run, kFatherLine18, kFatherLine17, kFatherShare16);
    AnnualObligationLine18(run, kMotherLine18, kMotherLine17, kMotherShare16);

    for (const ParentColumn* p : {&kFather, &kMother}) CashMedicalMaximumNotice(run, kPrefix, *p);
    for (const ParentColumn* p : {&kFather, &kMother}) PovertyLevelNotice(run, kPrefix, *p);
    run.StampPage(10);
}

// Step 4: lines 19, 20b and 21 (page 11).
void Calc11(CalcRun& run) {
    TAnswer& a = run.a;
    CopyPageHeader(run, 9, 11);
    ChildCareLine19(run, kFatherChildCare, kFather, true, false, a.SplitDadFedChildCredit, a.SplitDadOhioChildCredit,
                    a.SplitDadChildCredit);
    ChildCareLine19(run, kMotherChildCare, kMother, false, false, a.SplitMomFedChildCredit, a.SplitMomOhioChildCredit,
                    a.SplitMomChildCredit);

    const double health = a.GetAnnualHealthExpenditures(
        MoneyOf(run, kFather.adjusted14) + MoneyOf(run, kMother.adjusted14), run.Integer(kChildren.page, kChildren.slot));
    for (const SplitParent* p : {&kSplitFather, &kSplitMother}) CashMedicalLine20b(run, *p, health);

    CrossAdjustments(run, {{11, 45}, {11, 46}, {11, 47}, {11, 48}}, kSplitFather.line20a, kSplitMother.line20a);

    for (const SplitParent* p : {&kSplitFather, &kSplitMother}) QualifyingExpensesNotice(run, *p);
    for (const OverriddenSlot& o : kLine19To20bOverrides) run.NoticeIfOverridden(11, o.slot, kPrefix + o.text);
    run.StampPage(11);
}

// Step 5: line 22, health insurance provided, and the line 23 cross
// adjustments that line 24 uses (page 12).  No comments.
void Calc12(CalcRun& run) {
    CopyPageHeader(run, 9, 12);
    ActualObligation(run, kFatherLine22);
    ActualObligation(run, kMotherLine22);
    Netting(run, kFatherLine22, kMotherLine22);
    CrossAdjustments(run, {{12, 12}, {12, 13}, {12, 14}, {12, 15}}, kSplitFather.cashMedical20b,
                     kSplitMother.cashMedical20b);
    run.StampPage(12);
}

// Step 6: line 24, health insurance not provided, which decides the
// obligor, and the line 25 checks (page 13).
void Calc13(CalcRun& run) {
    TAnswer& a = run.a;
    CopyPageHeader(run, 9, 13);
    run.CopyText(kFatherLine22.deducted.page, kFatherLine22.deducted.slot, kFatherLine24.deducted.page,
                 kFatherLine24.deducted.slot);
    ActualObligation(run, kFatherLine24);
    run.CopyText(kMotherLine22.deducted.page, kMotherLine22.deducted.slot, kMotherLine24.deducted.page,
                 kMotherLine24.deducted.slot);
    ActualObligation(run, kMotherLine24);
    Netting(run, kFatherLine24, kMotherLine24);

    // Line 24h: the obligor's payable amount plus the obligor's line 20b.
    SetText(run, {13, 12}, "");
    SetText(run, {13, 13}, "");
    if (a.SplitObligor == 1)
        SetMoney(run, {13, 12}, MoneyOf(run, kSplitFather.cashMedical20b) + MoneyOf(run, kFatherLine24.payable));
    if (a.SplitObligor == 2)
        SetMoney(run, {13, 13}, MoneyOf(run, kSplitMother.cashMedical20b) + MoneyOf(run, kMotherLine24.payable));

    if (a.SplitObligor == 1 && MoneyOf(run, kMotherFinal.deviation) != 0)
        run.Error(kPrefix + "Line 25. The Father is the obligor, therefore there should not be an entry in the "
                            "Mother's column.");
    if (a.SplitObligor == 2 && MoneyOf(run, kFatherFinal.deviation) != 0)
        run.Error(kPrefix + "Line 25. The Mother is the obligor, therefore there should not be an entry in the "
                            "Father's column.");
    run.StampPage(13);
}

// Step 7: lines 26 to 29 (page 14).  Column I is the case with health
// insurance provided, column II without.
void Calc14(CalcRun& run) {
    TAnswer& a = run.a;
    CopyPageHeader(run, 9, 14);
    SetText(run, kFinalWithInsurance, "");
    SetText(run, kFinalWithoutInsurance, "");
    if (a.SplitObligor == kFatherFinal.obligor)
        FinalAnnualSupport(run, kFatherFinal);
    else if (a.SplitObligor == kMotherFinal.obligor)
        FinalAnnualSupport(run, kMotherFinal);
    else
        BreakTheTie(run);
    const bool fatherPays = a.SplitObligor == kFatherFinal.obligor;
    SetText(run, {14, 26}, fatherPays ? "X" : "");
    SetText(run, {14, 27}, fatherPays ? "" : "X");

    // Line 27: monthly support with the processing charge.
    MonthlyWithProcessingCharge(run, kProcessingCharge, kFinalWithInsurance, {14, 21}, {14, 6}, {14, 28});
    MonthlyWithProcessingCharge(run, kProcessingCharge, kFinalWithoutInsurance, {14, 22}, {14, 7}, {14, 29});
    if (run.Rate(kProcessingCharge.rate.page, kProcessingCharge.rate.slot) > 0 && MoneyOf(run, kProcessingCharge.flatFee) > 0)
        run.Error(kPrefix + "Line 27. You have a percentage AND a flat fee entered in the Processing Charge dialog. "
                            "These fields are mutually exclusive. When both contain values, the flat fee method is used.");

    // Lines 28 and 29: the obligor's cash medical support; the flat fee never
    // applies to it.
    const Slot obligorsCashMedical =
        run.Ticked(14, 26) ? kSplitFather.cashMedical20b : kSplitMother.cashMedical20b;
    run.CopyText(obligorsCashMedical.page, obligorsCashMedical.slot, 14, 8);
    MonthlyCashMedical(run, kProcessingCharge.rate, MoneyOf(run, kProcessingCharge.rate) > 0, {14, 8}, {14, 23},
                       {14, 9}, {14, 30});
    SetText(run, {14, 12}, run.Ticked(14, 11) ? "X" : "");

    run.SetTextUnlessOverridden(14, 16, run.Text(9, 0));
    run.SetTextUnlessOverridden(14, 18, run.Text(9, 1));
    run.StampPage(14);
}

}  // namespace quill10
