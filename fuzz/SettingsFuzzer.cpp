// Fuzzes the settings file reader: any text gives settings and a list of
// problems, never a crash.  What it reads writes out and reads back as the
// same settings at once (the first round trip), with no problem, and the
// written text is stable from then on.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "files/Settings.h"
#include "store/Misc.h"

namespace {

using namespace quill10;

void Require(bool condition) {
    if (!condition) std::abort();
}

// Reals are written to 15 significant digits, so they are compared in
// their written form.
bool SameSettings(const Settings& a, const Settings& b) {
    const Folders& f = a.folders;
    const Folders& g = b.folders;
    return f.clientFiles == g.clientFiles && f.wq8 == g.wq8 && f.wq7 == g.wq7 && f.templates == g.templates &&
           f.send == g.send && f.vlp == g.vlp && f.settings == g.settings && a.forceWord == b.forceWord &&
           a.forceWordPad == b.forceWordPad && a.wordPath == b.wordPath &&
           Real23Text(a.interestThreshold) == Real23Text(b.interestThreshold) &&
           Real23Text(a.defaultInterestRate) == Real23Text(b.defaultInterestRate) &&
           Real23Text(a.zoomFactor) == Real23Text(b.zoomFactor) &&
           Real23Text(a.shrinkAmount) == Real23Text(b.shrinkAmount) && a.recentFiles == b.recentFiles &&
           a.keyboardReachesComputed == b.keyboardReachesComputed;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Settings settings;
    ParseSettingsText(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.ini", settings);
    // Nothing read holds a line break, so every value keeps its line.
    const std::string first = SettingsText(settings);
    Settings again;
    Require(ParseSettingsText(first, "fuzz.ini", again).empty());
    Require(SameSettings(settings, again));
    Require(SettingsText(again) == first);
    return 0;
}
