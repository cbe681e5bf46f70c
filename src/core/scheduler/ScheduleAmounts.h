#pragma once
// Amounts and rates of the support scheduler, kept exactly: amounts in
// whole cents, rates in percent to nine decimals, and the interest of an
// interval worked out from the exact product of balance, rate and days and
// rounded once, half away from zero, as a person computing by hand rounds
// it.  No binary fraction ever stands between a cell and its figure.
//
// Texts are read and written with the regional separators, as the
// worksheet's money texts are ("1,234.50" in the United States).
#include <concepts>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quill10 {

using Cents = std::int64_t;

// An amount typed, imported or kept in a cell is below a trillion dollars
// in size, the limit of a worksheet field; so are the balance and the
// total interest the scheduler works out.
inline constexpr Cents kAmountLimit = 100'000'000'000'000;  // $1,000,000,000,000.00
// Sums over many rows (the totals row, the summary's years) stop growing
// here, so that no sum of a table, however long, can overflow.
inline constexpr Cents kMostSum = 999'999'999'999'999;  // $9,999,999,999,999.99

// Reads an amount: an optional "$", digits with the thousands separator
// between groups of three (or none at all), at most one decimal point, and
// a leading minus (before or after the "$") or brackets around it:
// "1,234.50", "$-1,234.50", "-$5", "($12.00)", "(25)".  Blanks around it
// are allowed; an empty text is 0; decimals beyond the cents are rounded
// half away from zero.  Nothing, with `problem` saying why (it begins with
// the text quoted), for any other text and for an amount of a trillion
// dollars or more.
std::optional<Cents> ReadAmount(std::string_view text, std::string& problem);

// The amount of a cell, read as above; 0 when it holds none.
Cents CellCents(std::string_view cell);

// The money text of the worksheet: "1,234.50", "-1,234.50", "0.00".
std::string AmountText(Cents amount);

// "$" and the money text: "$1,234.50", "$-1,234.50", "$0.00".
std::string DollarText(Cents amount);

// A real number is no amount: whole cents are written, never a binary
// fraction of a dollar.
template <std::floating_point Real>
std::string AmountText(Real) = delete;
template <std::floating_point Real>
std::string DollarText(Real) = delete;

// The amount as a plain number for typing over: "1234.50", "-25.00".
std::string PlainAmountText(Cents amount);

// a + b, held within -kMostSum .. kMostSum.
Cents SumOf(Cents a, Cents b);

// ---- Rates -------------------------------------------------------------------

// An annual interest rate in percent, exact to nine decimals: 3.125 % is
// 3,125,000,000 billionths.
struct Percent {
    std::int64_t billionths = 0;
    friend bool operator==(Percent, Percent) = default;
};
inline constexpr std::int64_t kBillion = 1'000'000'000;
// Rates are below 10,000 %.
inline constexpr std::int64_t kRateLimit = 10'000 * kBillion;

// Reads a rate in percent: digits as an amount has them and an optional
// "%" after them ("3", "3.125", "3.00%", "1,234.50%"), blanks around it
// allowed; digits beyond nine decimals are rounded half away from zero.
// Nothing, with `problem` saying why (it begins with the text quoted), for
// an empty text, any other text, a negative rate and one of 10,000 % or more.
std::optional<Percent> ReadRate(std::string_view text, std::string& problem);

// A rate kept as a real number (the default rate, a statutory rate), read
// from its shortest decimal form ("3.125"); 0 when it is no rate.
Percent PercentOf(double percent);

// A rate as a row shows it: two decimals, more when the rate has them,
// and "%" ("3.00%", "3.125%", "1,234.50%").
std::string RateCellText(Percent rate);

// The default rate as a blank row shows it: a plain number ("3", "3.125").
std::string DefaultRateText(double defaultRate);

// The rate of a Rate % cell: the default rate when the cell is empty or
// holds only blanks; 0 when it holds no rate.
Percent RowRate(std::string_view cell, Percent defaultRate);

// ---- Interest ----------------------------------------------------------------

// The interest threshold exactly, in hundredths of a cent: interest below
// it is dropped.  A threshold of no more than 0 drops nothing; one of a
// trillion dollars or more is held there.
struct Threshold {
    std::int64_t hundredthsOfCent = 0;
};
Threshold ThresholdOf(double dollars);

// The simple interest on `balance` at `rate` for `days` days, 365 days a
// year, rounded half away from zero to cents.  0 when the exact amount is
// not positive (a credit earns nothing) or lies below the threshold: the
// threshold is compared with the amount before rounding.  `days` is at
// most the days between the first and the last date a row can hold.
Cents IntervalInterest(Cents balance, Percent rate, long days, Threshold threshold);

// round(amount x part / whole), halves away from zero, exactly; 0 <= part
// <= whole, whole > 0.
Cents RoundedShare(Cents amount, long part, long whole);

}  // namespace quill10
