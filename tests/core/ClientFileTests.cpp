// The client file: its exact format, reading it back into an identical
// store, the reading rules for numbers and line ends, broken files, and the
// safe save that never loses the file on disk.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "TestSupport.h"
#include "files/ClientFile.h"
#include "platform/FileAccess.h"
#include "platform/SafeSave.h"

namespace quill10 {
namespace {

namespace fs = std::filesystem;
using test::ReadWholeFile;
using test::ScratchFolder;
using test::WriteWholeFile;

// ---- Helpers ---------------------------------------------------------------

// Lines of a CR LF text; a line end that is not CR LF fails the test.
std::vector<std::string> CrLfLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "the text does not end with CR LF";
        if (end == std::string::npos) break;
        std::string line = text.substr(start, end - start);
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "stray line break in \"" << line << "\"";
        lines.push_back(line);
        start = end + 2;
    }
    return lines;
}

// The text with its line number `number` (from 1) replaced; CR LF kept.
std::string WithLine(const std::string& text, size_t number, const std::string& replacement) {
    size_t start = 0;
    for (size_t n = 1; n < number; ++n) start = text.find("\r\n", start) + 2;
    const size_t end = text.find("\r\n", start);
    return text.substr(0, start) + replacement + text.substr(end);
}

// The first `count` lines of a CR LF text.
std::string FirstLines(const std::string& text, size_t count) {
    size_t end = 0;
    for (size_t n = 0; n < count; ++n) end = text.find("\r\n", end) + 2;
    return text.substr(0, end);
}

std::string LfOnly(std::string text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out += text[i];
    return out;
}

// "" when both stores hold the same text and flag in every slot of every
// page, otherwise the first slot that differs.
std::string FirstDifference(const TAnswer& expected, const TAnswer& actual) {
    for (int page = 0; page < kPageCount; ++page) {
        for (int slot = 0; slot <= LastSlot(page); ++slot) {
            if (expected.Text(page, slot) != actual.Text(page, slot) ||
                expected.OvRide(page, slot) != actual.OvRide(page, slot))
                return "slot " + std::to_string(page) + ":" + std::to_string(slot) + " expected \"" +
                       expected.Text(page, slot) + "\"/" + std::to_string(expected.OvRide(page, slot)) +
                       " but read \"" + actual.Text(page, slot) + "\"/" +
                       std::to_string(actual.OvRide(page, slot));
        }
    }
    return "";
}

void ClearEverySlot(TAnswer& answers) {
    for (int page = 0; page < kPageCount; ++page)
        for (int slot = 0; slot <= LastSlot(page); ++slot) answers.SetText(page, slot, "");
}

std::optional<ClientFileContents> Parse(const std::string& bytes, std::string& error) {
    return ParseClientFile(bytes, std::make_shared<CalcEnvironment>(), error);
}

// ---- The sample case of the golden file ------------------------------------
//
// tests/data/clientfile/sample.q10 is made by SampleFileBytes below, written
// straight from the file layout (not by the program's writer): every slot is
// empty and not overridden except those of kSampleSlots, and the scheduler
// holds the two rows of kSampleRows.

struct SampleSlot {
    int page;
    int slot;
    const char* text;      // as the store keeps it: UTF-8
    const char* fileText;  // as the file holds it: Windows-1252
    bool overridden;
};

constexpr SampleSlot kSampleSlots[] = {
    {0, 0, "Zoë Ørsted", "Zo\xEB \xD8rsted", false},  // e diaeresis EB, O slash D8
    {0, 1, "José Muñoz", "Jos\xE9 Mu\xF1oz", false},  // e acute E9, n tilde F1
    {1, 5, "500.00", "500.00", true},
    {1, 100, "7", "7", false},  // the split long screen was on display
    {3, 12, "X", "X", false},
    {6, 27, "0.02", "0.02", false},
    {7, 300, "Smith v. Smith", "Smith v. Smith", true},  // last slot of a screen page
    {32, 575, "€ 12.00", "\x80 12.00", false},           // last slot of a scheduler page; euro sign 80
    {52, 0, "“quoted”", "\x93quoted\x94", false},        // curly quotes 93 and 94
    {59, 100, "end", "end", true},                       // last slot of the last page
};

struct SampleCell {
    const char* text;
    const char* fileText;
};

constexpr SampleCell kSampleRows[2][kSchedulerColumnCount] = {
    {{"1/1/2019", "1/1/2019"},
     {"Order – January", "Order \x96 January"},  // en dash 96
     {"$500.00", "$500.00"},
     {"$0.00", "$0.00"},
     {"$500.00", "$500.00"},
     {"3", "3"},
     {"$0.00", "$0.00"},
     {"$0.00", "$0.00"},
     {"$500.00", "$500.00"}},
    {{"2/1/2019", "2/1/2019"},
     {"Payment", "Payment"},
     {"$0.00", "$0.00"},
     {"$250.00", "$250.00"},
     {"$250.00", "$250.00"},
     {"3.00%", "3.00%"},
     {"$1.27", "$1.27"},  // 500.00 x 3 % x 31/365 = 1.274
     {"$1.27", "$1.27"},
     {"$251.27", "$251.27"}},
};

