// An office's own support schedule: read from the forms an office receives
// it in, checked, installed for the user, and used by the calculation and
// named at the foot of every printed page.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <sstream>

#include "TestSupport.h"
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
        const char* problem;  // the fault's message, "" when sound
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
    };
    for (const auto& c : cases) {
        const ScheduleReading reading = ReadScheduleText(c.text);
        if (std::string(c.problem).empty()) {
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
            EXPECT_NE(ScheduleVerdict(reading).find(std::string("fails the table check: ") + c.problem),
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

    // Text that holds no row, and a file that is not there.
    EXPECT_EQ(ReadSchedulePdfText("Basic Child Support Schedule\nPage 1\n").fault.Message(),
              "no line of it holds an income and six amounts");
    EXPECT_NE(ReadScheduleFile(folder.File("missing.pdf")).fault.Message().find("cannot be read"), std::string::npos);
}

class InstalledForTheUser : public ::testing::Test {
protected:
    InstalledForTheUser() { settings.folders.settings = folder.File("settings"); }
    Settings settings;
    test::ScratchFolder folder;
};

TEST_F(InstalledForTheUser, InstallKeepsThePreviousAndResetGoesBack) {
    const std::vector<Row> demonstration = InstalledRows();
    std::vector<Row> office = demonstration;
    for (Row& row : office) row.amounts[0] += 5;
    const std::string installedTable = test::ReadWholeFile(test::ProgramFolder() + "/table.txt");

    // A name or a date that will not do changes nothing.
    EXPECT_NE(InstallSchedule(settings, office, "", "2024-01-01"), "");
    EXPECT_NE(InstallSchedule(settings, office, "Ohio 2024", "1/1/2024"), "");
    EXPECT_EQ(settings.schedule, OfficeSchedule{});
    EXPECT_FALSE(std::filesystem::exists(SchedulesFolder(settings)));

    ASSERT_EQ(InstallSchedule(settings, office, " Ohio 2024 ", "2024-01-01"), "");
    EXPECT_EQ(settings.schedule, (OfficeSchedule{SchedulesFolder(settings) + "/table.txt", "Ohio 2024", "2024-01-01"}));
    std::vector<Row> read;
    ASSERT_EQ(SupportTable::ParseRows(test::ReadWholeFile(settings.schedule.file), read), "");
    EXPECT_EQ(SupportTable::Fingerprint(read), SupportTable::Fingerprint(office));

    ASSERT_EQ(InstallSchedule(settings, demonstration, "Ohio 2025", "2025-01-01"), "");
    EXPECT_EQ(SupportTable::ParseRows(test::ReadWholeFile(SchedulesFolder(settings) + "/table (previous).txt"), read), "");
    EXPECT_EQ(SupportTable::Fingerprint(read), SupportTable::Fingerprint(office));

    // The settings file keeps the schedule; going back clears it.
    std::string error;
    ASSERT_TRUE(WriteINI(settings, error)) << error;
    Settings again;
    again.folders.settings = settings.folders.settings;
    EXPECT_TRUE(ReadINI(SettingsFilePath(settings), again).empty());
    EXPECT_EQ(again.schedule, settings.schedule);
    UseInstalledSchedule(again);
    EXPECT_EQ(again.schedule, OfficeSchedule{});
    EXPECT_EQ(test::ReadWholeFile(test::ProgramFolder() + "/table.txt"), installedTable);
}

// Line 17 comes from the schedule in use, and every printed page says which.
TEST_F(InstalledForTheUser, TheCalculationAndThePrintedPagesUseTheScheduleInUse) {
    std::vector<Row> office = InstalledRows();
    for (Row& row : office) row.amounts[1] += 100;  // two children
    ASSERT_EQ(InstallSchedule(settings, office, "Ohio 2024", "2024-01-01"), "");

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
    store->Environment().UseSchedule({folder.File("gone.txt"), "Gone", "2024-01-01"});
    document = AssemblePrintDocument(*store, folders, state, {15});
    EXPECT_TRUE(document.pages.empty());
    ASSERT_EQ(document.problems.size(), 1u);
    EXPECT_NE(document.problems[0].find("gone.txt"), std::string::npos) << document.problems[0];
}

}  // namespace
}  // namespace quill10
