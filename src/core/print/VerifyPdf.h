#pragma once
// Verifying a filed PDF: the case embedded in it is calculated again with
// the support schedule its manifest names, the same pages are printed the
// same way, and every figure of the filed pages is compared with the
// figure the case gives, so a worksheet changed after printing, or a case
// that is not the one printed, is caught.
#include <string>

#include "files/Settings.h"

namespace quill10 {

// The exit statuses of a verification.
inline constexpr int kVerified = 0;
inline constexpr int kNotVerified = 1;        // a figure differs, the case was replaced, or no case is attached
inline constexpr int kScheduleNotHere = 3;    // the schedule the pages were computed with is not on this machine

struct Verification {
    int status = kNotVerified;
    std::string report;  // what was found, for the person who received the PDF
};

// Where the schedules of this machine are found: the program folder's
// table.txt, the schedule the settings name, and those kept beside the
// settings file.
struct VerifyPlaces {
    std::string programFolder;
    std::string settingsPath;
    Settings settings;
};

Verification VerifyFiledPdf(const std::string& pdf, const VerifyPlaces& places);

}  // namespace quill10
