// A tolerance study worked out for one gear: what varies, how, and where it is looked at.

#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/Model.h"
#include "tolerance/StudyDescription.h"
#include "tolerance/StudySettings.h"

namespace lm {

// A dimension (its index in the dimension table) and how much of a variable's draw it takes.
struct PlannedLength {
    int Dimension = 0;
    double Factor = 1;
    friend bool operator==(const PlannedLength&, const PlannedLength&) = default;
};

// One random number of each sample: a dimension's tolerance, or one link's share of a
// pin's play.
struct StudyVariable {
    int Source = 0;            // what the variance shares name it by
    std::uint64_t Stream = 0;  // which numbers it draws, fixed by what it varies
    double Reach = 0;          // plus or minus this (uniform); three standard deviations (normal)
    bool Normal = false;
    std::vector<PlannedLength> Lengths;
    friend bool operator==(const StudyVariable&, const StudyVariable&) = default;
};

struct PlannedSetting {
    StudySetting Setting;
    char Graph = 'F';      // the port diagram's graph through it on the drawn gear
    double Reverser = 0;   // the drawn gear's arm from mid gear, forward positive
};

struct StudyPlan {
    std::vector<std::string> Sources;  // "EccRodFwd", "pin 10", in study order
    std::vector<StudyVariable> Variables;
    std::vector<PlannedSetting> Settings;
    std::uint64_t Samples = 0;
    std::uint64_t Seed = 0;
};

// The study must have passed CheckStudy. Dimensions in table order first (their own
// tolerance, or the default for their kind), then the pins in the order given.
StudyPlan PlanStudy(const Model& gear, const ToleranceStudy& study);

// The variables' changes in sample `index`, one per variable.
void DrawSample(const StudyPlan& plan, std::uint64_t index, std::span<double> changes);

// The gear as built with those changes: each dimension moved by the sum of its changes,
// as typed into its box, and mid gear found again. GearError is up when that failed.
Model SampleGear(const Model& gear, const StudyPlan& plan, std::span<const double> changes);

}  // namespace lm
