// Random dimension sets, from nominal-ish to absurd, through everything a user can reach
// without a window: typing into the editors' boxes key by key, mid gear, solving,
// ticking, the main picture, the diagrams, typed overlay rows and the pivot table. A
// fixed seed keeps a failure reproducible; LM_RANDOM_GEARS raises the count for the soak
// run, which also reports memory.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/Numbers.h"
#include "diagrams/Diagrams.h"
#include "dialogs/PivotTable.h"
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
#include "../common/ProcessMemory.h"
#include "../dialogs/TypingSupport.h"

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

// What a box's filter takes and what it swallows, Enter and backspace among them.
std::string RandomKeys(Dice& dice, std::uint32_t most) {
    static constexpr char kKeys[] = "0123456789.-\b\r e+x,";
    std::string keys(dice.Below(most + 1), ' ');
    for (char& k : keys) k = kKeys[dice.Below(sizeof kKeys - 1)];
    return keys;
}

// Each dimension typed into its box, then the box left, as a user goes through FrameDi
// and CylDimen; one box in ten gets random keys instead of a number.
void TypeIntoEditors(Model& m, const Model& started, Dice& dice) {
    for (const DimensionInfo& d : AllDimensions()) {
        const EditorId editor = test::EditorOf(d);
        const float v = RandomValue(dice, GetDimension(started, d));
        const bool junk = dice.Below(10) == 0;
        const std::string keys = junk ? RandomKeys(dice, 24) : FormatFixed(v, 1, 40);
        const std::string text = test::TypeIntoEditorBox(m, editor, d.EditorNumber, "", keys);
        EditorBoxExit(m, editor, d.EditorNumber, text);
        const float stored = GetDimension(m, d);
        ASSERT_TRUE(std::isfinite(stored)) << d.CodeName << " typed as \"" << text << '"';
        // The centring pair is held to each other on exit, so it may not keep what was typed.
        if (junk || d.DimensionNumber == 0) continue;
        ASSERT_EQ(text, keys) << d.CodeName << ": the box swallowed part of a number";
        const float typed = ParseTypedNumber(text);
        ASSERT_EQ(stored, d.CodeName.starts_with("EccAng") ? WrapDegrees(typed) : typed) << d.CodeName;
    }
}

// Random text into a few overlay rows, lines and circles, free or tied to a pivot; the
// main picture then draws them.
void TypeIntoOverlayRows(Model& m, Dice& dice) {
    for (int i = 0; i < 3; ++i) {
        const int row = 1 + static_cast<int>(dice.Below(kOverlayEntryCount));
        const int box = static_cast<int>(dice.Below(4));
        OverlayEntry& e = m.Lines.Entries[static_cast<std::size_t>(row)];
        e.Type = static_cast<float>(dice.Below(2));
        e.Reference = static_cast<float>(dice.Below(2));
        e.RefPivot1 = static_cast<float>(1 + dice.Below(kPivotCount));
        const std::string keys =
            dice.Below(2) ? RandomKeys(dice, 30) : FormatFixed(RandomValue(dice, 50), 1, 3);
        std::string& shown = m.LinesWindow.Rows[static_cast<std::size_t>(row)].Boxes[static_cast<std::size_t>(box)];
        const std::string text = test::TypeIntoOverlayBox(m, row, box, shown, keys);
        LeaveOverlayBox(m, row, box, text);
        EXPECT_EQ(shown, text) << "row " << row << " box " << box;
        for (const float v : {e.Vert1, e.Horz1, e.Vert2, e.Horz2})
            ASSERT_TRUE(std::isfinite(v)) << "row " << row << " typed as \"" << text << '"';
    }
}

