#include "scheduler/ScheduleAmounts.h"

#include <algorithm>
#include <cstdlib>

#include "store/Misc.h"
#include "store/Regional.h"
#include "platform/TextEncoding.h"

namespace quill10 {

namespace {

// ---- Exact products ------------------------------------------------------------

// An unsigned integer of 128 bits as two halves: wide enough for a balance
// x a rate x days, which 64 bits are not.  Plain C++, so that every
// compiler builds it alike.
struct Wide {
    std::uint64_t high = 0;
    std::uint64_t low = 0;
};

constexpr std::uint64_t kLowHalf = 0xFFFF'FFFF;

Wide Product(std::uint64_t a, std::uint64_t b) {
    const std::uint64_t a0 = a & kLowHalf, a1 = a >> 32, b0 = b & kLowHalf, b1 = b >> 32;
    const std::uint64_t p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
    const std::uint64_t middle = (p00 >> 32) + (p01 & kLowHalf) + (p10 & kLowHalf);
    return Wide{p11 + (p01 >> 32) + (p10 >> 32) + (middle >> 32), (middle << 32) | (p00 & kLowHalf)};
}

Wide Plus(Wide a, std::uint64_t b) {
    const std::uint64_t low = a.low + b;
    return Wide{a.high + (low < a.low ? 1 : 0), low};
}

bool Below(Wide a, Wide b) { return a.high != b.high ? a.high < b.high : a.low < b.low; }

// a / d rounded down, for 0 < d < 2^63 and a quotient below 2^64 (which is
// a.high < d).
std::uint64_t Quotient(Wide a, std::uint64_t d) {
    if (a.high == 0) return a.low / d;
    std::uint64_t remainder = a.high % d;
    std::uint64_t quotient = 0;
    for (int bit = 63; bit >= 0; --bit) {
        remainder = (remainder << 1) | ((a.low >> bit) & 1);
        quotient <<= 1;
        if (remainder >= d) {
            remainder -= d;
            quotient |= 1;
        }
    }
    return quotient;
}

std::uint64_t Magnitude(std::int64_t value) {
    return value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
}

// Cents x billionths of a percent x days that make one cent of interest:
// 365 days x 100 percent x 10^9.
constexpr std::uint64_t kInterestDivisor = 365ULL * 100 * kBillion;
// The same product for a hundredth of a cent (the threshold's unit).
constexpr std::uint64_t kThresholdScale = kInterestDivisor / 100;
// The days from 1/1/1900 to 12/31/2199, the widest interval of a table:
// rate x days then stays below 2^64.
constexpr long kMostDays = 109'572;
static_assert(static_cast<double>(kRateLimit) * kMostDays < 1.8e19, "a rate times days fits 64 bits");

// ---- Decimal texts -------------------------------------------------------------

bool AllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Digits, or groups of three digits after a first group of one to three,
// joined by the thousands separator.
bool IsGroupedDigits(std::string_view text, char separator) {
    size_t group = text.find(separator);
    if (group == std::string_view::npos) return AllDigits(text);
    if (group == 0 || group > 3 || !AllDigits(text.substr(0, group))) return false;
    for (size_t at = group + 1; at <= text.size(); at += 4)
        if (text.size() - at < 3 || !AllDigits(text.substr(at, 3)) || (at + 3 < text.size() && text[at + 3] != separator))
            return false;
    return true;
}

struct Decimal {
    std::uint64_t units = 0;  // of 10^-decimals
    bool tooLarge = false;    // 10^17 units or more
};

// A number of digits (IsGroupedDigits) with at most one decimal separator,
// in units of 10^-decimals, decimals beyond them rounded half away from
// zero; nothing when the text is no such number.
std::optional<Decimal> ReadDecimal(std::string_view text, size_t decimals) {
    const Regional& regional = CurrentRegional();
    const size_t point = text.find(regional.decimalSeparator);
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if ((whole.empty() && fraction.empty()) || !IsGroupedDigits(whole, regional.thousandSeparator) ||
        !AllDigits(fraction))
        return std::nullopt;
    constexpr std::uint64_t kLarge = 100'000'000'000'000'000;
    Decimal number;
    auto append = [&number](char digit) {
        if (number.units >= kLarge / 10) number.tooLarge = true;
        else number.units = number.units * 10 + static_cast<std::uint64_t>(digit - '0');
    };
    for (char c : whole)
        if (c != regional.thousandSeparator) append(c);
    for (size_t k = 0; k < decimals; ++k) append(k < fraction.size() ? fraction[k] : '0');
    if (fraction.size() > decimals && fraction[decimals] >= '5') ++number.units;
    return number;
}

}  // namespace

// ---- Amounts -------------------------------------------------------------------

std::optional<Cents> ReadAmount(std::string_view text, std::string& problem) {
    std::string_view number = Trimmed(text);
    if (number.empty()) return Cents{0};
    bool negative = false;
    if (number.size() >= 2 && number.front() == '(' && number.back() == ')') {
        negative = true;
        number = number.substr(1, number.size() - 2);
    } else if (number.front() == '-') {
        negative = true;
        number.remove_prefix(1);
    }
    if (!number.empty() && number.front() == '$') number.remove_prefix(1);
    if (!negative && !number.empty() && number.front() == '-') {
        negative = true;
        number.remove_prefix(1);
    }
    const std::optional<Decimal> read = ReadDecimal(number, 2);
    if (!read) {
        problem = QuotedForMessage(text) +
                  " is not an amount (digits with at most one decimal point, thousands separators between groups "
                  "of three, a leading minus or brackets: 1,234.50, -25, (25.00))";
        return std::nullopt;
    }
    if (read->tooLarge || read->units >= static_cast<std::uint64_t>(kAmountLimit)) {
        problem = QuotedForMessage(text) + " is too large: an amount is less than $1,000,000,000,000";
        return std::nullopt;
    }
    const auto cents = static_cast<Cents>(read->units);
    return negative ? -cents : cents;
}

Cents CellCents(std::string_view cell) {
    std::string problem;
    return ReadAmount(cell, problem).value_or(0);
}

// Cents below 10^15 in size have at most 15 digits, which the money text's
// 15 significant digits write exactly.
std::string AmountText(Cents amount) { return MoneyText(static_cast<double>(amount) / 100.0); }

std::string DollarText(Cents amount) { return "$" + AmountText(amount); }

std::string PlainAmountText(Cents amount) { return FixedText(static_cast<double>(amount) / 100.0, 2); }

Cents SumOf(Cents a, Cents b) {
    // Each is within kMostSum, far from the ends of 64 bits.
    return std::clamp(std::clamp(a, -kMostSum, kMostSum) + std::clamp(b, -kMostSum, kMostSum), -kMostSum, kMostSum);
}

// ---- Rates ---------------------------------------------------------------------

std::optional<Percent> ReadRate(std::string_view text, std::string& problem) {
    std::string_view number = Trimmed(text);
    if (!number.empty() && number.back() == '%') number.remove_suffix(1);
    const std::optional<Decimal> read = ReadDecimal(number, 9);
    if (!read) {
        problem = QuotedForMessage(text) + " is not a rate (a percentage such as 3, 3.125 or 5.00%)";
        return std::nullopt;
    }
    if (read->tooLarge || read->units >= static_cast<std::uint64_t>(kRateLimit)) {
        problem = QuotedForMessage(text) + " is too large: a rate is less than 10,000%";
        return std::nullopt;
    }
    return Percent{static_cast<std::int64_t>(read->units)};
}

Percent PercentOf(double percent) {
    std::string problem;
    return ReadRate(GeneralNumberText(percent), problem).value_or(Percent{});
}

std::string RateCellText(Percent rate) {
    const std::uint64_t magnitude = Magnitude(rate.billionths);
    std::string decimals = std::to_string(magnitude % kBillion);
    decimals.insert(0, 9 - decimals.size(), '0');
    while (decimals.size() > 2 && decimals.back() == '0') decimals.pop_back();
    return (rate.billionths < 0 ? "-" : "") + GroupedText(static_cast<double>(magnitude / kBillion), 0) +
           CurrentRegional().decimalSeparator + decimals + "%";
}

std::string DefaultRateText(double defaultRate) { return GeneralNumberText(defaultRate); }

Percent RowRate(std::string_view cell, Percent defaultRate) {
    if (Trimmed(cell).empty()) return defaultRate;
    std::string problem;
    return ReadRate(cell, problem).value_or(Percent{});
}

// ---- Interest ------------------------------------------------------------------

Threshold ThresholdOf(double dollars) {
    if (!(dollars > 0)) return {};
    if (dollars >= static_cast<double>(kAmountLimit / 100)) return Threshold{kAmountLimit * 100};
    // The shortest decimal form of the setting; below a ten-thousandth of a
    // dollar it is written with an exponent and drops nothing.
    const std::optional<Decimal> read = ReadDecimal(GeneralNumberText(dollars), 4);
    return Threshold{read ? static_cast<std::int64_t>(read->units) : 0};
}

Cents IntervalInterest(Cents balance, Percent rate, long days, Threshold threshold) {
    if (balance <= 0 || rate.billionths <= 0 || days <= 0) return 0;
    // Interest x kInterestDivisor: below 2^47 x 2^61, so the quotient fits.
    const Wide exact = Product(Magnitude(std::min(balance, kAmountLimit)),
                               Magnitude(std::min(rate.billionths, kRateLimit)) *
                                   static_cast<std::uint64_t>(std::min(days, kMostDays)));
    if (threshold.hundredthsOfCent > 0 &&
        Below(exact, Product(static_cast<std::uint64_t>(threshold.hundredthsOfCent), kThresholdScale)))
        return 0;
    return static_cast<Cents>(Quotient(Plus(exact, kInterestDivisor / 2), kInterestDivisor));
}

Cents RoundedShare(Cents amount, long part, long whole) {
    if (whole <= 0) return 0;
    const auto w = static_cast<std::uint64_t>(whole);
    const auto p = static_cast<std::uint64_t>(std::clamp(part, 0L, whole));
    // round(m x p / w) = floor((2 m p + w) / (2 w)), at most m.
    const std::uint64_t share = Quotient(Plus(Product(Magnitude(amount), 2 * p), w), 2 * w);
    return amount < 0 ? -static_cast<Cents>(share) : static_cast<Cents>(share);
}

}  // namespace quill10
