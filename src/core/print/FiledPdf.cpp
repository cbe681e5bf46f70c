#include "print/FiledPdf.h"

#include <charconv>
#include <filesystem>
#include <cstdio>
#include <map>

#include "calc/CalcEnvironment.h"
#include "platform/Sha256.h"
#include "platform/TextEncoding.h"
#include "store/Answers.h"
#include "store/Misc.h"
#include "store/Regional.h"

namespace quill10 {

namespace {

constexpr const char* kHeading = "QUILL10 filed worksheet";

// The manifest's lines, in order: the label and where its value is kept.
struct ManifestLine {
    const char* label;
    std::string FilingManifest::*value;
};
constexpr ManifestLine kLines[] = {
    {"Program", &FilingManifest::program},
    {"Printed", &FilingManifest::printed},
    {"Pages", &FilingManifest::pages},
    {"Support schedule", &FilingManifest::scheduleName},
    {"Effective", &FilingManifest::scheduleEffective},
    {"Fingerprint", &FilingManifest::fingerprint},
    {"Case file", &FilingManifest::caseFile},
    {"Case SHA-256", &FilingManifest::caseSha256},
};

std::string IsoDate(const Date& date) {
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

}  // namespace

std::string FilingManifest::Text() const {
    std::string text = std::string(kHeading) + "\r\n";
    for (const ManifestLine& line : kLines) text += std::string(line.label) + ": " + this->*line.value + "\r\n";
    text += "Interest rate: " + GeneralNumberText(interestRate) + "\r\n";
    text += "Interest threshold: " + GeneralNumberText(interestThreshold) + "\r\n";
    return text;
}

std::optional<FilingManifest> ParseManifest(std::string_view text, std::string& error) {
    std::map<std::string, std::string> values;
    bool headed = false;
    ForEachLine(text, [&](std::string_view line) {
        if (line == kHeading) headed = true;
        const size_t colon = line.find(": ");
        if (colon != std::string_view::npos) values[std::string(line.substr(0, colon))] = line.substr(colon + 2);
    });
    if (!headed) {
        error = "the manifest is not one QUILL10 wrote";
        return std::nullopt;
    }
    FilingManifest manifest;
    for (const ManifestLine& line : kLines) {
        const auto found = values.find(line.label);
        if (found == values.end()) {
            error = std::string("the manifest has no line \"") + line.label + "\"";
            return std::nullopt;
        }
        manifest.*line.value = found->second;
    }
    for (auto [label, value] : {std::pair{"Interest rate", &manifest.interestRate},
                                std::pair{"Interest threshold", &manifest.interestThreshold}})
        if (const auto found = values.find(label); found != values.end())
            if (const std::optional<double> number = ParseReal(found->second)) *value = *number;
    if (!ParseIsoDate(manifest.printed)) {
        error = "the manifest's print date \"" + manifest.printed + "\" is no date";
        return std::nullopt;
    }
    return manifest;
}

std::optional<AttachedCase> CaseOfFiledPdf(const std::string& pdf, std::string& error) {
    const std::optional<std::string> manifestText = AttachmentOf(pdf, kManifestName, error);
    if (!manifestText) {
        error = "the PDF \"" + pdf + "\" carries no QUILL10 case (" + error +
                "): only a PDF QUILL10 printed with its case attached can be opened or verified";
        return std::nullopt;
    }
    std::optional<FilingManifest> manifest = ParseManifest(*manifestText, error);
    if (!manifest) return std::nullopt;
    std::optional<std::string> bytes = AttachmentOf(pdf, manifest->caseFile, error);
    if (!bytes) return std::nullopt;
    if (const std::string hash = Sha256Hex(*bytes); hash != manifest->caseSha256) {
        error = "the case attached to \"" + pdf + "\" is not the one the pages were printed from: its SHA-256 is " +
                hash + ", the manifest records " + manifest->caseSha256;
        return std::nullopt;
    }
    return AttachedCase{std::move(*manifest), std::move(*bytes)};
}

bool IsPdfName(std::string_view name) { return UpperCase(std::filesystem::path(name).extension().string()) == ".PDF"; }

std::string PageListText(const std::vector<int>& pages) {
    std::string text;
    for (int page : pages) text += (text.empty() ? "" : ",") + std::to_string(page);
    return text;
}

std::vector<PdfAttachment> FilingAttachments(TAnswer& answers, const std::vector<int>& pages,
                                             const std::string& caseName, const std::string& caseBytes,
                                             double interestRate, double interestThreshold) {
    SupportTable& table = answers.Environment().Table();
    FilingManifest manifest;
    manifest.program = std::string(kProgramName) + " " + kVersionText;
    manifest.printed = IsoDate(Today());
    manifest.pages = PageListText(pages);
    manifest.scheduleName = table.IsDemonstration() ? "the demonstration support schedule" : table.DisplayName();
    manifest.scheduleEffective = table.Effective();
    manifest.fingerprint = SupportTable::ShortFingerprint(SupportTable::Fingerprint(table.Rows()));
    manifest.caseFile = caseName;
    manifest.caseSha256 = Sha256Hex(caseBytes);
    manifest.interestRate = interestRate;
    manifest.interestThreshold = interestThreshold;
    return {
        {caseName, caseBytes, kCaseMimeType, "The QUILL10 case these pages were printed from"},
        {kManifestName, manifest.Text(), "text/plain",
         "What the pages were computed with: program, day, pages, support schedule, the case's SHA-256"},
    };
}

}  // namespace quill10
