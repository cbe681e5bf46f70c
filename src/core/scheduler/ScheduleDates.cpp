#include "scheduler/ScheduleDates.h"

#include <array>
#include <cctype>
#include <cstdio>

#include "store/Misc.h"
#include "platform/TextEncoding.h"

namespace quill10 {

namespace {

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// A run of digits longer than any part of a date.
constexpr size_t kLongestRun = 9;

// Splits `text` into exactly three runs of digits separated by `separator`;
// `widths` receives how many digits each run had.
bool ThreeNumbers(std::string_view text, char separator, std::array<int, 3>& numbers, std::array<size_t, 3>& widths) {
    size_t part = 0;
    size_t i = 0;
    while (part < 3) {
        const size_t start = i;
        int value = 0;
        while (i < text.size() && IsDigit(text[i]) && i - start < kLongestRun) value = value * 10 + (text[i++] - '0');
        if (i == start) return false;
        numbers[part] = value;
        widths[part] = i - start;
        ++part;
        if (part < 3) {
            if (i >= text.size() || text[i] != separator) return false;
            ++i;
        }
    }
    return i == text.size();
}

// The year of its digits: two digits are 2000-2069 (00-69) or 1970-1999
// (70-99), four are the year written if it lies from 1900 to 2199; any
// other year is none.
std::optional<int> YearOf(int digits, size_t width) {
    if (width == 2) return digits < 70 ? 2000 + digits : 1900 + digits;
    if (width == 4 && digits >= kFirstScheduleYear && digits <= kLastScheduleYear) return digits;
    return std::nullopt;
}

// The month, day and year parts of a date in either form, in the order
// written; nothing when the text has neither form.
struct DateParts {
    int month, day, year;
    size_t yearWidth;
    std::string_view yearText;
};

std::optional<DateParts> PartsOf(std::string_view text) {
    std::array<int, 3> numbers{};
    std::array<size_t, 3> widths{};
    if (ThreeNumbers(text, '/', numbers, widths) && widths[0] <= 2 && widths[1] <= 2)
        return DateParts{numbers[0], numbers[1], numbers[2], widths[2], text.substr(text.size() - widths[2])};
    // The ISO form always has the year first in full; "01-02-03" is no date.
    if (ThreeNumbers(text, '-', numbers, widths) && widths[0] > 2 && widths[1] <= 2 && widths[2] <= 2)
        return DateParts{numbers[1], numbers[2], numbers[0], widths[0], text.substr(0, widths[0])};
    return std::nullopt;
}

int DaysInMonth(int year, int month) {
    for (int day = 31; day > 28; --day)
        if (IsValidDate(Date{year, month, day})) return day;
    return 28;
}

}  // namespace

std::optional<Date> ReadScheduleDate(std::string_view text, std::string& problem) {
    const std::optional<DateParts> parts = PartsOf(Trimmed(text, " "));
    if (!parts) {
        problem = QuotedForMessage(text) + " is not a date: write it M/D/YYYY, for example 3/15/2019, or YYYY-MM-DD";
        return std::nullopt;
    }
    const std::optional<int> year = YearOf(parts->year, parts->yearWidth);
    if (!year) {
        problem = QuotedForMessage(text) + " has the year " + std::string(parts->yearText) +
                  ": write the year with four digits from 1900 to 2199, or with two (00-69 for 2000-2069, "
                  "70-99 for 1970-1999)";
        return std::nullopt;
    }
    const Date date{*year, parts->month, parts->day};
    if (!IsValidDate(date)) {
        problem = QuotedForMessage(text) +
                  " is not a day of the calendar: write a day the month has, M/D/YYYY (the month first), for "
                  "example 3/15/2019, or YYYY-MM-DD";
        return std::nullopt;
    }
    return date;
}

std::optional<Date> ParseScheduleDate(std::string_view text) {
    std::string problem;
    return ReadScheduleDate(text, problem);
}

std::string ScheduleDateText(const Date& date) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%d/%d/%04d", date.month, date.day, date.year);
    return text.data();
}

// The civil-calendar day count of Howard Hinnant's days_from_civil.
long DayNumber(const Date& date) {
    const long y = date.year - (date.month <= 2 ? 1 : 0);
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yearOfEra = y - era * 400;
    const long monthFromMarch = date.month > 2 ? date.month - 3 : date.month + 9;
    const long dayOfYear = (153 * monthFromMarch + 2) / 5 + date.day - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

Date DateOfDayNumber(long day) {
    day += 719468;
    const long era = (day >= 0 ? day : day - 146096) / 146097;
    const long dayOfEra = day - era * 146097;
    const long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long monthFromMarch = (5 * dayOfYear + 2) / 153;
    const int dayOfMonth = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    const int month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    return Date{year, month, dayOfMonth};
}

Date AddMonths(const Date& date, int months) {
    const int index = date.year * 12 + (date.month - 1) + months;
    const int year = index / 12;
    const int month = index % 12 + 1;
    const int last = DaysInMonth(year, month);
    return Date{year, month, date.day < last ? date.day : last};
}

}  // namespace quill10
