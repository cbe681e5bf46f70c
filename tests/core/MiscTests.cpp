// Parsers, formatters, dates and text helpers.
#include <gtest/gtest.h>

#include <algorithm>

#include <vector>

#include <optional>
#include <random>

#include <cstring>

#include <cstdlib>

#include <cstdio>

#include <cmath>

#include "TestSupport.h"
#include "store/Misc.h"
#include "store/Regional.h"
#include "platform/TextEncoding.h"

namespace quill10 {
namespace {

struct ParseCase {
    const char* text;
    double money, whole, rate;
};

TEST(Parsers, ReadTheEntriesAsTheWorksheetShowsThem) {
    const ParseCase cases[] = {
        {"", 0, 0, 0},
        {"$ 1,234.567", 1234.57, 1235, 1234.567},
        {"(500)", -500, -500, -500},
        {"500-", -500, -500, -500},
        {"-1,234.50", -1234.5, -1235, -1234.5},
        {"5-3", -53, -53, -53},
        {"12.5%", 12.5, 13, 12.5},
        {"2.675", 2.68, 3, 2.675},
        {"1.005", 1.01, 1, 1.005},
        {"0.125", 0.13, 0, 0.125},
        {"-0.125", -0.13, -0, -0.125},
        {"0.02", 0.02, 0, 0.02},
        {"$1,234", 1234, 1234, 1234},
        {"2.5", 2.5, 3, 2.5},
        {"16,952.00", 16952, 16952, 16952},
    };
    test::ErrorRecorder errors;
    for (const ParseCase& c : cases) {
        EXPECT_DOUBLE_EQ(Str2Float_2(c.text), c.money) << c.text;
        EXPECT_DOUBLE_EQ(Str2Float_0(c.text), c.whole) << c.text;
        EXPECT_DOUBLE_EQ(Str2Float_P(c.text), c.rate) << c.text;
    }
    EXPECT_TRUE(errors.Codes().empty());
}

TEST(Parsers, UnreadableTextReportsItsCodeAndReadsAsZero) {
    test::ErrorRecorder errors;
    for (const char* text : {"abc", "1.2.3", "$", "1x"}) {
        errors.Clear();
        EXPECT_EQ(Str2Float_2(text), 0.0) << text;
        EXPECT_EQ(Str2Float_0(text), 0.0) << text;
        EXPECT_EQ(Str2Float_P(text), 0.0) << text;
        EXPECT_EQ(Str2Int(text), 0) << text;
        EXPECT_EQ(errors.Codes(), (std::vector<int>{21202, 21192, 21182, 21212})) << text;
    }
}

TEST(Parsers, IntegerParserWantsAWholeNumber) {
    test::ErrorRecorder errors;
    EXPECT_EQ(Str2Int(""), 0);
    EXPECT_EQ(Str2Int("7"), 7);
    EXPECT_EQ(Str2Int("(3)"), -3);
    EXPECT_EQ(Str2Int("1,000"), 1000);
    EXPECT_TRUE(errors.Codes().empty());
    EXPECT_EQ(Str2Int("2.5"), 0);
    EXPECT_EQ(Str2Int("99999999999"), 0);
    EXPECT_EQ(errors.Codes(), (std::vector<int>{21212, 21212}));
}

TEST(Rounding, HalvesGoAwayFromZeroOnTheDecimalForm) {
    EXPECT_DOUBLE_EQ(MakeReal_2(2.675), 2.68);
    EXPECT_DOUBLE_EQ(MakeReal_2(1.005), 1.01);
    EXPECT_DOUBLE_EQ(MakeReal_2(-1.005), -1.01);
    EXPECT_DOUBLE_EQ(MakeReal_2(1234.5 / 12), 102.88);
    EXPECT_DOUBLE_EQ(MakeReal_2(0.004), 0.0);
    EXPECT_DOUBLE_EQ(RoundHalfEven(6250.5), 6250);
    EXPECT_DOUBLE_EQ(RoundHalfEven(6251.5), 6252);
    EXPECT_DOUBLE_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_DOUBLE_EQ(Min(3, 2), 2);
    EXPECT_DOUBLE_EQ(Min(2, 2), 2);
}

// The figure a person computing by hand writes: the value's 15 significant
// digits, rounded half away from zero at `decimals`.  Worked out here in
// another way than the program does, to hold its rounding against.
std::string ByHand(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.14e", std::fabs(value));
    std::string digits = std::string(1, text[0]) + std::string(text + 2, 14);
    const int exponent = std::atoi(std::strchr(text, 'e') + 1);
    int point = exponent + 1;  // digits before the decimal point
    if (point <= 0) {
        digits.insert(0, static_cast<size_t>(-point) + 1, '0');
        point = 1;
    }
    const size_t keep = static_cast<size_t>(point + decimals);
    if (digits.size() < keep) digits.append(keep - digits.size(), '0');
    const bool up = keep < digits.size() && digits[keep] >= '5';
    digits.resize(keep);
    for (size_t i = digits.size(); up; --i) {
        if (i == 0) {
            digits.insert(0, "1");
            ++point;
            break;
        }
        if (digits[i - 1] == '9') {
            digits[i - 1] = '0';
        } else {
            ++digits[i - 1];
            break;
        }
    }
    std::string integer = digits.substr(0, static_cast<size_t>(point));
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size() - 1));
    const std::string fraction = digits.substr(static_cast<size_t>(point));
    const bool zero = (integer + fraction).find_first_not_of('0') == std::string::npos;
    return (value < 0 && !zero ? "-" : "") + integer + (decimals > 0 ? "." + fraction : "");
}

