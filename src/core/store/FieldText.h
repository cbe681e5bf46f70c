#pragma once
// The kinds of worksheet fields and how their answers read and show.  An
// edit box's Tag is field kind x 1000 + slot; its kind decides how the
// slot's text is shown (money with cents, a percentage, whole dollars, a
// count, plain text) and how what the user typed is stored.
#include <string>

namespace quill10 {

enum class FieldKind { Unbound = 0, Text = 1, Money = 2, Percent = 3, WholeDollars = 4, Count = 5 };

FieldKind KindOfTag(int tag);
int SlotOfEditTag(int tag);

// The largest amount a field takes: no worksheet figure comes near it, and
// beyond it cents are no longer exact.
inline constexpr double kLargestEntry = 1e12;

// Whether what was typed into a number field can be read (an empty entry
// reads as 0), and whether it stays below kLargestEntry.
enum class EntryCheck { Readable, Unreadable, TooLarge };
EntryCheck CheckNumberEntry(const std::string& typed);
// The parser error code a field of this kind raises for an unreadable entry.
int ParserErrorOf(FieldKind kind);

// What an edit box shows for a slot's text (filling the page).  A text that
// is not a number (the line 17 method name, for instance) is shown as it is.
std::string DisplayText(FieldKind kind, const std::string& slotText, int decimals = 2);
// The text an edit box holds once the user has left it: money with cents,
// a percentage with two decimals and "%", whole dollars, a whole count.
// An entry that cannot be read shows the parser's error and becomes 0.
std::string NormalisedText(FieldKind kind, const std::string& typed);
// What is stored in the slot for an edit box's text: the text as shown,
// except a percentage, which is stored as a fraction ("2.00%" -> "0.02").
std::string StoredText(FieldKind kind, const std::string& shown);

}  // namespace quill10
