// The live cut-off readout: its value between two ticks, how long it holds, when it hides.

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/Numbers.h"
#include "graphics/RecordingCanvas.h"
#include "kinematics/LinkageSolver.h"
#include "kinematics/PistonAndPorts.h"
#include "kinematics/ReverseArm.h"
#include "kinematics/StartUp.h"
#include "mainwindow/AnimationTick.h"
#include "mainwindow/CutOffReadout.h"

namespace lm {
namespace {

using Real = long double;

struct TickValues {
    float p, fs, rs;
};

// The nominal gear in full forward gear, turning at the given step.
class CutOff : public ::testing::Test {
protected:
    void Start(float step) {
        StartUp(m);
        SetRevArmFromBar(m, NormalForwardBarPosition(m));
        m.Gear.StepAngle = step;
    }

    // One tick and its cut-off readout; returns the texts drawn.
    std::vector<std::string> Tick() {
        AnimationTick(m, s);
        RecordingCanvas canvas;
        StepCutOffReadout(m, s);
        DrawCutOffReadout(m, s, canvas);
        return canvas.Texts();
    }

    // Forces this tick's values, as the solver would have left them.
    std::vector<std::string> TickWith(float p, float fs, float rs) {
        m.Valve.PistonPos = p;
        m.Valve.FrontSteamOpening = fs;
        m.Valve.RearSteamOpening = rs;
        RecordingCanvas canvas;
        StepCutOffReadout(m, s);
        DrawCutOffReadout(m, s, canvas);
        return canvas.Texts();
    }

    // Where the front steam opening really closes, by a sweep of the gear in 0.05 degrees.
    float FinePistonAtFrontClose() {
        Model fine = m;
        float prevOpen = 0;
        for (int i = 0; i <= 7200; ++i) {
            fine.Gear.DriverAngle = static_cast<float>(i * 0.05L);
            SolveLinkage(fine);
            SolvePistonAndPorts(fine);
            if (i > 0 && prevOpen > 0 && fine.Valve.FrontSteamOpening < 0) return fine.Valve.PistonPos;
            prevOpen = fine.Valve.FrontSteamOpening;
        }
        return NAN;
    }

    Model m;
    MainWindowState s;
};

bool Has(const std::vector<std::string>& texts, const std::string& t) {
    for (const auto& x : texts)
        if (x == t) return true;
    return false;
}

TEST_F(CutOff, ValueAtTheDefaultStepIsTheCrossingBetweenTwoTicks) {
    Start(10);
    TickValues prev{};
    bool front = false, rear = false;
    for (int tick = 0; tick < 72 && !(front && rear); ++tick) {
        Tick();
        const TickValues now{m.Valve.PistonPos, m.Valve.FrontSteamOpening, m.Valve.RearSteamOpening};
        if (tick > 0 && prev.fs > 0 && now.fs < 0) {
            // The fraction of the tick at which the opening reaches zero.
            const Real t = static_cast<Real>(prev.fs) / (static_cast<Real>(prev.fs) - now.fs);
            const Real c = prev.p + t * (static_cast<Real>(now.p) - prev.p);
            EXPECT_EQ(m.Display.FrontCutOffText, FormatFixed(static_cast<double>(c / 6.4L), 4, 1));
            front = true;
        }
        if (tick > 0 && prev.rs > 0 && now.rs < 0) {
            const Real t = static_cast<Real>(prev.rs) / (static_cast<Real>(prev.rs) - now.rs);
            const Real c = prev.p + t * (static_cast<Real>(now.p) - prev.p);
            EXPECT_EQ(m.Display.RearCutOffText, FormatFixed(static_cast<double>((640 - c) / 6.4L), 4, 1));
            rear = true;
        }
        prev = now;
    }
    ASSERT_TRUE(front && rear) << "no cut-off in two turns of full forward gear";
    // Two ticks 10 degrees apart still put it within a percent of the true crossing.
    const float fine = FinePistonAtFrontClose();
    EXPECT_NEAR(std::stof(m.Display.FrontCutOffText), fine / 6.4, 1.0);
    // Full gear cuts off late in the stroke, as such gear does.
    EXPECT_GT(std::stof(m.Display.FrontCutOffText), 50);
}

TEST_F(CutOff, HeldForFortyTicksAtStepTen) {
    Start(10);
    TickWith(100, 0.5f, -1);
    int shown = 0;
    std::vector<std::string> texts = TickWith(120, -0.5f, -1);  // closes halfway: at 110
    EXPECT_EQ(m.Display.FrontCutOffText, "17.2");
    for (int tick = 0; tick < 60; ++tick) {
        EXPECT_TRUE(Has(texts, "FrontCO% "));
        if (Has(texts, "17.2")) ++shown;
        texts = TickWith(130, -0.5f, -1);
    }
    EXPECT_EQ(shown, 40);
    EXPECT_EQ(m.Display.FrontCutOffText, "17.2");  // kept, only no longer drawn
}

TEST_F(CutOff, RearIsMeasuredFromTheBackDeadCentre) {
    Start(10);
    TickWith(500, -1, 0.25f);
    TickWith(520, -1, -0.75f);  // closes a quarter of the way: at 505
    EXPECT_EQ(m.Display.RearCutOffText, "21.1");
}

TEST_F(CutOff, HiddenAtLargeStepsAndWhileStopped) {
    for (const float step : {30.0f, 45.0f, 0.0f}) {
        Start(step);
        if (step == 0) {
            // Standing: the openings still change under the ticks when the angle is set.
            for (int a = 0; a < 360; a += 10) {
                m.Gear.DriverAngle = static_cast<float>(a);
                EXPECT_TRUE(Tick().empty()) << a;
            }
            continue;
        }
        for (int tick = 0; tick < 48; ++tick) EXPECT_TRUE(Tick().empty()) << step << " " << tick;
        // Worked out all the same, ready for a smaller step.
        EXPECT_FALSE(m.Display.FrontCutOffText.empty()) << step;
    }
}

}  // namespace
}  // namespace lm
