#include "store/Misc.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <cstdint>
#include <iostream>
#include <iterator>
#include <optional>
#include <system_error>

#include "store/CreateErrorStr.h"
#include "store/Regional.h"

namespace quill10 {

// ---- Numbered errors -------------------------------------------------------

namespace {

void DefaultErrorHandler(int code, const std::string& text, const std::string&) {
    std::cerr << "error " << code << ": " << text << '\n';
}

ErrorHandler& HandlerInstance() {
    static ErrorHandler handler = DefaultErrorHandler;
    return handler;
}

}  // namespace

void ErrorMessage(int code, const std::string& extra) {
    HandlerInstance()(code, CreateErrorStr(MessageNumberOf(code)), extra);
}

void ErrorMessageWithAdvice(int code, const std::string& advice) {
    std::string text = CreateErrorStr(MessageNumberOf(code));
    while (!text.empty() && text.back() == ' ') text.pop_back();
    HandlerInstance()(code, text + "\n\n" + advice, {});
}

void ErrorMessageSaying(int code, const std::string& text) { HandlerInstance()(code, text, {}); }

ErrorHandler SetErrorHandler(ErrorHandler handler) {
    ErrorHandler previous = std::move(HandlerInstance());
    HandlerInstance() = handler ? std::move(handler) : ErrorHandler(DefaultErrorHandler);
    return previous;
}

// ---- Decimal rounding ------------------------------------------------------

namespace {

// A value rounded to a number of decimals, as digits: the sign, the integer
// digits (no leading zeros, at least "0") and exactly `decimals` fraction digits.
struct DecimalForm {
    bool negative = false;
    std::string integer = "0";
    std::string fraction;
};

// The 15 significant digits of a value and its decimal exponent
// (value = d.dddddddddddddd x 10^exponent).
struct SignificantDigits {
    bool negative = false;
    std::string digits;  // 15 digits
    int exponent = 0;
};

SignificantDigits ToSignificantDigits(double value) {
    std::array<char, 64> buffer{};
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                std::chars_format::scientific, 14);
    std::string_view text(buffer.data(), static_cast<size_t>(result.ptr - buffer.data()));
    SignificantDigits out;
    if (!text.empty() && text.front() == '-') {
        out.negative = true;
        text.remove_prefix(1);
    }
    out.digits.reserve(15);
    out.digits += text[0];
    size_t e = text.find('e');
    out.digits.append(text.substr(2, e - 2));
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), out.exponent);
    return out;
}

// The 15-digit form of a value lies within 5 x 10^-15 of it (relative),
// so a value whose scaled fraction stands clear of one half by more than
// that rounds as its binary value does: the digits come from the whole
// number of units at once.  Values close to a half, and very large ones,
// take the road through the 15 digits.
std::optional<DecimalForm> QuickDecimalForm(double value, int decimals) {
    static constexpr double kScale[] = {1, 10, 100, 1000, 10000};
    if (decimals < 0 || decimals >= static_cast<int>(std::size(kScale))) return std::nullopt;
    const double scaled = std::fabs(value) * kScale[decimals];
    if (!(scaled < 1e15)) return std::nullopt;
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    if (std::fabs(fraction - 0.5) <= scaled * 1e-14 + 1e-9) return std::nullopt;
    const auto units = static_cast<std::uint64_t>(whole) + (fraction > 0.5 ? 1u : 0u);
    std::array<char, 24> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), units);
    std::string digits(buffer.data(), written.ptr);
    if (digits.size() <= static_cast<size_t>(decimals))
        digits.insert(0, static_cast<size_t>(decimals) + 1 - digits.size(), '0');
    DecimalForm out;
    out.integer = digits.substr(0, digits.size() - static_cast<size_t>(decimals));
    out.fraction = digits.substr(digits.size() - static_cast<size_t>(decimals));
    out.negative = value < 0 && units != 0;
    return out;
}

