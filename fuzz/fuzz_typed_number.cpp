// Any text as typed into an edit box or given to a script, and any single as an angle:
// conversions stay finite, strict reading agrees with itself, wrapped angles in range.
#include <cmath>
#include <cstring>
#include <string_view>

#include "FuzzSupport.h"
#include "common/Numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lm;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const float typed = ParseTypedNumber(text);
    fuzz::Require(std::isfinite(typed), "a typed number came out non-finite");
    fuzz::Require(!FormatFixed(typed, 10, 4).empty(), "a typed number has no text");

    double strict = 0;
    if (ParseStrictNumber(text, strict)) fuzz::Require(std::isfinite(strict), "a strict number is non-finite");

    if (size >= 4) {
        float angle = 0;
        std::memcpy(&angle, data, 4);
        const float wrapped = WrapDegrees(angle);
        fuzz::Require(wrapped >= 0 && wrapped <= 360, "a wrapped angle is out of range");
        (void)RoundToInt(angle);
    }
    return 0;
}
