// The number rules every window and the command line share: reading, writing, rounding.

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lm {

// Typed-number conversion used by every edit box and by the command line: leading blanks,
// an optional sign, digits and one decimal point; reading stops at the first other character.
// Nothing readable gives 0. Never returns a non-finite value: huge input is clamped to
// the largest finite single.
float ParseTypedNumber(std::string_view text);

// Strict form for scripts: the whole text must be a finite number (exponents allowed).
// Returns false for anything else.
bool ParseStrictNumber(std::string_view text, double& out);

// A count or seed: the whole text digits only, no sign, fitting 64 bits.
bool ParseWholeNumber(std::string_view text, std::uint64_t& out);

// "w.d" text: fixed-point with d decimals, right-aligned in at least w characters.
std::string FormatFixed(double value, int width, int decimals);

// The same without padding, and without a sign on a value that rounds to zero ("-0.0"
// reads as a sign that is not there): tables' cells and scripts' numbers.
std::string FixedText(double value, int decimals);

// Round half to even to an int, clamping first so that non-finite or out-of-range
// reals never reach the conversion (NaN gives 0).
std::int32_t RoundToInt(long double value);

// Brings an angle into 0 <= a <= 360 by whole turns, as repeated subtraction and addition
// of 360 would, but in bounded time for any value. A = 360 only for a tiny negative
// angle (above about -1.5e-5), where adding 360 rounds to 360 in single precision;
// every user takes 360 as the same position as 0. Non-finite angles give 0.
float WrapDegrees(float angle);

}  // namespace lm
