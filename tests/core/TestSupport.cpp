#include "TestSupport.h"

#include <atomic>
#include <fstream>
#include <sstream>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace quill10::test {

ErrorRecorder::ErrorRecorder() {
    previous_ = SetErrorHandler([this](int code, const std::string& text, const std::string&) {
        codes_.push_back(code);
        texts_.push_back(text);
    });
}

ErrorRecorder::~ErrorRecorder() { SetErrorHandler(previous_); }

FixedToday::FixedToday(Date date) {
    SetClock([date] { return date; });
}

FixedToday::~FixedToday() { SetClock({}); }

ScratchFolder::ScratchFolder() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("quill10-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string ProgramFolder() { return QUILL10_PROGRAM_DIR; }

int FailuresInProcesses(int processes, const std::function<bool(int process)>& work) {
    std::vector<pid_t> children;
    for (int process = 0; process < processes; ++process) {
        const pid_t child = ::fork();
        if (child == 0) ::_exit(work(process) ? 0 : 1);
        if (child > 0) children.push_back(child);
    }
    int failures = processes - static_cast<int>(children.size());
    for (pid_t child : children) {
        int status = 0;
        if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) ++failures;
    }
    return failures;
}
std::string TestDataFolder() { return QUILL10_TEST_DATA_DIR; }

std::unique_ptr<TAnswer> NewStore(const std::string& fileName) {
    auto environment = std::make_shared<CalcEnvironment>();
    environment->SetProgramFolder(ProgramFolder());
    environment->currentFileName = fileName;
    return std::make_unique<TAnswer>(environment);
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

bool OneGroup(const std::string& rtf) {
    int depth = 0;
    for (size_t i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') ++i;
        else if (rtf[i] == '{') ++depth;
        else if (rtf[i] == '}' && --depth == 0 && rtf.find_first_not_of("\r\n", i + 1) != std::string::npos)
            return false;
        if (depth < 0) return false;
    }
    return depth == 0;
}

std::string GroupOf(const std::string& rtf, const std::string& name) {
    const size_t start = rtf.find("{\\" + name);
    if (start == std::string::npos) return "";
    int depth = 0;
    for (size_t i = start; i < rtf.size(); ++i) {
        if (rtf[i] == '{') ++depth;
        else if (rtf[i] == '}' && --depth == 0) return rtf.substr(start, i + 1 - start);
    }
    return "";
}

void WriteWholeFile(const std::string& path, const std::string& content) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << content;
}

}  // namespace quill10::test
