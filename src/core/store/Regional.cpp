#include "store/Regional.h"

#include <cctype>
#include <chrono>
#include <ctime>
#include <vector>

namespace quill10 {

namespace {

Regional& RegionalInstance() {
    static Regional regional;
    return regional;
}

std::function<Date()>& ClockInstance() {
    static std::function<Date()> clock;
    return clock;
}

Date SystemToday() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return Date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

// One element of a short date pattern: a run of the same letter, or a separator.
struct PatternPart {
    char letter;  // 'M', 'd', 'y' or 0 for a literal
    int width;
    std::string literal;
};

std::vector<PatternPart> SplitPattern(const std::string& pattern) {
    std::vector<PatternPart> parts;
    for (size_t i = 0; i < pattern.size();) {
        char c = pattern[i];
        if (c == 'M' || c == 'd' || c == 'y') {
            size_t j = i;
            while (j < pattern.size() && pattern[j] == c) ++j;
            parts.push_back({c, static_cast<int>(j - i), {}});
            i = j;
        } else {
            if (parts.empty() || parts.back().letter != 0) parts.push_back({0, 0, {}});
            parts.back().literal += c;
            ++i;
        }
    }
    return parts;
}

std::string Padded(int value, int width) {
    std::string digits = std::to_string(value);
    while (static_cast<int>(digits.size()) < width) digits.insert(digits.begin(), '0');
    return digits;
}

}  // namespace

const Regional& CurrentRegional() { return RegionalInstance(); }
void SetRegional(const Regional& regional) { RegionalInstance() = regional; }

bool IsValidDate(const Date& date) {
    if (date.year < 1 || date.year > 9999 || date.month < 1 || date.month > 12 || date.day < 1) return false;
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int days = kDays[date.month - 1];
    bool leap = (date.year % 4 == 0 && date.year % 100 != 0) || date.year % 400 == 0;
    if (date.month == 2 && leap) days = 29;
    return date.day <= days;
}

Date Today() {
    auto& clock = ClockInstance();
    return clock ? clock() : SystemToday();
}

void SetClock(std::function<Date()> clock) { ClockInstance() = std::move(clock); }

std::string FormatShortTime(int hour, int minute) {
    return std::to_string(hour) + ":" + (minute < 10 ? "0" : "") + std::to_string(minute);
}

std::string FormatShortDate(const Date& date) {
    std::string text;
    for (const PatternPart& part : SplitPattern(CurrentRegional().shortDateFormat)) {
        switch (part.letter) {
            case 'M': text += Padded(date.month, part.width >= 2 ? 2 : 1); break;
            case 'd': text += Padded(date.day, part.width >= 2 ? 2 : 1); break;
            case 'y': text += part.width <= 2 ? Padded(date.year % 100, 2) : Padded(date.year, 4); break;
            default: text += part.literal;
        }
    }
    return text;
}

std::optional<Date> ParseShortDate(const std::string& text) {
    // The numbers are read in the order the pattern gives them; any run of
    // non-digits separates them.  A two-digit year is read as 19xx from 50
    // upwards and 20xx below.
    std::vector<int> numbers;
    std::vector<int> widths;
    for (size_t i = 0; i < text.size();) {
        if (std::isdigit(static_cast<unsigned char>(text[i]))) {
            size_t j = i;
            int value = 0;
            while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) {
                if (j - i >= 4) return std::nullopt;
                value = value * 10 + (text[j] - '0');
                ++j;
            }
            numbers.push_back(value);
            widths.push_back(static_cast<int>(j - i));
            i = j;
        } else if (text[i] == ' ' && (i == 0 || i + 1 == text.size())) {
            ++i;
        } else if (std::isalpha(static_cast<unsigned char>(text[i]))) {
            return std::nullopt;
        } else {
            ++i;
        }
    }
    std::vector<char> order;
    for (const PatternPart& part : SplitPattern(CurrentRegional().shortDateFormat))
        if (part.letter != 0) order.push_back(part.letter);
    if (numbers.size() != 3 || order.size() != 3) return std::nullopt;
    Date date{0, 0, 0};
    for (size_t k = 0; k < 3; ++k) {
        switch (order[k]) {
            case 'M': date.month = numbers[k]; break;
            case 'd': date.day = numbers[k]; break;
            case 'y':
                date.year = numbers[k];
                if (widths[k] <= 2) date.year += date.year >= 50 ? 1900 : 2000;
                break;
        }
    }
    if (!IsValidDate(date)) return std::nullopt;
    return date;
}

std::optional<Date> ParseIsoDate(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    for (size_t i : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u})
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
    Date date{std::stoi(text.substr(0, 4)), std::stoi(text.substr(5, 2)), std::stoi(text.substr(8, 2))};
    if (!IsValidDate(date)) return std::nullopt;
    return date;
}

}  // namespace quill10
