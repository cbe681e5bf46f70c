// The file commands: New, Open, Reopen, Save, Save As, Close, the import
// of predecessor files, Default Locations and Check Worksheet.  A file that
// cannot be read is reported and the open case stays as it was; a save
// that fails is reported and keeps the case marked as modified.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QCheckBox>
#include <filesystem>
#include <utility>

#include "app/TfrmAttachment.h"
#include "app/TfrmCompare.h"
#include "app/TfrmMain.h"
#include "calc/CalcEnvironment.h"
#include "platform/FileAccess.h"
#include "files/ClientFile.h"
#include "files/NewCase.h"
#include "print/FiledPdf.h"
#include "scenarios/ScenarioComparison.h"
#include "screen/ControlBinding.h"
#include "screen/PageLayout.h"
#include "store/Answers.h"
#include "store/Misc.h"

namespace quill10::gui {

namespace {

const QString kClientFilter = QStringLiteral("QUILL10 Files (*.q10)");
// Open also takes a filed PDF, which carries its case.
const QString kOpenFilter = QStringLiteral("QUILL10 Files (*.q10);;Filed worksheets with their case (*.pdf)");
const QString kClientExtension = QStringLiteral("q10");
QString Q(const std::string& text) { return QString::fromStdString(text); }

bool EnsureFolder(const std::string& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return !ec;
}

}  // namespace

QString TfrmMain::CurrentFileName() const { return Q(environment_->currentFileName); }

// Leaves the field being edited, so that it is stored and recalculated
// before a file command saves or replaces the case.  False when its entry
// cannot be read and the user chose to correct it: the command stops.
bool TfrmMain::Commit() {
    QWidget* focus = QApplication::focusWidget();
    if (!focus || !pnlMainForm_->isAncestorOf(focus)) return true;
    return CalcOnExit(focus);
}

// True when the case on screen may be given up: it has no unsaved changes,
// they were saved, or the user said No (its recovery copy then goes too).
bool TfrmMain::AskToSaveChanges() {
    if (!modified_) {
        ForgetRecoveryCopy();
        return true;
    }
    switch (prompts_->AskSaveChanges(CaseName())) {
        case SaveAnswer::Cancel: return false;
        case SaveAnswer::No:
            ForgetRecoveryCopy();
            return true;
        case SaveAnswer::Yes:
            StorePage();
            return SaveClick();
    }
    return false;
}

void TfrmMain::CreateNewCase() {
    ClearPage();
    casePdf_.clear();
    DropCaseLock();
    currentPage_ = -1;
    currentSubPage_ = -1;
    try {
        ClientFileContents created = quill10::CreateNewCase(environment_);
        answers_ = std::move(created.answers);
        grid_ = std::move(created.grid);
    } catch (const std::exception& error) {
        prompts_->Warn(Q(error.what()));
        answers_ = std::make_unique<TAnswer>(environment_);
        grid_ = SchedulerGrid{};
        environment_->currentFileName = kUntitledName;
    }
    currentPage_ = -1;
    currentSubPage_ = -1;
    StartNewHistory();
}

bool TfrmMain::LoadCaseFile(const QString& path, int /*createErrorCode*/, bool caseOnScreen, OpenMode mode) {
    // The lock first: a case another window holds is opened as the user says.
    // A case taken from a filed PDF has no file of its own to lock.
    std::optional<Opening> opening = IsPdfName(path.toStdString()) ? std::optional<Opening>(Opening{})
                                                                   : PrepareOpening(path, mode);
    if (!opening) return false;
    std::string error;
    // A filed PDF gives the case it carries, named as when it was printed,
    // beside the PDF.
    std::optional<AttachedCase> filed;
    if (IsPdfName(path.toStdString())) filed = CaseOfFiledPdf(path.toStdString(), error);
    std::optional<ClientFileContents> read =
        IsPdfName(path.toStdString())
            ? (filed ? ParseClientFile(filed->bytes, environment_, error) : std::optional<ClientFileContents>())
            : ReadClientFile(path.toStdString(), environment_, error);
    if (!read) {
        QString message = QStringLiteral("The case \"%1\" could not be opened: %2").arg(path, Q(error));
        if (caseOnScreen) message += QStringLiteral("\nThe case on screen is unchanged.");
        prompts_->Warn(message);
        return false;
    }
    ClearPage();
    answers_ = std::move(read->answers);
    grid_ = std::move(read->grid);
    TakeOpening(std::move(*opening), path);
    casePdf_ = filed ? path : QString();
    if (filed) environment_->currentFileName = QFileInfo(path).dir().filePath(Q(filed->manifest.caseFile)).toStdString();
    StampCase();
    StartNewHistory();
    return true;
}

void TfrmMain::StampCase() {
    stampedPath_ = environment_->currentFileName;
    // A case taken from a filed PDF has no file of its own yet.
    caseStamp_ = stampedPath_.empty() || IsUntitledName(stampedPath_) || !casePdf_.isEmpty() ? FileStamp{}
                                                                                            : StampOf(stampedPath_);
    reloadDeclined_ = {};
    caseWrittenHere_ = false;
}

QString TfrmMain::CaseName() const {
    const QString name = QFileInfo(CurrentFileName()).fileName();
    return name.isEmpty() ? QString::fromLatin1(kUntitledName) : name;
}

bool TfrmMain::CaseChangedOnDisk() const {
    const std::string& path = environment_->currentFileName;
    if (path.empty() || path != stampedPath_ || !caseStamp_.readable) return false;
    const FileStamp now = StampOf(path);
    // A file removed since holds nothing to lose; one that can no longer be
    // read (too large, a pipe, no permission) may hold anything: it is asked about.
    return now.exists && now.ContentDiffers(caseStamp_);
}

void TfrmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // Looked at once the activation is over, not in the middle of it.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        QTimer::singleShot(0, this, [this] {
            FollowSettingsAndRecalculate();
            CheckCaseOnDisk();
        });
}

