#include "TableCommand.h"

#include "calc/CalcEnvironment.h"
#include "calc/ScheduleImport.h"
#include "files/ScheduleInstall.h"

namespace quill10 {

int ShowSchedule(const std::string& programFolder, const OfficeSchedule& schedule, std::ostream& out) {
    CalcEnvironment environment;
    environment.SetProgramFolder(programFolder);
    environment.UseSchedule(schedule);
    try {
        out << ScheduleInUseText(environment.Table());
    } catch (const SupportTableError& error) {
        out << "quill10-cli: " << error.what() << '\n';
        return 1;
    }
    return 0;
}

int CheckSchedule(const std::string& file, std::ostream& out) {
    const ScheduleReading reading = ReadScheduleFile(file);
    out << ScheduleVerdict(reading);
    return reading.Sound() ? 0 : 1;
}

int InstallScheduleFile(Settings& settings, const std::string& settingsFile, const std::string& file,
                        const std::string& name, const std::string& effective, std::ostream& out) {
    const ScheduleReading reading = ReadScheduleFile(file);
    out << ScheduleVerdict(reading);
    if (!reading.Sound()) {
        out << "quill10-cli: the schedule was not installed; the schedule in use is unchanged\n";
        return 1;
    }
    const Settings before = settings;
    std::string error = InstallSchedule(settings, reading.rows, name, effective);
    if (error.empty() && !WriteINI(settings, settingsFile, error)) settings = before;
    if (!error.empty()) {
        out << "quill10-cli: the schedule was not installed: " << error << '\n';
        return 1;
    }
    out << "Installed as " << settings.schedule.file << "; the window and quill10-cli now compute with it.\n";
    return ShowSchedule({}, settings.schedule, out);
}

int ResetSchedule(Settings& settings, const std::string& settingsFile, std::ostream& out) {
    UseInstalledSchedule(settings);
    std::string error;
    if (!WriteINI(settings, settingsFile, error)) {
        out << "quill10-cli: " << error << '\n';
        return 1;
    }
    out << "The schedule installed with QUILL10 is in use again.\n";
    return 0;
}

}  // namespace quill10
