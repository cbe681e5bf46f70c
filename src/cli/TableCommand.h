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

// Reads a schedule file in any of its forms and prints the verdict.
int CheckSchedule(const std::string& file, std::ostream& out);

// Installs the schedule of `file` (when it passes the check) and writes the
// settings to `settingsFile`; nothing changes when it fails.
int InstallScheduleFile(Settings& settings, const std::string& settingsFile, const std::string& file,
                        const std::string& name, const std::string& effective, std::ostream& out);

// Goes back to the schedule installed with the program.
int ResetSchedule(Settings& settings, const std::string& settingsFile, std::ostream& out);

}  // namespace quill10