// Asked once for each state of the file on disk.  With nothing unsaved on
// screen, reloading loses nothing; with unsaved changes, Reload would lose
// them, so Save As... (keeping both) is offered first.
void TfrmMain::CheckCaseOnDisk() {
    if (checkingDisk_ || QApplication::activeModalWidget() || !CaseChangedOnDisk()) return;
    const FileStamp now = StampOf(environment_->currentFileName);
    if (reloadDeclined_.exists && !now.ContentDiffers(reloadDeclined_)) return;
    checkingDisk_ = true;
    reloadDeclined_ = now;
    const QString changed = ChangedElsewhereText(CaseName(), caseWrittenHere_);
    if (!modified_) {
        if (prompts_->AskYesNo(changed + QStringLiteral("\nDo you want to reload it? The case on screen has no unsaved "
                                                         "changes.")))
            OpenFile(CurrentFileName(), readOnly_ ? OpenMode::kReadOnly : OpenMode::kEditing);
    } else {
        enum { kSaveAs, kReload };
        const int choice = prompts_->AskChoice(
            changed + QStringLiteral("\nThe case on screen has changes that are not saved. Save As... keeps them in a "
                                     "file of their own; Reload replaces them with the case as it is on disk, and they "
                                     "are lost; Close keeps them on screen."),
            {QStringLiteral("Save As..."), QStringLiteral("Reload")});
        if (choice == kSaveAs) SaveAsClick();
        if (choice == kReload) OpenFile(CurrentFileName(), readOnly_ ? OpenMode::kReadOnly : OpenMode::kEditing);
    }
    checkingDisk_ = false;
}

void TfrmMain::NewClick() {
    if (!Commit()) return;
    if (!AskToSaveChanges()) return;
    CreateNewCase();
    ShowStartScreen(false);
    DisplayPage(Str2Int(answers_->Text(1, 100)) * 100);
    SetModified(false);
    UpdateMenuItems();
}

