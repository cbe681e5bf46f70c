#pragma once
// Scenarios side by side: two to six client files of one case (a higher
// imputed income, shared parenting instead of sole residential, a
// deviation, child care added), each calculated on its own, and the lines
// that decide the order shown one column per case, with each column's
// difference to the first.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/Settings.h"

namespace quill10 {

class TAnswer;

inline constexpr size_t kMinScenarios = 2;
inline constexpr size_t kMaxScenarios = 6;

// One case of the comparison.
struct ScenarioColumn {
    std::string file;       // the client file's path
    std::string worksheet;  // "Sole/Shared" or "Split": the worksheet the case was saved on
    std::string error;      // why the file could not be read or calculated; "" when it was
    std::vector<std::string> values;  // one per row of the comparison ("" where the worksheet has no such line)
};

struct ScenarioComparison {
    std::vector<std::string> labels;  // the rows: "Line 7a, father", ...
    std::vector<ScenarioColumn> columns;

    // Whether column `column` shows another value than the first column in
    // row `row` (never for the first column or a column that failed).
    bool Differs(size_t column, size_t row) const;
    // The difference to the first column, signed and in the row's own
    // decimals ("+1,234.00", "-0.0125"); "" when either is not a number or
    // they do not differ.
    std::string Difference(size_t column, size_t row) const;
};

// The figures of one calculated case, by the worksheet it was saved on
// (slot 1:100), in the order of the comparison's rows.
std::vector<std::pair<std::string, std::string>> ScenarioFigures(const TAnswer& answers);

// Reads and calculates every file with the support schedule in use (an
// office's own `schedule`, else table.txt of `programFolder`).  A file that
// cannot be read or calculated keeps its column with the reason.
ScenarioComparison CompareScenarios(const std::vector<std::string>& files, const std::string& programFolder,
                                    const OfficeSchedule& schedule);

// The comparison as an aligned text table: a row per line, a column per
// case; a value that differs from the first column is marked "*" and
// followed by its difference.
std::string ComparisonText(const ScenarioComparison& comparison);

// The comparison as CSV (RFC 4180, CR LF): "Line", then per case its file
// name and, after the first, its difference to the first.
std::string ComparisonCsv(const ScenarioComparison& comparison);
// Reads CSV text into rows of cells; nullopt when a quoted cell is left open.
std::optional<std::vector<std::vector<std::string>>> ParseCsv(std::string_view text);

// The file a scenario of a case is saved as: beside the case, the case's
// name + " - " + the scenario's name + ".q10".
std::string ScenarioFileName(const std::string& casePath, const std::string& scenarioName);

}  // namespace quill10