// Slots per page in the file: 301 on the screen pages 0, 7, 15 and 16, 576
// on the scheduler pages 32 and 52, 101 on every other page.
int SlotsInFile(int page) {
    if (page == 0 || page == 7 || page == 15 || page == 16) return 301;
    if (page == 32 || page == 52) return 576;
    return 101;
}

// Line numbers in any client file (from 1): program name 1, version 2,
// header of page 0 on line 3, then per page its header and two lines a slot.
//   page 0: lines 4-605 (301 slots); page 1 header 606, slot 1:s on 607+2s;
//   page 2 header 809, slot 2:s on 810+2s.
//   All pages: 2 + 60 headers + 2 x (4 x 301 + 2 x 576 + 54 x 101 = 7810) = 15682
//   lines; then the scheduler header 15683, "Row Count" 15684, the count
//   15685 and the first cell on 15686.
constexpr size_t kLineOfSlot1_5 = 607 + 2 * 5;      // 617, its flag on 618
constexpr size_t kLineOfSlot1_7 = 607 + 2 * 7;      // 621
constexpr size_t kLineOfSlot1_100 = 607 + 2 * 100;  // 807
constexpr size_t kLineOfPage2Header = 809;
constexpr size_t kLineOfRowCount = 15685;
constexpr size_t kLinesWithoutRows = 15685;

std::string SampleFileBytes() {
    std::string out = "QUILL10\r\n 1.01400000000000E+0001\r\n";
    for (int page = 0; page < 60; ++page) {
        out += "Page " + std::to_string(page) + "; Continuation Page 0\r\n";
        for (int slot = 0; slot < SlotsInFile(page); ++slot) {
            const SampleSlot* sample = nullptr;
            for (const SampleSlot& s : kSampleSlots)
                if (s.page == page && s.slot == slot) sample = &s;
            out += std::string(sample ? sample->fileText : "") + "\r\n";
            out += std::string(sample && sample->overridden ? "1" : "0") + "\r\n";
        }
    }
    out += "Support Scheduler - ***************\r\nRow Count\r\n2\r\n";
    for (const auto& row : kSampleRows)
        for (const SampleCell& cell : row) out += std::string(cell.fileText) + "\r\n";
    return out;
}

std::unique_ptr<TAnswer> SampleStore() {
    auto answers = std::make_unique<TAnswer>();
    ClearEverySlot(*answers);
    for (const SampleSlot& s : kSampleSlots) {
        answers->SetText(s.page, s.slot, s.text);
        answers->SetOvRide(s.page, s.slot, s.overridden);
    }
    return answers;
}

SchedulerGrid SampleGrid() {
    SchedulerGrid grid;
    grid.rows.clear();
    for (const auto& row : kSampleRows) {
        SchedulerRow& cells = grid.rows.emplace_back();
        for (int column = 0; column < kSchedulerColumnCount; ++column) cells[column] = row[column].text;
    }
    return grid;
}

std::string GoldenPath() {
    return test::TestDataFolder() + "/clientfile/sample.q10";
}

// ---- Format ----------------------------------------------------------------

TEST(SchedulerGrid, ANewGridHoldsOneEmptyRowOfNineCells) {
    SchedulerGrid grid;
    ASSERT_EQ(grid.rows.size(), 1u);
    ASSERT_EQ(grid.rows[0].size(), 9u);
    for (const std::string& cell : grid.rows[0]) EXPECT_EQ(cell, "");
}

TEST(ClientFileFormat, NewCaseStartsWithNameVersionAndFirstPage) {
    TAnswer answers;
    const std::string start = "QUILL10\r\n 1.01400000000000E+0001\r\nPage 0; Continuation Page 0\r\n";
    EXPECT_EQ(ClientFileText(answers, SchedulerGrid{}).substr(0, start.size()), start);
}

TEST(ClientFileFormat, VersionLineIsAlways1014) {
    TAnswer answers;
    answers.VersionNo = 3.5;  // an older file's version read earlier
    EXPECT_EQ(CrLfLines(ClientFileText(answers, SchedulerGrid{}))[1], " 1.01400000000000E+0001");
}

TEST(ClientFileFormat, SlotsAreTextLineThenFlagLine) {
    TAnswer answers;
    answers.SetText(1, 5, "500.00");
    answers.SetOvRide(1, 5, true);
    answers.SetText(1, 100, "15");
    const std::vector<std::string> lines = CrLfLines(ClientFileText(answers, SchedulerGrid{}));
    EXPECT_EQ(lines[606 - 1], "Page 1; Continuation Page 0");
    EXPECT_EQ(lines[kLineOfSlot1_5 - 1], "500.00");
    EXPECT_EQ(lines[kLineOfSlot1_5], "1");
    EXPECT_EQ(lines[kLineOfSlot1_7 - 1], "");  // 1:7 is empty in a new case
    EXPECT_EQ(lines[kLineOfSlot1_7], "0");
    EXPECT_EQ(lines[kLineOfSlot1_100 - 1], "15");  // written as the caller left it
    EXPECT_EQ(lines[kLineOfPage2Header - 1], "Page 2; Continuation Page 0");
}

