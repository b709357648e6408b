#pragma once

#include <QString>

#include <optional>
#include <string>

// The number fields of the calculators: how a value is shown and read back.
namespace NumberText {

// "%.*g" with 15 significant digits exactly as the C library writes it, whatever
// the process's locale: a tie at the last digit rounds to even, negative zero is
// "-0", infinities and not-a-numbers are "inf", "-inf", "nan" and "-nan".
QString format(double value);

// Reads a field's text as a decimal number: optional spaces, an optional
// sign, digits with at most one point (at least one digit), an optional
// exponent, optional spaces. The texts format() writes for infinities and
// not-a-numbers read back too. Anything else is not a number.
std::optional<double> read(const QString& text);

// The value of the longest prefix of an ASCII text that is a decimal number
// (point "."); 0 when there is none. Independent of the process locale.
double decimalPrefixValue(const std::string& text);

} // namespace NumberText
