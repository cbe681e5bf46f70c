#include "platform/TextEncoding.h"

#include <algorithm>
#include <cstdint>
#include <optional>

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

// Decodes one UTF-8 sequence at text[i] into cp and advances i.  A
// malformed sequence (a stray byte, a cut sequence, an overlong form, a
// surrogate, a code point beyond U+10FFFF) advances one byte and gives false.
bool DecodeUtf8(std::string_view text, size_t& i, char32_t& cp) {
    auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
        ++i;
        cp = lead;
        return true;
    }
    const size_t length = lead >= 0xF0 && lead < 0xF5   ? 4
                          : lead >= 0xE0 && lead < 0xF0 ? 3
                          : lead >= 0xC2 && lead < 0xE0 ? 2
                                                        : 0;
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    cp = 0xFFFD;
    if (length == 0 || i + length > text.size()) {
        ++i;
        return false;
    }
    char32_t value = lead & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) {
        const unsigned char next = byte(i + k);
        if ((next & 0xC0) != 0x80) {
            ++i;
            return false;
        }
        value = (value << 6) | (next & 0x3F);
    }
    if (value < kSmallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        ++i;
        return false;
    }
    i += length;
    cp = value;
    return true;
}

// The Windows-1252 byte of a code point, if it has one.  The five bytes
// that Windows-1252 leaves unused read as the code points of the same
// number, and are written back as those bytes.
std::optional<char> Cp1252ByteOf(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    if (cp >= 0x80 && cp < 0xA0 && kHighControls[cp - 0x80] == 0) return static_cast<char>(cp);
    for (int k = 0; k < 32; ++k)
        if (kHighControls[k] != 0 && kHighControls[k] == cp) return static_cast<char>(0x80 + k);
    return std::nullopt;
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The text with every malformed sequence replaced by U+FFFD.
std::string WellFormedUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const size_t start = i;
        char32_t cp = 0;
        if (DecodeUtf8(text, i, cp))
            out.append(text.substr(start, i - start));
        else
            AppendUtf8(out, 0xFFFD);
    }
    return out;
}

}  // namespace

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        char32_t cp = 0;
        DecodeUtf8(utf8, i, cp);
        out += Cp1252ByteOf(cp).value_or('?');
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

bool FitsCp1252(std::string_view utf8) {
    size_t i = 0;
    while (i < utf8.size()) {
        char32_t cp = 0;
        if (!DecodeUtf8(utf8, i, cp) || !Cp1252ByteOf(cp)) return false;
    }
    return true;
}

std::string EncodeTextFile(std::string_view utf8) {
    if (IsAscii(utf8)) return std::string(utf8);
    if (FitsCp1252(utf8)) {
        std::string bytes = Utf8ToCp1252(utf8);
        // A text that begins with the three letters whose Windows-1252
        // bytes are the mark's (i diaeresis, right guillemet, inverted
        // question mark) would be taken for UTF-8 when read back.
        if (bytes.compare(0, kUtf8Mark.size(), kUtf8Mark) != 0) return bytes;
    }
    return std::string(kUtf8Mark) + std::string(utf8);
}

std::string DecodeTextFile(std::string_view bytes) {
    if (bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark) return WellFormedUtf8(bytes.substr(kUtf8Mark.size()));
    if (IsAscii(bytes)) return std::string(bytes);
    return Cp1252ToUtf8(bytes);
}

std::string QuotedForMessage(std::string_view utf8, std::size_t shown) {
    std::string out = "\"";
    size_t i = 0;
    for (std::size_t count = 0; i < utf8.size() && count < shown; ++count) {
        const size_t start = i;
        char32_t cp = 0;
        if (!DecodeUtf8(utf8, i, cp))
            AppendUtf8(out, 0xFFFD);
        else if (cp < 0x20 || cp == 0x7F)
            out += '?';
        else
            out.append(utf8.substr(start, i - start));
    }
    return out + (i < utf8.size() ? "...\"" : "\"");
}

}  // namespace quill10