TEST(ClientFileFormat, EmptySchedulerEndsWithRowCountZero) {
    TAnswer answers;
    SchedulerGrid grid;
    grid.rows.clear();
    const std::string text = ClientFileText(answers, grid);
    const std::string ending = "\r\nSupport Scheduler - ***************\r\nRow Count\r\n0\r\n";
    ASSERT_GE(text.size(), ending.size());
    EXPECT_EQ(text.substr(text.size() - ending.size()), ending);
    EXPECT_EQ(CrLfLines(text).size(), kLinesWithoutRows);
}

TEST(ClientFileFormat, SchedulerRowsFollowTheCountNineCellsEach) {
    TAnswer answers;
    SchedulerGrid grid;  // one empty row
    grid.rows.push_back(
        {"3/1/2019", "Order", "$100.00", "$0.00", "$100.00", "3", "$0.00", "$0.00", "$100.00"});
    const std::vector<std::string> lines = CrLfLines(ClientFileText(answers, grid));
    ASSERT_EQ(lines.size(), kLinesWithoutRows + 18);
    EXPECT_EQ(lines[kLineOfRowCount - 1], "2");
    for (size_t i = 0; i < 9; ++i) EXPECT_EQ(lines[kLineOfRowCount + i], "") << "cell " << i;
    EXPECT_EQ(lines[kLineOfRowCount + 9], "3/1/2019");
    EXPECT_EQ(lines[kLineOfRowCount + 17], "$100.00");
}

TEST(ClientFileFormat, TextsAreWrittenInWindows1252) {
    TAnswer answers;
    answers.SetText(0, 0, "Zoë Brontë € 5");
    const std::string text = ClientFileText(answers, SchedulerGrid{});
    EXPECT_EQ(text.rfind("QUILL10\r\n", 0), 0u);  // no mark: the file is as it always was
    EXPECT_EQ(CrLfLines(text)[3], "Zo\xEB Bront\xEB \x80 5");  // e diaeresis EB, euro sign 80
}

// A text that Windows-1252 cannot hold makes the whole file UTF-8 after the
// mark, and everything reads back as typed.
TEST(ClientFileFormat, TextsBeyondWindows1252AreKeptInUtf8) {
    struct Place {
        const char* label;
        void (*put)(TAnswer&, SchedulerGrid&, const std::string&);
    };
    const Place kPlaces[] = {
        {"program name", [](TAnswer& a, SchedulerGrid&, const std::string& t) { a.ProgramName = t; }},
        {"slot 0:0", [](TAnswer& a, SchedulerGrid&, const std::string& t) { a.SetText(0, 0, t); }},
        {"slot 59:100", [](TAnswer& a, SchedulerGrid&, const std::string& t) { a.SetText(59, 100, t); }},
        {"scheduler cell", [](TAnswer&, SchedulerGrid& g, const std::string& t) { g.rows[0][1] = t; }},
    };
    for (const Place& place : kPlaces) {
        TAnswer answers;
        answers.SetText(1, 50, "Zoë €");
        SchedulerGrid grid;
        place.put(answers, grid, "王小明 Ω");
        const std::string text = ClientFileText(answers, grid);
        EXPECT_EQ(text.rfind("\xEF\xBB\xBF", 0), 0u) << place.label;
        EXPECT_NE(text.find("\r\nZoë €\r\n"), std::string::npos) << place.label;  // UTF-8 as well
        std::string error;
        auto read = Parse(text, error);
        ASSERT_TRUE(read) << place.label << ": " << error;
        EXPECT_EQ(FirstDifference(answers, *read->answers), "") << place.label;
        EXPECT_EQ(read->answers->ProgramName, answers.ProgramName) << place.label;
        EXPECT_EQ(read->grid, grid) << place.label;
        EXPECT_EQ(ClientFileText(*read->answers, read->grid), text) << place.label;
    }
}

TEST(ClientFileFormat, LineBreaksInTextsAreWrittenAsBars) {
    // A line break inside a text would shift every later line of the file;
    // each one is written as " | ", the way memos keep theirs.
    TAnswer answers;
    answers.ProgramName = "QUILL10\nbeta";
    answers.SetText(0, 0, "first line\r\nsecond line");
    answers.SetText(0, 1, "a\nb");
    answers.SetText(0, 2, "c\rd");
    SchedulerGrid grid;
    grid.rows[0][1] = "two\r\nlines";
    const std::string text = ClientFileText(answers, grid);
    const std::vector<std::string> lines = CrLfLines(text);
    ASSERT_EQ(lines.size(), kLinesWithoutRows + 9);
    EXPECT_EQ(lines[0], "QUILL10 | beta");
    EXPECT_EQ(lines[3], "first line | second line");
    EXPECT_EQ(lines[5], "a | b");
    EXPECT_EQ(lines[7], "c | d");
    EXPECT_EQ(lines[kLineOfRowCount + 1], "two | lines");

    std::string error;
    auto read = Parse(text, error);
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(read->answers->Text(0, 0), "first line | second line");
    EXPECT_EQ(read->answers->Text(1, 100), "0");  // later slots stayed in step
    EXPECT_EQ(read->grid.rows[0][1], "two | lines");
}

