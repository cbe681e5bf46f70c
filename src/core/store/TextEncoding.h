#pragma once
// Text in memory is UTF-8.  Client files, the settings file and the check
// report are Windows-1252 so that cases move between installations; a
// character that Windows-1252 cannot hold is written as "?".
#include <string>
#include <string_view>

namespace quill10 {

std::string Utf8ToCp1252(std::string_view utf8);
std::string Cp1252ToUtf8(std::string_view cp1252);

// Splits a text file's contents into lines; accepts CR LF and LF alone.
// A final line without a line end is kept; an empty trailing remainder is not.
template <typename Callback>
void ForEachLine(std::string_view content, Callback&& callback) {
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find('\n', start);
        size_t next = end == std::string_view::npos ? content.size() : end + 1;
        if (end == std::string_view::npos) end = content.size();
        std::string_view line = content.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        callback(line);
        start = next;
    }
}

}  // namespace quill10
