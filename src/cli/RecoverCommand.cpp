#include "RecoverCommand.h"

#include <filesystem>
#include <system_error>

#include "calc/CalcEnvironment.h"
#include "calc/Headlines.h"
#include "platform/SafeSave.h"
#include "store/Answers.h"

namespace quill10 {

namespace {

// A copy read again, with its case checked; none with the reason on `err`.
struct ReadCopy {
    RecoveryCopy copy;
    ClientFileContents contents;
};
std::optional<ReadCopy> Read(const RecoveryEntry& entry, std::ostream& err) {
    std::string error;
    std::optional<RecoveryCopy> copy = ReadRecoveryCopy(entry.path, error);
    std::optional<ClientFileContents> contents =
        copy ? RecoveredCase(*copy, std::make_shared<CalcEnvironment>(), error) : std::nullopt;
    if (!contents) {
        err << "quill10-cli: the recovery copy " << entry.path << " cannot be read: " << error << '\n';
        return std::nullopt;
    }
    return ReadCopy{std::move(*copy), std::move(*contents)};
}

std::string FolderText(const RecoveryInfo& info) {
    const std::string folder = CaseFolderOf(info);
    return folder.empty() ? "(never saved)" : folder;
}

}  // namespace

int ListRecoveryCopies(const std::vector<RecoveryEntry>& copies, const std::string& folder, std::ostream& out) {
    if (copies.empty()) {
        out << "No recovery copies: no unsaved work of a window that has gone is kept in " << folder << '\n';
        return 0;
    }
    int status = 0;
    for (size_t k = 0; k < copies.size(); ++k) {
        const RecoveryEntry& copy = copies[k];
        out << k + 1 << "  ";
        if (!copy.problem.empty()) {
            out << copy.path << "  cannot be read: " << copy.problem << '\n';
            status = 1;
            continue;
        }
        out << CaseNameOf(copy.info) << "  " << FolderText(copy.info) << "  " << CopyTimeText(copy.info) << "  "
            << OriginalStateText(copy.original) << '\n';
    }
    return status;
}

const RecoveryEntry* NumberedCopy(const std::vector<RecoveryEntry>& copies, int number, std::string& error) {
    if (number >= 1 && static_cast<size_t>(number) <= copies.size()) return &copies[static_cast<size_t>(number) - 1];
    error = "there is no recovery copy " + std::to_string(number) + " (quill10-cli recover list shows " +
            std::to_string(copies.size()) + ")";
    return nullptr;
}

int ShowRecoveryCopy(const RecoveryEntry& copy, std::ostream& out, std::ostream& err) {
    out << "Copy: " << copy.path << '\n';
    const std::optional<ReadCopy> read = Read(copy, err);
    if (!read) return 1;
    const RecoveryInfo& info = copy.info;
    out << "Case: " << CaseNameOf(info) << '\n'
        << "Folder: " << FolderText(info) << '\n'
        << "Copied: " << CopyTimeText(info) << ", " << info.steps << " changes since the case was opened\n"
        << "Window: " << info.process.user << " on " << info.process.host << ", process " << info.process.pid
        << " (no longer running)\n"
        << "On disk: " << OriginalStateText(copy.original) << '\n'
        << HeadlinesText(*read->contents.answers);
    return 0;
}

int SaveRecoveryCopy(const RecoveryEntry& copy, const std::string& output, std::ostream& out, std::ostream& err) {
    const std::optional<ReadCopy> read = Read(copy, err);
    if (!read) return 1;
    // The case exactly as the window would have saved it.
    std::string error;
    if (!SaveFileAtomically(output, read->copy.caseBytes, error)) {
        err << "quill10-cli: cannot write " << output << ": " << error << '\n';
        return 1;
    }
    out << "Saved the case of " << CaseNameOf(copy.info) << " to " << output
        << "; the recovery copy stays until quill10-cli recover discard\n";
    return 0;
}

int DiscardRecoveryCopy(const RecoveryEntry& copy, std::ostream& out, std::ostream& err) {
    std::error_code ec;
    if (!std::filesystem::remove(copy.path, ec) || ec) {
        err << "quill10-cli: cannot remove " << copy.path << ": " << (ec ? ec.message() : "it is gone") << '\n';
        return 1;
    }
    out << "Discarded the recovery copy of " << CaseNameOf(copy.info) << '\n';
    return 0;
}

}  // namespace quill10
