#pragma once
// Running a program the core needs (LibreOffice to write a PDF, pdftotext
// to read one) and finding it: always an argument list, never a shell
// command line, so no file name is ever read as a command.
#include <chrono>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace quill10 {

// The first of `names` found as a program this user may run in a folder
// of PATH; nothing when none is.
std::optional<std::string> FindOnPath(std::initializer_list<const char*> names);

// Runs arguments[0] with the rest as its arguments, in a process group of
// its own, standard input from /dev/null and its output (standard output
// and error) into the file `log`.  Waits at most `limit`, then stops the
// whole group.  The exit status; nothing, with `error` saying why, when
// the program could not be started or had to be stopped.
std::optional<int> RunProgram(const std::vector<std::string>& arguments, const std::string& log,
                              std::chrono::seconds limit, std::string& error);

// A program kept running to take requests: a line written to its standard
// input, a line read back from its standard output (its standard error goes
// to `log`).  It runs in a process group of its own, which Stop ends whole
// (also when the object goes).
class PipedProgram {
public:
    PipedProgram() = default;
    ~PipedProgram() { Stop(); }
    PipedProgram(const PipedProgram&) = delete;
    PipedProgram& operator=(const PipedProgram&) = delete;

    // False with `error` saying why when it cannot be started.
    bool Start(const std::vector<std::string>& arguments, const std::string& log, std::string& error);
    bool Running();
    // False when the program no longer reads (it has ended).
    bool WriteLine(const std::string& line);
    // The next line it writes, without its line end; nothing when it ends
    // or writes nothing within `limit`.
    std::optional<std::string> ReadLine(std::chrono::milliseconds limit);
    // Closes its input, gives it `grace` to end by itself, then stops the
    // whole group.
    void Stop(std::chrono::milliseconds grace = std::chrono::milliseconds(3000));

private:
    int pid_ = -1;
    int input_ = -1;
    int output_ = -1;
    std::string pending_;  // read, not yet handed out
};

// A private folder (mode 0700) in the system's temporary folder for a
// program's files, removed with everything in it when it goes.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    // Empty when the folder could not be made (errno says why).
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// The last lines of a program's log, at most `most` characters, for a
// message ("" when it wrote nothing).
std::string LastLinesOf(const std::string& log, size_t most = 600);

}  // namespace quill10
