#include "calc/SupportTable.h"

#include <fstream>
#include <sstream>
#include <system_error>

#include "store/Misc.h"
#include "store/TextEncoding.h"

namespace quill10 {

void SupportTable::SetPath(std::string path) {
    if (path == path_) return;
    path_ = std::move(path);
    loaded_ = false;
    rows_.clear();
}

double SupportTable::Amount(double income, int children) {
    EnsureCurrent();
    if (children < 1) return 0.0;
    if (children > 6) children = 6;
    for (const Row& row : rows_)
        if (income < row.income + kRowWidth) return row.amounts[static_cast<size_t>(children - 1)];
    return 0.0;
}

size_t SupportTable::RowCount() {
    EnsureCurrent();
    return rows_.size();
}

void SupportTable::EnsureCurrent() {
    if (calculations_ > 0 && checkedThisCalculation_) return;
    std::error_code ec;
    auto modified = std::filesystem::last_write_time(path_, ec);
    std::uintmax_t size = ec ? 0 : std::filesystem::file_size(path_, ec);
    if (ec) {
        loaded_ = false;
        rows_.clear();
        throw SupportTableError("The support table \"" + path_ +
                                "\" cannot be read: " + ec.message() +
                                ". Install table.txt in the program folder and calculate again.");
    }
    if (!loaded_ || modified != modified_ || size != size_) {
        Load();
        modified_ = modified;
        size_ = size;
        loaded_ = true;
    }
    checkedThisCalculation_ = calculations_ > 0;
}

void SupportTable::Load() {
    std::ifstream file(path_, std::ios::binary);
    if (!file) throw SupportTableError("The support table \"" + path_ + "\" cannot be opened.");
    std::ostringstream content;
    content << file.rdbuf();
    std::vector<Row> rows;
    int lineNumber = 0;
    std::string problem;
    ForEachLine(content.str(), [&](std::string_view line) {
        ++lineNumber;
        if (!problem.empty() || line.find_first_not_of(" \t") == std::string_view::npos) return;
        Row row;
        std::vector<std::string_view> fields;
        size_t start = 0;
        while (true) {
            size_t tab = line.find('\t', start);
            fields.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
            if (tab == std::string_view::npos) break;
            start = tab + 1;
        }
        if (fields.size() < 7) {
            problem = "line " + std::to_string(lineNumber) + " does not hold an income and six amounts separated by tabs";
            return;
        }
        row.income = Str2Float_2(fields[0]);
        for (size_t k = 0; k < 6; ++k) row.amounts[k] = Str2Float_2(fields[k + 1]);
        rows.push_back(row);
    });
    if (!problem.empty())
        throw SupportTableError("The support table \"" + path_ + "\" is not in the table format: " + problem + ".");
    rows_ = std::move(rows);
}

}  // namespace quill10
