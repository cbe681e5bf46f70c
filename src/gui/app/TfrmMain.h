#pragma once
// The main window: ribbon of file commands, headline figures, recent-file
// box and override buttons across the top; the tree of destinations on the
// left; the scrolling page area with the worksheet on display.  It owns the
// case (answer store and scheduler table), the settings and the folders,
// runs the field-edit cycle and the file commands.
#include <QAccessible>
#include <QMainWindow>
#include <QPointer>
#include <QUrl>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "app/UserPrompts.h"
#include "calc/Headlines.h"
#include "calc/ScheduleImport.h"
#include "platform/FileAccess.h"
#include "files/CaseLock.h"
#include "files/Settings.h"
#include "print/PdfExport.h"
#include "print/PrvwSend.h"
#include "print/WordProcessor.h"
#include "store/SchedulerGrid.h"
#include "store/AnswerChanges.h"

class QAction;
class QComboBox;
class QDialog;
class QLabel;
class QMenu;
class QPushButton;
class QScrollArea;
class QStackedWidget;
class QTimer;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QLineEdit;

namespace quill10 {
class CalcEnvironment;
class TAnswer;
struct RecoveryEntry;
}  // namespace quill10

namespace quill10::gui {

class TfrmCompare;
class CaseHistory;
class CaseStep;
struct WordSearchState;
class RecoveryKeeper;
class ProgramLauncher;
class THelpWindow;

// Window width, tree panel width and zoom for a screen width.
struct WindowPlacement {
    int treeWidth = -1;      // -1: unchanged
    int windowWidth = 800;
    double zoom = -1;        // -1: unchanged
    bool tooNarrow = false;  // below 800, where the window no longer fits: error 11080
};
WindowPlacement PlacementForScreenWidth(int screenWidth);

// The worksheet a screen page shows, as the tree says it: "Sole/Shared
// Worksheet, Long Form" for page 0; "" for any other page.
QString WorksheetName(int page);

class TfrmMain : public QMainWindow, private QAccessible::ActivationObserver {
    Q_OBJECT

public:
    // `programFolder` holds table.txt and the VLP folder; `prompts` answers
    // for the user (the real dialogs when null).
    explicit TfrmMain(const QString& programFolder, UserPrompts* prompts = nullptr, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // Start-up, part 2: size by the screen, the command-line file, the page
    // stored in slot 1:100.
    void StartUp(const QStringList& arguments, bool placeOnScreen = true);
    // Sizes and places the window for a screen whose available area is
    // `screen`, by the table of screen widths.
    void PlaceOnScreen(const QRect& screen);

    // ---- Undo and redo ----
    // Runs `change` as one undoable step: the slots and scheduler rows it
    // changed are kept (named by `name`, asked only when something changed)
    // and the focus goes back to the field named `field` when the step is
    // undone or redone.  Returns what `change` returns.
    bool RecordStep(const std::function<QString()>& name, const std::function<bool()>& change,
                    const QString& field = {}, const std::function<void(bool undo)>& also = {});
    // Goes to the case as it stood after `index` steps of the history: Undo
    // is one back, Redo one forward, a line of Undo History any number at once.
    void MoveInHistory(int index);
    CaseHistory& History() { return *history_; }
    QAction* UndoAction() const { return mnuUndo_; }
    QAction* RedoAction() const { return mnuRedo_; }
    void UndoHistoryClick();
    // Runs an interest setting's dialog; a changed setting and the table it
    // works out again are one step.
    void ChangeInterestSetting(QDialog& dialog, double Settings::*setting, const QString& what);
    // Runs when an undo or redo replaced the scheduler table: the scheduler
    // window shows it again with `row`, the first row the step changed,
    // selected (none: the row selected stays).  Unset while the scheduler is
    // closed: a step of the table then opens it.
    std::function<void(std::optional<std::size_t> row)> onTableReplaced;

    // ---- Worksheet screens ----
    void DisplayPage(int tag);
    void DisplayAPage(int tag);
    // Leaving a field: its entry is read, the page stored and the case
    // recalculated.  False when the entry cannot be read and the user went
    // back to correct it (nothing was stored).
    bool CalcOnExit(QWidget* sender);
    void ScrollOnEnter(QWidget* sender);
    void OverrideClick();
    // `button` (none from a menu) names the step the dialog's changes make
    // and takes the focus back when it is undone.
    void DialogDispatch(int code, const QWidget* button = nullptr);
    // Options > Annualizer and the field pop-up: a periodic amount made
    // annual in the focused field.
    void AnnualizerClick();
    void CalloutDispatch(QPushButton* button);
    void UpdateMenuItems();

    // ---- File commands ----
    void NewClick();
    void OpenClick();
    // How a case is opened: for editing (its lock taken), read-only, or as a
    // copy that is a new case of its own.
    enum class OpenMode { kEditing, kReadOnly, kCopy };
    bool OpenFile(const QString& path, OpenMode mode = OpenMode::kEditing);
    void ReopenClick(int index);
    bool SaveClick();
    bool SaveAsClick();
    void CloseClick();
    void ImportClick(int tag);  // 0 WQ7, 1 WQ8
    void DefaultLocationClick(int tag);
    // Options > Default Locations > Help Site: an office's own help site.
    void HelpSiteClick();
    // Options > Default Locations: the web address of a video or of the
    // cash medical support table (`what` names it in messages).
    void AddressClick(const std::function<std::string&(Settings&)>& address, const QString& title,
                      const QString& what);
    // ---- Settings shared with other windows and quill10-cli ----
    // Makes `change` in this window and in the settings file at once: under
    // the file's lock, read as it is now, only this change made, replaced
    // atomically; what the file then holds is taken.  When the file cannot
    // be written the user is told (`what` names the setting) and the change
    // holds for this window only.
    bool ChangeSettings(const std::function<void(Settings&)>& change, const QString& what);
    // Takes the settings file again when another window or quill10-cli has
    // changed it since this window last read it: the schedule, the interest
    // defaults, folders and recent files.  One stat when nothing changed.
    void FollowSettings();
    // Why the case is not computed (its support schedule cannot be read);
    // "" when it is.
    QString NotComputedReason() const { return scheduleFailure_; }

    // Options > Support Schedule...: the schedule in use, installing an
    // office's own and going back to the installed one.  Installing and going
    // back write the settings file at once (the command-line tool reads it)
    // and recalculate the case.
    void SupportScheduleClick();
    QString ScheduleInUse();
    // "" when the schedule is installed; otherwise why not (nothing changed).
    QString InstallOfficeSchedule(const ScheduleReading& reading, const QString& name, const QString& effective);
    void UseInstalledScheduleClick();
    void CheckWorksheetClick();
    // The support scheduler window and the two interest settings.
    void SupportSchedulerClick();
    void InterestThresholdClick();
    void DefaultInterestRateClick();
    // Saves a copy of the open case beside it as "case - scenario.q10";
    // the original stays open.  The copy's path, or "" when nothing was saved.
    QString SaveAsScenarioClick();
    // The open case and the client files the user chooses, side by side.
    void CompareScenariosClick();
    void InsertToday();
    // ---- Printing ----
    // Preview/Print: the pages chosen in "Select A Form" to the word processor.
    void PreviewPrintClick();
    // Print Form on Screen: the worksheet on screen without the dialog.
    void QuickPrintClick();
    void SaveAsPdfClick();
    // File > Verify a Filed PDF...: whether every figure of a PDF follows
    // from the case it carries.
    void VerifyFiledPdfClick();
    // The filed PDF the open case came from ("" for a client file): such a
    // case is saved only with Save As.
    QString CasePdf() const { return casePdf_; }
    void FindWordClick();
    void ForceWordClick();
    void ForceWordPadClick();
    // The start-up choice of the word processor, Writer looked for in
    // `places`: taken at once when it is at a fixed place, else searched
    // for in the background (the desktop's program until it is found).
    void ChooseWordProcessor(const WordProcessorPlaces& places);
    bool WordSearchRunning() const;
    // How Find Word searches (FindWordProgram unless set; tests set their own).
    using WordSearchFunction =
        std::function<std::string(const std::vector<std::string>& roots, const SearchProgress& progress)>;
    static void SetWordSearch(WordSearchFunction search);
    // Where windows created from now on look for Writer at start-up (the
    // usual places unless set; tests set their own).
    static void SetStartUpWordPlaces(const WordProcessorPlaces& places);
    WordProcessor CurrentWordProcessor() const { return wordProcessor_; }
    // Starts the word processor on `file`, working in `folder`; a failure
    // is reported (error 11550) and false returned.
    bool StartWordProcessor(const QString& file, const QString& folder);
    // Prints the support scheduler table through page 32.
    void PrintSchedule(const SchedulerGrid& table, const PageMargins& margins);
    // ---- Help ----
    // Shows a help page ("/help/quill10/..."): in the help window, with
    // `caseNote` above it; on the office's help site when the settings name
    // one; a document (PDF) in the desktop's program for it.
    void ShowHelpPage(std::string_view path, const QString& caseNote = {});
    // The field pop-up's "Data Source": where the focused field's figure comes from.
    void DataSourceClick();
    // Help on a topic: a "Help On Specific Lines" item's topic, the topic
    // recorded when a pop-up menu opened, or the focused control's (F1).
    void SpecialHelp(QObject* sender);
    // Records the help number of the control a pop-up menu opens on.
    void HelpOnPopup(QWidget* component);
    // Plays an installed instructional video (Tags 3 to 8).
    void PlayVideo(int tag);
    THelpWindow* HelpWindow() const;  // null until help was first shown
    QMenu* ButtonPopup() const { return buttonPopup_; }
    QAction* DataSourceAction() const { return popDataSource_; }
    QAction* FieldHelpAction() const { return popHelp_; }
    ProgramLauncher& Launcher() { return *launcher_; }
    void SetLauncher(std::unique_ptr<ProgramLauncher> launcher);
    void CalculatorClick();
    void ApplyZoom(double factor);

    // ---- State, for the shell and tests ----
    TAnswer& Answers() { return *answers_; }
    CalcEnvironment& Environment() { return *environment_; }
    Settings& CurrentSettings() { return settings_; }
    int CurrentPage() const { return currentPage_; }
    bool Modified() const { return modified_; }
    // Sets the modified flag; the window title marks unsaved changes.
    void SetModified(bool modified);
    // False after Close until a worksheet is shown again.
    bool CaseShown() const { return caseShown_; }
    // The commands that need a case on display (Save, Save As, Check, ...).
    const std::vector<QObject*>& CaseCommands() const { return caseCommands_; }
    QString CurrentFileName() const;
    // The open case's file name without its folder ("Untitled.q10" for none).
    QString CaseName() const;
    QWidget* PagePanel() const { return pnlMainForm_; }
    QWidget* FindField(const QString& name) const;
    QWidget* OpenCallout() const { return openCallout_; }
    QString HeadlineSupport() const;
    QString HeadlineSupportNoIns() const;
    QString HeadlineCashMedical() const;
    QAction* OverrideAction() const { return mnuOverride_; }
    QAction* CancelOverrideAction() const { return mnuCancelOverride_; }
    QAction* ZoomAction() const { return mnuZoom_; }
    QAction* AnnualizerAction() const { return mnuAnnualizer_; }
    QAction* ShowTreeAction() const { return mnuShowTree_; }
    // Options > Keyboard reaches computed figures: Tab also stops at the
    // read-only computed figures, in paper order.  Until the user chooses,
    // it is on while an assistive technology is running.
    QAction* ReachComputedAction() const { return mnuReachComputed_; }
    bool KeyboardReachesComputed() const;
    QAction* ForceWordAction() const { return mnuForceWord_; }
    QAction* ForceWordPadAction() const { return mnuForceWordPad_; }
    QAction* FindWordAction() const { return mnuFindWord_; }
    QMenu* FieldPopup() const { return fieldPopup_; }
    QComboBox* RecentFilesBox() const { return cmbxOpenRecent_; }
    // The case's support scheduler table, which the scheduler window edits.
    SchedulerGrid& SchedulerTable() { return grid_; }
    UserPrompts& Prompts() { return *prompts_; }
    double ZoomFactor() const { return settings_.zoomFactor; }
    // Runs the comparison window in place of its own event loop (tests).
    std::function<void(TfrmCompare&)> ShowCompare;
    // The close sequence without closing the window: commit, save prompt,
    // settings, temporary files.  False when the user cancels.
    bool CloseSequence();
    // Renders the page panel into an image (for --snapshot).
    QImage RenderPage();

    // When the window comes to the front with no unsaved changes and
    // another program has changed the open case's file, offers to reload it.
    void CheckCaseOnDisk();

    // ---- Recovery copies and lock files ----
    // The recovery copies of windows that have gone, each to be recovered,
    // saved elsewhere, discarded or kept for later (at start-up, and File >
    // Recover Unsaved Cases, which with `always` also says when there are none).
    void OfferRecoveryCopies(bool always);
    // Opens a copy as an unsaved change of its case; false when it cannot
    // be read or the user cancels (the copy then stays).
    bool RecoverCopy(const RecoveryEntry& copy);
    // Saves a copy's case under a name the user chooses, then removes the copy.
    bool SaveRecoveryCopyAs(const RecoveryEntry& copy);
    // Removes a copy once the user has said Yes; the case's file stays.
    bool DiscardRecoveryCopy(const RecoveryEntry& copy);
    // Options > Recovery Copies: how often unsaved changes are copied.
    void RecoveryIntervalClick();
    RecoveryKeeper& Recovery() { return *recovery_; }
    // The open case was opened read-only (another window holds it, or its
    // folder takes no lock file): Save is off, Save As saves it elsewhere.
    bool ReadOnly() const { return readOnly_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildRibbon();
    void BuildMenus();
    void BuildFieldPopup();
    void BuildTree();
    QAction* AddAction(QMenu* menu, const QString& caption, const QKeySequence& shortcut = {});
    // An action of the window itself, whose shortcut works from any field.
    QAction* WindowAction(const QString& caption, const QKeySequence& shortcut);
    void SetPageProperties(QWidget* container);
    // Puts the page's read-only computed figures into the Tab order, or
    // takes them out, as the option stands.
    void ReachComputedFigures();
    void accessibilityActiveChanged(bool active) override;
    void FillPage();
    void StorePage();
    // Destroys the page's controls without leaving (storing) the focused field.
    void ClearPage();
    void RecalculatePage();
    // The recalculation after a line dialog of `code` has closed.
    void RecalculateAfterLineDialog(int code);
    // Reads what was typed into a number field; false when the user chose
    // to put back the field's previous value.
    // What became of a field's entry when the field was left.
    enum class EntryOutcome { Taken, PutBack, Correcting };
    EntryOutcome AcceptEntry(QLineEdit* edit);
    void RefuseEntry(QLineEdit* edit, const QString& why);
    // Sends the focus back to a field whose entry is to be corrected, with
    // its text selected; the field left for it in between is not taken.
    void ReturnToField(QLineEdit* edit);
    void RestoreField(QLineEdit* edit);
    void CloseCallouts();
    QWidget* CalloutButton() const;  // the "?" button of the bubble on show
    void RunCalculate();
    void ScalePage(double factor);
    // A key on its way to `receiver` (the focused control, then its parents).
    bool KeyPress(QWidget* receiver, QKeyEvent* key);
    bool Commit();
    bool AskToSaveChanges();
    bool WriteCurrentFile();
    void CreateNewCase();
    QString SaveAsProposal() const;
    QString ImportTarget(const QString& oldPath, bool& replace);
    // Default Locations items (Tags) whose folders must hold program data.
    static constexpr int kTemplateLocation = 3;
    static constexpr int kVlpLocation = 5;
    QString FolderProblem(int tag, const QString& chosen) const;
    // At start: a configured layout folder that lost its files gives way to
    // the installed one, with a message naming it.
    void FallBackToInstalledLayouts();
    // Reads a client file into a fresh case; on failure the user is told why
    // (and that the case on screen stays, when there is one) and false returned.
    bool LoadCaseFile(const QString& path, int createErrorCode, bool caseOnScreen = true,
                      OpenMode mode = OpenMode::kEditing);
    // Lock files: what opening a case is to be, its lock taken or the user
    // asked; nothing when the user cancels.
    struct Opening {
        OpenMode mode = OpenMode::kEditing;
        std::unique_ptr<CaseLock> lock;  // none: this window's lock stays (the same case), or no lock
        bool keepLock = false;
        QString note;  // said on the status bar while the case is open ("" for nothing)
    };
    std::optional<Opening> PrepareOpening(const QString& path, OpenMode wanted);
    // The case read for `opening` is the open case now (named `path`).
    void TakeOpening(Opening opening, const QString& path);
    // The lock of a file a case is to be written to, taken once it is
    // written (TakeOpening); nothing (the user told) when another window
    // holds that case.
    std::optional<Opening> LockForSaving(const QString& path);
    // The case has no file (New, Close): no lock, nothing read-only.
    void DropCaseLock();
    // Save off and "(read-only)" in the title while the case is read-only;
    // the status bar's word on the case's access.
    void ShowCaseAccess();
    // Recovery copies: one more change, the copy no longer needed, its bytes.
    void StartRecoveryCopies();
    void AddRecoveryCommands(QMenu* file, QMenu* options);
    void KeepRecoveryCopy();
    void ForgetRecoveryCopy();
    std::string RecoveryCopyBytes();
    void ShowUndoCommands();
    void RefreshRecentFiles();
    void AddToRecentFiles(const QString& path);
    void ShowStartScreen(bool show);
    void SetOverrideCommands(bool overrideEnabled, bool cancelEnabled);
    void SetOverrideButtons(QWidget* control);
    void SelectTreeItemOfPage(int page);
    // Ctrl+PageDown / Ctrl+PageUp: the next or previous worksheet, in the tree's order.
    void DisplayNeighbourPage(int step);
    // F6: from the worksheet to the tree of destinations and back.
    void ToggleTreeFocus();
    void WriteSettingsAndCleanUp();
    void ShowZoomDialog();
    void ShowShrinkFontDialog();
    void ShowAbout();
    // The case as the worksheet on screen stands, recalculated (before a
    // print, after the support schedule changed).  False when the entry of
    // the field being left cannot be read and is being corrected.
    bool RecalculateCase();
    // Printing: assembly and hand-off.
    std::optional<quill10::PrintSelection> AskPrintSelection();
    void RunPrintJob(const quill10::PrintSelection& selection, const PageMargins& margins);
    PrintDocument SelectionDocument(const quill10::PrintSelection& selection);
    PrintDocument ScheduleDocument(const SchedulerGrid& table);
    // Reports the problems of an assembly; false when no page went in.
    bool Usable(const PrintDocument& document);
    // Writes the document as a new file in `folder` under the first free
    // one of `names` (with the margins when the default program shows it)
    // and starts the word processor on it.
    bool HandOff(const PrintDocument& document, const std::string& folder, const std::vector<std::string>& names,
                 const PageMargins& margins);
    // The number of problems the check report would list for the worksheet
    // on screen, on the status bar; a click opens the report.
    void ShowProblemCount();
    void ShowOpenCaseInRecentBox();
    void BuildEditMenu();
    void StartNewHistory();
    void MarkSaved();
    // The field-edit cycle of CalcOnExit, recorded as a step by it.
    bool LeaveField(QWidget* sender);
    QString StoredTextOf(QWidget* control) const;
    QString StepName(QWidget* control, const QString& before, const QString& after) const;
    // Runs `change` (a recalculation, an undo) and refills the page showing
    // what it did: the computed fields whose figures changed are marked for
    // a moment, and the status bar gives the headline's change.
    void RefillShowingChanges(const std::function<void()>& change);
    std::vector<std::pair<QLineEdit*, QString>> ComputedFieldTexts() const;
    void HighlightChangedFields(const std::vector<std::pair<QLineEdit*, QString>>& before);
    HeadlineFigures HeadlinesOfPage() const;  // of the worksheet on screen
    QString HeadlineOfPage() const;            // its support figure ("" off the worksheets)
    void ReportHeadlineChange(const QString& before);
    // Computes with the schedule the settings name, and says on the status
    // bar when it is the demonstration schedule or cannot be read.
    void ApplySchedule();
    void ShowScheduleNotice();
    // The settings the file holds now, taken in place of this window's
    // (its own zoom and font shrink stay); `identity` is the file's as it
    // was before it was read.
    void AdoptSettings(Settings fresh, const FileIdentity& identity);
    // FollowSettings where no calculation follows of itself (the window
    // comes to the front, the scheduler opens): a changed schedule
    // recalculates the case at once unless a field is being typed in.
    void FollowSettingsAndRecalculate();
    // Remembers the open case's file as it is on the disk now.
    void StampCase();
    // True when another program has changed the open case's file since it
    // was last read or written here.
    bool CaseChangedOnDisk() const;
    std::optional<QUrl> WebAddress(const std::string& address) const;
    void ChooseWordProcessorAtStartUp();
    void StartWordSearch(bool atStartUp);
    void PollWordSearch();
    void WordSearchEnded(const std::string& found);
    void CancelWordSearch();
    // Save as PDF hands its documents to one LibreOffice kept running, which
    // is stopped after some idle minutes and when the window goes.
    bool ConvertToPdf(const PdfJob& job, std::string& error);
    void BuildHelpMenu(QMenu* help);
    void AddVideoItems(QMenu* menu);
    QString HelpFolder() const;
    // The figures of a worksheet line for the help page opened on it.
    QString CaseNoteFor(QWidget* field) const;
    QString WordProgram() const;

    std::unique_ptr<UserPrompts> ownPrompts_;
    std::unique_ptr<ProgramLauncher> launcher_;
    std::shared_ptr<WordSearchState> wordSearch_;  // the search running, if one is
    bool wordSearchAtStartUp_ = false;
    QTimer* wordSearchTimer_ = nullptr;
    QLabel* lblWordSearch_ = nullptr;
    std::unique_ptr<PdfConverter> pdfConverter_;
    QTimer* pdfIdle_ = nullptr;
    WordProcessor wordProcessor_ = WordProcessor::Word;
    WordProcessorPlaces wordPlaces_;
    UserPrompts* prompts_ = nullptr;
    std::shared_ptr<CalcEnvironment> environment_;
    std::unique_ptr<TAnswer> answers_;
    SchedulerGrid grid_;
    Settings settings_;
    int currentPage_ = -1;
    int currentSubPage_ = -1;
    bool modified_ = false;
    bool filling_ = false;  // controls are being filled: their change events do not mark the case
    bool clearing_ = false; // controls are being destroyed: their focus events are not field exits
    bool fillAfterCalculation_ = false;  // the caller of the calculation fills the page once afterwards
    bool caseShown_ = true;  // false after Close, until a worksheet is displayed again
    // The open case's file as it was last read or written, and a changed
    // state of it the user chose not to reload (not offered again).
    std::string settingsFile_;  // the settings file read at start-up, shared with other windows and the CLI
    Settings settingsDefaults_;   // what a line missing from the settings file means
    FileIdentity settingsIdentity_;  // the settings file as it was when this window last read it
    QString casePdf_;          // the filed PDF the open case was taken from, if it was
    QString scheduleFailure_;  // "Not computed: ..." while the support schedule cannot be read
    QString scheduleWarned_;   // the schedule failure last shown in a message box
    QString settingsNews_;     // a change of schedule the next headline change is reported with
    QLabel* lblScheduleNotice_ = nullptr;  // on the status bar while the demonstration schedule is in use
    QLabel* lblProblems_ = nullptr;        // the check report's problems of the worksheet on screen
    std::string stampedPath_;
    FileStamp caseStamp_;
    bool caseWrittenHere_ = false;  // this window has saved the case since it was read
    FileStamp reloadDeclined_;
    bool checkingDisk_ = false;
    CaseHistory* history_ = nullptr;
    std::unique_ptr<RecoveryKeeper> recovery_;
    std::unique_ptr<CaseLock> lock_;  // the lock of the open case, when this window holds one
    bool readOnly_ = false;
    QString accessNote_;               // the status bar's word on the case's access
    QLabel* lblCaseAccess_ = nullptr;
    QAction* mnuUndo_ = nullptr;
    QAction* mnuRedo_ = nullptr;
    // The case as the last step left it, what the next step is measured from.
    std::unique_ptr<AnswersSnapshot> baseline_;
    SchedulerGrid gridBaseline_;
    void ResetBaseline();
    // Shows the scheduler at the row an undo or redo changed: at once when it
    // is open, else by opening it once the undo is over (after the Undo
    // History closes, when the step was chosen there).
    void ShowScheduleRow(std::size_t row);
    void OpenScheduleAtPendingRow();
    std::optional<std::size_t> pendingScheduleRow_;
    bool replaying_ = false;  // an undo or redo is putting the case back: no new step
    bool recording_ = false;  // a step is being recorded: the changes inside it are part of it
    QPointer<QWidget> correcting_;  // a field the focus is being sent back to
    std::vector<QObject*> caseCommands_;
    QPointer<QWidget> openCallout_;  // the help bubble on show, closed by Escape, a click or leaving the line

    QWidget* pnlRibbon_ = nullptr;
    QComboBox* cmbxOpenRecent_ = nullptr;
    QLabel* lblSupport_ = nullptr;
    QLabel* lblSupportNo_ = nullptr;
    QLabel* lblCashMedicalSupport_ = nullptr;
    QToolButton* spdbtnOverride_ = nullptr;
    QToolButton* spdbtnCancelOverride_ = nullptr;
    QTreeWidget* TreeView1_ = nullptr;
    QStackedWidget* pageStack_ = nullptr;
    QScrollArea* VertScrollBox1_ = nullptr;
    QWidget* pnlMainForm_ = nullptr;
    QWidget* layClose_ = nullptr;

    QAction* mnuOverride_ = nullptr;
    QAction* mnuCancelOverride_ = nullptr;
    QAction* mnuZoom_ = nullptr;
    QAction* mnuShowTree_ = nullptr;
    QAction* mnuReachComputed_ = nullptr;
    bool assistiveTechnology_ = false;  // a screen reader or the like is running
    QAction* mnuAnnualizer_ = nullptr;
    QAction* mnuCalculator_ = nullptr;
    QAction* mnuForceWord_ = nullptr;
    QAction* mnuForceWordPad_ = nullptr;
    QAction* mnuFindWord_ = nullptr;
    std::array<QAction*, 9> mnuRecent_{};
    QMenu* fieldPopup_ = nullptr;
    QMenu* buttonPopup_ = nullptr;  // the pop-up of buttons: "Help"
    QAction* popButtonHelp_ = nullptr;
    int popupHelpContext_ = 0;      // recorded when a pop-up menu opens
    QPointer<QMainWindow> helpWindow_;  // the THelpWindow
    std::function<void(const QString&)> previousHelpOpener_;
    QAction* popOverride_ = nullptr;
    QAction* popCancelOverride_ = nullptr;
    QAction* popDataSource_ = nullptr;
    QAction* popHelp_ = nullptr;
    QPointer<QWidget> lastField_;
};

}  // namespace quill10::gui
