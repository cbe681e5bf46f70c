#pragma once
// Every question the main window asks the user and every message it shows
// goes through one object, so tests can answer for the user.
#include <QString>
#include <QStringList>
#include <memory>

class QDialog;
class QMessageBox;
class QTextDocument;
class QWidget;

namespace quill10::gui {

enum class SaveAnswer { Yes, No, Cancel };
// What to do when an imported case would take the name of an existing one.
enum class ReplaceAnswer { Replace, OtherName, Cancel };
// What to do with a number field's entry that cannot be read.
enum class EntryAnswer { CorrectIt, EnterZero, PutBack };
// What to do when the case to be saved was changed by another program.
enum class ChangedCaseAnswer { Overwrite, SaveAs, Cancel };
// What to do with a case another window holds open.
enum class LockedCaseAnswer { ReadOnly, Copy, RemoveLock, Cancel };

class UserPrompts {
public:
    virtual ~UserPrompts() = default;
    // "Do You Want To Save Your Changes" with Yes, No and Cancel, about the
    // case `caseName` ("smith.q10"), which the box names.
    virtual SaveAnswer AskSaveChanges(const QString& caseName) = 0;
    // An existing file chosen, or "" when the user cancels.
    virtual QString ChooseFileToOpen(const QString& title, const QString& folder, const QString& filter) = 0;
    // The name typed in a save dialog, or "" when the user cancels.  The
    // dialog adds `extension` ("pdf") to a name typed without one; whether an
    // existing file may be replaced is asked by ChooseFileToWrite.
    virtual QString ChooseFileToSave(const QString& title, const QString& proposed, const QString& filter,
                                     const QString& extension) = 0;
    virtual QString ChooseFolder(const QString& title, const QString& start) = 0;
    virtual void Warn(const QString& text) = 0;     // a warning with OK
    virtual void Inform(const QString& text) = 0;   // a plain message with OK
    // A question with Yes and No (No is the default): true for Yes.
    virtual bool AskYesNo(const QString& text) = 0;
    // A warning with OK and Cancel: true for OK.
    virtual bool AskOkCancel(const QString& text) = 0;
    // An entry that cannot be read: "Correct It" (the default, so Enter never
    // loses the figure), "Enter 0", or Cancel/Escape, which puts back what
    // the field held.
    virtual EntryAnswer AskUnreadableEntry(const QString& text) = 0;
    // A message with a choice of buttons, the first the default: the index
    // of the button pressed, -1 when the box is closed or Escape is pressed.
    virtual int AskChoice(const QString& text, const QStringList& buttons) = 0;
    // The case `path` exists: Replace, Choose Another Name or Cancel.
    virtual ReplaceAnswer AskReplaceCase(const QString& path) = 0;
    // ChangedElsewhereText(name, savedHere) with Overwrite, Save As... and Cancel.
    virtual ChangedCaseAnswer AskOverwriteChangedCase(const QString& name, bool savedHere) = 0;
    // A line of text (a scenario's name), or "" when the user cancels.
    virtual QString AskText(const QString& title, const QString& label) = 0;
    // Several existing files chosen, or none when the user cancels.
    virtual QStringList ChooseFilesToOpen(const QString& title, const QString& folder, const QString& filter) = 0;
    // Prints a document through the print dialog.
    virtual void PrintDocument(const QString& title, QTextDocument& document) = 0;
    // Shows a modal dialog (a line dialog) and returns its result.
    virtual int RunDialog(QDialog& dialog);
    // "Case Smith.q10 is open by jdoe on OFFICE-PC3 since 9:14" with Open
    // Read-Only, Open a Copy and Cancel; with `offerRemoval` (a lock that may
    // have been left behind) Remove the Lock and Open first.  By default the
    // buttons of AskChoice.
    virtual LockedCaseAnswer AskLockedCase(const QString& text, bool offerRemoval);
};

// The save question's box: "Do You Want To Save Your Changes" with Yes, No
// and Cancel (Yes the default), the case named in its title and in the line
// under the question, so that with several windows open the user knows
// which case is meant.
std::unique_ptr<QMessageBox> SaveChangesBox(QWidget* parent, const QString& caseName);
// "The case "NAME" was changed by another program since you opened it." (or
// "since you last saved it." when this window has saved it since).
QString ChangedElsewhereText(const QString& name, bool savedHere);

// The question about an entry that cannot be read, naming the field
// (`place`, "Line 1a, Column I") and quoting the entry: the parser's
// catalogue message, what was typed, and what Correct It, Enter 0 and Cancel
// do.  The worksheet's fields and the line dialogs' ask it alike.
QString UnreadableEntryText(int fieldKind, const QString& place, const QString& typed);
// What a field's description and the status bar say about it.
QString UnreadableEntryWhy(const QString& typed);

// The real dialogs, parented to `parent`.
class DialogPrompts : public UserPrompts {
public:
    explicit DialogPrompts(QWidget* parent) : parent_(parent) {}
    SaveAnswer AskSaveChanges(const QString& caseName) override;
    QString ChooseFileToOpen(const QString& title, const QString& folder, const QString& filter) override;
    QString ChooseFileToSave(const QString& title, const QString& proposed, const QString& filter,
                             const QString& extension) override;
    QString ChooseFolder(const QString& title, const QString& start) override;
    void Warn(const QString& text) override;
    void Inform(const QString& text) override;
    bool AskYesNo(const QString& text) override;
    bool AskOkCancel(const QString& text) override;
    EntryAnswer AskUnreadableEntry(const QString& text) override;
    int AskChoice(const QString& text, const QStringList& buttons) override;
    ReplaceAnswer AskReplaceCase(const QString& path) override;
    ChangedCaseAnswer AskOverwriteChangedCase(const QString& name, bool savedHere) override;
    QString AskText(const QString& title, const QString& label) override;
    QStringList ChooseFilesToOpen(const QString& title, const QString& folder, const QString& filter) override;
    void PrintDocument(const QString& title, QTextDocument& document) override;
    LockedCaseAnswer AskLockedCase(const QString& text, bool offerRemoval) override;

private:
    QWidget* parent_;
};

// For a run without a screen (--snapshot): every message goes to stderr,
// every question is answered No, Cancel or "" at once (nobody could answer
// a dialog), and the messages are counted so the run can fail on them.
class HeadlessPrompts : public UserPrompts {
public:
    SaveAnswer AskSaveChanges(const QString&) override { return SaveAnswer::No; }
    QString ChooseFileToOpen(const QString&, const QString&, const QString&) override { return {}; }
    QString ChooseFileToSave(const QString&, const QString&, const QString&, const QString&) override { return {}; }
    QString ChooseFolder(const QString&, const QString&) override { return {}; }
    void Warn(const QString& text) override;
    void Inform(const QString& text) override;
    bool AskYesNo(const QString& text) override;
    bool AskOkCancel(const QString& text) override;
    EntryAnswer AskUnreadableEntry(const QString& text) override;
    int AskChoice(const QString& text, const QStringList& buttons) override;
    ReplaceAnswer AskReplaceCase(const QString&) override { return ReplaceAnswer::Cancel; }
    ChangedCaseAnswer AskOverwriteChangedCase(const QString&, bool) override { return ChangedCaseAnswer::Cancel; }
    QString AskText(const QString&, const QString&) override { return {}; }
    QStringList ChooseFilesToOpen(const QString&, const QString&, const QString&) override { return {}; }
    void PrintDocument(const QString&, QTextDocument&) override {}
    int RunDialog(QDialog& dialog) override;
    // How many warnings and questions were sent to stderr.
    int Problems() const { return problems_; }

private:
    void Tell(const QString& text);
    int problems_ = 0;
};

// ---- Choosing a file to write: one rule for every save dialog ----

// The file a name typed in a save dialog stands for: ".extension" in any
// case is written as given ("Smith.Q10" is Smith.q10), any other name gets
// it appended ("Smith.Brown" is saved as "Smith.Brown.q10", "victim" as
// "victim.pdf").
QString WithExtension(const QString& chosen, const QString& extension);

// Whether `name` may be written: never over one of `inputs` (the open case,
// the cases compared: the same file by whatever name), which is refused
// with a warning; over an existing file only when the user says Yes to
// replacing it, unless it is `mayReplace` (the case being saved itself).
bool MayWrite(UserPrompts& prompts, const QString& name, const QStringList& inputs = {},
              const QString& mayReplace = {});

// What a save dialog asks for.
struct SaveTarget {
    QString title;
    QString proposed;    // the name and folder the dialog opens with
    QString filter;      // "PDF documents (*.pdf)"
    QString extension;   // "pdf", without the point
    QStringList inputs;  // files the output may never replace
    QString mayReplace;  // a file replaced without the question
};

// Shows the save dialog until the user names a file that may be written
// (WithExtension, then MayWrite; a No or a refused name asks again) or
// cancels ("").
QString ChooseFileToWrite(UserPrompts& prompts, const SaveTarget& target);

}  // namespace quill10::gui
