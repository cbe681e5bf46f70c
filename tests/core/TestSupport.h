#pragma once
// Shared fixtures of the core tests: a recorder for numbered errors, a
// fixed "today", a scratch folder, and an answer store whose environment
// points at the installed table.txt.
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "calc/CalcEnvironment.h"
#include "store/Answers.h"
#include "store/Misc.h"
#include "store/Regional.h"

namespace quill10::test {

// Records every numbered error raised while it lives.
class ErrorRecorder {
public:
    ErrorRecorder();
    ~ErrorRecorder();
    const std::vector<int>& Codes() const { return codes_; }
    const std::vector<std::string>& Texts() const { return texts_; }
    void Clear() {
        codes_.clear();
        texts_.clear();
    }

private:
    std::vector<int> codes_;
    std::vector<std::string> texts_;
    ErrorHandler previous_;
};

// Fixes today's date while it lives.
class FixedToday {
public:
    explicit FixedToday(Date date = Date{2019, 3, 7});
    ~FixedToday();
};

// A fresh folder under the system's temporary folder, removed afterwards.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// The folder holding the installed data (table.txt) beside the executables.
std::string ProgramFolder();
std::string TestDataFolder();

// A new answer store whose environment finds table.txt in the program folder.
std::unique_ptr<TAnswer> NewStore(const std::string& fileName = "case.q10");

// Runs `work` in `processes` child processes at once (each told its number)
// and returns how many of them failed (`work` returned false).
int FailuresInProcesses(int processes, const std::function<bool(int process)>& work);

std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& content);

// RTF: braces balance (escaped ones do not count) and the text holds one group.
bool OneGroup(const std::string& rtf);
// The group that begins with the control word `name` ("" when there is none).
std::string GroupOf(const std::string& rtf, const std::string& name);

}  // namespace quill10::test