// Every way a figure comes about (products, quotients, sums of cents,
// halves and near-halves, large and tiny values) is written as by hand.
TEST(Formatters, FixedTextRoundsAsByHand) {
    std::mt19937_64 random(20261211);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::vector<double> values;
    for (int k = 0; k < 20000; ++k) {
        const double cents = std::floor(unit(random) * 1e7);
        values.push_back(cents / 100 + 0.005);                     // a half cent, as binary gives it
        values.push_back(-(cents / 1000));                         // a tenth of a cent
        values.push_back(cents / 100 * (unit(random) * 0.3));      // an amount times a share
        values.push_back(cents / 12);                              // a year made monthly
        values.push_back(std::pow(10.0, unit(random) * 30 - 15));  // any magnitude
    }
    for (double value : {1.005, 2.675, 0.125, -0.125, 1e15 + 0.5, 999999999.995, -0.004, 0.0049999999999})
        values.push_back(value);
    for (double value : values)
        for (int decimals : {0, 2, 4}) ASSERT_EQ(FixedText(value, decimals), ByHand(value, decimals)) << value;
}

// Every decimal text reads as the double nearest to it, as a full reader
// of numbers gives it, whatever road the reader takes.
TEST(Parsers, DecimalTextsReadAsTheNearestDouble) {
    std::mt19937_64 random(1211);
    for (int k = 0; k < 100000; ++k) {
        const int length = 1 + static_cast<int>(random() % 17);
        std::string text;
        for (int d = 0; d < length; ++d) text += static_cast<char>('0' + random() % 10);
        if (random() % 4 != 0) text.insert(random() % (text.size() + 1), ".");
        const std::optional<double> read = TryParseNumber(text);
        ASSERT_TRUE(read) << text;
        ASSERT_EQ(*read, std::strtod(text.c_str(), nullptr)) << text;
    }
    for (const char* notNumbers : {"1.2.3", "1+2", "+", ".", "1e"}) EXPECT_FALSE(TryParseNumber(notNumbers)) << notNumbers;
}

TEST(Formatters, MoneyWholeFixedAndPercentTexts) {
    struct Case {
        double value;
        const char* money;
        const char* whole;
    };
    const Case cases[] = {
        {1234.5, "1,234.50", "1,235"},   {-1234.5, "-1,234.50", "-1,235"}, {0.004, "0.00", "0"},
        {0, "0.00", "0"},                 {-0.0, "0.00", "0"},                {-0.001, "0.00", "0"},
        {2.675, "2.68", "3"},             {1234567.891, "1,234,567.89", "1,234,568"},
        {999.995, "1,000.00", "1,000"},   {100, "100.00", "100"},             {9876.4, "9,876.40", "9,876"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MoneyText(c.value), c.money) << c.value;
        EXPECT_EQ(WholeMoneyText(c.value), c.whole) << c.value;
    }
    EXPECT_EQ(FixedText(0.625, 4), "0.6250");
    EXPECT_EQ(FixedText(1234.5, 2), "1234.50");
    EXPECT_EQ(PercentText(0.02), "2.00%");
    EXPECT_EQ(PercentText(0.07), "7.00%");
    EXPECT_EQ(PercentText(0.5), "50.00%");
}

TEST(Formatters, ShortestGeneralNumberForm) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {0.025, "0.025"}, {2.5, "2.5"},          {0, "0"},         {0.02, "0.02"},   {100, "100"},
        {-0.5, "-0.5"},   {0.0001, "0.0001"},    {0.00001, "1E-5"}, {1e15, "1E15"}, {123456789012345.0, "123456789012345"},
        {0.07 , "0.07"},  {1.0 / 3, "0.333333333333333"},
    };
    for (const Case& c : cases) EXPECT_EQ(GeneralNumberText(c.value), c.text) << c.value;
}

