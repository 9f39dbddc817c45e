// What a printed gear report says: the set, its dimensions, mid gear, events, pictures.

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "diagrams/Diagrams.h"
#include "model/Model.h"
#include "workbench/ValveEvents.h"

namespace lm {

struct ReportDimension {
    std::string Label;     // the editor's label
    std::string CodeName;  // the name the command line and the files know it by
    float Value = 0;
    bool Frame = true;     // a frame dimension, or a cylinder one
};

// Everything the report prints, worked out once from a copy of the model; the pictures
// are drawn from `Gear` when the pages are.
struct GearReport {
    std::string SetName;
    std::string Made;  // the date and time the report was made, as the user reads them
    std::vector<ReportDimension> Dimensions;
    std::optional<MidGearBlock> MidGear;
    ValveEventsTable Events;
    // The solver had to clamp the geometry as the gear stands or in one of the events'
    // rows: the gear cannot be assembled there.
    bool Clamped = false;
    Model Gear;
};

GearReport MakeGearReport(const Model& m, std::string made);

// The date and time now, as the window titles show them: when a report is made.
std::string ReportDateNow();

// The shortest text that reads back as the same single ("0.6875", "3", "-1.25e-05").
std::string ExactSingleText(float value);

}  // namespace lm
