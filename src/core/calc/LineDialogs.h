#pragma once
// What the line dialogs work out and where they keep it.  A worksheet button
// opens a dialog by its dialog code (the button's Tag); the code names the
// dialog, the worksheet and the parent, and the tables below give each
// code's answer slots on the screen page.  The windows only show and collect
// these values: every figure a dialog computes is computed here.
#include <iterator>
#include <string>

#include "store/Regional.h"

namespace quill10 {

class TAnswer;

// ---- Dialog codes and the recalculation around a dialog ----

enum class LineDialog {
    None,
    IncomeEstimator,
    OtherChildren,
    LocalTax,
    PovertyLevel,
    Line17,
    ChildCare,
    Deviation,
    ProcessingFee,
};

LineDialog LineDialogOf(int code);
// What the dialog of `code` is for, as its window and the names of its
// fields say it: "line 1a, father", "line 17"; "" for no dialog.
std::string LineDialogSubject(int code);

// A dialog opened from a short form edits the long form's screen page: the
// short screen goes into the calculation pages and on to the long screen
// before the dialog opens.  Nothing happens for the other codes.
void PrepareLineDialog(TAnswer& answers, int code);
// After the dialog, around the calculation: the long screen page into the
// calculation pages, and afterwards back to the screen page the code came
// from (the long screen, or the short form's builder).  Codes of no
// worksheet have neither.
void TransferBeforeRecalculation(TAnswer& answers, int code);
void TransferAfterRecalculation(TAnswer& answers, int code);

// ---- Text forms of the dialogs' fields ----

std::string CurrencyText(double value);        // "$1,250.00", "-$1,250.00"
std::string WholeCurrencyText(double value);   // "$1,250"
std::string PercentFieldText(double percent);  // 2 gives "2.00%"
// A result written into a slot: the number in full precision ("36504").
std::string SlotNumberText(double value);

// ---- Frequencies of the estimator and the annualizer ----

struct Frequency {
    const char* name;
    double periodsPerYear;  // also the annualizer's factor
    double periodDays;      // the estimator's period length
};
inline constexpr Frequency kFrequencies[] = {
    {"Daily", 365, 1},         {"Weekly", 52, 7},      {"Biweekly", 26, 14},  {"Semimonthly", 24, 15.21},
    {"Monthly", 12, 30.42},    {"Quarterly", 4, 91.25}, {"Biennially", 2, 182.5},
};
inline constexpr int kFrequencyCount = static_cast<int>(std::size(kFrequencies));
inline constexpr int kNoFrequency = -1;

// ---- Income estimator (line 1a) ----

inline constexpr double kMinimumWageHourly = 8.30;
inline constexpr double kMinimumWageYearly = 16952;  // not 8.30 x 2080: its own figure

struct EstimatorSlots {
    int code, page;
    int estimate, date, amount, frequency;
    int line1a;
};
inline constexpr EstimatorSlots kEstimatorSlots[] = {
    {0, 0, 200, 201, 202, 203, 10},
    {1, 0, 204, 205, 206, 207, 11},
    {21, 7, 200, 201, 202, 203, 6},
    {22, 7, 204, 205, 206, 207, 7},
};
const EstimatorSlots* EstimatorSlotsOf(int code);

// The day of the year, 1 January giving 1.
int DayOfYear(const Date& date);
// The factor that turns the pay of the year so far into a year's pay: the
// periods in a year over the periods up to `dayOfYear`; 1 when no frequency
// is chosen.
double EstimateFactor(int frequency, int dayOfYear);
double EstimateAnnualIncome(double amountToDate, int frequency, const Date& date);
// "Use Minimum Wage - $8.30 /hr; $16,952.00/yr"
std::string MinimumWageCaption();

// ---- Annualizer ----

// The periodic amount times the periods in a year (1 when none is chosen).
double Annualize(double amount, int frequency);
// The annualizer's amount box once it is left, formatted for the kind of
// the worksheet field it fills (money with cents, a percentage, whole
// dollars); other kinds only lose trailing blanks.
std::string AnnualizerAmountText(int fieldKind, const std::string& typed);
// What the annualized amount stores in a field's slot: the figure itself,
// except that a percentage field stores a fraction.
std::string AnnualizedSlotText(int fieldKind, double annual);

// ---- Child care expenses (line 19) ----

struct ChildCareSlots {
    int code, page, base;  // the fields are slots base to base + 16
};
inline constexpr ChildCareSlots kChildCareSlots[] = {
    {9, 0, 222},
    {10, 0, 239},
    {30, 7, 222},
    {31, 7, 239},
};
const ChildCareSlots* ChildCareSlotsOf(int code);


// ---- Local income tax (line 11) ----

struct LocalTaxSlots {
    int code, page;
    int tax, taxableIncome, rate;
    int line11;
    int income[3];  // lines 1a, 1b and 2d of the parent
};
inline constexpr LocalTaxSlots kLocalTaxSlots[] = {
    {4, 0, 216, 217, 218, 51, {10, 20, 28}},
    {5, 0, 219, 220, 221, 52, {11, 21, 29}},
    {25, 7, 216, 217, 218, 47, {6, 16, 24}},
    {26, 7, 219, 220, 221, 48, {7, 17, 25}},
};
const LocalTaxSlots* LocalTaxSlotsOf(int code);
// Lines 1a + 1b + 2d of the parent, the taxable income unless overridden.
double DefaultTaxableIncome(const TAnswer& answers, const LocalTaxSlots& slots);
double LocalTax(double taxableIncome, double ratePercent);

// ---- Other resident children (line 8) ----

struct OtherChildrenSlots {
    int code, page;
    int adjustment, children, exemption, supportReceived;
    int line8;
};
inline constexpr OtherChildrenSlots kOtherChildrenSlots[] = {
    {2, 0, 208, 209, 210, 211, 45},
    {3, 0, 212, 213, 214, 215, 46},
    {23, 7, 208, 209, 210, 211, 41},
    {24, 7, 212, 213, 214, 215, 42},
};
const OtherChildrenSlots* OtherChildrenSlotsOf(int code);

struct OtherChildrenAdjustment {
    double potential;   // children x exemption
    double adjustment;  // less the support received, never below 0
};
OtherChildrenAdjustment AdjustmentForOtherChildren(int children, double exemption, double supportReceived);
// The adjustment as the user types the three fields: each is read without a
// message, and a partial or unreadable entry ("$", "2.5" children) counts
// as 0 until the field is left and read properly.
OtherChildrenAdjustment AdjustmentWhileTyping(const std::string& children, const std::string& exemption,
                                              const std::string& supportReceived);

// ---- Processing charge (line 29) ----

struct ProcessingFeeSlots {
    int code, page;
    int percentage, flatFee;  // the percentage is kept as a fraction
};
inline constexpr ProcessingFeeSlots kProcessingFeeSlots[] = {
    {13, 0, 280, 281},
    {32, 7, 280, 281},
};
const ProcessingFeeSlots* ProcessingFeeSlotsOf(int code);
// The stored fraction as the dialog shows it: "0.02" gives "2.00%".
std::string ProcessingPercentText(const std::string& storedFraction);
// The percentage typed as the fraction stored: "1.5" gives "0.015".
std::string ProcessingFractionText(const std::string& typedPercent);

// ---- Poverty level box (line 14b) ----

// The federal poverty level of a household of one and 150 % of it, as the
// box shows them: "$   12,060.00".
std::string PovertyBoxText(double amount);
double FederalPovertyLevel();

// ---- Shared parenting deviation (line 27b) ----

// The deviation percentages as the dialog shows a stored one ("12.40%"
// stays "12.40%") and as it rewrites a typed one, rounded to a whole
// percent ("33.5" gives "34.00%").
std::string StoredDeviationPercentText(const std::string& stored);
std::string TypedDeviationPercentText(const std::string& typed);

// ---- Line 17: table lookup method and the $150,000 limit ----

struct Line17Slots {
    int page;  // the long form's screen page
    int method, limitText;
    int flagPage, flagSlot;
};
const Line17Slots* Line17SlotsOf(int code);
inline constexpr const char* kLookupMethods[] = {"Low", "Interpolate", "High"};
inline constexpr const char* kLimitText = "Limit to $150,000";
inline constexpr const char* kNoLimitText = "No $150,000 Limitation";

struct Line17Options {
    int method = 1;  // index into kLookupMethods; -1 leaves the method as it is
    bool limit = false;
};
Line17Options ReadLine17Options(const TAnswer& answers, const Line17Slots& slots);
void WriteLine17Options(TAnswer& answers, const Line17Slots& slots, const Line17Options& options);

}  // namespace quill10
