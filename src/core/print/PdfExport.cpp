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

namespace {

std::string NotInstalled() {
    return std::string("LibreOffice, which writes the PDF, is not installed: install the Debian package ") +
           kLibreOfficePackage + " (apt-get install " + kLibreOfficePackage +
           "), or save the print document as RTF instead";
}

// Checks what LibreOffice wrote at `converted`, embeds the job's
// attachments and puts it at the job's target; "" or why not.
std::string TakeConverted(const fs::path& converted, const PdfJob& job, const std::string& soffice) {
    std::optional<std::string> pdf = ReadAll(converted);
    if (!pdf || pdf->empty()) return "LibreOffice wrote no PDF";
    if (const std::string damage = PdfDamage(*pdf); !damage.empty())
        return "LibreOffice (" + soffice + ") reported success but wrote no usable PDF: " + damage;
    std::string error;
    if (!job.attachments.empty()) {
        pdf = WithAttachments(*pdf, job.attachments, converted.parent_path(), error);
        if (!pdf) return error;
    }
    if (!SaveFileAtomically(job.target, *pdf, error)) return error;
    return "";
}

std::optional<std::string> Qpdf(std::string& error) {
    std::optional<std::string> qpdf = FindOnPath({"qpdf"});
    if (!qpdf)
        error = std::string("qpdf, which embeds the case in the PDF, is not installed: install the Debian package ") +
                kQpdfPackage + " (apt-get install " + kQpdfPackage + ")";
    return qpdf;
}

constexpr std::chrono::seconds kQpdfTimeLimit{60};

// The Python that has LibreOffice's bridge: Debian's own, not another on the PATH.
std::optional<std::string> SystemPython() {
    if (IsExecutableFile("/usr/bin/python3")) return std::string("/usr/bin/python3");
    return FindOnPath({"python3"});
}

// Converts every input of `inputs` in one run of LibreOffice into `folder`;
// "" or why the run failed as a whole.
std::string RunOnce(const std::string& soffice, const fs::path& folder, const std::vector<std::string>& inputs) {
    std::vector<std::string> arguments = {soffice, "-env:UserInstallation=" + FileUrl(folder / "profile"),
                                          "--headless", "--norestore", "--nologo", "--nolockcheck",
                                          "--convert-to", "pdf", "--outdir", folder.string()};
    arguments.insert(arguments.end(), inputs.begin(), inputs.end());
    const fs::path log = folder / "soffice.log";
    const auto limit = kConversionTimeLimit + std::chrono::seconds(30) * static_cast<long>(inputs.size());
    std::string error;
    const std::optional<int> status = RunProgram(arguments, log.string(), limit, error);
    if (!status) return "LibreOffice did not write the PDF: " + error;
    if (*status == 0) return "";
    std::string failure = "LibreOffice could not convert the document to PDF (exit status " + std::to_string(*status) + ")";
    if (const std::string said = LastLinesOf(log.string()); !said.empty()) failure += ": " + said;
    return failure;
}

}  // namespace

std::optional<std::string> WithAttachments(const std::string& pdf, const std::vector<PdfAttachment>& attachments,
                                           const fs::path& folder, std::string& error) {
    const std::optional<std::string> qpdf = Qpdf(error);
    if (!qpdf) return std::nullopt;
    const fs::path input = folder / "plain.pdf";
    const fs::path output = folder / "attached.pdf";
    const fs::path log = folder / "qpdf.log";
    if (!SaveFileAtomically(input.string(), pdf, error)) return std::nullopt;
    std::vector<std::string> arguments = {*qpdf, input.string()};
    for (size_t k = 0; k < attachments.size(); ++k) {
        const PdfAttachment& attachment = attachments[k];
        const fs::path file = folder / ("attachment-" + std::to_string(k));
        if (!SaveFileAtomically(file.string(), attachment.bytes, error)) return std::nullopt;
        arguments.insert(arguments.end(), {"--add-attachment", file.string(), "--key=" + attachment.name,
                                           "--filename=" + attachment.name, "--mimetype=" + attachment.mimeType,
                                           "--description=" + attachment.description, "--replace", "--"});
    }
    arguments.push_back(output.string());
    std::optional<int> status = RunProgram(arguments, log.string(), kQpdfTimeLimit, error);
    if (status == 0) status = RunProgram({*qpdf, "--check", output.string()}, log.string(), kQpdfTimeLimit, error);
    std::optional<std::string> attached = status == 0 ? ReadAll(output) : std::nullopt;
    if (!attached) {
        error = "qpdf could not embed the case in the PDF" + (error.empty() ? "" : ": " + error);
        if (const std::string said = LastLinesOf(log.string()); !said.empty()) error += ": " + said;
    }
    std::error_code ec;
    for (const fs::path& used : {input, output}) fs::remove(used, ec);
    return attached;
}

std::optional<std::string> AttachmentOf(const std::string& path, const std::string& name, std::string& error) {
    const std::optional<std::string> qpdf = Qpdf(error);
    if (!qpdf) return std::nullopt;
    TemporaryFolder work;
    const fs::path out = work.Path() / "attachment";
    // qpdf writes the attachment on its standard output, which RunProgram
    // sends to its log file (warnings kept out): that file is the attachment.
    const std::optional<int> status =
        work.Path().empty() ? std::nullopt
                            : RunProgram({*qpdf, "--no-warn", "--show-attachment=" + name, path}, out.string(),
                                         kQpdfTimeLimit, error);
    if (status != 0) {
        error = "the PDF holds no attachment " + name + (error.empty() ? "" : " (" + error + ")");
        return std::nullopt;
    }
    return ReadAll(out);
}

