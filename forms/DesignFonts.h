#pragma once

class QWidget;

// The window designs name Verdana, Courier and MS Sans Serif in sizes of a quarter point.
namespace DesignFonts {

// Gives every font of the window its stand-in family (an outline font from Debian's font
// packages, scalable to any display scale, on which every caption fits where the design puts it;
// other families are kept) and the design's quarter-point size:
// Designer files hold whole point sizes (8 -> 8.25, 10 -> 9.75, 14 -> 13.5), that is 11, 13 and
// 18 pixels at 96 dots per inch.
void applyDesignFonts(QWidget* root);

} // namespace DesignFonts