void TfrmMain::OpenClick() {
    if (!Commit()) return;
    if (!AskToSaveChanges()) return;
    const QString path = prompts_->ChooseFileToOpen(QStringLiteral("Open File Dialog"), Q(settings_.folders.clientFiles),
                                                    kOpenFilter);
    if (!path.isEmpty()) OpenFile(path);
    UpdateMenuItems();
}

bool TfrmMain::OpenFile(const QString& path, OpenMode mode) {
    if (!LoadCaseFile(path, 11213, true, mode)) return false;
    AddToRecentFiles(path);
    ShowStartScreen(false);
    DisplayPage(Str2Int(answers_->Text(1, 100)) * 100);
    SetModified(false);
    UpdateMenuItems();
    return true;
}

void TfrmMain::ReopenClick(int index) {
    if (index < 0 || index >= static_cast<int>(settings_.recentFiles.size())) return;
    if (!AskToSaveChanges()) {
        RefreshRecentFiles();
        return;
    }
    const QString path = Q(settings_.recentFiles[static_cast<size_t>(index)]);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool read = LoadCaseFile(path, 11533);
    QApplication::restoreOverrideCursor();
    if (!read) return;
    SetModified(false);
    ShowStartScreen(false);
    DisplayPage(Str2Int(answers_->Text(1, 100)) * 100);
    SetModified(false);
    UpdateMenuItems();
}

bool TfrmMain::WriteCurrentFile() {
    if (CaseChangedOnDisk()) {
        switch (prompts_->AskOverwriteChangedCase(CaseName(), caseWrittenHere_)) {
            case ChangedCaseAnswer::Overwrite: break;
            case ChangedCaseAnswer::SaveAs: return SaveAsClick();
            case ChangedCaseAnswer::Cancel: return false;
        }
    }
    answers_->SetText(1, 100, std::to_string(std::max(0, currentPage_)));
    StorePage();
    std::string error;
    const std::string path = environment_->currentFileName;
    EnsureFolder(std::filesystem::path(path).parent_path().string());
    if (!WriteClientFile(path, *answers_, grid_, error)) {
        ErrorMessage(35010, "Save");
        prompts_->Warn(QStringLiteral("The case could not be saved: %1\nYour changes are still on screen.").arg(Q(error)));
        return false;
    }
    StampCase();
    caseWrittenHere_ = true;
    SetModified(false);
    MarkSaved();
    return true;
}

bool TfrmMain::SaveClick() {
    if (!Commit()) return false;
    // A case opened read-only, or taken from a filed PDF, is saved elsewhere.
    if (readOnly_ || !casePdf_.isEmpty() || environment_->currentFileName.empty() ||
        IsUntitledName(environment_->currentFileName))
        return SaveAsClick();
    const bool saved = WriteCurrentFile();
    UpdateMenuItems();
    return saved;
}

// The save dialog opens in the folder of the current case (the client-file
// folder for a new or closed case) and proposes its name.
QString TfrmMain::SaveAsProposal() const {
    const std::string& current = environment_->currentFileName;
    const QDir clientFolder(Q(settings_.folders.clientFiles));
    if (current.empty()) return clientFolder.path() + QLatin1Char('/');
    const QFileInfo file(Q(current));
    if (IsUntitledName(current) || !file.isAbsolute()) return clientFolder.filePath(file.fileName());
    return file.absoluteFilePath();
}

bool TfrmMain::SaveAsClick() {
    if (!Commit()) return false;
    EnsureFolder(settings_.folders.clientFiles);
    bool saved = false;
    for (;;) {
        // The case being saved is replaced without the question; one opened
        // read-only, or taken from a filed PDF, never.
        const bool elsewhere = readOnly_ || !casePdf_.isEmpty();
        QStringList inputs;
        if (readOnly_) inputs << CurrentFileName();
        if (!casePdf_.isEmpty()) inputs << casePdf_;
        const QString name = ChooseFileToWrite(*prompts_, {QStringLiteral("Save As"), SaveAsProposal(),
                                                           kClientFilter, kClientExtension, inputs,
                                                           elsewhere ? QString() : CurrentFileName()});
        if (name.isEmpty()) break;
        const bool untitled = IsUntitledName(name.toStdString());
        std::optional<Opening> lock = untitled ? std::nullopt : LockForSaving(name);
        if (!untitled && !lock) continue;  // another window holds that case: asked again
        environment_->currentFileName = name.toStdString();
        StorePage();
        if (untitled) continue;
        const QString fromPdf = std::exchange(casePdf_, QString());
        saved = WriteCurrentFile();
        if (saved) {
            TakeOpening(std::move(*lock), name);
            AddToRecentFiles(name);
        } else {
            casePdf_ = fromPdf;
        }
        break;
    }
    UpdateMenuItems();
    return saved;
}

