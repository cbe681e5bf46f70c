#pragma once
// A worksheet filed as a PDF carries its own case: the client file it was
// printed from and a short manifest (the program, the day printed, the
// pages, the support schedule with its fingerprint and the SHA-256 of the
// client file) are embedded in every PDF the program writes, so whoever
// receives it can check every figure on it (VerifyPdf.h).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "print/PdfExport.h"

namespace quill10 {

class TAnswer;

inline constexpr const char* kManifestName = "quill10-manifest.txt";
inline constexpr const char* kCaseMimeType = "application/x-quill10-case";

struct FilingManifest {
    std::string program;            // "QUILL10 10.14"
    std::string printed;            // the day printed, YYYY-MM-DD
    std::string pages;              // the pages printed, "1,2,3,18"
    std::string scheduleName;       // as the footer names it; the demonstration schedule's own name
    std::string scheduleEffective;  // YYYY-MM-DD; "" for the demonstration schedule
    std::string fingerprint;        // "ABCD-1234"
    std::string caseFile;           // the attached client file's name, "smith.q10"
    std::string caseSha256;         // of the attached client file's bytes
    double interestRate = 3.0;      // the scheduler's default rate and threshold, for page 32
    double interestThreshold = 1.0;

    std::string Text() const;
};

// Reads a manifest; nothing, with `error` saying what is missing or wrong.
std::optional<FilingManifest> ParseManifest(std::string_view text, std::string& error);

// The page list as the manifest keeps it: "1,2,3,18".
std::string PageListText(const std::vector<int>& pages);

// The case and the manifest to embed in a PDF of `pages` printed from
// `answers` (calculated, its schedule in its environment) today.  Throws
// SupportTableError when the schedule cannot be used.
std::vector<PdfAttachment> FilingAttachments(TAnswer& answers, const std::vector<int>& pages,
                                             const std::string& caseName, const std::string& caseBytes,
                                             double interestRate = 3.0, double interestThreshold = 1.0);

// The case a filed PDF carries, with its manifest.
struct AttachedCase {
    FilingManifest manifest;
    std::string bytes;  // the client file as it stood when the pages were printed
};

// Reads the case and the manifest embedded in the PDF at `pdf`; nothing,
// with `error` saying why, when it carries none or the case is not the one
// the manifest names (its SHA-256 differs).
std::optional<AttachedCase> CaseOfFiledPdf(const std::string& pdf, std::string& error);

// True for a file name that names a PDF (".pdf" in any case).
bool IsPdfName(std::string_view name);

}  // namespace quill10
