#pragma once
// The worksheet check report "CheckWorksheet.txt": a header per worksheet
// and the numbered comments of the calculation, in the order they are met.
// Outside the "Check Worksheet" command nothing is written, but the checks
// still run and still set the error flag.
//
// The report is gathered while the calculation runs and saved at its end
// the way a case is saved (SafeSave.h), so a report that cannot be written
// leaves the previous one as it was and says why.
#include <string>

namespace quill10 {

class CheckReport {
public:
    CheckReport() = default;  // not checking: comments are dropped

    // Starts a new report that Save writes to `path`.
    void Create(const std::string& path);
    bool Checking() const { return checking_; }

    // A line of its own (the support schedule in use, above the headers).
    void Line(const std::string& text);
    // The worksheet header: dashes, caption and date, case number, dashes,
    // worksheet name, dashes, an empty line.
    void WriteHeader(const std::string& caption, const std::string& caseNumber, const std::string& worksheetName);
    // Writes "N. text" and an empty line, numbering across both worksheets.
    void Comment(const std::string& text);
    int CommentCount() const { return comments_; }

    // Writes the report gathered so far and ends it; false with the reason
    // in `error` when the file cannot be written.
    bool Save(std::string& error);
    // Ends the report without writing it (a calculation that failed).
    void Discard();

private:
    void WriteLine(const std::string& line);
    std::string path_;
    std::string text_;
    bool checking_ = false;
    int comments_ = 0;
};

}  // namespace quill10