void TfrmMain::CloseClick() {
    if (!Commit()) return;
    if (!AskToSaveChanges()) return;
    environment_->currentFileName.clear();
    casePdf_.clear();
    DropCaseLock();
    StartNewHistory();
    ClearPage();
    ShowStartScreen(true);
    SelectTreeItemOfPage(-1);  // no worksheet is on display
    caseShown_ = false;
    SetModified(false);
    UpdateMenuItems();
}

// The name the imported case is saved under: the client-file folder and
// the old file's name, or, when a case of that name exists, what the user
// says: replace it (`replace` is then set), save under a name chosen in the
// save dialog (asked again when that one exists too), or "" to cancel.
QString TfrmMain::ImportTarget(const QString& oldPath, bool& replace) {
    const QString target = Q(ImportedFileName(settings_.folders.clientFiles, oldPath.toStdString()));
    replace = false;
    if (!PathIsTaken(target.toStdString())) return target;
    switch (prompts_->AskReplaceCase(target)) {
        case ReplaceAnswer::Replace:
            replace = true;
            return target;
        case ReplaceAnswer::OtherName: {
            // The old file itself is never the target.
            const QString chosen = ChooseFileToWrite(
                *prompts_, {QStringLiteral("Save As"), target, kClientFilter, kClientExtension, {oldPath}, {}});
            replace = !chosen.isEmpty() && PathIsTaken(chosen.toStdString());  // the user said Yes to replacing it
            return chosen;
        }
        case ReplaceAnswer::Cancel: break;
    }
    return {};
}

void TfrmMain::ImportClick(int tag) {
    if (!Commit()) return;
    if (!AskToSaveChanges()) return;
    const bool wq7 = tag == 0;
    const QString path = prompts_->ChooseFileToOpen(
        QStringLiteral("Open File Dialog"), Q(wq7 ? settings_.folders.wq7 : settings_.folders.wq8),
        wq7 ? QStringLiteral("RODARA7 Files (*.WQ7)") : QStringLiteral("VIVOVA8 Files (*.WQ8)"));
    EnsureFolder(settings_.folders.clientFiles);
    bool replace = false;
    const QString output = path.isEmpty() ? QString() : ImportTarget(path, replace);
    std::optional<Opening> lock = output.isEmpty() ? std::nullopt : LockForSaving(output);
    if (!lock) {
        UpdateMenuItems();
        return;
    }
    std::string error;
    std::optional<ClientFileContents> imported = ImportPriorVersionFile(
        path.toStdString(), output.toStdString(), std::max(0, currentPage_), environment_, error,
        replace ? ExistingCase::kReplace : ExistingCase::kKeep);
    if (!imported) {
        prompts_->Warn(QStringLiteral("The file \"%1\" could not be imported: %2\nNothing was saved.").arg(path, Q(error)));
        UpdateMenuItems();
        return;
    }
    ClearPage();
    answers_ = std::move(imported->answers);
    grid_ = std::move(imported->grid);
    TakeOpening(std::move(*lock), output);
    StampCase();
    StartNewHistory();
    AddToRecentFiles(output);
    ShowStartScreen(false);
    DisplayPage(Str2Int(answers_->Text(1, 100)) * 100);
    SetModified(false);
    UpdateMenuItems();
}

