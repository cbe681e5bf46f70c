#include "print/PdfExport.h"

#include <array>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "files/FileAccess.h"
#include "files/SafeSave.h"

extern char** environ;

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

std::string LastLines(const fs::path& log) {
    std::ifstream file(log);
    std::ostringstream text;
    text << file.rdbuf();
    std::string out = text.str();
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
    if (out.size() > 600) out = "..." + out.substr(out.size() - 600);
    return out;
}

// A private folder that is removed with everything in it.
class WorkFolder {
public:
    WorkFolder() {
        std::string pattern = (fs::temp_directory_path() / "quill10-pdf-XXXXXX").string();
        if (::mkdtemp(pattern.data())) path_ = pattern;
    }
    ~WorkFolder() {
        std::error_code ec;
        if (!path_.empty()) fs::remove_all(path_, ec);
    }
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

// Starts the program with the arguments in a process group of its own,
// its output going to `log`.  The process id, or -1 with errno set.
pid_t Start(const std::vector<std::string>& arguments, const fs::path& log) {
    std::vector<char*> argv;
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    pid_t pid = -1;
    const int result = ::posix_spawn(&pid, argv[0], &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (result != 0) {
        errno = result;
        return -1;
    }
    return pid;
}

// Waits for the process until the time limit; then stops its whole group.
// The exit status, or nothing when it had to be stopped.
std::optional<int> WaitWithin(pid_t pid, std::chrono::seconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (std::chrono::steady_clock::now() < deadline) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        if (done < 0 && errno != EINTR) return 127;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ::kill(-pid, SIGTERM);
    std::this_thread::sleep_for(std::chrono::seconds(2));
    ::kill(-pid, SIGKILL);
    ::waitpid(pid, &status, 0);
    return std::nullopt;
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
    if (const char* path = std::getenv("PATH")) {
        std::istringstream folders(path);
        std::string folder;
        while (std::getline(folders, folder, ':')) {
            if (folder.empty()) continue;
            for (const char* name : {"soffice", "libreoffice"}) {
                if (IsExecutableFile((fs::path(folder) / name).string())) return (fs::path(folder) / name).string();
            }
        }
    }
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
    WorkFolder work;
    if (work.Path().empty()) {
        error = std::string("cannot create a temporary folder for the conversion: ") + std::strerror(errno);
        return false;
    }
    const fs::path input = work.Path() / "worksheet.rtf";
    const fs::path converted = work.Path() / "worksheet.pdf";
    const fs::path log = work.Path() / "soffice.log";
    if (!SaveFileAtomically(input.string(), rtf, error)) return false;
    const pid_t pid = Start({*soffice, "-env:UserInstallation=" + FileUrl(work.Path() / "profile"), "--headless",
                             "--norestore", "--nologo", "--nolockcheck", "--convert-to", "pdf", "--outdir",
                             work.Path().string(), input.string()},
                            log);
    if (pid < 0) {
        error = "cannot start " + *soffice + ": " + std::strerror(errno);
        return false;
    }
    std::optional<int> status = WaitWithin(pid, limit);
    if (!status) {
        error = "LibreOffice did not finish the PDF within " + std::to_string(limit.count()) + " seconds";
        return false;
    }
    std::optional<std::string> pdf = ReadAll(converted);
    if (*status != 0 || !pdf || pdf->empty()) {
        error = "LibreOffice could not convert the document to PDF (exit status " + std::to_string(*status) + ")";
        const std::string said = LastLines(log);
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
