#pragma once
// Answer texts inserted into the RTF print document.
//
// An answer is typed by the user and may hold anything: a "\", "{" or "}"
// would otherwise end a group or start a control word, and a name with an
// accent would reach the word processor as bytes of the wrong code page.
// So every inserted text is escaped here and the print document stays
// 7-bit ASCII.
#include <string>
#include <string_view>

namespace quill10 {

// The UTF-8 answer text as RTF body text: "\", "{" and "}" escaped, every
// character beyond ASCII written as "\uN?" (N the signed 16-bit UTF-16
// unit, a character beyond U+FFFF as its two surrogates) after one "\uc1 "
// that makes "?" the fallback whatever the surrounding group said, a tab as
// "\tab ", other control characters as a blank.  A malformed UTF-8 sequence
// prints as U+FFFD.
std::string RtfEscape(std::string_view utf8);

// The RTF escape of one character beyond ASCII: "\u9746?" for U+2612.
std::string RtfUnicodeEscape(char32_t character);

}  // namespace quill10
