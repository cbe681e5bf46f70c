// The main window's print commands: Preview/Print through the selection
// dialog, quick print of the worksheet on screen, Save as PDF, and the
// hand-off of the print document to the word processor with its menu
// commands (Force Word, Force WordPad, Find Word).
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>
#include <QTimer>
#include <QUrl>
#include <chrono>
#include <filesystem>
#include <future>

#include "app/ProgramLauncher.h"
#include "app/TfrmMain.h"
#include "calc/Conversions.h"
#include "help/HelpTopics.h"
#include "files/ClientFile.h"
#include "print/FiledPdf.h"
#include "print/PdfExport.h"
#include "print/VerifyPdf.h"
#include "print/TfrmSelectedForms.h"
#include "print/SendSched.h"
#include "store/Answers.h"
#include "store/Misc.h"

namespace quill10::gui {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }
std::string Std(const QString& text) { return text.toStdString(); }

// Runs `work` on a worker thread while a modal progress window with `label`
// keeps the window painted; the result of `work`.
template <typename Work>
auto WhileShowingProgress(QWidget* parent, const QString& label, Work work) {
    QProgressDialog progress(label, QString(), 0, 0, parent);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.show();
    auto result = std::async(std::launch::async, std::move(work));
    while (result.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready)
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return result.get();
}

}  // namespace

// ---- The word processor ----

// The two choices are kept together: forcing one clears the other.
void TfrmMain::ForceWordClick() {
    wordProcessor_ = quill10::ForceWordClick(settings_, wordProcessor_);
    const bool word = settings_.forceWord, wordPad = settings_.forceWordPad;
    ChangeSettings([=](Settings& s) { s.forceWord = word, s.forceWordPad = wordPad; },
                   QStringLiteral("word processor choice"));
    UpdateMenuItems();
}

void TfrmMain::ForceWordPadClick() {
    wordProcessor_ = quill10::ForceWordPadClick(settings_, wordProcessor_);
    const bool word = settings_.forceWord, wordPad = settings_.forceWordPad;
    ChangeSettings([=](Settings& s) { s.forceWord = word, s.forceWordPad = wordPad; },
                   QStringLiteral("word processor choice"));
    UpdateMenuItems();
}

QString TfrmMain::WordProgram() const {
    if (!settings_.wordPath.empty() && WordPresent({{settings_.wordPath}, {}})) return Q(settings_.wordPath);
    for (const std::string& path : wordPlaces_.fixedPaths)
        if (WordPresent({{path}, {}})) return Q(path);
    return QString::fromLatin1(kWordProgramName.data(), static_cast<int>(kWordProgramName.size()));
}

bool TfrmMain::StartWordProcessor(const QString& file, const QString& folder) {
    const QString name = QFileInfo(file).fileName();
    const bool started = wordProcessor_ == WordProcessor::Word
                             ? launcher_->StartProgram(WordProgram(), {name}, folder)
                             : launcher_->OpenUrl(QUrl::fromLocalFile(QDir(folder).filePath(name)));
    if (!started) {
        const QString written = QDir::toNativeSeparators(QDir(folder).filePath(name));
        const QString why =
            wordProcessor_ == WordProcessor::Word
                ? QStringLiteral("LibreOffice Writer (%1) could not be started. Install it with \"apt-get install "
                                 "libreoffice-writer\", or choose Force WordPad.")
                      .arg(WordProgram())
                : QStringLiteral("The desktop has no program that opens RTF files. Install LibreOffice Writer "
                                 "(apt-get install libreoffice-writer), then choose Find Word.");
        ErrorMessageWithAdvice(
            11550, Std(why + QStringLiteral("\n\nThe print document was written to \"%1\"; any word processor opens it. "
                                            "File > Save as PDF... writes the same pages as a PDF without a word "
                                            "processor.")
                                 .arg(written)));
    }
    return started;
}

