#pragma once
// quill10-cli recover: the recovery copies of unsaved work whose window has
// gone, numbered newest first as "recover list" shows them.  "show N" tells
// what copy N holds, "save N OUT.q10" writes its case to OUT.q10 (the copy
// stays until "discard N"), "discard N" removes it.  Exit status 0, or 1
// when a copy cannot be read or written, or there is no copy N.
#include <ostream>
#include <string>
#include <vector>

#include "files/Recovery.h"

namespace quill10 {

// Every copy with its number, case, folder, time and the state of the case
// on disk; a copy that cannot be read is listed with why (status 1).
int ListRecoveryCopies(const std::vector<RecoveryEntry>& copies, const std::string& folder, std::ostream& out);

// Copy `number` (from 1) of `copies`; none, with `error` saying why, when
// there is no such copy.
const RecoveryEntry* NumberedCopy(const std::vector<RecoveryEntry>& copies, int number, std::string& error);

// What the copy holds: its case, folder, time, changes, window, the case on
// disk, and the headline figures as the window showed them.
int ShowRecoveryCopy(const RecoveryEntry& copy, std::ostream& out, std::ostream& err);

// Writes the copy's case to `output` through a safe save.
int SaveRecoveryCopy(const RecoveryEntry& copy, const std::string& output, std::ostream& out, std::ostream& err);

// Removes the copy; the case's own file is not touched.
int DiscardRecoveryCopy(const RecoveryEntry& copy, std::ostream& out, std::ostream& err);

}  // namespace quill10