// The file goes into this window's list and into the settings file's list as
// it stands now, where other windows find it; nothing another window listed
// is lost.
void TfrmMain::AddToRecentFiles(const QString& path) {
    const std::string file = path.toStdString();
    std::vector<std::string> check;
    if (!AddRecentFile(check, file)) return;  // untitled: never listed
    ChangeSettings([&file](Settings& s) { AddRecentFile(s.recentFiles, file); }, QStringLiteral("recent-file list"));
    RefreshRecentFiles();
}

void TfrmMain::RefreshRecentFiles() {
    if (settings_.recentFiles.size() > kMaxRecentFiles) settings_.recentFiles.resize(kMaxRecentFiles);
    const QSignalBlocker blocker(cmbxOpenRecent_);
    cmbxOpenRecent_->clear();
    for (const std::string& path : settings_.recentFiles) {
        // The folder tells two cases of one name apart.
        cmbxOpenRecent_->addItem(Q(FileNameOnly(path)));
        cmbxOpenRecent_->setItemData(cmbxOpenRecent_->count() - 1, QDir::toNativeSeparators(Q(path)), Qt::ToolTipRole);
    }
    ShowOpenCaseInRecentBox();
    for (size_t k = 0; k < mnuRecent_.size(); ++k) {
        const bool shown = k < settings_.recentFiles.size();
        mnuRecent_[k]->setVisible(shown);
        if (!shown) continue;
        const QString path = Q(settings_.recentFiles[k]);
        mnuRecent_[k]->setText(QStringLiteral("&") + Q(FileNameOnly(path.toStdString())));
        mnuRecent_[k]->setToolTip(QDir::toNativeSeparators(path));
    }
}

// Why a folder chosen under Default Locations cannot serve (empty when it
// can): the layout folder must hold the four worksheet screens and the
// template folder the page templates; no folder name may hold a line break,
// which the settings file could not keep.
QString TfrmMain::FolderProblem(int tag, const QString& chosen) const {
    if (chosen.contains(QLatin1Char('\n')) || chosen.contains(QLatin1Char('\r')))
        return QStringLiteral("The folder name \"%1\" holds a line break, which the settings file cannot keep. "
                              "Rename the folder or choose another one.")
            .arg(chosen);
    if (tag == kVlpLocation) {
        const QStringList missing = MissingPageLayouts(chosen);
        if (!missing.isEmpty())
            return QStringLiteral("The folder \"%1\" does not hold the worksheet layouts (%2 missing). "
                                  "The layout folder stays \"%3\".")
                .arg(QDir::toNativeSeparators(chosen), missing.join(QStringLiteral(", ")),
                     QDir::toNativeSeparators(Q(settings_.folders.vlp)));
    }
    if (tag == kTemplateLocation &&
        QDir(chosen).entryList({QStringLiteral("Page*.rtf")}, QDir::Files).isEmpty())
        return QStringLiteral("The folder \"%1\" holds no print templates (Page1.rtf ...). "
                              "The template folder stays \"%2\".")
            .arg(QDir::toNativeSeparators(chosen), QDir::toNativeSeparators(Q(settings_.folders.templates)));
    return {};
}

void TfrmMain::DefaultLocationClick(int tag) {
    struct Location {
        const char* title;
        std::string Folders::*folder;
    };
    static const Location kLocations[] = {
        {"Select client file Q10 folder", &Folders::clientFiles},
        {"Select WQ7 file folder", &Folders::wq7},
        {"Select WQ8 file folder", &Folders::wq8},
        {"Select template folder (rtf)", &Folders::templates},
        {"Select temporary send to word processor folder", &Folders::send},
        {"Select VLP folder", &Folders::vlp},
        {"Select INI folder", &Folders::settings},
    };
    if (tag < 0 || tag > 6) return;
    const std::string& folder = settings_.folders.*kLocations[tag].folder;
    const QString chosen = prompts_->ChooseFolder(QString::fromLatin1(kLocations[tag].title), Q(folder));
    if (chosen.isEmpty()) return;
    if (!QFileInfo(chosen).isDir()) {
        ErrorMessage(15010, "DefaultLocations");
        return;
    }
    if (const QString problem = FolderProblem(tag, chosen); !problem.isEmpty()) {
        prompts_->Warn(problem);
        return;
    }
    const std::string chosenFolder = IncludeTrailingPathDelimiter(chosen.toStdString());
    const auto member = kLocations[tag].folder;
    ChangeSettings([&](Settings& s) { s.folders.*member = chosenFolder; }, QStringLiteral("folder"));
    environment_->clientFolder = settings_.folders.clientFiles;
}

