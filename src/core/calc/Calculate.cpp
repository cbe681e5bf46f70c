// TAnswer::Calculate: recalculates both worksheets, every line in worksheet
// order, and in checking mode writes the check report.
#include <optional>

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
    // A report file named for this calculation is named back; the usual
    // one is the check report of the client-file folder.
    if (!environment.reportPath.empty())
        ErrorMessageSaying(18034, "The check report \"" + environment.reportPath + "\" could not be written: " + error +
                                      ". Name a file in a folder that exists and may be written.");
    else
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

// While a calculation runs, the money parser's own error (which names no
// line) is held back: an entry the worksheets name with its line says it
// better, once.  Met without such an entry, it is passed on once.
class UnnamedAmountErrors {
public:
    explicit UnnamedAmountErrors(const CalcRun& run)
        : run_(run), previous_(SetErrorHandler([this](int code, const std::string& text, const std::string& extra) {
              if (code != kErrRealFormat) previous_(code, text, extra);
              else if (!held_) held_ = Held{code, text, extra};
          })) {}
    ~UnnamedAmountErrors() {
        SetErrorHandler(previous_);
        if (held_ && run_.unreadableNamed == 0) previous_(held_->code, held_->text, held_->extra);
    }
    UnnamedAmountErrors(const UnnamedAmountErrors&) = delete;
    UnnamedAmountErrors& operator=(const UnnamedAmountErrors&) = delete;

private:
    struct Held {
        int code;
        std::string text, extra;
    };
    const CalcRun& run_;
    ErrorHandler previous_;
    std::optional<Held> held_;
};

// Both worksheets, each when it is not blank, with their short forms and
// printed copies.
void RunWorksheets(TAnswer& a, CalcRun& run) {
    CalcEnvironment& environment = a.Environment();
    environment.soleSharedErrors = environment.splitErrors = 0;
    if (!SoleSharedIsBlank(a)) {
        Calc1(run);
        Calc2(run);
        Calc3(run);
        Calc4(run);
        Calc5(run);
        Calc6(run);
        Calc15(a);
        CopySoleSharedPrintedPages(a);
        environment.soleSharedErrors = run.errors;
    }
    if (!SplitIsBlank(a)) {
        Calc8(run);
        Calc9(run);
        Calc10(run);
        Calc11(run);
        Calc12(run);
        Calc13(run);
        Calc14(run);
        Calc16(a);
        CopySplitPrintedPages(a);
        environment.splitErrors = run.errors - environment.soleSharedErrors;
    }
}

// A schedule any case can be calculated with, so the slots the worksheets
// compute for a case can be found without its own schedule.
std::vector<SupportTable::Row> StandInRows() {
    std::vector<SupportTable::Row> rows;
    for (double income = SupportTable::kFirstRowIncome; income <= SupportTable::kLastRowIncome;
         income += SupportTable::kRowWidth) {
        SupportTable::Row row{income, {}};
        for (size_t k = 0; k < row.amounts.size(); ++k) row.amounts[k] = income / 10 * static_cast<double>(k + 1);
        rows.push_back(row);
    }
    return rows;
}

// The pages the worksheet steps and short-form builders write (the long
// screens and printed copies are filled from them by transfers).
bool IsComputedPage(int page) { return (page >= 1 && page <= 6) || (page >= 8 && page <= 16); }
// Slots 98 and 99 of a calculation page stamp the version and file name.
bool IsStamp(int slot) { return slot == 98 || slot == 99; }

// The slots the worksheets write for this case, found by calculating a copy
// of it with a stand-in schedule.
SlotWriteLog ComputedSlotsOf(const TAnswer& answers) {
    auto environment = std::make_shared<CalcEnvironment>();
    environment->currentFileName = answers.Environment().currentFileName;
    environment->Table().UseRows(StandInRows());
    TAnswer copy(environment);
    *copy.PAnsw = *answers.PAnsw;
    SlotWriteLog log;
    // The numbered errors of the entries were reported by the calculation itself.
    struct Quiet {
        ErrorHandler previous = SetErrorHandler([](int, const std::string&, const std::string&) {});
        ~Quiet() { SetErrorHandler(previous); }
    } quiet;
    copy.RecordWrites(&log);
    CheckReport report;
    CalcRun run(copy, report, FileNameOnly(environment->currentFileName));
    RunWorksheets(copy, run);
    return log;
}

}  // namespace

void ClearComputedFigures(TAnswer& answers) {
    const SlotWriteLog computed = ComputedSlotsOf(answers);
    bool soleShared = false, split = false;  // which worksheets the calculation fills
    for (int page = 0; page < kPageCount; ++page) {
        if (!IsComputedPage(page)) continue;
        for (int slot = 0; slot <= LastSlot(page); ++slot) {
            if (!computed.Written(page, slot)) continue;
            (page < 8 || page == 15 ? soleShared : split) = true;
            if (!IsStamp(slot) && !answers.OvRide(page, slot)) answers.SetText(page, slot, "");
        }
    }
    if (soleShared) CopySoleSharedPrintedPages(answers);
    if (split) CopySplitPrintedPages(answers);
    SoleCalcToLong(answers);
    SplitCalcToLong(answers);
}

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
    const UnnamedAmountErrors heldBack(run);
    try {
        RunWorksheets(*this, run);
    } catch (const SupportTableError&) {
        // No figure of an earlier calculation may stand beside the entries.
        ClearComputedFigures(*this);
        if (environment.refreshScreen) environment.refreshScreen();
        throw;
    }
    if (report.Checking() && report.CommentCount() == 0)
        report.Comment("There are no comments or errors in this worksheet. ");

    SoleCalcToLong(*this);
    SplitCalcToLong(*this);
    SaveReport(report, environment);
    if (environment.refreshScreen) environment.refreshScreen();
}

}  // namespace quill10
