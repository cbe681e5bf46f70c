// TAnswer::Calculate: recalculates both worksheets, every line in worksheet
// order, and in checking mode writes the check report.
#include "calc/CalcEnvironment.h"
#include "calc/CalcRun.h"
#include "calc/CheckReport.h"
#include "calc/Conversions.h"
#include "calc/Worksheets.h"
#include "store/Answers.h"
#include "store/Misc.h"

namespace quill10 {

namespace {

// The income entries of lines 1a, 1b, 2a and 3 to 6 of both parents.
struct SlotRange {
    int page, first, last;
};
constexpr SlotRange kSoleSharedIncomeSlots[] = {{1, 19, 20}, {1, 29, 32}, {2, 4, 11}};
constexpr SlotRange kSplitIncomeSlots[] = {{8, 18, 19}, {8, 28, 31}, {9, 4, 11}};

template <size_t N>
double SumOf(const TAnswer& answers, const SlotRange (&ranges)[N]) {
    double sum = 0;
    for (const SlotRange& range : ranges)
        for (int slot = range.first; slot <= range.last; ++slot) sum += Str2Float_2(answers.Text(range.page, slot));
    return sum;
}

// A new case is calculated under the name "default.q10", so its defaults
// are always worked out even though every income is 0.
bool IsDefaultCase(const CalcEnvironment& environment) {
    return UpperCase(environment.currentFileName) == "DEFAULT.Q10";
}

bool SoleSharedIsBlank(const TAnswer& a) {
    return SoleSharedIncomeTotal(a) == 0 && a.Text(1, 0).empty() && !a.Ticked(1, 4) && !a.Ticked(1, 5) &&
           !a.Ticked(1, 6) && !IsDefaultCase(a.Environment());
}

bool SplitIsBlank(const TAnswer& a) {
    return SplitIncomeTotal(a) == 0 && a.Text(8, 0).empty() && !IsDefaultCase(a.Environment());
}

// Resets the re-entry guard and drops an unsaved report on every way out,
// also when a step throws (a report of half a calculation is not written).
class CalculationGuard {
public:
    CalculationGuard(TAnswer& answers, CheckReport& report) : answers_(answers), report_(report) {}
    ~CalculationGuard() {
        report_.Discard();
        answers_.CalcFlag = false;
    }

private:
    TAnswer& answers_;
    CheckReport& report_;
};

// A report that cannot be written shows error 18034 and keeps the reason
// for the caller (the command line then fails, the window shows it).
void SaveReport(CheckReport& report, CalcEnvironment& environment) {
    if (!report.Checking()) return;
    std::string error;
    if (report.Save(error)) return;
    environment.checkReportError = error;
    ErrorMessage(18034, "Calculate");
}

// The report's first line names the support schedule in use; a table that
// cannot be used is named with the reason (a blank case calculates without it).
std::string ScheduleInUse(SupportTable& table) {
    try {
        return table.Description();
    } catch (const SupportTableError& error) {
        return "Support schedule: " + table.Path() + " cannot be used: " + error.what();
    }
}

}  // namespace

double SoleSharedIncomeTotal(const TAnswer& answers) { return SumOf(answers, kSoleSharedIncomeSlots); }
double SplitIncomeTotal(const TAnswer& answers) { return SumOf(answers, kSplitIncomeSlots); }

void TAnswer::Calculate() {
    if (CalcFlag) return;
    CalcFlag = true;
    CalcEnvironment& environment = Environment();
    CheckReport report;
    CalculationGuard guard(*this, report);
    SupportTable::Calculation tableChecks(environment.Table());
    environment.checkReportError.clear();
    if (environment.checking) {
        report.Create(environment.CheckReportPath());
        report.Line(ScheduleInUse(environment.Table()));
        report.Line("");
    }
    ErrFlag = false;
    CalcRun run(*this, report, FileNameOnly(environment.currentFileName));

    environment.soleSharedErrors = environment.splitErrors = 0;
    if (!SoleSharedIsBlank(*this)) {
        Calc1(run);
        Calc2(run);
        Calc3(run);
        Calc4(run);
        Calc5(run);
        Calc6(run);
        Calc15(*this);
        CopySoleSharedPrintedPages(*this);
        environment.soleSharedErrors = run.errors;
    }
    if (!SplitIsBlank(*this)) {
        Calc8(run);
        Calc9(run);
        Calc10(run);
        Calc11(run);
        Calc12(run);
        Calc13(run);
        Calc14(run);
        Calc16(*this);
        CopySplitPrintedPages(*this);
        environment.splitErrors = run.errors - environment.soleSharedErrors;
    }
    if (report.Checking() && report.CommentCount() == 0)
        report.Comment("There are no comments or errors in this worksheet. ");

    SoleCalcToLong(*this);
    SplitCalcToLong(*this);
    SaveReport(report, environment);
    if (environment.refreshScreen) environment.refreshScreen();
}

}  // namespace quill10
