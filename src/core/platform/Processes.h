#pragma once
// Who and what this program is, as lock files and recovery copies record
// it, and whether the program that wrote one of them still runs.
#include <cstdint>
#include <string>

namespace quill10 {

// A running program: its process id and when it started (the system's
// ticks since boot; 0 where the system does not say), on a host, for a user.
// The start time tells a process apart from a later one that was given the
// same id.
struct ProcessIdentity {
    std::int64_t pid = 0;
    std::uint64_t started = 0;
    std::string host;
    std::string user;
};

// This program.
const ProcessIdentity& CurrentProcess();

// The computer's name ("OFFICE-PC3") and the user's login name ("jdoe");
// "unknown" when the system does not tell.
std::string HostName();
std::string UserName();

// True when a process with this id runs on this computer and, when both
// start times are known, started when `started` says.
bool ProcessRuns(std::int64_t pid, std::uint64_t started);

// The name of the user owning the file at `path` ("" when it cannot be told).
std::string OwnerOfFile(const std::string& path);

// Seconds since 1970 (UTC) now, and such a time as the clock on the wall
// of this computer shows it.
std::int64_t SecondsNow();
struct WallClock {
    int year = 1970;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
};
WallClock LocalWallClock(std::int64_t seconds);

}  // namespace quill10
