#pragma once
// Dates of the support scheduler.  Every date of the table is written
// M/D/YYYY, whatever the regional settings say, so a case reads the same
// on every installation; a two-digit year is a year of this century
// ("3/15/19" is 3/15/2019).  Day numbers count whole days, so the days
// between two rows are a subtraction.
#include <optional>
#include <string>
#include <string_view>

#include "store/Regional.h"

namespace quill10 {

// Reads "M/D/YYYY" or "M/D/YY" (blanks around the date are allowed);
// nothing when the text is no date of the calendar.
std::optional<Date> ParseScheduleDate(std::string_view text);

// Reads an ISO date "YYYY-MM-DD"; nothing when it is none.
std::optional<Date> ParseIsoScheduleDate(std::string_view text);

// "M/D/YYYY" without leading zeros: 1/5/2019.
std::string ScheduleDateText(const Date& date);

// Days since 1 January 1970 (negative before it).
long DayNumber(const Date& date);
Date DateOfDayNumber(long day);

// The same day `months` calendar months later; a day the month lacks
// becomes its last day (1/31 plus one month is 2/28 or 2/29).
Date AddMonths(const Date& date, int months);

}  // namespace quill10