// ---- Golden file -----------------------------------------------------------

TEST(ClientFileGolden, CommittedFileIsTheSampleLayout) {
    if (std::getenv("QUILL10_WRITE_GOLDEN")) WriteWholeFile(GoldenPath(), SampleFileBytes());
    EXPECT_EQ(ReadWholeFile(GoldenPath()), SampleFileBytes());
}

TEST(ClientFileGolden, WriterProducesTheGoldenBytes) {
    EXPECT_EQ(ClientFileText(*SampleStore(), SampleGrid()), ReadWholeFile(GoldenPath()));
}

TEST(ClientFileGolden, ReaderRestoresEverySlotAndRow) {
    const std::string golden = ReadWholeFile(GoldenPath());
    for (const std::string& bytes : {golden, LfOnly(golden)}) {
        std::string error;
        auto read = Parse(bytes, error);
        ASSERT_TRUE(read) << error;
        EXPECT_EQ(read->answers->ProgramName, "QUILL10");
        EXPECT_DOUBLE_EQ(read->answers->VersionNo, 10.14);
        // Every slot outside the sample is empty: the file replaces the
        // defaults of the fresh store (1:2 "1", 1:6 "X" ...).
        EXPECT_EQ(FirstDifference(*SampleStore(), *read->answers), "");
        EXPECT_EQ(read->grid, SampleGrid());
    }
}

// ---- Round trip ------------------------------------------------------------

// Every slot of every page gets its own text (some empty, some beyond
// ASCII) and flag, so a slot read into the wrong place shows.
std::unique_ptr<TAnswer> FullStore() {
    auto answers = std::make_unique<TAnswer>();
    for (int page = 0; page < kPageCount; ++page) {
        for (int slot = 0; slot <= LastSlot(page); ++slot) {
            std::string text = std::to_string(page) + ":" + std::to_string(slot);
            if (slot % 7 == 0) text = "";
            if (slot % 5 == 1) text = "Zoë " + text + " €";
            answers->SetText(page, slot, text);
            answers->SetOvRide(page, slot, (page + slot) % 3 == 0);
        }
    }
    answers->SetText(1, 100, "16");
    answers->ProgramName = "QUILL10 ©";
    return answers;
}

SchedulerGrid FullGrid() {
    SchedulerGrid grid;
    grid.rows.clear();
    for (int row = 0; row < 62; ++row) {
        SchedulerRow& cells = grid.rows.emplace_back();
        for (int column = 0; column < kSchedulerColumnCount; ++column)
            cells[column] =
                column == 1 ? "Ünterhalt " + std::to_string(row) : "$" + std::to_string(row * 9 + column);
    }
    grid.rows[5][3] = "";
    return grid;
}

TEST(ClientFileRoundTrip, WrittenFileReadsBackIntoAnIdenticalStore) {
    ScratchFolder folder;
    const std::string path = folder.File("case.q10");
    auto written = FullStore();
    const SchedulerGrid grid = FullGrid();
    std::string error;
    ASSERT_TRUE(WriteClientFile(path, *written, grid, error)) << error;

    auto environment = std::make_shared<CalcEnvironment>();
    auto read = ReadClientFile(path, environment, error);
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(FirstDifference(*written, *read->answers), "");
    EXPECT_EQ(read->answers->Text(1, 100), "16");
    EXPECT_EQ(read->answers->ProgramName, "QUILL10 ©");
    EXPECT_EQ(read->grid, grid);
    EXPECT_EQ(read->answers->SharedEnvironment(), environment);  // the caller's environment
    // Writing what was read gives the same bytes again.
    EXPECT_EQ(ClientFileText(*read->answers, read->grid), ReadWholeFile(path));
}

TEST(ClientFileRoundTrip, EmptySchedulerReadsAsEmptyGrid) {
    TAnswer answers;
    SchedulerGrid grid;
    grid.rows.clear();
    std::string error;
    auto read = Parse(ClientFileText(answers, grid), error);
    ASSERT_TRUE(read) << error;
    EXPECT_TRUE(read->grid.rows.empty());
}

// ---- Reading rules ---------------------------------------------------------

struct FlagCase {
    const char* line;
    bool overridden;
};

