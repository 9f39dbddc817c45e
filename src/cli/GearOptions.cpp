// The gear options shared by every command: files first, then dimensions (finding mid
// gear again as an editor does), then reverse arm, gear position and driver angle.

#include "cli/GearOptions.h"

#include <limits>
#include <optional>

#include "files/DimensionFile.h"
#include "files/OlderFormatFile.h"
#include "kinematics/GearPositions.h"
#include "kinematics/MidGear.h"
#include "kinematics/StartUp.h"
#include "model/DimensionEdit.h"
#include "model/DimensionTable.h"

namespace lm::cli {

namespace {

void LoadFiles(Model& m, const Arguments& args) {
    for (const auto& [name, value] : args.options) {
        FileResult r;
        if (name == "open") r = OpenDimensionFile(m, value);
        else if (name == "import") r = ImportOlderFormatFile(m, value);
        else continue;
        if (!r.ok()) throw UsageError(r.error);
    }
}

void SetDimensions(Model& m, const Arguments& args) {
    bool any = false;
    for (const auto& [name, value] : args.options) {
        if (name != "set") continue;
        const auto eq = value.find('=');
        if (eq == std::string::npos)
            throw UsageError("--set: expected NAME=VALUE, got '" + value + "'");
        const std::string code = value.substr(0, eq);
        const DimensionInfo* d = FindDimension(code);
        if (!d) throw UsageError("--set: unknown dimension '" + code + "'");
        ApplyEditedDimension(m, *d, SingleOption("set " + code, value.substr(eq + 1)));
        any = true;
    }
    if (any) FindMidGear(m);  // as closing an editor does
}

void SetGear(Model& m, const std::string& gear) {
    const std::optional<GearPosition> g = ParseGearPosition(gear);
    if (!g) throw UsageError("--gear: expected mid, fwd, rev, full-fwd or full-rev, got '" + gear + "'");
    MoveToGearPosition(m, *g);
}

}  // namespace

void ApplyGearOptions(Model& m, const Arguments& args) {
    StartUp(m);
    LoadFiles(m, args);
    SetDimensions(m, args);
    if (auto v = args.Last("revarm")) m.Gear.RevArmPos = SingleOption("revarm", *v);
    if (auto v = args.Last("gear")) SetGear(m, *v);
    if (auto v = args.Last("angle")) m.Gear.DriverAngle = SingleOption("angle", *v);
}

}  // namespace lm::cli
