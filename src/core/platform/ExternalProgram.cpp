#include "platform/ExternalProgram.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/FileAccess.h"

extern char** environ;

namespace quill10 {

namespace {

// Starts arguments[0] in a process group of its own with the file actions
// `arrange` adds (where its standard streams go).  The process id, or -1
// with errno set.
pid_t SpawnInOwnGroup(const std::vector<std::string>& arguments,
                      const std::function<void(posix_spawn_file_actions_t&)>& arrange) {
    std::vector<char*> argv;
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_init(&actions);
    arrange(actions);
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

// Starts the program with its output going to `log`.  The process id, or
// -1 with errno set.
pid_t Start(const std::vector<std::string>& arguments, const std::string& log) {
    return SpawnInOwnGroup(arguments, [&log](posix_spawn_file_actions_t& actions) {
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    });
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

bool PipedProgram::Start(const std::vector<std::string>& arguments, const std::string& log, std::string& error) {
    Stop();
    int toChild[2], fromChild[2];
    if (::pipe2(toChild, O_CLOEXEC) != 0) {
        error = std::string("cannot make a pipe: ") + std::strerror(errno);
        return false;
    }
    if (::pipe2(fromChild, O_CLOEXEC) != 0) {
        error = std::string("cannot make a pipe: ") + std::strerror(errno);
        ::close(toChild[0]);
        ::close(toChild[1]);
        return false;
    }
    // A program that ends while it is written to makes the write fail
    // (EPIPE) rather than end this process.
    std::signal(SIGPIPE, SIG_IGN);
    const pid_t pid = SpawnInOwnGroup(arguments, [&](posix_spawn_file_actions_t& actions) {
        posix_spawn_file_actions_adddup2(&actions, toChild[0], STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions, fromChild[1], STDOUT_FILENO);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    });
    const int result = pid < 0 ? errno : 0;
    ::close(toChild[0]);
    ::close(fromChild[1]);
    if (result != 0) {
        error = "cannot start " + arguments.front() + ": " + std::strerror(result);
        ::close(toChild[1]);
        ::close(fromChild[0]);
        return false;
    }
    pid_ = pid;
    input_ = toChild[1];
    output_ = fromChild[0];
    pending_.clear();
    return true;
}

bool PipedProgram::Running() {
    if (pid_ < 0) return false;
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) != pid_) return true;
    pid_ = -1;  // reaped: Stop has nothing left to end but the group
    return false;
}

bool PipedProgram::WriteLine(const std::string& line) {
    if (input_ < 0) return false;
    const std::string bytes = line + "\n";
    for (size_t written = 0; written < bytes.size();) {
        const ssize_t count = ::write(input_, bytes.data() + written, bytes.size() - written);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return false;  // it has ended (EPIPE)
        written += static_cast<size_t>(count);
    }
    return true;
}

std::optional<std::string> PipedProgram::ReadLine(std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        if (const size_t end = pending_.find('\n'); end != std::string::npos) {
            std::string line = pending_.substr(0, end);
            pending_.erase(0, end + 1);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            return line;
        }
        if (output_ < 0) return std::nullopt;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return std::nullopt;
        pollfd waiting{output_, POLLIN, 0};
        const int ready = ::poll(&waiting, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) return std::nullopt;
        char buffer[4096];
        const ssize_t count = ::read(output_, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) {  // the program has ended
            ::close(output_);
            output_ = -1;
            continue;
        }
        pending_.append(buffer, static_cast<size_t>(count));
    }
}

void PipedProgram::Stop(std::chrono::milliseconds grace) {
    if (input_ >= 0) ::close(input_);
    input_ = -1;
    if (pid_ >= 0) {
        const auto deadline = std::chrono::steady_clock::now() + grace;
        int status = 0;
        bool ended = false;
        while (!ended && std::chrono::steady_clock::now() < deadline) {
            ended = ::waitpid(pid_, &status, WNOHANG) == pid_;
            if (!ended) std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        // What it started (LibreOffice) is ended with it.
        ::kill(-pid_, SIGTERM);
        if (!ended) {
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            ::kill(-pid_, SIGKILL);
            ::waitpid(pid_, &status, 0);
        }
        pid_ = -1;
    }
    if (output_ >= 0) ::close(output_);
    output_ = -1;
    pending_.clear();
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
