#include "print/RtfText.h"

#include <cstdint>

namespace quill10 {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes the UTF-8 sequence that starts at `i` and moves `i` past it; a
// malformed or overlong sequence yields U+FFFD and moves on by one byte.
char32_t NextCharacter(std::string_view text, size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + static_cast<size_t>(length) > text.size()) {
        ++i;
        return kReplacement;
    }
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + static_cast<size_t>(k)]);
        if ((next & 0xC0) != 0x80) {
            ++i;
            return kReplacement;
        }
        c = (c << 6) | (next & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    i += static_cast<size_t>(length);
    if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return kReplacement;
    return c;
}

std::string UnitEscape(std::uint16_t unit) {
    // RTF reads N as a signed 16-bit number.
    const int value = unit > 0x7FFF ? static_cast<int>(unit) - 0x10000 : unit;
    return "\\u" + std::to_string(value) + "?";
}

}  // namespace

std::string RtfUnicodeEscape(char32_t character) {
    if (character < 0x10000) return UnitEscape(static_cast<std::uint16_t>(character));
    const char32_t v = character - 0x10000;
    return UnitEscape(static_cast<std::uint16_t>(0xD800 + (v >> 10))) +
           UnitEscape(static_cast<std::uint16_t>(0xDC00 + (v & 0x3FF)));
}

std::string RtfEscape(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() + 8);
    bool unicodeSeen = false;
    for (size_t i = 0; i < utf8.size();) {
        const char32_t c = NextCharacter(utf8, i);
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\t') {
            out += "\\tab ";
        } else if (c < 0x20 || c == 0x7F) {
            out += ' ';
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            if (!unicodeSeen) out += "\\uc1 ";
            unicodeSeen = true;
            out += RtfUnicodeEscape(c);
        }
    }
    return out;
}

}  // namespace quill10
