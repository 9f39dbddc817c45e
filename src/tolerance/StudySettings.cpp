// Parsing the settings and placing the arm for one of them.

#include "tolerance/StudySettings.h"

#include <charconv>
#include <cstdio>

#include "common/Real.h"

namespace lm {

namespace {

std::string FractionText(double f) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.4g", f);
    return buf;
}

bool ParseCount(const std::string& text, int& n) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, n);
    return ec == std::errc() && ptr == end;
}

float ArmAt(const Model& gear, GearPosition g) {
    Model copy = gear;
    MoveToGearPosition(copy, g);
    return copy.Gear.RevArmPos;
}

}  // namespace

std::string ParseStudySettings(std::span<const std::string> texts, std::vector<StudySetting>& out) {
    std::vector<StudySetting> settings;
    const std::string names = "mid, fwd, rev, full-fwd or full-rev";
    for (const std::string& text : texts) {
        const auto dots = text.find("..");
        if (dots == std::string::npos) {
            const auto g = ParseGearPosition(text);
            if (!g) return "setting '" + text + "': expected " + names + ", or a range such as fwd..full-fwd/5";
            settings.push_back({text, *g, *g, 0});
            continue;
        }
        std::string to = text.substr(dots + 2);
        int points = kDefaultRangePoints;
        if (const auto slash = to.find('/'); slash != std::string::npos) {
            if (!ParseCount(to.substr(slash + 1), points) || points < 2 || points > kMaxRangePoints)
                return "setting '" + text + "': the number of points after '/' must be a whole number from 2 to " +
                       std::to_string(kMaxRangePoints);
            to.erase(slash);
        }
        const auto a = ParseGearPosition(text.substr(0, dots));
        const auto b = ParseGearPosition(to);
        if (!a || !b) return "setting '" + text + "': each end of a range must be " + names;
        if (*a == *b) return "setting '" + text + "': a range needs two different ends";
        const std::string range = text.substr(0, dots) + ".." + to;
        for (int k = 0; k < points; ++k) {
            const double f = static_cast<double>(k) / (points - 1);
            settings.push_back({range + "@" + FractionText(f), *a, *b, f});
        }
    }
    if (settings.empty()) return "no settings given";
    if (settings.size() > static_cast<std::size_t>(kMaxStudySettings))
        return "at most " + std::to_string(kMaxStudySettings) + " settings (ranges count each point)";
    out = std::move(settings);
    return {};
}

float StudyArmPosition(const Model& gear, const StudySetting& s) {
    const float from = ArmAt(gear, s.From);
    if (s.From == s.To || s.Fraction == 0) return from;
    const float to = ArmAt(gear, s.To);
    return Store(static_cast<Real>(from) + (static_cast<Real>(to) - from) * s.Fraction);
}

}  // namespace lm
