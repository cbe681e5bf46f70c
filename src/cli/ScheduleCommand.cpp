#include "ScheduleCommand.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "PrintCommand.h"
#include "calc/CalcEnvironment.h"
#include "print/FiledPdf.h"
#include "print/PrvwSend.h"
#include "scheduler/Scheduler.h"
#include "print/SendSched.h"
#include "scheduler/YearlySummary.h"
#include "store/Misc.h"

namespace quill10 {

namespace {

// Characters of a UTF-8 text (not bytes), for lining up columns.
size_t Width(const std::string& text) {
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// The `shown` columns of the rows, aligned and separated by two blanks:
// Date and Description to the left, the amounts to the right.
void AppendColumns(std::string& out, const std::vector<SchedulerRow>& rows, const std::vector<int>& shown) {
    std::vector<size_t> widths(shown.size(), 0);
    for (const SchedulerRow& row : rows)
        for (size_t k = 0; k < shown.size(); ++k) widths[k] = std::max(widths[k], Width(row[static_cast<size_t>(shown[k])]));
    for (const SchedulerRow& row : rows) {
        std::string line;
        for (size_t k = 0; k < shown.size(); ++k) {
            const std::string& cell = row[static_cast<size_t>(shown[k])];
            const std::string pad(widths[k] - Width(cell), ' ');
            if (k > 0) line += "  ";
            line += shown[k] <= kColDescription ? cell + pad : pad + cell;
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out += line + "\n";
    }
}

template <typename Titles>
SchedulerRow TitleRow(const Titles& titles) {
    SchedulerRow row;
    std::copy(titles.begin(), titles.end(), row.begin());
    return row;
}

}  // namespace

std::string ScheduleReport(const SchedulerGrid& grid) {
    std::string out = "Support Scheduler\n";
    std::vector<SchedulerRow> rows = {TitleRow(kSchedulerColumnTitles)};
    rows.insert(rows.end(), grid.rows.begin(), grid.rows.end());
    rows.push_back(TotalsRow(grid));
    AppendColumns(out, rows, {0, 1, 2, 3, 4, 5, 6, 7, 8});
    out += "\nYear-by-Year Summary\n";
    std::vector<SchedulerRow> years = {TitleRow(kSummaryColumnTitles)};
    for (const YearSummary& year : YearlySummary(grid)) years.push_back(SummaryRow(year));
    AppendColumns(out, years, {kColDate, kColDue, kColPaid, kColBalance, kColInterest, kColTotalInterest,
                               kColBalanceWithInterest});
    return out;
}

bool NamesSchedulerPage(const std::string& list) {
    std::string error;
    const std::optional<std::vector<int>> pages = ParsePageList(list, error);
    return pages && std::find(pages->begin(), pages->end(), kSchedulePage) != pages->end();
}

int PrintSchedule(TAnswer& answers, const SchedulerGrid& grid, const InterestSettings& settings,
                  const std::string& programFolder, const std::string& caseFile, const std::string& output,
                  const PrintedCase& printed, std::ostream& messages) {
    const std::filesystem::path folder(programFolder);
    const TemplateFolders folders{(folder / "RTF").string(), (folder / "DAT").string()};
    const PrintDocument document = AssembleSchedulePrintout(answers, grid, settings, folders, ProgramFillState(), caseFile);
    std::vector<PdfAttachment> attachments;
    if (PrintFormatOf(output) == PrintFormat::Pdf) {
        try {
            attachments = FilingAttachments(answers, {kSchedulePage}, printed.name, printed.bytes, settings.defaultRate,
                                            settings.threshold);
        } catch (const SupportTableError& error) {
            messages << "quill10-cli: " << error.what() << '\n';
            return 1;
        }
    }
    return WritePrintDocument(document, output, programFolder, attachments, messages);
}

}  // namespace quill10
