#pragma once
// What a calculation needs from outside the answer store: the name of the
// current client file, the folders, the checking switch of the "Check
// Worksheet" command, the support table and the hook that refreshes the
// worksheet on screen.  One environment lives as long as the program; each
// new answer store shares it.
#include <functional>
#include <memory>
#include <string>

#include "calc/SupportTable.h"
#include "calc/OfficeSchedule.h"

namespace quill10 {

inline constexpr const char* kCheckReportName = "CheckWorksheet.txt";
inline constexpr const char* kSupportTableName = "table.txt";

class CalcEnvironment {
public:
    // Full path of the client file of the case; "Untitled.q10" for a case
    // never saved, "default.q10" while a new case is calculated from the
    // default file.
    std::string currentFileName = "Untitled.q10";
    // The client-file folder, where the check report is written.
    std::string clientFolder;
    // The program folder, where table.txt is installed.
    void SetProgramFolder(const std::string& folder);
    // The support schedule to compute with: an office's own when it names a
    // file, else table.txt of the program folder.
    void UseSchedule(const OfficeSchedule& schedule);
    const std::string& ProgramFolder() const { return programFolder_; }
    // Set by the "Check Worksheet" command for one calculation.
    bool checking = false;
    // Where the check report goes; empty means "CheckWorksheet.txt" in the
    // client-file folder.
    std::string reportPath;
    // Why the check report of the last calculation could not be written;
    // empty when it was written or not asked for.
    std::string checkReportError;
    // The inconsistencies (comments that set the error flag) the last
    // calculation met in each worksheet, whether or not it was checking.
    int soleSharedErrors = 0;
    int splitErrors = 0;
    // Fills the controls of the worksheet on display from the store; run at
    // the end of every calculation.
    std::function<void()> refreshScreen;

    SupportTable& Table() { return table_; }
    std::string CheckReportPath() const;

private:
    void PointTableAtSchedule();

    std::string programFolder_;
    OfficeSchedule schedule_;
    SupportTable table_;
};

}  // namespace quill10
