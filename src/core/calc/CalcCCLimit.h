#pragma once
// Tax figures behind the line 19 child care credit: the federal income tax
// by filing status and the Ohio income tax.
namespace quill10 {

// Filing status as the credit works with it: 0 none (single schedule, no
// standard deduction), 1 single, 2 married joint, 3 married separate,
// 4 head of household, 5 qualifying widow(er).
int FilingStatusFromIndexText(const char* text);
double StandardDeduction(int filingStatus);  // 0 for status 0
// Federal income tax on a taxable income, rounded to whole dollars (halves
// to even); 0 for a negative taxable income.
double FederalIncomeTax(int filingStatus, double taxableIncome);
// Ohio income tax for an adjusted gross income and number of children
// (exemptions = children + 1); not rounded.
double OhioIncomeTax(double adjustedGrossIncome, int children);
// Federal credit percentage for an adjusted gross income.
double FederalCreditRate(double adjustedGrossIncome);

}  // namespace quill10
