// The answer store: pages, slot counts, defaults and override flags; the
// error catalogue.
#include <gtest/gtest.h>

#include <map>

#include "TestSupport.h"
#include "store/AnswerChanges.h"
#include "store/Answers.h"
#include "store/CreateErrorStr.h"
#include "store/Misc.h"

namespace quill10 {
namespace {

TEST(AnswerStore, PagesHaveTheirSlotCounts) {
    TAnswer store;
    EXPECT_EQ(store.List(0).size(), 301u);
    EXPECT_EQ(store.List(7).size(), 301u);
    EXPECT_EQ(store.List(15).size(), 301u);
    EXPECT_EQ(store.List(16).size(), 301u);
    EXPECT_EQ(store.List(32).size(), 576u);
    EXPECT_EQ(store.List(52).size(), 576u);
    EXPECT_EQ(store.List(1).size(), 101u);
    EXPECT_EQ(store.List(59).size(), 101u);
    EXPECT_TRUE(store.HasSlot(32, 575));
    EXPECT_TRUE(store.HasSlot(0, 300));
    EXPECT_FALSE(store.HasSlot(1, 101));
    EXPECT_FALSE(store.HasSlot(60, 0));
}

TEST(AnswerStore, FreshStoreHoldsOnlyTheDefaults) {
    TAnswer store;
    const std::map<std::pair<int, int>, std::string> defaults = {
        {{1, 100}, "0"}, {{1, 2}, "1"},   {{1, 6}, "X"},   {{1, 13}, "1"},  {{1, 14}, "1"},    {{3, 6}, "1"},
        {{3, 12}, "X"},  {{3, 25}, "X"},  {{3, 47}, "1"},  {{4, 10}, "X"},  {{4, 25}, "X"},    {{6, 27}, "0.02"},
        {{8, 2}, "2"},   {{8, 4}, "1"},   {{8, 5}, "1"},   {{8, 16}, "1"},  {{8, 17}, "1"},    {{10, 6}, "1"},
        {{10, 12}, "X"}, {{10, 18}, "1"}, {{11, 15}, "X"}, {{11, 37}, "X"}, {{11, 40}, "X"},   {{14, 4}, "0.02"},
    };
    for (int page = 0; page < kPageCount; ++page) {
        for (int slot = 0; slot <= LastSlot(page); ++slot) {
            auto it = defaults.find({page, slot});
            ASSERT_EQ(store.Text(page, slot), it == defaults.end() ? "" : it->second) << page << ":" << slot;
            ASSERT_FALSE(store.OvRide(page, slot)) << page << ":" << slot;
        }
    }
    EXPECT_EQ(store.SharedObligor, 0);
    EXPECT_FALSE(store.CalcFlag);
    EXPECT_DOUBLE_EQ(store.VersionNo, 10.14);
}

TEST(AnswerStore, TextAndFlagAreIndependentAndCopiesCarryBoth) {
    TAnswer store;
    store.SetOvRide(1, 29, true);
    store.SetText(1, 29, "500.00");
    EXPECT_TRUE(store.OvRide(1, 29));
    store.SetText(1, 29, "600.00");
    EXPECT_TRUE(store.OvRide(1, 29));
    store.CopyPage(1, 18, 100);
    EXPECT_EQ(store.Text(18, 29), "600.00");
    EXPECT_TRUE(store.OvRide(18, 29));
    EXPECT_EQ(store.Text(18, 6), "X");
}

// The changes between two states of the store, packed, put either state
// back exactly: texts short and long, emptied and filled, flags set and
// cleared, on the first and the last page.
TEST(AnswerStore, ChangesPutEitherStateBack) {
    const auto original = [](TAnswer& store) {
        store.SetText(0, 1, "Paul Jones");
        store.SetText(1, 29, "500.00");
        store.SetText(59, LastSlot(59), "a text far longer than any string keeps inside itself");
        store.SetOvRide(6, 23, true);
    };
    const auto changed = [&](TAnswer& store) {
        original(store);
        store.SetText(0, 1, "");
        store.SetText(1, 29, "1,234,567.89");
        store.SetText(59, LastSlot(59), "short");
        store.SetText(3, 7, std::string(300, 'x'));
        store.SetOvRide(6, 23, false);
        store.SetOvRide(1, 29, true);
    };
    const auto text = [](const TAnswer& store) {
        std::string all;
        for (int page = 0; page < kPageCount; ++page)
            for (int slot = 0; slot <= LastSlot(page); ++slot)
                all += store.Text(page, slot) + (store.OvRide(page, slot) ? "*\n" : "\n");
        return all;
    };
    TAnswer before, after, store;
    original(before);
    changed(after);
    changed(store);
    const SlotChanges changes = AnswersSnapshot(before).ChangesTo(after);
    EXPECT_EQ(changes.Count(), 5u);
    changes.Apply(store, true);
    EXPECT_EQ(text(store), text(before));
    changes.Apply(store, false);
    EXPECT_EQ(text(store), text(after));
    EXPECT_TRUE(AnswersSnapshot(after).ChangesTo(after).Empty());
}

TEST(AnswerStore, SlotsOutsideAPageAreIgnored) {
    TAnswer store;
    store.SetText(1, 300, "lost");
    store.SetOvRide(1, 300, true);
    EXPECT_EQ(store.Text(1, 300), "");
    EXPECT_FALSE(store.OvRide(1, 300));
    EXPECT_EQ(store.Text(-1, 0), "");
}

TEST(ErrorCatalogue, CodesShowTheTextOfTheirMessageNumber) {
    struct Case {
        int code;
        std::string text;
    };
    const Case cases[] = {
        {11213, "1121-Error Opening A WQ7 File. "},
        {11214, "1121-Error Opening A WQ7 File. "},
        {21202, "2120-Str2Float_2. An error occurred while QUILL10 was converting an entry to a real number. "},
        {21212, "2121-Str2Int. An error occurred while QUILL10 was converting an entry to an integer number. "},
        {14010, "1401-A worksheet field could not be filled from the case. The page layout files may be damaged: "
                "reinstall QUILL10, or choose the installed layout folder under Options, Default Locations. "},
        {9999, "999-The number of children on the short form is 0, so the per-child figures of the decree table use 1 "
               "child. Enter the number of minor children in the caption of the worksheet. "},
        {19990, "Unidentified error -  1999"},
        {14000, "1400-"},
        {15010, "1501-The directory you chose does not exist."},
    };
    test::ErrorRecorder errors;
    for (const Case& c : cases) {
        ErrorMessage(c.code, "Answer2Components");
        ASSERT_FALSE(errors.Texts().empty());
        EXPECT_EQ(errors.Texts().back(), c.text) << c.code;
        EXPECT_EQ(errors.Codes().back(), c.code);
    }
}

TEST(ErrorCatalogue, EveryCodeTheProgramRaisesHasAText) {
    const int kRaised[] = {9999,  11010, 11080, 11213, 11214, 11240, 11243, 11533, 11540, 11550, 12040, 14010,
                           14020, 14030, 15010, 16050, 16200, 17010, 17040, 17050, 18034, 21011, 21060, 21070,
                           21122, 21182, 21192, 21202, 21212, 21400, 29040, 29237, 29247, 35010,
                           17060, 17070, 17080};
    for (int code : kRaised) {
        const std::string text = CreateErrorStr(MessageNumberOf(code));
        EXPECT_EQ(text.rfind(std::to_string(MessageNumberOf(code)) + "-", 0), 0u) << code << ": " << text;
        EXPECT_GT(text.size(), 12u) << code << ": " << text;
    }
}

TEST(ErrorCatalogue, EveryTextBeginsWithItsNumber) {
    for (int number = 1000; number < 4000; ++number) {
        std::string text = CreateErrorStr(number);
        if (text.rfind("Unidentified", 0) == 0) continue;
        EXPECT_EQ(text.rfind(std::to_string(number) + "-", 0), 0u) << text;
    }
}

}  // namespace
}  // namespace quill10
