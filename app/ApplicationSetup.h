#pragma once

// Application-wide settings every window relies on: the program's name and version, the widget
// style that the fixed-pixel window designs are drawn for, and the stand-ins for their fonts.
namespace ApplicationSetup {
void apply();
}
