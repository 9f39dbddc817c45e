// The reverser settings a tolerance study looks at: the named ones and ranges of them.

#pragma once

#include <span>
#include <string>
#include <vector>

#include "kinematics/GearPositions.h"
#include "model/Model.h"

namespace lm {

inline constexpr int kDefaultRangePoints = 9;
inline constexpr int kMaxRangePoints = 101;
inline constexpr int kMaxStudySettings = 200;

// A named setting (From == To) or a point of a range, Fraction of the way from the arm's
// place at From to its place at To, each found on the gear as built.
struct StudySetting {
    std::string Label;  // "fwd", or "mid..full-fwd@0.25"
    GearPosition From = GearPosition::Mid;
    GearPosition To = GearPosition::Mid;
    double Fraction = 0;
};

// Each text names a setting or a range "A..B" of `kDefaultRangePoints` evenly spaced
// points, or "A..B/N" of N (2 to kMaxRangePoints). Returns the error naming the text.
std::string ParseStudySettings(std::span<const std::string> texts, std::vector<StudySetting>& out);

// The arm's place for the setting on this gear, from its mid gear as found.
float StudyArmPosition(const Model& gear, const StudySetting& s);

}  // namespace lm
