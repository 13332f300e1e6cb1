#pragma once

class QCheckBox;

// A check box's value as the program stores it: 0 unchecked, 1 checked, 2 grey (neither).
namespace CheckBoxValue {

int of(const QCheckBox* box);

// Values other than 0, 1 and 2 leave the box unchecked. The grey state exists only until the
// user clicks the box; after that it toggles between checked and unchecked as usual.
void set(QCheckBox* box, int value);

} // namespace CheckBoxValue
