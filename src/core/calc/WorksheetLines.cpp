#include "calc/WorksheetLines.h"

#include "calc/CalcEnvironment.h"
#include "calc/ListChoices.h"
#include "platform/TextEncoding.h"

namespace quill10 {

namespace {

constexpr double kMinimumWageIncome = 16952;  // the income estimator's minimum-wage annual income
constexpr double kFicaDifferential = 0.056;
constexpr double kHealthInsuranceShare = 0.05;
constexpr double kCashMedicalShare = 0.05;
constexpr double kPovertyMultiple = 1.5;

// The HHS poverty level by number of persons in the household (0 to 20).
constexpr int kPovertyLevels[21] = {0,     12060, 12060, 12060, 12060, 12060, 12060, 12060, 12060, 12060, 12060,
                                    12060, 12060, 12060, 12060, 12060, 12060, 12060, 12060, 12060, 12060};


double MoneyOf(const CalcRun& run, Slot s) { return run.Money(s.page, s.slot); }
void SetMoney(CalcRun& run, Slot s, double value) { run.SetMoney(s.page, s.slot, value); }
void SetMoneyUnlessOverridden(CalcRun& run, Slot s, double value) { run.SetMoneyUnlessOverridden(s.page, s.slot, value); }
bool IsOverridden(const CalcRun& run, Slot s) { return run.Overridden(s.page, s.slot); }
void NoticeIfOverridden(CalcRun& run, Slot s, const std::string& text) { run.NoticeIfOverridden(s.page, s.slot, text); }

// Earned income for the credit: lines 1a + 1b + 2d.
double EarnedIncome(const CalcRun& run, const ParentColumn& p) {
    return MoneyOf(run, p.line1a) + MoneyOf(run, p.line1b) + MoneyOf(run, p.income2d);
}

}  // namespace

int PovertyLevelOf(int persons) { return persons >= 1 && persons <= 20 ? kPovertyLevels[persons] : 0; }

const char* FilingStatusName(int index) {
    return index >= 0 && index < static_cast<int>(kFilingStatusNames.size()) ? kFilingStatusNames[static_cast<size_t>(index)]
                                                                               : nullptr;
}

// ---- Entries ----------------------------------------------------------------------

int UnreadableAmounts(CalcRun& run, const std::string& prefix, const ParentColumn& p) {
    const struct {
        const char* line;
        Slot slot;
    } kEntries[] = {
        {"1a", p.line1a},         {"1b", p.overtime[0]},    {"1b", p.overtime[1]},    {"1b", p.overtime[2]},
        {"2a", p.receipts2a},     {"2b", p.expenses2b},     {"3", p.otherIncome[0]},  {"4", p.otherIncome[1]},
        {"5", p.otherIncome[2]},  {"6", p.otherIncome[3]},  {"9", p.line9},           {"10", p.line10},
        {"12", p.line12},
    };
    const std::string column = std::string(p.Parent) == "Father" ? "I" : "II";
    int named = 0;
    for (const auto& entry : kEntries) {
        const std::string& text = run.Text(entry.slot.page, entry.slot.slot);
        if (TrimStr(text).empty() || TryParseNumber(RemoveCommasAndSigns(text))) continue;
        const std::string said = "Line " + std::string(entry.line) + ", Column " + column + ": " +
                                 QuotedForMessage(text) + " cannot be read as an amount; it was counted as 0.";
        run.Error(prefix + said);
        ErrorMessageSaying(kErrUnreadableEntry, said);
        ++named;
    }
    return named;
}

// ---- Lines 1 and 2 ----

void MinimumWageBox(CalcRun& run, const ParentColumn& p) {
    run.SetText(p.minimumWageBox.page, p.minimumWageBox.slot, MoneyOf(run, p.line1a) == kMinimumWageIncome ? "X" : "");
}

void OvertimeAverage(CalcRun& run, const ParentColumn& p) {
    SetMoney(run, p.overtimeAverage,
             (MoneyOf(run, p.overtime[0]) + MoneyOf(run, p.overtime[1]) + MoneyOf(run, p.overtime[2])) / 3);
}

void OvertimeLine1b(CalcRun& run, const ParentColumn& p) {
    // The average as written (rounded to cents) against year 1.
    SetMoneyUnlessOverridden(run, p.line1b, Min(MoneyOf(run, p.overtimeAverage), MoneyOf(run, p.overtime[2])));
}

void FicaLine2c(CalcRun& run, const ParentColumn& p) {
    SetMoneyUnlessOverridden(run, p.fica2c, (MoneyOf(run, p.receipts2a) - MoneyOf(run, p.expenses2b)) * kFicaDifferential);
}

void SelfEmploymentLine2d(CalcRun& run, const ParentColumn& p) {
    SetMoney(run, p.income2d, MoneyOf(run, p.receipts2a) - MoneyOf(run, p.expenses2b) - MoneyOf(run, p.fica2c));
}

void Lines1bAnd2cNotices(CalcRun& run, const std::string& prefix, const ParentColumn& father,
                         const ParentColumn& mother) {
    for (const ParentColumn* p : {&father, &mother})
        NoticeIfOverridden(run, p->line1b,
                           prefix + "Line 1b. The result of " + p->parent + "'s overtime/bonuses calculation is overridden.");
    for (const ParentColumn* p : {&father, &mother})
        NoticeIfOverridden(run, p->fica2c, prefix + "Line 2c. " + p->Parent + "'s FICA calculation is overridden.");
}

// ---- Lines 7 to 14 ----

std::string CaseCaption(const std::string& father, const std::string& mother) {
    if (father.empty() || mother.empty()) return father + mother;
    return father + " & " + mother;
}

void PageHeader(CalcRun& run, int page, Slot fatherName, Slot motherName, Slot caseNumber) {
    run.CopyText(fatherName.page, fatherName.slot, page, 0);
    run.CopyText(motherName.page, motherName.slot, page, 1);
    run.CopyText(caseNumber.page, caseNumber.slot, page, 2);
    run.SetTextUnlessOverridden(page, 3, ShortDateOfToday());
}

void CopyPageHeader(CalcRun& run, int fromPage, int toPage) {
    for (int slot = 0; slot <= 3; ++slot) run.CopyText(fromPage, slot, toPage, slot);
}

void GrossIncomeLine7a(CalcRun& run, const std::string& prefix, const ParentColumn& p) {
    double total = EarnedIncome(run, p);
    for (const Slot& s : p.otherIncome) total += MoneyOf(run, s);
    if (total < 0) {
        run.Error(prefix + "Line 7a. " + p.Parent + "'s total annual gross income is less  than zero. " + p.Parent +
                  "'s income is being adjusted to zero for purposes of this calculation.");
        total = 0;
    }
    SetMoney(run, p.total7a, total);
}

void HealthInsuranceLine7b(CalcRun& run, const std::string& prefix, const ParentColumn& p) {
    SetMoney(run, p.healthMax7b, MoneyOf(run, p.total7a) * kHealthInsuranceShare);
    if (MoneyOf(run, p.contributingCost7b) > MoneyOf(run, p.healthMax7b))
        run.Error(prefix + "Line 7b. " + p.Parent + "'s \"contributing cost\" for health insurance is greater than " +
                  p.pronoun + " health insurance maximum. See the help topic on \"contributing cost\" for more information.");
}

void OtherChildrenLine8(CalcRun& run, const std::string& prefix, const ParentColumn& p) {
    if (IsOverridden(run, p.line8)) return;
    double value = MoneyOf(run, p.otherChildren8[0]) * MoneyOf(run, p.otherChildren8[1]) - MoneyOf(run, p.otherChildren8[2]);
    if (value < 0) {
        run.Error(prefix + "Line 8. " + p.Parent +
                  "'s adjustment is less  than zero. Line 8 is being adjusted to zero for purposes of this calculation.");
        value = 0;
    }
    SetMoney(run, p.line8, value);
}

void LocalTaxLine11(CalcRun& run, const ParentColumn& father, const ParentColumn& mother) {
    for (const ParentColumn* p : {&father, &mother}) {
        SetMoneyUnlessOverridden(run, p->wages11, EarnedIncome(run, *p));
        SetMoneyUnlessOverridden(run, p->localTax11,
                                 MoneyOf(run, p->wages11) * run.Rate(p->rate11.page, p->rate11.slot));
    }
}

void Line11Notices(CalcRun& run, const std::string& prefix, const ParentColumn& father, const ParentColumn& mother) {
    for (const ParentColumn* p : {&father, &mother})
        NoticeIfOverridden(run, p->wages11, prefix + "Line 11. " + p->Parent + "'s wages subject to local tax is overridden.");
    for (const ParentColumn* p : {&father, &mother})
        NoticeIfOverridden(run, p->localTax11,
                           prefix + "Line 11. " + p->Parent + "'s local income tax paid or estimated is overridden.");
}

void AdjustmentsLine13(CalcRun& run, const ParentColumn& p) {
    SetMoney(run, p.total13, MoneyOf(run, p.line8) + MoneyOf(run, p.line9) + MoneyOf(run, p.line10) +
                                 MoneyOf(run, p.localTax11) + MoneyOf(run, p.line12));
}

void AdjustedIncomeLine14(CalcRun& run, const std::string& prefix, const ParentColumn& p) {
    double value = MoneyOf(run, p.total7a) - MoneyOf(run, p.total13);
    if (value < 0) {
        run.Error(prefix + "Line 14a. " + p.Parent + "'s adjusted annual gross income is less  than zero. " + p.Parent +
                  "'s adjusted income is being adjusted to zero for purposes of this calculation.");
        value = 0;
    }
    SetMoney(run, p.adjusted14, value);
}

// ---- Lines 14 and 14b ----

void HouseholdPovertyLevel(CalcRun& run, const std::string& prefix, const ParentColumn& p) {
    // A blank or impossible household size leaves the poverty level and its
    // 150 % figure as they were.
    if (run.Empty(p.household.page, p.household.slot)) {
        run.Error(prefix + "Line 14. Number of persons in " + p.parent + "'s family/household is blank.");
        return;
    }
    int persons = run.Integer(p.household.page, p.household.slot);
    if (persons < 0 || persons > 20) {
        run.Error(prefix + "Line 14. Number of persons in " + p.parent +
                  "'s family/household field is not a valid numeric entry.");
        return;
    }
    run.SetTextUnlessOverridden(p.povertyLevel.page, p.povertyLevel.slot, std::to_string(kPovertyLevels[persons]));
    SetMoney(run, p.povertyLevel150, MoneyOf(run, p.povertyLevel) * kPovertyMultiple);
}

void CashMedicalMaximumLine14b(CalcRun& run, const ParentColumn& p) {
    if (IsOverridden(run, p.cashMedicalMax14b)) return;
    // No cash medical support maximum below 150 % of the poverty level.
    if (MoneyOf(run, p.total7a) < MoneyOf(run, p.povertyLevel) * kPovertyMultiple)
        run.SetText(p.cashMedicalMax14b.page, p.cashMedicalMax14b.slot, "");
    else
        SetMoney(run, p.cashMedicalMax14b, MoneyOf(run, p.adjusted14) * kCashMedicalShare);
}

void PovertyLevelNotice(CalcRun& run, const std::string& prefix, const ParentColumn& p) {
    NoticeIfOverridden(run, p.povertyLevel, prefix + "Line 14b. " + p.Parent + "'s HHS Poverty Level is overridden.");
}

void CashMedicalMaximumNotice(CalcRun& run, const std::string& prefix, const ParentColumn& p) {
    NoticeIfOverridden(run, p.cashMedicalMax14b,
                       prefix + "Line 14b. " + p.Parent + "'s cash medical support maximum is overridden.");
}

// ---- Lines 15 to 18 ----

void CombinedIncomeLine15(CalcRun& run, Slot combined, const ParentColumn& father, const ParentColumn& mother) {
    SetMoney(run, combined, MoneyOf(run, father.adjusted14) + MoneyOf(run, mother.adjusted14));
}

void IncomeSharesLine16(CalcRun& run, Slot combined, Slot fatherShare, Slot motherShare, const ParentColumn& father,
                        const ParentColumn& mother) {
    double total = MoneyOf(run, combined);
    double share = total != 0 ? RoundHalfEven(MoneyOf(run, father.adjusted14) / total * 10000) / 10000 : 0.0;
    run.SetText(fatherShare.page, fatherShare.slot, FixedText(share, 4));
    bool noIncome = MoneyOf(run, father.adjusted14) == 0 && MoneyOf(run, mother.adjusted14) == 0;
    run.SetText(motherShare.page, motherShare.slot, FixedText(noIncome ? 0.0 : 1 - share, 4));
}

void SixChildrenColumnNotice(CalcRun& run, const std::string& where, int children) {
    if (children <= 6) return;
    run.Notice(where + "There are " + std::to_string(children) +
               " children; the support schedule has columns for one to six children, so the column for six "
               "children is used.");
}

Line17Lookup LookUpLine17(CalcRun& run, int children, double combinedIncome, bool limit, bool soleWorksheet,
                          bool reportComments) {
    Line17Lookup lookup;
    lookup.low = run.a.SupportLookUp(children, 0, reportComments, limit, soleWorksheet, run.report, combinedIncome);
    lookup.interpolated = run.a.SupportLookUp(children, 1, false, limit, soleWorksheet, run.report, combinedIncome);
    lookup.high = run.a.SupportLookUp(children, 2, false, limit, soleWorksheet, run.report, combinedIncome);
    return lookup;
}

void BasicObligationLine17(CalcRun& run, Slot line17, const Line17Lookup& lookup, Slot lowBox, Slot highBox,
                           const ParentColumn& father, const ParentColumn& mother) {
    double amount = lookup.interpolated;
    if (run.Ticked(lowBox.page, lowBox.slot))
        amount = lookup.low;
    else if (run.Ticked(highBox.page, highBox.slot))
        amount = lookup.high;
    if (MoneyOf(run, father.adjusted14) == 0 && MoneyOf(run, mother.adjusted14) == 0) amount = 0;
    SetMoney(run, line17, amount);
}

void AnnualObligationLine18(CalcRun& run, Slot line18, Slot line17, Slot share) {
    SetMoney(run, line18, MoneyOf(run, line17) * run.Rate(share.page, share.slot));
}

// ---- Line 19 ----

void ChildCareLine19(CalcRun& run, const ChildCareColumn& c, const ParentColumn& p, bool father, bool soleWorksheet,
                     double& federalCredit, double& ohioCredit, double& totalCredit) {
    if (IsOverridden(run, c.result)) return;
    const bool hasExpenses = MoneyOf(run, c.totalExpenses) > 0;
    int optionsTicked = 0;
    for (const Slot& box : c.options) optionsTicked += run.Empty(box.page, box.slot) ? 0 : 1;
    if (hasExpenses && optionsTicked != 1) run.Error(c.optionError);

    SetMoneyUnlessOverridden(run, c.earnedIncome, EarnedIncome(run, p));
    SetMoneyUnlessOverridden(run, c.adjustedGrossIncome, MoneyOf(run, p.total7a) - MoneyOf(run, p.line10));
    run.SetTextUnlessOverridden(c.qualifyingChildren.page, c.qualifyingChildren.slot,
                                run.Text(c.childrenSource.page, c.childrenSource.slot));

    if (hasExpenses && !run.Empty(c.options[2].page, c.options[2].slot)) {
        const char* name = FilingStatusName(run.Integer(c.filingStatus.page, c.filingStatus.slot));
        if (name) {
            run.SetText(c.filingStatusName.page, c.filingStatusName.slot, name);
        } else {
            run.a.ErrFlag = true;
            run.SetText(c.filingStatusName.page, c.filingStatusName.slot, FilingStatusName(0));
            run.SetText(c.filingStatus.page, c.filingStatus.slot, "0");
            run.report.Comment(c.filingStatusError);
        }
    }

    federalCredit = 0;
    ohioCredit = 0;
    for (int method = 1; method <= 3; ++method) {
        const Slot& box = c.options[method - 1];
        if (!run.Ticked(box.page, box.slot)) continue;
        totalCredit = run.a.FigureChildCareCredit(
            father, run.Integer(c.qualifyingChildren.page, c.qualifyingChildren.slot), run.report, method,
            soleWorksheet, MoneyOf(run, c.qualifyingExpenses), MoneyOf(run, c.spouseEarnedIncome),
            MoneyOf(run, c.earnedIncome), MoneyOf(run, c.adjustedGrossIncome));
        SetMoney(run, c.result, MoneyOf(run, c.totalExpenses) - totalCredit);
    }
}

// ---- Monthly figures with the processing charge ----

void MonthlyWithProcessingCharge(CalcRun& run, const ProcessingChargeSlots& fee, Slot annual, Slot monthly,
                                 Slot withCharge, Slot charge) {
    const double monthlyAmount = MakeReal_2(MoneyOf(run, annual) / 12);
    SetMoney(run, monthly, monthlyAmount);
    const double flatFee = MoneyOf(run, fee.flatFee);
    const double chargeAmount =
        flatFee != 0 ? flatFee : MakeReal_2(MoneyOf(run, annual) * run.Rate(fee.rate.page, fee.rate.slot) / 12);
    SetMoney(run, withCharge, monthlyAmount + chargeAmount);
    SetMoney(run, charge, MoneyOf(run, withCharge) - MoneyOf(run, monthly));
}

void MonthlyCashMedical(CalcRun& run, Slot rate, bool chargeApplies, Slot annual, Slot monthly, Slot withCharge,
                        Slot charge) {
    SetMoney(run, monthly, MoneyOf(run, annual) / 12);
    if (!chargeApplies) {
        // Without a rate there is no charge: neither figure of an earlier
        // calculation may stay on the worksheet.
        run.SetText(withCharge.page, withCharge.slot, "");
        run.SetText(charge.page, charge.slot, "");
        return;
    }
    SetMoney(run, withCharge, MoneyOf(run, monthly) + MoneyOf(run, monthly) * run.Rate(rate.page, rate.slot));
    SetMoney(run, charge, MoneyOf(run, withCharge) - MoneyOf(run, monthly));
}

}  // namespace quill10