TEST(ClientFileReading, FlagLineIsAWholeNumberNotZeroMeaningOverridden) {
    // Blanks before the number are skipped; the number ends at a blank or
    // tab and the rest of its line is not read.
    constexpr FlagCase kCases[] = {{"1", true},       {"0", false},   {"  1", true},
                                   {"\t0", false},    {"-3", true},   {"+2", true},
                                   {"007", true},     {"000", false}, {"1 overridden by hand", true},
                                   {"0\tnote", false}};
    const std::string sample = SampleFileBytes();
    for (const FlagCase& c : kCases) {
        std::string error;
        auto read = Parse(WithLine(sample, 5, c.line), error);  // line 5: flag of 0:0
        ASSERT_TRUE(read) << c.line << ": " << error;
        EXPECT_EQ(read->answers->OvRide(0, 0), c.overridden) << c.line;
        EXPECT_EQ(read->answers->Text(0, 1), "José Muñoz") << c.line;  // the next slot stays in step
    }
}

TEST(ClientFileReading, FlagLineThatIsNoWholeNumberIsAnError) {
    const char* const kCases[] = {"", " ", "x", "1x", "1.0", "--1", "+-1", "99999999999999999999", "yes 1"};
    const std::string sample = SampleFileBytes();
    for (const char* line : kCases) {
        std::string error;
        EXPECT_FALSE(Parse(WithLine(sample, 5, line), error)) << line;
        EXPECT_EQ(error, "line 5: the override flag of slot 0:0 is not a whole number: \"" +
                             std::string(line) + "\"")
            << line;
    }
}

TEST(ClientFileReading, VersionLineAcceptsAnyRealNumber) {
    struct VersionCase {
        const char* line;
        double value;
    };
    constexpr VersionCase kCases[] = {{" 1.01400000000000E+0001", 10.14},
                                      {"10.14", 10.14},
                                      {"-2.5E+0000 rest of line", -2.5},
                                      {"7", 7.0},
                                      {"  1e1", 10.0}};
    const std::string sample = SampleFileBytes();
    for (const VersionCase& c : kCases) {
        std::string error;
        auto read = Parse(WithLine(sample, 2, c.line), error);
        ASSERT_TRUE(read) << c.line << ": " << error;
        EXPECT_DOUBLE_EQ(read->answers->VersionNo, c.value) << c.line;
    }
    for (const char* line : {"", "ten", "1,5", "nan"}) {
        std::string error;
        EXPECT_FALSE(Parse(WithLine(sample, 2, line), error)) << line;
        EXPECT_EQ(error, "line 2: the version number is not a number: \"" + std::string(line) + "\"");
    }
}

TEST(ClientFileReading, HeaderLinesAreNotChecked) {
    std::string bytes = SampleFileBytes();
    bytes = WithLine(bytes, 1, "Another Program");
    bytes = WithLine(bytes, 3, "garbage");
    bytes = WithLine(bytes, kLineOfPage2Header, "");
    bytes = WithLine(bytes, kLineOfRowCount - 2, "Scheduler");
    bytes = WithLine(bytes, kLineOfRowCount - 1, "");
    std::string error;
    auto read = Parse(bytes, error);
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(read->answers->ProgramName, "Another Program");
    EXPECT_EQ(FirstDifference(*SampleStore(), *read->answers), "");
    EXPECT_EQ(read->grid, SampleGrid());
}

TEST(ClientFileReading, RowCountMayCarryTextAfterIt) {
    std::string error;
    auto read = Parse(WithLine(SampleFileBytes(), kLineOfRowCount, " 2 rows"), error);
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(read->grid, SampleGrid());
}

TEST(ClientFileReading, WhatFollowsTheLastCellIsIgnored) {
    std::string error;
    auto read = Parse(SampleFileBytes() + "trailing\r\nlines\r\n", error);
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(read->grid, SampleGrid());
}

TEST(ClientFileReading, LastLineNeedsNoLineEnd) {
    std::string bytes = SampleFileBytes();
    bytes.resize(bytes.size() - 2);
    std::string error;
    auto read = Parse(bytes, error);
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(read->grid.rows[1][8], "$251.27");
}

TEST(ClientFileReading, TruncatedFileNamesTheMissingLine) {
    const std::string sample = SampleFileBytes();
    struct TruncationCase {
        size_t lines;
        const char* error;
    };
    // 605 lines end with page 0; the first cell would be line 15686.
    const TruncationCase kCases[] = {
        {1, "line 2: the file ends where the version number should be"},
        {605, "line 606: the file ends where the header of page 1 should be"},
        {kLineOfSlot1_5, "line 618: the file ends where the override flag of slot 1:5 should be"},
        {15682, "line 15683: the file ends where the scheduler header should be"},
        {15684, "line 15685: the file ends where the scheduler row count should be"},
        {15687, "line 15688: the file ends where the \"Support Due\" cell of scheduler row 1 should be"},
    };
    for (const TruncationCase& c : kCases) {
        std::string error;
        EXPECT_FALSE(Parse(FirstLines(sample, c.lines), error)) << c.lines;
        EXPECT_EQ(error, c.error);
    }
}

// ---- Broken files ----------------------------------------------------------

struct BrokenCase {
    const char* file;
    const char* error;
};

