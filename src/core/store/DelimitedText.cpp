#include "store/DelimitedText.h"

namespace quill10 {

namespace {

std::string AtLine(size_t line, const char* problem) { return "line " + std::to_string(line) + ": " + problem; }

bool EndsField(char c, char delimiter) { return c == delimiter || c == '\r' || c == '\n'; }

}  // namespace

std::string SplitDelimited(std::string_view text, char delimiter, std::vector<DelimitedRecord>& records) {
    size_t line = 1;
    size_t i = 0;
    while (i < text.size()) {
        DelimitedRecord record{line, {std::string()}};
        for (bool endOfRecord = false; !endOfRecord;) {
            std::string& field = record.fields.back();
            if (i < text.size() && text[i] == '"') {
                const size_t opened = line;
                for (++i;; ++i) {
                    if (i >= text.size()) return AtLine(opened, "a quoted field is not closed");
                    if (text[i] == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                        field += '"';
                        ++i;
                    } else if (text[i] == '"') {
                        ++i;
                        break;
                    } else {
                        if (text[i] == '\n') ++line;
                        field += text[i];
                    }
                }
                if (i < text.size() && !EndsField(text[i], delimiter))
                    return AtLine(line, "a quoted field is followed by text before the next field");
            }
            while (i < text.size() && !EndsField(text[i], delimiter)) {
                if (text[i] == '"') return AtLine(line, "a quote stands inside an unquoted field");
                field += text[i++];
            }
            if (i < text.size() && text[i] == delimiter) {
                record.fields.emplace_back();
                ++i;
                continue;
            }
            if (i < text.size() && text[i] == '\r') ++i;
            if (i < text.size() && text[i] == '\n') ++i;
            ++line;
            endOfRecord = true;
        }
        records.push_back(std::move(record));
    }
    return {};
}

}  // namespace quill10
