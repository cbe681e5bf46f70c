#pragma once
// quill10-cli table: the support schedule in use, the check of a schedule
// file, installing an office's official schedule and going back to the one
// installed with the program.  Exit status 0, or 1 when the schedule cannot
// be used or installed (the reason and the line at fault are printed).
#include <ostream>
#include <string>

#include "files/Settings.h"

namespace quill10 {

// The schedule in use: its name and effective date, file, incomes, rows and
// fingerprint; for the demonstration schedule, that it is not for filing.
int ShowSchedule(const std::string& programFolder, const OfficeSchedule& schedule, std::ostream& out);

// The schedules kept beside the settings file at `settingsPath`, newest
// first, the one in use marked.
int ShowKeptSchedules(const std::string& settingsPath, const OfficeSchedule& schedule, std::ostream& out);

// How a schedule file is checked: as `table install` reads it, or as the
// calculation reads a program folder's table.txt.
enum class ScheduleRules { kInstall, kProgramTable };

// Reads a schedule file by the rules given and prints the verdict, saying
// which rules were applied.
int CheckSchedule(const std::string& file, ScheduleRules rules, std::ostream& out);

// Installs the schedule of `file` (when it passes the check) for the
// settings file at `settingsPath`; nothing changes when it fails.
int InstallScheduleFile(const std::string& settingsPath, const Settings& defaults, const std::string& file,
                        const std::string& name, const std::string& effective, std::ostream& out);

// Goes back to the schedule installed with the program.
int ResetSchedule(const std::string& settingsPath, const Settings& defaults, std::ostream& out);

}  // namespace quill10
