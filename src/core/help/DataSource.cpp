#include "help/DataSource.h"

#include <algorithm>

namespace quill10 {

std::span<const DataSourceRow> DataSourceTable(int screenPage) {
    switch (screenPage) {
        case 0: return CreateSoleSharedDataSourceStr();
        case 7: return CreateSplitDataSourceStr();
        case 15: return CreateSoleSharedDataSourceShortStr();
        case 16: return CreateSplitDataSourceShortStr();
        default: return {};
    }
}

std::string_view DataSourceText(int screenPage, int tag) {
    for (const auto table : {DataSourceTable(screenPage), DetailDataSourceTable(screenPage)}) {
        const auto row = std::find_if(table.begin(), table.end(), [tag](const DataSourceRow& r) { return r.tag == tag; });
        if (row != table.end()) return row->text;
    }
    return {};
}

}  // namespace quill10
