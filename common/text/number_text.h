// The two rules that turn the text of an input box into a number and a number
// back into the text of a box. Both ignore the locale: "." is the decimal point.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorla {

// The leading decimal number of a text, 0 when there is none.
//
// Blanks (spaces, tabs, line feeds) are skipped anywhere in the number. The
// number is [sign] digits [. digits] [E|e [sign] digits]; anything else ends it,
// and an exponent letter not followed by a digit ends it before the letter.
//   "12.5 m" -> 12.5    "1,5" -> 1    "abc" -> 0    "" -> 0    "1 2" -> 12
// A number too large for a double reads as an infinity of its sign; one too
// small reads as 0, however it is written ("1e-400", "0.000...0001").
double NumberOfText(std::string_view text);

// A number written with at most 15 significant digits, without an exponent,
// trailing zeros or a trailing point: 0.35 -> "0.35", 600 -> "600", .5 -> "0.5".
std::string TextOfNumber(double value);

// The number when the whole text (leading and trailing blanks aside) is one
// finite decimal number in the form above; nothing otherwise. Used where a text
// that is not a number is an error rather than a zero: option values, file fields.
std::optional<double> ParseWholeNumber(std::string_view text);

// True when the whole text is a number in the form above that is too large for
// a double ("1e400", 400 digits): ParseWholeNumber refuses it as well, but the
// user is better told it is out of range than that it is not a number.
bool IsNumberOutOfRange(std::string_view text);

} // namespace vorla
