#include "calc/LineDialogs.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "calc/Conversions.h"
#include "calc/WorksheetLines.h"
#include "calc/Worksheets.h"
#include "store/Answers.h"
#include "store/Misc.h"

namespace quill10 {

namespace {

// Which dialog each range of codes opens.
struct CodeRange {
    int first, last;
    LineDialog dialog;
};
constexpr CodeRange kDialogCodes[] = {
    {0, 1, LineDialog::IncomeEstimator}, {21, 22, LineDialog::IncomeEstimator},
    {2, 3, LineDialog::OtherChildren},   {23, 24, LineDialog::OtherChildren},
    {4, 5, LineDialog::LocalTax},        {25, 26, LineDialog::LocalTax},
    {6, 7, LineDialog::PovertyLevel},    {27, 28, LineDialog::PovertyLevel},
    {8, 8, LineDialog::Line17},          {29, 29, LineDialog::Line17},
    {9, 10, LineDialog::ChildCare},      {30, 31, LineDialog::ChildCare},
    {11, 12, LineDialog::Deviation},     {13, 13, LineDialog::ProcessingFee},
    {32, 32, LineDialog::ProcessingFee}, {50, 54, LineDialog::Line17},
};

// The worksheet screen a code belongs to.  All three split short-form
// buttons (52, 53 and 54) take the same road, so a method chosen from the
// $150,000 button reaches the calculation like one chosen from the others.
enum class CodeScreen { None, SoleLong, SplitLong, SoleShort, SplitShort };

CodeScreen ScreenOfCode(int code) {
    if (code >= 0 && code <= 20) return CodeScreen::SoleLong;
    if (code >= 21 && code <= 40) return CodeScreen::SplitLong;
    if (code == 50 || code == 51) return CodeScreen::SoleShort;
    if (code >= 52 && code <= 54) return CodeScreen::SplitShort;
    return CodeScreen::None;
}

bool IsSole(CodeScreen screen) { return screen == CodeScreen::SoleLong || screen == CodeScreen::SoleShort; }

template <typename Row, size_t N>
const Row* FindCode(const Row (&rows)[N], int code) {
    const auto found = std::find_if(std::begin(rows), std::end(rows), [code](const Row& row) { return row.code == code; });
    return found == std::end(rows) ? nullptr : found;
}

struct Line17Code {
    int code;
    Line17Slots slots;
};
constexpr Line17Slots kSoleLine17{0, 64, 65, 3, 51};
constexpr Line17Slots kSplitLine17{7, 60, 61, 10, 51};
constexpr Line17Code kLine17Codes[] = {
    {8, kSoleLine17},   {50, kSoleLine17},  {51, kSoleLine17},  {29, kSplitLine17},
    {52, kSplitLine17}, {53, kSplitLine17}, {54, kSplitLine17},
};

// The worksheet line and the parent each dialog code serves (the line 17
// dialog serves the line, and the split short form's lookups its lines 17a
// and 17b).
struct DialogSubject {
    int code;
    const char* line;
    const char* parent;  // "" for a line of both parents
};
constexpr DialogSubject kDialogSubjects[] = {
    {0, "1a", "father"},   {1, "1a", "mother"},   {21, "1a", "father"},  {22, "1a", "mother"},
    {2, "8", "father"},    {3, "8", "mother"},    {23, "8", "father"},   {24, "8", "mother"},
    {4, "11", "father"},   {5, "11", "mother"},   {25, "11", "father"},  {26, "11", "mother"},
    {6, "14b", "father"},  {7, "14b", "mother"},  {27, "14b", "father"}, {28, "14b", "mother"},
    {8, "17", ""},         {29, "17", ""},        {50, "17", ""},        {51, "17", ""},
    {52, "17a", ""},       {53, "17b", ""},       {54, "17b", ""},       {9, "19", "father"},
    {10, "19", "mother"},  {30, "19", "father"},  {31, "19", "mother"},  {11, "27b", "father"},
    {12, "27b", "mother"}, {13, "29", ""},        {32, "27", ""},
};

bool ValidFrequency(int frequency) { return frequency >= 0 && frequency < kFrequencyCount; }

// Days since 1 March of year 0 of the proleptic Gregorian calendar.
long DayNumber(const Date& date) {
    const int y = date.year - (date.month <= 2 ? 1 : 0);
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yearOfEra = y - era * 400;
    const long dayOfYear = (153 * (date.month + (date.month > 2 ? -3 : 9)) + 2) / 5 + date.day - 1;
    return era * 146097 + yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
}

std::string WithCurrencySign(const std::string& digits, double value) {
    return (value < 0 && digits != "0.00" && digits != "0" ? "-$" : "$") + digits;
}

}  // namespace

// ---- Dialog codes ----

LineDialog LineDialogOf(int code) {
    for (const CodeRange& range : kDialogCodes)
        if (code >= range.first && code <= range.last) return range.dialog;
    return LineDialog::None;
}

std::string LineDialogSubject(int code) {
    for (const DialogSubject& subject : kDialogSubjects)
        if (subject.code == code)
            return std::string("line ") + subject.line + (*subject.parent ? std::string(", ") + subject.parent : "");
    return {};
}

void PrepareLineDialog(TAnswer& answers, int code) {
    switch (ScreenOfCode(code)) {
        case CodeScreen::SoleShort:
            SoleShortToCalc(answers);
            SoleCalcToLong(answers);
            break;
        case CodeScreen::SplitShort:
            SplitShortToCalc(answers);
            SplitCalcToLong(answers);
            break;
        default:
            break;
    }
}

void TransferBeforeRecalculation(TAnswer& answers, int code) {
    const CodeScreen screen = ScreenOfCode(code);
    if (screen == CodeScreen::None) return;
    if (IsSole(screen)) SoleLongToCalc(answers);
    else SplitLongToCalc(answers);
}

void TransferAfterRecalculation(TAnswer& answers, int code) {
    switch (ScreenOfCode(code)) {
        case CodeScreen::SoleLong: SoleCalcToLong(answers); break;
        case CodeScreen::SplitLong: SplitCalcToLong(answers); break;
        case CodeScreen::SoleShort: Calc15(answers); break;
        case CodeScreen::SplitShort: Calc16(answers); break;
        case CodeScreen::None: break;
    }
}

// ---- Text forms ----

std::string CurrencyText(double value) { return WithCurrencySign(GroupedText(std::abs(value), 2), value); }
std::string WholeCurrencyText(double value) { return WithCurrencySign(GroupedText(std::abs(value), 0), value); }
std::string PercentFieldText(double percent) { return FixedText(percent, 2) + "%"; }
std::string SlotNumberText(double value) { return GeneralNumberText(value); }

// ---- Income estimator ----

const EstimatorSlots* EstimatorSlotsOf(int code) { return FindCode(kEstimatorSlots, code); }

int DayOfYear(const Date& date) { return static_cast<int>(DayNumber(date) - DayNumber(Date{date.year, 1, 1}) + 1); }

double EstimateFactor(int frequency, int dayOfYear) {
    if (!ValidFrequency(frequency) || dayOfYear <= 0) return 1;
    const Frequency& f = kFrequencies[frequency];
    return f.periodsPerYear / (dayOfYear / f.periodDays);
}

double EstimateAnnualIncome(double amountToDate, int frequency, const Date& date) {
    return amountToDate * EstimateFactor(frequency, DayOfYear(date));
}

std::string MinimumWageCaption() {
    return "Use Minimum Wage - " + CurrencyText(kMinimumWageHourly) + " /hr; " + CurrencyText(kMinimumWageYearly) +
           "/yr";
}

// ---- Annualizer ----

double Annualize(double amount, int frequency) {
    return amount * (ValidFrequency(frequency) ? kFrequencies[frequency].periodsPerYear : 1);
}

std::string AnnualizerAmountText(int fieldKind, const std::string& typed) {
    switch (fieldKind) {
        case 2: return CurrencyText(Str2Float_2(typed));
        case 3: return PercentFieldText(Str2Float_0(typed));
        case 4: return WholeCurrencyText(Str2Float_0(typed));
        default: return typed.substr(0, typed.find_last_not_of(' ') + 1);
    }
}

std::string AnnualizedSlotText(int fieldKind, double annual) {
    return SlotNumberText(fieldKind == 3 ? annual / 100 : annual);
}

// ---- Child care ----

const ChildCareSlots* ChildCareSlotsOf(int code) { return FindCode(kChildCareSlots, code); }

// ---- Local tax ----

const LocalTaxSlots* LocalTaxSlotsOf(int code) { return FindCode(kLocalTaxSlots, code); }

double DefaultTaxableIncome(const TAnswer& answers, const LocalTaxSlots& slots) {
    double sum = 0;
    for (int slot : slots.income) sum += Str2Float_2(answers.Text(slots.page, slot));
    return sum;
}

double LocalTax(double taxableIncome, double ratePercent) { return taxableIncome * ratePercent / 100; }

// ---- Other resident children ----

const OtherChildrenSlots* OtherChildrenSlotsOf(int code) { return FindCode(kOtherChildrenSlots, code); }

OtherChildrenAdjustment AdjustmentForOtherChildren(int children, double exemption, double supportReceived) {
    const double potential = children * exemption;
    return {potential, std::max(0.0, potential - supportReceived)};
}

OtherChildrenAdjustment AdjustmentWhileTyping(const std::string& children, const std::string& exemption,
                                              const std::string& supportReceived) {
    const auto quiet = [](const std::string& text) {
        const std::optional<double> value = TryParseNumber(RemoveCommasAndSigns(text));
        return value && std::isfinite(*value) ? *value : 0.0;
    };
    const double count = quiet(children);
    const bool whole = count == std::trunc(count) && std::abs(count) <= 1e6;
    return AdjustmentForOtherChildren(whole ? static_cast<int>(count) : 0, RoundDecimals(quiet(exemption), 2),
                                      RoundDecimals(quiet(supportReceived), 2));
}

// ---- Processing charge ----

const ProcessingFeeSlots* ProcessingFeeSlotsOf(int code) { return FindCode(kProcessingFeeSlots, code); }

std::string ProcessingPercentText(const std::string& storedFraction) {
    return PercentFieldText(Str2Float_P(storedFraction) * 100);
}

std::string ProcessingFractionText(const std::string& typedPercent) {
    return SlotNumberText(Str2Float_P(typedPercent) / 100);
}

// ---- Poverty level ----

std::string PovertyBoxText(double amount) {
    const std::string digits = GroupedText(amount, 2);
    return "$" + std::string(digits.size() < 12 ? 12 - digits.size() : 0, ' ') + digits;
}

double FederalPovertyLevel() { return PovertyLevelOf(1); }

// ---- Deviation ----

std::string StoredDeviationPercentText(const std::string& stored) { return PercentFieldText(Str2Float_P(stored)); }
std::string TypedDeviationPercentText(const std::string& typed) { return PercentFieldText(Str2Float_0(typed)); }

// ---- Line 17 ----

const Line17Slots* Line17SlotsOf(int code) {
    const Line17Code* row = FindCode(kLine17Codes, code);
    return row ? &row->slots : nullptr;
}

Line17Options ReadLine17Options(const TAnswer& answers, const Line17Slots& slots) {
    const std::string& method = answers.Text(slots.page, slots.method);
    Line17Options options;
    options.method = method == kLookupMethods[0] ? 0 : method == kLookupMethods[2] ? 2 : 1;
    options.limit = answers.Text(slots.page, slots.limitText) == kLimitText;
    return options;
}

void WriteLine17Options(TAnswer& answers, const Line17Slots& slots, const Line17Options& options) {
    if (options.method >= 0 && options.method < 3) answers.SetText(slots.page, slots.method, kLookupMethods[options.method]);
    answers.SetText(slots.flagPage, slots.flagSlot, options.limit ? "X" : "");
    answers.SetText(slots.page, slots.limitText, options.limit ? kLimitText : kNoLimitText);
}

}  // namespace quill10
