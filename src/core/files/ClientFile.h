#pragma once
// The client file (".q10"): one case, both worksheets, their short forms,
// the printed-page copies and the support scheduler table.
//
// A Windows-1252 text file with CR LF line ends and one value per line (UTF-8
// after the UTF-8 mark when a text does not fit Windows-1252, TextEncoding.h):
//   the program name
//   the version number in the 23-character real form (" 1.01400000000000E+0001")
//   for each page 0-59: "Page P; Continuation Page 0", then for every slot of
//     the page its text on one line and its override flag ("1" or "0") on the next
//   "Support Scheduler - ***************"
//   "Row Count"
//   the number of scheduler rows, then every cell row by row, nine to a row.
// The reader also accepts LF alone as line end.
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/SafeSave.h"
#include "store/SchedulerGrid.h"
#include "store/Answers.h"

namespace quill10 {

class CalcEnvironment;

inline constexpr const char* kSchedulerHeaderLine = "Support Scheduler - ***************";
inline constexpr const char* kRowCountLine = "Row Count";

// The whole client file's bytes with CR LF line ends.  Slot
// 1:100 is written as it stands (the caller sets it to the page on display).
// A line break inside a text would put every later line out of step, so each
// one is written as " | ", the way memos keep theirs.
std::string ClientFileText(const TAnswer& answers, const SchedulerGrid& grid);

// Saves the case through SaveFileAtomically: on failure the file on disk is
// left as it was and `error` says why.  `write` is for tests (see SafeSave.h).
bool WriteClientFile(const std::string& path, const TAnswer& answers, const SchedulerGrid& grid,
                     std::string& error, const WriteFunction& write = {});

// A case read from a client file: a fresh answer store and its scheduler table.
struct ClientFileContents {
    std::unique_ptr<TAnswer> answers;
    SchedulerGrid grid;
};

// Reads a client file's bytes into a fresh store made with `environment`
// and a fresh grid.  Only a complete read returns them; otherwise the result
// is empty and `error` tells what is wrong ("line N: ..."), so the case that
// is open stays as it was.
std::optional<ClientFileContents> ParseClientFile(std::string_view bytes,
                                                  std::shared_ptr<CalcEnvironment> environment,
                                                  std::string& error);

// Reads the client file at `path` with ParseClientFile; a file that cannot be
// opened or read is reported in `error` with the reason, and so is anything
// but a regular file and a file larger than 64 MB.
std::optional<ClientFileContents> ReadClientFile(const std::string& path,
                                                 std::shared_ptr<CalcEnvironment> environment,
                                                 std::string& error);

}  // namespace quill10
