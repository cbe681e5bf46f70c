// Fuzzes the settings file reader: any text gives settings and a list of
// problems, never a crash; what it reads writes out and reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace quill10;
    Settings settings;
    ParseSettingsText(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.ini", settings);
    // Writing and reading back is stable once the texts are in file form.
    const std::string first = SettingsText(settings);
    Settings again;
    ParseSettingsText(first, "fuzz.ini", again);
    Settings third;
    ParseSettingsText(SettingsText(again), "fuzz.ini", third);
    if (SettingsText(third) != SettingsText(again)) std::abort();
    return 0;
}
