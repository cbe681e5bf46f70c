// Filling the page templates: the variable codes, escaping of answers,
// the check font, tab-position files and joining pages.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "calc/Conversions.h"
#include "print/RtfText.h"
#include "print/TemplateFiller.h"
#include "store/Answers.h"

namespace quill10 {
namespace {

// A template head with Wingdings as font 10, body size 20 and the marker.
constexpr const char* kHead =
    "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}{\\f4\\fswiss Arial;}{\\f10\\fnil\\fcharset2 Wingdings;}}"
    "{\\colortbl;\\red0\\green0\\blue0;\\red200\\green0\\blue0;}\\'b7\\pard\\fs20 ";

class FillerTest : public ::testing::Test {
protected:
    FillerTest() {
        for (int page : {1, 2, 3, 5, 6, 15, 32}) test::WriteWholeFile(Tabs("PAGE" + std::to_string(page) + ".DAT"), "");
    }
    std::string Tabs(const std::string& name) const { return folder.File(name); }
    TemplateFolders Folders() const { return {folder.Path().string(), folder.Path().string()}; }

    // The body of page N filled: the text after kHead, before the final "}".
    std::string Filled(int page, const std::string& body) {
        std::string text = std::string(kHead) + body + "}";
        TemplateFiller filler(store, Folders(), state);
        filler.FillPage(page, text);
        EXPECT_EQ(text.compare(0, std::string(kHead).size(), kHead), 0);
        return text.substr(std::string(kHead).size(), text.size() - std::string(kHead).size() - 1);
    }