bool TfrmMain::HandOff(const PrintDocument& document, const std::string& folder,
                       const std::vector<std::string>& names, const PageMargins& margins) {
    const std::string text =
        wordProcessor_ == WordProcessor::WordPad ? WithPageMargins(document.text, margins) : document.text;
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    std::string error;
    const std::optional<std::string> path = WriteNewDocument(folder, names, text, error);
    if (!path) {
        prompts_->Warn(QStringLiteral("The print document could not be written: %1\nNothing was sent to the word "
                                      "processor; the folders are set under Options > Default Locations.")
                           .arg(Q(error)));
        return false;
    }
    return StartWordProcessor(Q(*path), Q(folder));
}

// ---- Assembling the print document ----

// The case as the worksheet on screen stands: leaving a focused field
// recalculates it, else the page is stored and recalculated here.
bool TfrmMain::RecalculateCase() {
    if (QWidget* focus = QApplication::focusWidget(); focus && pnlMainForm_->isAncestorOf(focus)) {
        return CalcOnExit(focus);  // false: an entry being corrected, nothing goes on
    }
    if (IsScreenPage(currentPage_)) {
        StorePage();
        RecalculatePage();
    } else {
        RunCalculate();
    }
    return true;
}

bool TfrmMain::Usable(const PrintDocument& document) {
    if (document.problems.empty()) return !document.pages.empty();
    QStringList problems;
    for (const std::string& problem : document.problems) problems << Q(problem);
    prompts_->Warn(QStringLiteral("The print document was not made, so nothing was printed or written:\n%1\n"
                                  "Reinstall the program, or choose the folder of the page templates under "
                                  "Options > Default Locations.")
                       .arg(problems.join(QLatin1Char('\n'))));
    return false;
}

PrintDocument TfrmMain::ScheduleDocument(const SchedulerGrid& table) {
    const Folders& folders = settings_.folders;
    return AssembleSchedulePrintout(*answers_, table,
                                    InterestSettings{settings_.defaultInterestRate, settings_.interestThreshold},
                                    TemplateFolders{folders.templates, folders.tabs}, ProgramFillState(),
                                    Std(CurrentFileName()));
}

PrintDocument TfrmMain::SelectionDocument(const PrintSelection& selection) {
    const Folders& folders = settings_.folders;
    return AssemblePrintDocument(*answers_, TemplateFolders{folders.templates, folders.tabs}, ProgramFillState(),
                                 AssemblyOrder(selection));
}

void TfrmMain::PrintSchedule(const SchedulerGrid& table, const PageMargins& margins) {
    const PrintDocument document = ScheduleDocument(table);
    if (!Usable(document)) return;
    HandOff(document, settings_.folders.clientFiles, SchedulePrintoutNames(), margins);
}

void TfrmMain::RunPrintJob(const quill10::PrintSelection& selection, const PageMargins& margins) {
    if (!RecalculateCase()) return;
    if (selection.scheduler) {
        PrintSchedule(grid_, margins);
        return;
    }
    if (AssemblyOrder(selection).empty()) {
        prompts_->Inform(QStringLiteral("No page was chosen, so nothing was printed."));
        return;
    }
    const PrintDocument document = SelectionDocument(selection);
    if (!Usable(document)) return;
    HandOff(document, settings_.folders.send, SendFileNames(), margins);
}

std::optional<quill10::PrintSelection> TfrmMain::AskPrintSelection() {
    if (!caseShown_) return std::nullopt;
    TfrmSelectedForms dialog(this);
    dialog.ShowTabOf(currentPage_);
    dialog.helpRequested = [this] { ShowHelpPage(kPrintHelpPage); };
    if (prompts_->RunDialog(dialog) != QDialog::Accepted) return std::nullopt;
    return dialog.Selection();
}

void TfrmMain::PreviewPrintClick() {
    if (const std::optional<quill10::PrintSelection> selection = AskPrintSelection())
        RunPrintJob(*selection, MarginsForSelection(*selection));
}

void TfrmMain::QuickPrintClick() {
    if (!caseShown_) return;
    if (const std::optional<quill10::PrintSelection> selection = QuickPrintSelection(currentPage_))
        RunPrintJob(*selection, MarginsForScreen(currentPage_));
}

