#include "files/ScheduleInstall.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "calc/ScheduleImport.h"
#include "files/FileAccess.h"
#include "files/SafeSave.h"
#include "store/Misc.h"
#include "store/Regional.h"

namespace quill10 {

std::string SchedulesFolder(const Settings& settings) {
    return (std::filesystem::path(settings.folders.settings) / kSchedulesFolderName).string();
}

std::string ScheduleNameProblem(const std::string& name) {
    if (TrimStr(StripLeadingSpaces(name)).empty())
        return "Give the schedule a name, as the office knows it (for example \"Ohio schedule 2024\").";
    return SettingsValueProblem("schedule's name", name);
}

std::string EffectiveDateProblem(const std::string& effective) {
    if (!ParseIsoDate(effective))
        return "The effective date \"" + effective + "\" is not a date: give it as YYYY-MM-DD (for example 2024-01-01).";
    return "";
}

std::string InstallSchedule(Settings& settings, const std::vector<SupportTable::Row>& rows, const std::string& name,
                            const std::string& effective) {
    for (const std::string& problem : {ScheduleNameProblem(name), EffectiveDateProblem(effective)})
        if (!problem.empty()) return problem;
    const std::string folder = SchedulesFolder(settings);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) return "cannot create the folder \"" + folder + "\": " + ec.message();
    std::string error;
    if (!settings.schedule.file.empty()) {
        std::string reason;
        if (const std::optional<std::string> previous = ReadRegularFile(settings.schedule.file, SupportTable::kFileLimit, reason))
            if (!SaveFileAtomically((std::filesystem::path(folder) / kPreviousScheduleFileName).string(), *previous, error))
                return "the schedule in use could not be kept as a backup: " + error;
    }
    const std::string file = (std::filesystem::path(folder) / kOfficeScheduleFileName).string();
    if (!SaveFileAtomically(file, ScheduleFileText(rows), error)) return error;
    settings.schedule = {file, TrimStr(StripLeadingSpaces(name)), effective};
    return "";
}

void UseInstalledSchedule(Settings& settings) { settings.schedule = {}; }

}  // namespace quill10
