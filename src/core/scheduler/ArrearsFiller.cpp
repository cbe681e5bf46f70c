#include "scheduler/ArrearsFiller.h"

#include <algorithm>

#include "scheduler/ScheduleDates.h"
#include "scheduler/Scheduler.h"

namespace quill10 {

namespace {

// Days from one date of the series to the next, for the choices that step
// by days; 0 for those that step by months.
struct FrequencyStep {
    Frequency frequency;
    int days;
    int months;
};
constexpr FrequencyStep kSteps[] = {
    {Frequency::Daily, 1, 0},     {Frequency::Weekly, 7, 0},    {Frequency::Biweekly, 14, 0},
    {Frequency::Semimonthly, 15, 0}, {Frequency::Monthly, 0, 1}, {Frequency::Quarterly, 0, 3},
    {Frequency::Biennially, 0, 6},
};

constexpr bool EveryStepAdvances() {
    for (const FrequencyStep& step : kSteps)
        if (step.days <= 0 && step.months <= 0) return false;
    return std::size(kSteps) == kFrequencyNames.size();
}
static_assert(EveryStepAdvances(), "every frequency moves the date on");

const FrequencyStep& StepOf(Frequency frequency) {
    return *std::find_if(std::begin(kSteps), std::end(kSteps),
                         [&](const FrequencyStep& step) { return step.frequency == frequency; });
}

bool OnFirstOrFifteenth(const Date& date) { return date.day == 1 || date.day == 15; }

Date AddDays(const Date& date, int days) { return DateOfDayNumber(DayNumber(date) + days); }

// The Rate % text of each date, or the years that have no statutory rate.
std::vector<std::string> RateTexts(const std::vector<Date>& dates, const SeriesEntry& entry,
                                   const InterestRateTable& rates, std::vector<int>& missingYears) {
    std::vector<std::string> texts;
    texts.reserve(dates.size());
    for (const Date& date : dates) {
        if (entry.rate) {
            texts.push_back(RateCellText(*entry.rate));
            continue;
        }
        const std::optional<double> statutory = rates.RateOf(date.year);
        if (!statutory && (missingYears.empty() || missingYears.back() != date.year)) missingYears.push_back(date.year);
        texts.push_back(statutory ? RateCellText(PercentOf(*statutory)) : std::string());
    }
    return texts;
}

}  // namespace

const char* SeriesDescription(SeriesKind kind) {
    return kind == SeriesKind::Dues ? "Payment Due" : "Payment Made";
}

Date NextSeriesDate(const Date& previous, const Date& start, Frequency frequency) {
    if (frequency == Frequency::Semimonthly && OnFirstOrFifteenth(start)) {
        if (previous.day == 1) return Date{previous.year, previous.month, 15};
        const Date nextMonth = AddMonths(previous, 1);
        return Date{nextMonth.year, nextMonth.month, 1};
    }
    const FrequencyStep& step = StepOf(frequency);
    return step.months > 0 ? AddMonths(previous, step.months) : AddDays(previous, step.days);
}

std::vector<Date> SeriesDates(const Date& start, const Date& end, Frequency frequency) {
    std::vector<Date> dates;
    const long last = DayNumber(end);
    for (Date date = start; DayNumber(date) <= last && dates.size() <= kMostSeriesRows;
         date = NextSeriesDate(date, start, frequency))
        dates.push_back(date);
    return dates;
}

SeriesResult AppendSeries(SchedulerGrid& grid, const SeriesEntry& entry, const InterestRateTable& rates,
                          double defaultRate) {
    SeriesResult result;
    const std::vector<Date> dates = SeriesDates(entry.start, entry.end, entry.frequency);
    if (dates.size() > kMostSeriesRows) {
        result.problem = "The series would make more than " + std::to_string(kMostSeriesRows) +
                         " rows. Choose a later starting date, an earlier ending date or a longer frequency.";
        return result;
    }
    const std::vector<std::string> rateTexts = RateTexts(dates, entry, rates, result.yearsWithoutRate);
    if (!result.yearsWithoutRate.empty()) return result;
    const std::string amount = DollarText(entry.amount);
    const std::string none = DollarText(0);
    bool reuseBlank = IsEmptySchedule(grid);
    grid.rows.reserve(grid.rows.size() + dates.size());
    for (size_t i = 0; i < dates.size(); ++i) {
        SchedulerRow& row = reuseBlank ? grid.rows.front() : grid.rows.emplace_back(BlankRow(defaultRate));
        reuseBlank = false;
        row[kColDate] = ScheduleDateText(dates[i]);
        row[kColDescription] = entry.description;
        row[kColDue] = entry.kind == SeriesKind::Dues ? amount : none;
        row[kColPaid] = entry.kind == SeriesKind::Payments ? amount : none;
        for (int column : {kColBalance, kColInterest, kColTotalInterest, kColBalanceWithInterest}) row[column] = none;
        row[kColRate] = rateTexts[i];
    }
    result.rowsMade = dates.size();
    return result;
}

}  // namespace quill10
