// The data-source texts of the four worksheet screens: which fields have an
// explanation, the rows whose wording is fixed word for word, and the form
// every text takes (the worksheet line first).
#include <gtest/gtest.h>

#include <cstddef>
#include <regex>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "help/DataSource.h"

namespace quill10 {
namespace {

struct KeyRange {
    int first, last;
};

std::set<int> KeysOf(const std::vector<KeyRange>& ranges) {
    std::set<int> keys;
    for (const KeyRange& r : ranges)
        for (int key = r.first; key <= r.last; ++key) keys.insert(key);
    return keys;
}

bool InRanges(const std::vector<KeyRange>& ranges, int key) {
    for (const KeyRange& r : ranges)
        if (key >= r.first && key <= r.last) return true;
    return false;
}

// One worksheet screen: the Tags of the fields that have an explanation, how
// many they are and how many different texts they show, and the fields of
// the decree table, which belong to no worksheet line.
struct Screen {
    const char* name;
    int page;
    std::span<const DataSourceRow> (*table)();
    std::vector<KeyRange> keys;
    std::size_t keyCount;
    std::size_t distinctTexts;
    std::vector<KeyRange> decree;
};

const Screen kScreens[] = {
    {"sole/shared long form",
     0,
     CreateSoleSharedDataSourceStr,
     {{104, 105},   {1125, 1125}, {1127, 1127}, {2018, 2021}, {2026, 2029}, {2039, 2042}, {2045, 2046},
      {2051, 2052}, {2055, 2070}, {2073, 2082}, {2085, 2098}, {2101, 2102}, {2106, 2114}, {2116, 2116},
      {2118, 2118}, {2120, 2120}},
     74,
     74,
     {}},
    {"sole/shared short form",
     15,
     CreateSoleSharedDataSourceShortStr,
     {{1173, 1173}, {1175, 1176}, {1187, 1188}, {1192, 1193}, {1195, 1196}, {1218, 1219}, {1223, 1224},
      {1226, 1227}, {1229, 1230}, {1234, 1235}, {1239, 1240}, {1242, 1243}, {2015, 2018}, {2023, 2026},
      {2035, 2040}, {2045, 2046}, {2049, 2062}, {2065, 2074}, {2077, 2090}, {2093, 2102}, {2127, 2152},
      {2165, 2166}, {2169, 2173}, {2175, 2176}, {2181, 2182}, {2185, 2186}, {2192, 2193}, {2195, 2196},
      {2203, 2204}, {2215, 2216}, {2269, 2276}},
     142,
     128,
     {{2129, 2152}, {2269, 2276}}},
    {"split long form",
     7,
     CreateSplitDataSourceStr,
     {{101, 102},   {1122, 1122}, {1124, 1124}, {2014, 2017}, {2022, 2025}, {2035, 2038}, {2041, 2042},
      {2047, 2048}, {2051, 2067}, {2070, 2076}, {2078, 2079}, {2081, 2097}, {2103, 2111}, {2113, 2113},
      {2115, 2115}, {2117, 2117}},
     75,
     75,
     {}},
    {"split short form",
     16,
     CreateSplitDataSourceShortStr,
     {{1127, 1128}, {1173, 1176}, {1187, 1188}, {1192, 1193}, {1195, 1196}, {2014, 2017}, {2022, 2025},
      {2034, 2039}, {2044, 2045}, {2048, 2062}, {2065, 2072}, {2075, 2092}, {2095, 2098}, {2100, 2100},
      {2102, 2102}, {2141, 2152}, {2165, 2166}, {2169, 2172}, {2181, 2182}, {2185, 2186}, {2203, 2204},
      {2215, 2216}, {2273, 2276}},
     105,
     103,
     {{2141, 2152}, {2273, 2276}}},
};

TEST(DataSource, EveryListedFieldHasExactlyOneTextAndNoOtherFieldHasOne) {
    for (const Screen& screen : kScreens) {
        SCOPED_TRACE(screen.name);
        const std::set<int> listed = KeysOf(screen.keys);
        ASSERT_EQ(listed.size(), screen.keyCount);
        std::set<int> seen;
        for (const DataSourceRow& row : screen.table()) {
            EXPECT_TRUE(listed.count(row.tag)) << "Tag " << row.tag << " is not a field with an explanation";
            EXPECT_TRUE(seen.insert(row.tag).second) << "Tag " << row.tag << " has two rows";
            ASSERT_NE(row.text, nullptr) << "Tag " << row.tag;
            EXPECT_FALSE(std::string_view(row.text).empty()) << "Tag " << row.tag;
            // The field pop-up finds the same text through the screen page.
            EXPECT_EQ(DataSourceText(screen.page, row.tag), row.text) << "Tag " << row.tag;
        }
        EXPECT_EQ(seen, listed);
    }
}

// The details beside the lines (line 11's wages, line 19's tax figures, a
// short form's caption and copies) have texts of their own, found through
// the page like the lines' texts, and never take a line's field from its table.
TEST(DataSource, DetailsExplainWhatTheLineTablesLeaveOut) {
    const std::regex start(R"(^(\d{1,2}[a-h]?[.,] |Case\. |Date\. |This field is ))");
    for (const Screen& screen : kScreens) {
        SCOPED_TRACE(screen.name);
        const std::set<int> listed = KeysOf(screen.keys);
        std::set<int> seen;
        for (const DataSourceRow& row : DetailDataSourceTable(screen.page)) {
            EXPECT_FALSE(listed.count(row.tag)) << "Tag " << row.tag << " has a line's text already";
            EXPECT_TRUE(seen.insert(row.tag).second) << "Tag " << row.tag << " has two rows";
            EXPECT_EQ(DataSourceText(screen.page, row.tag), row.text) << "Tag " << row.tag;
            EXPECT_TRUE(std::regex_search(row.text, start)) << "Tag " << row.tag << ": " << row.text;
        }
        EXPECT_FALSE(seen.empty());
    }
    // The same Tag on another page is another field.
    EXPECT_NE(DataSourceText(0, 5227), DataSourceText(7, 5227));
    EXPECT_TRUE(DataSourceText(0, 1000).empty());  // the father's name is typed on a long form
}

TEST(DataSource, FieldsShowingTheSameFigureShareOneText) {
    for (const Screen& screen : kScreens) {
        SCOPED_TRACE(screen.name);
        std::set<std::string> texts;
        for (const DataSourceRow& row : screen.table()) texts.insert(row.text);
        EXPECT_EQ(texts.size(), screen.distinctTexts);
    }
}

TEST(DataSource, FixedRowsAreWordForWord) {
    const char* const decreeTotal =
        "This field is the total of the three fields above, i.e., the support obligation, plus cash medical "
        "support (if any), plus processing charge.";
    const struct {
        int page, tag;
        const char* text;
    } cases[] = {
        {0, 104,
         "28, Checkbox I. Obligor checkbox - Father. If this checkbox is checked, it indicates that the "
         "child support calculation results in the father being the obligor."},
        {0, 1125, "Father's signature. Comes from the \"Father's Name\" field of page 1."},
        {0, 2020,
         "1b, Column I. This field is the lesser of father's year 1 income and the three year average. This "
         "line may be overridden if there is a reasonable expectation of a lesser amount."},
        {0, 2041,
         "7b, Column I. This field is the result of multiplying line 7a by 0.05 (5%) in father's column."},
        {0, 2059,
         "14b, Column I. If this field is less than 150% of the federal poverty level, this line is 0. If "
         "line 7a is more, this line14b is the result of line 14a multiplied by 0.05 (5%) in father's "
         "column."},
        {0, 2064,
         "17. This field shows the table lookup method chosen by clicking the \"Support Table/Calculation "
         "Options\" button above, i.e., low, interpolation, high."},
        {0, 2066,
         "17, Column III. \"Basic combined child support\". This field is the amount taken from the the "
         "child support table, unless the combined annual income is greater than $150,000 in which case "
         "QUILL10 uses the formula chosen by clicking the \"Support Table/Calculation Options\" button "
         "above."},
        {0, 2114,
         "30, Column II. Final cash medical support figure. The amount that obligor must pay in addition to "
         "the line 28, column II, amount when health insurance is not provided."},
        {15, 1173,
         "17. This field shows the three possible line 17 values based on the table lookup method chosen by "
         "clicking the \"Low/Interpolate/High\" button to the right."},
        {15, 2129,
         "This field is the amount of child support perweek per child which results from dividing line 28 "
         "(with insurance column) by 52 and then dividing that amount by the number of children."},
        {15, 2131, decreeTotal},
        {15, 2134, decreeTotal},
        {15, 2140, decreeTotal},
        {15, 2143, decreeTotal},
        {15, 2146, decreeTotal},
        {15, 2152, decreeTotal},
        {15, 2165,
         "11. Column I. Taxable Income. This amount is the sum of father's income from employment (1a), "
         "overtime/bonuses (1b), adjusted gross income from business (2d), interest/dividends (3), "
         "unemployment compensation (4), workers' compensation (5) and other income."},
        {7, 101,
         "26, Column I. Obligor checkbox - Father. If this checkbox is checked, it indicates that the child "
         "support calculation results in the father being the obligor."},
        {16, 1127,
         "19, Column I. Include the Ohio child care credit when calculating the child care expense deduction "
         "on line 19. This field shows the state of the \"Include Ohio credit\" checkbox. See the associated "
         "help file for additional details."},
    };
    for (const auto& c : cases) EXPECT_EQ(DataSourceText(c.page, c.tag), c.text) << c.page << ":" << c.tag;
}

TEST(DataSource, TheSameTagExplainsTheFieldOfTheWorksheetShown) {
    // Tag 2041 is line 7b of the sole/shared worksheet and line 8 of the split worksheet.
    EXPECT_EQ(DataSourceText(0, 2041).substr(0, 14), "7b, Column I. ");
    EXPECT_EQ(DataSourceText(7, 2041).substr(0, 13), "8, Column I. ");
}

TEST(DataSource, NoTextOutsideTheTables) {
    const struct {
        int page, tag;
    } cases[] = {
        {1, 2041},   // a calculation page
        {6, 2041},   // another calculation page
        {32, 2041},  // the scheduler page
        {-1, 2041},  // no page shown yet
        {0, 9999},   // unknown Tag
        {0, -1},     // focus on neither a label nor an edit box
        {7, 2020},   // 1b on page 0, an entered year on page 7
        {15, 2041},  // an entry of the short form
        {16, 2099},  // shown on the sole/shared short form only
    };
    for (const auto& c : cases) EXPECT_TRUE(DataSourceText(c.page, c.tag).empty()) << c.page << ":" << c.tag;
}

TEST(DataSource, EveryTextStartsWithItsLineInPlainText) {
    // A worksheet line ("7b, Column I.", "17.", "11. Column I.", "28, Checkbox I.") or a signature.
    const std::regex line(R"(^(\d{1,2}[a-h]?[.,] |(Father|Mother)'s signature\. ))");
    for (const Screen& screen : kScreens) {
        SCOPED_TRACE(screen.name);
        for (const DataSourceRow& row : screen.table()) {
            const std::string text = row.text;
            if (InRanges(screen.decree, row.tag))
                EXPECT_EQ(text.rfind("This field is ", 0), 0u) << "Tag " << row.tag << ": " << text;
            else
                EXPECT_TRUE(std::regex_search(text, line)) << "Tag " << row.tag << ": " << text;
            for (char ch : text)
                EXPECT_TRUE(ch >= ' ' && ch <= '~') << "Tag " << row.tag << ": not plain ASCII";
        }
    }
}

}  // namespace
}  // namespace quill10
