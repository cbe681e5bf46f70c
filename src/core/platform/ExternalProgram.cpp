#include "platform/ExternalProgram.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/FileAccess.h"

extern char** environ;

namespace quill10 {

namespace {

// Starts the program with its output going to `log`.  The process id, or
// -1 with errno set.
pid_t Start(const std::vector<std::string>& arguments, const std::string& log) {
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

}  // namespace

std::optional<std::string> FindOnPath(std::initializer_list<const char*> names) {
    const char* path = std::getenv("PATH");
    if (!path) return std::nullopt;
    std::istringstream folders(path);
    for (std::string folder; std::getline(folders, folder, ':');) {
        if (folder.empty()) continue;
        for (const char* name : names) {
            const std::string candidate = (std::filesystem::path(folder) / name).string();
            if (IsExecutableFile(candidate)) return candidate;
        }
    }
    return std::nullopt;
}

std::optional<int> RunProgram(const std::vector<std::string>& arguments, const std::string& log,
                              std::chrono::seconds limit, std::string& error) {
    const pid_t pid = Start(arguments, log);
    if (pid < 0) {
        error = "cannot start " + arguments.front() + ": " + std::strerror(errno);
        return std::nullopt;
    }
    std::optional<int> status = WaitWithin(pid, limit);
    if (!status) error = arguments.front() + " did not finish within " + std::to_string(limit.count()) + " seconds";
    return status;
}

TemporaryFolder::TemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quill10-XXXXXX").string();
    if (::mkdtemp(pattern.data())) path_ = pattern;
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
}

std::string LastLinesOf(const std::string& log, size_t most) {
    std::ifstream file(log);
    std::ostringstream text;
    text << file.rdbuf();
    std::string out = text.str();
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
    if (out.size() > most) out = "..." + out.substr(out.size() - most);
    return out;
}

}  // namespace quill10
