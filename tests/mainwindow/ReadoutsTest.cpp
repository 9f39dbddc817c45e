// The main window's readouts, undo line, dynamic lines, titles and error indicator.

#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "graphics/RecordingCanvas.h"
#include "kinematics/StartUp.h"
#include "mainwindow/DynVarLines.h"
#include "mainwindow/Readouts.h"
#include "mainwindow/UndoLine.h"
#include "mainwindow/WindowControlState.h"
#include "view/WindowTitles.h"
#include "RecordingSound.h"

namespace lm {
namespace {

using Placed = std::pair<ScreenPoint, std::string>;

std::vector<Placed> PlacedTexts(const RecordingCanvas& c) {
    std::vector<Placed> out;
    for (const RecordedOp& op : c.OfKind(CanvasOp::TextOut)) out.emplace_back(op.points[0], op.text);
    return out;
}

class Readouts : public ::testing::Test {
protected:
    void SetUp() override {
        StartUp(m);
        m.Gear.RevArmPos = 1.25f;
        m.Gear.DriverAngle = 92.5f;
        m.Gear.LinkAngle = -0.1f;
        s.StepAngleSetting = 45;
        m.Valve.PistonPos = 320;
        m.Valve.ValveDisplacement = -0.0625f;
        m.Valve.FrontSteamOpening = 0.125f;
        m.Valve.FrontExhaustOpening = -1.5f;
        m.Valve.RearSteamOpening = -0.75f;
        m.Valve.RearExhaustOpening = 12.25f;
    }
    Model m;
    MainWindowState s;
    RecordingCanvas canvas;
};

TEST_F(Readouts, BlockTextsAndPositionsWithTheLargeFont) {
    m.Display.TextScaleX = 1.27f;
    m.Display.TextScaleY = 1.22f;
    DrawReadouts(m, s, canvas);
    // Positions worked out by hand: x*1.27 and y*1.22, rounded.
    const std::vector<Placed> expected{
        {{253, 31}, "Pan Vert"},
        {{253, 48}, "Pan Horz"},
        {{253, 65}, "Zoom"},
        {{583, 31}, "Rev Arm  1.250  "},
        {{583, 48}, "Driv Ang  92.50  "},
        {{583, 65}, "Step Ang 45.00  "},
        {{692, 31}, "Piston %  50.00  "},
        {{692, 45}, "ValveCen -0.062  "},  // printf rounds the tie -0.0625 to even
        {{692, 60}, "ValveFSt  0.125  "},
        {{692, 74}, "ValveFEx -1.500  "},
        {{692, 89}, "ValveRSt -0.750  "},
        {{692, 104}, "ValveREx 12.250  "},
        {{692, 118}, "ExpLkAng  -5.73  "},
    };
    EXPECT_EQ(PlacedTexts(canvas), expected);
    for (const RecordedOp& op : canvas.OfKind(CanvasOp::TextOut)) EXPECT_EQ(op.font, colours::Black);
}

TEST_F(Readouts, UndoLineTextAndPlaceFollowTheDynamicLines) {
    m.Undo.UndoCount = 3;
    m.Undo.Entries[1] = {2, 6.0f, 6.25f, "Stroke"};
    EXPECT_EQ(UndoLineText(m.Undo), " 3- Stroke  6.250 to  6.000");

    m.Display.UndoLineShown = true;
    m.Display.TextScaleX = 1.27f;
    m.Display.TextScaleY = 1.22f;
    DrawUndoLine(m, canvas);
    UpdateUndoButtonPlace(m, s);
    // Both coordinates take the width factor.
    EXPECT_EQ(PlacedTexts(canvas), (std::vector<Placed>{{{406, 93}, " 3- Stroke  6.250 to  6.000"}}));
    EXPECT_TRUE(s.UndoButtonVisible);
    EXPECT_EQ(s.UndoButtonTop, 91);

    canvas.Forget();
    m.Display.DynVarsShown = true;
    DrawUndoLine(m, canvas);
    UpdateUndoButtonPlace(m, s);
    EXPECT_EQ(PlacedTexts(canvas)[0].first, (ScreenPoint{406, 163}));
    EXPECT_EQ(s.UndoButtonTop, 161);

    canvas.Forget();
    m.Display.ScreenDataOn = false;
    DrawUndoLine(m, canvas);
    UpdateUndoButtonPlace(m, s);
    EXPECT_FALSE(s.UndoButtonVisible);
    EXPECT_TRUE(canvas.Texts().empty());
}

TEST_F(Readouts, DynamicLinesPromptInRedUntilAPickThenNamesAndBars) {
    m.Display.DynVarsShown = true;
    DrawDynVarLines(m, canvas);
    UpdateDynBarEnabling(m, s);
    const auto texts = canvas.OfKind(CanvasOp::TextOut);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[1].text, "* First Select Dimensions *");
    EXPECT_EQ(texts[1].points[0], (ScreenPoint{377, 81}));
    for (const auto& t : texts) EXPECT_EQ(t.font, colours::Red);
    EXPECT_EQ(s.DynBarEnabled, (std::array<bool, 5>{}));

