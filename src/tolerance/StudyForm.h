// A tolerance study as the window's boxes show it: one row per dimension and pin joint,
// the defaults, the sample count, the seed and the settings, all as typed text.

#pragma once

#include <string>
#include <vector>

#include "model/DimensionTable.h"
#include "tolerance/PinJoints.h"
#include "tolerance/StudyDescription.h"

namespace lm {

struct StudyFormRow {
    const DimensionInfo* Dimension = nullptr;  // or
    const PinJoint* Pin = nullptr;
    std::string Name;   // "EccRodFwd", "pin 8"
    std::string Words;  // "degrees", "link block", ...
};

// The 44 dimensions in table order, then the pin joints.
const std::vector<StudyFormRow>& StudyFormRows();

struct StudyForm {
    // One per row: a dimension's own tolerance (empty: the default for its kind) or a
    // pin's clearance (empty: none).
    std::vector<std::string> Rows;
    std::string DefaultLength, DefaultAngle, Samples, Seed, Settings;
    bool Normal = false;
};

StudyForm StudyFormOf(const ToleranceStudy& study);

// The study the boxes describe (numbers converted as every box converts them; a sample
// count and seed must be whole numbers). Returns the error naming the box; `study` is
// unchanged then.
std::string ReadStudyForm(const StudyForm& form, ToleranceStudy& study);

}  // namespace lm
