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

int ShowKeptSchedules(const std::string& settingsPath, const OfficeSchedule& schedule, std::ostream& out) {
    const std::vector<KeptSchedule> kept = KeptSchedules(settingsPath, schedule);
    out << "\nSchedules kept in " << SchedulesFolder(settingsPath) << " (newest first):\n";
    if (kept.empty()) out << "  none: no office schedule has been installed\n";
    for (const KeptSchedule& one : kept) {
        out << "  " << one.file << "\n    written " << one.installed << ", "
            << (one.fingerprint.empty() ? "" : "fingerprint " + one.fingerprint + ", ") << one.range;
        if (one.inUse) out << " - in use: " << schedule.name << ", effective " << schedule.effective;
        out << '\n';
    }
    return 0;
}

int CheckSchedule(const std::string& file, ScheduleRules rules, std::ostream& out) {
    const bool programTable = rules == ScheduleRules::kProgramTable;
    out << (programTable ? "Checked by the rules of a program folder's table.txt, which the calculation reads as "
                           "it stands.\n"
                         : "Checked by the rules of quill10-cli table install (the tab format, text a spreadsheet "
                           "saves, or a PDF).\n");
    const ScheduleReading reading = programTable ? ReadProgramTableFile(file) : ReadScheduleFile(file);
    out << ScheduleVerdict(reading);
    return reading.Sound() ? 0 : 1;
}

int InstallScheduleFile(const std::string& settingsPath, const Settings& defaults, const std::string& file,
                        const std::string& name, const std::string& effective, std::ostream& out) {
    const ScheduleReading reading = ReadScheduleFile(file);
    out << ScheduleVerdict(reading);
    if (!reading.Sound()) {
        out << "quill10-cli: the schedule was not installed; the schedule in use is unchanged\n";
        return 1;
    }
    Settings written;
    const std::string error = InstallSchedule(settingsPath, defaults, reading.rows, name, effective, written);
    if (!error.empty()) {
        out << "quill10-cli: the schedule was not installed: " << error << "\nThe schedule in use is unchanged.\n";
        return 1;
    }
    out << "Installed as " << written.schedule.file << "; the window and quill10-cli now compute with it.\n";
    return ShowSchedule({}, written.schedule, out);
}

int ResetSchedule(const std::string& settingsPath, const Settings& defaults, std::ostream& out) {
    Settings written;
    if (const std::string error = UseInstalledSchedule(settingsPath, defaults, written); !error.empty()) {
        out << "quill10-cli: " << error << '\n';
        return 1;
    }
    out << "The schedule installed with QUILL10 is in use again; the office's schedules stay in "
        << SchedulesFolder(settingsPath) << ".\n";
    return 0;
}

}  // namespace quill10
