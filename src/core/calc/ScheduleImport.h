#pragma once
// An office's support schedule, read from the file the office received it
// in, and checked by the table check of every schedule:
//   - the tab format of table.txt;
//   - text a spreadsheet saves: fields separated by commas, semicolons or
//     tabs, an optional header line, "$" and thousands separators, quoted
//     fields; the income in the first field, the amounts for 1 to 6
//     children in the next six;
//   - a PDF of the schedule, read through "pdftotext -layout": the lines
//     that hold an income and six amounts, and nothing else, are its rows.
#include <string>
#include <string_view>
#include <vector>

#include "calc/SupportTable.h"

namespace quill10 {

struct ScheduleReading {
    std::string form;                       // how the file was read ("comma-separated text, with a header line")
    std::vector<SupportTable::Line> lines;  // the lines read as rows, in file order
    std::vector<SupportTable::Row> rows;    // the rows, when the table check passed
    SupportTable::Fault fault;              // what the table check found
    bool Sound() const { return fault.Sound() && !rows.empty(); }
};

// Reads separated text (the tab format included).
ScheduleReading ReadScheduleText(std::string_view bytes);

// Reads the text of a PDF of the schedule, as pdftotext -layout gives it.
ScheduleReading ReadSchedulePdfText(std::string_view text);

// Reads the file at `path` as `table install` takes it: a PDF (it begins
// with "%PDF-") through pdftotext, anything else as separated text.  A file
// that cannot be read, a text above the size limit of table.txt, and a PDF
// without pdftotext to read it, are the fault of the reading.
ScheduleReading ReadScheduleFile(const std::string& path);

// Reads a table by the stricter rules of the program folder's table.txt,
// which the calculation reads as it stands: tabs only, no header line, no
// empty line between rows.
ScheduleReading ReadProgramTable(std::string_view bytes);
ScheduleReading ReadProgramTableFile(const std::string& path);

// The rows in the tab format of table.txt (CR LF line ends).
std::string ScheduleFileText(const std::vector<SupportTable::Row>& rows);

// What the reading found, for the person installing the schedule: the form,
// the count, the first and the last row, and the check's verdict (the
// fingerprint, or the line at fault with its number and text).
std::string ScheduleVerdict(const ScheduleReading& reading);

// The schedule in use, for the person asking which it is: the footer line
// every printed page carries, the file, the incomes and rows, the
// fingerprint and, for the demonstration schedule, how to install the
// official one.  Throws SupportTableError when the schedule cannot be used.
std::string ScheduleInUseText(SupportTable& table);

// A schedule's rows in brief: "$6,600 to $149,400 (239 rows)".
std::string ScheduleRange(const std::vector<SupportTable::Row>& rows);

}  // namespace quill10
