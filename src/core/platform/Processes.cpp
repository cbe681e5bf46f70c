#include "platform/Processes.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <sstream>
#include <string_view>

#include "platform/FileAccess.h"

#if !defined(_WIN32)
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quill10 {

namespace {

constexpr const char* kUnknown = "unknown";

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

#if !defined(_WIN32)

// The start time of a process, from field 22 of /proc/PID/stat (after the
// program's name in brackets, which may hold blanks and brackets itself);
// 0 where there is no /proc.
std::uint64_t StartTicksOf(std::int64_t pid) {
    std::string reason;
    const auto stat = ReadRegularFile("/proc/" + std::to_string(pid) + "/stat", 4096, reason);
    if (!stat) return 0;
    const size_t close = stat->rfind(')');
    if (close == std::string::npos) return 0;
    std::istringstream fields(stat->substr(close + 1));
    std::string field;
    // After the name: state (3), ppid (4) ... starttime (22).
    for (int number = 3; number <= 22 && fields >> field; ++number)
        if (number == 22) return std::strtoull(field.c_str(), nullptr, 10);
    return 0;
}

std::string UserOf(uid_t uid) {
    struct passwd entry {};
    struct passwd* found = nullptr;
    char buffer[4096];
    if (::getpwuid_r(uid, &entry, buffer, sizeof buffer, &found) == 0 && found && found->pw_name)
        return found->pw_name;
    return "";
}

#endif

}  // namespace

std::string HostName() {
#if !defined(_WIN32)
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) == 0 && name[0] != '\0') return name;
#else
    if (std::string name = Environment("COMPUTERNAME"); !name.empty()) return name;
#endif
    return kUnknown;
}

std::string UserName() {
#if !defined(_WIN32)
    if (std::string name = UserOf(::geteuid()); !name.empty()) return name;
    if (std::string name = Environment("LOGNAME"); !name.empty()) return name;
#endif
    if (std::string name = Environment("USER"); !name.empty()) return name;
    if (std::string name = Environment("USERNAME"); !name.empty()) return name;
    return kUnknown;
}

const ProcessIdentity& CurrentProcess() {
    static const ProcessIdentity self = [] {
        ProcessIdentity identity;
#if !defined(_WIN32)
        identity.pid = ::getpid();
        identity.started = StartTicksOf(identity.pid);
#endif
        identity.host = HostName();
        identity.user = UserName();
        return identity;
    }();
    return self;
}

bool ProcessRuns(std::int64_t pid, std::uint64_t started) {
#if !defined(_WIN32)
    // 0 and negative ids name process groups, not a process.
    if (pid <= 0 || pid != static_cast<pid_t>(pid)) return false;
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno != EPERM) return false;
    const std::uint64_t now = StartTicksOf(pid);
    return started == 0 || now == 0 || now == started;
#else
    (void)pid;
    (void)started;
    return true;  // not known here: the program is taken to run
#endif
}

std::string OwnerOfFile(const std::string& path) {
#if !defined(_WIN32)
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return "";
    return UserOf(info.st_uid);
#else
    (void)path;
    return "";
#endif
}

std::int64_t SecondsNow() {
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

WallClock LocalWallClock(std::int64_t seconds) {
    const std::time_t time = static_cast<std::time_t>(seconds);
    std::tm local {};
#if defined(_WIN32)
    localtime_s(&local, &time);
#else
    localtime_r(&time, &local);
#endif
    return WallClock{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min};
}

}  // namespace quill10
