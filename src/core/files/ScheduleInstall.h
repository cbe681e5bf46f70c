#pragma once
// Installing an office's official support schedule for this user: the
// schedule is written into the "schedules" folder beside the settings file
// under a name of its own (its fingerprint, "ABCD-1234.txt") and then
// recorded in the settings (file, name, effective date and fingerprint) in
// one atomic write, which both the window and the command-line tool read.
// That write is the one commit point: until it is made, the schedule in use
// is the one before, whole.  Installs and resets are serialised by the
// settings file's lock.  No office schedule is ever deleted by an install
// or a reset: the last five installed stay in the schedules folder.  The
// schedule installed with the program stays where it is; going back to it
// only changes the settings.
#include <cstdint>
#include <string>
#include <vector>

#include "calc/SupportTable.h"
#include "files/Settings.h"

namespace quill10 {

inline constexpr const char* kSchedulesFolderName = "schedules";
// How many installed schedules the schedules folder keeps.
inline constexpr size_t kKeptSchedules = 5;

// The folder an office's schedules are installed in: "schedules" beside the
// settings file at `settingsPath`.
std::string SchedulesFolder(const std::string& settingsPath);

// "" when the schedule may be installed under this name and effective date
// ("YYYY-MM-DD"); otherwise what is wrong and what to give.
std::string ScheduleNameProblem(const std::string& name);
std::string EffectiveDateProblem(const std::string& effective);

// Installs the rows (which passed the table check) for the settings file at
// `settingsPath` (`defaults` as for UpdateSettingsFile).  "" when it is
// installed, with the settings as written in `written`; otherwise the
// reason, and the schedule in use and the settings are as they were.
std::string InstallSchedule(const std::string& settingsPath, const Settings& defaults,
                            const std::vector<SupportTable::Row>& rows, const std::string& name,
                            const std::string& effective, Settings& written);

// Goes back to the schedule installed with the program (the office's files
// are kept).  "" when done, with the settings as written in `written`.
std::string UseInstalledSchedule(const std::string& settingsPath, const Settings& defaults, Settings& written);

// A schedule file kept in the schedules folder.
struct KeptSchedule {
    std::string file;
    std::string fingerprint;  // of its rows; empty when it cannot be read
    std::string range;        // "$6,600 to $149,400 (239 rows)", or why it cannot be read
    std::string installed;    // the day it was written, YYYY-MM-DD
    bool inUse = false;       // the schedule `schedule` names
};
// The schedules kept, newest first.
std::vector<KeptSchedule> KeptSchedules(const std::string& settingsPath, const OfficeSchedule& schedule);

}  // namespace quill10
