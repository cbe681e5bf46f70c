#pragma once
// What the application sets up around the main window: numbered errors in
// a warning box, the regional settings of the system locale.
namespace quill10::gui {

// Numbered errors beep and show their catalogue text in a warning box with
// OK and Cancel (the button pressed is ignored).
void InstallErrorBoxes();

// Decimal and thousands separators and the short date format of the
// system's locale, for the parsers and formatters.
void UseSystemRegionalSettings();

}  // namespace quill10::gui
