#pragma once
// The support schedule a calculation computes with, as the settings record
// it: an office's own file with the name and effective date ("YYYY-MM-DD")
// the office gave it and the fingerprint ("ABCD-1234") its rows had when it
// was installed; no file: the schedule installed with the program
// (table.txt in the program folder).  A file whose rows no longer have the
// recorded fingerprint is refused; files installed by an earlier version
// have none recorded.
#include <string>

namespace quill10 {

struct OfficeSchedule {
    std::string file;
    std::string name;
    std::string effective;
    std::string fingerprint;
    bool operator==(const OfficeSchedule&) const = default;
};

}  // namespace quill10
