#pragma once
// The binding of a worksheet screen's controls to the answer slots of the
// screen page on display.  Every control that shows an answer carries a
// numeric "Tag" property: for an edit box, field kind x 1000 + slot; for a
// check box its slot (1000 + slot for an estimate box); for labels, memos,
// combo boxes and radio buttons the slot; for a button a dialog code.
// Computed fields carry a "StyleLookup" property naming their state.
#include <QString>
#include <string>

#include "store/FieldText.h"

class QWidget;
class QObject;

namespace quill10 {
class TAnswer;
}

namespace quill10::gui {

inline constexpr const char* kTagProperty = "Tag";
inline constexpr const char* kStyleProperty = "StyleLookup";
inline constexpr const char* kHelpProperty = "HelpContext";
inline constexpr const char* kDecimalsProperty = "Decimals";  // decimals of a money field (default 2)
inline constexpr const char* kCalloutProperty = "Callout";    // a help bubble inside a help button
inline constexpr const char* kPlaceProperty = "Place";        // where a field sits: "Line 1a, Column I"

// Style names of the field states.
inline const QString kEditReadOnly = QStringLiteral("EDITREADONLY");
inline const QString kEditOverrideable = QStringLiteral("EDITOVERRIDEABLE");
inline const QString kEditOverridden = QStringLiteral("EDITOVERRIDDEN");
inline const QString kCheckBoxOverrideable = QStringLiteral("CHECKBOXOVERRIDEABLE");
inline const QString kCheckBoxOverridden = QStringLiteral("CHECKBOXOVERRIDDEN");

int TagOf(const QObject* object);
int HelpContextOf(const QObject* object);
// The style name in upper case ("" when the control has none).
QString StyleOf(const QWidget* widget);
// Sets the style name and re-polishes the widget so the style sheet applies.
void SetStyle(QWidget* widget, const QString& style);
bool IsOverridableEditStyle(const QString& style);
// A check box the calculation ticks (the obligor boxes of the final line).
bool IsComputedBox(const QWidget* widget);

// Where a control sits on the worksheet, for messages ("Line 1a, Column I");
// its object name when the layout gives no place.
QString PlaceOf(const QWidget* widget);
// The slot of the screen page a control is bound to; -1 for none.
int BoundSlotOf(const QWidget* widget);


// Copies the answers of `page` into every bound control under `container`
// (recursively), with override styles.  Returns false (after reporting error
// 14010) when a control does not fit; the walk then stops.
bool Answer2Components(QWidget* container, const TAnswer& answers, int page);
// Copies every bound control under `container` into the answers of `page`.
// Labels are never stored; override flags are never changed.
bool Components2Answers(QWidget* container, TAnswer& answers, int page);

}  // namespace quill10::gui