// Every broken file fails with the reason and nothing is handed back.
TEST(ClientFileBroken, BrokenFilesFailWithTheirReason) {
    const BrokenCase kCases[] = {
        // 0 bytes.
        {"clientfile-empty.q10", "line 1: the file ends where the program name should be"},
        // The sample's first 1000 lines: page 2's slots start on line 810, so
        // line 1000 = 810 + 2 x 95 holds the text of 2:95 and its flag is missing.
        {"clientfile-truncated.q10",
         "line 1001: the file ends where the override flag of slot 2:95 should be"},
        // The sample's first 12 lines with "yes" as the flag of 0:2 (line 9 = 4 + 2 x 2 + 1).
        {"clientfile-garbled-flag.q10",
         "line 9: the override flag of slot 0:2 is not a whole number: \"yes\""},
        // The sample with "many" as the row count.
        {"clientfile-bad-count.q10", "line 15685: the scheduler row count is not a whole number: \"many\""},
        // The sample with -2 as the row count.
        {"clientfile-negative-count.q10", "line 15685: the scheduler row count is negative: -2"},
        // The sample with 4000000000 rows announced and two present: the
        // third row would start on line 15686 + 18 = 15704.
        {"clientfile-huge-count.q10",
         "line 15704: the file ends where the \"Date\" cell of scheduler row 3 should be"},
    };
    for (const BrokenCase& c : kCases) {
        std::string error;
        auto read = ReadClientFile(test::TestDataFolder() + "/broken/" + c.file, nullptr, error);
        EXPECT_FALSE(read) << c.file;
        EXPECT_EQ(error, c.error) << c.file;
    }
}

TEST(ClientFileBroken, BinaryJunkFailsWithoutCrashing) {
    // 4096 random bytes; the first LF ends line 1 at byte 669, and line 2
    // (bytes CE C6 76 AE ...) is no number.
    std::string error;
    auto read = ReadClientFile(test::TestDataFolder() + "/broken/clientfile-binary-junk.q10", nullptr, error);
    EXPECT_FALSE(read);
    EXPECT_EQ(error.rfind("line 2: the version number is not a number: \"", 0), 0u) << error;
}

// Only a regular file of at most 64 MB is read: a device would never end,
// a pipe never answer, and a larger file is no case.
TEST(ClientFileBroken, WhatIsNoCaseFileIsRefusedWithTheReason) {
    ScratchFolder folder;
    ASSERT_EQ(::mkfifo(folder.File("pipe.q10").c_str(), 0600), 0);
    WriteWholeFile(folder.File("huge.q10"), "");
    fs::resize_file(folder.File("huge.q10"), kClientFileLimit + 1);  // sparse: nothing is really written
    WriteWholeFile(folder.File("largest.q10"), "");
    fs::resize_file(folder.File("largest.q10"), kClientFileLimit);
    struct Case {
        std::string path;
        std::string reason;
    };
    const Case kCases[] = {
        {folder.File("none.q10"), "No such file or directory"},
        {folder.Path().string(), "it is a folder, not a file"},
        {"/dev/zero", "it is not a regular file but a device, a pipe or a socket"},
        {folder.File("pipe.q10"), "it is not a regular file but a device, a pipe or a socket"},
        {folder.File("huge.q10"), "it is larger than 64 MB"},
        {folder.File("largest.q10"), ""},  // read, and refused for what it holds
    };
    for (const Case& c : kCases) {
        std::string error;
        EXPECT_FALSE(ReadClientFile(c.path, nullptr, error)) << c.path;
        if (c.reason.empty())
            EXPECT_EQ(error.rfind("line 2: ", 0), 0u) << error;
        else
            EXPECT_EQ(error, "cannot open \"" + c.path + "\": " + c.reason);
    }
}

// ---- Safe saving -----------------------------------------------------------

// A disk that fills up after `capacity` bytes (the failing device of the
// save tests): it writes what fits and reports "No space left on device".
WriteFunction DiskFullAfter(size_t capacity) {
    auto used = std::make_shared<size_t>(0);
    return [capacity, used](std::FILE* file, const char* data, size_t size) -> size_t {
        const size_t fits = std::min(size, capacity - *used);
        const size_t written = std::fwrite(data, 1, fits, file);
        *used += written;
        if (written < size) errno = ENOSPC;
        return written;
    };
}

