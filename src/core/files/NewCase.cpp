#include "files/NewCase.h"

#include <filesystem>

#include "calc/CalcEnvironment.h"
#include "calc/Worksheets.h"
#include "platform/FileAccess.h"
#include "store/Misc.h"

namespace quill10 {

namespace {

struct SlotRange {
    int page, first, last;
};

// Predecessor slots that mean something else now and are cleared: the
// line 1a boxes and pay periods of both worksheets.
constexpr SlotRange kClearedSlots[] = {{1, 7, 14}, {8, 6, 17}};
constexpr int kFilingStatusSlots[][2] = {{3, 32}, {3, 33}, {11, 22}, {11, 23}};

struct FilingStatusCode {
    const char* code;
    const char* index;
};
constexpr FilingStatusCode kFilingStatusCodes[] = {
    {"S", "0"}, {"MJ", "1"}, {"MS", "2"}, {"HH", "3"}, {"QW", "4"},
};

// Restores the environment's file name when the calculation ends, also by
// an exception.
class FileNameDuring {
public:
    FileNameDuring(CalcEnvironment& environment, std::string during, std::string after)
        : environment_(environment), after_(std::move(after)) {
        environment_.currentFileName = std::move(during);
    }
    ~FileNameDuring() { environment_.currentFileName = after_; }

private:
    CalcEnvironment& environment_;
    std::string after_;
};

}  // namespace

ClientFileContents CreateNewCase(std::shared_ptr<CalcEnvironment> environment) {
    ClientFileContents contents{std::make_unique<TAnswer>(environment), SchedulerGrid{}};
    const std::string defaultPath = IncludeTrailingPathDelimiter(environment->clientFolder) + kDefaultCaseName;
    std::error_code ec;
    if (!environment->clientFolder.empty() && std::filesystem::is_regular_file(defaultPath, ec)) {
        std::string error;
        if (std::optional<ClientFileContents> read = ReadClientFile(defaultPath, environment, error))
            contents = std::move(*read);
        else
            ErrorMessage(11240, error);
    }
    FileNameDuring name(*environment, kDefaultCaseName, kUntitledName);
    contents.answers->Calculate();
    return contents;
}

void ConvertPriorVersionAnswers(TAnswer& a) {
    if (a.Ticked(1, 4) || a.Ticked(1, 5)) a.SetText(1, 53, "X");
    if (a.Ticked(1, 39) || a.Ticked(1, 40)) a.SetText(1, 6, "X");
    for (const SlotRange& range : kClearedSlots)
        for (int slot = range.first; slot <= range.last; ++slot) a.SetText(range.page, slot, "");
    for (const auto& slot : kFilingStatusSlots) {
        for (const FilingStatusCode& code : kFilingStatusCodes) {
            if (a.Text(slot[0], slot[1]) == code.code) {
                a.SetText(slot[0], slot[1], code.index);
                break;
            }
        }
    }
    for (int page : {15, 16})
        for (int slot = 0; slot <= LastSlot(page); ++slot) a.SetText(page, slot, "");
}

std::string ImportedFileName(const std::string& clientFolder, const std::string& oldPath) {
    return IncludeTrailingPathDelimiter(clientFolder) + StripExtension(FileNameOnly(oldPath)) + ".Q10";
}

std::optional<ClientFileContents> ImportPriorVersionFile(const std::string& oldPath, const std::string& outputPath,
                                                         int currentPage,
                                                         std::shared_ptr<CalcEnvironment> environment,
                                                         std::string& error, ExistingCase existing) {
    if (SameFile(oldPath, outputPath)) {
        error = "the converted case would replace \"" + oldPath + "\" itself; save it under another name";
        return std::nullopt;
    }
    if (existing == ExistingCase::kKeep && PathIsTaken(outputPath)) {
        error = "the case \"" + outputPath + "\" already exists and is not replaced without being asked";
        return std::nullopt;
    }
    const std::string previousName = environment->currentFileName;
    std::optional<ClientFileContents> contents = ReadClientFile(oldPath, environment, error);
    if (!contents) return std::nullopt;
    TAnswer& answers = *contents->answers;
    ConvertPriorVersionAnswers(answers);
    {
        // The short forms are rebuilt while the case still carries the old file's name.
        FileNameDuring name(*environment, oldPath, previousName);
        Calc15(answers);
        Calc16(answers);
    }
    if (currentPage >= 0) answers.SetText(1, 100, std::to_string(currentPage));
    if (!WriteClientFile(outputPath, answers, contents->grid, error)) return std::nullopt;
    environment->currentFileName = outputPath;
    return contents;
}

}  // namespace quill10
