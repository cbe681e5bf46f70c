#pragma once
// The series generator: a regular series of dues or payments appended to
// the scheduler table, each row at the rate given or, when none is given,
// at the statutory rate of its date's year.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "scheduler/InterestRates.h"
#include "scheduler/ScheduleAmounts.h"
#include "store/SchedulerGrid.h"
#include "store/Regional.h"

namespace quill10 {

// The kind the scheduler hands over: "Order" makes dues, "Payment" payments.
enum class SeriesKind { Dues = 1, Payments = 2 };

// The frequency choices in list order.
enum class Frequency { Daily, Weekly, Biweekly, Semimonthly, Monthly, Quarterly, Biennially };
inline constexpr std::array<const char*, 7> kFrequencyNames = {
    "Daily", "Weekly", "Biweekly", "Semimonthly", "Monthly", "Quarterly", "Biennially"};
inline constexpr Frequency kDefaultFrequency = Frequency::Monthly;

// A series longer than this is refused (a daily series over centuries).
inline constexpr size_t kMostSeriesRows = 100000;

// The description the generator proposes for a kind.
const char* SeriesDescription(SeriesKind kind);

// The date after `previous` in a series that began at `start`:
//   Daily 1 day, Weekly 7 days, Biweekly 14 days;
//   Semimonthly the 1st and the 15th when the series began on one of
//   them, otherwise 15 days;
//   Monthly, Quarterly and Biennially (twice a year) 1, 3 and 6 calendar
//   months after the previous date, a day the month lacks becoming its
//   last day (1/31, 2/28, 3/28, ...).
Date NextSeriesDate(const Date& previous, const Date& start, Frequency frequency);

// The dates from `start` up to and including `end`; none when `start` is
// after `end`.  At most kMostSeriesRows + 1 dates are made.
std::vector<Date> SeriesDates(const Date& start, const Date& end, Frequency frequency);

struct SeriesEntry {
    SeriesKind kind = SeriesKind::Dues;
    std::string description;
    Cents amount = 0;
    Date start;
    Date end;
    Frequency frequency = kDefaultFrequency;
    std::optional<Percent> rate;  // none: the statutory rate of each date's year
};

struct SeriesResult {
    size_t rowsMade = 0;
    // Years of the series without a statutory rate, when no rate was given:
    // then nothing is made.
    std::vector<int> yearsWithoutRate;
    // Why nothing was made when the series is too long; "" otherwise.
    std::string problem;
};

// Appends the series to the table; on the empty schedule the first row
// takes the blank row's place.  Balances and interest are left at "$0.00"
// for the scheduler to recompute.
SeriesResult AppendSeries(SchedulerGrid& grid, const SeriesEntry& entry, const InterestRateTable& rates,
                          double defaultRate);

}  // namespace quill10