DecimalForm RoundToDecimalForm(double value, int decimals) {
    DecimalForm out;
    out.fraction.assign(static_cast<size_t>(decimals), '0');
    if (!std::isfinite(value) || value == 0.0) return out;
    if (std::optional<DecimalForm> quick = QuickDecimalForm(value, decimals)) return std::move(*quick);
    SignificantDigits sig = ToSignificantDigits(value);

    // Lay the digits out with `point` of them before the decimal point.
    int point = sig.exponent + 1;
    std::string all;
    if (point <= 0) {
        all.assign(static_cast<size_t>(-point), '0');
        all += sig.digits;
        point = 0;
    } else {
        all = sig.digits;
    }
    size_t keep = static_cast<size_t>(point + decimals);
    if (all.size() < keep) all.append(keep - all.size(), '0');
    bool roundUp = keep < all.size() && all[keep] >= '5';
    all.resize(keep);
    if (roundUp) {
        size_t i = all.size();
        while (i > 0 && all[i - 1] == '9') all[--i] = '0';
        if (i == 0) {
            all.insert(all.begin(), '1');
            ++point;
        } else {
            ++all[i - 1];
        }
    }
    std::string integer = all.substr(0, static_cast<size_t>(point));
    size_t firstNonZero = integer.find_first_not_of('0');
    out.integer = firstNonZero == std::string::npos ? "0" : integer.substr(firstNonZero);
    out.fraction = all.substr(static_cast<size_t>(point));
    out.negative = sig.negative && all.find_first_not_of('0') != std::string::npos;
    return out;
}

std::string Grouped(const std::string& integer, char separator) {
    std::string out;
    out.reserve(integer.size() + integer.size() / 3);
    size_t lead = integer.size() % 3;
    if (lead == 0) lead = 3;
    out.append(integer, 0, lead);
    for (size_t i = lead; i < integer.size(); i += 3) {
        out += separator;
        out.append(integer, i, 3);
    }
    return out;
}

std::string Compose(const DecimalForm& form, bool group) {
    const Regional& regional = CurrentRegional();
    std::string out;
    if (form.negative) out += '-';
    out += group ? Grouped(form.integer, regional.thousandSeparator) : form.integer;
    if (!form.fraction.empty()) {
        out += regional.decimalSeparator;
        out += form.fraction;
    }
    return out;
}

