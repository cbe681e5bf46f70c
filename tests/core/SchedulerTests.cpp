// The scheduler table: dollar texts and drawn cells, dates, the stable sort
// by date, simple interest at the rate of the row that opens each interval,
// the threshold, rows that stop the recomputation, and the year-by-year
// summary.
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "ScheduleRows.h"
#include "TestSupport.h"
#include "scheduler/ScheduleDates.h"
#include "scheduler/Scheduler.h"
#include "scheduler/YearlySummary.h"

namespace quill10 {
namespace {

using test::Cells;
using test::Column;
using test::EntryRow;
using test::Table;

const InterestSettings kTenPercent{10.0, 1.0};

// ---- Cell texts --------------------------------------------------------------

TEST(ScheduleCells, DollarTextsAndRates) {
    const struct {
        double amount;
        const char* dollars;
    } amounts[] = {{1234.5, "$1,234.50"}, {-1234.5, "$-1,234.50"}, {0, "$0.00"},
                   {-0.001, "$0.00"},     {16.438356, "$16.44"},   {2.675, "$2.68"}};
    for (const auto& c : amounts) EXPECT_EQ(DollarText(c.amount), c.dollars) << c.amount;

    const struct {
        double percent;
        const char* cell;
        const char* plain;
    } rates[] = {{3, "3.00%", "3"}, {3.125, "3.125%", "3.125"}, {5.5, "5.50%", "5.5"}, {1234.5, "1,234.50%", "1234.5"}};
    for (const auto& c : rates) {
        EXPECT_EQ(RateCellText(c.percent), c.cell) << c.percent;
        EXPECT_EQ(DefaultRateText(c.percent), c.plain) << c.percent;
        EXPECT_DOUBLE_EQ(RowRate(c.cell, 7), c.percent);
    }
    EXPECT_DOUBLE_EQ(RowRate("", 7), 7.0);
    EXPECT_DOUBLE_EQ(RowRate("abc", 7), 0.0);
    EXPECT_DOUBLE_EQ(CellAmount("$-1,234.50"), -1234.5);
    EXPECT_DOUBLE_EQ(CellAmount("($1,234.50)"), -1234.5);
    EXPECT_DOUBLE_EQ(CellAmount("not a number"), 0.0);
    EXPECT_EQ(BlankRow(3.125), (SchedulerRow{"", "", "", "", "", "3.125", "", "", ""}));
}

TEST(ScheduleCells, OnlyMoneyCellsBeginningWithDollarMinusAreDrawnInBrackets) {
    const struct {
        int column;
        const char* text;
        const char* drawn;
    } cases[] = {
        {kColBalance, "$-1,234.50", "($1,234.50)"},
        {kColDue, "$-0.50", "($0.50)"},
        {kColBalanceWithInterest, "$-12.00", "($12.00)"},
        {kColBalance, "$1,234.50", "$1,234.50"},
        {kColDescription, "Jan - Feb", "Jan - Feb"},
        {kColDescription, "$-5", "$-5"},
        {kColDate, "1-5-2019", "1-5-2019"},
        {kColRate, "-3", "-3"},
        {kColInterest, "-$5.00", "-$5.00"},
    };
    for (const auto& c : cases) EXPECT_EQ(DrawnCellText(c.column, c.text), c.drawn) << c.column << " " << c.text;
}

// ---- Dates ---------------------------------------------------------------------

TEST(ScheduleDates, ReadMonthDayYearWithTwoDigitYearsInThisCentury) {
    const struct {
        const char* text;
        std::optional<Date> date;
    } cases[] = {
        {"1/5/2019", Date{2019, 1, 5}},  {"01/05/2019", Date{2019, 1, 5}}, {"1/5/19", Date{2019, 1, 5}},
        {"12/31/75", Date{2075, 12, 31}}, {" 3/2/2019 ", Date{2019, 3, 2}}, {"2/29/2020", Date{2020, 2, 29}},
        {"2/29/2019", std::nullopt},     {"13/1/2019", std::nullopt},      {"1/5/219", std::nullopt},
        {"1/5", std::nullopt},           {"1-5-2019", std::nullopt},       {"", std::nullopt},
        {"abc", std::nullopt},           {"1/5/2019x", std::nullopt},      {"123/5/2019", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseScheduleDate(c.text), c.date) << c.text;
    EXPECT_EQ(ParseIsoScheduleDate("2019-03-02"), (Date{2019, 3, 2}));
    EXPECT_EQ(ParseIsoScheduleDate("2019-02-30"), std::nullopt);
    EXPECT_EQ(ParseIsoScheduleDate("19-03-02"), std::nullopt);
    EXPECT_EQ(ScheduleDateText(Date{2019, 1, 5}), "1/5/2019");
}

TEST(ScheduleDates, CountWholeDaysAndStepWholeMonths) {
    EXPECT_EQ(DayNumber(Date{1970, 1, 1}), 0);
    EXPECT_EQ(DayNumber(Date{2019, 3, 2}) - DayNumber(Date{2019, 1, 1}), 60);
    EXPECT_EQ(DayNumber(Date{2020, 3, 1}) - DayNumber(Date{2020, 2, 28}), 2);
    EXPECT_EQ(DayNumber(Date{2021, 1, 1}) - DayNumber(Date{2020, 1, 1}), 366);
    EXPECT_EQ(DayNumber(Date{1900, 3, 1}) - DayNumber(Date{1900, 2, 28}), 1);
    for (long day = DayNumber(Date{1899, 12, 25}); day < DayNumber(Date{2101, 1, 10}); day += 13)
        EXPECT_EQ(DayNumber(DateOfDayNumber(day)), day);

    const struct {
        Date from;
        int months;
        Date to;
    } steps[] = {
        {{2013, 1, 31}, 1, {2013, 2, 28}}, {{2012, 1, 31}, 1, {2012, 2, 29}}, {{2019, 12, 15}, 1, {2020, 1, 15}},
        {{2019, 8, 31}, 6, {2020, 2, 29}}, {{2019, 11, 30}, 3, {2020, 2, 29}}, {{2019, 5, 31}, 1, {2019, 6, 30}},
    };
    for (const auto& s : steps) EXPECT_EQ(AddMonths(s.from, s.months), s.to) << ScheduleDateText(s.from);
}

// ---- Recomputation -------------------------------------------------------------

TEST(RecomputeSchedule, ChargesSimpleInterestOnTheBalanceAt365DaysAYear) {
    test::ErrorRecorder errors;
    SchedulerGrid grid = Table({EntryRow("1/1/2019", "Order", 1000, 0, "10.00%"), EntryRow("3/2/2019", "", 0, 0, "10.00%")});
    RecomputeSchedule(grid, 0, kTenPercent);
    EXPECT_EQ(Column(grid, kColInterest), (Cells{"$0.00", "$16.44"}));
    EXPECT_EQ(Column(grid, kColTotalInterest), (Cells{"$0.00", "$16.44"}));
    EXPECT_EQ(Column(grid, kColBalance), (Cells{"$1,000.00", "$1,000.00"}));
    EXPECT_EQ(Column(grid, kColBalanceWithInterest), (Cells{"$1,000.00", "$1,016.44"}));
    EXPECT_TRUE(errors.Codes().empty());
}

TEST(RecomputeSchedule, EachIntervalTakesTheRateOfTheRowThatOpensIt) {
    // 1,000 owed from 1/1 at 10 % for 10 days, then at 20 % for 10 days,
    // then at the default rate (an empty cell) for 36.5 days' worth: 73 days.
    SchedulerGrid grid = Table({EntryRow("1/1/2019", "", 1000, 0, "10.00%"), EntryRow("1/11/2019", "", 0, 0, "20.00%"),
                                EntryRow("1/21/2019", "", 0, 0, ""), EntryRow("4/4/2019", "", 0, 1000, "1.00%")});
    RecomputeSchedule(grid, 0, InterestSettings{5.0, 0.0});
    // 1000 x 10% x 10/365, 1000 x 20% x 10/365, 1000 x 5% x 73/365
    EXPECT_EQ(Column(grid, kColInterest), (Cells{"$0.00", "$2.74", "$5.48", "$10.00"}));
    EXPECT_EQ(Column(grid, kColTotalInterest), (Cells{"$0.00", "$2.74", "$8.22", "$18.22"}));
    // Interest never earns interest: the balance stays the dues less payments.
    EXPECT_EQ(Column(grid, kColBalance), (Cells{"$1,000.00", "$1,000.00", "$1,000.00", "$0.00"}));
    EXPECT_EQ(Column(grid, kColBalanceWithInterest), (Cells{"$1,000.00", "$1,002.74", "$1,008.22", "$18.22"}));
}

TEST(RecomputeSchedule, DropsInterestBelowTheThresholdAndNegativeInterest) {
    const struct {
        const char* label;
        double due;  // owed from 1/1/2019; the next row is one day later at 10 %
        double threshold;
        const char* interest;
    } cases[] = {
        {"0.99 below a 1.00 threshold", 3613.50, 1.00, "$0.00"},
        {"1.0000027 reaches the threshold", 3650.01, 1.00, "$1.00"},
        {"0.99 with no threshold", 3613.50, 0.00, "$0.99"},
        {"cents below a 0.01 threshold", 3.00, 0.01, "$0.00"},
        {"negative balance, no threshold", -3650.00, 0.00, "$0.00"},
        {"negative balance, negative threshold", -3650.00, -5.00, "$0.00"},
    };
    for (const auto& c : cases) {
        SchedulerGrid grid = Table({EntryRow("1/1/2019", "", c.due, 0, "10.00%"), EntryRow("1/2/2019", "", 0, 0, "10.00%"),
                                    EntryRow("1/3/2019", "", 0, 0, "10.00%")});
        RecomputeSchedule(grid, 0, InterestSettings{3.0, c.threshold});
        EXPECT_EQ(grid.rows[1][kColInterest], c.interest) << c.label;
        // What was dropped is not carried into the next interval.
        EXPECT_EQ(grid.rows[2][kColTotalInterest], DollarText(2 * CellAmount(c.interest))) << c.label;
    }
}

TEST(RecomputeSchedule, SortsByDateKeepingTheOrderOfEqualDatesAndFollowsTheSelection) {
    SchedulerGrid grid = Table({EntryRow("3/1/2019", "A", 1, 0), EntryRow("1/1/2019", "B", 2, 0),
                                EntryRow("3/1/2019", "C", 3, 0), EntryRow("2/1/19", "D", 4, 0),
                                EntryRow("1/1/2019", "E", 5, 0), EntryRow("12/31/2018", "F", 6, 0)});
    const struct {
        size_t selected;
        const char* description;
    } selections[] = {{0, "A"}, {1, "B"}, {2, "C"}, {3, "D"}, {4, "E"}, {5, "F"}};
    for (const auto& s : selections) {
        SchedulerGrid sorted = grid;
        const size_t moved = RecomputeSchedule(sorted, s.selected, InterestSettings{});
        EXPECT_EQ(Column(sorted, kColDescription), (Cells{"F", "B", "E", "D", "A", "C"}));
        EXPECT_EQ(sorted.rows[moved][kColDescription], s.description);
    }
}

TEST(RecomputeSchedule, SortsTenThousandRowsLikeTheNeighbourExchange) {
    // A table in a scrambled order, many equal dates: the result must be the
    // order a neighbour-exchange sort gives (stable), checked pair by pair.
    SchedulerGrid grid;
    grid.rows.clear();
    for (int i = 0; i < 10000; ++i)
        grid.rows.push_back(EntryRow(ScheduleDateText(DateOfDayNumber(DayNumber(Date{2015, 1, 1}) + (i * 7919) % 97)),
                                     std::to_string(i), 1, 0));
    RecomputeSchedule(grid, 0, InterestSettings{});
    for (size_t i = 1; i < grid.rows.size(); ++i) {
        const long before = DayNumber(*ParseScheduleDate(grid.rows[i - 1][kColDate]));
        const long after = DayNumber(*ParseScheduleDate(grid.rows[i][kColDate]));
        ASSERT_LE(before, after) << i;
        if (before == after) {
            ASSERT_LT(std::stoi(grid.rows[i - 1][kColDescription]), std::stoi(grid.rows[i][kColDescription])) << i;
        }
    }
    EXPECT_EQ(grid.rows.back()[kColBalance], "$10,000.00");
}

TEST(RecomputeSchedule, StopsAtARowWithoutAReadableDate) {
    const struct {
        const char* label;
        const char* date;
        int code;
    } cases[] = {{"no date", "", kErrScheduleNoDate}, {"not a date", "2/30/2019", kErrScheduleBadDate},
                 {"words", "someday", kErrScheduleBadDate}};
    for (const auto& c : cases) {
        test::ErrorRecorder errors;
        SchedulerRow odd = EntryRow(c.date, "odd", 50, 0);
        odd[kColBalance] = "$123.00";  // kept: the row is not worked out
        SchedulerGrid grid = Table({odd, EntryRow("2/1/2019", "second", 200, 0), EntryRow("1/1/2019", "first", 100, 0)});
        const size_t selected = RecomputeSchedule(grid, 0, InterestSettings{});
        EXPECT_EQ(Column(grid, kColDescription), (Cells{"first", "second", "odd"})) << c.label;
        EXPECT_EQ(selected, 2u) << c.label;
        EXPECT_EQ(Column(grid, kColBalance), (Cells{"$100.00", "$300.00", "$123.00"})) << c.label;
        EXPECT_EQ(errors.Codes(), std::vector<int>{c.code}) << c.label;
    }
}

TEST(RecomputeSchedule, LeavesTheEmptyScheduleAloneWithoutAMessage) {
    test::ErrorRecorder errors;
    SchedulerGrid grid = Table({BlankRow(3)});
    RecomputeSchedule(grid, 0, InterestSettings{});
    EXPECT_EQ(grid.rows, std::vector<SchedulerRow>{BlankRow(3)});
    SchedulerGrid none;
    none.rows.clear();
    RecomputeSchedule(none, 0, InterestSettings{});
    EXPECT_EQ(none.rows, std::vector<SchedulerRow>{BlankRow(3)});
    EXPECT_TRUE(errors.Codes().empty());
}

TEST(RecomputeSchedule, ShowsOverpaymentAsANegativeBalance) {
    SchedulerGrid grid = Table({EntryRow("1/1/2019", "", 500, 0), EntryRow("2/1/2019", "", 0, 1000)});
    RecomputeSchedule(grid, 0, InterestSettings{});
    EXPECT_EQ(Column(grid, kColBalance), (Cells{"$500.00", "$-500.00"}));
    EXPECT_EQ(DrawnCellText(kColBalance, grid.rows[1][kColBalance]), "($500.00)");
    EXPECT_EQ(TotalsOf(grid).due, 500.0);
    EXPECT_EQ(TotalsOf(grid).paid, 1000.0);
}

// ---- Year-by-year summary --------------------------------------------------------

void ExpectYear(const YearSummary& year, int number, double due, double paid, double interest, double balance,
                double withInterest) {
    SCOPED_TRACE(number);
    EXPECT_EQ(year.year, number);
    EXPECT_NEAR(year.due, due, 1e-9);
    EXPECT_NEAR(year.paid, paid, 1e-9);
    EXPECT_NEAR(year.interest, interest, 0.005);
    EXPECT_NEAR(year.balance, balance, 1e-9);
    EXPECT_NEAR(year.balanceWithInterest, withInterest, 0.005);
}

TEST(YearlySummary, SharesAnIntervalsInterestAmongItsYearsByTheDays) {
    // 7/1/2019 to 7/1/2020 holds 366 days (2020 is a leap year): 184 in 2019, 182 in 2020.
    SchedulerGrid grid = Table({EntryRow("7/1/2019", "", 1000, 0, "10.00%"), EntryRow("7/1/2020", "", 0, 400, "10.00%")});
    RecomputeSchedule(grid, 0, InterestSettings{3, 0});
    ASSERT_EQ(grid.rows[1][kColInterest], "$100.27");  // 1000 x 10% x 366 / 365
    const std::vector<YearSummary> years = YearlySummary(grid);
    ASSERT_EQ(years.size(), 2u);
    ExpectYear(years[0], 2019, 1000, 0, 1000 * 0.1 * 184 / 365, 1000, 1000 + 1000 * 0.1 * 184 / 365);
    ExpectYear(years[1], 2020, 0, 400, 1000 * 0.1 * 182 / 365, 600, 600 + 1000 * 0.1 * 366 / 365);
}

TEST(YearlySummary, ListsYearsWithoutRowsAndAddsUpToTheTable) {
    // 12/1/2019 to 2/1/2021: 31 days of 2019, all 366 of 2020, 31 of 2021.
    SchedulerGrid grid = Table({EntryRow("12/1/2019", "", 1000, 0, "10.00%"), EntryRow("2/1/2021", "", 0, 500, "10.00%"),
                                EntryRow("3/1/2021", "", 250, 0, "10.00%"), EntryRow("", "undated", 99, 0)});
    test::ErrorRecorder errors;
    RecomputeSchedule(grid, 0, InterestSettings{3, 0});
    const std::vector<YearSummary> years = YearlySummary(grid);
    ASSERT_EQ(years.size(), 3u);
    const double perDay = 1000 * 0.1 / 365;
    const double march = 500 * 0.1 * 28 / 365;
    ExpectYear(years[0], 2019, 1000, 0, 31 * perDay, 1000, 1000 + 31 * perDay);
    ExpectYear(years[1], 2020, 0, 0, 366 * perDay, 1000, 1000 + 397 * perDay);
    ExpectYear(years[2], 2021, 250, 500, 31 * perDay + march, 750, 750 + 428 * perDay + march);
    const double sum = std::accumulate(years.begin(), years.end(), 0.0,
                                       [](double total, const YearSummary& y) { return total + y.interest; });
    EXPECT_NEAR(sum, CellAmount(grid.rows[2][kColTotalInterest]), 1e-9);
    EXPECT_EQ(DollarText(years.back().balanceWithInterest), grid.rows[2][kColBalanceWithInterest]);
    EXPECT_EQ(SummaryRow(years[1]),
              (SchedulerRow{"2020", "", "$0.00", "$0.00", "$1,000.00", "", "$100.27", "$108.77", "$1,108.77"}));
}

TEST(YearlySummary, IsEmptyForTheEmptySchedule) {
    EXPECT_TRUE(YearlySummary(Table({BlankRow(3)})).empty());
}

}  // namespace
}  // namespace quill10
