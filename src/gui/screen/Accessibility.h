#pragma once
// What a screen reader hears of a worksheet beyond the controls' names (which
// the layouts carry): whether a field's figure is entered, computed or
// overridden, where a computed figure comes from, and an entry that was
// refused.  Also the keyboard's way through a window's tabs.
#include <QString>
#include <functional>

class QLineEdit;
class QMenu;
class QTabWidget;
class QWidget;

namespace quill10::gui {

// The state words a field's description starts with.
inline const QString kEnteredWords = QStringLiteral("Entered");
inline const QString kComputedWords = QStringLiteral("Computed");
inline const QString kOverrideableWords = QStringLiteral("Computed, may be overridden with Ctrl+Alt+V");
inline const QString kOverriddenWords =
    QStringLiteral("Overridden: the figure typed here is kept instead of the computed one; Ctrl+Alt+V cancels "
                   "the override");

// What a memo's description adds: how its lines are typed and left.
inline const QString kMemoWords = QStringLiteral("Lines of text; Tab or Enter moves on.");

// The description of a field by its state (style name and read-only flag)
// and, for a computed figure, the line's data source text.
QString FieldDescription(const QString& style, bool readOnly, const QString& dataSource);

// Describes every field and check box of a worksheet page (screen page
// `screenPage`) by its state; an overridden field's tool tip says so too.
// A field whose last entry was refused keeps saying why first.
void DescribeFields(QWidget* page, int screenPage);
// Describes one field of a line dialog by its state.
void DescribeField(QWidget* control, const QString& dataSource = {});

// A list is named to a screen reader by its accessible name, not by the
// choice it shows (which stays its value).  Called once, before the windows
// are built.
void NameListsByTheirAccessibleNames();

// A field's entry was refused (`why`, in the words of the message the user
// was shown): the field is marked invalid, its description says why first
// and the refusal is announced.  An empty `why` clears the mark once the
// entry is put right (taken, zero entered or put back).
void MarkRefusedEntry(QLineEdit* edit, const QString& why);
// Whether the field's entry stands refused.
bool EntryRefused(const QWidget* control);

// Says `text` about `control` to a screen reader at once (an alert event);
// tests put in their own to hear it.
using Announcer = std::function<void(QWidget* control, const QString& text)>;
Announcer SetAnnouncer(Announcer announcer);
void Announce(QWidget* control, const QString& text);

// Gives every command of `menu` without a mnemonic one: the first letter of
// one of its words, else of any letter, that no other command there has.
void GiveMnemonics(QMenu* menu);

// Ctrl+PageDown and Ctrl+PageUp go to the next and the previous tab, from
// anywhere in the tab widget's window, and say which tab is shown.
void PageTabsByKeyboard(QTabWidget* tabs);

}  // namespace quill10::gui