// The table of six tracked pivots, some of them numbers that name no pivot, at a coarse
// step: four header lines, then one line for each angle from 0 to 360, led by the angle.
// (An absurd set's pivots may overflow; the table then shows them as not numbers.)
void CheckPivotTable(Model& m, Dice& dice) {
    static constexpr int kSteps[] = {30, 45, 90, 120};
    static constexpr float kNoPivots[] = {0, 28, -1, 2.5f, 1e30f};
    const int step = kSteps[dice.Below(4)];
    for (int n = 1; n <= kTrackedRowCount; ++n)
        m.Tracking.Rows[static_cast<std::size_t>(n)].Pivot =
            dice.Below(4) ? static_cast<float>(1 + dice.Below(kPivotCount)) : kNoPivots[dice.Below(5)];
    const float angle = m.Gear.DriverAngle;
    const std::string text = PivotTableText(m, static_cast<float>(step), "08/12/2026", "10:47:36");
    std::vector<std::string> lines;
    for (std::size_t at = 0, end; (end = text.find('\n', at)) != std::string::npos; at = end + 1)
        lines.push_back(text.substr(at, end - at));
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(4 + 360 / step + 1)) << "step " << step;
    for (int a = 0; a <= 360; a += step) {
        char lead[16];
        std::snprintf(lead, sizeof lead, "%7.2f", static_cast<double>(a));
        EXPECT_EQ(lines[static_cast<std::size_t>(4 + a / step)].rfind(lead, 0), 0u) << lead;
    }
    EXPECT_EQ(m.Gear.DriverAngle, angle) << "the table put the driver back";
}

TEST(RandomGears, AnySetSolvesTicksAndDrawsWithMidGearFinite) {
    const char* countText = std::getenv("LM_RANDOM_GEARS");
    const long count = countText ? std::atol(countText) : 1000;
    // A diagram of an absurd set can take a second (its solves search without
    // converging), so one set in 25 draws one, each diagram in turn. A longer run draws
    // as the ordinary one for its first thousand sets, where memory is first measured (a
    // recording keeps room for the largest picture it has held), then forty more.
    constexpr long kWarmUp = 1000;
    const long diagramEvery = std::max(25L, count / 40);
    Model started;
    StartUp(started);
    Dice dice(20261208);
    RecordingCanvas canvas;
    long memoryAfterWarmUp = 0, peakAfterWarmUp = 0;

    for (long set = 0; set < count; ++set) {
        SCOPED_TRACE("set " + std::to_string(set));
        Model m = started;
        ASSERT_NO_FATAL_FAILURE(TypeIntoEditors(m, started, dice));
        // Close1: mid gear for the new set, the arm put there.
        EditorClose(m);
        ASSERT_TRUE(std::isfinite(m.Gear.RevArmCenter)) << "set " << set;
        ASSERT_TRUE(std::isfinite(m.Gear.RevArmPos)) << "set " << set;
        ASSERT_GE(m.Frame.EccAngFwd, 0) << "set " << set;
        ASSERT_LE(m.Frame.EccAngFwd, 360) << "set " << set;

        for (float angle = 0; angle < 360; angle += 45) {
            m.Gear.DriverAngle = angle;
            SolveLinkage(m);
            SolvePistonAndPorts(m);
        }
        if (set % 4 == 1) {
            ASSERT_NO_FATAL_FAILURE(TypeIntoOverlayRows(m, dice));
        }
        if (set % 10 == 2) CheckPivotTable(m, dice);
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

        const long every = set < kWarmUp ? 25 : diagramEvery;
        if (set % every == 0) {
            ApplyRevArmRunRule(m);
            switch (set / every % 5) {
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
        if (set == kWarmUp - 1) {
            memoryAfterWarmUp = test::ResidentKb();
            peakAfterWarmUp = test::PeakResidentKb();
        }
    }
    if (count > kWarmUp) {
        const long end = test::ResidentKb();
        std::printf("random gears: %ld sets; after 1000: resident %ld kB, peak %ld kB; at the end: resident %ld kB, "
                    "peak %ld kB\n",
                    count, memoryAfterWarmUp, peakAfterWarmUp, end, test::PeakResidentKb());
        EXPECT_LE(end - memoryAfterWarmUp, 1024) << "memory grew over the run";
    }
}

}  // namespace
}  // namespace lm
