#pragma once
// Regional settings (separators and the short date format) and the clock
// that says what "today" is.  The GUI fills the settings from the system
// locale; the core, the command-line tool and the tests use United States
// English unless told otherwise.  Tests and the command-line tool replace
// the clock to fix the date.
#include <functional>
#include <optional>
#include <string>

namespace quill10 {

struct Regional {
    char decimalSeparator = '.';
    char thousandSeparator = ',';
    // Short date pattern built from M, MM, d, dd, yy, yyyy and a separator.
    std::string shortDateFormat = "M/d/yyyy";
};

const Regional& CurrentRegional();
void SetRegional(const Regional& regional);

struct Date {
    int year = 1900;
    int month = 1;
    int day = 1;
    friend bool operator==(const Date&, const Date&) = default;
};

bool IsValidDate(const Date& date);

// Today's date from the replaceable clock (the system clock by default).
Date Today();
void SetClock(std::function<Date()> clock);  // an empty function restores the system clock

// Dates in the regional short date format.
std::string FormatShortDate(const Date& date);
std::optional<Date> ParseShortDate(const std::string& text);

// A time of day as the clock shows it: "9:14", "14:05".
std::string FormatShortTime(int hour, int minute);

// "YYYY-MM-DD" as used on the command line.
std::optional<Date> ParseIsoDate(const std::string& text);

}  // namespace quill10
