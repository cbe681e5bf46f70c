#pragma once
// Dates of the support scheduler.  Every date of the table is written
// M/D/YYYY with a four-digit year, whatever the regional settings say, so
// a case reads the same on every installation.  One reader serves every
// date the scheduler takes in (the entry panel, the series generator, the
// CSV import, the cells of a client file): a four-digit year lies from
// 1900 to 2199, a two-digit year is 2000-2069 for 00-69 and 1970-1999 for
// 70-99, and any other year is refused.  Day numbers count whole days, so
// the days between two rows are a subtraction.
#include <optional>
#include <string>
#include <string_view>

#include "store/Regional.h"

namespace quill10 {

inline constexpr int kFirstScheduleYear = 1900;
inline constexpr int kLastScheduleYear = 2199;

// Reads "M/D/YYYY", "M/D/YY" or the ISO form "YYYY-MM-DD" (blanks around
// the date are allowed).  Nothing, with `problem` saying what is wrong
// (it begins with the text quoted) and what to write, when the text is
// no date of the calendar or its year is not one of the years above.
std::optional<Date> ReadScheduleDate(std::string_view text, std::string& problem);

// The same without the reason.
std::optional<Date> ParseScheduleDate(std::string_view text);

// "M/D/YYYY" without leading zeros in month and day and with the year in
// four digits: 1/5/2019.  Reads back as the same day for every year from
// 1900 to 2199.
std::string ScheduleDateText(const Date& date);

// Days since 1 January 1970 (negative before it).
long DayNumber(const Date& date);
Date DateOfDayNumber(long day);

// The same day `months` calendar months later; a day the month lacks
// becomes its last day (1/31 plus one month is 2/28 or 2/29).
Date AddMonths(const Date& date, int months);

}  // namespace quill10
