#pragma once

class QWidget;

// The window designs ask for sizes of a quarter point (their families are put in at build time,
// see forms/CMakeLists.txt).
namespace DesignFonts {

// Gives every font the design sets its quarter-point size:
// Designer files hold whole point sizes (8 -> 8.25, 10 -> 9.75, 14 -> 13.5), that is 11, 13 and
// 18 pixels at 96 dots per inch.
void applyDesignFonts(QWidget* root);

} // namespace DesignFonts
