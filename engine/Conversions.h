#pragma once

#include <QStringView>

#include <optional>

// The number rules every setting and input box goes by.
namespace Conversions {

// The leading numeric part of a text: optional blanks, an optional sign, digits with at most
// one decimal point, and an optional exponent ("e" or "d"). A text that does not begin with a
// number reads as 0; "12abc" reads as 12, "2.5" as 2.5, "-5" as -5.
double numberOf(QStringView text);

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

// The rounded value when it fits a 32-bit signed integer, nothing otherwise.
std::optional<qint32> toInt32(double value);

// The rounded value, held at the nearest end of the 32-bit range when it does not fit
// (not-a-number gives 0).
qint32 toInt32Saturated(double value);

} // namespace Conversions
