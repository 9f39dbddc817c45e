// The main window's drawing only draws: drawn again from the same model and window state
// it makes the very same calls, and a tick's picture keeps the view its pivots were
// mapped with.

#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "graphics/RecordingCanvas.h"
#include "kinematics/ReverseArm.h"
#include "kinematics/StartUp.h"
#include "mainwindow/AnimationTick.h"
#include "mainwindow/DimensionHighlight.h"
#include "mainwindow/IdleTicks.h"
#include "mainwindow/MainRender.h"
#include "mainwindow/WindowControlState.h"
#include "model/DynamicVariables.h"
#include "RecordingSound.h"

namespace lm {
namespace {

// Every call with everything it carries, one line each.
std::string Calls(const RecordingCanvas& c) {
    std::ostringstream o;
    for (const RecordedOp& op : c.Ops()) {
        o << int(op.kind) << ' ' << int(op.colour.r) << ',' << int(op.colour.g) << ',' << int(op.colour.b) << ' '
          << op.value << op.flag << " [";
        for (const ScreenPoint p : op.points) o << p.x << ',' << p.y << ' ';
        o << "] " << op.box.left << ',' << op.box.top << ',' << op.box.right << ',' << op.box.bottom << " '"
          << op.text << "' " << int(op.pen.r) << int(op.pen.g) << int(op.pen.b) << op.penWidth << op.hollow
          << int(op.font.r) << int(op.font.g) << int(op.font.b) << '\n';
    }
    return o.str();
}

// Everything on: steam with its dots and beats, readouts, pivot rows, overlay entries,
// reference points, dynamic variables and the undo line; a highlight partway.
class DrawAgain : public ::testing::Test {
protected:
    void SetUp() override {
        StartUp(m);
        SetRevArmFromBar(m, NormalForwardBarPosition(m));
        m.Gear.StepAngle = 10;
        m.Display.SteamDisplayOn = true;
        m.Display.RefPointsOn = true;
        m.Display.PivotDataOn = true;
        m.Display.DynVarsShown = true;
        m.Display.UndoLineShown = true;
        m.Tracking.Rows[1] = {4, true};
        m.Tracking.Rows[2] = {9, true};
        m.Lines.Entries[1] = {0.5f, 0.5f, 2, 0, 0, 0, 0, 0, 1, 32768, 1, 4, 0};
        RegisterDynVar(m, 2, m.Frame.Stroke, "Stroke");
        s.Sound = &sound;
    }

    void Tick() {
        AnimationTick(m, s);
        UpdateWindowControlState(m, s);
        StepMainWindow(m, s);
    }

    std::string Draw() const {
        RecordingCanvas canvas;
        DrawMainWindow(m, s, canvas);
        return Calls(canvas);
    }

    Model m;
    MainWindowState s;
    RecordingSound sound;
};

TEST_F(DrawAgain, MakesTheSameCallsAndChangesNothing) {
    for (int tick = 0; tick < 60; ++tick) {
        if (tick == 20) m.Highlight.Dim = 105;
        if (tick == 40) EndDimensionHighlightByMousePress(m);
        Tick();
        const std::string before = TickFingerprint(m, s, {});
        const std::size_t sounds = sound.calls.size();
        const std::string first = Draw();
        EXPECT_EQ(Draw(), first) << "tick " << tick;
        EXPECT_EQ(TickFingerprint(m, s, {}), before) << "tick " << tick;
        EXPECT_EQ(sound.calls.size(), sounds) << "tick " << tick;
    }
    // The steam display's dots come from the tick's seed, so another tick places them anew.
    const std::string last = Draw();
    Tick();
    EXPECT_NE(Draw(), last);
}

TEST_F(DrawAgain, TheFirstHighlightedTickDrawsTheGearInTheViewItWasMappedWith) {
    Tick();
    m.Highlight.Dim = 4;
    Tick();  // the highlight sets its own view for the next tick
    ASSERT_NE(m.View.ViewScale, s.Picture.View.ViewScale);
    RecordingCanvas canvas;
    DrawMainWindow(m, s, canvas);
    // The driver's outline is still centred on the axle as this tick mapped it.
    const RecordedOp wheel = canvas.OfKind(CanvasOp::Ellipse).front();
    EXPECT_NEAR((wheel.box.left + wheel.box.right) / 2.0, m.P(DriverAxle).SX, 1);
    EXPECT_NEAR((wheel.box.top + wheel.box.bottom) / 2.0, m.P(DriverAxle).SY, 1);
}

}  // namespace
}  // namespace lm
