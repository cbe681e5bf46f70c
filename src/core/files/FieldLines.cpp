#include "files/FieldLines.h"

#include <charconv>

#include "platform/TextEncoding.h"

namespace quill10 {

namespace {

std::string Escaped(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (char c : value) {
        if (c == '\\') out += "\\\\";
        else if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else out += c;
    }
    return out;
}

std::optional<std::string> Unescaped(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (size_t k = 0; k < value.size(); ++k) {
        if (value[k] != '\\') {
            out += value[k];
            continue;
        }
        if (++k == value.size()) return std::nullopt;
        switch (value[k]) {
            case '\\': out += '\\'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            default: return std::nullopt;
        }
    }
    return out;
}

template <typename Number>
bool ReadNumber(std::string_view word, Number& value) {
    const auto result = std::from_chars(word.data(), word.data() + word.size(), value);
    return result.ec == std::errc() && result.ptr == word.data() + word.size() && !word.empty();
}

// The next line of `text` from `position` (without its line end) and the
// position after it; none at the end of the text.
std::optional<std::string_view> NextLine(std::string_view text, std::size_t& position) {
    if (position >= text.size()) return std::nullopt;
    std::size_t end = text.find('\n', position);
    const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(position, end - position);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    position = next;
    return line;
}

}  // namespace

std::string FieldLine(std::string_view name, std::string_view value) {
    return std::string(name) + ": " + Escaped(value) + "\n";
}

bool FieldBlock::Text(std::string_view name, std::string& value, std::string& error) const {
    const auto found = values.find(name);
    if (found == values.end()) {
        error = "the line \"" + std::string(name) + ":\" is missing";
        return false;
    }
    value = found->second;
    return true;
}

bool FieldBlock::Number(std::string_view name, std::int64_t& value, std::string& error) const {
    std::string text;
    if (!Text(name, text, error)) return false;
    if (ReadNumber(std::string_view(text), value)) return true;
    error = "the line \"" + std::string(name) + ":\" holds no whole number: " + QuotedForMessage(text);
    return false;
}

bool FieldBlock::Numbers(std::string_view name, std::uint64_t* numbers, int count, std::string& error) const {
    std::string text;
    if (!Text(name, text, error)) return false;
    std::string_view rest = text;
    for (int k = 0; k < count; ++k) {
        const std::size_t blank = std::min(rest.find(' '), rest.size());
        if (!ReadNumber(rest.substr(0, blank), numbers[k]) || (k + 1 < count) != (blank < rest.size())) {
            error = "the line \"" + std::string(name) + ":\" does not hold " + std::to_string(count) +
                    " whole numbers: " + QuotedForMessage(text);
            return false;
        }
        rest.remove_prefix(std::min(blank + 1, rest.size()));
    }
    return true;
}

std::optional<FieldBlock> ReadFieldBlock(std::string_view text, std::string_view title, std::string_view last,
                                         std::string& error, std::size_t limit) {
    std::size_t position = 0;
    const std::string_view head = text.substr(0, std::min(text.size(), limit));
    if (NextLine(head, position) != title) {
        error = "it does not begin with the line \"" + std::string(title) + "\"";
        return std::nullopt;
    }
    FieldBlock block;
    while (const std::optional<std::string_view> line = NextLine(head, position)) {
        if (!last.empty() && *line == last) {
            block.end = position;
            return block;
        }
        const std::size_t colon = line->find(": ");
        const std::optional<std::string> value =
            colon == std::string_view::npos ? std::nullopt : Unescaped(line->substr(colon + 2));
        if (colon == 0 || !value) {
            error = "the line " + QuotedForMessage(*line) + " is not of the form \"Name: value\"";
            return std::nullopt;
        }
        block.values.emplace(std::string(line->substr(0, colon)), *value);
    }
    if (!last.empty()) {
        error = "the line \"" + std::string(last) + "\" is missing";
        return std::nullopt;
    }
    block.end = position;
    return block;
}

}  // namespace quill10
