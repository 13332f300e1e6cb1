#pragma once

class QWidget;

// The window designs name Verdana, Courier and MS Sans Serif in sizes of a quarter point.
namespace DesignFonts {

// Where the named fonts are missing, installed fonts of similar width and look stand in.
// Call once before the first window is built.
void installSubstitutes();

// Designer files hold whole point sizes; this gives every font the design's quarter-point size
// (8 -> 8.25, 10 -> 9.75, 14 -> 13.5), that is 11, 13 and 18 pixels at 96 dots per inch.
void applyDesignSizes(QWidget* root);

} // namespace DesignFonts