QString TfrmMain::SaveAsScenarioClick() {
    if (!Commit()) return {};
    const std::string current = environment_->currentFileName;
    if (current.empty() || IsUntitledName(current)) {
        prompts_->Inform(QStringLiteral("Save the case first: a scenario is saved beside it, named after it."));
        return {};
    }
    const QString name = prompts_->AskText(QStringLiteral("Save As Scenario"),
                                           QStringLiteral("Scenario name (for example \"imputed income\"):"));
    if (name.isEmpty()) return {};
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))) {
        prompts_->Warn(QStringLiteral("A scenario name cannot hold \"/\" or \"\\\"."));
        return {};
    }
    const QString path = Q(ScenarioFileName(current, name.toStdString()));
    if (!MayWrite(*prompts_, path, {CurrentFileName()})) return {};
    answers_->SetText(1, 100, std::to_string(std::max(0, currentPage_)));
    StorePage();
    std::string error;
    if (!WriteClientFile(path.toStdString(), *answers_, grid_, error)) {
        prompts_->Warn(QStringLiteral("The scenario could not be saved: %1").arg(Q(error)));
        return {};
    }
    AddToRecentFiles(path);
    return path;
}

void TfrmMain::CompareScenariosClick() {
    if (!Commit()) return;
    // The file dialog opens beside the open case, where its scenarios are
    // saved; for a case never saved, in the client-file folder.
    const std::string current = environment_->currentFileName;
    const bool saved = !current.empty() && !IsUntitledName(current) && QFileInfo(Q(current)).isAbsolute();
    const QString folder = saved ? QFileInfo(Q(current)).absolutePath() : Q(settings_.folders.clientFiles);
    if (!saved) EnsureFolder(settings_.folders.clientFiles);
    const QStringList others = prompts_->ChooseFilesToOpen(
        QStringLiteral("Compare Scenarios: choose one to five cases to compare with the open case"), folder,
        kClientFilter);
    if (others.isEmpty()) return;
    if (others.size() > static_cast<int>(kMaxScenarios) - 1) {
        prompts_->Warn(QStringLiteral("Choose at most %1 cases to compare with the open case.").arg(kMaxScenarios - 1));
        return;
    }
    // The open case is compared as it stands on screen, saved or not.
    QTemporaryDir scratch;
    const QString openCase = scratch.filePath(QFileInfo(CurrentFileName()).fileName().isEmpty()
                                                  ? QStringLiteral("Untitled.q10")
                                                  : QFileInfo(CurrentFileName()).fileName());
    StorePage();
    std::string error;
    if (!scratch.isValid() || !WriteClientFile(openCase.toStdString(), *answers_, grid_, error)) {
        prompts_->Warn(QStringLiteral("The open case could not be prepared for the comparison: %1").arg(Q(error)));
        return;
    }
    std::vector<std::string> files{openCase.toStdString()};
    for (const QString& other : others) files.push_back(other.toStdString());
    ScenarioComparison comparison = CompareScenarios(files, settings_.folders.program, settings_.schedule);
    comparison.columns.front().file = CurrentFileName().isEmpty() ? "Untitled.q10" : CurrentFileName().toStdString();
    TfrmCompare window(std::move(comparison), *prompts_, this);
    if (ShowCompare) ShowCompare(window);
    else window.exec();
    if (!window.FileToOpen().isEmpty()) {
        if (!AskToSaveChanges()) return;
        OpenFile(window.FileToOpen());
    }
}

void TfrmMain::CheckWorksheetClick() {
    if (!Commit()) return;
    TfrmAttachment window(*answers_, this);
    FillPage();
    prompts_->RunDialog(window);
}

}  // namespace quill10::gui
