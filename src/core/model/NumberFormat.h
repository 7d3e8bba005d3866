#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zorind {

// Locale-independent number text, as printf's "%.<decimals>f" would write
// it in the C locale (always a decimal point).
std::string formatFixed(double value, int decimals);
// A fixed-point text that shows zero carries no sign: "-0.00" becomes "0.00".
void dropSignOfZero(std::string& text);
void appendFixed(std::string& out, double value, int decimals);
// "%.9g": the shortest general form that still round-trips a float.
std::string formatGeneral(double value, int significantDigits);
// A stored float as the status bar, the lists and the result windows show
// it: widened to double, general notation, up to 15 significant digits,
// with the given decimal separator (0.1f shows as 0.100000001490116).
std::string displayNumber(float value, char decimalSeparator);

// Whole-token parsing independent of the locale. A leading '+' is accepted,
// as scanf accepts it; anything left over makes the token invalid.
std::optional<int> parseInt(std::string_view token);
// Parses into a float; out-of-range magnitudes and "inf"/"nan" are refused.
std::optional<float> parseFiniteFloat(std::string_view token);
std::optional<double> parseFiniteDouble(std::string_view token);

// A decimal number as typed in a dialog: the user's separator or a point, an
// optional sign and exponent, blanks around it; no group separators.
// Nothing for anything else, infinity and NaN included.
std::optional<double> parseDecimalText(std::string_view text, char decimalSeparator);

} // namespace zorind
