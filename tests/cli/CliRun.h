#pragma once
// Runs quill10-cli (or a copy of it) as a script would and collects what it
// prints; reads and writes the files the commands take and make.
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/wait.h>
#include <unistd.h>
#include <cstdlib>

namespace quill10::test {

// Every command the tests run reads the settings and documents of a user of
// its own (none at first), never those of whoever runs the tests, so a
// support schedule installed on this machine changes no result.  A test
// that needs settings of its own gives HOME and the XDG folders itself.
inline const bool kOwnUserFolders = [] {
    const std::string home = "/tmp/quill10-cli-tests-" + std::to_string(::getpid());
    ::setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
    ::setenv("XDG_DOCUMENTS_DIR", (home + "/documents").c_str(), 1);
    return true;
}();

struct CliRun {
    int status;
    std::string output;
};

// Runs `program` with the arguments; the exit status and stdout + stderr.
inline CliRun RunProgram(const std::string& program, const std::string& arguments) {
    const std::string command = program + " " + arguments + " 2>&1";
    CliRun run{-1, {}};
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> buffer{};
    size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.output.append(buffer.data(), n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

inline CliRun RunCli(const std::string& arguments) { return RunProgram(QUILL10_CLI, arguments); }

// A file's bytes ("" when it cannot be read).
inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

// Writes `content` as the whole file, making its folder first.
inline void WriteFile(const std::filesystem::path& path, const std::string& content) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

}  // namespace quill10::test
