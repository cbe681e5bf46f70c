#pragma once
// Where every figure of a worksheet comes from: for each computed field of
// the four worksheet screens a short explanation naming its line and
// column and how the figure is obtained (the field pop-up's "Data Source",
// the audit appendix of the print job).  The tables are keyed by the
// field's whole Tag on its screen page.
#include <span>
#include <string_view>

namespace quill10 {

struct DataSourceRow {
    int tag;
    const char* text;
};

// The four tables, one per worksheet screen.
std::span<const DataSourceRow> CreateSoleSharedDataSourceStr();       // screen page 0
std::span<const DataSourceRow> CreateSoleSharedDataSourceShortStr();  // screen page 15
std::span<const DataSourceRow> CreateSplitDataSourceStr();            // screen page 7
std::span<const DataSourceRow> CreateSplitDataSourceShortStr();       // screen page 16

// The table of a screen page; empty for a page without one.
std::span<const DataSourceRow> DataSourceTable(int screenPage);

// The computed figures of a screen page that its line table leaves out: what
// a line dialog works out and the page shows beside the line (line 11's
// wages subject to local tax, line 19's tax figures), a short form's
// caption, date and details copied from its long form.
std::span<const DataSourceRow> DetailDataSourceTable(int screenPage);

// The explanation of the field with `tag` on `screenPage`, from the page's
// line table or its details; "" when it has none.
std::string_view DataSourceText(int screenPage, int tag);

}  // namespace quill10
