#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zorind {

// Locale-independent number text, as printf's "%.<decimals>f" would write
// it in the C locale (always a decimal point).
std::string formatFixed(double value, int decimals);
// The one rule for the sign of zero: a number text that shows zero carries
// no sign ("-0.00" becomes "0.00", "-0" and "-0,0" lose theirs as well).
void dropSignOfZero(std::string& text);
// formatFixed for a text on the screen, by that rule: -0.0001 with two
// decimals is "0.00".
std::string shownFixed(double value, int decimals);
void appendFixed(std::string& out, double value, int decimals);
// A stored float as the project and exchange files write it: with
// `decimals` decimals, as they always have, whenever that text reads back as
// the same float; otherwise with the fewest digits that do ("1.5e-07",
// "0.1234567"), which a reader of "%f" takes as well.
void appendFileNumber(std::string& out, float value, int decimals);
// "%.9g": the shortest general form that still round-trips a float.
std::string formatGeneral(double value, int significantDigits);
// A stored float as the status bar, the lists and the result windows show
// it: widened to double, general notation, up to 15 significant digits,
// with the given decimal separator (0.1f shows as 0.100000001490116).
std::string displayNumber(float value, char decimalSeparator);

// White space as scanf skips it in the C locale.
inline bool isScanfBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The text without such white space at either end.
std::string_view trimmedBlanks(std::string_view s);

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

// A typed number as the float the tables hold: the nearest float, so that
// every finite float's own text reads back as that float, the largest one
// ("3.4028235e38") included. Nothing when there is no number or when it
// rounds beyond the float range. A zero comes back without a sign.
std::optional<float> typedFloat(std::optional<double> typed);

// Characters, the sign not counted, up to which a dialog field shows a
// number in plain notation.
inline constexpr std::size_t kPlainFieldChars = 12;

// A stored float as a dialog field shows it: the fewest digits that read
// back as the same float, with the given decimal separator and no group
// separators; in plain notation while that takes at most kPlainFieldChars
// characters (100000, 0.00001, 123456790000), in exponent notation beyond
// (1e+12, 1e-11, 3.4028235e+38); a zero without a sign.
std::string fieldNumber(float value, char decimalSeparator);

} // namespace zorind
