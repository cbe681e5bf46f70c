// The short forms: every copy from the calculation pages with its override
// flag, the texts only the short forms have, and the decree table worked
// out by hand.
#include <gtest/gtest.h>

#include <iterator>
#include <ostream>
#include <set>
#include <span>
#include <string>
#include <tuple>
#include <vector>

#include "SlotNotation.h"
#include "TestSupport.h"
#include "WorksheetFixture.h"
#include "calc/Conversions.h"
#include "calc/Worksheets.h"
#include "store/Answers.h"

namespace quill10 {
namespace {

using test::NameOf;
using test::SlotRef;
using test::SlotsOf;
using test::SlotText;

// One copy of a short-form builder: short-page slots, the calculation slots
// they show, and whether the override flag comes along.
struct CopyRow {
    const char* shortSlots;
    const char* from;
    bool flag;
};

const CopyRow kSoleSharedCopyRows[] = {
    {"15:252 - 15:253", "1:50 - 1:51", false},
    {"15:1 - 15:2", "1:1 - 1:2", false},
    {"15:4 - 15:6", "1:4 - 1:6", false},
    {"15:155 - 15:156", "1:39 - 1:40", false},
    {"15:7 - 15:16", "1:19 - 1:28", false},
    {"15:17 - 15:18", "1:29 - 1:30", true},
    {"15:19 - 15:22", "1:31 - 1:34", false},
    {"15:23 - 15:24", "1:35 - 1:36", true},
    {"15:25 - 15:26", "1:37 - 1:38", false},
    {"15:27 - 15:34", "2:4 - 2:11", false},
    {"15:35 - 15:38", "2:13 - 2:16", false},
    {"15:157 - 15:158", "2:41 - 2:42", false},
    {"15:159 - 15:164", "2:17 - 2:22", false},
    {"15:39 - 15:40", "2:23 - 2:24", true},
    {"15:41 - 15:44", "2:25 - 2:28", false},
    {"15:165 - 15:166", "2:29 - 2:30", true},
    {"15:167 - 15:168", "2:31 - 2:32", false},
    {"15:45 - 15:46", "2:33 - 2:34", true},
    {"15:47 - 15:52", "2:35 - 2:40", false},
    {"15:169", "3:7", true},
    {"15:170", "3:48", true},
    {"15:171 - 15:172", "3:52 - 3:53", false},
    {"15:53 - 15:54", "3:4 - 3:5", true},
    {"15:55 - 15:57", "3:8 - 3:10", false},
    {"15:58 - 15:60", "3:14 - 3:16", false},
    {"15:177 - 15:178", "3:17 - 3:18", false},
    {"15:179 - 15:180", "3:49 - 3:50", false},
    {"15:181 - 15:182", "3:19 - 3:20", true},
    {"15:183 - 15:184", "3:42 - 3:43", false},
    {"15:185 - 15:188", "3:21 - 3:24", true},
    {"15:197 - 15:198", "3:27 - 3:28", false},
    {"15:200 - 15:201", "3:29 - 3:30", false},
    {"15:205 - 15:206", "3:32 - 3:33", false},
    {"15:207 - 15:210", "3:34 - 3:37", true},
    {"15:211 - 15:214", "3:38 - 3:41", false},
    {"15:189", "3:44", false},
    {"15:61 - 15:62", "3:45 - 3:46", true},
    {"15:63 - 15:64", "4:4 - 4:5", false},
    {"15:65 - 15:66", "4:8 - 4:9", true},
    {"15:67 - 15:70", "4:13 - 4:16", false},
    {"15:71 - 15:76", "4:19 - 4:24", false},
    {"15:77 - 15:82", "5:4 - 5:9", false},
    {"15:83 - 15:92", "5:12 - 5:21", false},
    {"15:217", "6:4", false},
    {"15:245", "6:52", false},
    {"15:220 - 15:222", "6:5 - 6:7", false},
    {"15:246", "6:53", false},
    {"15:225", "6:8", false},
    {"15:247", "6:54", false},
    {"15:228", "6:9", false},
    {"15:248", "6:55", false},
    {"15:231", "6:10", false},
    {"15:232", "6:58", false},
    {"15:233", "6:11", false},
    {"15:249", "6:56", false},
    {"15:236", "6:12", false},
    {"15:237", "6:59", false},
    {"15:238", "6:13", false},
    {"15:99", "6:57", false},
    {"15:241", "6:50", false},
    {"15:101", "6:51", false},
    {"15:93 - 15:94", "6:21 - 6:22", true},
    {"15:95 - 15:96", "6:23 - 6:24", false},
    {"15:97 - 15:98", "6:29 - 6:30", false},
    {"15:100", "6:46", false},
    {"15:102", "6:32", false},
};

const CopyRow kSplitCopyRows[] = {
    {"16:250 - 16:251", "8:50 - 8:51", false},
    {"16:1 - 16:2", "8:1 - 8:2", false},
    {"16:4 - 16:5", "8:4 - 8:5", false},
    {"16:6 - 16:15", "8:18 - 8:27", false},
    {"16:16 - 16:17", "8:28 - 8:29", true},
    {"16:18 - 16:21", "8:30 - 8:33", false},
    {"16:22 - 16:23", "8:34 - 8:35", true},
    {"16:24 - 16:25", "8:36 - 8:37", false},
    {"16:26 - 16:33", "9:4 - 9:11", false},
    {"16:34 - 16:37", "9:13 - 9:16", false},
    {"16:157 - 16:158", "9:41 - 9:42", false},
    {"16:38 - 16:39", "9:23 - 9:24", true},  // the flag comes along, as it goes back
    {"16:159 - 16:164", "9:17 - 9:22", false},
    {"16:40 - 16:43", "9:25 - 9:28", false},
    {"16:165 - 16:166", "9:29 - 9:30", true},
    {"16:167 - 16:168", "9:31 - 9:32", false},
    {"16:44 - 16:45", "9:33 - 9:34", true},
    {"16:46 - 16:51", "9:35 - 9:40", false},
    {"16:52 - 16:53", "10:4 - 10:5", true},
    {"16:169", "10:7", true},
    {"16:170", "10:19", true},
    {"16:171 - 16:172", "10:52 - 10:53", false},
    {"16:54 - 16:56", "10:8 - 10:10", false},
    {"16:57 - 16:60", "10:14 - 10:17", false},
    {"16:61 - 16:62", "11:33 - 11:34", true},
    {"16:63 - 16:64", "11:35 - 11:36", false},
    {"16:65 - 16:66", "11:41 - 11:42", true},
    {"16:177 - 16:178", "11:5 - 11:6", false},
    {"16:179 - 16:180", "11:49 - 11:50", false},
    {"16:181 - 16:182", "11:7 - 11:8", true},
    {"16:183 - 16:184", "11:9 - 11:10", false},
    {"16:185 - 16:188", "11:11 - 11:14", true},
    {"16:197 - 16:198", "11:17 - 11:18", false},
    {"16:200 - 16:201", "11:19 - 11:20", false},
    {"16:205 - 16:206", "11:22 - 11:23", false},
    {"16:207 - 16:210", "11:24 - 11:27", true},
    {"16:211 - 16:214", "11:28 - 11:31", false},
    {"16:189", "11:32", false},
    {"16:67 - 16:70", "11:45 - 11:48", false},
    {"16:71", "12:4", false},
    {"16:72", "12:7", false},
    {"16:73", "12:5", false},
    {"16:74", "12:8", false},
    {"16:75", "12:6", false},
    {"16:76 - 16:82", "12:9 - 12:15", false},
    {"16:83", "13:4", false},
    {"16:84", "13:7", false},
    {"16:85", "13:5", false},
    {"16:86", "13:8", false},
    {"16:87", "13:6", false},
    {"16:88 - 16:94", "13:9 - 13:15", false},
    {"16:95 - 16:96", "14:24 - 14:25", false},
    {"16:97 - 16:98", "14:6 - 14:7", false},
    {"16:100", "14:8", false},
    {"16:102", "14:9", false},
};

// Slots a builder derives rather than copies.
std::set<int> DerivedSlots(int page) {
    std::set<int> slots{0,   154, 173, 175, 176, 191, 192, 193, 194,
                        195, 196, 202, 203, 204, 215, 216, 153, 199};
    for (int s = 129; s <= 152; ++s) slots.insert(s);
    for (int s = 269; s <= 276; ++s) slots.insert(s);
    if (page == 16) slots.insert({174, 127, 128});
    if (page == 15)
        slots.insert({189, 190, 244, 126, 127, 128, 218, 219, 223, 224,
                      226, 227, 229, 230, 234, 235, 239, 240, 242, 243});
    return slots;
}

struct CopyCase {
    const char* name;
    std::span<const CopyRow> rows;
    int page;
    int firstCalcPage, lastCalcPage;
    void (*build)(TAnswer&);
};
void PrintTo(const CopyCase& c, std::ostream* os) { *os << c.name; }

class ShortFormCopies : public ::testing::TestWithParam<CopyCase> {};

// Every calculation slot holds its own marker; the calculation pages'
// flags are `calcFlag` and the short page's the opposite, so a copied flag
// is told from one left alone.  Slots the builder does not write keep
// what they held, and the calculation pages are only read.
TEST_P(ShortFormCopies, CopiesEverySlotWithItsFlagWhereMarked) {
    const CopyCase& c = GetParam();
    test::FixedToday today;
    for (bool calcFlag : {true, false}) {
        SCOPED_TRACE(calcFlag ? "calculation flags set" : "short page flags set");
        test::ErrorRecorder errors;  // the decree table reads markers as amounts
        TAnswer a;
        for (int page = c.firstCalcPage; page <= c.lastCalcPage; ++page)
            for (int slot = 0; slot <= LastSlot(page); ++slot) {
                a.SetText(page, slot, "m" + NameOf({page, slot}));
                a.SetOvRide(page, slot, calcFlag);
            }
        for (int slot = 0; slot <= LastSlot(c.page); ++slot) {
            a.SetText(c.page, slot, "old");
            a.SetOvRide(c.page, slot, !calcFlag);
        }
        // Children counts the decree table can divide by.
        a.SetText(1, 2, "2");
        a.SetText(8, 4, "2");
        a.SetText(8, 5, "3");
        a.SplitObligor = 1;
        std::vector<AnswerList> calcBefore;
        for (int page = c.firstCalcPage; page <= c.lastCalcPage; ++page) calcBefore.push_back(a.List(page));

        c.build(a);

        std::set<int> copied;
        for (const CopyRow& row : c.rows) {
            const auto to = SlotsOf(row.shortSlots);
            const auto from = SlotsOf(row.from);
            ASSERT_EQ(to.size(), from.size()) << row.shortSlots;
            for (size_t i = 0; i < to.size(); ++i) {
                ASSERT_EQ(to[i].page, c.page);
                const AnswerItem& source = calcBefore[from[i].page - c.firstCalcPage][from[i].slot];
                EXPECT_EQ(a.Text(c.page, to[i].slot), source.Text) << "slot " << NameOf(to[i]);
                EXPECT_EQ(a.OvRide(c.page, to[i].slot), row.flag ? calcFlag : !calcFlag)
                    << "flag of slot " << NameOf(to[i]);
                copied.insert(to[i].slot);
            }
        }
        const std::set<int> derived = DerivedSlots(c.page);
        for (int slot = 0; slot <= LastSlot(c.page); ++slot) {
            if (copied.count(slot) || derived.count(slot)) continue;
            EXPECT_EQ(a.Text(c.page, slot), "old") << "slot " << c.page << ":" << slot;
            EXPECT_EQ(a.OvRide(c.page, slot), !calcFlag) << "flag of slot " << c.page << ":" << slot;
        }
        for (int page = c.firstCalcPage; page <= c.lastCalcPage; ++page)
            for (int slot = 0; slot <= LastSlot(page); ++slot) {
                EXPECT_EQ(a.Text(page, slot), calcBefore[page - c.firstCalcPage][slot].Text);
                EXPECT_EQ(a.OvRide(page, slot), calcFlag);
            }
    }
}

const CopyCase kCopyCases[] = {
    {"SoleShared", kSoleSharedCopyRows, 15, 1, 6, Calc15},
    {"Split", kSplitCopyRows, 16, 8, 14, Calc16},
};

INSTANTIATE_TEST_SUITE_P(Builders, ShortFormCopies, ::testing::ValuesIn(kCopyCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Derived texts -------------------------------------------------------------

class ShortFormTest : public test::WorksheetTest {
protected:
    ShortFormTest() {
        // One child on each worksheet, so the decree table divides by 1 without a correction.
        Set(1, 2, "1");
        Set(8, 4, "1");
        Set(8, 5, "1");
        store->SplitObligor = 1;
    }
    void Build() {
        Calc15(*store);
        Calc16(*store);
    }
    test::ErrorRecorder errors;
};

TEST_F(ShortFormTest, CaptionJoinsTheNames) {
    struct Case {
        const char* father;
        const char* mother;
        const char* caption;
    };
    // A missing name leaves no dangling " & ".
    for (const Case& c : {Case{"Adam", "Eve", "Adam & Eve"}, Case{"Adam", "", "Adam"},
                          Case{"", "Eve", "Eve"}, Case{"", "", ""}}) {
        Set({{1, 50, c.father}, {1, 51, c.mother}, {8, 50, c.father}, {8, 51, c.mother}});
        Build();
        EXPECT_EQ(Get(15, 0), c.caption);
        EXPECT_EQ(Get(16, 0), c.caption);
    }
}

TEST_F(ShortFormTest, DateFileNameAndVersion) {
    store->Environment().currentFileName = "/home/clerk/cases/smith family.q10";
    Build();
    ExpectSlots({{15, 154, "March 7, 2019"}, {16, 154, "March 7, 2019"},
                 {15, 153, "smith family.q10"}, {16, 153, "smith family.q10"},
                 {15, 199, "10.14"}, {16, 199, "10.14"}});
    store->Environment().currentFileName = "C:\\Cases\\Jones.q10";
    Build();
    ExpectSlots({{15, 153, "Jones.q10"}, {16, 153, "Jones.q10"}});
}

// Each lookup result is shown in whole dollars: 9,876.40 -> 9,876;
// 10,123.60 -> 10,124; 1,234.50 rounds half away from zero to 1,235.
TEST_F(ShortFormTest, LookupSummariesInWholeDollars) {
    store->SupportLow = 9876.40;
    store->SupportInterpolated = 10123.60;
    store->SupportHigh = 10500.00;
    store->SupportLow2 = 999.49;
    store->SupportInterpolated2 = 1234.50;
    store->SupportHigh2 = 0;
    Build();
    EXPECT_EQ(Get(15, 173), "$9,876 / $10,124 / $10,500");
    EXPECT_EQ(Get(16, 173), "$9,876 / $10,124 / $10,500");
    EXPECT_EQ(Get(16, 174), "$999 / $1,235 / $0");
    EXPECT_EQ(Get(15, 174), "");
}

TEST_F(ShortFormTest, LimitTexts) {
    Set({{3, 51, "X"}, {10, 51, ""}});
    Build();
    ExpectSlots({{15, 175, "Limit>$150T"}, {15, 176, "Limit>$150T"},
                 {16, 175, "No Limit"}, {16, 176, "No Limit"}});
    Set({{3, 51, ""}, {10, 51, "X"}});
    Build();
    ExpectSlots({{15, 175, "No Limit"}, {15, 176, "No Limit"},
                 {16, 175, "Limit>$150T"}, {16, 176, "Limit>$150T"}});
}

// The short form's option boxes are ticked when either parent's box is and
// are never cleared by a builder.
TEST_F(ShortFormTest, OptionBoxesAreOnlyEverTicked) {
    struct Option {
        int box, yes1, yes2;
        SlotRef soleFather, soleMother, splitFather, splitMother;
    };
    const Option options[] = {
        {191, 192, 193, {3, 25}, {3, 55}, {11, 15}, {11, 51}},
        {194, 195, 196, {3, 26}, {3, 56}, {11, 16}, {11, 52}},
        {202, 203, 204, {3, 31}, {3, 57}, {11, 21}, {11, 53}},
    };
    for (const Option& o : options) {
        SCOPED_TRACE(o.box);
        for (SlotRef s : {o.soleFather, o.soleMother, o.splitFather, o.splitMother}) Set(s.page, s.slot, "");
        Set(15, o.box, "");
        Set(16, o.box, "");
        Build();
        ExpectSlots({{15, o.box, ""}, {15, o.yes1, "No"}, {15, o.yes2, "No"},
                     {16, o.box, ""}, {16, o.yes1, "No"}, {16, o.yes2, "No"}});

        Set(o.soleMother.page, o.soleMother.slot, "X");
        Set(o.splitFather.page, o.splitFather.slot, "X");
        Build();
        ExpectSlots({{15, o.box, "X"}, {15, o.yes1, "Yes"}, {15, o.yes2, "Yes"},
                     {16, o.box, "X"}, {16, o.yes1, "Yes"}, {16, o.yes2, "Yes"}});

        // Both parents' boxes cleared: the short form's box stays ticked.
        Set(o.soleMother.page, o.soleMother.slot, "");
        Set(o.splitFather.page, o.splitFather.slot, "");
        Build();
        ExpectSlots({{15, o.box, "X"}, {15, o.yes1, "Yes"}, {16, o.box, "X"}, {16, o.yes2, "Yes"}});
    }
}

// 100.25 + 50.50 = 150.75; 1,000.00 + 234.567 = 1,234.567 -> 1,234.57.
TEST_F(ShortFormTest, ChildCareCreditTotals) {
    store->SoleDadFedChildCredit = 100.25;
    store->SoleDadOhioChildCredit = 50.50;
    store->SoleMomFedChildCredit = 1000.00;
    store->SoleMomOhioChildCredit = 234.567;
    store->SplitDadFedChildCredit = 10;
    store->SplitDadOhioChildCredit = 2.5;
    store->SplitMomFedChildCredit = 0;
    store->SplitMomOhioChildCredit = 0;
    Build();
    ExpectSlots({{15, 215, "150.75"}, {15, 216, "1,234.57"}, {16, 215, "12.50"}, {16, 216, "0.00"},
                 {16, 127, "2.50"}, {16, 128, "0.00"}});
}

// Option box 4 of the long screen (0:238 father, 0:255 mother) shows the
// Ohio credit it subtracts.
TEST_F(ShortFormTest, OhioCreditOfOptionBoxFour) {
    store->SoleDadOhioChildCredit = 1234.5;
    store->SoleMomOhioChildCredit = 99;
    Set({{0, 238, "X"}, {0, 255, ""}});
    Build();
    ExpectSlots({{15, 126, "X"}, {15, 127, "1,234.50"}, {15, 128, ""}});
    Set({{0, 238, ""}, {0, 255, "X"}});
    Build();
    ExpectSlots({{15, 126, "X"}, {15, 127, ""}, {15, 128, "99.00"}});
    Set({{0, 238, ""}, {0, 255, ""}});
    Build();
    ExpectSlots({{15, 126, ""}, {15, 127, ""}, {15, 128, ""}});
}

TEST_F(ShortFormTest, SoleResidentialParentChosen) {
    for (auto [box4, box5, expected] : {std::tuple{"X", "", "X"}, {"", "X", "X"}, {"", "", ""}}) {
        Set({{1, 4, box4}, {1, 5, box5}, {15, 244, "stale"}});
        Build();
        EXPECT_EQ(Get(15, 244), expected);
    }
}

TEST_F(ShortFormTest, OhioCreditBoxesClearedBeforeTheCopies) {
    Set({{15, 189, "stale"}, {15, 190, "stale"}, {3, 44, "X"}});
    Build();
    ExpectSlots({{15, 189, "X"}, {15, 190, ""}});
}

// Each Yes/No text of page 15 tells about its box as just copied from page 6.
TEST_F(ShortFormTest, YesNoTextsOfTheCopiedBoxes) {
    struct Pair {
        int yesNo, box;
        SlotRef source;
    };
    const Pair pairs[] = {
        {218, 217, {6, 4}},  {219, 245, {6, 52}}, {223, 222, {6, 7}},  {224, 246, {6, 53}},
        {226, 225, {6, 8}},  {227, 247, {6, 54}}, {229, 228, {6, 9}},  {230, 248, {6, 55}},
        {234, 233, {6, 11}}, {235, 249, {6, 56}}, {239, 238, {6, 13}}, {240, 99, {6, 57}},
        {242, 241, {6, 50}}, {243, 101, {6, 51}},
    };
    for (int pattern : {0, 1}) {
        for (size_t i = 0; i < std::size(pairs); ++i)
            Set(pairs[i].source.page, pairs[i].source.slot, i % 2 == static_cast<size_t>(pattern) ? "X" : "");
        Build();
        for (size_t i = 0; i < std::size(pairs); ++i) {
            const bool ticked = i % 2 == static_cast<size_t>(pattern);
            EXPECT_EQ(Get(15, pairs[i].box), ticked ? "X" : "") << pairs[i].box;
            EXPECT_EQ(Get(15, pairs[i].yesNo), ticked ? "Yes" : "No") << pairs[i].yesNo;
        }
    }
}

// The mother's box 6:51 is the short form's box 15:101 both ways; 15:251
// plays no part.
TEST_F(ShortFormTest, MothersBoxLivesInSlot101) {
    Set(6, 51, "X");
    Build();
    ExpectSlots({{15, 101, "X"}, {15, 243, "Yes"}});
    Set({{15, 101, ""}, {15, 251, "X"}});
    SoleShortToCalc(*store);
    EXPECT_EQ(Get(6, 51), "");
    Set(15, 101, "X");
    SoleShortToCalc(*store);
    EXPECT_EQ(Get(6, 51), "X");
}

// ---- Decree table -------------------------------------------------------------------

struct DecreeCase {
    const char* name;
    int splitObligor;
    std::vector<SlotText> given;
    std::vector<SlotText> expected;
    std::vector<int> errors = {};
};
void PrintTo(const DecreeCase& c, std::ostream* os) { *os << c.name; }

class DecreeTable : public ShortFormTest, public ::testing::WithParamInterface<DecreeCase> {};

TEST_P(DecreeTable, MatchesTheFiguresWorkedOutByHand) {
    const DecreeCase& c = GetParam();
    store->SplitObligor = c.splitObligor;
    Set(c.given);
    Build();
    ExpectSlots(c.expected);
    EXPECT_EQ(errors.Codes(), c.errors);
}

const DecreeCase kDecreeCases[] = {
    {"SplitFatherPaysTwoChildrenWithTheMother", 1,
     {{8, 4, "2"}, {8, 5, "1"}, {14, 24, "10,400.00"}, {14, 25, "5,200.00"}, {14, 8, "1,040.00"},
      {14, 4, "0.02"}, {14, 5, ""}, {16, 269, "stale"}},
     {
         // Column I, k = 2; charge 0.02 x 10,400 = 208.
         {16, 129, "100.00"}, {16, 269, ""}, {16, 130, "2.00"}, {16, 131, "102.00"},   // 10,400 / 52 / 2
         {16, 132, "200.00"}, {16, 270, ""}, {16, 133, "4.00"}, {16, 134, "204.00"},
         {16, 135, "433.33"}, {16, 271, ""}, {16, 136, "8.67"}, {16, 137, "442.00"},   // 10,400 / 12 / 2
         {16, 138, "866.67"}, {16, 272, ""}, {16, 139, "17.33"}, {16, 140, "884.00"},  // 10,400 / 12
         // Column II; charge 0.02 x (5,200 + 1,040) = 124.80.
         {16, 141, "50.00"}, {16, 273, "10.00"}, {16, 142, "1.20"}, {16, 143, "61.20"},
         {16, 144, "100.00"}, {16, 274, "20.00"}, {16, 145, "2.40"}, {16, 146, "122.40"},
         {16, 147, "216.67"}, {16, 275, "43.33"}, {16, 148, "5.20"}, {16, 149, "265.20"},
         {16, 150, "433.33"}, {16, 276, "86.67"}, {16, 151, "10.40"}, {16, 152, "530.40"},
     }},
    {"SplitMotherPaysDividesByTheChildrenWithTheFather", 2,
     {{8, 4, "1"}, {8, 5, "4"}, {14, 24, "10,400.00"}, {14, 4, "0"}, {14, 5, ""}},
     {{16, 129, "50.00"}, {16, 130, "0.00"}, {16, 131, "50.00"}, {16, 135, "216.67"}}},  // 10,400 / 52 / 4
    {"FlatFeeWithoutRate", 1,
     {{1, 2, "2"}, {6, 23, "5,200.00"}, {6, 24, "5,200.00"}, {6, 46, ""}, {6, 27, "0"}, {6, 28, "3.00"}},
     {
         // Annual charge 3.00 x 12 = 36 in both columns.
         // 36 / 104, 36 / 52, 36 / 24, 36 / 12
         {15, 130, "0.35"}, {15, 133, "0.69"}, {15, 136, "1.50"}, {15, 139, "3.00"},
         {15, 132, "100.00"}, {15, 134, "100.69"}, {15, 138, "433.33"}, {15, 140, "436.33"},
         {15, 142, "0.35"}, {15, 145, "0.69"}, {15, 148, "1.50"}, {15, 151, "3.00"},
         {15, 274, "0.00"}, {15, 152, "436.33"},
     }},
    // When both are entered the flat fee is used, as on the worksheet's
    // processing charge lines: 5.00 a month, not 2 % of 1,000.00 = 20.00.
    {"FlatFeeWinsOverTheRate", 1,
     {{8, 4, "1"}, {14, 24, "12,000.00"}, {14, 25, "12,000.00"}, {14, 8, ""},
      {14, 4, "0.02"}, {14, 5, "5.00"}},
     {{16, 138, "1,000.00"}, {16, 139, "5.00"}, {16, 140, "1,005.00"},
      {16, 150, "1,000.00"}, {16, 151, "5.00"}, {16, 152, "1,005.00"}}},
    // Sole/shared: rate 0.02; column I 12,000 -> monthly 1,000.00 + 20.00;
    // column II 6,000 + cash medical 1,200 -> charge 0.02 x 7,200 = 144.
    {"SoleSharedRate", 1,
     {{1, 2, "1"}, {6, 23, "12,000.00"}, {6, 24, "6,000.00"}, {6, 46, "1,200.00"},
      {6, 27, "0.02"}, {6, 28, ""}},
     {{15, 138, "1,000.00"}, {15, 139, "20.00"}, {15, 140, "1,020.00"},
      {15, 144, "115.38"}, {15, 274, "23.08"}, {15, 145, "2.77"}, {15, 146, "141.23"},  // /52
      {15, 150, "500.00"}, {15, 276, "100.00"}, {15, 151, "12.00"}, {15, 152, "612.00"}}},
    // 100 / 12 = 8.333 twice: the total adds the texts 8.33 + 8.33 = 16.66,
    // not the exact 16.67; weekly 1.92 + 1.92 = 3.84, not 3.85.
    {"TotalsAddTheRoundedTexts", 1,
     {{1, 2, "1"}, {6, 23, "0"}, {6, 24, "100.00"}, {6, 46, "100.00"}, {6, 27, "0"}, {6, 28, ""}},
     {{15, 150, "8.33"}, {15, 276, "8.33"}, {15, 151, "0.00"}, {15, 152, "16.66"},
      {15, 144, "1.92"}, {15, 274, "1.92"}, {15, 146, "3.84"}}},
    // A negative cash medical figure is still column II's amount: only
    // column I leaves its cash medical slots empty.  -627 / 52 / 2 = -6.03.
    {"NegativeCashMedicalIsShownInColumnII", 1,
     {{8, 4, "2"}, {14, 24, "5,200.00"}, {14, 25, "5,200.00"}, {14, 8, "-627.00"}, {14, 4, "0"}, {14, 5, ""}},
     {{16, 141, "50.00"}, {16, 273, "-6.03"}, {16, 142, "0.00"}, {16, 143, "43.97"},
      {16, 274, "-12.06"}, {16, 146, "87.94"}, {16, 275, "-26.13"}, {16, 276, "-52.25"}, {16, 152, "381.08"},
      {16, 269, ""}, {16, 131, "50.00"}}},
    // No children: error 9999 once, the per-child rows equal the whole rows,
    // and the number stays as the worksheet was worked out for it (a "1"
    // written here would show a number the figures were not computed with).
    {"NoChildrenOnTheSoleSharedShortForm", 1,
     {{1, 2, ""}, {6, 23, "5,200.00"}, {6, 27, "0"}},
     {{15, 2, ""}, {1, 2, ""}, {15, 129, "100.00"}, {15, 132, "100.00"}},
     {9999}},
    {"NoChildrenWithTheMotherOnTheSplitShortForm", 1,
     {{8, 4, "0"}, {8, 5, "2"}, {14, 24, "5,200.00"}, {14, 4, "0"}},
     {{16, 4, "0"}, {16, 5, "2"}, {16, 129, "100.00"}, {16, 132, "100.00"}},
     {9999}},
};

INSTANTIATE_TEST_SUITE_P(Cases, DecreeTable, ::testing::ValuesIn(kDecreeCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quill10
