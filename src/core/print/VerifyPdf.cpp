#include "print/VerifyPdf.h"

#include <filesystem>
#include <optional>
#include <sstream>
#include <vector>

#include "calc/CalcEnvironment.h"
#include "calc/ScheduleImport.h"
#include "files/ClientFile.h"
#include "files/ScheduleInstall.h"
#include "platform/ExternalProgram.h"
#include "platform/FileAccess.h"
#include "platform/Sha256.h"
#include "print/FiledPdf.h"
#include "print/PdfExport.h"
#include "print/PrvwSend.h"
#include "print/SendSched.h"
#include "print/TemplateFiller.h"
#include "store/Answers.h"
#include "store/Misc.h"
#include "store/Regional.h"

namespace quill10 {

namespace {

namespace fs = std::filesystem;

constexpr std::chrono::seconds kTextLimit{60};

Verification Refused(std::string report) { return {kNotVerified, std::move(report)}; }

// The fingerprint of the rows of a table.txt; "" when it cannot be read.
std::string FingerprintOf(const std::string& file) {
    const ScheduleReading reading = ReadProgramTableFile(file);
    return reading.Sound() ? SupportTable::ShortFingerprint(SupportTable::Fingerprint(reading.rows)) : "";
}

// The schedule of this machine whose rows have the manifest's fingerprint.
std::optional<OfficeSchedule> ScheduleOf(const FilingManifest& manifest, const VerifyPlaces& places) {
    if (FingerprintOf((fs::path(places.programFolder) / kSupportTableName).string()) == manifest.fingerprint)
        return OfficeSchedule{};
    std::vector<std::string> files = {places.settings.schedule.file};
    for (const KeptSchedule& kept : KeptSchedules(places.settingsPath, places.settings.schedule))
        files.push_back(kept.file);
    for (const std::string& file : files)
        if (!file.empty() && FingerprintOf(file) == manifest.fingerprint)
            return OfficeSchedule{file, manifest.scheduleName, manifest.scheduleEffective, manifest.fingerprint};
    return std::nullopt;
}

std::string ScheduleWords(const FilingManifest& manifest) {
    std::string words = manifest.scheduleName;
    if (!manifest.scheduleEffective.empty()) words += ", effective " + manifest.scheduleEffective;
    return words + " (fingerprint " + manifest.fingerprint + ")";
}

// The text of a PDF's pages as pdftotext -layout gives it.
std::optional<std::vector<std::string>> PagesOfPdf(const std::string& pdf, const fs::path& folder, std::string& error) {
    const std::optional<std::string> pdftotext = FindOnPath({"pdftotext"});
    if (!pdftotext) {
        error = "reading the PDF's text needs pdftotext: install the Debian package poppler-utils";
        return std::nullopt;
    }
    const fs::path text = folder / "pages.txt";
    const std::optional<int> status =
        RunProgram({*pdftotext, "-layout", pdf, text.string()}, (folder / "pdftotext.log").string(), kTextLimit, error);
    std::string reason;
    const std::optional<std::string> content = status == 0 ? ReadRegularFile(text.string(), 64 * kMegabyte, reason)
                                                           : std::nullopt;
    if (!content) {
        error = "pdftotext could not read " + pdf + (error.empty() ? "" : ": " + error);
        return std::nullopt;
    }
    std::vector<std::string> pages(1);
    for (char c : *content) {
        if (c == '\f') pages.emplace_back();
        else pages.back() += c;
    }
    while (!pages.empty() && pages.back().find_first_not_of(" \r\n") == std::string::npos) pages.pop_back();
    return pages;
}

// A line of a page that holds figures: its words, and which of them hold digits.
struct FigureLine {
    std::vector<std::string> words;
    std::vector<std::string> figures;
};

std::vector<FigureLine> FigureLines(const std::string& page) {
    std::vector<FigureLine> lines;
    std::istringstream in(page);
    for (std::string line; std::getline(in, line);) {
        FigureLine figures;
        std::istringstream words(line);
        for (std::string word; words >> word;) {
            figures.words.push_back(word);
            if (word.find_first_of("0123456789") != std::string::npos) figures.figures.push_back(word);
        }
        if (!figures.figures.empty()) lines.push_back(std::move(figures));
    }
    return lines;
}

// The line as a reader finds it on paper: its first words.
std::string LineLabel(const FigureLine& line) {
    std::string label;
    for (size_t k = 0; k < line.words.size() && k < 4; ++k) label += (k ? " " : "") + line.words[k];
    return label;
}

// What differs between the filed pages and the computed ones, a line each.
std::vector<std::string> Differences(const std::vector<std::string>& filed, const std::vector<std::string>& computed) {
    std::vector<std::string> found;
    if (filed.size() != computed.size())
        found.push_back("the filed PDF has " + std::to_string(filed.size()) + " pages, the case prints " +
                        std::to_string(computed.size()));
    for (size_t page = 0; page < filed.size() && page < computed.size(); ++page) {
        const std::vector<FigureLine> paper = FigureLines(filed[page]), ours = FigureLines(computed[page]);
        for (size_t k = 0; k < paper.size() || k < ours.size(); ++k) {
            if (k >= paper.size() || k >= ours.size()) {
                found.push_back("page " + std::to_string(page + 1) + ": the lines with figures do not match (" +
                                std::to_string(paper.size()) + " printed, " + std::to_string(ours.size()) +
                                " computed)");
                break;
            }
            if (paper[k].figures == ours[k].figures) continue;
            for (size_t f = 0; f < paper[k].figures.size() || f < ours[k].figures.size(); ++f) {
                const std::string printed = f < paper[k].figures.size() ? paper[k].figures[f] : "(nothing)";
                const std::string figure = f < ours[k].figures.size() ? ours[k].figures[f] : "(nothing)";
                if (printed == figure) continue;
                found.push_back("page " + std::to_string(page + 1) + ", line \"" + LineLabel(ours[k]) +
                                "\": printed " + printed + ", computed " + figure);
                break;
            }
        }
    }
    return found;
}

// Holds the clock at the day the pages were printed while it lives.
class PrintedDay {
public:
    explicit PrintedDay(const Date& day) { SetClock([day] { return day; }); }
    ~PrintedDay() { SetClock({}); }
    PrintedDay(const PrintedDay&) = delete;
    PrintedDay& operator=(const PrintedDay&) = delete;
};

// The attached case calculated and printed again to a PDF in `folder`.
std::optional<std::string> Reprinted(const std::string& caseBytes, const FilingManifest& manifest,
                                     const OfficeSchedule& schedule, const VerifyPlaces& places,
                                     const fs::path& folder, std::string& error) {
    const PrintedDay printed(*ParseIsoDate(manifest.printed));
    auto environment = std::make_shared<CalcEnvironment>();
    environment->SetProgramFolder(places.programFolder);
    environment->UseSchedule(schedule);
    environment->currentFileName = manifest.caseFile;
    std::optional<ClientFileContents> contents = ParseClientFile(caseBytes, environment, error);
    if (!contents) return std::nullopt;
    const std::optional<std::vector<int>> listed = ParsePageList(manifest.pages, error);
    if (!listed) return std::nullopt;
    const std::vector<int>& pages = *listed;
    const fs::path program(places.programFolder);
    const TemplateFolders folders{(program / "RTF").string(), (program / "DAT").string()};
    FillState fill;
    PrintDocument document;
    try {
        if (pages == std::vector<int>{kSchedulePage}) {
            document = AssembleSchedulePrintout(*contents->answers, contents->grid,
                                                InterestSettings{manifest.interestRate, manifest.interestThreshold},
                                                folders, fill, manifest.caseFile);
        } else {
            const ErrorHandler quiet = SetErrorHandler([](int, const std::string&, const std::string&) {});
            contents->answers->Calculate();
            SetErrorHandler(quiet);
            document = AssemblePrintDocument(*contents->answers, folders, fill, pages);
        }
    } catch (const SupportTableError& failure) {
        error = failure.what();
        return std::nullopt;
    }
    if (!document.problems.empty() || document.pages.empty()) {
        error = document.problems.empty() ? "the pages could not be printed again" : document.problems.front();
        return std::nullopt;
    }
    const std::string target = (folder / "computed.pdf").string();
    PdfConverter converter(places.programFolder);
    error = converter.Convert({{SendFileBytes(document.text), target, {}}}).front();
    if (!error.empty()) return std::nullopt;
    return target;
}

}  // namespace

Verification VerifyFiledPdf(const std::string& pdf, const VerifyPlaces& places) {
    std::string error;
    const std::optional<AttachedCase> attached = CaseOfFiledPdf(pdf, error);
    if (!attached) return Refused("Not verified: " + error + ".");
    const FilingManifest* manifest = &attached->manifest;
    const std::string* caseBytes = &attached->bytes;
    const std::optional<OfficeSchedule> schedule = ScheduleOf(*manifest, places);
    if (!schedule)
        return {kScheduleNotHere, "The pages were computed with the support schedule " + ScheduleWords(*manifest) +
                                      ", which is not on this machine. Install it (quill10-cli table install FILE "
                                      "--name NAME --effective DATE) and verify again."};
    TemporaryFolder work;
    const std::optional<std::string> computed = Reprinted(*caseBytes, *manifest, *schedule, places, work.Path(), error);
    if (!computed) return Refused("The attached case could not be printed again: " + error + ".");
    std::error_code ec;
    for (const char* sub : {"filed", "computed"}) fs::create_directories(work.Path() / sub, ec);
    const auto filedPages = PagesOfPdf(pdf, work.Path() / "filed", error);
    const auto computedPages = filedPages ? PagesOfPdf(*computed, work.Path() / "computed", error) : std::nullopt;
    if (!filedPages || !computedPages) return Refused("The pages cannot be compared: " + error + ".");
    const std::vector<std::string> differences = Differences(*filedPages, *computedPages);
    if (differences.empty())
        return {kVerified, "Verified: every figure on the " + std::to_string(filedPages->size()) +
                               " pages follows from the attached case and schedule " + manifest->scheduleName +
                               " (fingerprint " + manifest->fingerprint + ")."};
    std::string report = "Not verified: these figures on the filed pages do not follow from the attached case " +
                         manifest->caseFile + " and schedule " + ScheduleWords(*manifest) + ":\n";
    for (const std::string& difference : differences) report += "  " + difference + "\n";
    return {kNotVerified, report};
}

}  // namespace quill10
