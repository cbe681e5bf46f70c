#include "files/Recovery.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <system_error>

#include "calc/CalcEnvironment.h"
#include "files/FieldLines.h"
#include "files/NewCase.h"
#include "store/Misc.h"
#include "store/Regional.h"

namespace quill10 {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kCopyTitle = "QUILL10 recovery copy";
constexpr std::string_view kCaseLine = "Case:";
// The head holds a few lines; the case after it at most a client file.
constexpr std::uintmax_t kCopyLimit = kClientFileLimit + 64 * 1024;

std::string StampText(const FileStamp& stamp) {
    return std::to_string(stamp.exists ? 1 : 0) + " " + std::to_string(stamp.readable ? 1 : 0) + " " +
           std::to_string(stamp.size) + " " + std::to_string(stamp.hash);
}

bool ReadHead(const FieldBlock& head, RecoveryInfo& info, std::string& error) {
    std::uint64_t process[2] = {};
    std::uint64_t base[4] = {};
    if (!head.Text("Original", info.original, error) || !head.Number("Time", info.time, error) ||
        !head.Number("Steps", info.steps, error) || !head.Text("User", info.process.user, error) ||
        !head.Text("Host", info.process.host, error) || !head.Numbers("Process", process, 2, error) ||
        !head.Numbers("Base", base, 4, error))
        return false;
    info.process.pid = static_cast<std::int64_t>(process[0]);
    info.process.started = process[1];
    info.base.exists = base[0] != 0;
    info.base.readable = base[1] != 0;
    info.base.size = base[2];
    info.base.hash = base[3];
    return true;
}

// True when the window that wrote the copy is gone.
bool WindowGone(const RecoveryInfo& info, std::int64_t now) {
    if (info.process.host != CurrentProcess().host) return now - info.time > kAbandonedCopySeconds;
    return !ProcessRuns(info.process.pid, info.process.started);
}

RecoveryEntry EntryOf(const fs::path& path) {
    RecoveryEntry entry;
    entry.path = path.string();
    std::string error;
    const std::optional<RecoveryCopy> copy = ReadRecoveryCopy(entry.path, error);
    if (copy) {
        entry.info = copy->info;
        entry.original = OriginalStateOf(copy->info);
        if (!RecoveredCase(*copy, std::make_shared<CalcEnvironment>(), error)) entry.problem = "its case: " + error;
    } else {
        entry.problem = error;
    }
    return entry;
}

}  // namespace

std::string RecoveryFolder(const std::string& settingsFile) {
    return IncludeTrailingPathDelimiter((fs::path(settingsFile).parent_path() / kRecoveryFolderName).string());
}

std::string NewRecoveryCopyName() {
    static std::atomic<int> sequence{0};
    return std::to_string(CurrentProcess().pid) + "-" + std::to_string(SecondsNow()) + "-" +
           std::to_string(++sequence) + kRecoveryExtension;
}

std::string RecoveryCopyText(const RecoveryInfo& info, std::string_view caseBytes) {
    std::string text = std::string(kCopyTitle) + "\n";
    text += FieldLine("Original", info.original);
    text += FieldLine("Time", std::to_string(info.time));
    text += FieldLine("Steps", std::to_string(info.steps));
    text += FieldLine("User", info.process.user);
    text += FieldLine("Host", info.process.host);
    text += FieldLine("Process", std::to_string(info.process.pid) + " " + std::to_string(info.process.started));
    text += FieldLine("Base", StampText(info.base));
    text += std::string(kCaseLine) + "\n";
    text.reserve(text.size() + caseBytes.size());
    text += caseBytes;
    return text;
}

std::optional<RecoveryCopy> ParseRecoveryCopy(std::string_view bytes, std::string& error) {
    const std::optional<FieldBlock> head = ReadFieldBlock(bytes, kCopyTitle, kCaseLine, error);
    RecoveryCopy copy;
    if (!head || !ReadHead(*head, copy.info, error)) {
        error = "it is no recovery copy: " + error;
        return std::nullopt;
    }
    copy.caseBytes = std::string(bytes.substr(head->end));
    return copy;
}

std::optional<RecoveryCopy> ReadRecoveryCopy(const std::string& path, std::string& error) {
    std::string reason;
    const std::optional<std::string> bytes = ReadRegularFile(path, kCopyLimit, reason);
    if (!bytes) {
        error = "cannot open \"" + path + "\": " + reason;
        return std::nullopt;
    }
    return ParseRecoveryCopy(*bytes, error);
}

std::optional<ClientFileContents> RecoveredCase(const RecoveryCopy& copy, std::shared_ptr<CalcEnvironment> environment,
                                                std::string& error) {
    return ParseClientFile(copy.caseBytes, std::move(environment), error);
}

OriginalState OriginalStateOf(const RecoveryInfo& info) {
    if (info.original.empty()) return OriginalState::kNeverSaved;
    const FileStamp now = StampOf(info.original);
    if (!now.exists) return OriginalState::kGone;
    return now.ContentDiffers(info.base) ? OriginalState::kChanged : OriginalState::kUnchanged;
}

std::string OriginalStateText(OriginalState state) {
    switch (state) {
        case OriginalState::kNeverSaved: return "never saved";
        case OriginalState::kUnchanged: return "unchanged on disk";
        case OriginalState::kChanged: return "changed on disk since";
        case OriginalState::kGone: return "no longer on disk";
    }
    return "";
}

std::string CaseNameOf(const RecoveryInfo& info) {
    return info.original.empty() ? std::string(kUntitledName) : fs::path(info.original).filename().string();
}

std::string CaseFolderOf(const RecoveryInfo& info) {
    return info.original.empty() ? std::string() : fs::path(info.original).parent_path().string();
}

std::string CopyTimeText(const RecoveryInfo& info) {
    const WallClock at = LocalWallClock(info.time);
    return FormatShortDate(Date{at.year, at.month, at.day}) + " " + FormatShortTime(at.hour, at.minute);
}

std::vector<RecoveryEntry> AbandonedRecoveryCopies(const std::string& folder, std::int64_t now) {
    std::vector<RecoveryEntry> entries;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code entryEc;
        if (it->path().extension() != kRecoveryExtension || !fs::is_regular_file(it->symlink_status(entryEc)))
            continue;
        RecoveryEntry entry = EntryOf(it->path());
        // A copy whose head cannot be read names no window that could still run.
        if (!entry.info.process.host.empty() && !WindowGone(entry.info, now)) continue;
        entries.push_back(std::move(entry));
    }
    std::sort(entries.begin(), entries.end(), [](const RecoveryEntry& a, const RecoveryEntry& b) {
        return a.info.time != b.info.time ? a.info.time > b.info.time : a.path < b.path;
    });
    return entries;
}

bool ClaimRecoveryCopy(const std::string& from, const std::string& to, std::string& error) {
    std::error_code ec;
    fs::create_directories(fs::path(to).parent_path(), ec);
    fs::rename(from, to, ec);
    if (!ec) return true;
    error = ec == std::errc::no_such_file_or_directory
                ? "the recovery copy is gone: another window has recovered or discarded it"
                : "cannot take the recovery copy \"" + from + "\": " + ec.message();
    return false;
}

}  // namespace quill10
