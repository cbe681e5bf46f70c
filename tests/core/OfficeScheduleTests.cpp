// An office's own support schedule: read from the forms an office receives
// it in, checked, installed for the user, and used by the calculation and
// named at the foot of every printed page.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <sstream>

#include <sys/wait.h>
#include <unistd.h>

#include "TestSupport.h"
#include "calc/CalcEnvironment.h"
#include "calc/ScheduleImport.h"
#include "files/ScheduleInstall.h"
#include "print/PdfExport.h"
#include "print/PrvwSend.h"
#include "print/RtfText.h"

namespace quill10 {
namespace {

using Row = SupportTable::Row;

std::vector<Row> InstalledRows() {
    std::vector<Row> rows;
    const std::string problem =
        SupportTable::ParseRows(test::ReadWholeFile(test::ProgramFolder() + "/table.txt"), rows);
    EXPECT_EQ(problem, "");
    return rows;
}

// A schedule as an office's spreadsheet saves it: `cell` writes each value.
std::string Spreadsheet(const std::vector<Row>& rows, const std::string& header, char delimiter,
                        const std::function<std::string(double)>& cell) {
    std::string text = header.empty() ? "" : header + "\r\n";
    for (const Row& row : rows) {
        text += cell(row.income);
        for (double amount : row.amounts) text += delimiter + cell(amount);
        text += "\r\n";
    }
    return text;
}

std::string Grouped(double value) { return WholeMoneyText(value); }
std::string QuotedDollars(double value) { return "\"$" + WholeMoneyText(value) + "\""; }
std::string Plain(double value) { return FixedText(value, 0); }
std::string Dollars(double value) { return "$" + WholeMoneyText(value); }

std::vector<Row> Zeroed(std::vector<Row> rows) {
    for (Row& row : rows) row.amounts = {};
    return rows;
}

// `text` with an empty line put in before its line `number` (from 1).
std::string EmptyLineBefore(std::string text, size_t number) {
    size_t at = 0;
    for (size_t n = 1; n < number; ++n) at = text.find("\r\n", at) + 2;
    return text.insert(at, "\r\n");
}

std::string OneLine(const std::string& text) { return text.substr(0, text.find("\r\n")); }

// The lines of `text` with line `number` (from 1) replaced, or removed.
std::string WithLine(const std::string& text, size_t number, const std::optional<std::string>& line) {
    std::istringstream in(text);
    std::string out, current;
    for (size_t k = 1; std::getline(in, current); ++k) {
        if (k != number) out += current + "\n";
        else if (line) out += *line + "\n";
    }
    return out;
}

TEST(OfficeSchedule, EveryFormIsReadAndChecked) {
    const std::vector<Row> rows = InstalledRows();
    const std::string csv = Spreadsheet(rows, "Combined Income,One Child,Two,Three,Four,Five,Six", ',', QuotedDollars);
    const std::string semicolons = Spreadsheet(rows, "Income;1;2;3;4;5;6", ';', Grouped);
    const struct {
        const char* label;
        std::string text;
        const char* form;     // "" when the reading fails
        std::string problem;  // the fault's message, "" when sound
        std::string faultText;
    } cases[] = {
        {"tab format", test::ReadWholeFile(test::ProgramFolder() + "/table.txt"), "tab-separated text", "", ""},
        {"CSV with a header and $1,234", csv, "comma-separated text, with a header line", "", ""},
        {"semicolons", semicolons, "semicolon-separated text, with a header line", "", ""},
        {"a spreadsheet's empty columns", Spreadsheet(rows, "", ',', [](double v) { return Plain(v); }) + ",,,,,,,,\r\n",
         "comma-separated text", "", ""},
        {"a row out of order", WithLine(csv, 4, OneLine(Spreadsheet({rows[3]}, "", ',', QuotedDollars))), "",
         "line 4: the income $8,400 should be $7,800, $600 above the row before",
         OneLine(Spreadsheet({rows[3]}, "", ',', QuotedDollars))},
        {"a missing child column", WithLine(semicolons, 10, "11,400;1,990;2,900;3,400;3,700;4,000"), "",
         "line 10: it does not hold the row's income and six amounts separated by semicolons",
         "11,400;1,990;2,900;3,400;3,700;4,000"},
        {"empty", "", "", "it holds no rows", ""},
        // What a filing needs: every row from $6,600, nothing read as a header
        // that is a row, no row of zeros, no amount falling as income rises.
        {"only the last row", Spreadsheet({rows.back()}, "", '\t', Plain), "",
         "line 1: the rows from $6,600 to $148,800 are missing \u2014 was a page of the PDF lost?",
         OneLine(Spreadsheet({rows.back()}, "", '\t', Plain))},
        {"a first income written 6600*", WithLine(csv, 2, "6600*,1267,1839,2168,2405,2612,2800"), "",
         "line 2: the income \"6600*\" is not a whole, non-negative number of dollars",
         "6600*,1267,1839,2168,2405,2612,2800"},
        {"a schedule of zeros", Spreadsheet(Zeroed(rows), "", '\t', Plain), "",
         "line 1: the row holds no amount above $0", ""},
        {"an amount that falls as income rises", WithLine(semicolons, 21, "18,000;5;2,930;3,450;3,800;4,130;4,440"), "",
         "line 21: the amount for 1 child, $5, is less than the amount for 1 child in the row of $17,400, " +
             Dollars(rows[18].amounts[0]) + ": an amount may not fall as income rises",
         "18,000;5;2,930;3,450;3,800;4,130;4,440"},
        {"a row past $149,400", Spreadsheet(rows, "", ',', Plain) + "150000,1,2,3,4,5,6\r\n", "",
         "line 240: the row of $150,000 is past the schedule's last row, $149,400 (incomes of $150,000 and more "
         "follow the worksheet's own rule)",
         "150000,1,2,3,4,5,6"},
    };
    for (const auto& c : cases) {
        const ScheduleReading reading = ReadScheduleText(c.text);
        if (c.problem.empty()) {
            EXPECT_TRUE(reading.Sound()) << c.label << ": " << reading.fault.Message();
            EXPECT_EQ(reading.form, c.form) << c.label;
            EXPECT_EQ(SupportTable::Fingerprint(reading.rows), SupportTable::Fingerprint(rows)) << c.label;
            EXPECT_NE(ScheduleVerdict(reading).find("passes the table check"), std::string::npos) << c.label;
        } else {
            EXPECT_FALSE(reading.Sound()) << c.label;
            EXPECT_TRUE(reading.rows.empty()) << c.label;
            EXPECT_EQ(reading.fault.Message(), c.problem) << c.label;
            if (!c.faultText.empty()) {
                EXPECT_EQ(reading.fault.text, c.faultText) << c.label;
            }
            EXPECT_NE(ScheduleVerdict(reading).find("fails the table check: " + c.problem),
                      std::string::npos)
                << ScheduleVerdict(reading);
        }
    }
}

// An RTF table of the schedule, as an office's PDF of it is laid out:
// headings, a row a line, page numbers.
std::string ScheduleRtf(const std::vector<Row>& rows) {
    std::string rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\fs16\r\nBasic Child Support Schedule\\par\r\n"
                      "Combined income\\tab One child\\tab Two\\tab Three\\tab Four\\tab Five\\tab Six\\par\r\n";
    for (size_t k = 0; k < rows.size(); ++k) {
        std::string line = "$" + WholeMoneyText(rows[k].income);
        for (double amount : rows[k].amounts) line += "\\tab $" + WholeMoneyText(amount);
        rtf += line + "\\par\r\n";
        if (k % 60 == 59) rtf += "Page " + std::to_string(k / 60 + 1) + "\\par\\page\r\n";
    }
    return rtf + "}\r\n";
}

TEST(OfficeSchedule, APdfOfTheScheduleIsReadThroughItsText) {
    test::ScratchFolder folder;
    const std::vector<Row> rows = InstalledRows();
    std::string error;
    ASSERT_TRUE(ConvertRtfToPdf(ScheduleRtf(rows), folder.File("schedule.pdf"), error)) << error;
    const ScheduleReading reading = ReadScheduleFile(folder.File("schedule.pdf"));
    ASSERT_TRUE(reading.Sound()) << ScheduleVerdict(reading);
    EXPECT_EQ(reading.form, "the text of a PDF");
    EXPECT_EQ(SupportTable::Fingerprint(reading.rows), SupportTable::Fingerprint(rows));

    // A PDF whose first page was lost: its rows begin at $42,600.
    std::string laterPages;
    for (size_t k = 60; k < rows.size(); ++k) laterPages += OneLine(Spreadsheet({rows[k]}, "", ' ', QuotedDollars)) + "\n";
    laterPages.erase(std::remove(laterPages.begin(), laterPages.end(), '"'), laterPages.end());
    EXPECT_EQ(ReadSchedulePdfText(laterPages).fault.Message(),
              "line 1: the rows from $6,600 to $42,000 are missing \u2014 was a page of the PDF lost?");

    // Text that holds no row, and a file that is not there.
    EXPECT_EQ(ReadSchedulePdfText("Basic Child Support Schedule\nPage 1\n").fault.Message(),
              "no line of it holds an income and six amounts");
    EXPECT_NE(ReadScheduleFile(folder.File("missing.pdf")).fault.Message().find("cannot be read"), std::string::npos);
}

// A schedule file the check accepts is always one the calculation reads: one
// size limit serves both.
TEST(OfficeSchedule, AFileLargerThanAnyScheduleIsRefusedByTheCheck) {
    test::ScratchFolder folder;
    const std::string padded =
        test::ReadWholeFile(test::ProgramFolder() + "/table.txt") + std::string(1300 * 1024, ' ');
    test::WriteWholeFile(folder.File("big.txt"), padded);
    EXPECT_EQ(ReadScheduleFile(folder.File("big.txt")).fault.Message(),
              "the file \"" + folder.File("big.txt") + "\" cannot be read: it is larger than 1 MB, which no schedule is");
}

// The program folder's table.txt is read as it stands: what `table install`
// takes (a header, semicolons, an empty line) is refused there.
TEST(OfficeSchedule, TheProgramTableRulesAreStricterThanTheInstallRules) {
    const std::string table = test::ReadWholeFile(test::ProgramFolder() + "/table.txt");
    const struct {
        const char* label;
        std::string text;
        const char* programTableFault;
    } cases[] = {
        {"a header line", "Income\t1\t2\t3\t4\t5\t6\r\n" + table,
         "line 1: the income \"Income\" is not a whole, non-negative number of dollars"},
        {"semicolons", Spreadsheet(InstalledRows(), "", ';', Plain),
         "line 1: it does not hold the row's income and six amounts separated by tabs"},
        {"an empty line between rows", EmptyLineBefore(table, 5), "line 5: the line is empty, and rows follow it"},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(ReadScheduleText(c.text).Sound()) << c.label;
        const ScheduleReading strict = ReadProgramTable(c.text);
        EXPECT_FALSE(strict.Sound()) << c.label;
        EXPECT_EQ(strict.fault.Message(), c.programTableFault) << c.label;
    }
    EXPECT_TRUE(ReadProgramTable(table).Sound());
}

class InstalledForTheUser : public ::testing::Test {
protected:
    InstalledForTheUser() {
        defaults.folders.settings = folder.File("settings");
        settingsPath = SettingsFilePath(defaults);
    }
    Settings Now() const { return ReadSettingsNow(settingsPath, defaults); }
    static std::vector<Row> Office(double extra) {
        std::vector<Row> rows = InstalledRows();
        for (Row& row : rows) row.amounts[0] += extra;
        return rows;
    }
    test::ScratchFolder folder;
    Settings defaults;
    std::string settingsPath;
    Settings written;
};

TEST_F(InstalledForTheUser, InstallRecordsTheScheduleUnderItsFingerprintAndResetKeepsIt) {
    const std::vector<Row> office = Office(5);
    const std::string installedTable = test::ReadWholeFile(test::ProgramFolder() + "/table.txt");

    // A name or a date that will not do changes nothing.
    EXPECT_NE(InstallSchedule(settingsPath, defaults, office, "", "2024-01-01", written), "");
    EXPECT_NE(InstallSchedule(settingsPath, defaults, office, "Ohio 2024", "1/1/2024", written), "");
    EXPECT_FALSE(std::filesystem::exists(settingsPath));
    EXPECT_FALSE(std::filesystem::exists(SchedulesFolder(settingsPath)));

    ASSERT_EQ(InstallSchedule(settingsPath, defaults, office, " Ohio 2024 ", "2024-01-01", written), "");
    const std::string fingerprint = SupportTable::ShortFingerprint(SupportTable::Fingerprint(office));
    const OfficeSchedule expected{SchedulesFolder(settingsPath) + "/" + fingerprint + ".txt", "Ohio 2024",
                                  "2024-01-01", fingerprint};
    EXPECT_EQ(written.schedule, expected);
    EXPECT_EQ(Now().schedule, expected);
    std::vector<Row> read;
    ASSERT_EQ(SupportTable::ParseRows(test::ReadWholeFile(expected.file), read), "");
    EXPECT_EQ(SupportTable::Fingerprint(read), SupportTable::Fingerprint(office));

    // Going back changes the settings only: the office's file stays, and is
    // listed among the schedules kept.
    ASSERT_EQ(UseInstalledSchedule(settingsPath, defaults, written), "");
    EXPECT_EQ(Now().schedule, OfficeSchedule{});
    EXPECT_TRUE(std::filesystem::exists(expected.file));
    ASSERT_EQ(InstallSchedule(settingsPath, defaults, Office(7), "Ohio 2025", "2025-01-01", written), "");
    EXPECT_TRUE(std::filesystem::exists(expected.file));
    const std::vector<KeptSchedule> kept = KeptSchedules(settingsPath, Now().schedule);
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_TRUE(kept[0].inUse || kept[1].inUse);
    EXPECT_EQ(test::ReadWholeFile(test::ProgramFolder() + "/table.txt"), installedTable);
}

TEST_F(InstalledForTheUser, TheLastFiveSchedulesAreKept) {
    std::vector<std::string> files;
    for (int k = 1; k <= 7; ++k) {
        ASSERT_EQ(InstallSchedule(settingsPath, defaults, Office(k), "Schedule " + std::to_string(k), "2024-01-01",
                                  written),
                  "");
        files.push_back(written.schedule.file);
        // Each install is newer than the one before, whatever the clock's grain.
        std::filesystem::last_write_time(files.back(), std::filesystem::file_time_type::clock::now() -
                                                           std::chrono::seconds(100 - k));
    }
    for (int k = 0; k < 7; ++k) EXPECT_EQ(std::filesystem::exists(files[k]), k >= 2) << k;
    EXPECT_EQ(KeptSchedules(settingsPath, Now().schedule).size(), kKeptSchedules);
}

// The settings write is the one commit point: a settings file that cannot
// be written leaves the schedule in use and its file as they were.
TEST_F(InstalledForTheUser, AFailedSettingsWriteLeavesTheScheduleInUse) {
    ASSERT_EQ(InstallSchedule(settingsPath, defaults, Office(5), "Ohio 2024", "2024-01-01", written), "");
    const std::string settingsBefore = test::ReadWholeFile(settingsPath);
    const std::string scheduleBefore = test::ReadWholeFile(written.schedule.file);
    std::filesystem::permissions(settingsPath, std::filesystem::perms::owner_read);

    const std::string error = InstallSchedule(settingsPath, defaults, Office(9), "Ohio 2025", "2025-01-01", written);
    EXPECT_NE(error.find("read-only"), std::string::npos) << error;
    EXPECT_EQ(test::ReadWholeFile(settingsPath), settingsBefore);
    EXPECT_EQ(test::ReadWholeFile(Now().schedule.file), scheduleBefore);
    EXPECT_EQ(KeptSchedules(settingsPath, Now().schedule).size(), 1u);  // the new file was taken away again
}

// Installs from several programs at once are taken one after the other,
// each whole: the settings always name a schedule whose file has its rows.
TEST_F(InstalledForTheUser, ConcurrentInstallsAreEachWhole) {
    constexpr int kPrograms = 4;
    constexpr int kInstalls = 10;
    EXPECT_EQ(test::FailuresInProcesses(kPrograms,
                                        [&](int program) {
                                            Settings mine;
                                            for (int k = 0; k < kInstalls; ++k)
                                                if (!InstallSchedule(settingsPath, defaults, Office(program * 100 + k),
                                                                     "P" + std::to_string(program), "2024-01-01", mine)
                                                         .empty())
                                                    return false;
                                            return true;
                                        }),
              0);
    SupportTable table;
    const OfficeSchedule inUse = Now().schedule;
    table.SetPath(inUse.file);
    table.SetIdentity(inUse.name, inUse.effective, inUse.fingerprint);
    EXPECT_EQ(table.RowCount(), InstalledRows().size());  // the fingerprint matched
}

// A schedule file changed after it was installed is refused, naming both
// fingerprints, instead of pricing cases under another schedule's name.
TEST_F(InstalledForTheUser, AFileWhoseRowsChangedIsRefused) {
    ASSERT_EQ(InstallSchedule(settingsPath, defaults, Office(5), "Ohio 2024", "2024-01-01", written), "");
    const OfficeSchedule inUse = written.schedule;
    test::WriteWholeFile(inUse.file, ScheduleFileText(Office(6)));
    CalcEnvironment environment;
    environment.UseSchedule(inUse);
    try {
        environment.Table().Amount(30000, 1);
        FAIL() << "a changed schedule was used";
    } catch (const SupportTableError& error) {
        const std::string found = SupportTable::ShortFingerprint(SupportTable::Fingerprint(Office(6)));
        EXPECT_NE(std::string(error.what()).find("its rows have the fingerprint " + found + ", the settings record " +
                                                 inUse.fingerprint),
                  std::string::npos)
            << error.what();
        EXPECT_EQ(error.Schedule(), "Ohio 2024");
    }
}

// Line 17 comes from the schedule in use, and every printed page says which.
TEST_F(InstalledForTheUser, TheCalculationAndThePrintedPagesUseTheScheduleInUse) {
    std::vector<Row> office = InstalledRows();
    for (Row& row : office) row.amounts[1] += 100;  // two children
    ASSERT_EQ(InstallSchedule(settingsPath, defaults, office, "Ohio 2024", "2024-01-01", written), "");
    const Settings settings = Now();

    std::unique_ptr<TAnswer> store = test::NewStore();
    store->SetText(1, 53, "X");
    store->SetText(1, 4, "X");
    store->SetText(1, 2, "2");  // two children
    store->SetText(1, 19, "30,000.00");
    const std::vector<Row> rows = InstalledRows();
    const auto line17 = [&](const OfficeSchedule& schedule) {
        store->Environment().UseSchedule(schedule);
        store->Calculate();
        return Str2Float_2(store->Text(3, 14));
    };
    const double demonstration = line17({});
    const double own = line17(settings.schedule);
    EXPECT_EQ(own - demonstration, 100.0);

    const TemplateFolders folders{test::ProgramFolder() + "/RTF", test::ProgramFolder() + "/DAT"};
    FillState state;
    const std::string footer = "Support schedule: Ohio 2024, effective January 1, 2024 (fingerprint " +
                               SupportTable::ShortFingerprint(SupportTable::Fingerprint(office)) + ")";
    PrintDocument document = AssemblePrintDocument(*store, folders, state, {1, 2, 18, 33});
    ASSERT_TRUE(document.problems.empty()) << document.problems.front();
    EXPECT_NE(document.text.find("{\\footer\\pard\\plain\\qc\\f0\\fs16 " + footer + "\\par}"), std::string::npos);

    store->Environment().UseSchedule({});
    document = AssemblePrintDocument(*store, folders, state, {15});
    EXPECT_NE(document.text.find("{\\footer\\pard\\plain\\qc\\f0\\fs16 " + RtfEscape(kDemonstrationFooter) + "\\par}"),
              std::string::npos);

    // A schedule that cannot be read: the pages cannot say, so none is made.
    store->Environment().UseSchedule({folder.File("gone.txt"), "Gone", "2024-01-01", ""});
    document = AssemblePrintDocument(*store, folders, state, {15});
    EXPECT_TRUE(document.pages.empty());
    ASSERT_EQ(document.problems.size(), 1u);
    EXPECT_NE(document.problems[0].find("gone.txt"), std::string::npos) << document.problems[0];
}

}  // namespace
}  // namespace quill10
