#pragma once
// Installing an office's official support schedule for this user: the
// schedule is written into the program's data folder under the settings
// folder and recorded in the settings, which both the window and the
// command-line tool read, so both compute from it.  The schedule installed
// with the program stays where it is; going back to it only changes the
// settings.
#include <string>
#include <vector>

#include "calc/SupportTable.h"
#include "files/Settings.h"

namespace quill10 {

inline constexpr const char* kSchedulesFolderName = "schedules";
inline constexpr const char* kOfficeScheduleFileName = "table.txt";
inline constexpr const char* kPreviousScheduleFileName = "table (previous).txt";

// The folder an office's schedule is installed in: "schedules" in the
// settings folder.
std::string SchedulesFolder(const Settings& settings);

// "" when the schedule may be installed under this name and effective date
// ("YYYY-MM-DD"); otherwise what is wrong and what to give.
std::string ScheduleNameProblem(const std::string& name);
std::string EffectiveDateProblem(const std::string& effective);

// Writes the rows (which passed the table check) into the schedules folder
// as table.txt, atomically, after keeping the office schedule in use so far
// as "table (previous).txt", and records the schedule in `settings` (the
// caller writes the settings file).  "" when it is installed; otherwise the
// reason, and neither `settings` nor the installed schedule has changed.
std::string InstallSchedule(Settings& settings, const std::vector<SupportTable::Row>& rows, const std::string& name,
                            const std::string& effective);

// Goes back to the schedule installed with the program (the office's file
// is kept).
void UseInstalledSchedule(Settings& settings);

}  // namespace quill10
