#pragma once
// The worksheet check report "CheckWorksheet.txt": a header per worksheet
// and the numbered comments of the calculation, in the order they are met.
// Outside the "Check Worksheet" command nothing is written, but the checks
// still run and still set the error flag.
#include <cstdio>
#include <string>

namespace quill10 {

class CheckReport {
public:
    CheckReport() = default;  // not checking: comments are dropped
    ~CheckReport();
    CheckReport(const CheckReport&) = delete;
    CheckReport& operator=(const CheckReport&) = delete;

    // Creates the report file anew; false when it cannot be created.
    bool Create(const std::string& path);
    bool Checking() const { return file_ != nullptr; }

    // The worksheet header: dashes, caption and date, case number, dashes,
    // worksheet name, dashes, an empty line.
    void WriteHeader(const std::string& caption, const std::string& caseNumber, const std::string& worksheetName);
    // Writes "N. text" and an empty line, numbering across both worksheets.
    void Comment(const std::string& text);
    int CommentCount() const { return comments_; }
    void Close();

private:
    void WriteLine(const std::string& line);
    std::FILE* file_ = nullptr;
    int comments_ = 0;
};

}  // namespace quill10
