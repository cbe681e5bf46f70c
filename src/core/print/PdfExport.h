#pragma once
// Converting the RTF print document to PDF with LibreOffice running
// headless, so a worksheet can be filed or sent without opening a word
// processor.
#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ExternalProgram.h"

namespace quill10 {

// The Debian package that provides the converter.
inline constexpr const char* kLibreOfficePackage = "libreoffice-writer-nogui";
inline constexpr std::chrono::seconds kConversionTimeLimit{180};

// The LibreOffice program: "soffice" on the PATH or in the usual install
// folders; nothing when LibreOffice is not installed.
std::optional<std::string> FindSoffice();

// What is wrong with bytes that should be a PDF document, or "" when they
// are one: they begin with "%PDF-", end with "%%EOF" and hold at least
// one page.
std::string PdfDamage(std::string_view bytes);

// A file embedded in a PDF (a reader lists it in its attachments pane).
struct PdfAttachment {
    std::string name;  // as the reader shows it: "smith.q10"
    std::string bytes;
    std::string mimeType;
    std::string description;
};

// The Debian package that embeds the attachments.
inline constexpr const char* kQpdfPackage = "qpdf";

// Embeds the attachments in the PDF bytes `pdf` with qpdf (in `folder`, a
// private working folder), and checks the result with qpdf --check.  The
// PDF with its attachments; nothing, with `error` saying why, when qpdf is
// missing or fails.
std::optional<std::string> WithAttachments(const std::string& pdf, const std::vector<PdfAttachment>& attachments,
                                           const std::filesystem::path& folder, std::string& error);

// The attachment `name` of the PDF at `path`; nothing, with `error`, when
// it has none of that name or cannot be read.
std::optional<std::string> AttachmentOf(const std::string& path, const std::string& name, std::string& error);

// One print document to convert: the RTF bytes, the PDF file to write and
// the files to embed in it.
struct PdfJob {
    std::string rtf;
    std::string target;
    std::vector<PdfAttachment> attachments;
};

// Converts print documents to PDF with one headless LibreOffice kept
// running: the first conversion starts it, with a profile of its own,
// through the converter script of the program folder
// (convert/pdf_server.py, which needs LibreOffice's Python bridge,
// python3-uno), and later conversions hand it their documents, so only the
// first waits for LibreOffice to start.  Without the bridge, each call
// converts all its documents in one run of LibreOffice.  What LibreOffice
// wrote replaces a target only when it is a PDF with pages.
class PdfConverter {
public:
    explicit PdfConverter(std::string programFolder);
    ~PdfConverter();
    PdfConverter(const PdfConverter&) = delete;
    PdfConverter& operator=(const PdfConverter&) = delete;

    // For each job, "" when its PDF was written, otherwise why not (its
    // target is then as it was).  `done` is told of each job as it ends.
    using JobDone = std::function<void(size_t job, const std::string& result)>;
    std::vector<std::string> Convert(const std::vector<PdfJob>& jobs, const JobDone& done = {});
    // True while a LibreOffice is kept running for the next conversion.
    bool Running();
    // Ends the LibreOffice kept running (the next conversion starts one).
    void Stop();

private:
    bool EnsureServer(const std::string& soffice);
    std::string ConvertByServer(const PdfJob& job, const std::string& soffice);
    std::vector<std::string> ConvertInOneRun(const std::vector<PdfJob>& jobs, const std::string& soffice);
    std::string Input(size_t job, const char* extension) const;

    std::string programFolder_;
    TemporaryFolder work_;
    PipedProgram server_;
    std::string serverUnavailable_;  // why the kept LibreOffice cannot be had; "" while it can
    size_t jobs_ = 0;
};

// Writes the RTF text `rtf` as a PDF file at `pdfPath` in one run of
// LibreOffice of its own.  LibreOffice runs in a private temporary folder
// with a profile of its own (so a LibreOffice the user has open does not
// take the job over or block it) and is stopped after kConversionTimeLimit.
// What it wrote replaces the target only when it is a PDF document with
// pages (PdfDamage).  False with the reason; the target is then left as it
// was.
bool ConvertRtfToPdf(const std::string& rtf, const std::string& pdfPath, std::string& error);

}  // namespace quill10
