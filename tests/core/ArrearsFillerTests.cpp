// The series generator: the worked series, a step for every frequency,
// the statutory rates by year from the built-in table and the rates file,
// years without a rate, and where the first row goes.
#include <gtest/gtest.h>

#include "ScheduleRows.h"
#include "TestSupport.h"
#include "scheduler/ArrearsFiller.h"
#include "scheduler/ScheduleDates.h"
#include "scheduler/Scheduler.h"

namespace quill10 {
namespace {

using test::Cells;
using test::Column;
using test::EntryRow;
using test::Table;

InterestRateTable InstalledRates() {
    std::string problem;
    InterestRateTable rates = LoadInterestRates(test::ProgramFolder(), problem);
    EXPECT_EQ(problem, "");
    return rates;
}

SeriesEntry Series(SeriesKind kind, double amount, Date start, Date end, Frequency frequency,
                   std::optional<double> rate = std::nullopt) {
    const std::optional<Percent> percent = rate ? std::optional(PercentOf(*rate)) : std::nullopt;
    return SeriesEntry{kind, SeriesDescription(kind), test::Dollars(amount), start, end, frequency, percent};
}

TEST(SeriesGenerator, MonthlyDuesAtTheStatutoryRateReplaceTheBlankRow) {
    SchedulerGrid grid = Table({BlankRow(3)});
    const SeriesResult result = AppendSeries(
        grid, Series(SeriesKind::Dues, 500, {2010, 1, 15}, {2010, 4, 15}, Frequency::Monthly), InstalledRates(), 3);
    EXPECT_EQ(result.rowsMade, 4u);
    EXPECT_EQ(Column(grid, kColDate), (Cells{"1/15/2010", "2/15/2010", "3/15/2010", "4/15/2010"}));
    EXPECT_EQ(Column(grid, kColDescription), Cells(4, "Payment Due"));
    EXPECT_EQ(Column(grid, kColDue), Cells(4, "$500.00"));
    EXPECT_EQ(Column(grid, kColPaid), Cells(4, "$0.00"));
    EXPECT_EQ(Column(grid, kColRate), Cells(4, "4.00%"));
    for (int computed : {kColBalance, kColInterest, kColTotalInterest, kColBalanceWithInterest})
        EXPECT_EQ(Column(grid, computed), Cells(4, "$0.00"));

    // 31, 28 and 31 days at 4 % on 500, 1,000 and 1,500: 1.6986, 3.0685
    // and 5.0959, each rounded to cents, and the total their sum.
    RecomputeSchedule(grid, 0, InterestSettings{3, 1});
    EXPECT_EQ(Column(grid, kColInterest), (Cells{"$0.00", "$1.70", "$3.07", "$5.10"}));
    EXPECT_EQ(grid.rows.back()[kColTotalInterest], "$9.87");
    EXPECT_EQ(grid.rows.back()[kColBalanceWithInterest], "$2,009.87");
}

TEST(SeriesGenerator, WeeklyPaymentsOverAYearEndAtTheRateGiven) {
    SchedulerGrid grid = Table({EntryRow("12/1/2011", "Order", 1000, 0)});
    const SeriesResult result =
        AppendSeries(grid, Series(SeriesKind::Payments, 250, {2011, 12, 28}, {2012, 1, 11}, Frequency::Weekly, 3.0),
                     InstalledRates(), 3.125);
    EXPECT_EQ(result.rowsMade, 3u);
    EXPECT_EQ(Column(grid, kColDate), (Cells{"12/1/2011", "12/28/2011", "1/4/2012", "1/11/2012"}));
    EXPECT_EQ(Column(grid, kColDescription), (Cells{"Order", "Payment Made", "Payment Made", "Payment Made"}));
    EXPECT_EQ(Column(grid, kColPaid), (Cells{"$0.00", "$250.00", "$250.00", "$250.00"}));
    EXPECT_EQ(Column(grid, kColDue), (Cells{"$1,000.00", "$0.00", "$0.00", "$0.00"}));
    EXPECT_EQ(Column(grid, kColRate), (Cells{"3", "3.00%", "3.00%", "3.00%"}));
}

TEST(SeriesGenerator, EveryFrequencyStepsOnAsItsNameSays) {
    const struct {
        Frequency frequency;
        Date start;
        Cells dates;  // the first four
    } cases[] = {
        {Frequency::Daily, {2019, 12, 30}, {"12/30/2019", "12/31/2019", "1/1/2020", "1/2/2020"}},
        {Frequency::Weekly, {2011, 12, 28}, {"12/28/2011", "1/4/2012", "1/11/2012", "1/18/2012"}},
        {Frequency::Biweekly, {2020, 2, 19}, {"2/19/2020", "3/4/2020", "3/18/2020", "4/1/2020"}},
        {Frequency::Semimonthly, {2020, 1, 1}, {"1/1/2020", "1/15/2020", "2/1/2020", "2/15/2020"}},
        {Frequency::Semimonthly, {2019, 12, 15}, {"12/15/2019", "1/1/2020", "1/15/2020", "2/1/2020"}},
        {Frequency::Semimonthly, {2020, 2, 10}, {"2/10/2020", "2/25/2020", "3/11/2020", "3/26/2020"}},
        {Frequency::Monthly, {2013, 1, 31}, {"1/31/2013", "2/28/2013", "3/28/2013", "4/28/2013"}},
        {Frequency::Quarterly, {2019, 11, 30}, {"11/30/2019", "2/29/2020", "5/29/2020", "8/29/2020"}},
        {Frequency::Biennially, {2019, 8, 31}, {"8/31/2019", "2/29/2020", "8/29/2020", "2/28/2021"}},
    };
    for (const auto& c : cases) {
        const std::vector<Date> dates = SeriesDates(c.start, AddMonths(c.start, 24), c.frequency);
        ASSERT_GE(dates.size(), 4u) << kFrequencyNames[static_cast<size_t>(c.frequency)];
        Cells texts;
        for (size_t i = 0; i < 4; ++i) texts.push_back(ScheduleDateText(dates[i]));
        EXPECT_EQ(texts, c.dates) << kFrequencyNames[static_cast<size_t>(c.frequency)];
    }
}

TEST(SeriesGenerator, EndsOnTheEndingDateAndMakesNothingWhenItComesFirst) {
    EXPECT_EQ(SeriesDates({2019, 1, 1}, {2019, 1, 1}, Frequency::Monthly).size(), 1u);
    EXPECT_EQ(SeriesDates({2019, 1, 1}, {2019, 12, 31}, Frequency::Monthly).size(), 12u);
    EXPECT_EQ(SeriesDates({2019, 1, 1}, {2019, 12, 31}, Frequency::Daily).size(), 365u);
    EXPECT_EQ(SeriesDates({2019, 1, 1}, {2019, 12, 31}, Frequency::Semimonthly).size(), 24u);
    EXPECT_TRUE(SeriesDates({2019, 1, 2}, {2019, 1, 1}, Frequency::Weekly).empty());

    SchedulerGrid grid = Table({BlankRow(3)});
    const SeriesResult result =
        AppendSeries(grid, Series(SeriesKind::Dues, 5, {2019, 2, 1}, {2019, 1, 1}, Frequency::Monthly), InstalledRates(), 3);
    EXPECT_EQ(result.rowsMade, 0u);
    EXPECT_EQ(grid.rows, std::vector<SchedulerRow>{BlankRow(3)});
}

TEST(SeriesGenerator, RefusesASeriesOfMoreRowsThanATableHolds) {
    SchedulerGrid grid = Table({BlankRow(3)});
    const SeriesResult result =
        AppendSeries(grid, Series(SeriesKind::Dues, 5, {1800, 1, 1}, {2099, 12, 31}, Frequency::Daily, 3.0),
                     InstalledRates(), 3);
    EXPECT_NE(result.problem, "");
    EXPECT_EQ(grid.rows.size(), 1u);
}

TEST(StatutoryRates, ComeFromTheBuiltInTableThenTheRatesFile) {
    const InterestRateTable rates = InstalledRates();
    const struct {
        int year;
        std::optional<double> percent;
    } cases[] = {
        {1994, std::nullopt}, {1995, 9}, {1998, 9}, {1999, 8}, {2000, 8}, {2001, 9}, {2002, 7}, {2003, 6},
        {2004, 4},            {2005, 5}, {2006, 6}, {2007, 8}, {2008, 8}, {2009, 5}, {2010, 4}, {2011, 4},
        {2012, 3},            {2016, 3}, {2017, 4}, {2018, 4}, {2019, 5}, {2020, 5}, {2021, 3}, {2023, 5},
        {2024, 8},            {2025, 8}, {2026, 7}, {2027, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(rates.RateOf(c.year), c.percent) << c.year;
    EXPECT_EQ(InterestRateTable{}.RateOf(2020), std::nullopt);  // without the file
}

TEST(StatutoryRates, AYearInNeitherTableIsReportedAndNothingIsMade) {
    SchedulerGrid grid = Table({EntryRow("1/1/2026", "Order", 100, 0)});
    const SchedulerGrid before = grid;
    const SeriesResult result =
        AppendSeries(grid, Series(SeriesKind::Dues, 100, {2026, 11, 1}, {2028, 2, 1}, Frequency::Monthly),
                     InstalledRates(), 3);
    EXPECT_EQ(result.yearsWithoutRate, (std::vector<int>{2027, 2028}));
    EXPECT_EQ(result.rowsMade, 0u);
    EXPECT_EQ(grid, before);

    // With a rate given, the same series is made.
    EXPECT_EQ(AppendSeries(grid, Series(SeriesKind::Dues, 100, {2026, 11, 1}, {2028, 2, 1}, Frequency::Monthly, 6.5),
                           InstalledRates(), 3)
                  .rowsMade,
              16u);
    EXPECT_EQ(grid.rows.back()[kColRate], "6.50%");
}

TEST(StatutoryRates, TheSentenceForTheDefaultRateNamesTheYearsRateFromTheTables) {
    const InterestRateTable installed = InstalledRates();
    const struct {
        int year;
        const char* sentence;
    } cases[] = {
        {2026, "The statutory rate for 2026 is 7.00%."},  // from the rates file
        {2016, "The statutory rate for 2016 is 3.00%."},  // from the built-in table
        {2030, "No statutory rate for 2030 is installed yet; the rate for 2026 is 7.00%."},
        {1990, "No statutory rate for 1990 is installed yet."},
    };
    for (const auto& c : cases) EXPECT_EQ(StatutoryRateSentence(installed, c.year), c.sentence) << c.year;
    EXPECT_EQ(StatutoryRateSentence(InterestRateTable{}, 2026),
              "No statutory rate for 2026 is installed yet; the rate for 2016 is 3.00%.");
}

TEST(StatutoryRates, AnOfficeExtendsTheTableAndADamagedFileAddsNothing) {
    InterestRateTable rates;
    EXPECT_EQ(rates.AddFileText("2027\t6.00\r\n\r\n2028 6.5\n2015\t2.5\r\n"), "");
    EXPECT_EQ(rates.RateOf(2027), 6.0);
    EXPECT_EQ(rates.RateOf(2028), 6.5);
    EXPECT_EQ(rates.RateOf(2015), 2.5);  // the file's line corrects the built-in year
    EXPECT_EQ(rates.RateOf(2014), 3.0);

    const struct {
        const char* text;
        const char* problem;
    } broken[] = {
        {"2029\t4.00\r\nabc\t5\r\n", "line 2: \"abc\" is not a year"},
        {"2029\r\n", "line 1: a line holds a year and its rate, separated by a TAB"},
        {"2029\t4%\r\n", "line 1: the rate \"4%\" is not a number"},
        {"2029\t4\r\n2030\t5\r\n2029\t6\r\n", "line 3: the year 2029 is listed twice"},
        {"\r\n2029\t150\r\n", "line 2: the rate 150 is not a percentage"},
        {"29\t4\r\n", "line 1: \"29\" is not a year"},
    };
    for (const auto& c : broken) {
        InterestRateTable damaged;
        EXPECT_EQ(damaged.AddFileText(c.text), c.problem) << c.text;
        EXPECT_EQ(damaged.RateOf(2029), std::nullopt) << c.text;
        EXPECT_EQ(damaged.FileYearCount(), 0u);
    }
    std::string problem;
    const InterestRateTable missing = LoadInterestRates(test::ScratchFolder().Path().string(), problem);
    EXPECT_NE(problem.find(kInterestRatesFileName), std::string::npos) << problem;
    EXPECT_EQ(missing.RateOf(2016), 3.0);
}

}  // namespace
}  // namespace quill10
