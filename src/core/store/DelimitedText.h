#pragma once
// Text a spreadsheet saves: records of fields separated by a delimiter
// (comma, semicolon or tab), a field in double quotes holding the
// delimiter, quotes ("" is one quote) and line breaks.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quill10 {

struct DelimitedRecord {
    size_t line = 0;  // the line the record begins on, from 1
    std::vector<std::string> fields;
};

// Splits `text` into records.  "" when it can be split; otherwise the
// first fault, with its line ("line 4: a quoted field is not closed").
std::string SplitDelimited(std::string_view text, char delimiter, std::vector<DelimitedRecord>& records);

}  // namespace quill10
