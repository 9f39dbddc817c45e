// Random dimension sets, from nominal-ish to absurd, through everything a user can reach
// without a window: typing, mid gear, solving, ticking, the main picture and the
// diagrams. A fixed seed keeps a failure reproducible; LM_RANDOM_GEARS raises the count
// for the soak run, which also reports memory.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "common/Numbers.h"
#include "diagrams/Diagrams.h"
#include "graphics/RecordingCanvas.h"
#include "kinematics/LinkageSolver.h"
#include "kinematics/MidGear.h"
#include "kinematics/PistonAndPorts.h"
#include "kinematics/RevArmPositionSet.h"
#include "kinematics/ReverseArm.h"
#include "kinematics/StartUp.h"
#include "mainwindow/AnimationTick.h"
#include "mainwindow/MainRender.h"
#include "model/DimensionEdit.h"
#include "model/DimensionTable.h"

namespace lm {
namespace {

// Raw generator output only: the standard distributions differ between libraries.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : gen_(seed) {}
    std::uint32_t Below(std::uint32_t n) { return gen_() % n; }
    double Unit() { return gen_() / 4294967296.0; }

private:
    std::mt19937 gen_;
};

float RandomValue(Dice& dice, float nominal) {
    const float sign = dice.Below(2) ? 1.0f : -1.0f;
    switch (dice.Below(5)) {
        case 0: return 0;
        case 1: return -std::fabs(nominal) * static_cast<float>(0.1 + 2 * dice.Unit());
        case 2: return sign * static_cast<float>(std::pow(10.0, -30 + 24 * dice.Unit()));
        case 3: return sign * static_cast<float>(std::pow(10.0, 6 + 32.5 * dice.Unit()));
        default: return nominal * static_cast<float>(0.5 + dice.Unit());
    }
}

// Resident memory in kB, from the kernel's own count.
long ResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    return -1;
}

TEST(RandomGears, AnySetSolvesTicksAndDrawsWithMidGearFinite) {
    const char* countText = std::getenv("LM_RANDOM_GEARS");
    const long count = countText ? std::atol(countText) : 1000;
    // A diagram of an absurd set can take a second (its solves search without
    // converging), so forty sets in the run draw one, each diagram in turn.
    const long diagramEvery = std::max(1L, count / 40);
    Model started;
    StartUp(started);
    Dice dice(20261208);
    RecordingCanvas canvas;
    long memoryAfterWarmUp = 0;

    for (long set = 0; set < count; ++set) {
        Model m = started;
        // As typed: the text a user could enter, through the editors' conversion.
        for (const DimensionInfo& d : AllDimensions()) {
            const float v = RandomValue(dice, GetDimension(started, d));
            ApplyEditedDimension(m, d, ParseTypedNumber(FormatFixed(v, 1, 40)));
        }
        FindMidGear(m);
        ASSERT_TRUE(std::isfinite(m.Gear.RevArmCenter)) << "set " << set;
        ASSERT_TRUE(std::isfinite(m.Gear.RevArmPos)) << "set " << set;
        ASSERT_GE(m.Frame.EccAngFwd, 0) << "set " << set;
        ASSERT_LE(m.Frame.EccAngFwd, 360) << "set " << set;

        for (float angle = 0; angle < 360; angle += 45) {
            m.Gear.DriverAngle = angle;
            SolveLinkage(m);
            SolvePistonAndPorts(m);
        }
        MainWindowState state;
        SetRevArmFromBar(m, RevArmBarMax(m));
        for (int tick = 0; tick < 3; ++tick) {
            AnimationTick(m, state);
            ASSERT_GE(m.Gear.DriverAngle, 0) << "set " << set;
            ASSERT_LE(m.Gear.DriverAngle, 360.1f) << "set " << set;
            RenderMainWindow(m, state, canvas);
            ASSERT_FALSE(canvas.Marks().empty()) << "set " << set;
            canvas.Forget();
        }

        if (set % diagramEvery == 0) {
            ApplyRevArmRunRule(m);
            switch (set / diagramEvery % 5) {
                case 0: DrawSineDiagram(m, canvas); break;
                case 1: DrawOvalDiagram(m, canvas); break;
                case 2: DrawSteamDiagram(m, canvas); break;
                case 3: DrawPortDiagram(m, canvas, 'F', true); break;
                default: DrawPortDiagram(m, canvas, 'R', false); break;
            }
            canvas.Forget();
            for (int k = 1; k <= kRevArmPositionCount; ++k)
                ASSERT_TRUE(std::isfinite(m.Gear.RevArmPositions[static_cast<std::size_t>(k)])) << "set " << set;
        }
        if (set == 999) memoryAfterWarmUp = ResidentKb();
    }
    if (count > 1000) {
        const long end = ResidentKb();
        std::printf("random gears: %ld sets; resident memory %ld kB after 1000, %ld kB at the end\n",
                    count, memoryAfterWarmUp, end);
        EXPECT_LE(end - memoryAfterWarmUp, 1024) << "memory grew over the run";
    }
}

}  // namespace
}  // namespace lm
