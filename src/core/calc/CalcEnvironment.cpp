#include "calc/CalcEnvironment.h"

#include "store/Misc.h"

namespace quill10 {

void CalcEnvironment::SetProgramFolder(const std::string& folder) {
    programFolder_ = folder;
    table_.SetPath(IncludeTrailingPathDelimiter(folder) + kSupportTableName);
}

std::string CalcEnvironment::CheckReportPath() const {
    if (!reportPath.empty()) return reportPath;
    return IncludeTrailingPathDelimiter(clientFolder) + kCheckReportName;
}

}  // namespace quill10
