// Typed-number conversion, strict parsing, "w.d" text, safe rounding and angle wrapping.

#include "common/Numbers.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace lm {

float ParseTypedNumber(std::string_view text) {
    // Blanks before the number are skipped: the boxes show their values right-aligned, and
    // a value taken back unchanged must read as itself, not as 0.
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long double value = 0;
    long double scale = 1;
    bool pointSeen = false;
    for (; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch >= '0' && ch <= '9') {
            if (pointSeen) {
                scale /= 10;
                value += (ch - '0') * scale;
            } else {
                value = value * 10 + (ch - '0');
            }
        } else if (ch == '.' && !pointSeen) {
            pointSeen = true;
        } else {
            break;
        }
    }
    constexpr long double kMax = std::numeric_limits<float>::max();
    if (!(value <= kMax)) value = kMax;  // also catches an overflow to infinity
    // A sign with no digits after it reads as 0, not as a negative zero shown as "-0.000".
    return static_cast<float>(negative && value != 0 ? -value : value);
}

bool ParseStrictNumber(std::string_view text, double& out) {
    if (text.empty() || text.size() > 64) return false;
    const std::string copy(text);
    char* end = nullptr;
    errno = 0;
    const double v = std::strtod(copy.c_str(), &end);
    if (end != copy.c_str() + copy.size() || errno == ERANGE || !std::isfinite(v)) return false;
    // strtod also takes "inf", "nan" and hex; only plain decimal numbers are numbers here.
    for (char ch : copy)
        if (!((ch >= '0' && ch <= '9') || ch == '.' || ch == '-' || ch == '+' || ch == 'e' ||
              ch == 'E'))
            return false;
    out = v;
    return true;
}

bool ParseWholeNumber(std::string_view text, std::uint64_t& out) {
    std::uint64_t v = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, v);
    if (text.empty() || ec != std::errc() || ptr != end) return false;
    out = v;
    return true;
}

std::string FormatFixed(double value, int width, int decimals) {
    char buf[512];
    std::snprintf(buf, sizeof buf, "%*.*f", width, decimals, value);
    return buf;
}

std::string FixedText(double value, int decimals) {
    std::string t = FormatFixed(value, 1, decimals);
    if (t.front() == '-' && t.find_first_not_of("-0.") == std::string::npos) t.erase(0, 1);
    return t;
}

std::int32_t RoundToInt(long double value) {
    if (std::isnan(value)) return 0;
    constexpr long double lo = std::numeric_limits<std::int32_t>::min();
    constexpr long double hi = std::numeric_limits<std::int32_t>::max();
    if (value <= lo) return std::numeric_limits<std::int32_t>::min();
    if (value >= hi) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::nearbyint(value));
}

float WrapDegrees(float angle) {
    if (!std::isfinite(angle)) return 0;
    // Step by step, as users have always seen it, while that stays short...
    if (std::fabs(angle) < 360.0f * 64) {
        while (angle >= 360) angle = static_cast<float>(static_cast<long double>(angle) - 360);
        while (angle < 0) angle = static_cast<float>(static_cast<long double>(angle) + 360);
        return angle;
    }
    // ...and by remainder for values where stepping would not end.
    long double r = std::fmod(static_cast<long double>(angle), 360.0L);
    if (r < 0) r += 360;
    float a = static_cast<float>(r);
    if (a >= 360) a = 0;
    return a;
}

}  // namespace lm