double DoubleOf(const DecimalForm& form) {
    std::string text = form.negative ? "-" : "";
    text += form.integer;
    if (!form.fraction.empty()) text += '.' + form.fraction;
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace

double RoundDecimals(double value, int decimals) {
    if (!std::isfinite(value)) return value;
    return DoubleOf(RoundToDecimalForm(value, decimals));
}

double RoundHalfEven(double value) {
    double floor = std::floor(value);
    double diff = value - floor;
    if (diff > 0.5) return floor + 1;
    if (diff < 0.5) return floor;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1;
}

// ---- Parsers ---------------------------------------------------------------

namespace {

// The characters cleaning deletes: blanks, "$", "%", "(", ")", "-" and the
// thousands separator ("," unless it is the decimal separator).
bool IsRemovedByCleaning(char c, const Regional& regional) {
    switch (c) {
        case ' ': case '$': case '%': case '(': case ')': case '-': return true;
        case ',': return regional.decimalSeparator != ',';
        default: return c == regional.thousandSeparator && c != regional.decimalSeparator;
    }
}

// Reads digits with an optional decimal separator and exponent (already
// cleaned of signs) as a number.  `digits` and `decimals` tell the caller
// whether rounding could change it.
struct PlainNumber {
    double value = 0;
    size_t digits = 0;
    int decimals = 0;     // digits after the point; -1 when there is an exponent
};

constexpr size_t kExactDigits = 15;
constexpr double kPowersOfTen[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};

std::optional<PlainNumber> ReadPlainNumber(std::string_view text, char point) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    std::array<char, 80> buffer{};
    if (text.empty() || text.size() >= buffer.size()) {
        if (text.empty()) return std::nullopt;
        std::string copy(text);  // a very long entry: read it without the buffer
        for (char& c : copy)
            if (c == point) c = '.';
        PlainNumber number;
        auto result = std::from_chars(copy.data(), copy.data() + copy.size(), number.value);
        if (result.ec != std::errc() || result.ptr != copy.data() + copy.size() || !std::isfinite(number.value) ||
            copy.find_first_not_of("0123456789.eE+") != std::string::npos)
            return std::nullopt;
        number.decimals = -1;
        return number;
    }
    PlainNumber number;
    bool anyDigit = false, seenPoint = false, exponent = false;
    std::uint64_t mantissa = 0;  // the digits as a whole number, while it stays exact
    bool plain = true;           // digits and at most one point: the whole number tells the value
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == point) {
            c = '.';
        } else if (c == '.') {
            return std::nullopt;  // a point that is not the decimal separator
        }
        if (c >= '0' && c <= '9') {
            anyDigit = true;
            ++number.digits;
            if (!exponent && number.digits <= kExactDigits) mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
            if (seenPoint && !exponent) ++number.decimals;
        } else if (c == '.') {
            plain = plain && !seenPoint;
            seenPoint = true;
        } else if (c == 'e' || c == 'E') {
            exponent = true;
        } else if (c == '+') {
            plain = false;
        } else {
            return std::nullopt;
        }
        buffer[i] = c;
    }
    if (!anyDigit) return std::nullopt;
    // Up to 15 digits and a few decimals, the whole number divided by a power
    // of ten is the nearest double to the decimal text, as a full read gives it.
    if (plain && !exponent && number.digits <= kExactDigits &&
        number.decimals < static_cast<int>(std::size(kPowersOfTen))) {
        number.value = static_cast<double>(mantissa) / kPowersOfTen[number.decimals];
        return number;
    }
    auto result = std::from_chars(buffer.data(), buffer.data() + text.size(), number.value);
    if (result.ec != std::errc() || result.ptr != buffer.data() + text.size() || !std::isfinite(number.value))
        return std::nullopt;
    if (exponent) number.decimals = -1;
    return number;
}

// Cleans an entry and reads it: the sign comes from any "(" or "-".
std::optional<PlainNumber> ReadEntry(std::string_view text) {
    const Regional& regional = CurrentRegional();
    std::array<char, 80> cleaned{};
    size_t length = 0;
    bool negative = false;
    std::string longEntry;
    for (char c : text) {
        if (c == '(' || c == '-') negative = true;
        if (IsRemovedByCleaning(c, regional)) continue;
        if (length < cleaned.size()) cleaned[length] = c;
        else if (longEntry.empty()) longEntry.assign(cleaned.data(), length);
        if (!longEntry.empty()) longEntry += c;
        ++length;
    }
    std::string_view digits = longEntry.empty() ? std::string_view(cleaned.data(), length) : std::string_view(longEntry);
    std::optional<PlainNumber> number = ReadPlainNumber(digits, regional.decimalSeparator);
    if (number && negative) number->value = -number->value;
    return number;
}

}  // namespace

std::string RemoveCommasAndSigns(std::string_view text) {
    const Regional& regional = CurrentRegional();
    bool negative = false;
    std::string out;
    out.reserve(text.size() + 1);
    for (char c : text) {
        if (c == '(' || c == '-') negative = true;
        if (!IsRemovedByCleaning(c, regional)) out += c;
    }
    if (negative) out.insert(out.begin(), '-');
    return out;
}

std::optional<double> TryParseNumber(std::string_view cleaned) {
    bool negative = !cleaned.empty() && cleaned.front() == '-';
    if (negative) cleaned.remove_prefix(1);
    std::optional<PlainNumber> number = ReadPlainNumber(cleaned, CurrentRegional().decimalSeparator);
    if (!number) return std::nullopt;
    return negative ? -number->value : number->value;
}

