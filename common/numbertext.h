#pragma once

#include <QString>

#include <optional>

// Numbers typed into text boxes and kept in lists are read the way the original editor read them:
// the longest leading part of the text that is a number, blanks ignored wherever they occur.
namespace NumberText {

// Blanks, tabs and line feeds are dropped; then an optional sign, digits, an optional decimal
// point with digits and an optional exponent (E or D) are read, or "&H"/"&O" followed by
// hexadecimal/octal digits. A text that does not begin with a number is worth 0.
double leadingValue(const QString& text);
// The same, but empty when the text does not begin with a number.
std::optional<double> leadingNumber(const QString& text);

// Rounds to the nearest integer, halves to the even neighbour.
double roundHalfEven(double value);

// The leading value rounded half to even, when it lies within [low, high].
std::optional<int> integerInRange(const QString& text, int low, int high);

} // namespace NumberText
