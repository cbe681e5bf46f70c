// The scheduler table: dollar texts and drawn cells, dates, the stable sort
// by date, simple interest at the rate of the row that opens each interval,
// the threshold, rows that stop the recomputation, and the year-by-year
// summary.
#include <gtest/gtest.h>

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
using test::Dollars;
using test::EntryRow;
using test::Table;

const InterestSettings kTenPercent{10.0, 1.0};

// ---- Cell texts --------------------------------------------------------------

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

TEST(ScheduleDates, ReadEveryFormWithYearsFrom1900To2199) {
    const struct {
        const char* text;
        std::optional<Date> date;
    } cases[] = {
        {"1/5/2019", Date{2019, 1, 5}},   {"01/05/2019", Date{2019, 1, 5}},  {" 3/2/2019 ", Date{2019, 3, 2}},
        {"2/29/2020", Date{2020, 2, 29}}, {"2019-03-02", Date{2019, 3, 2}},  {"2019-3-2", Date{2019, 3, 2}},
        {"1/1/1900", Date{1900, 1, 1}},   {"12/31/2199", Date{2199, 12, 31}},
        // Two digits: 00-69 this century, 70-99 the last.
        {"1/5/19", Date{2019, 1, 5}},     {"1/1/00", Date{2000, 1, 1}},      {"12/31/69", Date{2069, 12, 31}},
        {"1/1/70", Date{1970, 1, 1}},     {"12/31/99", Date{1999, 12, 31}},  {"6/1/50", Date{2050, 6, 1}},
        // Any other year: one or three digits, or four out of the range.
        {"3/15/0202", std::nullopt},      {"0011-06-01", std::nullopt},      {"1/1/0000", std::nullopt},
        {"1/1/0050", std::nullopt},       {"12/31/1899", std::nullopt},      {"1/1/2200", std::nullopt},
        {"1/5/219", std::nullopt},        {"1/5/2", std::nullopt},           {"1/5/02019", std::nullopt},
        {"202-03-15", std::nullopt},
        // Not a date at all, or not a day of the calendar.
        {"19-03-02", std::nullopt},       {"2/29/2019", std::nullopt},       {"13/1/2019", std::nullopt},
        {"2019-02-30", std::nullopt},     {"1/5", std::nullopt},             {"1-5-2019", std::nullopt},
        {"", std::nullopt},               {"abc", std::nullopt},             {"1/5/2019x", std::nullopt},
        {"123/5/2019", std::nullopt},     {"1/5/2019/1", std::nullopt},      {"1/5/1234567890123", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseScheduleDate(c.text), c.date) << c.text;
}

TEST(ScheduleDates, ARefusalSaysWhatIsWrongAndWhatToWrite) {
    const struct {
        const char* text;
        const char* problem;
    } cases[] = {
        {"3/15/0202", "\"3/15/0202\" has the year 0202: write the year with four digits from 1900 to 2199, or with "
                      "two (00-69 for 2000-2069, 70-99 for 1970-1999)"},
        {"0011-06-01", "\"0011-06-01\" has the year 0011: write the year with four digits from 1900 to 2199, or "
                       "with two (00-69 for 2000-2069, 70-99 for 1970-1999)"},
        {"2/30/2019", "\"2/30/2019\" is not a day of the calendar: write a day the month has, M/D/YYYY (the month "
                      "first), for example 3/15/2019, or YYYY-MM-DD"},
        {"March 3", "\"March 3\" is not a date: write it M/D/YYYY, for example 3/15/2019, or YYYY-MM-DD"},
    };
    for (const auto& c : cases) {
        std::string problem;
        EXPECT_EQ(ReadScheduleDate(c.text, problem), std::nullopt) << c.text;
        EXPECT_EQ(problem, c.problem);
    }
}

TEST(ScheduleDates, EveryDateWrittenReadsBackAsTheSameDay) {
    for (long day = DayNumber(Date{1900, 1, 1}); day <= DayNumber(Date{2199, 12, 31}); ++day) {
        const std::string text = ScheduleDateText(DateOfDayNumber(day));
        const std::optional<Date> read = ParseScheduleDate(text);
        ASSERT_TRUE(read) << text;
        ASSERT_EQ(DayNumber(*read), day) << text;
        ASSERT_EQ(text.size() - text.rfind('/'), 5u) << text;  // a four-digit year
    }
    EXPECT_EQ(ScheduleDateText(Date{2019, 1, 5}), "1/5/2019");
    // A year out of the range keeps its four digits and is refused, not
    // read as another year.
    EXPECT_EQ(ScheduleDateText(Date{50, 1, 1}), "1/1/0050");
    EXPECT_EQ(ParseScheduleDate(ScheduleDateText(Date{50, 1, 1})), std::nullopt);
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
        EXPECT_EQ(grid.rows[2][kColTotalInterest], DollarText(2 * CellCents(c.interest))) << c.label;
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
    } cases[] = {{"no date", "", kErrScheduleNoDate},
                 {"not a date", "2/30/2019", kErrScheduleBadDate},
                 {"words", "someday", kErrScheduleBadDate},
                 {"a year of three digits", "3/15/0202", kErrScheduleBadDate},
                 {"the year 0", "1/1/0000", kErrScheduleBadDate}};
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
        // The row counts in no total, as it counts in no balance.
        EXPECT_EQ(TotalsOf(grid).due, Dollars(300)) << c.label;
    }
}

