#include "print/PdfExport.h"

#include <array>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include <unistd.h>

#include "platform/ExternalProgram.h"
#include "platform/FileAccess.h"
#include "platform/SafeSave.h"

namespace quill10 {

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> UsualInstallPlaces() {
    std::vector<fs::path> places = {"/usr/lib/libreoffice/program/soffice", "/usr/local/lib/libreoffice/program/soffice",
                                    "/opt/libreoffice/program/soffice", "/snap/bin/libreoffice"};
    std::error_code ec;
    for (fs::directory_iterator it("/opt", ec), end; !ec && it != end; it.increment(ec)) {
        if (it->path().filename().string().starts_with("libreoffice"))
            places.push_back(it->path() / "program" / "soffice");
    }
    return places;
}

// A file URL of a local path, with every character outside the unreserved
// set and "/" percent-encoded.
std::string FileUrl(const fs::path& path) {
    static const char* const kHex = "0123456789ABCDEF";
    std::string url = "file://";
    for (unsigned char c : path.string()) {
        if (std::isalnum(c) || std::strchr("/-._~", c)) {
            url += static_cast<char>(c);
        } else {
            url += '%';
            url += kHex[c >> 4];
            url += kHex[c & 0xF];
        }
    }
    return url;
}

std::optional<std::string> ReadAll(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

// True when a page object ("/Type /Page", not "/Pages") stands in the bytes.
bool HasPageObject(std::string_view bytes) {
    for (size_t at = bytes.find("/Type"); at != std::string_view::npos; at = bytes.find("/Type", at + 1)) {
        size_t i = at + 5;
        while (i < bytes.size() && std::isspace(static_cast<unsigned char>(bytes[i]))) ++i;
        if (bytes.compare(i, 5, "/Page") != 0) continue;
        i += 5;
        if (i >= bytes.size() || !std::isalnum(static_cast<unsigned char>(bytes[i]))) return true;
    }
    return false;
}

}  // namespace

std::string PdfDamage(std::string_view bytes) {
    if (bytes.substr(0, 5) != "%PDF-") return "it is not a PDF document (it does not begin with %PDF-)";
    const size_t tail = bytes.size() > 1024 ? bytes.size() - 1024 : 0;
    if (bytes.find("%%EOF", tail) == std::string_view::npos) return "the PDF document is cut short (no %%EOF at its end)";
    if (!HasPageObject(bytes)) return "the PDF document has no page";
    return {};
}

std::optional<std::string> FindSoffice() {
    if (std::optional<std::string> onPath = FindOnPath({"soffice", "libreoffice"})) return onPath;
    for (const fs::path& place : UsualInstallPlaces()) {
        if (IsExecutableFile(place.string())) return place.string();
    }
    return std::nullopt;
}

bool ConvertRtfToPdf(const std::string& rtf, const std::string& pdfPath, std::string& error,
                     std::chrono::seconds limit) {
    std::optional<std::string> soffice = FindSoffice();
    if (!soffice) {
        error = std::string("LibreOffice, which writes the PDF, is not installed: install the Debian package ") +
                kLibreOfficePackage + " (apt-get install " + kLibreOfficePackage + "), or save the print document as RTF instead";
        return false;
    }
    TemporaryFolder work;
    if (work.Path().empty()) {
        error = std::string("cannot create a temporary folder for the conversion: ") + std::strerror(errno);
        return false;
    }
    const fs::path input = work.Path() / "worksheet.rtf";
    const fs::path converted = work.Path() / "worksheet.pdf";
    const fs::path log = work.Path() / "soffice.log";
    if (!SaveFileAtomically(input.string(), rtf, error)) return false;
    const std::optional<int> status =
        RunProgram({*soffice, "-env:UserInstallation=" + FileUrl(work.Path() / "profile"), "--headless", "--norestore",
                    "--nologo", "--nolockcheck", "--convert-to", "pdf", "--outdir", work.Path().string(), input.string()},
                   log.string(), limit, error);
    if (!status) {
        error = "LibreOffice did not write the PDF: " + error;
        return false;
    }
    std::optional<std::string> pdf = ReadAll(converted);
    if (*status != 0 || !pdf || pdf->empty()) {
        error = "LibreOffice could not convert the document to PDF (exit status " + std::to_string(*status) + ")";
        const std::string said = LastLinesOf(log.string());
        if (!said.empty()) error += ": " + said;
        return false;
    }
    if (const std::string damage = PdfDamage(*pdf); !damage.empty()) {
        error = "LibreOffice (" + *soffice + ") reported success but wrote no usable PDF: " + damage;
        return false;
    }
    return SaveFileAtomically(pdfPath, *pdf, error);
}

}  // namespace quill10
