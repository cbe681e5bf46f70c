#pragma once
// The binding of a worksheet screen's controls to the answer slots of the
// screen page on display.  Every control that shows an answer carries a
// numeric "Tag" property: for an edit box, field kind x 1000 + slot; for a
// check box its slot (1000 + slot for an estimate box); for labels, memos,
// combo boxes and radio buttons the slot; for a button a dialog code.
// Computed fields carry a "StyleLookup" property naming their state.
#include <QString>
#include <string>

class QWidget;
class QObject;

namespace quill10 {
class TAnswer;
}

namespace quill10::gui {

enum class FieldKind { Unbound = 0, Text = 1, Money = 2, Percent = 3, WholeDollars = 4, Count = 5 };

inline constexpr const char* kTagProperty = "Tag";
inline constexpr const char* kStyleProperty = "StyleLookup";
inline constexpr const char* kHelpProperty = "HelpContext";
inline constexpr const char* kDecimalsProperty = "Decimals";  // decimals of a money field (default 2)
inline constexpr const char* kCalloutProperty = "Callout";    // a help bubble inside a help button
inline constexpr const char* kPlaceProperty = "Place";        // where a field sits: "Line 1a, Column I"

// The largest amount a field takes: no worksheet figure comes near it, and
// beyond it cents are no longer exact.
inline constexpr double kLargestEntry = 1e12;

// Style names of the field states.
inline const QString kEditReadOnly = QStringLiteral("EDITREADONLY");
inline const QString kEditOverrideable = QStringLiteral("EDITOVERRIDEABLE");
inline const QString kEditOverridden = QStringLiteral("EDITOVERRIDDEN");
inline const QString kCheckBoxOverrideable = QStringLiteral("CHECKBOXOVERRIDEABLE");
inline const QString kCheckBoxOverridden = QStringLiteral("CHECKBOXOVERRIDDEN");

int TagOf(const QObject* object);
int HelpContextOf(const QObject* object);
FieldKind KindOfTag(int tag);
int SlotOfEditTag(int tag);
// The style name in upper case ("" when the control has none).
QString StyleOf(const QWidget* widget);
// Sets the style name and re-polishes the widget so the style sheet applies.
void SetStyle(QWidget* widget, const QString& style);
bool IsOverridableEditStyle(const QString& style);

// Whether what was typed into a number field can be read (an empty entry
// reads as 0), and whether it stays below kLargestEntry.
enum class EntryCheck { Readable, Unreadable, TooLarge };
EntryCheck CheckNumberEntry(const std::string& typed);
// The parser error code a field of this kind raises for an unreadable entry.
int ParserErrorOf(FieldKind kind);
// Where a control sits on the worksheet, for messages ("Line 1a, Column I");
// its object name when the layout gives no place.
QString PlaceOf(const QWidget* widget);

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

// Copies the answers of `page` into every bound control under `container`
// (recursively), with override styles.  Returns false (after reporting error
// 14010) when a control does not fit; the walk then stops.
bool Answer2Components(QWidget* container, const TAnswer& answers, int page);
// Copies every bound control under `container` into the answers of `page`.
// Labels are never stored; override flags are never changed.
bool Components2Answers(QWidget* container, TAnswer& answers, int page);

}  // namespace quill10::gui
