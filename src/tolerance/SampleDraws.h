// The random numbers of a tolerance study, the same bits on every machine.

#pragma once

// Each number is worked out from the seed, the sample's index and the variable's stream
// alone, so a sample is the same whichever core or shard draws it, and a variable keeps
// its numbers when others are added to or taken from a study. Only integer arithmetic,
// + - * / and the square root are used (all exactly rounded by IEEE 754): the standard
// library's distributions and its logarithm may differ between libraries.

#include <cstdint>

namespace lm {

// A 64-bit mix of the three (SplitMix64's finaliser, applied in turn).
std::uint64_t DrawBits(std::uint64_t seed, std::uint64_t sample, std::uint64_t stream);

// Uniform in the open interval (0, 1), 53 bits.
double UniformDraw(std::uint64_t seed, std::uint64_t sample, std::uint64_t stream);

// The natural logarithm of x > 0, within a few ulps, from arithmetic alone.
double PortableLog(double x);

// The standard normal distribution's quantile at p in (0, 1) (Acklam's rational
// approximation, relative error below 1.2e-9, refined by nothing that needs exp).
double NormalQuantile(double p);

}  // namespace lm