    test::ScratchFolder folder;
    TAnswer store;
    FillState state;
    test::ErrorRecorder errors;
    test::FixedToday today;
};

struct VariableCase {
    const char* label;
    int page, slot;
    const char* answer;
    bool overridden;
    const char* body;
    const char* filled;
};

TEST_F(FillerTest, VariableCodesPrintTheirAnswers) {
    const VariableCase cases[] = {
        {"money", 3, 7, "12345.6", false, "[/$7/]", "[   12,345.60]"},
        {"money in brackets", 3, 7, "(1,200)", false, "[/$7/]", "[   -1,200.00]"},
        {"money empty", 3, 7, "", false, "[/$7/]", "[        0.00]"},
        {"money on the scheduler page, empty", 32, 7, "", false, "[/$7/]", "[]"},
        {"money overridden", 2, 13, "$1,234.5", true, "/$13/", "\\cf1     1,234.50\\cf0 "},
        {"percentage", 5, 20, "0.145", false, "/%20/", "14.50%"},
        {"percentage on the scheduler page", 32, 20, "9", false, "/%20/", " 9.00%"},
        {"percentage never coloured", 5, 20, "0.02", true, "/%20/", " 2.00%"},
        {"number", 2, 5, "12.5", true, "[/@5/]", "[   12.50]"},
        {"number on the scheduler page, empty", 32, 5, "", false, "[/@5/]", "[]"},
        {"ticked box", 1, 3, "X", false, "/&3/", "\\f10 \\fs24 \\uc1\\u9746?\\fs20\\f0 "},
        {"lower-case x is no tick", 1, 3, "x", false, "/&3/", "\\f10 \\fs24 \\uc1\\u9744?\\fs20\\f0 "},
        {"empty box on page 6", 6, 3, "", true, "/&3/", "\\f10 \\fs21 \\uc1\\u9744?\\fs20\\f0 "},
        {"ticked box on the short form", 15, 3, "X", false, "/&3/", "\\f10 \\fs21 \\uc1\\u9746?\\fs20\\f4 "},
        {"date", 2, 3, "3/7/2019", false, "/^3/", "March 7, 2019"},
        {"date overridden", 2, 3, "12/25/2020", true, "/^3/", "\\cf1 December 25, 2020\\cf0 "},
        {"no date", 2, 3, "soon", false, "/^3/", "soon"},
        {"text", 1, 50, "Paul Jones", false, "/*50/", "Paul Jones"},
        {"text overridden", 6, 39, "P. Jones", true, "/*39/", "\\cf1 P. Jones\\cf0 "},
        {"text code #", 1, 50, "Paul", true, "/#50/", "\\cf1 Paul\\cf0 "},
        {"text code +", 1, 50, "Paul", false, "/+50/", "Paul"},
        {"text code <", 1, 50, "Paul", false, "/<50/", "Paul"},
        {"one-digit slot", 1, 1, "DR-1", false, "a/*1/b", "aDR-1b"},
        {"three-digit slot", 15, 250, "Anna", false, "a/*250/b", "aAnnab"},
        {"variable wrapped over two lines", 3, 12, "5", false, "/$1\r\n2/.", "        5.00."},
        {"variable wrapped after its code", 3, 12, "5", false, "/$\r\n12/.", "        5.00."},
        {"a date in the text is no variable", 1, 5, "X", false, "1/5/2019", "1/5/2019"},
        {"a slash and no code", 1, 7, "X", false, "a /x7/ b", "a /x7/ b"},
        {"a code and no digit", 1, 7, "X", false, "and/*or/", "and/*or/"},
        {"four digits are no variable", 15, 250, "X", false, "/*2500/", "/*2500/"},
        {"inserted text is not scanned again", 1, 50, "/*51/", false, "/*50/", "/*51/"},
    };
    for (const VariableCase& c : cases) {
        SCOPED_TRACE(c.label);
        store.SetText(c.page, c.slot, c.answer);
        store.SetOvRide(c.page, c.slot, c.overridden);
        EXPECT_EQ(Filled(c.page, c.body), c.filled);
        store.SetText(c.page, c.slot, "");
        store.SetOvRide(c.page, c.slot, false);
    }
    EXPECT_TRUE(errors.Codes().empty());
}

TEST_F(FillerTest, AnAmountThatIsNoNumberPrintsAsZeroAfterItsError) {
    store.SetText(3, 7, "abc");
    store.SetText(3, 8, "ten");
    EXPECT_EQ(Filled(3, "/$7/|/%8/"), "        0.00| 0.00%");
    EXPECT_EQ(errors.Codes(), (std::vector<int>{21202, 21182}));
}

TEST_F(FillerTest, CheckBoxesKeepTheFontSizeTheScanLastPassed) {
    store.SetText(1, 3, "X");
    EXPECT_EQ(Filled(1, "{\\fs28 /&3/}\\fs18 /&3/"),
              "{\\fs28 \\f10 \\fs24 \\uc1\\u9746?\\fs28\\f0 }\\fs18 \\f10 \\fs24 \\uc1\\u9746?\\fs18\\f0 ");
    EXPECT_EQ(state.fontSize, 18);  // carried on to the next page and print job
}

TEST_F(FillerTest, AnswersCannotInjectRtf) {
    store.SetText(1, 50, "{\\b} Zo\xC3\xAB");
    EXPECT_EQ(Filled(1, "/*50/"), "\\{\\\\b\\} Zo\\uc1 \\u235?");
}

TEST(RtfEscape, WritesEveryCharacterAsTyped) {
    const struct {
        const char* text;
        const char* escaped;
    } cases[] = {
        {"plain 1,234.50", "plain 1,234.50"},
        {"a\\b{c}", "a\\\\b\\{c\\}"},
        {"Zo\xC3\xAB M\xC3\xBCller", "Zo\\uc1 \\u235? M\\u252?ller"},
        {"\xE2\x82\xAC 5", "\\uc1 \\u8364? 5"},
        {"\xEF\xBC\xA1", "\\uc1 \\u-223?"},                         // U+FF21 above 32767
        {"\xF0\x9F\x98\x80", "\\uc1 \\u-10179?\\u-8704?"},          // U+1F600 as surrogates
        {"bad \xFF byte", "bad \\uc1 \\u-3? byte"},                  // malformed: U+FFFD
        {"\xC0\xAF", "\\uc1 \\u-3?"},                                 // overlong "/"
        {"tab\there\r\nline", "tab\\tab here  line"},
    };
    for (const auto& c : cases) EXPECT_EQ(RtfEscape(c.text), c.escaped) << c.text;
}

TEST(FindCheckFont, FindsTheWingdingsEntryOfTheFontTable) {
    const struct {
        const char* text;
        const char* font;
    } cases[] = {
        {"{\\fonttbl{\\f0 Arial;}{\\f10\\fnil\\fcharset2 Wingdings;}}", "\\f10 "},
        {"{\\fonttbl{\\f0 Arial;}{\\f123\\fnil Wingdings 2;}}", "\\f123 "},
        {"{\\fonttbl{\\f0 Arial;}{\\f2\\fnil WINGDINGS;}} Wingdings", "\\f2 "},
        {"{\\fonttbl{\\f0 Arial;}{\\f1 Symbol;}}", ""},
        {"{\\fonttbl{\\f0 Arial;}{\\f2 wingdings;}}", ""},  // the word must be spelt Wingdings somewhere
        {"{\\fonttbl{\\f0 Arial;}}\\f3 Wingdings;", ""},     // outside the font table
        {"\\f3 Wingdings;", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(FindCheckFont(c.text), c.font) << c.text;
}

TEST_F(FillerTest, NoWingdingsEntryMeansNoFontSwitch) {
    std::string text = "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\'b7\\fs20 /&3/}";
    store.SetText(1, 3, "X");
    TemplateFiller(store, Folders(), state).FillPage(1, text);
    EXPECT_EQ(text, "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\'b7\\fs20 \\fs24 \\uc1\\u9746?\\fs20\\f0 }");
}

TEST_F(FillerTest, TabPositionsAreReadAndScaled) {
    test::WriteWholeFile(Tabs("PAGE4.DAT"), "0 1 0 0.0 1.0 100.5 0\r\n1 4 0 0.0 1440 2.5 0\n  2  2 3 1.5 2.0 7 1 \n");
    TabPositions tabs = LoadTabPositions(folder.Path().string(), 4);
    EXPECT_EQ(tabs.positions, (std::vector<double>{100.5, 3600, 7}));
    EXPECT_FALSE(tabs.unreadable);
    EXPECT_TRUE(tabs.problem.empty());
    EXPECT_TRUE(errors.Codes().empty());

    std::string lines;
    for (int k = 0; k < 700; ++k) lines += std::to_string(k) + " 1 0 0 1 " + std::to_string(k) + " 0\n";
    test::WriteWholeFile(Tabs("PAGE4.DAT"), lines);
    EXPECT_EQ(LoadTabPositions(folder.Path().string(), 4).positions.size(), 601u);
}

TEST_F(FillerTest, AnUnreadableTabFileLeavesThePageUnfilledAndIsAProblem) {
    test::WriteWholeFile(Tabs("PAGE3.DAT"), "0 1 0 0.0 1.0 100 0\r\nslot seven\r\n");
    store.SetText(3, 7, "5");
    std::string text = std::string(kHead) + "/$7/}";
    TemplateFiller filler(store, Folders(), state);
    filler.FillPage(3, text);
    EXPECT_EQ(text, std::string(kHead) + "/$7/}");
    EXPECT_EQ(errors.Codes(), std::vector<int>{kErrTabFileLine});
    ASSERT_EQ(filler.Problems().size(), 1u);
    EXPECT_NE(filler.Problems()[0].find(Tabs("PAGE3.DAT") + " is damaged: line 2"), std::string::npos)
        << filler.Problems()[0];
}

// A template that is cut short, closes a group too many, is empty or lacks
// its page marker is damaged: it is refused when it is read, naming the fault.
TEST(TemplateDamage, NamesWhatIsWrongWithATemplate) {
    const struct {
        const char* text;
        const char* damage;  // "" for a sound template
    } cases[] = {
        {"{\\rtf1{\\fonttbl{\\f0 Arial;}}\\'b7 body /*1/\r\n}\r\n", ""},
        {"{\\rtf1 braces as text \\{ \\} and a backslash \\\\ \\'b7}", ""},
        {"", "it is empty"},
        {" \r\n", "it is empty"},
        {"Page 1 of the worksheet \\'b7", "not an RTF document"},
        {"{\\rtf1{\\fonttbl{\\f0 Arial;}}\\'b7 body /*1/", "1 group still open"},
        {"{\\rtf1 \\'b7 body}}", "closes more groups"},
        {"{\\rtf1 body without a marker}", "no \\'b7 marker"},
    };
    for (const auto& c : cases) {
        const std::string damage = TemplateDamage(c.text);
        if (std::string(c.damage).empty()) EXPECT_EQ(damage, "") << c.text;
        else EXPECT_NE(damage.find(c.damage), std::string::npos) << c.text << ": " << damage;
    }
}

TEST_F(FillerTest, AMissingTabFileIsReportedByNameAndThePageFilled) {
    std::string text = std::string(kHead) + "/*1/}";
    store.SetText(4, 1, "DR-1");
    TemplateFiller filler(store, Folders(), state);
    filler.FillPage(4, text);
    EXPECT_NE(text.find("DR-1"), std::string::npos);
    ASSERT_EQ(filler.Problems().size(), 1u);
    EXPECT_NE(filler.Problems()[0].find(Tabs("PAGE4.DAT")), std::string::npos) << filler.Problems()[0];
}

// A list field prints the text its list shows on screen, never the
// position it stores: for every printed list field, nothing chosen, the
// first and the last item, after the field's way through the transfer and
// the calculation, as the window takes it.
TEST_F(FillerTest, ListFieldsPrintWhatTheScreenShows) {
    const struct {
        const char* field;
        int screenPage, screenSlot;  // the list on screen
        int printedPage, printedSlot;
        const char* value;  // the position stored
        const char* printed;
    } cases[] = {
        {"estimator's paid, father", 0, 203, 1, 13, "-1", ""},
        {"estimator's paid, father", 0, 203, 1, 13, "0", "Daily"},
        {"estimator's paid, father", 0, 203, 1, 13, "6", "Biannually"},
        {"estimator's paid, father, on a new case", 0, 203, 1, 13, "", "Daily"},
        {"estimator's paid, mother", 0, 207, 1, 14, "-1", ""},
        {"estimator's paid, split father", 7, 203, 8, 16, "-1", ""},
        {"estimator's paid, split mother", 7, 207, 8, 17, "6", "Biannually"},
        {"short form filing status, father", 15, 205, 15, 205, "-1", ""},
        {"short form filing status, father", 15, 205, 15, 205, "0", "Single"},
        {"short form filing status, mother", 15, 206, 15, 206, "4", "Qualifying Widower"},
        {"split short form filing status", 16, 205, 16, 205, "-1", ""},
        {"split short form filing status", 16, 206, 16, 206, "4", "Qualifying Widower"},
    };
    for (const auto& c : cases) {
        std::unique_ptr<TAnswer> answers = test::NewStore();
        answers->SetText(c.screenPage, c.screenSlot, c.value);
        TransferScreenToCalc(*answers, c.screenPage);
        answers->Calculate();
        TransferCalcToScreen(*answers, c.screenPage);
        // The installed template prints the slot as text ...
        const std::string page = test::ReadWholeFile(test::ProgramFolder() + "/RTF/Page" + std::to_string(c.printedPage) + ".rtf");
        EXPECT_NE(page.find("/*" + std::to_string(c.printedSlot) + "/"), std::string::npos) << c.field;
        // ... and the text is the item the list shows.
        std::string text = std::string(kHead) + "[/*" + std::to_string(c.printedSlot) + "/]}";
        TemplateFiller(*answers, Folders(), state).FillPage(c.printedPage, text);
        EXPECT_EQ(text, std::string(kHead) + "[" + c.printed + "]}") << c.field << " at " << c.value;
    }
}

class JoinTest : public FillerTest {
protected:
    void Template(int page, const std::string& text) {
        test::WriteWholeFile(folder.File("Page" + std::to_string(page) + ".rtf"), text);
    }
};

TEST_F(JoinTest, AppendedPagesLoseTheirHeadAndShareOneClosingBrace) {
    Template(1, "{\\rtf1 head\\'b7 one /*50/\n}\n");
    Template(2, "{\\rtf1 head2\\'b7 two /*1/\r\n} \r\n");
    Template(3, "{\\rtf1 head3\\'b7 three}");
    store.SetText(1, 50, "Paul");
    store.SetText(2, 1, "Anna");
    TemplateFiller filler(store, Folders(), state);
    std::string document;
    ASSERT_TRUE(filler.FirstPage(1, document));
    EXPECT_EQ(document, "{\\rtf1 head\\'b7 one Paul\r\n}\r\n");
    ASSERT_TRUE(filler.AppendPage(2, document));  // opened as PAGE2.RTF
    ASSERT_TRUE(filler.AppendPage(3, document));
    EXPECT_EQ(document, "{\\rtf1 head\\'b7 one Paul\r\n\\page  two Anna\r\n\\page  three}");
    EXPECT_TRUE(filler.Problems().empty());
}

TEST_F(JoinTest, PagesThatCannotBeJoinedAreReportedAndLeftOut) {
    Template(1, "{\\rtf1 head\\'b7 one}\r\n");
    Template(2, "{\\rtf1 no marker here}\r\n");
    Template(3, "{\\rtf1 head\\'b7 cut short {\\b\r\n");
    TemplateFiller filler(store, Folders(), state);
    std::string document;
    ASSERT_TRUE(filler.FirstPage(1, document));
    EXPECT_FALSE(filler.AppendPage(2, document));
    EXPECT_FALSE(filler.AppendPage(3, document));
    EXPECT_FALSE(filler.AppendPage(5, document));
    EXPECT_EQ(document, "{\\rtf1 head\\'b7 one}\r\n");
    ASSERT_EQ(filler.Problems().size(), 3u);
    EXPECT_NE(filler.Problems()[0].find("Page2.rtf is damaged"), std::string::npos) << filler.Problems()[0];
    EXPECT_NE(filler.Problems()[0].find("marker"), std::string::npos) << filler.Problems()[0];
    EXPECT_NE(filler.Problems()[1].find("Page3.rtf is damaged"), std::string::npos) << filler.Problems()[1];
    EXPECT_NE(filler.Problems()[1].find("cut short"), std::string::npos) << filler.Problems()[1];
    EXPECT_NE(filler.Problems()[2].find("Page5.rtf"), std::string::npos) << filler.Problems()[2];
}

}  // namespace
}  // namespace quill10