TEST(Formatters, Real23FormReadsBack) {
    EXPECT_EQ(Real23Text(10.14), " 1.01400000000000E+0001");
    EXPECT_EQ(Real23Text(1.0), " 1.00000000000000E+0000");
    EXPECT_EQ(Real23Text(-0.5), "-5.00000000000000E-0001");
    EXPECT_EQ(Real23Text(0.0), " 0.00000000000000E+0000");
    for (double value : {10.14, 1.0, 3.0, -0.5, 0.0, 123456.789012345, 1e-12}) {
        std::optional<double> back = ParseReal(Real23Text(value));
        ASSERT_TRUE(back.has_value());
        EXPECT_NEAR(*back, value, std::abs(value) * 1e-14);
    }
    EXPECT_FALSE(ParseReal("abc").has_value());
    EXPECT_FALSE(ParseReal("").has_value());
}

TEST(Formatters, FollowTheRegionalSeparators) {
    Regional german;
    german.decimalSeparator = ',';
    german.thousandSeparator = '.';
    german.shortDateFormat = "dd.MM.yyyy";
    SetRegional(german);
    EXPECT_EQ(MoneyText(1234.5), "1.234,50");
    EXPECT_DOUBLE_EQ(Str2Float_2("1.234,56"), 1234.56);
    EXPECT_EQ(GeneralNumberText(0.025), "0,025");
    EXPECT_EQ(ConvertDate("07.03.2019"), "March 7, 2019");
    SetRegional(Regional{});
    EXPECT_EQ(MoneyText(1234.5), "1,234.50");
}

TEST(Dates, LongDateOfAShortDate) {
    EXPECT_EQ(ConvertDate("3/7/2019"), "March 7, 2019");
    EXPECT_EQ(ConvertDate("12/31/2020"), "December 31, 2020");
    EXPECT_EQ(ConvertDate(""), "");
    EXPECT_EQ(ConvertDate("not a date"), "not a date");
    EXPECT_EQ(ConvertDate("2/30/2019"), "2/30/2019");
    test::FixedToday today(Date{2026, 12, 9});
    EXPECT_EQ(ShortDateOfToday(), "12/9/2026");
    EXPECT_EQ(LongDateOfToday(), "December 9, 2026");
}

TEST(TextHelpers, TrimsMemosAndPaths) {
    EXPECT_EQ(StripLeadingSpaces("   12"), "12");
    EXPECT_EQ(StripLeadingSpaces("   "), "");
    EXPECT_EQ(TrimStr("12   "), "12");
    EXPECT_EQ(MemoToLine("a\r\nb"), "a | b");
    EXPECT_EQ(MemoToLine("a\nb"), "a | b");
    EXPECT_EQ(LineToMemo("a | b"), "a\r\nb");
    EXPECT_EQ(MemoToLine(""), "");
    EXPECT_EQ(LineToMemo(""), "");
    EXPECT_EQ(StripExtension("case.final.q10"), "case.final");
    EXPECT_EQ(StripExtension("case"), "case");
    EXPECT_EQ(StripExtension("/home/a.b/case"), "/home/a.b/case");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/tmp"), "/tmp/");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/tmp/"), "/tmp/");
    EXPECT_EQ(RemoveTrailingBackslash("C:\\Files\\"), "C:\\Files");
    EXPECT_EQ(FileNameOnly("C:\\A\\case.q10"), "case.q10");
    EXPECT_EQ(FileNameOnly("/home/u/case.q10"), "case.q10");
}

TEST(TextHelpers, FindFileSearchesSubfoldersIgnoringCase) {
    test::ScratchFolder folder;
    std::filesystem::create_directories(folder.Path() / "a" / "b");
    test::WriteWholeFile((folder.Path() / "a" / "b" / "WinWord.EXE").string(), "x");
    auto found = FindFile(folder.Path().string(), "winword.exe");
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(*found, (folder.Path() / "a" / "b" / "WinWord.EXE").string());
    EXPECT_FALSE(FindFile(folder.Path().string(), "soffice").has_value());
    EXPECT_FALSE(FindFile("/no/such/folder", "x").has_value());
}