std::vector<std::string> FolderListing(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

TEST(SafeSave, FailedWriteLeavesTheSavedCaseUntouched) {
    ScratchFolder folder;
    const std::string path = folder.File("case.q10");
    std::string error;
    ASSERT_TRUE(WriteClientFile(path, *SampleStore(), SampleGrid(), error)) << error;
    const std::string before = ReadWholeFile(path);

    auto changed = FullStore();
    const size_t size = ClientFileText(*changed, FullGrid()).size();
    for (size_t capacity : {size_t{0}, size_t{1000}, size - 1}) {
        EXPECT_FALSE(WriteClientFile(path, *changed, FullGrid(), error, DiskFullAfter(capacity))) << capacity;
        EXPECT_EQ(error, "cannot save \"" + path + "\": writing failed: No space left on device");
        EXPECT_EQ(ReadWholeFile(path), before) << capacity;
        EXPECT_EQ(FolderListing(folder.Path()), std::vector<std::string>{"case.q10"})
            << "temporary file left";
    }
}

TEST(SafeSave, FailedFirstSaveCreatesNoFile) {
    ScratchFolder folder;
    std::string error;
    EXPECT_FALSE(
        WriteClientFile(folder.File("new.q10"), TAnswer(), SchedulerGrid{}, error, DiskFullAfter(10)));
    EXPECT_TRUE(FolderListing(folder.Path()).empty());
}

TEST(SafeSave, SuccessfulSaveReplacesTheFileAndKeepsItsAccessRights) {
    ScratchFolder folder;
    const std::string path = folder.File("case.q10");
    WriteWholeFile(path, "old content");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    std::string error;
    ASSERT_TRUE(SaveFileAtomically(path, "new content\r\n", error)) << error;
    EXPECT_EQ(ReadWholeFile(path), "new content\r\n");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(FolderListing(folder.Path()), std::vector<std::string>{"case.q10"});
}

TEST(SafeSave, SystemFailuresNameThePathAndTheReason) {
    ScratchFolder folder;
    std::string error;
    const std::string missing = folder.File("no such folder/case.q10");
    EXPECT_FALSE(SaveFileAtomically(missing, "text", error));
    EXPECT_EQ(error, "cannot save \"" + missing +
                         "\": cannot create a temporary file in its folder: "
                         "No such file or directory");

    // A folder where the file should go cannot be replaced by a file.
    const std::string taken = folder.File("taken.q10");
    fs::create_directory(taken);
    WriteWholeFile(taken + "/inside.txt", "kept");
    EXPECT_FALSE(SaveFileAtomically(taken, "text", error));
    EXPECT_EQ(error.rfind("cannot save \"" + taken + "\": cannot replace the file: ", 0), 0u) << error;
    EXPECT_EQ(ReadWholeFile(taken + "/inside.txt"), "kept");
    EXPECT_EQ(FolderListing(folder.Path()), std::vector<std::string>{"taken.q10"});
}

// A save through a symbolic link replaces the file the link points to (via
// a relative link, a chain of links, and a link to a file not yet there);
// the links stay links.
TEST(SafeSave, SaveThroughALinkReplacesTheFileItPointsTo) {
    ScratchFolder folder;
    fs::create_directory(folder.Path() / "cases");
    const std::string real = folder.File("cases/real.q10");
    WriteWholeFile(real, "old content");
    fs::create_symlink("cases/real.q10", folder.Path() / "relative.q10");
    fs::create_symlink(folder.Path() / "relative.q10", folder.Path() / "chain.q10");
    fs::create_symlink("cases/later.q10", folder.Path() / "dangling.q10");
    struct Case {
        const char* link;
        std::string target;
    };
    const Case kCases[] = {
        {"relative.q10", real}, {"chain.q10", real}, {"dangling.q10", folder.File("cases/later.q10")}};
    for (const Case& c : kCases) {
        std::string error;
        const std::string content = std::string("saved through ") + c.link;
        ASSERT_TRUE(SaveFileAtomically(folder.File(c.link), content, error)) << c.link << ": " << error;
        EXPECT_TRUE(fs::is_symlink(folder.Path() / c.link)) << c.link;
        EXPECT_EQ(ReadWholeFile(c.target), content) << c.link;
    }
    std::vector<std::string> files = FolderListing(folder.Path() / "cases");
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"later.q10", "real.q10"}));
}

TEST(SafeSave, ReadOnlyFileIsNotReplaced) {
    ScratchFolder folder;
    const std::string path = folder.File("case.q10");
    WriteWholeFile(path, "kept");
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    std::string error;
    EXPECT_FALSE(SaveFileAtomically(path, "new", error));
    EXPECT_EQ(error, "cannot save \"" + path + "\": the file is read-only");
    EXPECT_EQ(ReadWholeFile(path), "kept");
    EXPECT_EQ(FolderListing(folder.Path()), std::vector<std::string>{"case.q10"});
}

TEST(SafeSave, FileNameOfTheLongestLengthSaves) {
    ScratchFolder folder;
    const std::string name = std::string(251, 'n') + ".q10";  // 255 characters, the most a name may have
    std::string error;
    ASSERT_TRUE(SaveFileAtomically(folder.File(name), "content", error)) << error;
    ASSERT_TRUE(SaveFileAtomically(folder.File(name), "replaced", error)) << error;
    EXPECT_EQ(ReadWholeFile(folder.File(name)), "replaced");
    EXPECT_EQ(FolderListing(folder.Path()), std::vector<std::string>{name});
}

