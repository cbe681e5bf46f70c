#include "store/TextEncoding.h"

#include <cstdint>

namespace quill10 {

namespace {

// Code points of the Windows-1252 bytes 0x80-0x9F; 0 marks the five unused bytes.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at text[i]; advances i.  Malformed bytes decode
// as U+FFFD one byte at a time.
char32_t DecodeUtf8(std::string_view text, size_t& i) {
    auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    unsigned char lead = byte(i);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    int length = lead >= 0xF0 && lead < 0xF8 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 0;
    if (length == 0 || i + length > text.size()) {
        ++i;
        return 0xFFFD;
    }
    char32_t cp = lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        unsigned char next = byte(i + k);
        if ((next & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    i += length;
    return cp;
}

}  // namespace

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        char32_t cp = DecodeUtf8(utf8, i);
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out += static_cast<char>(cp);
            continue;
        }
        char mapped = '?';
        if (cp >= 0x80 && cp < 0xA0 && kHighControls[cp - 0x80] == 0) mapped = static_cast<char>(cp);
        for (int k = 0; k < 32; ++k) {
            if (kHighControls[k] != 0 && kHighControls[k] == cp) {
                mapped = static_cast<char>(0x80 + k);
                break;
            }
        }
        out += mapped;
    }
    return out;
}

std::string Cp1252ToUtf8(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size());
    for (char c : cp1252) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else if (byte < 0xA0) {
            char32_t cp = kHighControls[byte - 0x80];
            AppendUtf8(out, cp != 0 ? cp : byte);
        } else {
            AppendUtf8(out, byte);
        }
    }
    return out;
}

}  // namespace quill10
