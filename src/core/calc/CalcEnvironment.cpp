#include "calc/CalcEnvironment.h"

#include "store/Misc.h"

namespace quill10 {

void CalcEnvironment::SetProgramFolder(const std::string& folder) {
    programFolder_ = folder;
    PointTableAtSchedule();
}

void CalcEnvironment::UseSchedule(const OfficeSchedule& schedule) {
    schedule_ = schedule;
    PointTableAtSchedule();
}

void CalcEnvironment::PointTableAtSchedule() {
    if (schedule_.file.empty()) {
        table_.SetPath(IncludeTrailingPathDelimiter(programFolder_) + kSupportTableName);
        table_.SetIdentity({}, {});
    } else {
        table_.SetPath(schedule_.file);
        table_.SetIdentity(schedule_.name, schedule_.effective, schedule_.fingerprint);
    }
}

std::string CalcEnvironment::CheckReportPath() const {
    if (!reportPath.empty()) return reportPath;
    return IncludeTrailingPathDelimiter(clientFolder) + kCheckReportName;
}

}  // namespace quill10
