#include "calc/CalcEnvironment.h"

#include "store/Answers.h"
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

const std::shared_ptr<CalcEnvironment>& TAnswer::SharedEnvironment() const {
    if (!environment_) environment_ = std::make_shared<CalcEnvironment>();
    return environment_;
}
CalcEnvironment& TAnswer::Environment() { return *SharedEnvironment(); }
const CalcEnvironment& TAnswer::Environment() const { return *SharedEnvironment(); }

std::string CalcEnvironment::CheckReportPath() const {
    if (!reportPath.empty()) return reportPath;
    return IncludeTrailingPathDelimiter(clientFolder) + kCheckReportName;
}

}  // namespace quill10
