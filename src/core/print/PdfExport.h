#pragma once
// Converting the RTF print document to PDF with LibreOffice running
// headless, so a worksheet can be filed or sent without opening a word
// processor.
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

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

// Writes the RTF text `rtf` as a PDF file at `pdfPath`.  LibreOffice runs
// in a private temporary folder with a profile of its own (so a
// LibreOffice the user has open does not take the job over or block it)
// and is stopped after `limit`.  What it wrote replaces the target only
// when it is a PDF document with pages (PdfDamage).  False with the reason;
// the target is then left as it was.
bool ConvertRtfToPdf(const std::string& rtf, const std::string& pdfPath, std::string& error,
                     std::chrono::seconds limit = kConversionTimeLimit);

}  // namespace quill10
