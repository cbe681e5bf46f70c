#include "scheduler/InterestRates.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "scheduler/ScheduleAmounts.h"
#include "scheduler/ScheduleDates.h"
#include "store/Misc.h"
#include "platform/TextEncoding.h"

namespace quill10 {

namespace {

// A rates file holds a line a year; anything this large is not one.
constexpr std::uintmax_t kRatesFileLimit = 64 * 1024;
constexpr double kHighestRate = 100.0;

// One line: a year, white space, a rate.  "" or what is wrong with it.
std::string ReadLine(std::string_view line, int& year, double& percent) {
    line = Trimmed(line);
    const size_t gap = line.find_first_of(" \t");
    if (gap == std::string_view::npos) return "a line holds a year and its rate, separated by a TAB";
    const std::string_view yearText = line.substr(0, gap);
    const std::string_view rateText = Trimmed(line.substr(gap));
    auto yearRead = std::from_chars(yearText.data(), yearText.data() + yearText.size(), year);
    if (yearText.size() != 4 || yearRead.ec != std::errc() || yearRead.ptr != yearText.data() + yearText.size())
        return "\"" + std::string(yearText) + "\" is not a year";
    auto rateRead = std::from_chars(rateText.data(), rateText.data() + rateText.size(), percent);
    if (rateText.empty() || rateRead.ec != std::errc() || rateRead.ptr != rateText.data() + rateText.size())
        return "the rate \"" + std::string(rateText) + "\" is not a number";
    if (percent < 0 || percent > kHighestRate) return "the rate " + std::string(rateText) + " is not a percentage";
    return {};
}

}  // namespace

std::optional<double> InterestRateTable::RateOf(int year) const {
    if (auto found = fileRates_.find(year); found != fileRates_.end()) return found->second;
    for (const StatutoryRate& rate : kStatutoryRates)
        if (year >= rate.firstYear && year <= rate.lastYear) return rate.percent;
    return std::nullopt;
}

std::string InterestRateTable::AddFileText(std::string_view text) {
    std::map<int, double> read;
    std::string problem;
    int number = 0;
    ForEachLine(text, [&](std::string_view line) {
        ++number;
        if (!problem.empty() || Trimmed(line).empty()) return;
        int year = 0;
        double percent = 0;
        std::string wrong = ReadLine(line, year, percent);
        if (wrong.empty() && !read.emplace(year, percent).second)
            wrong = "the year " + std::to_string(year) + " is listed twice";
        if (!wrong.empty()) problem = "line " + std::to_string(number) + ": " + wrong;
    });
    if (!problem.empty()) return problem;
    for (const auto& [year, percent] : read) fileRates_[year] = percent;
    return {};
}

std::string InterestRateTable::AddFile(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec) || std::filesystem::file_size(path, ec) > kRatesFileLimit)
        return "the interest rates file " + path + " is missing or is not a rates file";
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    if (!file) return "the interest rates file " + path + " cannot be read";
    const std::string problem = AddFileText(content.str());
    return problem.empty() ? problem : "the interest rates file " + path + ", " + problem;
}

InterestRateTable LoadInterestRates(const std::string& programFolder, std::string& problem) {
    InterestRateTable table;
    problem = table.AddFile(IncludeTrailingPathDelimiter(programFolder) + kInterestRatesFileName);
    return table;
}

std::string StatutoryRateSentence(const InterestRateTable& rates, int year) {
    const std::string none = "No statutory rate for " + std::to_string(year) + " is installed yet";
    for (int known = year; known >= kFirstScheduleYear; --known) {
        const std::optional<double> percent = rates.RateOf(known);
        if (!percent) continue;
        const std::string rate = " is " + RateCellText(PercentOf(*percent)) + ".";
        if (known == year) return "The statutory rate for " + std::to_string(year) + rate;
        return none + "; the rate for " + std::to_string(known) + rate;
    }
    return none + ".";
}

}  // namespace quill10