// The temporary file has the saved file's mode from the moment it exists:
// a new case is the owner's alone, a replaced file keeps its mode, also
// where the process's mask would take bits away.
TEST(SafeSave, TemporaryFileIsCreatedWithTheFinalMode) {
    constexpr auto kOwner = fs::perms::owner_read | fs::perms::owner_write;
    struct Case {
        const char* label;
        std::optional<fs::perms> existing;
        fs::perms expected;
    };
    const Case kCases[] = {
        {"new case", std::nullopt, kOwner},
        {"case shared with the group", kOwner | fs::perms::group_read, kOwner | fs::perms::group_read},
        {"case readable by all", kOwner | fs::perms::group_read | fs::perms::others_read,
         kOwner | fs::perms::group_read | fs::perms::others_read},
    };
    const mode_t mask = ::umask(077);
    for (const Case& c : kCases) {
        ScratchFolder folder;
        const std::string path = folder.File("case.q10");
        if (c.existing) {
            WriteWholeFile(path, "old");
            fs::permissions(path, *c.existing);
        }
        std::optional<fs::perms> whileWriting;
        const WriteFunction watch = [&](std::FILE* file, const char* data, size_t size) {
            struct stat info {};
            if (::fstat(::fileno(file), &info) == 0) whileWriting = static_cast<fs::perms>(info.st_mode & 07777);
            return std::fwrite(data, 1, size, file);
        };
        std::string error;
        ASSERT_TRUE(SaveFileAtomically(path, "content", error, watch)) << c.label << ": " << error;
        EXPECT_EQ(whileWriting, c.expected) << c.label;
        EXPECT_EQ(fs::status(path).permissions(), c.expected) << c.label;
    }
    ::umask(mask);
}

// Saves `content` to `path` in a child process that is killed part way
// through writing, as a power cut or a kill would stop the program.
void SaveKilledPartWay(const std::string& path, const std::string& content) {
    const pid_t child = ::fork();
    if (child == 0) {
        std::string error;
        SaveFileAtomically(path, content, error, [](std::FILE* file, const char* data, size_t size) -> size_t {
            std::fwrite(data, 1, size / 2, file);
            std::fflush(file);
            ::_exit(0);
        });
        ::_exit(1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
}

size_t HiddenFiles(const fs::path& folder) {
    const std::vector<std::string> names = FolderListing(folder);
    return static_cast<size_t>(std::count_if(names.begin(), names.end(), [](const std::string& n) { return n[0] == '.'; }));
}

void AgeHiddenFiles(const fs::path& folder, std::chrono::minutes age) {
    for (const std::string& name : FolderListing(folder))
        if (name[0] == '.') fs::last_write_time(folder / name, fs::file_time_type::clock::now() - age);
}

// A killed save's temporary file is removed by a later save once it is an
// hour old; a younger one may be another program's save still being written.
TEST(SafeSave, TemporaryFileOfAKilledSaveIsRemovedOnceAbandoned) {
    ScratchFolder folder;
    const std::string path = folder.File("case.q10");
    std::string error;
    ASSERT_TRUE(SaveFileAtomically(path, "saved", error)) << error;
    SaveKilledPartWay(path, "the killed save");
    SaveKilledPartWay(path, "another killed save");
    SaveKilledPartWay(folder.File("other.q10"), "another case's killed save");
    EXPECT_EQ(ReadWholeFile(path), "saved");  // the killed saves changed nothing
    EXPECT_EQ(HiddenFiles(folder.Path()), 3u);

    ASSERT_TRUE(SaveFileAtomically(path, "saved again", error)) << error;
    EXPECT_EQ(HiddenFiles(folder.Path()), 3u);  // too young to be taken for abandoned

    AgeHiddenFiles(folder.Path(), std::chrono::minutes(61));
    ASSERT_TRUE(SaveFileAtomically(path, "saved a third time", error)) << error;
    EXPECT_EQ(ReadWholeFile(path), "saved a third time");
    EXPECT_EQ(HiddenFiles(folder.Path()), 1u);  // the other case's is not this save's business
    EXPECT_FALSE(fs::exists(folder.File("other.q10")));
}

// Processes saving one file at the same time all succeed, and the file is
// always one of the contents whole.
TEST(SafeSave, ConcurrentSavesOfOneFileAllSucceed) {
    ScratchFolder folder;
    const std::string path = folder.File("same.q10");
    constexpr int kWriters = 8;
    constexpr int kSaves = 40;
    EXPECT_EQ(test::FailuresInProcesses(kWriters,
                                  [&](int writer) {
                                      const std::string content(20000 + writer, static_cast<char>('a' + writer));
                                      std::string error;
                                      for (int save = 0; save < kSaves; ++save)
                                          if (!SaveFileAtomically(path, content, error)) return false;
                                      return true;
                                  }),
              0);
    const std::string saved = ReadWholeFile(path);
    ASSERT_GE(saved.size(), 20000u);
    const size_t writer = saved.size() - 20000;
    EXPECT_EQ(saved, std::string(20000 + writer, static_cast<char>('a' + writer)));
    EXPECT_EQ(HiddenFiles(folder.Path()), 0u);
}

}  // namespace
}  // namespace quill10