// An amount that cannot be read is named with its row and text; the row is
// not counted (in the balance, the totals or the summary), and the rows
// after it are worked out without it.
TEST(RecomputeSchedule, ARowWithAnUnreadableAmountIsNamedAndNotCounted) {
    for (const char* unreadable : {"$5OO.00", "1,23,4.00", "12.3.4", "$1,000,000,000,000.00"}) {
        for (int column : {kColDue, kColPaid}) {
            test::ErrorRecorder errors;
            SchedulerRow odd = EntryRow("2/1/2019", "odd", 0, 0);
            odd[static_cast<size_t>(column)] = unreadable;
            SchedulerGrid grid =
                Table({EntryRow("1/1/2019", "first", 100, 0), odd, EntryRow("3/1/2019", "third", 200, 50)});
            RecomputeSchedule(grid, 0, InterestSettings{0.0, 1.0});
            EXPECT_EQ(Column(grid, kColBalance), (Cells{"$100.00", kNotCounted, "$250.00"})) << unreadable;
            EXPECT_EQ(errors.Codes(), std::vector<int>{kErrScheduleBadAmount}) << unreadable;
            ASSERT_FALSE(errors.Texts().empty());
            EXPECT_NE(errors.Texts().front().find(std::string("the row of 2/1/2019, ") +
                                                  (column == kColDue ? "Support Due" : "Support Paid") + ": \"" +
                                                  unreadable + "\""),
                      std::string::npos)
                << errors.Texts().front();
            EXPECT_EQ(TotalsOf(grid).due, Dollars(300)) << unreadable;
            EXPECT_EQ(TotalsOf(grid).paid, Dollars(50)) << unreadable;
            const std::vector<YearSummary> years = YearlySummary(grid);
            ASSERT_EQ(years.size(), 1u);
            EXPECT_EQ(years[0].due, Dollars(300)) << unreadable;
            EXPECT_FALSE(EveryRowCounted(grid));
        }
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
    EXPECT_EQ(TotalsOf(grid).due, Dollars(500));
    EXPECT_EQ(TotalsOf(grid).paid, Dollars(1000));
}

TEST(RecomputeSchedule, KeepsWholeCentsSoNoHalfCentIsLost) {
    const struct {
        const char* label;
        SchedulerGrid table;
        InterestSettings settings;
        Cells last;  // Balance, Interest, Total Interest, Balance w/Int of the last row
    } cases[] = {
        // 383.38 + 574.06 - 800.34 = 157.10 (not 157.0999...), x 5 % for a year = 7.855.
        {"a balance of three amounts",
         Table({EntryRow("1/1/2019", "", 383.38, 0, "5.00%"), EntryRow("1/1/2019", "", 574.06, 800.34, "5.00%"),
                EntryRow("1/1/2020", "", 0, 0, "5.00%")}),
         InterestSettings{3, 1},
         {"$157.10", "$7.86", "$7.86", "$164.96"}},
        // 13.92 x 3.125 % for a year = 0.435; the rate is read as a decimal.
        {"a rate of three decimals",
         Table({EntryRow("1/1/2019", "", 13.92, 0, "3.125%"), EntryRow("1/1/2020", "", 0, 0, "3.125%")}),
         InterestSettings{3, 0},
         {"$13.92", "$0.44", "$0.44", "$14.36"}},
        {"the default rate of three decimals",
         Table({EntryRow("1/1/2019", "", 13.92, 0, ""), EntryRow("1/1/2020", "", 0, 0, "")}),
         InterestSettings{3.125, 0},
         {"$13.92", "$0.44", "$0.44", "$14.36"}},
    };
    for (auto c : cases) {
        RecomputeSchedule(c.table, 0, c.settings);
        const SchedulerRow& last = c.table.rows.back();
        EXPECT_EQ((Cells{last[kColBalance], last[kColInterest], last[kColTotalInterest], last[kColBalanceWithInterest]}),
                  c.last)
            << c.label;
    }
}

TEST(RecomputeSchedule, ARateCellOfBlanksChargesTheDefaultRate) {
    const struct {
        const char* rate;
        const char* interest;  // on 1,000 for a year, the default rate 10 %
    } cases[] = {{"", "$100.00"}, {"   ", "$100.00"}, {"5.00%", "$50.00"}, {"5", "$50.00"}, {"abc", "$0.00"}};
    for (const auto& c : cases) {
        SchedulerGrid grid = Table({EntryRow("1/1/2019", "", 1000, 0, c.rate), EntryRow("1/1/2020", "", 0, 0, c.rate)});
        RecomputeSchedule(grid, 0, InterestSettings{10, 1});
        EXPECT_EQ(grid.rows[1][kColInterest], c.interest) << "[" << c.rate << "]";
    }
}

TEST(RecomputeSchedule, TotalInterestAddsUpTheInterestCells) {
    // Irregular amounts, dates and rates, so that many intervals round.
    SchedulerGrid grid;
    grid.rows.clear();
    const char* rates[] = {"3.125%", "4", "", "7.77%", "0.5%"};
    for (int i = 0; i < 400; ++i) {
        const Date date = DateOfDayNumber(DayNumber(Date{2001, 3, 7}) + i * 37 % 3001);
        grid.rows.push_back(EntryRow(ScheduleDateText(date), "", (i * 7919 % 100003) / 100.0,
                                     (i % 3 == 0) ? (i * 104729 % 50021) / 100.0 : 0, rates[i % 5]));
    }
    test::ErrorRecorder errors;
    RecomputeSchedule(grid, 0, InterestSettings{6.5, 0.25});
    Cents interest = 0, balance = 0;
    for (const SchedulerRow& row : grid.rows) {
        interest += CellCents(row[kColInterest]);
        balance += CellCents(row[kColDue]) - CellCents(row[kColPaid]);
        ASSERT_EQ(CellCents(row[kColTotalInterest]), interest) << row[kColDate];
        ASSERT_EQ(CellCents(row[kColBalance]), balance) << row[kColDate];
        ASSERT_EQ(CellCents(row[kColBalanceWithInterest]), balance + interest) << row[kColDate];
    }
    EXPECT_GT(interest, 0);
    EXPECT_TRUE(errors.Codes().empty());
}

TEST(RecomputeSchedule, StopsBeforeABalanceOrInterestOfATrillionDollars) {
    const struct {
        const char* label;
        SchedulerGrid table;
    } cases[] = {
        {"balance", Table({EntryRow("1/1/2019", "", 999'999'999'999.99, 0), EntryRow("2/1/2019", "", 0.01, 0),
                           EntryRow("3/1/2019", "", 5, 0)})},
        {"interest", Table({EntryRow("1/1/1900", "", 999'999'999'999.99, 0, "9,999.00%"),
                            EntryRow("12/31/2199", "", 0, 0), EntryRow("12/31/2199", "", 5, 0)})},
    };
    for (auto c : cases) {
        test::ErrorRecorder errors;
        for (size_t r = 1; r < 3; ++r) c.table.rows[r][kColBalance] = "kept";
        RecomputeSchedule(c.table, 0, InterestSettings{3, 1});
        EXPECT_EQ(errors.Codes(), std::vector<int>{kErrScheduleTooLarge}) << c.label;
        EXPECT_EQ(Column(c.table, kColBalance)[0], "$999,999,999,999.99") << c.label;
        EXPECT_EQ(Column(c.table, kColBalance)[1], "kept") << c.label;
        EXPECT_EQ(Column(c.table, kColBalance)[2], "kept") << c.label;
    }
}

TEST(RecomputeSchedule, WritesEveryDateWithAFourDigitYearAndSortsTwoDigitYearsByTheirCentury) {
    SchedulerGrid grid = Table({EntryRow("1/15/2000", "2000", 100, 0), EntryRow("12/31/99", "1999", 100, 0),
                                EntryRow("3/15/19", "2019", 100, 0), EntryRow("2019-06-01", "June", 100, 0),
                                EntryRow("1/2/70", "1970", 100, 0)});
    test::ErrorRecorder errors;
    RecomputeSchedule(grid, 0, InterestSettings{3, 1});
    EXPECT_EQ(Column(grid, kColDescription), (Cells{"1970", "1999", "2000", "2019", "June"}));
    EXPECT_EQ(Column(grid, kColDate), (Cells{"1/2/1970", "12/31/1999", "1/15/2000", "3/15/2019", "6/1/2019"}));
    EXPECT_TRUE(errors.Codes().empty());
    const std::vector<YearSummary> years = YearlySummary(grid);
    EXPECT_EQ(years.front().year, 1970);
    EXPECT_EQ(years.back().year, 2019);  // not a century of empty years after 2019
}

TEST(RefreshSchedule, WorksOutWhatACellLeftStaleAndGivesTheBlankRowTheDefaultRate) {
    SchedulerGrid fresh = Table({EntryRow("1/1/2019", "", 1000, 0, "10.00%"), EntryRow("3/2/2019", "", 0, 0)});
    RecomputeSchedule(fresh, 0, kTenPercent);
    SchedulerGrid stale = fresh;
    std::swap(stale.rows[0], stale.rows[1]);
    for (SchedulerRow& row : stale.rows)
        for (int column : {kColBalance, kColInterest, kColTotalInterest, kColBalanceWithInterest}) row[column] = "$0.00";
    RefreshSchedule(stale, kTenPercent);
    EXPECT_EQ(stale, fresh);

    SchedulerGrid blank;
    RefreshSchedule(blank, InterestSettings{4.5, 1});
    EXPECT_EQ(blank.rows, std::vector<SchedulerRow>{BlankRow(4.5)});
}

// ---- Year-by-year summary --------------------------------------------------------

// A summary year's dollar texts: due, paid, interest, balance, balance w/Int.
Cells YearTexts(const YearSummary& year) {
    return {DollarText(year.due), DollarText(year.paid), DollarText(year.interest), DollarText(year.balance),
            DollarText(year.balanceWithInterest)};
}

Cents InterestOfTheYears(const std::vector<YearSummary>& years) {
    return std::accumulate(years.begin(), years.end(), Cents{0},
                           [](Cents total, const YearSummary& y) { return total + y.interest; });
}

TEST(YearlySummary, SharesAnIntervalsInterestInWholeCentsThatAddUpToIt) {
    const struct {
        const char* label;
        SchedulerGrid table;
        const char* interval;     // the interest of the interval
        Cells first, second;      // the two years
    } cases[] = {
        // 7/1/2019 to 7/1/2020: 366 days, 184 in 2019; 1000 x 10% x 366 / 365.
        {"a leap year", Table({EntryRow("7/1/2019", "", 1000, 0, "10.00%"), EntryRow("7/1/2020", "", 0, 400)}),
         "$100.27",
         {"$1,000.00", "$0.00", "$50.41", "$1,000.00", "$1,050.41"},
         {"$0.00", "$400.00", "$49.86", "$600.00", "$700.27"}},
        // 8/31/2019 to 2/11/2020: 164 days, 123 in 2019; 12.70 x 123 / 164 = 9.525.
        {"a half cent", Table({EntryRow("8/31/2019", "", 565.30, 0, "5.00%"), EntryRow("2/11/2020", "", 0, 0)}),
         "$12.70",
         {"$565.30", "$0.00", "$9.53", "$565.30", "$574.83"},
         {"$0.00", "$0.00", "$3.17", "$565.30", "$578.00"}},
    };
    for (auto c : cases) {
        RecomputeSchedule(c.table, 0, InterestSettings{3, 0});
        ASSERT_EQ(c.table.rows[1][kColInterest], c.interval) << c.label;
        const std::vector<YearSummary> years = YearlySummary(c.table);
        ASSERT_EQ(years.size(), 2u) << c.label;
        EXPECT_EQ(YearTexts(years[0]), c.first) << c.label;
        EXPECT_EQ(YearTexts(years[1]), c.second) << c.label;
        EXPECT_EQ(InterestOfTheYears(years), CellCents(c.interval)) << c.label;
    }
}

TEST(YearlySummary, ListsYearsWithoutRowsAndAddsUpToTheTable) {
    // 12/1/2019 to 2/1/2021: 428 days, 31 of 2019, all 366 of 2020, 31 of
    // 2021: 117.26 shared as 8.49, 100.28 and 8.49; then 500 for 28 days
    // at 10 %: 3.84.
    SchedulerGrid grid = Table({EntryRow("12/1/2019", "", 1000, 0, "10.00%"), EntryRow("2/1/2021", "", 0, 500, "10.00%"),
                                EntryRow("3/1/2021", "", 250, 0, "10.00%"), EntryRow("", "undated", 99, 0)});
    test::ErrorRecorder errors;
    RecomputeSchedule(grid, 0, InterestSettings{3, 0});
    ASSERT_EQ(Column(grid, kColInterest), (Cells{"$0.00", "$117.26", "$3.84", ""}));
    const std::vector<YearSummary> years = YearlySummary(grid);
    ASSERT_EQ(years.size(), 3u);
    EXPECT_EQ(YearTexts(years[0]), (Cells{"$1,000.00", "$0.00", "$8.49", "$1,000.00", "$1,008.49"}));
    EXPECT_EQ(YearTexts(years[1]), (Cells{"$0.00", "$0.00", "$100.28", "$1,000.00", "$1,108.77"}));
    EXPECT_EQ(YearTexts(years[2]), (Cells{"$250.00", "$500.00", "$12.33", "$750.00", "$871.10"}));
    EXPECT_EQ(InterestOfTheYears(years), CellCents(grid.rows[2][kColTotalInterest]));
    EXPECT_EQ(DollarText(years.back().balanceWithInterest), grid.rows[2][kColBalanceWithInterest]);
    EXPECT_EQ(SummaryRow(years[1]),
              (SchedulerRow{"2020", "", "$0.00", "$0.00", "$1,000.00", "", "$100.28", "$108.77", "$1,108.77"}));
}

TEST(YearlySummary, IsEmptyForTheEmptySchedule) {
    EXPECT_TRUE(YearlySummary(Table({BlankRow(3)})).empty());
}

}  // namespace
}  // namespace quill10
