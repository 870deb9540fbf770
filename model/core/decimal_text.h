#pragma once
// Real numbers as the planner shows them: fixed notation with a given number
// of decimals, always with "." as the decimal separator, and the one rounding
// to whole numbers that sends halves to the even neighbour.

#include <optional>
#include <string>
#include <string_view>

namespace davoruzivi {

// The value in fixed notation with `decimals` (0 or more) digits after the
// point. The value is first taken to its 15 significant decimal digits; that
// digit string is then cut after the last shown place, a following digit of 5
// or more rounding the magnitude up (so 5.25 shows "5.3" and -0.5 with no
// decimals "-1"). A value that rounds to zero shows no sign. Values that are
// not finite show "NAN", "INF" or "-INF".
std::string FixedText(double value, int decimals);

// FixedText of the value first rounded, the same way, to `significantDigits`
// significant digits (1.801 with one digit and one decimal shows "2.0").
std::string FixedText(double value, int decimals, int significantDigits);

// The number FixedText(value, decimals) reads back as: exactly what parsing
// that text gives, computed without building the text for the usual sizes.
double FixedTextValue(double value, int decimals);

// A decimal text with "." as separator ("-12", "5.3", "0.0") as a number, the
// double nearest to it; nothing when the whole text is not such a number.
std::optional<double> ParseDecimal(std::string_view text);

// The whole number nearest to the value; a value exactly halfway between two
// goes to the even one (2.5 gives 2, 3.5 gives 4, -2.5 gives -2).
double NearestEven(double value);

}  // namespace davoruzivi
