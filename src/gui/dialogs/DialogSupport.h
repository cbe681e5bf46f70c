#pragma once
// What the line dialogs share: the answers and dialog code they work on,
// the bottom row of buttons with the help button, fields rewritten when they
// are left, and overrideable fields with their right-click commands.
#include <QDialog>
#include <QString>
#include <functional>
#include <string>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace quill10 {
class TAnswer;
}

namespace quill10::gui {

class UserPrompts;

// What a line dialog works on: the case's answers, the dialog code (the Tag
// of the worksheet button that opened it) and the user's prompts.
struct DialogContext {
    TAnswer& answers;
    int code;
    UserPrompts& prompts;
};

// The help page a dialog's "?" opens, with its help topic number (0 when
// the page has none) and what it is about, as the "?" is named ("Help on
// the income estimator").
struct HelpPage {
    int topic;
    const char* path;
    const char* about;
};

// Shows a help page, named by its path on the help site
// ("/help/quill10/..."): the main window puts in its help window (the maker's
// site in the web browser until then); tests put in their own opener.
using HelpOpener = std::function<void(const QString& pagePath)>;
HelpOpener SetHelpOpener(HelpOpener opener);
void OpenHelpPage(const char* path);

QString QOf(const std::string& text);
std::string StdOf(const QString& text);

// A modal line dialog: a column of contents above a row of buttons that
// ends with "?".  Result codes beyond Accepted are the dialog's own.
class TLineDialog : public QDialog {
    Q_OBJECT

public:
    TLineDialog(const QString& name, const QString& caption, HelpPage help, QWidget* parent);
    // What the dialog is for ("line 1a, father", from the dialog code): the
    // title says it after the caption, and the names of the entries begin
    // with it ("Line 1a, father: Amount").  `prompts` asks the user about an
    // entry that cannot be read.
    void Introduce(const QString& subject, UserPrompts& prompts);
    UserPrompts* Prompts() const { return prompts_; }
    // True once the dialog has changed the case: accepted, or an override
    // flag flipped (which stays flipped even when the dialog is cancelled).
    bool CaseChanged() const { return caseChanged_; }
    HelpPage Help() const { return help_; }

protected:
    // Enter presses the button that has the focus and, in a field, moves on
    // to the next control (it never closes the dialog with figures worked out
    // before the entry).
    void keyPressEvent(QKeyEvent* event) override;
    // The dialog opens with the focus in its first entry, so digits typed at
    // once are never lost.
    void showEvent(QShowEvent* event) override;
    void FitWrappedTexts();
    static constexpr int kScreenMargin = 48;  // room for the window's frame and title
    static constexpr int kWidenStep = 40;
    void MarkCaseChanged() { caseChanged_ = true; }
    QVBoxLayout* Body() const { return body_; }
    // A button of the bottom row, placed before "?".
    QPushButton* AddButton(const QString& caption, const QString& name, std::function<void()> onClick);
    // "Accept" (or `acceptCaption`) writes through `write`, marks the case
    // changed and closes; "Cancel" closes and writes nothing.
    void AddAccept(std::function<void()> write, const QString& acceptCaption = QStringLiteral("Accept"));
    void AddCancel();
    void AddAcceptAndCancel(std::function<void()> write, const QString& acceptCaption = QStringLiteral("Accept"));

private:
    HelpPage help_;
    UserPrompts* prompts_ = nullptr;
    QVBoxLayout* body_;
    QBoxLayout* buttons_;
    bool caseChanged_ = false;
};

// A bold heading line.
QLabel* NewHeading(const QString& text);
QGroupBox* NewGroup(const QString& title, QFormLayout*& form);
QLineEdit* NewField(const QString& name);
QPushButton* NewButton(const QString& caption, const QString& name);
// A list of the estimator's and annualizer's frequencies.
QComboBox* NewFrequencyList();
// A check box whose long text wraps: a line holding the box and its text,
// which ticks the box when clicked.  The box carries the text as its
// accessible name.
QWidget* NewWrappedCheckBox(const QString& name, const QString& text, QCheckBox*& box);

// Rewrites the field through `format` each time the user leaves it.
void FormatOnLeaving(QLineEdit* edit, std::function<std::string(const std::string&)> format);
// Money fields show the currency text of their amount; percentage fields
// their number with two decimals and "%".  An entry that cannot be read is
// refused as on the worksheet, naming the field and quoting the entry:
// Correct It goes back to it (the dialog is not accepted meanwhile), Enter 0
// enters 0, Cancel puts back what the field held.
void MakeMoneyField(QLineEdit* edit);
void MakePercentField(QLineEdit* edit);
std::string MoneyFieldText(const std::string& slotText);

// An overrideable field: editable and red while its slot is overridden,
// read-only and shaded otherwise.
void ShowOverrideState(QLineEdit* edit, bool overridden);
bool IsOverriddenField(const QLineEdit* edit);
// Right-clicking the field offers "Override" and "Cancel Override"; both
// run `toggle`.
void OfferOverride(QLineEdit* edit, std::function<void()> toggle);

}  // namespace quill10::gui
