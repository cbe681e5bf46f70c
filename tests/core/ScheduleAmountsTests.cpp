// Amounts and rates of the scheduler kept exactly: the one reader of
// amounts (what it accepts and refuses, and the trillion-dollar limit),
// rates read as decimals, dollar and rate texts, and interest rounded once
// from the exact product of balance, rate and days.
#include <gtest/gtest.h>

#include "scheduler/ScheduleAmounts.h"

namespace quill10 {
namespace {

constexpr Percent Rate(std::int64_t billionths) { return Percent{billionths}; }
constexpr Percent kFivePercent = Rate(5 * kBillion);

TEST(ScheduleAmounts, ReadsAmountsWrittenAsPeopleWriteThem) {
    const struct {
        const char* text;
        Cents cents;
    } cases[] = {
        {"1,234.50", 123450},
        {"$1,234.50", 123450},
        {"$-1,234.50", -123450},  // the cells' own form
        {"-$5", -500},
        {"-1234.5", -123450},
        {"($12.00)", -1200},      // as the table draws it
        {"(25)", -2500},
        {"  7 ", 700},
        {"", 0},
        {"   ", 0},
        {".5", 50},
        {"5.", 500},
        {"1,234,567", 123456700},
        {"0.005", 1},             // half a cent: away from zero
        {"-0.005", -1},
        {"1.004999", 100},
        {"2.675", 268},
        {"999,999,999,999.99", kAmountLimit - 1},
    };
    for (const auto& c : cases) {
        std::string problem;
        EXPECT_EQ(ReadAmount(c.text, problem), c.cents) << c.text << ": " << problem;
        EXPECT_EQ(CellCents(c.text), c.cents) << c.text;
    }
}

TEST(ScheduleAmounts, RefusesEveryOtherTextAndATrillionDollars) {
    const struct {
        const char* text;
        const char* why;
    } cases[] = {
        {"1,00", "not an amount"},      // once read as $100.00
        {"12-5", "not an amount"},      // once read as $-125.00
        {"1e308", "not an amount"},     // once read as a number that overflows
        {"12..5", "not an amount"},
        {"1,2345", "not an amount"},
        {"1234,567", "not an amount"},
        {",123", "not an amount"},
        {"1,234,", "not an amount"},
        {"1 000", "not an amount"},
        {"$", "not an amount"},
        {"-", "not an amount"},
        {"()", "not an amount"},
        {"(-5)", "not an amount"},
        {"--5", "not an amount"},
        {"$-(5)", "not an amount"},
        {"+5", "not an amount"},
        {"5-", "not an amount"},
        {"5%", "not an amount"},
        {"five", "not an amount"},
        {"1,000,000,000,000", "too large"},
        {"-1000000000000", "too large"},
        {"999,999,999,999.995", "too large"},  // rounds to a trillion
        {"123456789012345678901234567890", "too large"},
    };
    for (const auto& c : cases) {
        std::string problem;
        EXPECT_EQ(ReadAmount(c.text, problem), std::nullopt) << c.text;
        EXPECT_EQ(problem.rfind("\"" + std::string(c.text) + "\" is ", 0), 0u) << problem;
        EXPECT_NE(problem.find(c.why), std::string::npos) << problem;
        EXPECT_EQ(CellCents(c.text), 0) << c.text;
    }
}

TEST(ScheduleAmounts, WritesDollarTextsThatReadBackToTheSameCents) {
    const struct {
        Cents cents;
        const char* dollars;
        const char* plain;
    } cases[] = {
        {123450, "$1,234.50", "1234.50"},
        {-123450, "$-1,234.50", "-1234.50"},
        {0, "$0.00", "0.00"},
        {1, "$0.01", "0.01"},
        {-5, "$-0.05", "-0.05"},
        {kAmountLimit - 1, "$999,999,999,999.99", "999999999999.99"},
        {kMostSum, "$9,999,999,999,999.99", "9999999999999.99"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DollarText(c.cents), c.dollars);
        EXPECT_EQ(AmountText(c.cents), std::string(c.dollars).replace(0, 1, ""));
        EXPECT_EQ(PlainAmountText(c.cents), c.plain);
        if (c.cents < kAmountLimit) {
            EXPECT_EQ(CellCents(c.dollars), c.cents);
            EXPECT_EQ(CellCents(c.plain), c.cents);
        }
    }
    EXPECT_EQ(SumOf(kMostSum, 1), kMostSum);
    EXPECT_EQ(SumOf(-kMostSum, -kAmountLimit), -kMostSum);
    EXPECT_EQ(SumOf(150, -200), -50);
}

TEST(ScheduleAmounts, ReadsRatesAsDecimalsAndWritesThemBack) {
    const struct {
        const char* text;
        std::optional<Percent> rate;
        const char* cell;
    } cases[] = {
        {"3", Rate(3 * kBillion), "3.00%"},
        {"3.125", Rate(3'125'000'000), "3.125%"},
        {"3.00%", Rate(3 * kBillion), "3.00%"},
        {" 5.5% ", Rate(5'500'000'000), "5.50%"},
        {"1,234.50%", Rate(1'234'500'000'000), "1,234.50%"},
        {"0.0000000005", Rate(1), "0.000000001%"},
        {"9,999.999999999", Rate(kRateLimit - 1), "9,999.999999999%"},
        {"10000", std::nullopt, ""},
        {"-3", std::nullopt, ""},
        {"3%%", std::nullopt, ""},
        {"1e2", std::nullopt, ""},
        {"$3", std::nullopt, ""},
        {"", std::nullopt, ""},
    };
    for (const auto& c : cases) {
        std::string problem;
        const std::optional<Percent> rate = ReadRate(c.text, problem);
        EXPECT_EQ(rate, c.rate) << c.text;
        if (rate) EXPECT_EQ(RateCellText(*rate), c.cell) << c.text;
        else EXPECT_EQ(problem.rfind("\"" + std::string(c.text) + "\" is ", 0), 0u) << problem;
    }
    EXPECT_EQ(PercentOf(3.125), Rate(3'125'000'000));
    EXPECT_EQ(PercentOf(-2), Rate(0));
    EXPECT_EQ(DefaultRateText(3.125), "3.125");
}

TEST(ScheduleAmounts, ABlankRateCellIsTheDefaultRate) {
    const Percent defaultRate = Rate(7 * kBillion);
    const struct {
        const char* cell;
        Percent rate;
    } cases[] = {
        {"", defaultRate}, {"   ", defaultRate}, {" \t ", defaultRate},  // once 0 %
        {"5.00%", kFivePercent}, {"5", kFivePercent}, {"abc", Rate(0)},
    };
    for (const auto& c : cases) EXPECT_EQ(RowRate(c.cell, defaultRate), c.rate) << "[" << c.cell << "]";
}

TEST(ScheduleAmounts, InterestIsRoundedOnceFromTheExactProduct) {
    const Threshold dollar = ThresholdOf(1.0);
    const Threshold none = ThresholdOf(0.0);
    const struct {
        const char* label;
        Cents balance;
        Percent rate;
        long days;
        Threshold threshold;
        Cents interest;
    } cases[] = {
        {"157.10 x 5% for a year is 7.855", 15710, kFivePercent, 365, dollar, 786},
        {"13.92 x 3.125% for a year is 0.435", 1392, Rate(3'125'000'000), 365, none, 44},
        {"1,000 x 10% x 60 / 365 is 16.438", 100000, Rate(10 * kBillion), 60, dollar, 1644},
        {"exactly the threshold is kept", 365000, Rate(10 * kBillion), 1, dollar, 100},
        {"a cent below the threshold", 361350, Rate(10 * kBillion), 1, dollar, 0},
        {"half a cent at a half-cent threshold", 18250, Rate(kBillion), 1, ThresholdOf(0.005), 1},
        {"half a cent below a threshold above it", 18250, Rate(kBillion), 1, ThresholdOf(0.0051), 0},
        {"a credit earns nothing", -365000, Rate(10 * kBillion), 365, none, 0},
        {"no days", 365000, Rate(10 * kBillion), 0, none, 0},
        {"no rate", 365000, Rate(0), 365, none, 0},
        // Beyond 64 bits on the way: 99,999,999,999,999 x 10% for a year
        // is 9,999,999,999,999.9 cents, and x 6.25% is ...9.9375.
        {"the largest balance for a year", kAmountLimit - 1, Rate(10 * kBillion), 365, dollar, 10'000'000'000'000},
        {"the largest balance for two years", kAmountLimit - 1, Rate(3'125'000'000), 730, dollar, 6'250'000'000'000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IntervalInterest(c.balance, c.rate, c.days, c.threshold), c.interest) << c.label;
}

TEST(ScheduleAmounts, SharesRoundHalvesAwayFromZeroAndNeverExceedTheWhole) {
    EXPECT_EQ(RoundedShare(1270, 123, 164), 953);  // 952.5
    EXPECT_EQ(RoundedShare(-1270, 123, 164), -953);
    EXPECT_EQ(RoundedShare(5, 1, 2), 3);
    EXPECT_EQ(RoundedShare(5, 0, 2), 0);
    // A 109,572nd of the largest sum is 9,126,419,158.18: the rest rounds up.
    EXPECT_EQ(RoundedShare(kMostSum, 109'571, 109'572), kMostSum - 9'126'419'158);
    EXPECT_EQ(RoundedShare(-kMostSum, 109'572, 109'572), -kMostSum);
}

}  // namespace
}  // namespace quill10
