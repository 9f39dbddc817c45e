// Any 44 dimension values as the editors would store them, then mid gear, a solve
// sweep, a few animation ticks and the main window's picture onto a recording canvas,
// then at most one diagram, chosen by the byte after the values (all of them would make
// each input too slow to explore much). Coordinates
// reach the canvas as whole pixels, so a non-finite one would show as a float-to-int
// overflow, which the sanitizer this runs under stops on.
#include <cmath>
#include <cstring>
#include <limits>

#include "FuzzSupport.h"
#include "diagrams/Diagrams.h"
#include "graphics/RecordingCanvas.h"
#include "kinematics/LinkageSolver.h"
#include "kinematics/MidGear.h"
#include "kinematics/PistonAndPorts.h"
#include "kinematics/RevArmPositionSet.h"
#include "kinematics/ReverseArm.h"
#include "mainwindow/AnimationTick.h"
#include "mainwindow/MainRender.h"
#include "model/DimensionEdit.h"
#include "model/DimensionTable.h"

namespace {

// What a typed box can store: the typed conversion never gives a non-finite value.
float Storable(float v) {
    if (std::isnan(v)) return 0;
    constexpr float kMax = std::numeric_limits<float>::max();
    return v > kMax ? kMax : v < -kMax ? -kMax : v;
}

void CheckAngles(const lm::Model& m) {
    using lm::fuzz::Require;
    Require(m.Frame.EccAngFwd >= 0 && m.Frame.EccAngFwd <= 360, "forward eccentric angle out of range");
    Require(m.Frame.EccAngRev >= 0 && m.Frame.EccAngRev <= 360, "reverse eccentric angle out of range");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lm;
    Model m = fuzz::StartedModel();
    std::size_t at = 0;
    for (const DimensionInfo& d : AllDimensions()) {
        if (at + 4 > size) break;
        float v = 0;
        std::memcpy(&v, data + at, 4);
        at += 4;
        ApplyEditedDimension(m, d, Storable(v));
    }
    FindMidGear(m);
    CheckAngles(m);

    for (float angle = 0; angle < 360; angle += 45) {
        m.Gear.DriverAngle = angle;
        m.Gear.GearError = false;
        SolveLinkage(m);
        SolvePistonAndPorts(m);
    }

    RecordingCanvas canvas;
    MainWindowState state;
    SetRevArmFromBar(m, RevArmBarMax(m));
    for (int tick = 0; tick < 4; ++tick) {
        AnimationTick(m, state);
        fuzz::Require(m.Gear.DriverAngle >= 0 && m.Gear.DriverAngle <= 360.1f, "driver angle out of range");
        RenderMainWindow(m, state, canvas);
        canvas.Forget();
    }

    ApplyRevArmRunRule(m);
    // The port diagram solves about 60 times as often as a tick; most inputs skip it.
    switch (at < size ? data[at] % 8 : 0) {
        case 0: DrawSineDiagram(m, canvas); break;
        case 1: DrawOvalDiagram(m, canvas); break;
        case 2: DrawSteamDiagram(m, canvas); break;
        case 3: DrawPortDiagram(m, canvas, 'F', true); break;
        case 4: DrawPortDiagram(m, canvas, 'R', false); break;
        default: break;
    }
    CheckAngles(m);
    return 0;
}
