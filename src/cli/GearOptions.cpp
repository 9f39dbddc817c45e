#include "cli/GearOptions.h"

#include "files/DimensionFile.h"
#include "files/OlderFormatFile.h"
#include "kinematics/MidGear.h"
#include "kinematics/ReverseArm.h"
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

// What the Fwd / Rev buttons and the ends of the reverse-arm bar leave, from a bar at 0.
void MoveBarTo(Model& m, int position) {
    if (position != 0) SetRevArmFromBar(m, position);
}

void SetGear(Model& m, const std::string& gear) {
    GearState& g = m.Gear;
    const FrameDimensions& f = m.Frame;
    if (gear == "mid") {
        g.RevArmPos = g.RevArmCenter;
    } else if (gear == "fwd") {
        g.RevArmPos = static_cast<float>(static_cast<long double>(g.RevArmCenter) + f.RevArmCentNorm);
        MoveBarTo(m, NormalForwardBarPosition(m));
    } else if (gear == "rev") {
        g.RevArmPos = static_cast<float>(static_cast<long double>(g.RevArmCenter) - f.RevArmCentNorm);
        MoveBarTo(m, NormalReverseBarPosition(m));
    } else if (gear == "full-fwd") {
        MoveBarTo(m, RevArmBarMax(m));
    } else if (gear == "full-rev") {
        MoveBarTo(m, -RevArmBarMax(m));
    } else {
        throw UsageError("--gear: expected mid, fwd, rev, full-fwd or full-rev, got '" + gear + "'");
    }
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
