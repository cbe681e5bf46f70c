// Screen page transfers: every pair of the four transfer tables in both
// directions, the conversions between the screen's form and the
// calculation's form of an answer, the shared parenting conditions of the
// long sole/shared screen, and the round trip of what the user typed.
#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "SlotNotation.h"
#include "TestSupport.h"
#include "WorksheetFixture.h"
#include "calc/Conversions.h"
#include "store/Answers.h"

namespace quill10 {
namespace {

using test::NameOf;
using test::SlotRef;
using test::SlotsOf;
using test::SlotText;

constexpr int kAnyObligor = -1;

// One pair of a transfer table: screen slots, calculation slots, what moves
// to the calculation and what moves to the screen ("" where the direction
// leaves the pair alone), and the SharedObligor the pair needs.
struct PairRow {
    const char* screen;
    const char* calc;
    const char* toCalc;
    const char* toScreen = "";
    int onlyWhen = kAnyObligor;
};

// Long sole/shared screen, page 0, and pages 1-6.
const PairRow kSoleLongRows[] = {
    {"0:0 - 0:1", "1:50 - 1:51", "text + flag", "text + flag"},
    {"0:2 - 0:3", "1:1 - 1:2", "text + flag", "text + flag"},
    {"0:4", "1:53", "text", "text"},
    {"0:5 - 0:7", "1:4 - 1:6", "text", "text"},
    {"0:8 - 0:9", "1:39 - 1:40", "text", "text"},
    {"0:10 - 0:11", "1:19 - 1:20", "text + flag", "text"},
    {"0:12 - 0:29", "1:21 - 1:38", "text + flag", "text + flag"},
    {"0:30 - 0:42", "2:4 - 2:16", "text + flag", "text + flag"},
    {"0:43 - 0:44", "2:41 - 2:42", "text + flag", "text + flag"},
    {"0:45 - 0:50", "2:23 - 2:28", "text + flag", "text + flag"},
    {"0:51 - 0:58", "2:33 - 2:40", "text + flag", "text + flag"},
    {"0:59 - 0:60", "3:4 - 3:5", "text + flag", "text + flag"},
    {"0:61 - 0:63", "3:8 - 3:10", "text + flag", "text + flag"},
    {"0:66 - 0:68", "3:14 - 3:16", "text + flag", "text + flag"},
    {"0:69 - 0:70", "3:45 - 3:46", "text + flag", "text + flag"},
    {"0:71 - 0:72", "4:4 - 4:5", "text + flag", "text + flag"},
    {"0:73 - 0:74", "4:8 - 4:9", "text + flag", "text + flag"},
    {"0:75 - 0:78", "4:13 - 4:16", "text + flag", "text + flag"},
    {"0:79 - 0:84", "4:19 - 4:24", "text + flag", "text + flag"},
    {"0:85 - 0:90", "5:4 - 5:9", "text + flag", "text + flag"},
    {"0:91 - 0:100", "5:12 - 5:21", "text + flag", "text + flag"},
    {"0:101 - 0:102", "6:21 - 6:22", "text + flag", "text + flag"},
    {"0:103", "6:14", "text + flag", "text + flag"},
    {"0:104 - 0:105", "6:25 - 6:26", "text + flag", "text + flag"},
    {"0:106 - 0:107", "6:23 - 6:24", "text + flag", "text + flag"},
    {"0:108 - 0:109", "6:44 - 6:45", "text + flag", "text + flag"},
    {"0:110 - 0:111", "6:47 - 6:48", "text + flag", "text + flag"},
    {"0:112 - 0:113", "6:29 - 6:30", "text + flag", "text + flag"},
    {"0:114", "6:46", "text + flag", "text + flag"},
    {"0:115", "6:34", "text + flag", "text + flag"},
    {"0:116", "6:31", "text + flag", "text + flag"},
    {"0:117", "6:35", "text + flag", "text + flag"},
    {"0:118", "6:49", "text + flag", "text + flag"},
    {"0:120 - 0:121", "6:32 - 6:33", "text + flag", "text + flag"},
    {"0:122 - 0:128", "6:36 - 6:42", "text + flag", "text + flag"},
    {"0:129", "5:22", "text + flag", "text + flag"},
    {"0:201", "1:9", "text", "text"},
    {"0:202", "1:11", "text", "text"},
    {"0:205", "1:10", "text", "text"},
    {"0:206", "1:12", "text", "text"},
    {"0:209", "2:17", "text", "text"},
    {"0:210", "2:19", "text", "text"},
    {"0:211", "2:21", "text", "text"},
    {"0:213", "2:18", "text", "text"},
    {"0:214", "2:20", "text", "text"},
    {"0:215", "2:22", "text", "text"},
    {"0:217", "2:29", "text + flag", "text + flag"},
    {"0:220", "2:30", "text + flag", "text + flag"},
    {"0:222", "3:17", "text", "text + flag"},
    {"0:223", "3:49", "text", "text + flag"},
    {"0:224", "3:19", "text + flag", "text + flag"},
    {"0:225", "3:42", "text", "text + flag"},
    {"0:226", "3:21", "text + flag", "text + flag"},
    {"0:227", "3:23", "text + flag", "text + flag"},
    {"0:228", "3:32", "text", "text + flag"},
    {"0:229", "3:34", "text + flag", "text + flag"},
    {"0:230", "3:36", "text + flag", "text + flag"},
    {"0:232", "3:40", "text", "text + flag"},
    {"0:233 - 0:235", "3:25 - 3:27", "text", "text + flag"},
    {"0:236", "3:29", "text", "text + flag"},
    {"0:237", "3:31", "text", "text + flag"},
    {"0:238", "3:44", "text", "text + flag"},
    {"0:239", "3:18", "text", "text + flag"},
    {"0:240", "3:50", "text", "text + flag"},
    {"0:241", "3:20", "text + flag", "text + flag"},
    {"0:242", "3:43", "text", "text + flag"},
    {"0:243", "3:22", "text + flag", "text + flag"},
    {"0:244", "3:24", "text + flag", "text + flag"},
    {"0:245", "3:33", "text", "text + flag"},
    {"0:246", "3:35", "text + flag", "text + flag"},
    {"0:247", "3:37", "text + flag", "text + flag"},
    {"0:249", "3:41", "text", "text + flag"},
    {"0:250 - 0:251", "3:55 - 3:56", "text", "text + flag"},
    {"0:252", "3:28", "text", "text + flag"},
    {"0:253", "3:30", "text", "text + flag"},
    {"0:254 - 0:255", "3:57 - 3:58", "text", "text + flag"},
    {"0:260 - 0:261", "6:4 - 6:5", "text", "text", 1},
    {"0:262 - 0:264", "6:7 - 6:9", "text", "text", 1},
    {"0:266", "6:11", "text", "text", 1},
    {"0:268", "6:13", "text", "text", 1},
    {"0:269", "6:50", "text", "text", 1},
    {"0:270", "6:52", "text", "text", 2},
    {"0:271", "6:6", "text", "text", 2},
    {"0:272 - 0:274", "6:53 - 6:55", "text", "text", 2},
    {"0:276", "6:56", "text", "text", 2},
    {"0:278", "6:57", "text", "text", 2},
    {"0:279", "6:51", "text", "text", 2},
    {"0:280 - 0:281", "6:27 - 6:28", "text", "text"},
    {"0:282", "6:60", "text", "text", 1},
    {"0:283", "6:61", "text", "text", 2},
    {"0:10 - 0:11", "1:7 - 1:8", "conversion A", ""},
    {"0:203", "1:13", "conversion B", "conversion B"},
    {"0:207", "1:14", "conversion B", "conversion B"},
    {"0:218", "2:31", "conversion C", "conversion C"},
    {"0:221", "2:32", "conversion C", "conversion C"},
    {"0:64", "3:11 - 3:13", "conversion D", "conversion D"},
    {"0:65", "3:51", "conversion E", "conversion E"},
    {"0:265", "6:10", "conversion C", "conversion C", 1},
    {"0:267", "6:12", "conversion C", "conversion C", 1},
    {"0:275", "6:58", "conversion C", "conversion C", 2},
    {"0:277", "6:59", "conversion C", "conversion C", 2},
};

// Long split screen, page 7, and pages 8-14.
const PairRow kSplitLongRows[] = {
    {"7:0 - 7:1", "8:50 - 8:51", "text", "text"},
    {"7:2 - 7:3", "8:1 - 8:2", "text", "text"},
    {"7:4 - 7:5", "8:4 - 8:5", "text", "text"},
    {"7:6 - 7:15", "8:18 - 8:27", "text", "text"},
    {"7:16 - 7:17", "8:28 - 8:29", "text + flag", "text + flag"},
    {"7:18 - 7:21", "8:30 - 8:33", "text", "text"},
    {"7:22 - 7:23", "8:34 - 8:35", "text + flag", "text + flag"},
    {"7:24 - 7:25", "8:36 - 8:37", "text", "text"},
    {"7:26 - 7:38", "9:4 - 9:16", "text", "text"},
    {"7:39 - 7:40", "9:41 - 9:42", "text", "text"},
    {"7:41 - 7:42", "9:23 - 9:24", "text + flag", "text + flag"},
    {"7:43 - 7:46", "9:25 - 9:28", "text", "text"},
    {"7:47 - 7:48", "9:33 - 9:34", "text + flag", "text + flag"},
    {"7:49 - 7:54", "9:35 - 9:40", "text", "text"},
    {"7:55 - 7:56", "10:4 - 10:5", "text + flag", "text + flag"},
    {"7:57 - 7:59", "10:8 - 10:10", "text", "text"},
    {"7:62", "10:14", "text", "text + flag"},
    {"7:63 - 7:65", "10:15 - 10:17", "text", "text"},
    {"7:66 - 7:67", "11:33 - 11:34", "text + flag", "text + flag"},
    {"7:68 - 7:69", "11:35 - 11:36", "text", "text"},
    {"7:70 - 7:71", "11:41 - 11:42", "text + flag", "text + flag"},
    {"7:72 - 7:75", "11:45 - 11:48", "text", "text"},
    {"7:76 - 7:87", "12:4 - 12:15", "text", "text"},
    {"7:88 - 7:100", "13:4 - 13:16", "text", "text"},
    {"7:101 - 7:102", "14:26 - 14:27", "text", "text"},
    {"7:103 - 7:104", "14:24 - 14:25", "text", "text"},
    {"7:105 - 7:106", "14:21 - 14:22", "text", "text"},
    {"7:107 - 7:108", "14:28 - 14:29", "text", "text"},
    {"7:109 - 7:111", "14:6 - 14:8", "text", "text"},
    {"7:112", "14:11", "text", "text"},
    {"7:113", "14:23", "text", "text"},
    {"7:114", "14:12", "text", "text"},
    {"7:115", "14:30", "text", "text"},
    {"7:117 - 7:118", "14:9 - 14:10", "text", "text"},
    {"7:119 - 7:125", "14:13 - 14:19", "text", "text"},
    {"7:201", "8:12", "text", "text"},
    {"7:202", "8:14", "text", "text"},
    {"7:203", "8:16", "conversion B", "conversion B"},
    {"7:205", "8:13", "text", "text"},
    {"7:206", "8:15", "text", "text"},
    {"7:207", "8:17", "conversion B", "conversion B"},
    {"7:209", "9:17", "text", "text"},
    {"7:210", "9:19", "text", "text"},
    {"7:211", "9:21", "text", "text"},
    {"7:213", "9:18", "text", "text"},
    {"7:214", "9:20", "text", "text"},
    {"7:215", "9:22", "text", "text"},
    {"7:217", "9:29", "text + flag", "text + flag"},
    {"7:220", "9:30", "text + flag", "text + flag"},
    {"7:222", "11:5", "text", "text + flag"},
    {"7:223", "11:49", "text", "text + flag"},
    {"7:224", "11:7", "text + flag", "text + flag"},
    {"7:225", "11:9", "text", "text + flag"},
    {"7:226", "11:11", "text + flag", "text + flag"},
    {"7:227", "11:13", "text + flag", "text + flag"},
    {"7:228", "11:22", "text", "text + flag"},
    {"7:229", "11:24", "text + flag", "text + flag"},
    {"7:230", "11:26", "text + flag", "text + flag"},
    {"7:231", "11:28", "text", ""},
    {"7:232", "11:30", "text", "text + flag"},
    {"7:233 - 7:235", "11:15 - 11:17", "text", "text + flag"},
    {"7:236", "11:19", "text", "text + flag"},
    {"7:237", "11:21", "text", "text + flag"},
    {"7:238", "11:32", "text", "text + flag"},
    {"7:239", "11:6", "text", "text + flag"},
    {"7:240", "11:50", "text", "text + flag"},
    {"7:241", "11:8", "text + flag", "text + flag"},
    {"7:242", "11:10", "text", "text + flag"},
    {"7:243", "11:12", "text + flag", "text + flag"},
    {"7:244", "11:14", "text + flag", "text + flag"},
    {"7:245", "11:23", "text", "text + flag"},
    {"7:246", "11:25", "text + flag", "text + flag"},
    {"7:247", "11:27", "text + flag", "text + flag"},
    {"7:248", "11:29", "text", ""},
    {"7:249", "11:31", "text", "text + flag"},
    {"7:250 - 7:251", "11:51 - 11:52", "text", "text + flag"},
    {"7:252", "11:18", "text", "text + flag"},
    {"7:253", "11:20", "text", "text + flag"},
    {"7:254 - 7:255", "11:53 - 11:54", "text", "text + flag"},
    {"7:280 - 7:281", "14:4 - 14:5", "text", "text"},
    {"7:290", "10:6", "text", "text"},  // the household sizes of line 14
    {"7:291", "10:18", "text", "text"},
    {"7:6 - 7:7", "8:6 - 8:7", "conversion A", ""},
    {"7:218", "9:31", "conversion C", "conversion C"},
    {"7:221", "9:32", "conversion C", "conversion C"},
    {"7:60", "10:11 - 10:13", "conversion D", "conversion D"},
    {"7:61", "10:51", "conversion E", "conversion E"},
};

// Short sole/shared screen, page 15, to pages 1-6.  The mother's box 6:51
// is the short form's box 15:101, where the short-form builder shows it.
// The names go to the caption only, not into the boxes 6:60 and 6:61.
const PairRow kSoleShortRows[] = {
    {"15:1 - 15:2", "1:1 - 1:2", "text"},
    {"15:4 - 15:6", "1:4 - 1:6", "text"},
    {"15:7 - 15:16", "1:19 - 1:28", "text"},
    {"15:17 - 15:18", "1:29 - 1:30", "text + flag"},
    {"15:19 - 15:22", "1:31 - 1:34", "text"},
    {"15:23 - 15:24", "1:35 - 1:36", "text + flag"},
    {"15:25 - 15:26", "1:37 - 1:38", "text"},
    {"15:27 - 15:34", "2:4 - 2:11", "text"},
    {"15:35 - 15:38", "2:13 - 2:16", "text"},
    {"15:39 - 15:40", "2:23 - 2:24", "text + flag"},
    {"15:41 - 15:44", "2:25 - 2:28", "text"},
    {"15:45 - 15:46", "2:33 - 2:34", "text + flag"},
    {"15:47 - 15:52", "2:35 - 2:40", "text"},
    {"15:53 - 15:54", "3:4 - 3:5", "text + flag"},
    {"15:55 - 15:57", "3:8 - 3:10", "text"},
    {"15:58 - 15:60", "3:14 - 3:16", "text"},
    {"15:61 - 15:62", "3:45 - 3:46", "text + flag"},
    {"15:63 - 15:64", "4:4 - 4:5", "text"},
    {"15:65 - 15:66", "4:8 - 4:9", "text + flag"},
    {"15:67 - 15:70", "4:13 - 4:16", "text"},
    {"15:71 - 15:76", "4:19 - 4:24", "text"},
    {"15:77 - 15:82", "5:4 - 5:9", "text"},
    {"15:83 - 15:92", "5:12 - 5:21", "text"},
    {"15:93 - 15:94", "6:21 - 6:22", "text + flag"},
    {"15:95 - 15:96", "6:23 - 6:24", "text"},
    {"15:97 - 15:98", "6:29 - 6:30", "text"},
    {"15:99", "6:57", "text"},
    {"15:100", "6:46", "text"},
    {"15:102", "6:32", "text"},
    {"15:155 - 15:156", "1:39 - 1:40", "text"},
    {"15:157 - 15:158", "2:41 - 2:42", "text"},
    {"15:159 - 15:164", "2:17 - 2:22", "text"},
    {"15:165 - 15:166", "2:29 - 2:30", "text + flag"},
    {"15:167 - 15:168", "2:31 - 2:32", "text"},
    {"15:169", "3:7", "text + flag"},
    {"15:170", "3:48", "text + flag"},
    {"15:171 - 15:172", "3:52 - 3:53", "text"},
    {"15:177 - 15:178", "3:17 - 3:18", "text"},
    {"15:179 - 15:180", "3:49 - 3:50", "text"},
    {"15:181 - 15:182", "3:19 - 3:20", "text + flag"},
    {"15:183 - 15:184", "3:42 - 3:43", "text"},
    {"15:185 - 15:188", "3:21 - 3:24", "text + flag"},
    {"15:189", "3:44", "text"},
    {"15:197 - 15:198", "3:27 - 3:28", "text"},
    {"15:200 - 15:202", "3:29 - 3:31", "text"},
    {"15:205 - 15:206", "3:32 - 3:33", "text"},
    {"15:207 - 15:210", "3:34 - 3:37", "text + flag"},
    {"15:211 - 15:214", "3:38 - 3:41", "text"},
    {"15:217", "6:4", "text"},
    {"15:220 - 15:222", "6:5 - 6:7", "text"},
    {"15:225", "6:8", "text"},
    {"15:228", "6:9", "text"},
    {"15:231", "6:10", "text"},
    {"15:232", "6:58", "text"},
    {"15:233", "6:11", "text"},
    {"15:236", "6:12", "text"},
    {"15:237", "6:59", "text"},
    {"15:238", "6:13", "text"},
    {"15:241", "6:50", "text"},
    {"15:244", "1:53", "text"},
    {"15:245 - 15:249", "6:52 - 6:56", "text"},
    {"15:101", "6:51", "text"},
    {"15:252", "1:50", "text"},
    {"15:253", "1:51", "text"},
    {"15:191", "3:25 and 3:55", "conversion F"},
    {"15:194", "3:26 and 3:56", "conversion F"},
    {"15:202", "3:31 and 3:57", "conversion F"},
};

// Short split screen, page 16, to pages 8-14.
const PairRow kSplitShortRows[] = {
    {"16:1 - 16:2", "8:1 - 8:2", "text"},
    {"16:4 - 16:5", "8:4 - 8:5", "text"},
    {"16:6 - 16:13", "8:18 - 8:25", "text"},
    {"16:16 - 16:17", "8:28 - 8:29", "text + flag"},
    {"16:18 - 16:21", "8:30 - 8:33", "text"},
    {"16:22 - 16:23", "8:34 - 8:35", "text + flag"},
    {"16:26 - 16:33", "9:4 - 9:11", "text"},
    {"16:38 - 16:39", "9:23 - 9:24", "text + flag"},
    {"16:40 - 16:43", "9:25 - 9:28", "text"},
    {"16:44 - 16:45", "9:33 - 9:34", "text + flag"},
    {"16:46 - 16:47", "9:35 - 9:36", "text"},
    {"16:52 - 16:53", "10:4 - 10:5", "text + flag"},
    {"16:61 - 16:62", "11:33 - 11:34", "text + flag"},
    {"16:63 - 16:64", "11:35 - 11:36", "text"},
    {"16:65 - 16:66", "11:41 - 11:42", "text + flag"},
    {"16:67 - 16:70", "11:45 - 11:48", "text"},
    {"16:73", "12:5", "text"},
    {"16:74", "12:8", "text"},
    {"16:93 - 16:94", "13:14 - 13:15", "text"},
    {"16:157 - 16:158", "9:41 - 9:42", "text"},
    {"16:165 - 16:166", "9:29 - 9:30", "text + flag"},
    {"16:167 - 16:168", "9:31 - 9:32", "text"},
    {"16:169", "10:7", "text + flag"},
    {"16:170", "10:19", "text + flag"},
    {"16:177 - 16:178", "11:5 - 11:6", "text"},
    {"16:179 - 16:180", "11:49 - 11:50", "text"},
    {"16:181 - 16:182", "11:7 - 11:8", "text + flag"},
    {"16:183 - 16:184", "11:9 - 11:10", "text"},
    {"16:185 - 16:188", "11:11 - 11:14", "text + flag"},
    {"16:189", "11:32", "text"},
    {"16:197 - 16:198", "11:17 - 11:18", "text"},
    {"16:200 - 16:201", "11:19 - 11:20", "text"},
    {"16:205 - 16:206", "11:22 - 11:23", "text"},
    {"16:207 - 16:210", "11:24 - 11:27", "text + flag"},
    {"16:211 - 16:214", "11:28 - 11:31", "text"},
    {"16:250 - 16:251", "8:50 - 8:51", "text"},
    {"16:191", "11:15 and 11:51", "conversion F"},
    {"16:194", "11:16 and 11:52", "conversion F"},
    {"16:202", "11:21 and 11:53", "conversion F"},
};

// ---- Every pair of every table ------------------------------------------------

enum class Way { ToCalc, ToScreen };

// What a transfer should leave in a target slot: the text (and, for
// "text + flag", the OvRide flag) of `from`, or a converted form, which
// the conversion tests below check.
struct ExpectedWrite {
    SlotRef from;
    bool flag;
    bool converted;
};

std::map<SlotRef, ExpectedWrite> ExpectedWrites(std::span<const PairRow> rows, int screenPage, Way way,
                                                int sharedObligor) {
    std::map<SlotRef, ExpectedWrite> writes;
    for (const PairRow& row : rows) {
        if (row.onlyWhen != kAnyObligor && row.onlyWhen != sharedObligor) continue;
        const std::string move = way == Way::ToCalc ? row.toCalc : row.toScreen;
        if (move.empty()) continue;
        const std::vector<SlotRef> screen = SlotsOf(row.screen);
        const std::vector<SlotRef> calc = SlotsOf(row.calc);
        EXPECT_EQ(screen.front().page, screenPage) << row.screen;
        if (move == "text" || move == "text + flag") {
            EXPECT_EQ(screen.size(), calc.size()) << row.screen;
            for (size_t i = 0; i < screen.size() && i < calc.size(); ++i) {
                const SlotRef from = way == Way::ToCalc ? screen[i] : calc[i];
                const SlotRef to = way == Way::ToCalc ? calc[i] : screen[i];
                writes[to] = {from, move == "text + flag", false};
            }
        } else {
            for (SlotRef to : way == Way::ToCalc ? calc : screen) writes[to] = {to, false, true};
        }
    }
    return writes;
}

std::string Marker(SlotRef s) { return "m" + NameOf(s); }

struct TableCase {
    const char* name;
    std::span<const PairRow> rows;
    int screenPage;
    int firstCalcPage, lastCalcPage;
    void (*transfer)(TAnswer&);
    Way way;
    int sharedObligor;
};
void PrintTo(const TableCase& c, std::ostream* os) { *os << c.name; }

class TransferTable : public ::testing::TestWithParam<TableCase> {
protected:
    std::vector<int> Pages() const {
        std::vector<int> pages{GetParam().screenPage};
        for (int p = GetParam().firstCalcPage; p <= GetParam().lastCalcPage; ++p) pages.push_back(p);
        return pages;
    }
    // Every slot of the screen page and of its calculation pages holds its
    // own marker; the screen page's flags are `screenFlag`, the calculation
    // pages' the opposite, so a moved flag is told from one left alone.
    void Fill(TAnswer& a, bool screenFlag) const {
        for (int page : Pages())
            for (int slot = 0; slot <= LastSlot(page); ++slot) {
                a.SetText(page, slot, Marker({page, slot}));
                a.SetOvRide(page, slot, InitialFlag(page, screenFlag));
            }
    }
    bool InitialFlag(int page, bool screenFlag) const {
        return page == GetParam().screenPage ? screenFlag : !screenFlag;
    }
};

TEST_P(TransferTable, WritesEveryPairAndNothingElse) {
    const TableCase& c = GetParam();
    const auto writes = ExpectedWrites(c.rows, c.screenPage, c.way, c.sharedObligor);
    for (bool screenFlag : {true, false}) {
        SCOPED_TRACE(screenFlag ? "screen flags set" : "calculation flags set");
        test::ErrorRecorder errors;  // the markers are no numbers for the conversions
        TAnswer a;
        a.SharedObligor = c.sharedObligor;
        Fill(a, screenFlag);
        c.transfer(a);
        for (int page : Pages())
            for (int slot = 0; slot <= LastSlot(page); ++slot) {
                const SlotRef s{page, slot};
                auto it = writes.find(s);
                if (it != writes.end() && it->second.converted) continue;
                const bool written = it != writes.end();
                const SlotRef from = written ? it->second.from : s;
                const bool flagFrom = written && it->second.flag;
                EXPECT_EQ(a.Text(page, slot), Marker(from)) << "slot " << NameOf(s);
                EXPECT_EQ(a.OvRide(page, slot), InitialFlag(flagFrom ? from.page : page, screenFlag))
                    << "flag of slot " << NameOf(s);
            }
    }
}

const TableCase kTableCases[] = {
    {"SoleLongToCalcNoSharedObligor", kSoleLongRows, 0, 1, 6, SoleLongToCalc, Way::ToCalc, 0},
    {"SoleLongToCalcFatherObligor", kSoleLongRows, 0, 1, 6, SoleLongToCalc, Way::ToCalc, 1},
    {"SoleLongToCalcMotherObligor", kSoleLongRows, 0, 1, 6, SoleLongToCalc, Way::ToCalc, 2},
    {"SoleCalcToLongNoSharedObligor", kSoleLongRows, 0, 1, 6, SoleCalcToLong, Way::ToScreen, 0},
    {"SoleCalcToLongFatherObligor", kSoleLongRows, 0, 1, 6, SoleCalcToLong, Way::ToScreen, 1},
    {"SoleCalcToLongMotherObligor", kSoleLongRows, 0, 1, 6, SoleCalcToLong, Way::ToScreen, 2},
    {"SplitLongToCalc", kSplitLongRows, 7, 8, 14, SplitLongToCalc, Way::ToCalc, 0},
    {"SplitCalcToLong", kSplitLongRows, 7, 8, 14, SplitCalcToLong, Way::ToScreen, 0},
    {"SoleShortToCalc", kSoleShortRows, 15, 1, 6, SoleShortToCalc, Way::ToCalc, 0},
    {"SplitShortToCalc", kSplitShortRows, 16, 8, 14, SplitShortToCalc, Way::ToCalc, 0},
};

INSTANTIATE_TEST_SUITE_P(Tables, TransferTable, ::testing::ValuesIn(kTableCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The split worksheet's transfers never look at the shared parenting obligor.
TEST(SplitTransfer, PairsIgnoreTheSharedObligor) {
    for (int obligor : {0, 1, 2}) {
        TAnswer a;
        a.SharedObligor = obligor;
        a.SetText(7, 103, "1,200.00");
        SplitLongToCalc(a);
        EXPECT_EQ(a.Text(14, 24), "1,200.00");
    }
}

// ---- Conversions ---------------------------------------------------------------

struct ConversionCase {
    const char* name;
    void (*transfer)(TAnswer&);
    int sharedObligor;
    std::vector<SlotText> given;
    std::vector<SlotText> expected;
    std::vector<int> errors = {};
};
void PrintTo(const ConversionCase& c, std::ostream* os) { *os << c.name; }

class Conversion : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(Conversion, GivesTheOtherForm) {
    const ConversionCase& c = GetParam();
    test::ErrorRecorder errors;
    TAnswer a;
    a.SharedObligor = c.sharedObligor;
    for (const SlotText& s : c.given) a.SetText(s.page, s.slot, s.text);
    c.transfer(a);
    for (const SlotText& s : c.expected)
        EXPECT_EQ(a.Text(s.page, s.slot), s.text) << "slot " << s.page << ":" << s.slot;
    EXPECT_EQ(errors.Codes(), c.errors);
}

const ConversionCase kConversionCases[] = {
    // A: the "Use this amount..." box follows line 1a being exactly 16,952.
    {"MinimumWageAmountTicksTheBox", SoleLongToCalc, 0,
     {{0, 10, "16,952.00"}, {0, 11, "$16952"}},
     {{1, 7, "X"}, {1, 8, "X"}, {1, 19, "16,952.00"}, {1, 20, "$16952"}}},
    {"OtherAmountsClearTheMinimumWageBox", SoleLongToCalc, 0,
     {{0, 10, "16,952.01"}, {0, 11, ""}, {1, 7, "X"}, {1, 8, "X"}},
     {{1, 7, ""}, {1, 8, ""}}},
    {"SplitMinimumWageBoxes", SplitLongToCalc, 0,
     {{7, 6, "16952"}, {7, 7, "16,951.99"}, {8, 7, "X"}},
     {{8, 6, "X"}, {8, 7, ""}}},
    {"MinimumWageBoxNeverReachesTheScreen", SoleCalcToLong, 0,
     {{1, 7, "X"}, {1, 19, "500.00"}, {0, 10, "1.00"}},
     {{0, 10, "500.00"}}},

    // B: pay period index on the sole/shared screen, name on the calculation page.
    {"PayPeriodIndexBecomesItsName", SoleLongToCalc, 0,
     {{0, 203, "3"}, {0, 207, "0"}},
     {{1, 13, "Semimonthly"}, {1, 14, "Daily"}}},
    // No choice ("-1", as after the minimum wage) leaves no name of an
    // earlier choice on the calculation page, so the paper prints what the
    // list shows; an empty choice is "Daily", as the income estimator reads it.
    {"PayPeriodOutsideTheListIsNoName", SoleLongToCalc, 0,
     {{0, 203, "7"}, {0, 207, ""}, {1, 13, "Weekly"}, {1, 14, "Monthly"}},
     {{1, 13, ""}, {1, 14, "Daily"}}},
    {"PayPeriodThatIsNoIndexIsNoName", SoleLongToCalc, 0,
     {{0, 203, "03"}, {0, 207, "-1"}, {1, 13, "Weekly"}, {1, 14, "Monthly"}},
     {{1, 13, ""}, {1, 14, ""}}},
    {"PayPeriodNameBecomesItsIndex", SoleCalcToLong, 0,
     {{1, 13, "Quarterly"}, {1, 14, "Biannually"}},
     {{0, 203, "5"}, {0, 207, "6"}}},
    {"UnknownPayPeriodNameLeavesTheScreen", SoleCalcToLong, 0,
     {{1, 13, "quarterly"}, {1, 14, "1"}, {0, 203, "2"}, {0, 207, "4"}},
     {{0, 203, "2"}, {0, 207, "4"}}},
    {"SplitPayPeriodIndexBecomesItsName", SplitLongToCalc, 0,
     {{7, 203, "3"}, {7, 207, "-1"}, {8, 17, "Weekly"}},
     {{8, 16, "Semimonthly"}, {8, 17, ""}}},
    {"SplitPayPeriodNameComesBackAsIndex", SplitCalcToLong, 0,
     {{8, 16, "Biweekly"}, {8, 17, "3"}, {7, 207, "3"}},
     {{7, 203, "2"}, {7, 207, "3"}}},

    // C: 2.5 % on screen is 0.025 on the calculation page.
    {"PercentageBecomesFraction", SoleLongToCalc, 0,
     {{0, 218, "2.5"}, {0, 221, "2.50%"}},
     {{2, 31, "0.025"}, {2, 32, "0.025"}}},
    {"PercentageKeepsItsDigitsAndSign", SoleLongToCalc, 0,
     {{0, 218, "12.345"}, {0, 221, "-1.5"}},
     {{2, 31, "0.12345"}, {2, 32, "-0.015"}}},
    // A rate never entered stays empty both ways (the rate parser reads it
    // as 0 all the same), so it shows blank, not "0", on screen.
    {"EmptyPercentageStaysEmpty", SoleLongToCalc, 0,
     {{0, 218, ""}, {2, 31, "0.02"}},
     {{2, 31, ""}}},
    {"UnreadablePercentageIsZero", SoleLongToCalc, 0,
     {{0, 218, "abc"}, {0, 221, "1"}},
     {{2, 31, "0"}, {2, 32, "0.01"}},
     {21182}},
    {"FractionBecomesPercentage", SoleCalcToLong, 0,
     {{2, 31, "0.025"}, {2, 32, "0.07"}},
     {{0, 218, "2.5"}, {0, 221, "7"}}},
    {"EmptyFractionShowsBlank", SoleCalcToLong, 0,
     {{2, 31, ""}, {0, 218, "5"}},
     {{0, 218, ""}}},
    {"SplitPercentages", SplitLongToCalc, 0,
     {{7, 218, "3"}, {7, 221, "0.5"}},
     {{9, 31, "0.03"}, {9, 32, "0.005"}}},
    {"SplitFractions", SplitCalcToLong, 0,
     {{9, 31, "0.1"}, {9, 32, "0.0125"}},
     {{7, 218, "10"}, {7, 221, "1.25"}}},
    {"FatherObligorDeviationPercentages", SoleLongToCalc, 1,
     {{0, 265, "10"}, {0, 267, "20"}, {0, 275, "30"}, {0, 277, "40"}, {6, 58, "a"}, {6, 59, "b"}},
     {{6, 10, "0.1"}, {6, 12, "0.2"}, {6, 58, "a"}, {6, 59, "b"}}},
    {"MotherObligorDeviationPercentages", SoleLongToCalc, 2,
     {{0, 265, "10"}, {0, 267, "20"}, {0, 275, "30"}, {0, 277, "40"}, {6, 10, "a"}, {6, 12, "b"}},
     {{6, 10, "a"}, {6, 12, "b"}, {6, 58, "0.3"}, {6, 59, "0.4"}}},
    {"DeviationPercentagesBackForTheFather", SoleCalcToLong, 1,
     {{6, 10, "0.15"}, {6, 58, "0.25"}, {0, 275, "a"}},
     {{0, 265, "15"}, {0, 275, "a"}}},
    {"DeviationPercentagesBackForTheMother", SoleCalcToLong, 2,
     {{6, 10, "0.15"}, {6, 58, "0.25"}, {0, 265, "a"}},
     {{0, 265, "a"}, {0, 275, "25"}}},

    // D: the line 17 method as text on screen, three boxes on the calculation page.
    {"InterpolateTicksOnlyItsBox", SoleLongToCalc, 0,
     {{0, 64, "Interpolate"}, {3, 11, "X"}, {3, 13, "X"}},
     {{3, 11, ""}, {3, 12, "X"}, {3, 13, ""}}},
    {"LowTicksOnlyItsBox", SoleLongToCalc, 0,
     {{0, 64, "Low"}},
     {{3, 11, "X"}, {3, 12, ""}, {3, 13, ""}}},
    {"HighTicksOnlyItsBox", SplitLongToCalc, 0,
     {{7, 60, "High"}},
     {{10, 11, ""}, {10, 12, ""}, {10, 13, "X"}}},
    {"OtherMethodTextClearsAllBoxes", SoleLongToCalc, 0,
     {{0, 64, "low"}},
     {{3, 11, ""}, {3, 12, ""}, {3, 13, ""}}},
    {"EmptyMethodTextClearsAllBoxes", SplitLongToCalc, 0,
     {{7, 60, ""}},
     {{10, 11, ""}, {10, 12, ""}, {10, 13, ""}}},
    {"TickedBoxNamesTheMethod", SoleCalcToLong, 0,
     {{3, 11, "X"}, {3, 12, ""}, {0, 64, "High"}},
     {{0, 64, "Low"}}},
    {"LastTickedBoxWins", SplitCalcToLong, 0,
     {{10, 11, "X"}, {10, 12, ""}, {10, 13, "X"}},
     {{7, 60, "High"}}},
    {"NoTickedBoxLeavesTheMethodText", SoleCalcToLong, 0,
     {{3, 12, ""}, {0, 64, "Anything"}},
     {{0, 64, "Anything"}}},

    // E: the $150,000 limit as text on screen, a box on the calculation page.
    {"LimitTextTicksTheBox", SoleLongToCalc, 0,
     {{0, 65, "Limit to $150,000"}},
     {{3, 51, "X"}}},
    {"NoLimitTextClearsTheBox", SplitLongToCalc, 0,
     {{7, 61, "No $150,000 Limitation"}, {10, 51, "X"}},
     {{10, 51, ""}}},
    {"EmptyLimitTextClearsTheBox", SoleLongToCalc, 0,
     {{0, 65, ""}, {3, 51, "X"}},
     {{3, 51, ""}}},
    {"LimitTextMustMatchExactly", SoleLongToCalc, 0,
     {{0, 65, "limit to $150,000"}, {3, 51, "X"}},
     {{3, 51, ""}}},
    {"TickedLimitBoxShowsTheLimitText", SplitCalcToLong, 0,
     {{10, 51, "X"}},
     {{7, 61, "Limit to $150,000"}}},
    {"ClearLimitBoxShowsTheNoLimitText", SoleCalcToLong, 0,
     {{3, 51, ""}, {0, 65, "Limit to $150,000"}},
     {{0, 65, "No $150,000 Limitation"}}},

    // F: one short-form box for both parents' option boxes.
    {"ShortOptionBoxTicksBothParents", SoleShortToCalc, 0,
     {{15, 191, "X"}, {15, 194, "X"}, {15, 202, "X"}},
     {{3, 25, "X"}, {3, 55, "X"}, {3, 26, "X"}, {3, 56, "X"}, {3, 31, "X"}, {3, 57, "X"}}},
    {"ClearShortOptionBoxClearsBothParents", SoleShortToCalc, 0,
     {{15, 191, ""}, {15, 194, "?"}, {15, 202, ""}, {3, 25, "X"}, {3, 55, "X"}, {3, 26, "X"}, {3, 56, "X"},
      {3, 31, "X"}, {3, 57, "X"}},
     {{3, 25, ""}, {3, 55, ""}, {3, 26, ""}, {3, 56, ""}, {3, 31, ""}, {3, 57, ""}}},
    {"SplitShortOptionBoxes", SplitShortToCalc, 0,
     {{16, 191, "X"}, {16, 194, ""}, {16, 202, "X"}, {11, 16, "X"}, {11, 52, "X"}},
     {{11, 15, "X"}, {11, 51, "X"}, {11, 16, ""}, {11, 52, ""}, {11, 21, "X"}, {11, 53, "X"}}},
};

INSTANTIATE_TEST_SUITE_P(Conversions, Conversion, ::testing::ValuesIn(kConversionCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PayPeriod, EveryIndexHasItsName) {
    const char* names[] = {"Daily",   "Weekly",    "Biweekly",  "Semimonthly",
                           "Monthly", "Quarterly", "Biannually"};
    for (int index = 0; index < 7; ++index) {
        TAnswer a;
        a.SetText(0, 207, std::to_string(index));
        SoleLongToCalc(a);
        EXPECT_EQ(a.Text(1, 14), names[index]);
        a.SetText(0, 207, "");
        SoleCalcToLong(a);
        EXPECT_EQ(a.Text(0, 207), std::to_string(index));
    }
}

// ---- Round trip from a long screen ------------------------------------------------

// What the user might have typed into a screen slot that moves to the
// calculation: a valid form for the converted ones, a distinct text for
// the others.
std::string TypedValue(const PairRow& row, SlotRef slot) {
    for (const std::string move : {row.toCalc, row.toScreen}) {
        if (move == "conversion B") return "3";
        if (move == "conversion C") return "2.5";
        if (move == "conversion D") return "High";
        if (move == "conversion E") return "Limit to $150,000";
    }
    return "typed " + NameOf(slot);
}

struct RoundTripCase {
    const char* name;
    std::span<const PairRow> rows;
    int screenPage;
    void (*toCalc)(TAnswer&);
    void (*back)(TAnswer&);
    int sharedObligor;
};
void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.name; }

class RoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

// Every input and every override flag typed on the screen comes back
// unchanged through the calculation pages.
TEST_P(RoundTrip, KeepsWhatTheUserTyped) {
    const RoundTripCase& c = GetParam();
    test::ErrorRecorder errors;  // line 1a's texts are read as amounts by the minimum-wage box
    TAnswer a;
    a.SharedObligor = c.sharedObligor;
    int typed = 0;
    for (const PairRow& row : c.rows) {
        const std::string toCalc = row.toCalc;
        if (toCalc.empty() || toCalc == "conversion A") continue;
        if (row.onlyWhen != kAnyObligor && row.onlyWhen != c.sharedObligor) continue;
        for (SlotRef s : SlotsOf(row.screen)) {
            a.SetText(s.page, s.slot, TypedValue(row, s));
            if (toCalc == "text + flag") a.SetOvRide(s.page, s.slot, true);
            ++typed;
        }
    }
    ASSERT_GT(typed, 50);
    std::vector<AnswerItem> before = a.List(c.screenPage);
    c.toCalc(a);
    c.back(a);
    for (int slot = 0; slot <= LastSlot(c.screenPage); ++slot) {
        EXPECT_EQ(a.Text(c.screenPage, slot), before[slot].Text) << "slot " << slot;
        EXPECT_EQ(a.OvRide(c.screenPage, slot), before[slot].Obj.OvRide) << "flag of slot " << slot;
    }
}

const RoundTripCase kRoundTripCases[] = {
    {"SoleLongNoSharedObligor", kSoleLongRows, 0, SoleLongToCalc, SoleCalcToLong, 0},
    {"SoleLongFatherObligor", kSoleLongRows, 0, SoleLongToCalc, SoleCalcToLong, 1},
    {"SoleLongMotherObligor", kSoleLongRows, 0, SoleLongToCalc, SoleCalcToLong, 2},
    {"SplitLong", kSplitLongRows, 7, SplitLongToCalc, SplitCalcToLong, 0},
};

INSTANTIATE_TEST_SUITE_P(Screens, RoundTrip, ::testing::ValuesIn(kRoundTripCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A percentage comes back in its shortest form, the only normalisation of
// the round trip.
TEST(RoundTripNormalisation, PercentageComesBackInItsShortestForm) {
    TAnswer a;
    a.SetText(0, 218, "2.50");
    a.SetText(0, 221, "7.00%");
    SoleLongToCalc(a);
    SoleCalcToLong(a);
    EXPECT_EQ(a.Text(0, 218), "2.5");
    EXPECT_EQ(a.Text(0, 221), "7");
}

// ---- Shared parenting conditions --------------------------------------------------

// The deviation fields of the long screen belong to the obligor of the
// shared parenting order; the other parent's pairs are not transferred.
TEST(SharedObligorCondition, OnlyTheObligorsDeviationFieldsMove) {
    struct Case {
        int obligor;
        bool fatherMoves, motherMoves;
    };
    for (const Case& c : {Case{0, false, false}, Case{1, true, false}, Case{2, false, true}}) {
        SCOPED_TRACE(c.obligor);
        TAnswer a;
        a.SharedObligor = c.obligor;
        a.SetText(0, 260, "X");       // father's deviation box, 6:4
        a.SetText(0, 282, "dad");     // 6:60
        a.SetText(0, 270, "X");       // mother's deviation box, 6:52
        a.SetText(0, 283, "mom");     // 6:61
        a.SetText(0, 280, "0.03");    // processing charge rate, always moved
        SoleLongToCalc(a);
        EXPECT_EQ(a.Text(6, 4), c.fatherMoves ? "X" : "");
        EXPECT_EQ(a.Text(6, 60), c.fatherMoves ? "dad" : "");
        EXPECT_EQ(a.Text(6, 52), c.motherMoves ? "X" : "");
        EXPECT_EQ(a.Text(6, 61), c.motherMoves ? "mom" : "");
        EXPECT_EQ(a.Text(6, 27), "0.03");

        a.SetText(6, 5, "father's text");  // 0:261
        a.SetText(6, 6, "mother's text");  // 0:271
        SoleCalcToLong(a);
        EXPECT_EQ(a.Text(0, 261), c.fatherMoves ? "father's text" : "");
        EXPECT_EQ(a.Text(0, 271), c.motherMoves ? "mother's text" : "");
    }
}

// ---- Overrides -------------------------------------------------------------------

// An override made on the long screen reaches the calculation slot, and the
// calculation slot's flag comes back; where only the text moves to the
// calculation the flag there is left as it is.
TEST(Overrides, FlagsMoveWhereTheTablesSay) {
    TAnswer a;
    a.SetOvRide(0, 20, true);  // 1b amount used, 1:29: the flag moves both ways
    a.SetText(0, 20, "1,000.00");
    a.SetOvRide(0, 10, true);  // line 1a, 1:19: the flag moves to the calculation only
    a.SetOvRide(0, 222, true);  // child care expenses, 3:17: the flag moves to the screen only
    SoleLongToCalc(a);
    EXPECT_TRUE(a.OvRide(1, 29));
    EXPECT_EQ(a.Text(1, 29), "1,000.00");
    EXPECT_TRUE(a.OvRide(1, 19));
    EXPECT_FALSE(a.OvRide(3, 17));

    a.SetOvRide(1, 29, false);
    a.SetOvRide(1, 19, false);
    a.SetOvRide(3, 17, true);
    SoleCalcToLong(a);
    EXPECT_FALSE(a.OvRide(0, 20));
    EXPECT_TRUE(a.OvRide(0, 10));
    EXPECT_TRUE(a.OvRide(0, 222));
    a.SetOvRide(3, 17, false);
    SoleCalcToLong(a);
    EXPECT_FALSE(a.OvRide(0, 222));
}

TEST(Overrides, SplitLineSeventeenFlagOnlyComesToTheScreen) {
    TAnswer a;
    a.SetOvRide(7, 62, true);
    SplitLongToCalc(a);
    EXPECT_FALSE(a.OvRide(10, 14));
    a.SetOvRide(10, 14, true);
    SplitCalcToLong(a);
    EXPECT_TRUE(a.OvRide(7, 62));
}

// ---- Short form and the long form's boxes ------------------------------------------

// The "also erase cash medical support" boxes are not on the short form; a
// calculation from the short screen must not overwrite them with the names.
TEST(SoleShortTransfer, KeepsTheEraseCashMedicalBoxes) {
    TAnswer a;
    a.SetText(6, 60, "X");
    a.SetText(6, 61, "X");
    a.SetText(15, 252, "Adam");
    a.SetText(15, 253, "Eve");
    SoleShortToCalc(a);
    EXPECT_EQ(a.Text(1, 50), "Adam");
    EXPECT_EQ(a.Text(1, 51), "Eve");
    EXPECT_EQ(a.Text(6, 60), "X");
    EXPECT_EQ(a.Text(6, 61), "X");
}

// ---- Dispatch by screen page ---------------------------------------------------------

std::vector<AnswerList> Snapshot(const TAnswer& a) {
    std::vector<AnswerList> pages;
    for (int page = 0; page < kPageCount; ++page) pages.push_back(a.List(page));
    return pages;
}

bool SameStore(const std::vector<AnswerList>& x, const std::vector<AnswerList>& y) {
    for (size_t page = 0; page < x.size(); ++page)
        for (size_t slot = 0; slot < x[page].size(); ++slot) {
            const AnswerItem& before = x[page][slot];
            const AnswerItem& after = y[page][slot];
            if (before.Text != after.Text || before.Obj.OvRide != after.Obj.OvRide) return false;
        }
    return true;
}

TEST(TransferDispatch, RunsTheTransferOfTheScreenPage) {
    struct Case {
        int screenPage;
        SlotRef screen, calc;
    };
    // Each screen page's father's name and its place on the calculation pages.
    for (const Case& c : {Case{0, {0, 0}, {1, 50}}, Case{7, {7, 0}, {8, 50}}, Case{15, {15, 252}, {1, 50}},
                          Case{16, {16, 250}, {8, 50}}}) {
        SCOPED_TRACE(c.screenPage);
        TAnswer a;
        a.SetText(c.screen.page, c.screen.slot, "Adam");
        TransferScreenToCalc(a, c.screenPage);
        EXPECT_EQ(a.Text(c.calc.page, c.calc.slot), "Adam");
    }
}

TEST(TransferDispatch, RunsTheWayBackOfTheScreenPage) {
    test::FixedToday today;
    for (int page : {0, 7, 15, 16}) {
        SCOPED_TRACE(page);
        TAnswer a;
        a.SetText(1, 50, "Adam");
        a.SetText(1, 51, "Eve");
        a.SetText(8, 50, "Bob");
        a.SetText(8, 51, "Ann");
        TransferCalcToScreen(a, page);
        switch (page) {
            case 0: EXPECT_EQ(a.Text(0, 0), "Adam"); break;
            case 7: EXPECT_EQ(a.Text(7, 0), "Bob"); break;
            case 15: EXPECT_EQ(a.Text(15, 0), "Adam & Eve"); break;  // the short-form builder's caption
            case 16: EXPECT_EQ(a.Text(16, 0), "Bob & Ann"); break;
        }
    }
}

TEST(TransferDispatch, OtherPagesHaveNoTransfer) {
    for (int page : {-1, 1, 6, 8, 14, 17, 32, 60}) {
        SCOPED_TRACE(page);
        TAnswer a;
        for (int screen : {0, 7, 15, 16})
            for (int slot = 0; slot <= 300; ++slot) a.SetText(screen, slot, "s" + std::to_string(slot));
        for (int calc = 1; calc <= 14; ++calc)
            for (int slot = 0; slot <= 100; ++slot) a.SetText(calc, slot, "c" + std::to_string(slot));
        const auto before = Snapshot(a);
        TransferScreenToCalc(a, page);
        TransferCalcToScreen(a, page);
        EXPECT_TRUE(SameStore(before, Snapshot(a)));
    }
}

}  // namespace
}  // namespace quill10
