// The report's numbers, from the same functions the windows and the command line use.

#include "report/GearReport.h"

#include <charconv>

#include "kinematics/LinkageSolver.h"
#include "view/WindowTitles.h"
#include "model/DimensionTable.h"

namespace lm {

std::string ExactSingleText(float value) {
    char buf[32];
    const auto [end, error] = std::to_chars(buf, buf + sizeof buf, value);
    if (error != std::errc()) return "?";
    return std::string(buf, end);
}

GearReport MakeGearReport(const Model& m, std::string made) {
    GearReport r;
    r.SetName = m.DataSetName;
    r.Made = std::move(made);
    for (const DimensionInfo& d : AllDimensions())
        r.Dimensions.push_back({std::string(DimensionLabel(d)), std::string(d.CodeName),
                                GetDimension(m, d), d.Group == DimensionGroup::Frame});
    r.MidGear = MidGearLeadAndLap(m);
    r.Events = ComputeValveEvents(m);
    r.Gear = m;

    // The events' rows say where the reverser's range cannot be assembled; the gear as it
    // stands is solved here (GearError is raised only while the error beep is on, so it
    // is switched on for the trial).
    Model trial = m;
    trial.Gear.ErrorBeepOn = true;
    trial.Gear.GearError = false;
    const bool solved = SolveLinkage(trial);
    r.Clamped = !solved || trial.Gear.GearError;
    for (const auto* rows : {&r.Events.Forward, &r.Events.Reverse})
        for (const ValveEventRow& row : *rows) r.Clamped = r.Clamped || row.GearError;
    return r;
}

std::string ReportDateNow() { return ShortDateNow() + " " + LongTimeNow(); }

}  // namespace lm
