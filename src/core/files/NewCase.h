#pragma once
// New cases and the import of cases made with the two predecessor programs
// (WQ7 and WQ8 files, which share the client file's line layout).
#include <memory>
#include <string>

#include "files/ClientFile.h"

namespace quill10 {

inline constexpr const char* kDefaultCaseName = "default.q10";
inline constexpr const char* kUntitledName = "Untitled.q10";

// A fresh store with its defaults, seeded from "default.q10" in the
// environment's client-file folder when that file exists, calculated under
// the name "default.q10" (so its defaults always calculate), and then named
// "Untitled.q10".  The scheduler table starts as one blank row.  A default
// file that cannot be read reports error 11240 and the case keeps the
// defaults.  A missing support table propagates as SupportTableError.
ClientFileContents CreateNewCase(std::shared_ptr<CalcEnvironment> environment);

// Converts a predecessor file's answers in place: the caption boxes, the
// cleared pay-period and estimator slots, the filing status codes, and
// empty short forms (rebuilt afterwards).
void ConvertPriorVersionAnswers(TAnswer& answers);

// The name an imported file is saved under: client-file folder + the old
// file's name without folder and extension + ".Q10".
std::string ImportedFileName(const std::string& clientFolder, const std::string& oldPath);

// Whether an import may replace a case that already has the name it saves to.
enum class ExistingCase {
    kKeep,     // an existing case is kept and the import refused
    kReplace,  // the user has said to replace it
};

// Reads a WQ7 or WQ8 file, converts it, rebuilds both short forms, records
// `currentPage` in slot 1:100 (a negative page keeps the file's own) and
// saves it at once to `outputPath` (the environment's current file name
// becomes that path).  The old file is never changed, so an output that is
// the old file itself is refused; an existing case at `outputPath` is
// replaced only with ExistingCase::kReplace.  Nothing is saved when the file
// cannot be read or the import is refused; the result is then empty and
// `error` says why.
std::optional<ClientFileContents> ImportPriorVersionFile(const std::string& oldPath, const std::string& outputPath,
                                                         int currentPage,
                                                         std::shared_ptr<CalcEnvironment> environment,
                                                         std::string& error,
                                                         ExistingCase existing = ExistingCase::kKeep);

}  // namespace quill10
