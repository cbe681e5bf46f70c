#include "scenarios/ScenarioComparison.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <span>

#include "calc/CalcEnvironment.h"
#include "calc/SupportTable.h"
#include "files/ClientFile.h"
#include "store/Answers.h"
#include "store/Misc.h"

namespace quill10 {

namespace {

struct FigureSlot {
    int page, slot;
};
constexpr FigureSlot kNone{-1, -1};

// One line of a worksheet that the comparison shows: its slot, or two slots
// of which the filled one is taken (the obligor's column of a line).
struct Figure {
    const char* label;
    FigureSlot first;
    FigureSlot otherwise = kNone;
};

constexpr Figure kSoleSharedFigures[] = {
    {"Line 7a, father: gross income", {2, 13}},
    {"Line 7a, mother: gross income", {2, 14}},
    {"Line 14, father: adjusted income", {2, 39}},
    {"Line 14, mother: adjusted income", {2, 40}},
    {"Line 15: combined income", {3, 8}},
    {"Line 16, father: income share", {3, 9}},
    {"Line 16, mother: income share", {3, 10}},
    {"Line 17: basic combined obligation", {3, 14}},
    {"Line 18, father: share of the obligation", {3, 15}},
    {"Line 18, mother: share of the obligation", {3, 16}},
    {"Line 19, father: child care", {3, 45}},
    {"Line 19, mother: child care", {3, 46}},
    {"Line 20b, father: cash medical obligation", {4, 8}},
    {"Line 20b, mother: cash medical obligation", {4, 9}},
    {"Line 22: obligor's obligation, insurance provided", {4, 19}, {4, 20}},
    {"Line 25: obligor's obligation, not provided", {5, 12}, {5, 13}},
    {"Line 27a, father: deviation of a sole residential order", {5, 20}},
    {"Line 27a, mother: deviation of a sole residential order", {5, 21}},
    {"Line 27b, father: deviation", {6, 21}},
    {"Line 27b, mother: deviation", {6, 22}},
    {"Line 28: annual support, insurance provided", {6, 23}},
    {"Line 28: annual support, not provided", {6, 24}},
    {"Line 29: monthly with processing charge, insurance provided", {6, 29}},
    {"Line 29: monthly with processing charge, not provided", {6, 30}},
    {"Line 30: annual cash medical support", {6, 46}},
    {"Line 31: monthly cash medical support with processing charge", {6, 32}, {6, 31}},
};

constexpr Figure kSplitFigures[] = {
    {"Line 7a, father: gross income", {9, 13}},
    {"Line 7a, mother: gross income", {9, 14}},
    {"Line 14, father: adjusted income", {9, 39}},
    {"Line 14, mother: adjusted income", {9, 40}},
    {"Line 15: combined income", {10, 8}},
    {"Line 16, father: income share", {10, 9}},
    {"Line 16, mother: income share", {10, 10}},
    {"Line 17, father: obligation for the children with the mother", {10, 14}},
    {"Line 17, mother: obligation for the children with the father", {10, 15}},
    {"Line 18, father: share of the obligation", {10, 16}},
    {"Line 18, mother: share of the obligation", {10, 17}},
    {"Line 19, father: child care", {11, 33}},
    {"Line 19, mother: child care", {11, 34}},
    {"Line 20b, father: cash medical obligation", {11, 41}},
    {"Line 20b, mother: cash medical obligation", {11, 42}},
    {"Line 22g: obligor's obligation, insurance provided", {12, 10}, {12, 11}},
    {"Line 24g: obligor's obligation, not provided", {13, 10}, {13, 11}},
    {"Line 25, father: deviation", {13, 14}},
    {"Line 25, mother: deviation", {13, 15}},
    {"Line 26: annual support, insurance provided", {14, 24}},
    {"Line 26: annual support, not provided", {14, 25}},
    {"Line 27: monthly with processing charge, insurance provided", {14, 6}},
    {"Line 27: monthly with processing charge, not provided", {14, 7}},
    {"Line 28: annual cash medical support", {14, 8}},
    {"Line 29: monthly cash medical support with processing charge", {14, 9}, {14, 23}},
};

constexpr const char* kObligorLabel = "Obligor";
constexpr const char* kErrorsLabel = "Check report: errors";

bool IsSplitCase(const TAnswer& answers) {
    const std::string& page = answers.Text(1, 100);
    return page == "7" || page == "16";
}

std::string FigureText(const TAnswer& answers, const Figure& figure) {
    const std::string& first = answers.Text(figure.first.page, figure.first.slot);
    if (!first.empty() || figure.otherwise.page < 0) return first;
    return answers.Text(figure.otherwise.page, figure.otherwise.slot);
}

std::string ParentName(int code) { return code == 1 ? "Father" : code == 2 ? "Mother" : ""; }

std::string ObligorOf(const TAnswer& answers) {
    if (IsSplitCase(answers)) return ParentName(answers.SplitObligor);
    return ParentName(answers.SoleObligor == 3 ? answers.SharedObligor : answers.SoleObligor);
}

// A number shown on a worksheet line, read without reporting anything.
std::optional<double> NumberOf(const std::string& text) {
    if (text.empty()) return std::nullopt;
    return TryParseNumber(RemoveCommasAndSigns(text));
}

int DecimalsOf(const std::string& text) {
    const size_t point = text.find('.');
    return point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

// ---- Text table --------------------------------------------------------------

std::string Cell(const ScenarioComparison& c, size_t column, size_t row) {
    const std::string& value = c.columns[column].values[row];
    if (!c.Differs(column, row)) return value;
    const std::string difference = c.Difference(column, row);
    return "*" + (value.empty() ? std::string("(blank)") : value) + (difference.empty() ? "" : " (" + difference + ")");
}

std::string Padded(const std::string& text, size_t width, bool right) {
    const std::string pad(width > text.size() ? width - text.size() : 0, ' ');
    return right ? pad + text : text + pad;
}

// ---- CSV -----------------------------------------------------------------------

std::string CsvCell(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

void AppendCsvRow(std::string& out, const std::vector<std::string>& cells) {
    for (size_t k = 0; k < cells.size(); ++k) {
        if (k) out += ',';
        out += CsvCell(cells[k]);
    }
    out += "\r\n";
}

}  // namespace

std::vector<std::pair<std::string, std::string>> ScenarioFigures(const TAnswer& answers) {
    std::vector<std::pair<std::string, std::string>> figures;
    const bool split = IsSplitCase(answers);
    const auto lines = split ? std::span<const Figure>(kSplitFigures) : std::span<const Figure>(kSoleSharedFigures);
    for (const Figure& figure : lines) figures.emplace_back(figure.label, FigureText(answers, figure));
    figures.emplace_back(kObligorLabel, ObligorOf(answers));
    const CalcEnvironment& environment = answers.Environment();
    figures.emplace_back(kErrorsLabel, std::to_string(split ? environment.splitErrors : environment.soleSharedErrors));
    return figures;
}

bool ScenarioComparison::Differs(size_t column, size_t row) const {
    if (column == 0 || column >= columns.size() || !columns[column].error.empty() || !columns[0].error.empty())
        return false;
    const std::string& first = columns[0].values[row];
    const std::string& value = columns[column].values[row];
    const std::optional<double> a = NumberOf(first), b = NumberOf(value);
    if (a && b) return *a != *b;  // "1,000.00" and "1000" are one figure
    return first != value;
}

std::string ScenarioComparison::Difference(size_t column, size_t row) const {
    if (!Differs(column, row)) return "";
    const std::optional<double> a = NumberOf(columns[0].values[row]), b = NumberOf(columns[column].values[row]);
    if (!a || !b) return "";
    const int decimals = std::max(DecimalsOf(columns[0].values[row]), DecimalsOf(columns[column].values[row]));
    const double difference = RoundDecimals(*b - *a, decimals);
    const std::string text = decimals == 2 ? MoneyText(difference) : GroupedText(difference, decimals);
    return difference > 0 ? "+" + text : text;
}

ScenarioComparison CompareScenarios(const std::vector<std::string>& files, const std::string& programFolder,
                                    const OfficeSchedule& schedule) {
    ScenarioComparison comparison;
    auto environment = std::make_shared<CalcEnvironment>();
    environment->SetProgramFolder(programFolder);
    environment->UseSchedule(schedule);
    for (const std::string& file : files) {
        ScenarioColumn column;
        column.file = file;
        environment->currentFileName = file;
        environment->clientFolder = std::filesystem::path(file).parent_path().string();
        std::string error;
        std::optional<ClientFileContents> contents = ReadClientFile(file, environment, error);
        std::vector<std::pair<std::string, std::string>> figures;
        if (!contents) {
            column.error = "cannot read " + FileNameOnly(file) + ": " + error;
        } else {
            try {
                contents->answers->Calculate();
                figures = ScenarioFigures(*contents->answers);
                column.worksheet = IsSplitCase(*contents->answers) ? "Split" : "Sole/Shared";
            } catch (const SupportTableError& failure) {
                column.error = failure.what();
            }
        }
        // Rows are the union of the worksheets' lines, in the order first met.
        for (const auto& [label, value] : figures) {
            auto at = std::find(comparison.labels.begin(), comparison.labels.end(), label);
            if (at == comparison.labels.end()) {
                comparison.labels.push_back(label);
                for (ScenarioColumn& earlier : comparison.columns) earlier.values.emplace_back();
                at = comparison.labels.end() - 1;
            }
            column.values.resize(comparison.labels.size());
            column.values[static_cast<size_t>(at - comparison.labels.begin())] = value;
        }
        column.values.resize(comparison.labels.size());
        comparison.columns.push_back(std::move(column));
    }
    for (ScenarioColumn& column : comparison.columns) column.values.resize(comparison.labels.size());
    return comparison;
}

std::string ComparisonText(const ScenarioComparison& c) {
    std::vector<std::vector<std::string>> table;
    std::vector<std::string> header{"Line"};
    for (const ScenarioColumn& column : c.columns) header.push_back(FileNameOnly(column.file));
    table.push_back(header);
    std::vector<std::string> worksheets{"Worksheet"};
    for (const ScenarioColumn& column : c.columns) worksheets.push_back(column.error.empty() ? column.worksheet : column.error);
    table.push_back(worksheets);
    for (size_t row = 0; row < c.labels.size(); ++row) {
        std::vector<std::string> cells{c.labels[row]};
        for (size_t column = 0; column < c.columns.size(); ++column) cells.push_back(Cell(c, column, row));
        table.push_back(cells);
    }
    std::vector<size_t> widths(header.size(), 0);
    for (const auto& cells : table)
        for (size_t k = 0; k < cells.size(); ++k) widths[k] = std::max(widths[k], cells[k].size());
    std::string out;
    for (const auto& cells : table) {
        std::string line;
        for (size_t k = 0; k < cells.size(); ++k) line += (k ? "  " : "") + Padded(cells[k], widths[k], k > 0);
        line.erase(line.find_last_not_of(' ') + 1);
        out += line + "\n";
    }
    return out;
}

std::string ComparisonCsv(const ScenarioComparison& c) {
    std::string out;
    std::vector<std::string> header{"Line"};
    for (size_t column = 0; column < c.columns.size(); ++column) {
        header.push_back(FileNameOnly(c.columns[column].file));
        if (column > 0) header.push_back("Difference to " + FileNameOnly(c.columns[0].file));
    }
    AppendCsvRow(out, header);
    std::vector<std::string> worksheets{"Worksheet"};
    for (size_t column = 0; column < c.columns.size(); ++column) {
        worksheets.push_back(c.columns[column].error.empty() ? c.columns[column].worksheet : c.columns[column].error);
        if (column > 0) worksheets.emplace_back();
    }
    AppendCsvRow(out, worksheets);
    for (size_t row = 0; row < c.labels.size(); ++row) {
        std::vector<std::string> cells{c.labels[row]};
        for (size_t column = 0; column < c.columns.size(); ++column) {
            cells.push_back(c.columns[column].values[row]);
            if (column > 0) cells.push_back(c.Difference(column, row));
        }
        AppendCsvRow(out, cells);
    }
    return out;
}

std::optional<std::vector<std::vector<std::string>>> ParseCsv(std::string_view text) {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> row;
    std::string cell;
    bool quoted = false, cellStarted = false;
    for (size_t k = 0; k < text.size(); ++k) {
        const char c = text[k];
        if (quoted) {
            if (c != '"') cell += c;
            else if (k + 1 < text.size() && text[k + 1] == '"') cell += text[++k];
            else quoted = false;
        } else if (c == '"' && cell.empty()) {
            quoted = cellStarted = true;
        } else if (c == ',') {
            row.push_back(std::move(cell));
            cell.clear();
            cellStarted = true;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && k + 1 < text.size() && text[k + 1] == '\n') ++k;
            row.push_back(std::move(cell));
            cell.clear();
            rows.push_back(std::move(row));
            row.clear();
            cellStarted = false;
        } else {
            cell += c;
            cellStarted = true;
        }
    }
    if (quoted) return std::nullopt;
    if (cellStarted || !cell.empty()) {
        row.push_back(std::move(cell));
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string ScenarioFileName(const std::string& casePath, const std::string& scenarioName) {
    const std::filesystem::path path(casePath);
    std::string stem = path.filename().string();
    if (stem.size() > 4 && UpperCase(stem.substr(stem.size() - 4)) == ".Q10") stem.resize(stem.size() - 4);
    return (path.parent_path() / (stem + " - " + scenarioName + ".q10")).string();
}

}  // namespace quill10
