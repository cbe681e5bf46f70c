#pragma once
// The worksheet lines that the sole/shared and the split worksheets compute
// alike, each taking one parent's column (or the worksheet's slots) as
// parameters.  The worksheet steps call them in their own order, so that
// the comments reach the check report in the order each worksheet gives.
#include <string>

#include "calc/CalcRun.h"

namespace quill10 {

struct Slot {
    int page;
    int slot;
};

// One parent's slots of lines 1 to 14b.
struct ParentColumn {
    const char* Parent;  // "Father" / "Mother"
    const char* parent;  // "father" / "mother"
    const char* pronoun; // "his" / "her"
    Slot line1a, minimumWageBox;
    Slot overtime[3];  // the third is year 1, compared with the average
    Slot overtimeAverage, line1b;
    Slot receipts2a, expenses2b, fica2c, income2d;
    Slot otherIncome[4];  // lines 3 to 6
    Slot total7a, healthMax7b, contributingCost7b;
    Slot otherChildren8[3], line8;
    Slot line9, line10;
    Slot wages11, rate11, localTax11;
    Slot line12, total13, adjusted14;
    Slot household, povertyLevel, povertyLevel150, cashMedicalMax14b;
};

// One parent's slots of line 19, the child care adjustment.
struct ChildCareColumn {
    Slot totalExpenses, qualifyingExpenses, earnedIncome, adjustedGrossIncome, qualifyingChildren;
    Slot spouseEarnedIncome;
    Slot options[3];  // calculation option boxes 1, 2 and 3
    Slot filingStatus, filingStatusName;
    Slot result;      // total expenses less the credit
    Slot childrenSource;  // the number of children the credit counts by default
    std::string optionError;
    std::string filingStatusError;
};

// ---- Entries ----
// Names every amount the parent entered on lines 1 to 12 that cannot be
// read, once each, with its line, column and text: an error comment of the
// check report (after `prefix`) and a numbered error.  The calculation
// counts such an entry as 0.  The number named.
int UnreadableAmounts(CalcRun& run, const std::string& prefix, const ParentColumn& p);

// ---- Lines 1 and 2 ----
void MinimumWageBox(CalcRun& run, const ParentColumn& p);
void OvertimeAverage(CalcRun& run, const ParentColumn& p);
void OvertimeLine1b(CalcRun& run, const ParentColumn& p);
void FicaLine2c(CalcRun& run, const ParentColumn& p);
void SelfEmploymentLine2d(CalcRun& run, const ParentColumn& p);
void Lines1bAnd2cNotices(CalcRun& run, const std::string& prefix, const ParentColumn& father,
                         const ParentColumn& mother);

// ---- Lines 7 to 14 ----
// Copies names, case number and (unless overridden) today's date into the
// header slots 0-3 of a page.
void PageHeader(CalcRun& run, int page, Slot fatherName, Slot motherName, Slot caseNumber);
// The case caption of a worksheet: "Father & Mother", one name alone when
// the other is empty, "" when both are.
std::string CaseCaption(const std::string& father, const std::string& mother);
void CopyPageHeader(CalcRun& run, int fromPage, int toPage);
void GrossIncomeLine7a(CalcRun& run, const std::string& prefix, const ParentColumn& p);
void HealthInsuranceLine7b(CalcRun& run, const std::string& prefix, const ParentColumn& p);
void OtherChildrenLine8(CalcRun& run, const std::string& prefix, const ParentColumn& p);
void LocalTaxLine11(CalcRun& run, const ParentColumn& father, const ParentColumn& mother);
void Line11Notices(CalcRun& run, const std::string& prefix, const ParentColumn& father, const ParentColumn& mother);
void AdjustmentsLine13(CalcRun& run, const ParentColumn& p);
void AdjustedIncomeLine14(CalcRun& run, const std::string& prefix, const ParentColumn& p);

// ---- Lines 14 and 14b ----
// The HHS poverty level of a household of `persons` (0 outside 1 to 20).
int PovertyLevelOf(int persons);
void HouseholdPovertyLevel(CalcRun& run, const std::string& prefix, const ParentColumn& p);
void CashMedicalMaximumLine14b(CalcRun& run, const ParentColumn& p);
void PovertyLevelNotice(CalcRun& run, const std::string& prefix, const ParentColumn& p);
void CashMedicalMaximumNotice(CalcRun& run, const std::string& prefix, const ParentColumn& p);

// ---- Lines 15 to 18 ----
void CombinedIncomeLine15(CalcRun& run, Slot combined, const ParentColumn& father, const ParentColumn& mother);
void IncomeSharesLine16(CalcRun& run, Slot combined, Slot fatherShare, Slot motherShare, const ParentColumn& father,
                        const ParentColumn& mother);

struct Line17Lookup {
    double low = 0, interpolated = 0, high = 0;
};
// Looks the combined income up by the three methods; the lookup's own
// comments are written when `reportComments` is set.
// More than six children: the schedule's six-children column is used, and
// the check report says so under `where` (the worksheet, line and column).
void SixChildrenColumnNotice(CalcRun& run, const std::string& where, int children);
Line17Lookup LookUpLine17(CalcRun& run, int children, double combinedIncome, bool limit, bool soleWorksheet,
                          bool reportComments);
// Line 17 by the method boxes (Low wins over High; neither means
// Interpolate); "0.00" when neither parent has adjusted income.
void BasicObligationLine17(CalcRun& run, Slot line17, const Line17Lookup& lookup, Slot lowBox, Slot highBox,
                           const ParentColumn& father, const ParentColumn& mother);
void AnnualObligationLine18(CalcRun& run, Slot line18, Slot line17, Slot share);

// ---- Line 19 ----
// One parent's child care adjustment: the option check, the credit's
// inputs, the filing status, and the credit of each ticked option box.
// Skipped while the result is overridden.
void ChildCareLine19(CalcRun& run, const ChildCareColumn& c, const ParentColumn& p, bool father, bool soleWorksheet,
                     double& federalCredit, double& ohioCredit, double& totalCredit);

// Filing status names by index 0-4.
const char* FilingStatusName(int index);

// ---- Monthly figures with the processing charge ----
// The slots of the processing charge dialog: a rate (a fraction) and a flat
// monthly fee.
struct ProcessingChargeSlots {
    Slot rate, flatFee;
};
// One column of monthly support: the annual amount / 12 rounded to cents,
// the charge (the flat fee when it is not zero, otherwise the rate on the
// monthly amount, rounded to cents), their sum, and the charge as the
// difference of the written sum and monthly amount.
void MonthlyWithProcessingCharge(CalcRun& run, const ProcessingChargeSlots& fee, Slot annual, Slot monthly,
                                 Slot withCharge, Slot charge);
// Monthly cash medical support: annual / 12, and when `chargeApplies` the
// sum with the rate's charge and the charge itself; otherwise the sum is
// "" and the charge slot keeps what it held.  The flat fee never applies.
void MonthlyCashMedical(CalcRun& run, Slot rate, bool chargeApplies, Slot annual, Slot monthly, Slot withCharge,
                        Slot charge);

}  // namespace quill10
