#pragma once
// The statutory interest rates on support arrears by calendar year: the
// program's own table up to 2016, continued by the file
// "interest-rates-2017.txt" in the program folder, which an office extends
// with each year's certified rate (one line per year: the year, a TAB, the
// rate in percent).  A year found in neither has no statutory rate; the
// series generator then says so rather than charging the default rate.
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace quill10 {

inline constexpr const char* kInterestRatesFileName = "interest-rates-2017.txt";

struct StatutoryRate {
    int firstYear;
    int lastYear;
    double percent;
};

// The built-in table, years ascending.
inline constexpr StatutoryRate kStatutoryRates[] = {
    {1995, 1998, 9.0}, {1999, 2000, 8.0}, {2001, 2001, 9.0}, {2002, 2002, 7.0},
    {2003, 2003, 6.0}, {2004, 2004, 4.0}, {2005, 2005, 5.0}, {2006, 2006, 6.0},
    {2007, 2008, 8.0}, {2009, 2009, 5.0}, {2010, 2011, 4.0}, {2012, 2016, 3.0},
};

constexpr bool YearsRiseWithoutOverlap(const StatutoryRate* rates, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        if (rates[i].firstYear > rates[i].lastYear) return false;
        if (i > 0 && rates[i].firstYear <= rates[i - 1].lastYear) return false;
    }
    return true;
}
static_assert(YearsRiseWithoutOverlap(kStatutoryRates, std::size(kStatutoryRates)),
              "the statutory rates are listed once per year, in ascending years");

class InterestRateTable {
public:
    // The rate in percent of a calendar year: a year of the file first,
    // then the built-in table; nothing for a year found in neither.
    std::optional<double> RateOf(int year) const;

    // Reads the rates file's text; "" when every line is sound, which are
    // then added; otherwise what is wrong and on which line ("line 3:
    // ..."), and nothing is added.
    std::string AddFileText(std::string_view text);

    // Reads the rates file; "" or what is wrong, naming the file.
    std::string AddFile(const std::string& path);

    size_t FileYearCount() const { return fileRates_.size(); }

private:
    std::map<int, double> fileRates_;
};

// The built-in table continued by the rates file of the program folder;
// `problem` says why the file's rates could not be added.
InterestRateTable LoadInterestRates(const std::string& programFolder, std::string& problem);

// The sentence that names the statutory rate of `year` for the user
// choosing the default rate: "The statutory rate for 2026 is 7.00%.", or,
// for a year the table does not reach yet, "No statutory rate for 2027 is
// installed yet; the rate for 2026 is 7.00%."
std::string StatutoryRateSentence(const InterestRateTable& rates, int year);

}  // namespace quill10
