// The child care credit of line 19: a federal credit (a share of the
// qualifying expenses that falls with income, limited per child and by
// earned income, optionally by the tax liability) plus, when asked for, an
// Ohio credit derived from it and optionally limited by the Ohio tax.
#include "calc/CalcCCLimit.h"

#include <algorithm>
#include <cstring>

#include "calc/CheckReport.h"
#include "store/Answers.h"
#include "store/Misc.h"

namespace quill10 {

namespace {

// ---- Federal credit percentage ----
struct CreditRateRow {
    double agiUpTo;
    double rate;
};
constexpr CreditRateRow kCreditRates[] = {
    {15000, 0.35}, {17000, 0.34}, {19000, 0.33}, {21000, 0.32}, {23000, 0.31},
    {25000, 0.30}, {27000, 0.29}, {29000, 0.28}, {31000, 0.27}, {33000, 0.26},
    {35000, 0.25}, {37000, 0.24}, {39000, 0.23}, {41000, 0.22}, {43000, 0.21},
};
constexpr double kLowestCreditRate = 0.20;

constexpr double kExpenseLimitOneChild = 3000;
constexpr double kExpenseLimitTwoOrMore = 6000;

// ---- Federal income tax schedules: taxable income from `lower` up to `upper`
// pays `taxAtLower` plus `rate` of the excess over `lower`. ----
struct TaxBracket {
    double lower;
    double upper;
    double taxAtLower;
    double rate;
};
using TaxSchedule = TaxBracket[7];
constexpr double kOpenEnded = 999999999;

constexpr TaxSchedule kSingle = {
    {0, 9525, 0, 0.10},           {9525, 38700, 952.50, 0.12},        {38700, 82500, 4453.50, 0.22},
    {82500, 157500, 14089.50, 0.24}, {157500, 200000, 32089.50, 0.32}, {200000, 500000, 45689.50, 0.35},
    {500000, kOpenEnded, 150689.50, 0.37}};
constexpr TaxSchedule kMarriedJoint = {
    {0, 19050, 0, 0.10},           {19050, 77400, 1905, 0.12},       {77400, 165000, 8907, 0.22},
    {165000, 315000, 28179, 0.24}, {315000, 400000, 64179, 0.32},    {400000, 600000, 91379, 0.35},
    {600000, kOpenEnded, 161379, 0.37}};
constexpr TaxSchedule kMarriedSeparate = {
    {0, 9525, 0, 0.10},           {9525, 38700, 952.50, 0.12},        {38700, 82500, 4453.50, 0.22},
    {82500, 157500, 14089.50, 0.24}, {157500, 200000, 32089.50, 0.32}, {200000, 300000, 45689.50, 0.35},
    {300000, kOpenEnded, 80689.50, 0.37}};
constexpr TaxSchedule kHeadOfHousehold = {
    {0, 13600, 0, 0.10},           {13600, 51850, 1360, 0.12},      {51850, 82500, 5944, 0.22},
    {82500, 157500, 12698, 0.24},  {157500, 200000, 30698, 0.32},   {200000, 500000, 44298, 0.35},
    {500000, kOpenEnded, 149398, 0.37}};

// Filing status (1-5) to schedule and standard deduction.  A qualifying
// widow(er) files on the married-joint schedule with the married-joint
// standard deduction, as federal law provides.
struct FilingStatusRow {
    const char* indexText;
    const TaxBracket* schedule;
    double standardDeduction;
};
constexpr FilingStatusRow kFilingStatuses[] = {
    {"0", kSingle, 12200.00},          // Single
    {"1", kMarriedJoint, 24400.00},    // Married Joint
    {"2", kMarriedSeparate, 12200.00}, // Married Separate
    {"3", kHeadOfHousehold, 18300.00}, // Head of Household
    {"4", kMarriedJoint, 24400.00},    // Qualifying Widower
};

// ---- Ohio income tax ----
struct OhioBracket {
    double below;
    double taxAtLower;
    double rate;
    double lower;
};
constexpr OhioBracket kOhioBrackets[] = {
    {5200, 0, 0.005, 0},           {10400, 26, 0.0099, 5200},     {15650, 77.48, 0.0198, 10400},
    {20900, 181.43, 0.0248, 15650}, {41700, 311.63, 0.0297, 20900}, {83350, 929.39, 0.0346, 41700},
    {104250, 2370.48, 0.0396, 83350}, {208500, 3198.12, 0.046, 104250},
};
constexpr OhioBracket kOhioTopBracket = {0, 7993.62, 0.05, 208500};
constexpr double kOhioExemptionCreditBelow = 30000;
constexpr double kOhioExemptionCredit = 20;

// The slots one parent's credit reads on one worksheet.
struct CreditSlots {
    int page;
    int enteredFederalLiability, enteredStateLiability, filingStatus, deduction, exemption, foreignTaxCredit,
        ohioBox;
    int childrenPage, childrenSlot;  // number of children for the Ohio exemptions
};
constexpr CreditSlots kSoleFather = {3, 27, 29, 32, 34, 36, 40, 44, 1, 2};
constexpr CreditSlots kSoleMother = {3, 28, 30, 33, 35, 37, 41, 58, 1, 2};
constexpr CreditSlots kSplitFather = {11, 17, 19, 22, 24, 26, 30, 32, 8, 5};
constexpr CreditSlots kSplitMother = {11, 18, 20, 23, 25, 27, 31, 54, 8, 4};

}  // namespace

double FederalCreditRate(double adjustedGrossIncome) {
    for (const CreditRateRow& row : kCreditRates)
        if (adjustedGrossIncome <= row.agiUpTo) return row.rate;
    return kLowestCreditRate;
}

int FilingStatusFromIndexText(const char* text) {
    for (int k = 0; k < 5; ++k)
        if (std::strcmp(text, kFilingStatuses[k].indexText) == 0) return k + 1;
    return 0;
}

double StandardDeduction(int filingStatus) {
    return filingStatus >= 1 && filingStatus <= 5 ? kFilingStatuses[filingStatus - 1].standardDeduction : 0.0;
}

double FederalIncomeTax(int filingStatus, double taxableIncome) {
    if (taxableIncome < 0) return 0.0;
    const TaxBracket* schedule =
        filingStatus >= 1 && filingStatus <= 5 ? kFilingStatuses[filingStatus - 1].schedule : kSingle;
    for (int k = 0; k < 7; ++k) {
        const TaxBracket& bracket = schedule[k];
        if (bracket.upper >= taxableIncome || k == 6)
            return RoundHalfEven(bracket.taxAtLower + bracket.rate * (taxableIncome - bracket.lower));
    }
    return 0.0;
}

double OhioIncomeTax(double adjustedGrossIncome, int children) {
    int exemptions = children + 1;
    double perExemption = adjustedGrossIncome <= 40000 ? 2300 : adjustedGrossIncome <= 80000 ? 2050 : 1800;
    double taxable = adjustedGrossIncome - exemptions * perExemption;
    const OhioBracket* bracket = &kOhioTopBracket;
    for (const OhioBracket& row : kOhioBrackets) {
        if (taxable < row.below) {
            bracket = &row;
            break;
        }
    }
    double tax = bracket->taxAtLower + bracket->rate * (taxable - bracket->lower);
    if (taxable < kOhioExemptionCreditBelow) tax -= kOhioExemptionCredit * exemptions;
    return tax;
}

double TAnswer::FigureChildCareCredit(bool father, int children, CheckReport& checkReport, int method,
                                      bool soleWorksheet, double qualifyingExpenses, double spouseEarnedIncome,
                                      double earnedIncome, double adjustedGrossIncome) {
    const CreditSlots& slots = soleWorksheet ? (father ? kSoleFather : kSoleMother)
                                             : (father ? kSplitFather : kSplitMother);
    double& federalField = soleWorksheet ? (father ? SoleDadFedChildCredit : SoleMomFedChildCredit)
                                         : (father ? SplitDadFedChildCredit : SplitMomFedChildCredit);
    double& ohioField = soleWorksheet ? (father ? SoleDadOhioChildCredit : SoleMomOhioChildCredit)
                                      : (father ? SplitDadOhioChildCredit : SplitMomOhioChildCredit);
    const int page = slots.page;

    if (adjustedGrossIncome == 0 || children == 0) return 0.0;
    double rate = FederalCreditRate(adjustedGrossIncome);

    double expenses = qualifyingExpenses;
    if (qualifyingExpenses > kExpenseLimitOneChild && children == 1) {
        expenses = kExpenseLimitOneChild;
        checkReport.Comment("Child Care Expenses. This is NOT an error. QUILL observes the $3,000 IRS limit per "
                            "child when calculating the child care credit.");
    } else if (qualifyingExpenses > kExpenseLimitTwoOrMore && children >= 2) {
        expenses = kExpenseLimitTwoOrMore;
        checkReport.Comment("Child Care Expenses. This is NOT an error. QUILL observes the $6,000 IRS limit per "
                            "child when calculating the child care credit.");
    }
    if (earnedIncome < expenses) expenses = earnedIncome;
    if (spouseEarnedIncome > 0 && spouseEarnedIncome < expenses) expenses = spouseEarnedIncome;
    if (expenses < 0) expenses = 0;  // a negative earned income gives no credit, not a negative one

    // A credit is never limited below zero by a liability below zero.
    double credit = expenses * rate;
    federalField = credit;
    const double uncappedCredit = credit;

    if (method == 2) {
        double liability = std::max(0.0, Str2Float_2(Text(page, slots.enteredFederalLiability)));
        if (liability < credit) credit = liability;
        federalField = credit;
    } else if (method == 3) {
        int status = FilingStatusFromIndexText(Text(page, slots.filingStatus).c_str());
        if (!OvRide(page, slots.deduction))
            SetText(page, slots.deduction, status == 0 ? std::string() : MoneyText(StandardDeduction(status)));
        if (!OvRide(page, slots.exemption)) SetText(page, slots.exemption, "0.00");
        double taxable = adjustedGrossIncome - Str2Float_2(Text(page, slots.deduction)) -
                         Str2Float_2(Text(page, slots.exemption));
        double liability = FederalIncomeTax(status, taxable) - Str2Float_2(Text(page, slots.foreignTaxCredit));
        (father ? DadFederalTaxLiability : MomFederalTaxLiability) = liability;
        if (liability < credit) {
            credit = std::max(0.0, liability);
            const std::string parent = father ? "Father" : "Mother";
            checkReport.Comment(std::string(soleWorksheet ? "Sole/Shared" : "Split Parental") +
                                " Worksheet, Line 19. The child care credit of the " + parent + " is " +
                                "being limited by " + parent + "'s estimated tax liability.");
        }
        federalField = credit;
    }

    if (!Ticked(page, slots.ohioBox)) return credit;

    double base = soleWorksheet ? uncappedCredit : credit;
    double ohioCredit = adjustedGrossIncome >= 40000 ? 0.0 : adjustedGrossIncome >= 20000 ? 0.25 * base : base;
    ohioField = ohioCredit;
    if (method == 2) {
        double liability = std::max(0.0, Str2Float_2(Text(page, slots.enteredStateLiability)));
        if (liability < ohioCredit) ohioCredit = liability;
        ohioField = ohioCredit;
    } else if (method == 3) {
        double ohioTax = std::max(0.0, OhioIncomeTax(adjustedGrossIncome, Str2Int(Text(slots.childrenPage,
                                                                                      slots.childrenSlot))));
        if (ohioTax < ohioCredit) ohioCredit = ohioTax;
        ohioField = ohioCredit;
    }
    return credit + ohioCredit;
}

}  // namespace quill10
