// Line 17: the basic combined child support obligation from the support
// schedule, by the Low, Interpolate and High methods, extended above the
// schedule's $150,000 either by a fixed amount or by a share of income.
// Also the annual health care expenditures of line 20b.
#include <cmath>

#include "calc/CalcEnvironment.h"
#include "calc/CheckReport.h"
#include "store/Answers.h"
#include "store/Misc.h"

namespace quill10 {

namespace {

constexpr double kScheduleTop = SupportTable::kScheduleTop;

// Above the schedule, by number of children (1 to 6 or more): the amount
// when incomes are limited to $150,000, and the share of income otherwise.
struct AboveScheduleRow {
    double limitedAmount;
    double percentage;
};
constexpr AboveScheduleRow kAboveSchedule[6] = {
    {15218, 0.1014533}, {21971, 0.1464733}, {25823, 0.1721533},
    {28534, 0.1902266}, {30931, 0.2062066}, {33099, 0.22066},
};

// Annual health care expenditures: combined income below the bound, for
// 1 to 6 or more children.
struct HealthExpenditureRow {
    double incomeBelow;
    double amounts[6];
};
constexpr HealthExpenditureRow kHealthExpenditures[] = {
    {59200, {1048, 1650, 1881, 2508, 3135, 3762}},
    {107400, {1456, 2377, 2709, 3613, 4516, 5419}},
    {9999999, {1456, 2913, 3720, 4960, 6200, 7440}},
};

enum LookupMethod { kLow = 0, kInterpolate = 1, kHigh = 2 };

void ReportAboveSchedule(CheckReport& report, bool limit, bool soleWorksheet) {
    const std::string worksheet = soleWorksheet ? "Sole/Shared Worksheet, " : "Split Parental Worksheet, ";
    report.Comment(worksheet +
                   "Line 17. The parties' combined annual income on line 15 of the worksheet is greater than "
                   "$150,000. See the line 17 help topic for more information. ");
    report.Comment(worksheet + (limit ? "Line 17. QUILL is set to limit child support in calculations involving "
                                        "combined gross incomes of greater than $150,000. "
                                      : "Line 17. QUILL is not set to limit child support in calculations "
                                        "involving combined gross incomes of greater than $150,000. "));
}

}  // namespace

double TAnswer::TableLookUp(int children, bool report, bool limit, bool soleWorksheet, CheckReport& checkReport,
                            double income) {
    if (children > 6) children = 6;
    if (income >= kScheduleTop) {
        if (report) ReportAboveSchedule(checkReport, limit, soleWorksheet);
        if (children < 1) {
            ErrorMessage(limit ? 29247 : 29237, "TableLookUp");
            return 0.0;
        }
        const AboveScheduleRow& row = kAboveSchedule[children - 1];
        return limit ? row.limitedAmount : income * row.percentage;
    }
    return Environment().Table().Amount(income, children);
}

double TAnswer::SupportLookUp(int children, int method, bool report, bool limit, bool soleWorksheet,
                              CheckReport& checkReport, double income) {
    auto lookUp = [&](double at) { return TableLookUp(children, report, limit, soleWorksheet, checkReport, at); };
    if (income >= kScheduleTop || method == kLow) return lookUp(income);
    switch (method) {
        case kInterpolate: {
            double base = std::trunc(income / SupportTable::kRowWidth) * SupportTable::kRowWidth;
            double lower = lookUp(base);
            double upper = lookUp(base + SupportTable::kRowWidth);
            return lower + (income - base) * (upper - lower) / SupportTable::kRowWidth;
        }
        case kHigh:
            if (std::fmod(std::trunc(income), SupportTable::kRowWidth) != 0.0)
                return lookUp(income + SupportTable::kRowWidth);
            return lookUp(income);
        default:
            return -1.0;
    }
}

double TAnswer::GetAnnualHealthExpenditures(double BeforeTaxIncome, int NoOfKids) const {
    if (NoOfKids < 1) return 0.0;  // no child, no expenditure
    int column = NoOfKids > 6 ? 6 : NoOfKids;
    for (const HealthExpenditureRow& row : kHealthExpenditures)
        if (row.incomeBelow > BeforeTaxIncome) return row.amounts[column - 1];
    return 0.0;
}

}  // namespace quill10
