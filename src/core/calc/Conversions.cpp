// Transfers between the screen pages and the calculation pages.
//
// The screen pages number their slots in screen order and the calculation
// pages in the order of the printed worksheet, so each transfer is a fixed
// list of slot pairs walked in order (a later write to the same slot wins).
// Most pairs move the answer's text, some its OvRide flag as well, and a
// few convert between the form the screen shows and the form the
// calculation reads.
#include "calc/Conversions.h"

#include "calc/ListChoices.h"

#include <iterator>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "calc/Worksheets.h"
#include "store/Answers.h"
#include "store/Misc.h"

namespace quill10 {

namespace {

// What a pair moves in one direction.
enum class Move : unsigned char {
    None,      // this direction leaves the pair alone
    Text,      // the answer's text
    TextFlag,  // the OvRide flag, then the text
    ConvA,     // line 1a amount -> the "Use this amount..." box (to the calculation only)
    ConvB,     // pay period index "0".."6" <-> the pay period's name
    ConvC,     // percentage on screen (2.5) <-> fraction on the calculation page (0.025)
    ConvD,     // line 17 method text <-> the Low, Interpolate and High boxes
    ConvE,     // $150,000 limit text <-> the limit box
    ConvF,     // one short-form box -> the father's and the mother's box (to the calculation only)
};

// The SharedObligor value a page 0 pair needs to be transferred at all.
constexpr int kAlways = -1;
constexpr int kFatherPays = 1;
constexpr int kMotherPays = 2;

constexpr int kLastScreenSlot = 300;
constexpr int kLastCalcSlot = 100;

struct ScreenSlots {
    int first, last;
};

// A slot range of one calculation page.  Conversion D: the Low box and the
// two boxes after it.  Conversion F: the father's box (first) and the
// mother's box (last).
struct CalcSlots {
    int page, first, last;
};

struct TransferPair {
    ScreenSlots screen;
    CalcSlots calc;
    Move toCalc;
    Move toScreen;
    int onlyWhen = kAlways;
};

using enum Move;

// Sole/shared long form: screen page 0 and calculation pages 1-6.
constexpr TransferPair kSoleLongPairs[] = {
    {{0, 1}, {1, 50, 51}, TextFlag, TextFlag},
    {{2, 3}, {1, 1, 2}, TextFlag, TextFlag},
    {{4, 4}, {1, 53, 53}, Text, Text},
    {{5, 7}, {1, 4, 6}, Text, Text},
    {{8, 9}, {1, 39, 40}, Text, Text},
    {{10, 11}, {1, 19, 20}, TextFlag, Text},
    {{12, 29}, {1, 21, 38}, TextFlag, TextFlag},
    {{30, 42}, {2, 4, 16}, TextFlag, TextFlag},
    {{43, 44}, {2, 41, 42}, TextFlag, TextFlag},
    {{45, 50}, {2, 23, 28}, TextFlag, TextFlag},
    {{51, 58}, {2, 33, 40}, TextFlag, TextFlag},
    {{59, 60}, {3, 4, 5}, TextFlag, TextFlag},
    {{61, 63}, {3, 8, 10}, TextFlag, TextFlag},
    {{66, 68}, {3, 14, 16}, TextFlag, TextFlag},
    {{69, 70}, {3, 45, 46}, TextFlag, TextFlag},
    {{71, 72}, {4, 4, 5}, TextFlag, TextFlag},
    {{73, 74}, {4, 8, 9}, TextFlag, TextFlag},
    {{75, 78}, {4, 13, 16}, TextFlag, TextFlag},
    {{79, 84}, {4, 19, 24}, TextFlag, TextFlag},
    {{85, 90}, {5, 4, 9}, TextFlag, TextFlag},
    {{91, 100}, {5, 12, 21}, TextFlag, TextFlag},
    {{101, 102}, {6, 21, 22}, TextFlag, TextFlag},
    {{103, 103}, {6, 14, 14}, TextFlag, TextFlag},
    {{104, 105}, {6, 25, 26}, TextFlag, TextFlag},
    {{106, 107}, {6, 23, 24}, TextFlag, TextFlag},
    {{108, 109}, {6, 44, 45}, TextFlag, TextFlag},
    {{110, 111}, {6, 47, 48}, TextFlag, TextFlag},
    {{112, 113}, {6, 29, 30}, TextFlag, TextFlag},
    {{114, 114}, {6, 46, 46}, TextFlag, TextFlag},
    {{115, 115}, {6, 34, 34}, TextFlag, TextFlag},
    {{116, 116}, {6, 31, 31}, TextFlag, TextFlag},
    {{117, 117}, {6, 35, 35}, TextFlag, TextFlag},
    {{118, 118}, {6, 49, 49}, TextFlag, TextFlag},
    {{120, 121}, {6, 32, 33}, TextFlag, TextFlag},
    {{122, 128}, {6, 36, 42}, TextFlag, TextFlag},
    {{129, 129}, {5, 22, 22}, TextFlag, TextFlag},
    {{201, 201}, {1, 9, 9}, Text, Text},
    {{202, 202}, {1, 11, 11}, Text, Text},
    {{205, 205}, {1, 10, 10}, Text, Text},
    {{206, 206}, {1, 12, 12}, Text, Text},
    {{209, 209}, {2, 17, 17}, Text, Text},
    {{210, 210}, {2, 19, 19}, Text, Text},
    {{211, 211}, {2, 21, 21}, Text, Text},
    {{213, 213}, {2, 18, 18}, Text, Text},
    {{214, 214}, {2, 20, 20}, Text, Text},
    {{215, 215}, {2, 22, 22}, Text, Text},
    {{217, 217}, {2, 29, 29}, TextFlag, TextFlag},
    {{220, 220}, {2, 30, 30}, TextFlag, TextFlag},
    {{222, 222}, {3, 17, 17}, Text, TextFlag},
    {{223, 223}, {3, 49, 49}, Text, TextFlag},
    {{224, 224}, {3, 19, 19}, TextFlag, TextFlag},
    {{225, 225}, {3, 42, 42}, Text, TextFlag},
    {{226, 226}, {3, 21, 21}, TextFlag, TextFlag},
    {{227, 227}, {3, 23, 23}, TextFlag, TextFlag},
    {{228, 228}, {3, 32, 32}, Text, TextFlag},
    {{229, 229}, {3, 34, 34}, TextFlag, TextFlag},
    {{230, 230}, {3, 36, 36}, TextFlag, TextFlag},
    {{232, 232}, {3, 40, 40}, Text, TextFlag},
    {{233, 235}, {3, 25, 27}, Text, TextFlag},
    {{236, 236}, {3, 29, 29}, Text, TextFlag},
    {{237, 237}, {3, 31, 31}, Text, TextFlag},
    {{238, 238}, {3, 44, 44}, Text, TextFlag},
    {{239, 239}, {3, 18, 18}, Text, TextFlag},
    {{240, 240}, {3, 50, 50}, Text, TextFlag},
    {{241, 241}, {3, 20, 20}, TextFlag, TextFlag},
    {{242, 242}, {3, 43, 43}, Text, TextFlag},
    {{243, 243}, {3, 22, 22}, TextFlag, TextFlag},
    {{244, 244}, {3, 24, 24}, TextFlag, TextFlag},
    {{245, 245}, {3, 33, 33}, Text, TextFlag},
    {{246, 246}, {3, 35, 35}, TextFlag, TextFlag},
    {{247, 247}, {3, 37, 37}, TextFlag, TextFlag},
    {{249, 249}, {3, 41, 41}, Text, TextFlag},
    {{250, 251}, {3, 55, 56}, Text, TextFlag},
    {{252, 252}, {3, 28, 28}, Text, TextFlag},
    {{253, 253}, {3, 30, 30}, Text, TextFlag},
    {{254, 255}, {3, 57, 58}, Text, TextFlag},
    {{260, 261}, {6, 4, 5}, Text, Text, kFatherPays},
    {{262, 264}, {6, 7, 9}, Text, Text, kFatherPays},
    {{266, 266}, {6, 11, 11}, Text, Text, kFatherPays},
    {{268, 268}, {6, 13, 13}, Text, Text, kFatherPays},
    {{269, 269}, {6, 50, 50}, Text, Text, kFatherPays},
    {{270, 270}, {6, 52, 52}, Text, Text, kMotherPays},
    {{271, 271}, {6, 6, 6}, Text, Text, kMotherPays},
    {{272, 274}, {6, 53, 55}, Text, Text, kMotherPays},
    {{276, 276}, {6, 56, 56}, Text, Text, kMotherPays},
    {{278, 278}, {6, 57, 57}, Text, Text, kMotherPays},
    {{279, 279}, {6, 51, 51}, Text, Text, kMotherPays},
    {{280, 281}, {6, 27, 28}, Text, Text},
    {{282, 282}, {6, 60, 60}, Text, Text, kFatherPays},
    {{283, 283}, {6, 61, 61}, Text, Text, kMotherPays},
    {{10, 11}, {1, 7, 8}, ConvA, None},
    {{203, 203}, {1, 13, 13}, ConvB, ConvB},
    {{207, 207}, {1, 14, 14}, ConvB, ConvB},
    {{218, 218}, {2, 31, 31}, ConvC, ConvC},
    {{221, 221}, {2, 32, 32}, ConvC, ConvC},
    {{64, 64}, {3, 11, 13}, ConvD, ConvD},
    {{65, 65}, {3, 51, 51}, ConvE, ConvE},
    {{265, 265}, {6, 10, 10}, ConvC, ConvC, kFatherPays},
    {{267, 267}, {6, 12, 12}, ConvC, ConvC, kFatherPays},
    {{275, 275}, {6, 58, 58}, ConvC, ConvC, kMotherPays},
    {{277, 277}, {6, 59, 59}, ConvC, ConvC, kMotherPays},
};

// Split long form: screen page 7 and calculation pages 8-14.
constexpr TransferPair kSplitLongPairs[] = {
    {{0, 1}, {8, 50, 51}, Text, Text},
    {{2, 3}, {8, 1, 2}, Text, Text},
    {{4, 5}, {8, 4, 5}, Text, Text},
    {{6, 15}, {8, 18, 27}, Text, Text},
    {{16, 17}, {8, 28, 29}, TextFlag, TextFlag},
    {{18, 21}, {8, 30, 33}, Text, Text},
    {{22, 23}, {8, 34, 35}, TextFlag, TextFlag},
    {{24, 25}, {8, 36, 37}, Text, Text},
    {{26, 38}, {9, 4, 16}, Text, Text},
    {{39, 40}, {9, 41, 42}, Text, Text},
    {{41, 42}, {9, 23, 24}, TextFlag, TextFlag},
    {{43, 46}, {9, 25, 28}, Text, Text},
    {{47, 48}, {9, 33, 34}, TextFlag, TextFlag},
    {{49, 54}, {9, 35, 40}, Text, Text},
    {{55, 56}, {10, 4, 5}, TextFlag, TextFlag},
    {{57, 59}, {10, 8, 10}, Text, Text},
    {{62, 62}, {10, 14, 14}, Text, TextFlag},
    {{63, 65}, {10, 15, 17}, Text, Text},
    {{66, 67}, {11, 33, 34}, TextFlag, TextFlag},
    {{68, 69}, {11, 35, 36}, Text, Text},
    {{70, 71}, {11, 41, 42}, TextFlag, TextFlag},
    {{72, 75}, {11, 45, 48}, Text, Text},
    {{76, 87}, {12, 4, 15}, Text, Text},
    {{88, 100}, {13, 4, 16}, Text, Text},
    {{101, 102}, {14, 26, 27}, Text, Text},
    {{103, 104}, {14, 24, 25}, Text, Text},
    {{105, 106}, {14, 21, 22}, Text, Text},
    {{107, 108}, {14, 28, 29}, Text, Text},
    {{109, 111}, {14, 6, 8}, Text, Text},
    {{112, 112}, {14, 11, 11}, Text, Text},
    {{113, 113}, {14, 23, 23}, Text, Text},
    {{114, 114}, {14, 12, 12}, Text, Text},
    {{115, 115}, {14, 30, 30}, Text, Text},
    {{117, 118}, {14, 9, 10}, Text, Text},
    {{119, 125}, {14, 13, 19}, Text, Text},
    {{201, 201}, {8, 12, 12}, Text, Text},
    {{202, 202}, {8, 14, 14}, Text, Text},
    {{203, 203}, {8, 16, 16}, ConvB, ConvB},
    {{205, 205}, {8, 13, 13}, Text, Text},
    {{206, 206}, {8, 15, 15}, Text, Text},
    {{207, 207}, {8, 17, 17}, ConvB, ConvB},
    {{209, 209}, {9, 17, 17}, Text, Text},
    {{210, 210}, {9, 19, 19}, Text, Text},
    {{211, 211}, {9, 21, 21}, Text, Text},
    {{213, 213}, {9, 18, 18}, Text, Text},
    {{214, 214}, {9, 20, 20}, Text, Text},
    {{215, 215}, {9, 22, 22}, Text, Text},
    {{217, 217}, {9, 29, 29}, TextFlag, TextFlag},
    {{220, 220}, {9, 30, 30}, TextFlag, TextFlag},
    {{222, 222}, {11, 5, 5}, Text, TextFlag},
    {{223, 223}, {11, 49, 49}, Text, TextFlag},
    {{224, 224}, {11, 7, 7}, TextFlag, TextFlag},
    {{225, 225}, {11, 9, 9}, Text, TextFlag},
    {{226, 226}, {11, 11, 11}, TextFlag, TextFlag},
    {{227, 227}, {11, 13, 13}, TextFlag, TextFlag},
    {{228, 228}, {11, 22, 22}, Text, TextFlag},
    {{229, 229}, {11, 24, 24}, TextFlag, TextFlag},
    {{230, 230}, {11, 26, 26}, TextFlag, TextFlag},
    {{231, 231}, {11, 28, 28}, Text, None},
    {{232, 232}, {11, 30, 30}, Text, TextFlag},
    {{233, 235}, {11, 15, 17}, Text, TextFlag},
    {{236, 236}, {11, 19, 19}, Text, TextFlag},
    {{237, 237}, {11, 21, 21}, Text, TextFlag},
    {{238, 238}, {11, 32, 32}, Text, TextFlag},
    {{239, 239}, {11, 6, 6}, Text, TextFlag},
    {{240, 240}, {11, 50, 50}, Text, TextFlag},
    {{241, 241}, {11, 8, 8}, TextFlag, TextFlag},
    {{242, 242}, {11, 10, 10}, Text, TextFlag},
    {{243, 243}, {11, 12, 12}, TextFlag, TextFlag},
    {{244, 244}, {11, 14, 14}, TextFlag, TextFlag},
    {{245, 245}, {11, 23, 23}, Text, TextFlag},
    {{246, 246}, {11, 25, 25}, TextFlag, TextFlag},
    {{247, 247}, {11, 27, 27}, TextFlag, TextFlag},
    {{248, 248}, {11, 29, 29}, Text, None},
    {{249, 249}, {11, 31, 31}, Text, TextFlag},
    {{250, 251}, {11, 51, 52}, Text, TextFlag},
    {{252, 252}, {11, 18, 18}, Text, TextFlag},
    {{253, 253}, {11, 20, 20}, Text, TextFlag},
    {{254, 255}, {11, 53, 54}, Text, TextFlag},
    {{280, 281}, {14, 4, 5}, Text, Text},
    // The household sizes of line 14, which the split screen offers beside
    // the poverty levels so that they can be seen and changed.
    {{290, 290}, {10, 6, 6}, Text, Text},
    {{291, 291}, {10, 18, 18}, Text, Text},
    {{6, 7}, {8, 6, 7}, ConvA, None},
    {{218, 218}, {9, 31, 31}, ConvC, ConvC},
    {{221, 221}, {9, 32, 32}, ConvC, ConvC},
    {{60, 60}, {10, 11, 13}, ConvD, ConvD},
    {{61, 61}, {10, 51, 51}, ConvE, ConvE},
};

// Sole/shared short form, page 15 to pages 1-6 (the way back is Calc15).
// Box 15:202 is copied as text into 3:31 and then converted into both
// parents' third option boxes.  The names go to the caption only: the
// deviation boxes 6:60 and 6:61 ("also erase cash medical support"), which
// the short form does not show, keep what the long screen set.
constexpr TransferPair kSoleShortPairs[] = {
    {{1, 2}, {1, 1, 2}, Text, None},
    {{4, 6}, {1, 4, 6}, Text, None},
    {{7, 16}, {1, 19, 28}, Text, None},
    {{17, 18}, {1, 29, 30}, TextFlag, None},
    {{19, 22}, {1, 31, 34}, Text, None},
    {{23, 24}, {1, 35, 36}, TextFlag, None},
    {{25, 26}, {1, 37, 38}, Text, None},
    {{27, 34}, {2, 4, 11}, Text, None},
    {{35, 38}, {2, 13, 16}, Text, None},
    {{39, 40}, {2, 23, 24}, TextFlag, None},
    {{41, 44}, {2, 25, 28}, Text, None},
    {{45, 46}, {2, 33, 34}, TextFlag, None},
    {{47, 52}, {2, 35, 40}, Text, None},
    {{53, 54}, {3, 4, 5}, TextFlag, None},
    {{55, 57}, {3, 8, 10}, Text, None},
    {{58, 60}, {3, 14, 16}, Text, None},
    {{61, 62}, {3, 45, 46}, TextFlag, None},
    {{63, 64}, {4, 4, 5}, Text, None},
    {{65, 66}, {4, 8, 9}, TextFlag, None},
    {{67, 70}, {4, 13, 16}, Text, None},
    {{71, 76}, {4, 19, 24}, Text, None},
    {{77, 82}, {5, 4, 9}, Text, None},
    {{83, 92}, {5, 12, 21}, Text, None},
    {{93, 94}, {6, 21, 22}, TextFlag, None},
    {{95, 96}, {6, 23, 24}, Text, None},
    {{97, 98}, {6, 29, 30}, Text, None},
    {{99, 99}, {6, 57, 57}, Text, None},
    {{100, 100}, {6, 46, 46}, Text, None},
    {{102, 102}, {6, 32, 32}, Text, None},
    {{155, 156}, {1, 39, 40}, Text, None},
    {{157, 158}, {2, 41, 42}, Text, None},
    {{159, 164}, {2, 17, 22}, Text, None},
    {{165, 166}, {2, 29, 30}, TextFlag, None},
    {{167, 168}, {2, 31, 32}, Text, None},
    {{169, 169}, {3, 7, 7}, TextFlag, None},
    {{170, 170}, {3, 48, 48}, TextFlag, None},
    {{171, 172}, {3, 52, 53}, Text, None},
    {{177, 178}, {3, 17, 18}, Text, None},
    {{179, 180}, {3, 49, 50}, Text, None},
    {{181, 182}, {3, 19, 20}, TextFlag, None},
    {{183, 184}, {3, 42, 43}, Text, None},
    {{185, 188}, {3, 21, 24}, TextFlag, None},
    {{189, 189}, {3, 44, 44}, Text, None},
    {{197, 198}, {3, 27, 28}, Text, None},
    {{200, 202}, {3, 29, 31}, Text, None},
    {{205, 206}, {3, 32, 33}, Text, None},
    {{207, 210}, {3, 34, 37}, TextFlag, None},
    {{211, 214}, {3, 38, 41}, Text, None},
    {{217, 217}, {6, 4, 4}, Text, None},
    {{220, 222}, {6, 5, 7}, Text, None},
    {{225, 225}, {6, 8, 8}, Text, None},
    {{228, 228}, {6, 9, 9}, Text, None},
    {{231, 231}, {6, 10, 10}, Text, None},
    {{232, 232}, {6, 58, 58}, Text, None},
    {{233, 233}, {6, 11, 11}, Text, None},
    {{236, 236}, {6, 12, 12}, Text, None},
    {{237, 237}, {6, 59, 59}, Text, None},
    {{238, 238}, {6, 13, 13}, Text, None},
    {{241, 241}, {6, 50, 50}, Text, None},
    {{244, 244}, {1, 53, 53}, Text, None},  // the short form's "sole residential" box
    {{245, 249}, {6, 52, 56}, Text, None},
    {{101, 101}, {6, 51, 51}, Text, None},  // the mother's box 6:51 lives in 15:101, where Calc15 shows it
    {{252, 252}, {1, 50, 50}, Text, None},
    {{253, 253}, {1, 51, 51}, Text, None},
    {{191, 191}, {3, 25, 55}, ConvF, None},
    {{194, 194}, {3, 26, 56}, ConvF, None},
    {{202, 202}, {3, 31, 57}, ConvF, None},
};

// Split short form, page 16 to pages 8-14 (the way back is Calc16).
constexpr TransferPair kSplitShortPairs[] = {
    {{1, 2}, {8, 1, 2}, Text, None},
    {{4, 5}, {8, 4, 5}, Text, None},
    {{6, 13}, {8, 18, 25}, Text, None},
    {{16, 17}, {8, 28, 29}, TextFlag, None},
    {{18, 21}, {8, 30, 33}, Text, None},
    {{22, 23}, {8, 34, 35}, TextFlag, None},
    {{26, 33}, {9, 4, 11}, Text, None},
    {{38, 39}, {9, 23, 24}, TextFlag, None},
    {{40, 43}, {9, 25, 28}, Text, None},
    {{44, 45}, {9, 33, 34}, TextFlag, None},
    {{46, 47}, {9, 35, 36}, Text, None},
    {{52, 53}, {10, 4, 5}, TextFlag, None},
    {{61, 62}, {11, 33, 34}, TextFlag, None},
    {{63, 64}, {11, 35, 36}, Text, None},
    {{65, 66}, {11, 41, 42}, TextFlag, None},
    {{67, 70}, {11, 45, 48}, Text, None},
    {{73, 73}, {12, 5, 5}, Text, None},
    {{74, 74}, {12, 8, 8}, Text, None},
    {{93, 94}, {13, 14, 15}, Text, None},
    {{157, 158}, {9, 41, 42}, Text, None},
    {{165, 166}, {9, 29, 30}, TextFlag, None},
    {{167, 168}, {9, 31, 32}, Text, None},
    {{169, 169}, {10, 7, 7}, TextFlag, None},
    {{170, 170}, {10, 19, 19}, TextFlag, None},
    {{177, 178}, {11, 5, 6}, Text, None},
    {{179, 180}, {11, 49, 50}, Text, None},
    {{181, 182}, {11, 7, 8}, TextFlag, None},
    {{183, 184}, {11, 9, 10}, Text, None},
    {{185, 188}, {11, 11, 14}, TextFlag, None},
    {{189, 189}, {11, 32, 32}, Text, None},
    {{197, 198}, {11, 17, 18}, Text, None},
    {{200, 201}, {11, 19, 20}, Text, None},
    {{205, 206}, {11, 22, 23}, Text, None},
    {{207, 210}, {11, 24, 27}, TextFlag, None},
    {{211, 214}, {11, 28, 31}, Text, None},
    {{250, 251}, {8, 50, 51}, Text, None},
    {{191, 191}, {11, 15, 51}, ConvF, None},
    {{194, 194}, {11, 16, 52}, ConvF, None},
    {{202, 202}, {11, 21, 53}, ConvF, None},
};

// ---- Table checks ------------------------------------------------------------

constexpr int CountOf(ScreenSlots s) { return s.last - s.first + 1; }
constexpr int CountOf(CalcSlots c) { return c.last - c.first + 1; }

constexpr bool MoveFits(const TransferPair& p, Move move) {
    switch (move) {
        case None: return true;
        case ConvD: return CountOf(p.screen) == 1 && CountOf(p.calc) == 3;
        case ConvF: return CountOf(p.screen) == 1 && p.calc.first < p.calc.last && p.toScreen == None;
        case ConvA: return CountOf(p.screen) == CountOf(p.calc) && p.toScreen == None;
        default: return CountOf(p.screen) == CountOf(p.calc);
    }
}

constexpr bool PairFits(const TransferPair& p) {
    return p.screen.first >= 0 && p.screen.first <= p.screen.last && p.screen.last <= kLastScreenSlot &&
           p.calc.first >= 0 && p.calc.first <= p.calc.last && p.calc.last <= kLastCalcSlot &&
           MoveFits(p, p.toCalc) && MoveFits(p, p.toScreen);
}

template <size_t N>
constexpr bool AllFit(const TransferPair (&pairs)[N], int firstPage, int lastPage) {
    for (const TransferPair& p : pairs)
        if (!PairFits(p) || p.calc.page < firstPage || p.calc.page > lastPage) return false;
    return true;
}

static_assert(AllFit(kSoleLongPairs, 1, 6));
static_assert(AllFit(kSplitLongPairs, 8, 14));
static_assert(AllFit(kSoleShortPairs, 1, 6));
static_assert(AllFit(kSplitShortPairs, 8, 14));

// ---- Conversions -------------------------------------------------------------

// The minimum-wage annual income of the income estimator.
constexpr double kMinimumWageIncome = 16952;

constexpr const char* kMethodNames[] = {"Low", "Interpolate", "High"};
constexpr const char* kLimitText = "Limit to $150,000";
constexpr const char* kNoLimitText = "No $150,000 Limitation";

enum class Direction { ToCalc, ToScreen };

struct SlotRef {
    int page, slot;
};

std::string Box(bool ticked) { return ticked ? "X" : ""; }
const std::string& TextOf(const TAnswer& a, SlotRef s) { return a.Text(s.page, s.slot); }
void Write(TAnswer& a, SlotRef s, std::string text) { a.SetText(s.page, s.slot, std::move(text)); }

void MoveText(TAnswer& a, SlotRef from, SlotRef to, bool withFlag) {
    if (withFlag) a.SetOvRide(to.page, to.slot, a.OvRide(from.page, from.slot));
    Write(a, to, TextOf(a, from));
}

// A: the box is ticked exactly when line 1a reads 16,952.
void MinimumWageToCalc(TAnswer& a, SlotRef screen, SlotRef box) {
    Write(a, box, Box(Str2Float_2(TextOf(a, screen)) == kMinimumWageIncome));
}

// B: "0".."6" on screen, the name on the calculation page, so the paper
// prints what the list shows.  An empty choice is "Daily", as the income
// estimator reads it; "-1" (none chosen, as after the minimum wage) leaves
// the calculation page empty, never a name of an earlier choice.
void PayPeriodToCalc(TAnswer& a, SlotRef screen, SlotRef calc) {
    const std::string& index = TextOf(a, screen);
    Write(a, calc, ChoiceText(kPayPeriodNames, index.empty() ? "0" : index));
}

void PayPeriodToScreen(TAnswer& a, SlotRef screen, SlotRef calc) {
    const std::string& name = TextOf(a, calc);
    for (int i = 0; i < static_cast<int>(std::size(kPayPeriodNames)); ++i)
        if (name == kPayPeriodNames[i]) Write(a, screen, std::to_string(i));
}

// C: the rate parser's value scaled by `factor`, in its shortest form; an
// unreadable number reads as 0.  An empty rate stays empty, so a rate never
// entered shows as blank on both parents' lines, not as "0" on one of them.
void ScaleRate(TAnswer& a, SlotRef from, SlotRef to, double factor) {
    const std::string& text = TextOf(a, from);
    Write(a, to, TrimStr(text).empty() ? std::string() : GeneralNumberText(Str2Float_P(text) * factor));
}

// D: the method text ticks the box of its name and clears the other two.
void MethodToCalc(TAnswer& a, SlotRef screen, const CalcSlots& boxes) {
    const std::string& method = TextOf(a, screen);
    for (int i = 0; i < 3; ++i) Write(a, {boxes.page, boxes.first + i}, Box(method == kMethodNames[i]));
}

// D back: the last ticked box names the method; none ticked leaves the text.
void MethodToScreen(TAnswer& a, SlotRef screen, const CalcSlots& boxes) {
    for (int i = 0; i < 3; ++i)
        if (a.Ticked(boxes.page, boxes.first + i)) Write(a, screen, kMethodNames[i]);
}

// E: the limit box and its two texts.
void LimitToCalc(TAnswer& a, SlotRef screen, SlotRef box) {
    Write(a, box, Box(TextOf(a, screen) == kLimitText));
}
void LimitToScreen(TAnswer& a, SlotRef screen, SlotRef box) {
    Write(a, screen, a.Ticked(box.page, box.slot) ? kLimitText : kNoLimitText);
}

// F: the short form's box ticks or clears both parents' boxes.
void BothParentsToCalc(TAnswer& a, SlotRef screen, const CalcSlots& boxes) {
    const std::string both = Box(a.Ticked(screen.page, screen.slot));
    Write(a, {boxes.page, boxes.first}, both);
    Write(a, {boxes.page, boxes.last}, both);
}

// The moves that work slot by slot over a range.
void MoveSlot(TAnswer& a, Move move, SlotRef screen, SlotRef calc, Direction direction) {
    const bool toCalc = direction == Direction::ToCalc;
    const SlotRef from = toCalc ? screen : calc;
    const SlotRef to = toCalc ? calc : screen;
    switch (move) {
        case Text: MoveText(a, from, to, false); break;
        case TextFlag: MoveText(a, from, to, true); break;
        case ConvA: MinimumWageToCalc(a, screen, calc); break;
        case ConvB: toCalc ? PayPeriodToCalc(a, screen, calc) : PayPeriodToScreen(a, screen, calc); break;
        case ConvC: ScaleRate(a, from, to, toCalc ? 0.01 : 100.0); break;
        case ConvE: toCalc ? LimitToCalc(a, screen, calc) : LimitToScreen(a, screen, calc); break;
        default: break;
    }
}

void TransferPairOf(TAnswer& a, int screenPage, const TransferPair& pair, Direction direction) {
    const bool toCalc = direction == Direction::ToCalc;
    const Move move = toCalc ? pair.toCalc : pair.toScreen;
    const SlotRef screen{screenPage, pair.screen.first};
    switch (move) {
        case None: break;
        case ConvD:
            toCalc ? MethodToCalc(a, screen, pair.calc) : MethodToScreen(a, screen, pair.calc);
            break;
        case ConvF: BothParentsToCalc(a, screen, pair.calc); break;
        default:
            for (int i = 0; i < CountOf(pair.screen); ++i)
                MoveSlot(a, move, {screenPage, pair.screen.first + i}, {pair.calc.page, pair.calc.first + i},
                         direction);
    }
}

void Transfer(TAnswer& a, int screenPage, std::span<const TransferPair> pairs, Direction direction) {
    for (const TransferPair& pair : pairs)
        if (pair.onlyWhen == kAlways || pair.onlyWhen == a.SharedObligor)
            TransferPairOf(a, screenPage, pair, direction);
}

}  // namespace

void SoleLongToCalc(TAnswer& answers) { Transfer(answers, 0, kSoleLongPairs, Direction::ToCalc); }
void SoleCalcToLong(TAnswer& answers) { Transfer(answers, 0, kSoleLongPairs, Direction::ToScreen); }
void SplitLongToCalc(TAnswer& answers) { Transfer(answers, 7, kSplitLongPairs, Direction::ToCalc); }
void SplitCalcToLong(TAnswer& answers) { Transfer(answers, 7, kSplitLongPairs, Direction::ToScreen); }
void SoleShortToCalc(TAnswer& answers) { Transfer(answers, 15, kSoleShortPairs, Direction::ToCalc); }
void SplitShortToCalc(TAnswer& answers) { Transfer(answers, 16, kSplitShortPairs, Direction::ToCalc); }

namespace {

std::span<const TransferPair> PairsOf(int screenPage) {
    switch (screenPage) {
        case 0: return kSoleLongPairs;
        case 7: return kSplitLongPairs;
        case 15: return kSoleShortPairs;
        case 16: return kSplitShortPairs;
        default: return {};
    }
}

}  // namespace

std::vector<ScreenSlotUse> ScreenSlotsOf(int screenPage) {
    std::vector<ScreenSlotUse> uses;
    for (const TransferPair& pair : PairsOf(screenPage))
        for (int slot = pair.screen.first; slot <= pair.screen.last; ++slot)
            uses.push_back({slot, pair.toCalc != None, pair.toScreen != None, pair.toCalc == TextFlag,
                            pair.toScreen == TextFlag});
    return uses;
}

bool IsScreenPage(int page) { return page == 0 || page == 7 || page == 15 || page == 16; }
bool IsSplitScreenPage(int page) { return page == 7 || page == 16; }

void TransferScreenToCalc(TAnswer& answers, int screenPage) {
    switch (screenPage) {
        case 0: SoleLongToCalc(answers); break;
        case 7: SplitLongToCalc(answers); break;
        case 15: SoleShortToCalc(answers); break;
        case 16: SplitShortToCalc(answers); break;
        default: break;
    }
}

void TransferCalcToScreen(TAnswer& answers, int screenPage) {
    switch (screenPage) {
        case 0: SoleCalcToLong(answers); break;
        case 7: SplitCalcToLong(answers); break;
        case 15: Calc15(answers); break;
        case 16: Calc16(answers); break;
        default: break;
    }
}

}  // namespace quill10