namespace {

double ParseRounded(std::string_view text, int decimals, int errorCode, const char* where) {
    if (text.empty()) return 0.0;  // an empty answer reads as 0
    std::optional<PlainNumber> number = ReadEntry(text);
    if (!number) {
        ErrorMessage(errorCode, where);
        return 0.0;
    }
    // Rounding cannot change a number that already has few enough decimals
    // within 15 digits.
    if (decimals < 0 || (number->decimals >= 0 && number->decimals <= decimals && number->digits <= 15))
        return number->value;
    return RoundDecimals(number->value, decimals);
}

}  // namespace

double Str2Float_2(std::string_view text) { return ParseRounded(text, 2, kErrRealFormat, "Str2Float_2"); }
double Str2Float_0(std::string_view text) { return ParseRounded(text, 0, kErrWholeFormat, "Str2Float_0"); }
double Str2Float_P(std::string_view text) { return ParseRounded(text, -1, kErrRateFormat, "Str2Float_P"); }

int Str2Int(std::string_view text) {
    std::string cleaned = RemoveCommasAndSigns(text.empty() ? std::string_view("0") : text);
    int value = 0;
    const char* first = cleaned.data();
    const char* last = cleaned.data() + cleaned.size();
    if (first != last && *first == '+') ++first;
    auto result = std::from_chars(first, last, value);
    if (first == last || result.ec != std::errc() || result.ptr != last) {
        ErrorMessage(kErrIntegerFormat, "Str2Int");
        return 0;
    }
    return value;
}

double MakeReal_2(double value) {
    if (!std::isfinite(value)) {
        ErrorMessage(kErrMakeReal, "MakeReal_2");
        return 0.0;
    }
    return RoundDecimals(value, 2);
}

double Min(double a, double b) { return b >= a ? a : b; }

// ---- Formatters ------------------------------------------------------------

std::string GroupedText(double value, int decimals) { return Compose(RoundToDecimalForm(value, decimals), true); }
std::string FixedText(double value, int decimals) { return Compose(RoundToDecimalForm(value, decimals), false); }
std::string MoneyText(double value) { return GroupedText(value, 2); }
std::string WholeMoneyText(double value) { return GroupedText(value, 0); }
std::string PercentText(double fraction) { return FixedText(fraction * 100.0, 2) + "%"; }

std::string GeneralNumberText(double value) {
    if (!std::isfinite(value) || value == 0.0) return "0";
    SignificantDigits sig = ToSignificantDigits(value);
    std::string digits = sig.digits;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    char point = CurrentRegional().decimalSeparator;
    std::string out = sig.negative ? "-" : "";
    int exponent = sig.exponent;
    if (exponent < -4 || exponent >= 15) {
        out += digits[0];
        if (digits.size() > 1) {
            out += point;
            out.append(digits, 1);
        }
        out += 'E';
        if (exponent < 0) out += '-';
        out += std::to_string(std::abs(exponent));
    } else if (exponent >= 0) {
        size_t intDigits = static_cast<size_t>(exponent) + 1;
        if (digits.size() <= intDigits) {
            out += digits;
            out.append(intDigits - digits.size(), '0');
        } else {
            out.append(digits, 0, intDigits);
            out += point;
            out.append(digits, intDigits);
        }
    } else {
        out += '0';
        out += point;
        out.append(static_cast<size_t>(-exponent - 1), '0');
        out += digits;
    }
    return out;
}

std::string Real23Text(double value) {
    if (!std::isfinite(value)) value = 0.0;
    std::string out(1, value < 0 ? '-' : ' ');
    if (value == 0.0) return out + "0.00000000000000E+0000";
    SignificantDigits sig = ToSignificantDigits(value);
    out += sig.digits[0];
    out += '.';
    out.append(sig.digits, 1);
    out += 'E';
    out += sig.exponent < 0 ? '-' : '+';
    std::string exponent = std::to_string(std::abs(sig.exponent));
    out.append(4 - std::min<size_t>(4, exponent.size()), '0');
    out += exponent;
    return out;
}