PdfConverter::PdfConverter(std::string programFolder) : programFolder_(std::move(programFolder)) {}

PdfConverter::~PdfConverter() { Stop(); }

bool PdfConverter::Running() { return server_.Running(); }

void PdfConverter::Stop() { server_.Stop(); }

std::string PdfConverter::Input(size_t job, const char* extension) const {
    return (work_.Path() / ("worksheet-" + std::to_string(job) + extension)).string();
}

bool PdfConverter::EnsureServer(const std::string& soffice) {
    if (server_.Running()) return true;
    if (!serverUnavailable_.empty()) return false;
    const std::string script = (fs::path(programFolder_) / "convert" / "pdf_server.py").string();
    const std::optional<std::string> python = SystemPython();
    std::string error;
    if (programFolder_.empty() || !python || !PathIsTaken(script)) {
        serverUnavailable_ = "no Python or no converter script";
        return false;
    }
    if (!server_.Start({*python, script, soffice, FileUrl(work_.Path() / "profile")},
                       (work_.Path() / "server.log").string(), error)) {
        serverUnavailable_ = error;
        return false;
    }
    const std::optional<std::string> first = server_.ReadLine(kConversionTimeLimit);
    if (first == "ready") return true;
    serverUnavailable_ = first ? *first : "the converter did not answer";
    server_.Stop();
    return false;
}

std::string PdfConverter::ConvertByServer(const PdfJob& job, const std::string& soffice) {
    const size_t number = ++jobs_;
    const std::string input = Input(number, ".rtf");
    const std::string output = Input(number, ".pdf");
    std::string error;
    if (!SaveFileAtomically(input, job.rtf, error)) return error;
    std::optional<std::string> answer;
    if (server_.WriteLine(input + "\t" + output)) answer = server_.ReadLine(kConversionTimeLimit);
    std::error_code ec;
    fs::remove(input, ec);
    if (!answer) {
        server_.Stop();  // a LibreOffice that stopped answering is not kept
        return "LibreOffice stopped answering while it wrote the PDF";
    }
    if (answer->rfind("error ", 0) == 0) return "LibreOffice could not convert the document to PDF: " + answer->substr(6);
    std::string taken = TakeConverted(output, job, soffice);
    fs::remove(output, ec);
    return taken;
}

std::vector<std::string> PdfConverter::ConvertInOneRun(const std::vector<PdfJob>& jobs, const std::string& soffice) {
    std::vector<std::string> results(jobs.size());
    std::vector<std::string> inputs;
    std::vector<size_t> numbers;
    for (size_t k = 0; k < jobs.size(); ++k) {
        numbers.push_back(++jobs_);
        inputs.push_back(Input(numbers.back(), ".rtf"));
        if (!SaveFileAtomically(inputs.back(), jobs[k].rtf, results[k])) inputs.back().clear();
    }
    std::vector<std::string> written;
    for (const std::string& input : inputs)
        if (!input.empty()) written.push_back(input);
    const std::string failure = written.empty() ? std::string() : RunOnce(soffice, work_.Path(), written);
    for (size_t k = 0; k < jobs.size(); ++k) {
        if (inputs[k].empty()) continue;
        const fs::path output = Input(numbers[k], ".pdf");
        std::error_code ec;
        results[k] = !failure.empty() && !fs::exists(output) ? failure : TakeConverted(output, jobs[k], soffice);
        fs::remove(inputs[k], ec);
        fs::remove(output, ec);
    }
    return results;
}

std::vector<std::string> PdfConverter::Convert(const std::vector<PdfJob>& jobs, const JobDone& done) {
    const std::optional<std::string> soffice = FindSoffice();
    if (!soffice) return std::vector<std::string>(jobs.size(), NotInstalled());
    if (work_.Path().empty())
        return std::vector<std::string>(jobs.size(), std::string("cannot create a temporary folder for the "
                                                                 "conversion: ") + std::strerror(errno));
    std::vector<std::string> results;
    size_t reported = 0;
    for (size_t k = 0; k < jobs.size(); ++k) {
        if (!EnsureServer(*soffice)) {
            const std::vector<PdfJob> rest(jobs.begin() + static_cast<long>(k), jobs.end());
            for (std::string& result : ConvertInOneRun(rest, *soffice)) results.push_back(std::move(result));
            break;
        }
        results.push_back(ConvertByServer(jobs[k], *soffice));
        if (done) done(reported++, results.back());
    }
    for (; done && reported < results.size(); ++reported) done(reported, results[reported]);
    return results;
}

bool ConvertRtfToPdf(const std::string& rtf, const std::string& pdfPath, std::string& error) {
    const std::optional<std::string> soffice = FindSoffice();
    if (!soffice) {
        error = NotInstalled();
        return false;
    }
    PdfConverter converter({});  // no converter script: one run of LibreOffice
    error = converter.Convert({{rtf, pdfPath, {}}}).front();
    return error.empty();
}

}  // namespace quill10
