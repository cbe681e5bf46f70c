// Feeds arbitrary bytes to the support table reader.  A table it takes must
// have the schedule's shape; one it refuses must say what is wrong.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "calc/SupportTable.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

bool StartsWith(const std::string& text, std::string_view start) { return text.rfind(start, 0) == 0; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using quill10::SupportTable;
    std::vector<SupportTable::Row> rows;
    const std::string problem =
        SupportTable::ParseRows(std::string_view(reinterpret_cast<const char*>(data), size), rows);
    if (!problem.empty()) {
        Require(rows.empty());
        Require(StartsWith(problem, "line ") || problem == "it holds no rows");
        return 0;
    }
    Require(!rows.empty());
    Require(rows.back().income + SupportTable::kRowWidth >= SupportTable::kScheduleTop);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const SupportTable::Row& row = rows[k];
        Require(std::isfinite(row.income) && row.income >= 0 && row.income == std::trunc(row.income));
        if (k > 0) Require(row.income == rows[k - 1].income + SupportTable::kRowWidth);
        for (std::size_t child = 0; child < row.amounts.size(); ++child) {
            Require(std::isfinite(row.amounts[child]) && row.amounts[child] >= 0);
            if (child > 0) Require(row.amounts[child] >= row.amounts[child - 1]);
        }
    }
    return 0;
}
