#pragma once
// Text in memory is UTF-8.  Client files, the settings file and the check
// report are Windows-1252 so that cases move between installations.  A file
// whose text Windows-1252 cannot hold (a name or a folder in Chinese, say)
// is written as UTF-8 instead, marked by the UTF-8 byte order mark at its
// start, so that nothing the user typed is lost; a file without the mark is
// Windows-1252, so every file written before opens unchanged.
#include <cstddef>
#include <string>
#include <string_view>

namespace quill10 {

inline constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// A character that Windows-1252 cannot hold becomes "?".
std::string Utf8ToCp1252(std::string_view utf8);
std::string Cp1252ToUtf8(std::string_view cp1252);

// True when every character of the UTF-8 text has a Windows-1252 byte.
bool FitsCp1252(std::string_view utf8);

// The bytes of a text file: Windows-1252 when the text fits, otherwise the
// mark followed by the text in UTF-8.
std::string EncodeTextFile(std::string_view utf8);

// The text of a file's bytes, in UTF-8: after the mark the bytes are UTF-8
// (a malformed sequence reads as U+FFFD), without it Windows-1252.
std::string DecodeTextFile(std::string_view bytes);

// A text quoted in a message: at most `shown` characters, control
// characters as "?", and "..." when it goes on.
std::string QuotedForMessage(std::string_view utf8, std::size_t shown = 40);

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