std::optional<double> ParseReal(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    double value = 0;
    auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// ---- Dates -----------------------------------------------------------------

std::string ConvertDate(const std::string& shortDate) {
    static const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                          "July",    "August",   "September", "October", "November", "December"};
    if (shortDate.empty()) return shortDate;
    std::optional<Date> date = ParseShortDate(shortDate);
    if (!date) return shortDate;
    return std::string(kMonths[date->month - 1]) + " " + std::to_string(date->day) + ", " +
           std::to_string(date->year);
}

std::string ShortDateOfToday() { return FormatShortDate(Today()); }
std::string LongDateOfToday() { return ConvertDate(ShortDateOfToday()); }

// ---- Text and path helpers -------------------------------------------------

std::string StripLeadingSpaces(std::string_view text) {
    size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string TrimStr(std::string_view text) {
    size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string_view Trimmed(std::string_view text, std::string_view blanks) {
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::string MemoToLine(std::string_view memo) {
    std::string out;
    out.reserve(memo.size());
    for (size_t i = 0; i < memo.size(); ++i) {
        char c = memo[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < memo.size() && memo[i + 1] == '\n') ++i;
            out += " | ";
        } else {
            out += c;
        }
    }
    return out;
}

std::string LineToMemo(std::string_view line) {
    std::string out;
    out.reserve(line.size());
    for (size_t i = 0; i < line.size(); ++i) {
        if (line.compare(i, 3, " | ") == 0) {
            out += "\r\n";
            i += 2;
        } else {
            out += line[i];
        }
    }
    return out;
}

namespace {
#if defined(_WIN32)
constexpr char kPathDelimiter = '\\';
#else
constexpr char kPathDelimiter = '/';
#endif

bool IsDelimiter(char c) { return c == '/' || c == '\\'; }
}  // namespace

std::string IncludeTrailingPathDelimiter(std::string_view path) {
    std::string out(path);
    if (out.empty() || out.back() != kPathDelimiter) out += kPathDelimiter;
    return out;
}

std::string RemoveTrailingBackslash(std::string_view path) {
    std::string out(path);
    if (!out.empty() && out.back() == '\\') out.pop_back();
    return out;
}

std::string StripExtension(std::string_view path) {
    size_t dot = path.rfind('.');
    if (dot == std::string_view::npos) return std::string(path);
    for (size_t i = dot + 1; i < path.size(); ++i)
        if (IsDelimiter(path[i])) return std::string(path);  // the dot belongs to a folder name
    return std::string(path.substr(0, dot));
}

std::string FileNameOnly(std::string_view path) {
    size_t i = path.size();
    while (i > 0 && !IsDelimiter(path[i - 1])) --i;
    return std::string(path.substr(i));
}

std::string UpperCase(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::optional<std::string> FindFile(const std::string& folder, const std::string& name) {
    namespace fs = std::filesystem;
    std::error_code ec;
    std::string wanted = UpperCase(name);
    fs::recursive_directory_iterator it(fs::path(folder), fs::directory_options::skip_permission_denied, ec);
    for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        std::error_code fileEc;
        if (it->is_regular_file(fileEc) && UpperCase(it->path().filename().string()) == wanted)
            return it->path().string();
    }
    return std::nullopt;
}

// ---- Template text helpers -------------------------------------------------

void RemoveLineBreaksAt(std::string& text, size_t position) {
    while (position < text.size() && (text[position] == '\r' || text[position] == '\n')) text.erase(position, 1);
}

std::optional<int> FontSizeAt(std::string_view text, size_t position) {
    if (position + 3 >= text.size()) {
        ErrorMessage(21070, "FontSizeAt");
        return -1;
    }
    if (text.compare(position, 3, "\\fs") != 0 || !std::isdigit(static_cast<unsigned char>(text[position + 3])))
        return std::nullopt;
    int size = 0;
    for (size_t i = position + 3; i < text.size(); ++i) {
        char c = text[i];
        if (c == ' ' || c == '\\' || c == '{' || c == '}') break;
        if (!std::isdigit(static_cast<unsigned char>(c)) || size > 100000) {
            ErrorMessage(21060, "FontSizeAt");
            return -1;
        }
        size = size * 10 + (c - '0');
    }
    return size;
}

}  // namespace quill10