TEST(TemplateHelpers, FontSizeAndLineBreaks) {
    test::ErrorRecorder errors;
    EXPECT_EQ(FontSizeAt("\\fs24 text", 0), 24);
    EXPECT_EQ(FontSizeAt("x\\fs18\\b text", 1), 18);
    EXPECT_EQ(FontSizeAt("\\f0 text", 0), std::nullopt);
    EXPECT_TRUE(errors.Codes().empty());
    EXPECT_EQ(FontSizeAt("ab\\fs", 2), -1);
    EXPECT_EQ(FontSizeAt("\\fs2x text", 0), -1);
    EXPECT_EQ(errors.Codes(), (std::vector<int>{21070, 21060}));
    std::string text = "ab\r\n\r\ncd";
    RemoveLineBreaksAt(text, 2);
    EXPECT_EQ(text, "abcd");
}

TEST(TextEncoding, Windows1252RoundTripAndUnmappable) {
    const std::string utf8 = "Jos\xC3\xA9 \xE2\x82\xAC 5 \xE2\x80\x9Cq\xE2\x80\x9D";  // José € 5 “q”
    std::string cp = Utf8ToCp1252(utf8);
    EXPECT_EQ(cp, "Jos\xE9 \x80 5 \x93q\x94");
    EXPECT_EQ(Cp1252ToUtf8(cp), utf8);
    EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD"), "?");  // a character Windows-1252 cannot hold
}

// A text file is Windows-1252 when its text fits, byte for byte as files
// always were; otherwise it is UTF-8 after the mark EF BB BF.  Either way
// it reads back as it was written.
TEST(TextEncoding, FileTextIsWindows1252WhenItFitsAndMarkedUtf8Otherwise) {
    struct Case {
        const char* label;
        std::string text;   // UTF-8
        std::string bytes;  // in the file
    };
    const std::string mark = "\xEF\xBB\xBF";
    const Case kCases[] = {
        {"ASCII", "Smith v. Smith\r\n", "Smith v. Smith\r\n"},
        {"Windows-1252", "Zo\xC3\xAB \xE2\x82\xAC", "Zo\xEB \x80"},
        {"an unused Windows-1252 byte", "\xC2\x81", "\x81"},
        {"Chinese", "/home/\xE7\x94\xA8\xE6\x88\xB7/", mark + "/home/\xE7\x94\xA8\xE6\x88\xB7/"},
        {"one character too many", "Zo\xC3\xAB \xCE\xA9", mark + "Zo\xC3\xAB \xCE\xA9"},  // Omega
        {"a control code that Windows-1252 has no byte for", "\xC2\x80", mark + "\xC2\x80"},
        {"letters that look like the mark", "\xC3\xAF\xC2\xBB\xC2\xBFx", mark + "\xC3\xAF\xC2\xBB\xC2\xBFx"},
        {"empty", "", ""},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(EncodeTextFile(c.text), c.bytes) << c.label;
        EXPECT_EQ(DecodeTextFile(c.bytes), c.text) << c.label;
    }
}

TEST(TextEncoding, ReadingMalformedUtf8GivesReplacementCharacters) {
    const std::string mark = "\xEF\xBB\xBF";
    const std::string replacement = "\xEF\xBF\xBD";
    struct Case {
        const char* label;
        std::string bytes;
        std::string text;
    };
    const Case kCases[] = {
        {"a stray byte", mark + "a\xFF" "b", "a" + replacement + "b"},
        {"a cut sequence", mark + "a\xE4\xB8", "a" + replacement + replacement},
        {"an overlong form", mark + "\xC0\x80", replacement + replacement},
        {"a surrogate", mark + "\xED\xA0\x80", replacement + replacement + replacement},
        {"beyond U+10FFFF", mark + "\xF4\x90\x80\x80", replacement + replacement + replacement + replacement},
        {"half a mark is Windows-1252", "\xEF\xBBx", "\xC3\xAF\xC2\xBBx"},
    };
    for (const Case& c : kCases) EXPECT_EQ(DecodeTextFile(c.bytes), c.text) << c.label;
}

TEST(TextEncoding, QuotedTextsAreShortAndShowNoControls) {
    EXPECT_EQ(QuotedForMessage("a\tb\rc"), "\"a?b?c\"");
    EXPECT_EQ(QuotedForMessage(std::string(40, 'x')), "\"" + std::string(40, 'x') + "\"");
    EXPECT_EQ(QuotedForMessage(std::string(41, 'x')), "\"" + std::string(40, 'x') + "...\"");
    std::string chinese;
    for (int k = 0; k < 41; ++k) chinese += "\xE7\x94\xA8";
    EXPECT_EQ(QuotedForMessage(chinese), "\"" + chinese.substr(0, 120) + "...\"");  // whole characters
}

}  // namespace
}  // namespace quill10