    canvas.Forget();
    m.Dyn.DynQueue[1] = {2, 3.001f, "Stroke"};
    m.Dyn.DynQueue[2] = {3, 10.0f, "Main Rod Length"};
    DrawDynVarLines(m, canvas);
    UpdateDynBarEnabling(m, s);
    const std::vector<Placed> expected{{{377, 71}, "Stroke"},          {{498, 71}, " 3.001"},
                                       {{377, 83}, "Main Rod Length"}, {{498, 83}, "10.000"},
                                       {{377, 95}, DynVarEmptyName},   {{498, 95}, " 0.000"},
                                       {{377, 107}, DynVarEmptyName},  {{498, 107}, " 0.000"}};
    EXPECT_EQ(PlacedTexts(canvas), expected);
    EXPECT_EQ(s.DynBarEnabled, (std::array<bool, 5>{false, true, true, false, false}));
}

TEST(WindowTitles, FixedPartsAroundNameDateAndTime) {
    const auto t = BuildWindowTitles("Nominal", "12/08/26", "04:40:00");
    EXPECT_EQ(t[MainTitle],
              "LINKMOTION Inside Admission            Nominal     12/08/26   04:40:00   Version 2.6");
    EXPECT_EQ(t[SineTitle],
              "LINKMOTION Inside Admission      Sine Diagram    Nominal     12/08/26   04:40:00   Version 2.6");
    EXPECT_EQ(t[PortTitle].substr(0, 53), "LINKMOTION Inside Admission      Port Open/Closed    ");
    EXPECT_EQ(t[DataTableTitle], "LINKMOTION Inside Admission  Data Table  Nominal     12/08/26   04:40:00   Version 2.6");

    Model m;
    StartUp(m);
    m.DataSetName = "Big Boy";
    MainWindowState s;
    UpdateWindowTitles(m, s);
    EXPECT_NE(s.Titles[OvalTitle].find("Oval Diagram    Big Boy     "), std::string::npos);
    EXPECT_FALSE(ShortDateNow().empty());
    EXPECT_FALSE(LongTimeNow().empty());
}

TEST(ErrorIndicator, ShownNineTicksSoundedAtTenClearedAfterTwentyOne) {
    Model m;
    StartUp(m);
    MainWindowState s;
    RecordingSound sound;
    s.Sound = &sound;
    m.Gear.GearError = true;
    std::vector<bool> shown;
    for (int tick = 1; tick <= 21; ++tick) {
        if (tick == 5) m.Gear.GearError = true;  // a raise while counting changes nothing
        CountErrorTicks(m, s);
        shown.push_back(s.ErrorItemVisible);
        if (tick == 10) {
            EXPECT_EQ(sound.calls, std::vector<std::string>{"play Error.wav"});
        }
        EXPECT_EQ(m.Gear.GearError, tick < 21) << tick;
    }
    for (int tick = 1; tick <= 21; ++tick) EXPECT_EQ(shown[tick - 1], tick < 10) << tick;
    EXPECT_EQ(sound.calls.size(), 1u);
    EXPECT_EQ(s.ErrorTicks, 0);
    CountErrorTicks(m, s);  // nothing raised: nothing happens
    EXPECT_FALSE(s.ErrorItemVisible);
    EXPECT_EQ(s.ErrorTicks, 0);
}

}  // namespace
}  // namespace lm
