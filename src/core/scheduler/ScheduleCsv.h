#pragma once
// The scheduler table as CSV, so a payment history kept by an agency can
// be brought in and the table reconciled against its records.
//
// Export: a header row of the nine column titles, then every row's cells
// as the table shows them; fields holding a comma, a quote or a line break
// are quoted; CR LF line ends; UTF-8 (after the byte order mark when a text
// goes beyond ASCII, so spreadsheets read it as UTF-8).
//
// Import: a header row names the columns; "Date" and at least one of
// "Amount Due" / "Support Due" / "Due" and "Amount Paid" / "Support Paid" /
// "Paid" are needed, "Description" and "Rate %" / "Rate" / "Interest Rate"
// are read when present, any other column (the computed ones of an export)
// is ignored.  Fields may be quoted ("" inside quotes is one quote, and a
// quoted field may hold commas and line breaks).  Dates are read as every
// scheduler date is (ScheduleDates.h: M/D/YYYY, M/D/YY or YYYY-MM-DD, a
// year from 1900 to 2199), amounts as every scheduler amount is
// (ScheduleAmounts.h: "$", thousands separators between groups of three,
// one decimal point, a leading minus or brackets, less than a trillion
// dollars), rates as percentages ("5", "5.00%"); an empty amount is $0.00;
// empty lines are skipped.  Text in UTF-8, with or without the mark, or
// else Windows-1252.  The first line at fault is reported with its number
// and nothing is imported.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/SchedulerGrid.h"

namespace quill10 {

// The CSV text of the table.
std::string ScheduleCsvText(const SchedulerGrid& grid);

// The rows of a CSV text, in file order, with dates written M/D/YYYY,
// amounts as dollar texts, the rate as written (a number, "5" or "5.00%")
// or else the default rate, and the computed cells at "$0.00".  Nothing,
// with `problem` saying which line is at fault and why ("line 4: the
// amount paid "12..5" is not an amount ...").
std::optional<std::vector<SchedulerRow>> ReadScheduleCsv(std::string_view bytes, double defaultRate,
                                                         std::string& problem);

// Appends rows to the table; on the empty schedule they take the blank
// row's place.
void AppendRows(SchedulerGrid& grid, std::vector<SchedulerRow> rows);

}  // namespace quill10
