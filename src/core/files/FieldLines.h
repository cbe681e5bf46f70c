#pragma once
// The small "Name: value" texts the program keeps about a case: the lock
// file beside it and the head of a recovery copy.  A title line names the
// kind of text; each value stands on one line, with a backslash, a line
// feed and a carriage return written as "\\", "\n" and "\r", so a path
// holding a line break cannot put the lines out of step.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace quill10 {

// "Name: value" and a line feed.
std::string FieldLine(std::string_view name, std::string_view value);

struct FieldBlock {
    std::map<std::string, std::string, std::less<>> values;
    std::size_t end = 0;  // where the text after the block begins

    // The value of a field; false with `error` naming it when it is missing.
    bool Text(std::string_view name, std::string& value, std::string& error) const;
    // A whole number; false with `error` when it is missing or not a number.
    bool Number(std::string_view name, std::int64_t& value, std::string& error) const;
    // The whole numbers of a field, separated by blanks ("12345 98765").
    bool Numbers(std::string_view name, std::uint64_t* values, int count, std::string& error) const;
};

// Reads the block of `text` that starts with the line `title` and ends with
// the line `last` (at the end of the text when `last` is empty).  Empty
// with `error` saying why when the title is not there, a line has no
// "Name: " or the end is missing.  At most `limit` bytes are looked at.
std::optional<FieldBlock> ReadFieldBlock(std::string_view text, std::string_view title, std::string_view last,
                                         std::string& error, std::size_t limit = 64 * 1024);

}  // namespace quill10
