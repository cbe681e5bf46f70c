#pragma once
// Recovery copies of unsaved work.  While a case has changes that are not
// saved, its window writes a copy of it now and then into the folder
// "recovery" beside the settings file; saving the case, or giving the
// changes up, removes the copy.  A copy whose window has gone (its program
// was killed, the power failed) is offered for recovery when the program
// starts, and by "quill10-cli recover".
//
// A copy is a short head of "Name: value" lines followed by the case in
// the client-file format, byte for byte as a save would write it:
//   QUILL10 recovery copy
//   Original: /home/jdoe/Files/Smith.q10   (empty for a case never saved)
//   Time: 1717233240                        (when the copy was written, seconds since 1970)
//   Steps: 17                               (changes since the case was opened)
//   User: jdoe
//   Host: OFFICE-PC3
//   Process: 12345 98765                    (process id and start time of the window's program)
//   Base: 1 1 15703 1234567890123           (the case on disk as the window read or saved it:
//                                            exists, readable, size, content hash)
//   Case:
//   ...the client file...
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/ClientFile.h"
#include "platform/FileAccess.h"
#include "platform/Processes.h"

namespace quill10 {

class CalcEnvironment;

inline constexpr const char* kRecoveryFolderName = "recovery";
inline constexpr const char* kRecoveryExtension = ".recovery";
// A copy of another computer's window (a home folder shared between
// computers) is taken for abandoned after a day.
inline constexpr std::int64_t kAbandonedCopySeconds = 24 * 60 * 60;

// The folder of recovery copies beside the settings file `settingsFile`.
std::string RecoveryFolder(const std::string& settingsFile);

// A new name for a copy of this program's ("12345-1717233240-1.recovery").
std::string NewRecoveryCopyName();

struct RecoveryInfo {
    std::string original;  // the case's file; "" for a case never saved
    std::int64_t time = 0;
    std::int64_t steps = 0;
    ProcessIdentity process;
    FileStamp base;
};

struct RecoveryCopy {
    RecoveryInfo info;
    std::string caseBytes;  // the client file
};

std::string RecoveryCopyText(const RecoveryInfo& info, std::string_view caseBytes);
// Reads a copy's head; the case after it is read by RecoveredCase.  Empty
// with `error` saying what is wrong when the head cannot be read.
std::optional<RecoveryCopy> ParseRecoveryCopy(std::string_view bytes, std::string& error);
std::optional<RecoveryCopy> ReadRecoveryCopy(const std::string& path, std::string& error);
// The copy's case in a fresh store (ParseClientFile).
std::optional<ClientFileContents> RecoveredCase(const RecoveryCopy& copy, std::shared_ptr<CalcEnvironment> environment,
                                                std::string& error);

// The case's own file, as it is now against how the copy's window knew it.
enum class OriginalState { kNeverSaved, kUnchanged, kChanged, kGone };
OriginalState OriginalStateOf(const RecoveryInfo& info);
// "never saved", "unchanged on disk", "changed on disk since", "no longer on disk".
std::string OriginalStateText(OriginalState state);

// "Smith.q10" and "/home/jdoe/Files" ("Untitled.q10" and "" for a case never saved).
std::string CaseNameOf(const RecoveryInfo& info);
std::string CaseFolderOf(const RecoveryInfo& info);
// "5/31/2024 9:14".
std::string CopyTimeText(const RecoveryInfo& info);

// A copy found in the recovery folder.
struct RecoveryEntry {
    std::string path;     // the copy's file
    RecoveryInfo info;    // as its head says (empty when it cannot be read)
    std::string problem;  // why it cannot be read or recovered ("" when it can)
    OriginalState original = OriginalState::kNeverSaved;
};

// The copies in `folder` whose window has gone: its process no longer runs
// on this computer, or another computer's copy is over a day old.  Copies
// that cannot be read are listed too (with their problem), so they can be
// discarded.  Newest first.
std::vector<RecoveryEntry> AbandonedRecoveryCopies(const std::string& folder, std::int64_t now = SecondsNow());

// Moves the copy at `from` to `to` (one of this program's names), so that no
// other program recovers it as well.  False with `error` when it is gone
// (another program took it) or cannot be moved.
bool ClaimRecoveryCopy(const std::string& from, const std::string& to, std::string& error);

}  // namespace quill10
