#include "files/ScheduleInstall.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <optional>
#include <system_error>

#include "calc/ScheduleImport.h"
#include "platform/FileAccess.h"
#include "platform/SafeSave.h"
#include "store/Misc.h"
#include "store/Regional.h"

namespace quill10 {

namespace fs = std::filesystem;

namespace {

// "ABCD-1234.txt": a schedule installed under its fingerprint.
bool IsInstalledScheduleName(const std::string& name) {
    if (name.size() != 13 || name.compare(9, 4, ".txt") != 0 || name[4] != '-') return false;
    for (size_t k = 0; k < 9; ++k)
        if (k != 4 && !std::isxdigit(static_cast<unsigned char>(name[k]))) return false;
    return true;
}

struct Entry {
    fs::path path;
    fs::file_time_type written;
};

// The schedule files of the folder, newest first; with `installedOnly`
// only those installed under their fingerprints.
std::vector<Entry> ScheduleFiles(const fs::path& folder, bool installedOnly) {
    std::vector<Entry> entries;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code entryEc;
        const std::string name = it->path().filename().string();
        if (!fs::is_regular_file(it->symlink_status(entryEc)) || it->path().extension() != ".txt") continue;
        if (installedOnly && !IsInstalledScheduleName(name)) continue;
        entries.push_back({it->path(), fs::last_write_time(it->path(), entryEc)});
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.written > b.written; });
    return entries;
}

// Keeps the newest installed schedules and the one in use; removes the rest.
void PruneInstalledSchedules(const fs::path& folder, const std::string& inUse) {
    const std::vector<Entry> entries = ScheduleFiles(folder, true);
    const auto isInUse = [&inUse](const Entry& entry) { return SameFile(entry.path.string(), inUse); };
    size_t othersKept = kKeptSchedules - (std::any_of(entries.begin(), entries.end(), isInUse) ? 1 : 0);
    for (const Entry& entry : entries) {
        if (isInUse(entry)) continue;
        std::error_code ec;
        if (othersKept > 0) --othersKept;
        else fs::remove(entry.path, ec);
    }
}

std::string DayOf(fs::file_time_type written) {
    const std::time_t time = std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(written));
    const std::tm* local = std::localtime(&time);
    if (!local) return "";
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", local->tm_year + 1900, local->tm_mon + 1, local->tm_mday);
    return text;
}

}  // namespace

std::string SchedulesFolder(const std::string& settingsPath) {
    return (fs::path(settingsPath).parent_path() / kSchedulesFolderName).string();
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

std::string InstallSchedule(const std::string& settingsPath, const Settings& defaults,
                            const std::vector<SupportTable::Row>& rows, const std::string& name,
                            const std::string& effective, Settings& written) {
    for (const std::string& problem : {ScheduleNameProblem(name), EffectiveDateProblem(effective)})
        if (!problem.empty()) return problem;
    const SettingsLock lock(settingsPath);
    if (!lock.Held()) return lock.Error();
    const fs::path folder = SchedulesFolder(settingsPath);
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) return "cannot create the folder \"" + folder.string() + "\": " + ec.message();
    const std::string fingerprint = SupportTable::ShortFingerprint(SupportTable::Fingerprint(rows));
    const std::string file = (folder / (fingerprint + ".txt")).string();
    const bool existed = PathIsTaken(file);
    std::string error;
    if (!SaveFileAtomically(file, ScheduleFileText(rows), error)) return error;
    const OfficeSchedule installed{file, TrimStr(StripLeadingSpaces(name)), effective, fingerprint};
    if (!UpdateSettingsFileLocked(
            lock, settingsPath, defaults,
            [&](Settings& settings) {
                settings.schedule = installed;
                return std::string();
            },
            written, error)) {
        if (!existed) fs::remove(file, ec);
        return error;
    }
    PruneInstalledSchedules(folder, file);
    return "";
}

std::string UseInstalledSchedule(const std::string& settingsPath, const Settings& defaults, Settings& written) {
    std::string error;
    UpdateSettingsFile(
        settingsPath, defaults,
        [](Settings& settings) {
            settings.schedule = {};
            return std::string();
        },
        written, error);
    return error;
}

std::vector<KeptSchedule> KeptSchedules(const std::string& settingsPath, const OfficeSchedule& schedule) {
    std::vector<KeptSchedule> kept;
    for (const Entry& entry : ScheduleFiles(SchedulesFolder(settingsPath), false)) {
        KeptSchedule one;
        one.file = entry.path.string();
        one.installed = DayOf(entry.written);
        one.inUse = !schedule.file.empty() && SameFile(one.file, schedule.file);
        const ScheduleReading reading = ReadProgramTableFile(one.file);
        if (reading.Sound()) {
            one.fingerprint = SupportTable::ShortFingerprint(SupportTable::Fingerprint(reading.rows));
            one.range = ScheduleRange(reading.rows);
        } else {
            one.range = "cannot be used: " + reading.fault.Message();
        }
        kept.push_back(std::move(one));
    }
    return kept;
}

}  // namespace quill10
