// The sole residential parent / shared parenting worksheet, calculation
// pages 1 to 6: Calc1 to Calc6 compute it line by line, from the caption
// that decides who pays to the monthly figures of line 31.
#include <string>

#include "calc/CalcEnvironment.h"
#include "calc/Worksheets.h"
#include "calc/WorksheetLines.h"

namespace quill10 {

namespace {

const std::string kPrefix = "Sole/Shared Worksheet, ";

// Caption slots (page 1).
constexpr Slot kCaption{1, 0}, kCaseNumber{1, 1}, kChildren{1, 2}, kFatherName{1, 50}, kMotherName{1, 51},
    kDateLine{1, 52};
constexpr int kMotherResidentBox = 4;  // the father pays
constexpr int kFatherResidentBox = 5;  // the mother pays
constexpr int kSharedBox = 6;
constexpr int kSoleResidentialBox = 53;
constexpr int kMotherObligorBox = 39;  // shared parenting order, mother pays
constexpr int kFatherObligorBox = 40;  // shared parenting order, father pays

const ParentColumn kFather = {
    "Father", "father", "his",
    {1, 19}, {1, 7}, {{1, 21}, {1, 23}, {1, 25}}, {1, 27}, {1, 29},
    {1, 31}, {1, 33}, {1, 35}, {1, 37},
    {{2, 4}, {2, 6}, {2, 8}, {2, 10}},
    {2, 13}, {2, 15}, {2, 41},
    {{2, 17}, {2, 19}, {2, 21}}, {2, 23},
    {2, 25}, {2, 27},
    {2, 29}, {2, 31}, {2, 33},
    {2, 35}, {2, 37}, {2, 39},
    {3, 6}, {3, 7}, {3, 52}, {3, 4},
};
const ParentColumn kMother = {
    "Mother", "mother", "her",
    {1, 20}, {1, 8}, {{1, 22}, {1, 24}, {1, 26}}, {1, 28}, {1, 30},
    {1, 32}, {1, 34}, {1, 36}, {1, 38},
    {{2, 5}, {2, 7}, {2, 9}, {2, 11}},
    {2, 14}, {2, 16}, {2, 42},
    {{2, 18}, {2, 20}, {2, 22}}, {2, 24},
    {2, 26}, {2, 28},
    {2, 30}, {2, 32}, {2, 34},
    {2, 36}, {2, 38}, {2, 40},
    {3, 47}, {3, 48}, {3, 53}, {3, 5},
};

const std::string kFilingStatusError =
    kPrefix + "Line 19a. If you are checking the child care credit using the tax  calculation method, you must "
              "select a filing status: Single; Married Joint; Married Separate; Head of Household; Widow(er). ";

const ChildCareColumn kFatherChildCare = {
    {3, 17}, {3, 49}, {3, 19}, {3, 21}, {3, 23}, {3, 42}, {{3, 25}, {3, 26}, {3, 31}}, {3, 32}, {3, 90},
    {3, 45}, kChildren,
    kPrefix + "Line 19a. You entered father's child care expenses but have not picked a Calculation Option. You "
              "must check at least one of the first three checkboxes on line 19. ",
    kFilingStatusError,
};
const ChildCareColumn kMotherChildCare = {
    {3, 18}, {3, 50}, {3, 20}, {3, 22}, {3, 24}, {3, 43}, {{3, 55}, {3, 56}, {3, 57}}, {3, 33}, {3, 91},
    {3, 46}, kChildren,
    kPrefix + "Line 19b. You entered mother's child care expenses but have not picked a Calculation Option. You "
              "must check at least one of the first three checkboxes on line 19. ",
    kFilingStatusError,
};

// Lines 15 to 18 (page 3).
constexpr Slot kCombined15{3, 8}, kFatherShare16{3, 9}, kMotherShare16{3, 10}, kLowBox{3, 11}, kHighBox{3, 13},
    kLine17{3, 14}, kFatherLine18{3, 15}, kMotherLine18{3, 16}, kLimitBox{3, 51};

// Who pays.  Lines 21 to 23 and 27b to 31 take a parent as obligor when
// either obligor code names them; lines 24 to 26 take the narrower test.
bool FatherPays(const TAnswer& a) { return a.SoleObligor == 1 || a.SharedObligor == 1; }
bool MotherPays(const TAnswer& a) { return a.SoleObligor == 2 || a.SharedObligor == 2; }
bool FatherPaysLine24(const TAnswer& a) { return a.SoleObligor == 1 || (a.SoleObligor == 3 && a.SharedObligor == 1); }
bool MotherPaysLine24(const TAnswer& a) { return a.SoleObligor == 2 || (a.SoleObligor == 3 && a.SharedObligor == 2); }

void CaptionChecks(CalcRun& run) {
    const std::string caption = kPrefix + "Page 1 Caption. ";
    auto ticked = [&](int slot) { return run.Ticked(1, slot); };
    const bool sole = ticked(kSoleResidentialBox), shared = ticked(kSharedBox);
    const bool motherResident = ticked(kMotherResidentBox), fatherResident = ticked(kFatherResidentBox);
    const bool motherObligor = ticked(kMotherObligorBox), fatherObligor = ticked(kFatherObligorBox);
    if (sole && shared)
        run.Error(caption + "Both sole residential and shared parenting checkboxes are checked. These selections are "
                            "mutually exclusive. The worksheet must be either sole residential or shared parenting.");
    if (sole && !motherResident && !fatherResident)
        run.Error(caption + "You have checked the sole residential checkbox but have not selected either parent as "
                            "the residential parent.");
    if (!sole && (motherResident || fatherResident))
        run.Error(caption + "Either mother or father are listed as sole residential parent, but the Sole Residential "
                            "checkbox is not checked.");
    if (sole && motherResident && fatherResident)
        run.Error(caption + "Both mother and father are listed as sole residential parents. You cannot check both the "
                            "mother and father as sole residential parents.");
    if (shared && motherObligor && fatherObligor)
        run.Error(caption + "Both mother and father are checked as shared parenting obligors. You cannot check both "
                            "the mother and father as obligors.");
    if (!shared && (motherObligor || fatherObligor))
        run.Error(caption + "Either mother or father are listed as shared parenting obligors, but the Sole "
                            "Residential worksheet box is checked. The two sets of three checkboxes are mutually "
                            "exclusive.");
    if (shared && motherObligor && fatherObligor)
        run.Error(caption + "Both mother and father are listed as obligors. You cannot check both the mother and "
                            "father as sole residential parents.");
    if (!sole && !shared)
        run.Error(caption + "The worksheet needs to be checked: (1) Sole Residential with either mother or father as "
                            "residential parent, OR (2) Shared Parenting with either mother or father as obligor.");
}

void ChooseObligor(CalcRun& run) {
    TAnswer& a = run.a;
    a.SoleObligor = a.Ticked(1, kMotherResidentBox) ? 1
                    : a.Ticked(1, kFatherResidentBox) ? 2
                    : a.Ticked(1, kSharedBox)         ? 3
                                                      : -1;
    const bool motherObligor = a.Ticked(1, kMotherObligorBox), fatherObligor = a.Ticked(1, kFatherObligorBox);
    if (a.SoleObligor == 3 && motherObligor == fatherObligor) {
        // The shared parenting obligor stays as the last calculation left it.
        run.Error(kPrefix + "Page 1 Caption. For shared parenting orders only one parent must be selected to be the "
                            "obligor. In this worksheet, either both parents or neither parent is currently selected.");
        return;
    }
    a.SharedObligor = motherObligor ? 2 : fatherObligor ? 1 : 0;
}

std::string CaptionOfNames(const CalcRun& run, Slot father, Slot mother) {
    return CaseCaption(run.Text(father.page, father.slot), run.Text(mother.page, mother.slot));
}

// ---- Line 27b: one parent's shared parenting deviation ----

struct DeviationColumn {
    int obligorCode;  // the SharedObligor value that makes this parent the obligor
    int deviation, manualBox, manualAmount, optionsBox, offsetBox, combinedBox, combinedRate, ownBox, ownRate,
        adjustmentsBox, eraseBox, eraseCashMedicalBox;
    Slot otherLine18, ownLine18;
    // Lines 19, 20a, 21 (obligor's share), 21 (other's share) and 23b of this parent.
    Slot line19, line20a, line21Own, line21Other, line23b;
};
constexpr DeviationColumn kFatherDeviation = {1,  21, 4,  5,  7,  8,  9,  10, 11, 12, 13, 50, 60,
                                              {3, 16}, {3, 15}, {3, 45}, {4, 4}, {4, 13}, {4, 15}, {4, 23}};
constexpr DeviationColumn kMotherDeviation = {2,  22, 52, 6,  53, 54, 55, 58, 56, 59, 57, 51, 61,
                                              {3, 15}, {3, 16}, {3, 46}, {4, 5}, {4, 14}, {4, 16}, {4, 24}};

struct EraseFlags {
    bool obligation = false;
    bool cashMedical = false;
};

void SharedParentingDeviation(CalcRun& run, const DeviationColumn& d, EraseFlags& erase) {
    constexpr int page = 6;
    if (run.a.SharedObligor != d.obligorCode) {
        run.SetText(page, d.deviation, "");
        run.a.SetOvRide(page, d.deviation, false);
        return;
    }
    if (run.Ticked(page, d.manualBox)) {
        run.SetTextUnlessOverridden(page, d.deviation, run.Text(page, d.manualAmount));
        return;
    }
    const bool offset = run.Ticked(page, d.offsetBox), combined = run.Ticked(page, d.combinedBox),
               own = run.Ticked(page, d.ownBox);
    double deviation = 0;
    if (run.Ticked(page, d.optionsBox)) {
        if (offset) deviation = run.Money(d.otherLine18.page, d.otherLine18.slot);
        if (combined) deviation = run.Money(kLine17.page, kLine17.slot) * run.Rate(page, d.combinedRate);
        if (own) deviation = run.Money(d.ownLine18.page, d.ownLine18.slot) * run.Rate(page, d.ownRate);
    }
    if (run.Ticked(page, d.adjustmentsBox)) {
        auto money = [&](Slot s) { return run.Money(s.page, s.slot); };
        double adjustments =
            -money(d.line19) - money(d.line20a) + money(d.line21Own) - money(d.line21Other) - money(d.line23b);
        if (offset) deviation += adjustments;
        if (combined) deviation += run.Rate(page, d.combinedRate) * adjustments;
        if (own) deviation += run.Rate(page, d.ownRate) * adjustments;
        if (!offset && !combined && !own) {
            deviation = 0;
            run.Notice(kPrefix + "Line 27b. If you select the 4th deviation algorithm checkbox, you must also select "
                                 "checkbox 1, 2 or 3.");
        }
    }
    deviation = -deviation;
    erase.obligation = run.Ticked(page, d.eraseBox);
    erase.cashMedical = run.Ticked(page, d.eraseCashMedicalBox);
    if (run.Overridden(page, d.deviation))
        run.Notice(kPrefix + "Line 27b. The deviation amount is overridden.");
    else
        run.SetMoney(page, d.deviation, deviation);
}

// ---- Line 28: one obligor's final figures ----

struct FinalColumn {
    bool father;
    Slot line23c, line26c, line27a;
    int deviation;  // 6:21 or 6:22
    const char* minimumWarning;
    const char* negativeNoInsurance;
};
constexpr FinalColumn kFatherFinal = {
    true, {5, 4}, {5, 18}, {5, 20}, 21,
    "Line 28. Father's final support figure is less than the statutory minimum of $600. You may want to enter a "
    "line 27 adjustment to bring the final figure up to $600.",
    "Line 28. The final support figure is less than zero. Line 28 is being set to $0."};
constexpr FinalColumn kMotherFinal = {
    false, {5, 5}, {5, 19}, {5, 21}, 22,
    "Line 28. Mother's final support figure is less than the statutory minimum of $600. You might consider entering "
    "a line 27 adjustment to bring the final figure up to the minimum.",
    "Line 28. The final support figure is less than zero. Line 28 is being set to zero."};
constexpr double kStatutoryMinimum = 600;

void MarkObligor(CalcRun& run, bool father) {
    run.SetText(6, 25, father ? "X" : "");
    run.SetText(6, 26, father ? "" : "X");
}

// Line 28 with insurance provided (column I, 6:23).
void FinalWithInsurance(CalcRun& run, const FinalColumn& f, const EraseFlags& erase, double& erasedAmount) {
    auto money = [&](Slot s) { return run.Money(s.page, s.slot); };
    double total = money(f.line23c) + money(f.line27a) + run.Money(6, f.deviation);
    if (total < kStatutoryMinimum && (run.Money(2, 13) > 0 || run.Money(2, 14) > 0))
        run.Notice(kPrefix + f.minimumWarning);
    if (total < 0) {
        run.SetText(6, 23, "");
        run.Notice(kPrefix + "Line 28. The final support figure is less than zero. Line 28 is being set to $0.");
    } else if (erase.obligation) {
        if (!run.Overridden(6, f.deviation)) {
            run.SetMoney(6, f.deviation, -money(f.line23c));
            erasedAmount = money(f.line23c);
        }
    } else {
        run.SetMoney(6, 23, total);
        MarkObligor(run, f.father);
    }
}

// Line 28 without insurance (column II, 6:24).  False when the figure is
// below zero, which ends line 28.
bool FinalWithoutInsurance(CalcRun& run, const FinalColumn& f, const EraseFlags& erase, double erasedAmount) {
    auto money = [&](Slot s) { return run.Money(s.page, s.slot); };
    double total = money(f.line26c) + money(f.line27a) + run.Money(6, f.deviation);
    if (total < 0) {
        run.SetText(6, 24, "");
        run.Notice(kPrefix + f.negativeNoInsurance);
        return false;
    }
    if (erase.obligation) {
        if (!run.Overridden(6, f.deviation) && money(f.line26c) > erasedAmount)
            run.SetMoney(6, f.deviation, -money(f.line26c));
    } else {
        run.SetMoney(6, 24, total);
        MarkObligor(run, f.father);
    }
    return true;
}

constexpr ProcessingChargeSlots kProcessingCharge = {{6, 27}, {6, 28}};

}  // namespace

// Step A: caption and lines 1 and 2 (page 1).
void Calc1(CalcRun& run) {
    TAnswer& a = run.a;
    if (run.report.Checking() && (SoleSharedIncomeTotal(a) != 0 || !run.Empty(kCaption.page, kCaption.slot)))
        run.report.WriteHeader(run.Text(1, 0), run.Text(1, 1), "Sole Residential/Shared Parenting Worksheet");
    if (run.Integer(kChildren.page, kChildren.slot) < 1)
        run.Error(kPrefix + "Page 1 Caption. The number of children listed is less than one. There must be at least "
                            "one child subject to this order.");
    CaptionChecks(run);
    for (const ParentColumn* p : {&kFather, &kMother}) run.unreadableNamed += UnreadableAmounts(run, kPrefix, *p);
    ChooseObligor(run);
    run.SetText(kCaption.page, kCaption.slot, CaptionOfNames(run, kFatherName, kMotherName));
    run.SetText(kDateLine.page, kDateLine.slot, LongDateOfToday());
    for (const ParentColumn* p : {&kFather, &kMother}) MinimumWageBox(run, *p);
    for (const ParentColumn* p : {&kFather, &kMother}) OvertimeAverage(run, *p);
    for (const ParentColumn* p : {&kFather, &kMother}) OvertimeLine1b(run, *p);
    for (const ParentColumn* p : {&kFather, &kMother}) FicaLine2c(run, *p);
    for (const ParentColumn* p : {&kFather, &kMother}) SelfEmploymentLine2d(run, *p);
    run.StampPage(1);
    Lines1bAnd2cNotices(run, kPrefix, kFather, kMother);
}

// Step B: lines 3 to 14 (page 2).
void Calc2(CalcRun& run) {
    PageHeader(run, 2, kFatherName, kMotherName, kCaseNumber);
    for (const ParentColumn* p : {&kFather, &kMother}) GrossIncomeLine7a(run, kPrefix, *p);
    for (const ParentColumn* p : {&kFather, &kMother}) HealthInsuranceLine7b(run, kPrefix, *p);
    for (const ParentColumn* p : {&kFather, &kMother}) OtherChildrenLine8(run, kPrefix, *p);
    LocalTaxLine11(run, kFather, kMother);
    Line11Notices(run, kPrefix, kFather, kMother);
    for (const ParentColumn* p : {&kFather, &kMother}) AdjustmentsLine13(run, *p);
    for (const ParentColumn* p : {&kFather, &kMother}) AdjustedIncomeLine14(run, kPrefix, *p);
    run.StampPage(2);
}

// Steps C and D: line 14 household, 14b and lines 15 to 19 (page 3).
void Calc3(CalcRun& run) {
    TAnswer& a = run.a;
    CopyPageHeader(run, 2, 3);
    for (const ParentColumn* p : {&kFather, &kMother}) HouseholdPovertyLevel(run, kPrefix, *p);
    for (const ParentColumn* p : {&kFather, &kMother}) CashMedicalMaximumLine14b(run, *p);
    for (const ParentColumn* p : {&kFather, &kMother}) {
        PovertyLevelNotice(run, kPrefix, *p);
        CashMedicalMaximumNotice(run, kPrefix, *p);
    }

    CombinedIncomeLine15(run, kCombined15, kFather, kMother);
    IncomeSharesLine16(run, kCombined15, kFatherShare16, kMotherShare16, kFather, kMother);
    const int children = run.Integer(kChildren.page, kChildren.slot);
    SixChildrenColumnNotice(run, kPrefix + "Line 17. ", children);
    Line17Lookup lookup = LookUpLine17(run, children, run.Money(kCombined15.page, kCombined15.slot),
                                       run.Ticked(kLimitBox.page, kLimitBox.slot), true, true);
    a.SupportLow = lookup.low;
    a.SupportInterpolated = lookup.interpolated;
    a.SupportHigh = lookup.high;
    BasicObligationLine17(run, kLine17, lookup, kLowBox, kHighBox, kFather, kMother);
    AnnualObligationLine18(run, kFatherLine18, kLine17, kFatherShare16);
    AnnualObligationLine18(run, kMotherLine18, kLine17, kMotherShare16);

    struct OverriddenInput {
        int slot;
        const char* what;
    };
    static constexpr OverriddenInput kCreditInputs[] = {
        {19, "Father's earned income"},  {20, "Mother's earned income"},
        {21, "Father's adjusted gross income"}, {22, "Mother's adjusted gross income"},
        {23, "Father's number of qualifying children"}, {24, "Mother's number of qualifying children"},
        {34, "Father's standard or itemized deduction"}, {35, "Mother's standard or itemized deduction"},
        {36, "Father's exemption amount"}, {37, "Mother's exemption amount"},
    };
    for (const OverriddenInput& input : kCreditInputs)
        run.NoticeIfOverridden(3, input.slot, kPrefix + "Line 19. " + input.what +
                                                  " for calculating the child care credit is overridden.");
    if (run.Money(3, 49) > run.Money(3, 17))
        run.Notice(kPrefix + "Line 19. Father's qualifying child care expenses should never exceed the total child "
                             "care expenses.");
    if (run.Money(3, 50) > run.Money(3, 18))
        run.Notice(kPrefix + "Line 19. Mother's qualifying child care expenses should never exceed the total child "
                             "care expenses.");

    ChildCareLine19(run, kFatherChildCare, kFather, true, true, a.SoleDadFedChildCredit, a.SoleDadOhioChildCredit,
                    a.SoleDadChildCredit);
    run.NoticeIfOverridden(3, 45, kPrefix + "Line 19a. The result of father's child care credit calculation is overridden.");
    ChildCareLine19(run, kMotherChildCare, kMother, false, true, a.SoleMomFedChildCredit, a.SoleMomOhioChildCredit,
                    a.SoleMomChildCredit);
    run.NoticeIfOverridden(3, 46, kPrefix + "Line 19b. The result of mother's child care credit calculation is overridden.");
    run.StampPage(3);
}

// Step E: lines 20 to 23 (page 4).
void Calc4(CalcRun& run) {
    TAnswer& a = run.a;
    CopyPageHeader(run, 2, 4);
    double health = a.GetAnnualHealthExpenditures(run.Money(2, 39) + run.Money(2, 40), run.Integer(1, 2));
    run.SetMoneyUnlessOverridden(4, 8, Min(run.Money(3, 4), health));
    run.SetMoneyUnlessOverridden(4, 9, Min(run.Money(3, 5), health));
    run.NoticeIfOverridden(4, 8, kPrefix + "Line 20b. Father's cash medicalsupport obligation is overridden.");
    run.NoticeIfOverridden(4, 9, kPrefix + "Line 20b. Mother's cash medicalsupport obligation is overridden.");

    // Line 21: each obligor's share of the other parent's lines 19 + 20a,
    // and the other parent's share of the obligor's.
    const double fatherShare = run.Rate(3, 9), motherShare = run.Rate(3, 10);
    const double father19and20a = run.Money(3, 45) + run.Money(4, 4);
    const double mother19and20a = run.Money(3, 46) + run.Money(4, 5);
    if (a.SoleObligor == 1 || a.SoleObligor == 3) {
        run.SetMoney(4, 13, mother19and20a * fatherShare);
        run.SetMoney(4, 15, father19and20a * motherShare);
    } else {
        run.SetText(4, 13, "");
        run.SetText(4, 15, "");
    }
    if (a.SoleObligor == 2 || a.SoleObligor == 3) {
        run.SetMoney(4, 14, father19and20a * motherShare);
        run.SetMoney(4, 16, mother19and20a * fatherShare);
    } else {
        run.SetText(4, 14, "");
        run.SetText(4, 16, "");
    }

    // The cash medical obligation of the parent who does not pay.
    const bool clearMother = a.SoleObligor == 1 || (a.SoleObligor == 3 && a.SharedObligor == 1);
    const bool clearFather = a.SoleObligor == 2 || (a.SoleObligor == 3 && a.SharedObligor == 2);
    if (clearMother) run.SetTextUnlessOverridden(4, 9, "");
    if (clearFather) run.SetTextUnlessOverridden(4, 8, "");

    // Line 22.
    if (FatherPays(a)) run.SetMoney(4, 19, run.Money(3, 15) + run.Money(4, 13) - run.Money(4, 15));
    else run.SetText(4, 19, "");
    if (MotherPays(a)) run.SetMoney(4, 20, run.Money(3, 16) + run.Money(4, 14) - run.Money(4, 16));
    else run.SetText(4, 20, "");

    // Line 23: the obligor's line 22 less non-means-tested benefits.
    struct Line23Column {
        bool pays;
        int line22, line23a, line23b, line23c;
        const char* Parent;
    };
    const Line23Column columns[] = {{FatherPays(a), 19, 21, 23, 4, "Father"}, {MotherPays(a), 20, 22, 24, 5, "Mother"}};
    for (const Line23Column& c : columns) {
        if (c.pays) {
            run.CopyText(4, c.line22, 4, c.line23a);
            run.SetMoney(5, c.line23c, run.Money(4, c.line23a) - run.Money(4, c.line23b));
            continue;
        }
        run.SetText(4, c.line23a, "");
        if (run.Money(4, c.line23b) > 0)
            run.Error(kPrefix + "Line 23b. If " + c.Parent +
                      " is not the obligor, there should not be an entry on this line. The entry is being removed.");
        run.SetText(4, c.line23b, "");
        run.SetText(5, c.line23c, "");
    }
    run.StampPage(4);
}

// Step F: lines 24 to 27a (page 5).
void Calc5(CalcRun& run) {
    TAnswer& a = run.a;
    CopyPageHeader(run, 2, 5);
    const double fatherShare = run.Rate(3, 9), motherShare = run.Rate(3, 10);
    const double father19and20b = run.Money(3, 45) + run.Money(4, 8);
    const double mother19and20b = run.Money(3, 46) + run.Money(4, 9);

    struct Line24Column {
        bool pays;
        int line24Own, line24Other;   // 24a/24b and 24c/24d
        double ownShareOfOther, otherShareOfOwn;
        int line18Page, line18Slot;
        int line25, line26a, line23bPage, line23bSlot, line26b, line26c;
        const char* Parent;
        const char* column;
    };
    const Line24Column columns[] = {
        {FatherPaysLine24(a), 6, 8, mother19and20b * fatherShare, father19and20b * motherShare, 3, 15, 12, 14, 4, 23,
         16, 18, "Father", "father's"},
        {MotherPaysLine24(a), 7, 9, father19and20b * motherShare, mother19and20b * fatherShare, 3, 16, 13, 15, 4, 24,
         17, 19, "Mother", "mother's"},
    };
    for (const Line24Column& c : columns) {
        if (c.pays) {
            run.SetMoney(5, c.line24Own, c.ownShareOfOther);
            run.SetMoney(5, c.line24Other, c.otherShareOfOwn);
        } else {
            run.SetText(5, c.line24Own, "");
            run.SetText(5, c.line24Other, "");
        }
    }
    for (const Line24Column& c : columns) {
        if (c.pays)
            run.SetMoney(5, c.line25, run.Money(c.line18Page, c.line18Slot) + run.Money(5, c.line24Own) -
                                          run.Money(5, c.line24Other));
        else
            run.SetText(5, c.line25, "");
    }
    for (const Line24Column& c : columns) {
        if (c.pays) {
            run.CopyText(5, c.line25, 5, c.line26a);
            run.CopyText(c.line23bPage, c.line23bSlot, 5, c.line26b);
            run.SetMoney(5, c.line26c, run.Money(5, c.line26a) - run.Money(5, c.line26b));
            continue;
        }
        run.SetText(5, c.line26a, "");
        if (run.Money(5, c.line26b) > 0)
            run.Error(kPrefix + "Line 26b. If " + c.Parent + " is not the obligor, there should not be an entry on "
                                "this line in " + c.column + " column. The entry is being removed.");
        run.SetText(5, c.line26b, "");
        run.SetText(5, c.line26c, "");
    }

    // Line 27a: the deviation of a sole residential order.
    const bool fatherPaysSole = run.Ticked(1, kMotherResidentBox), motherPaysSole = run.Ticked(1, kFatherResidentBox);
    const bool shared = run.Ticked(1, kSharedBox);
    if ((fatherPaysSole || shared) && run.Money(5, 21) > 0)
        run.Error(kPrefix + "Line 27a. If Father is the obligor or this is a shared parenting order, there should "
                            "not be an entry on this line in mother's column.");
    if (a.SharedObligor != 0 && run.Money(5, 20) > 0)
        run.Error(kPrefix + "Line 27a. A shared parenting order should not have an entry on this line in father's "
                            "column.");
    if ((motherPaysSole || shared) && run.Money(5, 20) > 0)
        run.Error(kPrefix + "Line 27a. If Mother is the obligor or this is a shared parenting order, there should "
                            "not be an entry on this line in father's column.");
    if (a.SharedObligor != 0 && run.Money(5, 21) > 0)
        run.Error(kPrefix + "Line 27a. A shared parenting order should not have an entry on this line in mother's "
                            "column.");
    run.StampPage(5);
}

// Step G: lines 27b to 31 (page 6).
void Calc6(CalcRun& run) {
    TAnswer& a = run.a;
    CopyPageHeader(run, 2, 6);
    if (run.Ticked(1, kMotherResidentBox) && run.Money(5, 21) > 0)
        run.Notice(kPrefix + "Line 27a. Father is the obligor therefore you cannot enter a deviation in the Mother "
                             "column.");
    if (run.Ticked(1, kFatherResidentBox) && run.Money(5, 20) > 0)
        run.Notice(kPrefix + "Line 27a. Mother is the obligor therefore you cannot enter a deviation in the Father "
                             "column.");

    EraseFlags erase;
    SharedParentingDeviation(run, kFatherDeviation, erase);
    SharedParentingDeviation(run, kMotherDeviation, erase);

    if (!run.Ticked(1, kSharedBox)) {
        static constexpr int kSharedBoxes[] = {4, 7, 8, 11, 13, 52, 53, 54, 56, 57};
        static constexpr int kSharedEntries[] = {5, 6, 10, 12, 58, 59};
        bool anyBox = false, anyEntry = false;
        for (int slot : kSharedBoxes) anyBox = anyBox || run.Ticked(6, slot);
        for (int slot : kSharedEntries) anyEntry = anyEntry || run.Money(6, slot) > 0;
        if (anyBox)
            run.Error(kPrefix + "Line 27b. A sole residential order should not have any of these boxes checked.");
        if (anyEntry)
            run.Error(kPrefix + "Line 27b. A sole residential order should not have an entries in the gray box.");
    }
    int methods = (run.Ticked(6, 4) ? 1 : 0) + (run.Ticked(6, 7) ? 1 : 0) +
                  (run.Ticked(6, 50) || run.Ticked(6, 51) ? 1 : 0);
    if (methods > 1) run.Error(kPrefix + "Line 27b. You may only check one of the available deviation methods.");

    for (int slot : {23, 24, 25, 26}) run.SetText(6, slot, "");
    double erasedAmount = 0;
    bool lineContinues = true;
    if (FatherPays(a)) {
        FinalWithInsurance(run, kFatherFinal, erase, erasedAmount);
        lineContinues = FinalWithoutInsurance(run, kFatherFinal, erase, erasedAmount);
    }
    if (MotherPays(a) && lineContinues) {
        FinalWithInsurance(run, kMotherFinal, erase, erasedAmount);
        FinalWithoutInsurance(run, kMotherFinal, erase, erasedAmount);
    }
    if (run.Empty(6, 25) && run.Empty(6, 26)) {
        if (run.Money(4, 8) > 0) run.SetText(6, 25, "X");
        if (run.Money(4, 9) > 0) run.SetText(6, 26, "X");
    }

    // Line 29: monthly support with the processing charge.
    MonthlyWithProcessingCharge(run, kProcessingCharge, {6, 23}, {6, 44}, {6, 29}, {6, 47});
    MonthlyWithProcessingCharge(run, kProcessingCharge, {6, 24}, {6, 45}, {6, 30}, {6, 48});
    if (run.Rate(6, 27) > 0 && run.Money(6, 28) > 0)
        run.Error(kPrefix + "Line 29. You have a percentage AND a flat fee entered in the Processing Charge dialog. "
                            "These fields are mutually exclusive. When both contain values, the flat fee method is used.");

    // Lines 30 and 31: cash medical support; the flat fee never applies to it.
    run.CopyText(4, run.Ticked(6, 25) ? 8 : 9, 6, 46);
    if (erase.cashMedical) run.SetText(6, 46, "0.00");
    MonthlyCashMedical(run, kProcessingCharge.rate, run.Rate(6, 27) > 0, {6, 46}, {6, 31}, {6, 32}, {6, 49});
    run.SetTextUnlessOverridden(6, 39, run.Text(2, 0));
    run.SetTextUnlessOverridden(6, 41, run.Text(2, 1));
    run.StampPage(6);
}

}  // namespace quill10