bool TfrmMain::ConvertToPdf(const PdfJob& job, std::string& error) {
    if (!pdfConverter_) pdfConverter_ = std::make_unique<PdfConverter>(settings_.folders.program);
    error = pdfConverter_->Convert({job}).front();
    return error.empty();
}

// Save as PDF: the pages chosen in the selection dialog, converted by
// LibreOffice into a PDF file the user names.
void TfrmMain::SaveAsPdfClick() {
    const std::optional<quill10::PrintSelection> selection = AskPrintSelection();
    if (!selection) return;
    if (!RecalculateCase()) return;
    if (!selection->scheduler && AssemblyOrder(*selection).empty()) {
        prompts_->Inform(QStringLiteral("No page was chosen, so no PDF was written."));
        return;
    }
    const PrintDocument document = selection->scheduler ? ScheduleDocument(grid_) : SelectionDocument(*selection);
    if (!Usable(document)) return;
    // Proposed beside the open case, as Save As proposes it.
    QString proposed = SaveAsProposal();
    proposed = proposed.endsWith(QLatin1Char('/')) ? proposed + QStringLiteral("Untitled.pdf")
                                                   : QFileInfo(proposed).path() + QLatin1Char('/') +
                                                         QFileInfo(proposed).completeBaseName() + QStringLiteral(".pdf");
    const QString path = ChooseFileToWrite(*prompts_, {QStringLiteral("Save as PDF"), proposed,
                                                       QStringLiteral("PDF documents (*.pdf)"), QStringLiteral("pdf"),
                                                       {CurrentFileName()}, {}});
    if (path.isEmpty()) return;
    // The PDF carries the case as it stands on screen and what it was computed with.
    const std::vector<int> pages = selection->scheduler ? std::vector<int>{kSchedulePage} : AssemblyOrder(*selection);
    StorePage();
    std::vector<PdfAttachment> attachments;
    try {
        attachments = FilingAttachments(*answers_, pages, FileNameOnly(Std(CurrentFileName())),
                                        ClientFileText(*answers_, grid_), settings_.defaultInterestRate,
                                        settings_.interestThreshold);
    } catch (const SupportTableError& failure) {
        prompts_->Warn(QStringLiteral("No PDF was written: %1").arg(Q(failure.what())));
        return;
    }
    const PdfJob job{SendFileBytes(document.text), Std(path), std::move(attachments)};
    std::string error;
    const bool written = WhileShowingProgress(this, QStringLiteral("Writing the PDF with LibreOffice..."),
                                              [&] { return ConvertToPdf(job, error); });
    pdfIdle_->start();
    if (!written) {
        prompts_->Warn(QStringLiteral("The PDF \"%1\" was not written: %2")
                           .arg(QDir::toNativeSeparators(path), Q(error)));
        return;
    }
    const int choice = prompts_->AskChoice(
        QStringLiteral("The PDF was written to \"%1\".").arg(QDir::toNativeSeparators(path)),
        {QStringLiteral("&Open the PDF"), QStringLiteral("Open the &Folder")});
    if (choice == 0) launcher_->OpenUrl(QUrl::fromLocalFile(path));
    if (choice == 1) launcher_->OpenUrl(QUrl::fromLocalFile(QFileInfo(path).absolutePath()));
}

// File > Verify a Filed PDF...: the case a PDF carries is printed again
// with the schedule it was computed with, and every figure compared.
void TfrmMain::VerifyFiledPdfClick() {
    const QString pdf = prompts_->ChooseFileToOpen(QStringLiteral("Verify a Filed PDF"), Q(settings_.folders.clientFiles),
                                                   QStringLiteral("Filed worksheets (*.pdf)"));
    if (pdf.isEmpty()) return;
    const VerifyPlaces places{settings_.folders.program, settingsFile_, settings_};
    const Verification verification = WhileShowingProgress(
        this, QStringLiteral("Verifying the PDF: printing its case again..."),
        [&] { return VerifyFiledPdf(Std(pdf), places); });
    if (verification.status == kVerified) prompts_->Inform(Q(verification.report));
    else prompts_->Warn(Q(verification.report));
}

}  // namespace quill10::gui
