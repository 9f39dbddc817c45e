// What every diagram shares: the travel axis, port lines, legend, mid-gear tracking,
// undo line, dynamic-variable header and the windows' actions.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <set>

#include "DiagramTestModel.h"
#include "../model/ModelTestSupport.h"
#include "common/Numbers.h"
#include "diagrams/DiagramActions.h"
#include "diagrams/DiagramFrame.h"
#include "diagrams/Diagrams.h"
#include "graphics/NullCanvas.h"
#include "kinematics/LinkageSolver.h"
#include "kinematics/MidGear.h"
#include "model/DimensionEdit.h"
#include "model/DimensionTable.h"
#include "model/DynamicVariables.h"

namespace lm {
namespace {

using testing::FindText;
using testing::StartedModel;
using testing::TextsAt;

std::vector<Segment> TicksFrom(const RecordingCanvas& c, int left) {
    std::vector<Segment> out;
    for (const Segment& s : c.Segments())
        if (s.from.x == left && s.to.x == 44 && s.from.y == s.to.y) out.push_back(s);
    return out;
}

std::vector<RecordedOp> AxisLabels(const RecordingCanvas& c, int x0) {
    std::vector<RecordedOp> out;
    for (const RecordedOp& op : c.OfKind(CanvasOp::TextOut))
        if (op.points[0].x == x0) out.push_back(op);
    return out;
}

TEST(DiagramFrame, AxisDrawsEveryTickUpTo375AndEveryFifthAbove) {
    Model m = StartedModel();
    RecordingCanvas c;

    m.Diagram.VerticalScale = 3.75f;  // g = 15: minor ticks 2 pixels apart, 0.02 units each
    DrawTravelAxis(m, c, 14);
    auto minor = TicksFrom(c, 39);
    ASSERT_EQ(minor.size(), 151u);
    EXPECT_EQ(minor.front().from.y, 65);
    EXPECT_EQ(minor[1].from.y, 67);
    EXPECT_EQ(minor.back().from.y, 365);
    EXPECT_EQ(TicksFrom(c, 36).size(), 31u);
    auto labels = AxisLabels(c, 14);
    ASSERT_EQ(labels.size(), 31u);
    EXPECT_EQ(labels.front().text, "-1.5");
    EXPECT_EQ(labels.front().points[0].y, 210 + 150);  // negative travel below the centre
    EXPECT_EQ(labels[15].text, "0.0");
    EXPECT_EQ(labels.back().text, "1.5");
    EXPECT_EQ(labels.back().points[0].y, 60);
    EXPECT_EQ(TextsAt(c, {50, 18}), std::vector<std::string>{"3.8"});

    c.Forget();
    m.Diagram.VerticalScale = 3.76f;  // still g = 15, but only every 0.1 and 0.5 units
    DrawTravelAxis(m, c, 15);
    minor = TicksFrom(c, 39);
    ASSERT_EQ(minor.size(), 31u);
    EXPECT_EQ(minor[1].from.y, static_cast<int>(std::nearbyint(215 + 7.5 * -70 / 3.76)));
    labels = AxisLabels(c, 15);
    std::vector<std::string> texts;
    for (const auto& op : labels) texts.push_back(op.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"-1.5", "-1.0", "-0.5", "0.0", "0.5", "1.0", "1.5"}));
    // Each label sits five pixels above the tick of its own value.
    const auto ticks = TicksFrom(c, 36);
    ASSERT_EQ(ticks.size(), 7u);
    for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(labels[i].points[0].y + 5, ticks[6 - i].from.y);
}

TEST(DiagramFrame, AxisStaysBoundedForAnyScale) {
    Model m = StartedModel();
    for (float s : {1e30f, std::numeric_limits<float>::max(), 5e8f, 1000.0f, 0.0f, -4.0f,
                    std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()}) {
        m.Diagram.VerticalScale = s;
        RecordingCanvas c;
        DrawTravelAxis(m, c, 14);
        // The ticks span about 150 pixels either side of the centre, one per row at most.
        const auto minor = TicksFrom(c, 39);
        EXPECT_LE(minor.size(), 320u) << s;
        std::set<int> rows;
        for (const Segment& t : minor) {
            rows.insert(t.from.y);
            EXPECT_GE(t.from.y, 0) << s;
            EXPECT_LE(t.from.y, 420) << s;
        }
        EXPECT_EQ(rows.size(), minor.size()) << s;
    }
    // A dense axis still covers every row of its span: scale 1000 has 8001 minor ticks
    // on rows 65..365.
    m.Diagram.VerticalScale = 1000;
    RecordingCanvas c;
    DrawTravelAxis(m, c, 14);
    EXPECT_EQ(TicksFrom(c, 39).size(), 301u);
    EXPECT_EQ(AxisLabels(c, 14).back().text, "400.0");
}

TEST(DiagramFrame, HostileValuesDrawWithoutFailing) {
    constexpr float big = std::numeric_limits<float>::max();
    Model m = StartedModel();
    m.Gear.RevArmPositions = {0, big, -big, 1e30f, 0.001f, 0, 0, 0, 0, 0};
    m.Gear.RevArmPosCount = 4;
    m.Gear.RevArmCenter = 1e-30f;
    m.Diagram.VerticalScale = 1e-30f;
    m.Display.TextScaleX = big;
    m.Display.TextScaleY = -big;
    m.Display.DynVarsShown = m.Display.UndoLineShown = true;
    m.Undo.Entries[1] = UndoEntry{2, -big, big, std::string(300, 'x')};
    m.Frame.Stroke = big;
    m.Frame.MainRodLen = -big;
    m.Cyl.ValveCtrToJoint = big;
    const float angle = m.Gear.DriverAngle, arm = m.Gear.RevArmPos;
    for (auto draw : {&DrawSineDiagram, &DrawOvalDiagram}) {
        RecordingCanvas c;
        SineOvalReport report;
        StepValveDiagram(m);
        draw(m, c, &report);
        EXPECT_GT(c.Segments().size(), 100u);
        EXPECT_EQ(m.Gear.DriverAngle, angle);
        EXPECT_EQ(m.Gear.RevArmPos, arm);
        EXPECT_LE(m.DiagramWindows.UndoLineText.size(), 118u);
        for (const RecordedOp& op : c.OfKind(CanvasOp::SetFontSize)) {
            EXPECT_GE(op.value, 1);
            EXPECT_LE(op.value, 500);
        }
    }
}

// A cylinder whose edges are exact binary fractions, so every row below is worked out by
// hand: y(v) = 215 - 375 v / 1.5 = 215 - 250 v, halves to even.
Model ExactPortModel() {
    Model m = StartedModel();
    m.Cyl.ValveBoreCtrToPort = 1.25f;   // O
    m.Cyl.ValveCtrToRing = 1;           // R: steam lap 0.25
    m.Cyl.ValvePortWidthFront = 0.25f;  // Q
    m.Cyl.ValveEndWidthFront = 0.375f;  // T
    m.Cyl.ValvePortWidthRear = 0.5f;    // P
    m.Cyl.ValveEndWidthRear = 0.125f;   // S
    m.Diagram.VerticalScale = 1.5f;
    SolveLinkage(m);
    return m;
}

TEST(DiagramFrame, PortLinesSitOnTheEdgesTheirTextsBeside) {
    Model m = ExactPortModel();
    RecordingCanvas c;
    DrawPortLines(m, c, kSinePortLines);
    std::vector<int> lime, red;
    for (const Segment& s : c.SegmentsIn(colours::Lime)) {
        EXPECT_EQ(s.from.x, 15);
        EXPECT_EQ(s.to.x, 583);
        lime.push_back(s.from.y);
    }
    for (const Segment& s : c.SegmentsIn(colours::Red)) red.push_back(s.from.y);
    // Front: steam edge 0.25 (152.5), full 0.5, exhaust edge 0.125 (183.75).
    EXPECT_EQ(lime, (std::vector<int>{152, 90, 184}));
    // Rear, below the centre: steam edge 0.25 (277.5), full 0.75 (402.5), exhaust 0.625.
    EXPECT_EQ(red, (std::vector<int>{278, 402, 371}));
    EXPECT_EQ(TextsAt(c, {60, 136}), std::vector<std::string>{"Front Steam Port Open"});
    EXPECT_EQ(TextsAt(c, {60, 91}), std::vector<std::string>{"Front Steam Port Max"});
    EXPECT_EQ(TextsAt(c, {230, 185}), std::vector<std::string>{"Front Exhaust Port Open"});
    EXPECT_EQ(TextsAt(c, {230, 278}), std::vector<std::string>{"Rear Steam Port Open"});
    EXPECT_EQ(TextsAt(c, {230, 386}), std::vector<std::string>{"Rear Steam Port Max"});
    EXPECT_EQ(TextsAt(c, {60, 355}), std::vector<std::string>{"Rear Exhaust Port Open"});
    // The oval puts the texts in the other columns and the lines one pixel longer.
    RecordingCanvas oval;
    DrawPortLines(m, oval, kOvalPortLines);
    EXPECT_EQ(oval.SegmentsIn(colours::Lime).front().to.x, 584);
    EXPECT_EQ(TextsAt(oval, {430, 136}), std::vector<std::string>{"Front Steam Port Open"});
    EXPECT_EQ(TextsAt(oval, {75, 278}), std::vector<std::string>{"Rear Steam Port Open"});
    EXPECT_EQ(oval.Ops().back().kind, CanvasOp::SetPenColour);
    EXPECT_EQ(oval.Ops().back().colour, colours::Black);
}

TEST(DiagramFrame, LargeFontMovesTheLegendButNotThePlot) {
    Model m = StartedModel();
    RecordingCanvas normal, large;
    DrawSineDiagram(m, normal);
    m.Display.TextScaleX = 1.27f;
    m.Display.TextScaleY = 1.22f;
    DrawSineDiagram(m, large);

    EXPECT_EQ(TextsAt(normal, {500, 0}), std::vector<std::string>{"Reverse Arm Positions"});
    EXPECT_EQ(TextsAt(large, {635, 0}), std::vector<std::string>{"Reverse Arm Positions"});
    EXPECT_EQ(TextsAt(large, {660, 13}), std::vector<std::string>{"Center"});
    // Rows R(i * 1.22 * 12) + 12: 14.64, 29.28, 43.92; columns 692.15, 676.91, 736.6.
    const int rows[] = {27, 41, 56};
    const char* words[] = {"Cen", "Fwd", "Rev"};
    for (int i = 1; i <= 3; ++i) {
        const int y = rows[i - 1];
        EXPECT_EQ(TextsAt(large, {692, y}), std::vector<std::string>{"    " + std::to_string(i)});
        EXPECT_EQ(TextsAt(large, {677, y}), std::vector<std::string>{words[i - 1]});
        EXPECT_EQ(TextsAt(large, {737, y}).size(), 1u);
        EXPECT_EQ(TextsAt(normal, {545, 12 * i + 12}), std::vector<std::string>{"    " + std::to_string(i)});
    }
    EXPECT_EQ(normal.Segments(), large.Segments());
    // The moved texts grow with their places (11 x 1.22); the plot's texts keep the
    // window font, so "Scale =" is not run over by its value beside it.
    const auto sizeAt = [](const RecordingCanvas& c, const std::string& text) {
        int size = 0;
        for (const RecordedOp& op : c.Ops()) {
            if (op.kind == CanvasOp::SetFontSize) size = op.value;
            if (op.kind == CanvasOp::TextOut && op.text == text) return size;
        }
        return -1;
    };
    EXPECT_EQ(sizeAt(normal, "Reverse Arm Positions"), 11);
    EXPECT_EQ(sizeAt(large, "Reverse Arm Positions"), 13);
    EXPECT_EQ(sizeAt(large, "Cen"), 13);
    EXPECT_EQ(sizeAt(large, "Scale ="), 11);
    EXPECT_EQ(sizeAt(large, "Driver Clockwise Rotation --->"), 11);
}

TEST(DiagramFrame, DirectionWordFollowsTheSenseOfTheGear) {
    Model m = StartedModel();
    SolveLinkage(m);
    const float c = m.Gear.RevArmCenter;
    ASSERT_GT(m.Gear.EccSign, 0);
    ASSERT_GT(m.Gear.LiftingArmLenSolved, 0);
    EXPECT_STREQ(DirectionWord(m, c), "Cen");
    EXPECT_STREQ(DirectionWord(m, c + 0.5f), "Fwd");
    EXPECT_STREQ(DirectionWord(m, c - 0.5f), "Rev");
    m.Gear.LiftingArmLenSolved = -1.812f;  // either sign alone mirrors the sense
    EXPECT_STREQ(DirectionWord(m, c + 0.5f), "Rev");
    EXPECT_STREQ(DirectionWord(m, c - 0.5f), "Fwd");
    m.Gear.EccSign = -1;  // both negative: plain again
    EXPECT_STREQ(DirectionWord(m, c + 0.5f), "Fwd");
    m.Gear.EccSign = 0;  // neither sense: mirrored
    EXPECT_STREQ(DirectionWord(m, c + 0.5f), "Rev");
    EXPECT_STREQ(DirectionWord(m, c), "Cen");
}

TEST(DiagramFrame, MidGearToleranceIsStrict) {
    Model m = StartedModel();
    const float c = m.Gear.RevArmCenter;
    const auto away = [&](double d) {
        // The nearest single not closer to the centre than d.
        float p = static_cast<float>(c + d);
        if (std::fabs(static_cast<long double>(p) - c) < std::fabs(static_cast<long double>(d)))
            p = std::nextafter(p, d > 0 ? 1e9f : -1e9f);
        return p;
    };
    EXPECT_TRUE(IsMidGearPosition(m, c));
    EXPECT_TRUE(IsMidGearPosition(m, away(0.04)));
    EXPECT_TRUE(IsMidGearPosition(m, away(-0.049)));
    EXPECT_FALSE(IsMidGearPosition(m, away(0.05)));
    EXPECT_FALSE(IsMidGearPosition(m, away(-0.05)));
    EXPECT_FALSE(IsMidGearPosition(m, std::numeric_limits<float>::quiet_NaN()));

    for (double d : {0.04, 0.05}) {
        m.Gear.RevArmPositions[1] = away(d);
        m.Gear.RevArmPosCount = 1;
        RecordingCanvas c1;
        SineOvalReport report;
        DrawSineDiagram(m, c1, &report);
        const bool drawn = d < 0.045;
        EXPECT_EQ(report.Blocks.size(), drawn ? 1u : 0u) << d;
        EXPECT_EQ(TextsAt(c1, {595, 153}).size(), drawn ? 1u : 0u) << d;
        EXPECT_EQ(TextsAt(c1, {592, 166}).size(), drawn ? 1u : 0u) << d;
    }
}

TEST(DiagramFrame, TrackerFollowsTheJointWhereverTheGearLies) {
    // A gear drawn in millimetres puts the valve-rod joint beyond 1000 units.
    Model m = StartedModel();
    MidGearTracker t;
    t.Start(m, m.Gear.RevArmCenter);
    ASSERT_TRUE(t.IsMidGear());
    for (float x : {2400.5f, 2410.0f, 2395.25f, 2401.0f}) {
        m.P(ValveStemJoint).X = x;
        t.Track(m);
    }
    const MidGearBlock b = t.Block(m, 1);
    EXPECT_FLOAT_EQ(b.FrontLead, m.Valve.FrontLeadTerm + 2410.0f);
    EXPECT_FLOAT_EQ(b.RearLead, m.Valve.RearLeadTerm - 2395.25f);
    EXPECT_FLOAT_EQ(b.FrontLap, m.Valve.FrontLapTerm - 2402.625f);
    EXPECT_FLOAT_EQ(b.RearExCl, 2402.625f + m.Valve.RearExClTerm);
    // Away from mid gear nothing is tracked.
    MidGearTracker off;
    off.Start(m, m.Gear.RevArmCenter + 1);
    EXPECT_FALSE(off.IsMidGear());
}

UndoEntry Entry(const std::string& name, float after, float before) { return UndoEntry{2, before, after, name}; }

TEST(DiagramFrame, UndoTextIsCutToItsBounds) {
    Model m = StartedModel();
    m.Undo.UndoCount = 3;
    m.Undo.Entries[1] = Entry("Stroke", 3.25f, 3);
    EXPECT_EQ(DiagramUndoText(m), " 3- Stroke  3.250 to  3.000" + std::string(46, ' '));

    // A name past 33 characters is cut at 37, and the rest still follows.
    m.Undo.Entries[1] = Entry(std::string(40, 'N'), 1, 2);
    EXPECT_EQ(DiagramUndoText(m), " 3- " + std::string(33, 'N') + "  1.000 to  2.000" + std::string(46, ' '));

    // A huge value is cut at 48, " to " fills to 52, the other value to 72, the blanks to 118.
    m.Undo.Entries[1] = Entry(std::string(25, 'a'), 1e30f, 1e30f);
    const std::string big = FormatFixed(1e30f, 6, 3);
    ASSERT_GT(big.size(), 30u);
    const std::string want =
        " 3- " + std::string(25, 'a') + " " + big.substr(0, 18) + " to " + big.substr(0, 20) + std::string(46, ' ');
    EXPECT_EQ(DiagramUndoText(m), want);
    EXPECT_EQ(want.size(), 118u);

    m.Undo.UndoCount = 0;
    m.Undo.Entries[1] = UndoEntry{};
    EXPECT_EQ(DiagramUndoText(m), " 0-   0.000 to  0.000" + std::string(46, ' '));
}

TEST(DiagramFrame, UndoLineShowsThePreviousTextThenTheNewOne) {
    Model m = StartedModel();
    m.Undo.UndoCount = 1;
    m.Undo.Entries[1] = Entry("Stroke", 3.25f, 3);
    const std::string line = " 1- Stroke  3.250 to  3.000" + std::string(46, ' ');

    RecordingCanvas off;
    AdvanceDiagramUndoLine(m);
    DrawDiagramUndoLine(m, off);
    EXPECT_TRUE(off.Ops().empty());
    EXPECT_EQ(m.DiagramWindows.UndoLineText, "");

    m.Display.UndoLineShown = true;
    RecordingCanvas first;
    AdvanceDiagramUndoLine(m);
    DrawDiagramUndoLine(m, first);
    EXPECT_EQ(TextsAt(first, {150, 55}), std::vector<std::string>{""});
    EXPECT_EQ(m.DiagramWindows.UndoLineText, line);
    RecordingCanvas second;
    AdvanceDiagramUndoLine(m);
    DrawDiagramUndoLine(m, second);
    EXPECT_EQ(TextsAt(second, {150, 55}), std::vector<std::string>{line});

    // With the dynamic variables shown the new text follows at once; the point follows
    // the large font (190.5 rounds to even).
    m.Display.DynVarsShown = true;
    m.Display.TextScaleX = 1.27f;
    m.Display.TextScaleY = 1.22f;
    m.Undo.Entries[1] = Entry("Stroke", 3.5f, 3.25f);
    RecordingCanvas both;
    AdvanceDiagramUndoLine(m);
    DrawDiagramUndoLine(m, both);
    EXPECT_EQ(TextsAt(both, {190, 67}),
              (std::vector<std::string>{line, " 1- Stroke  3.500 to  3.250" + std::string(46, ' ')}));
}

// Each diagram sweeps its own copy: the model is left bit for bit as it was, and a gear
// the guards had to correct is reported for the window to raise.
TEST(DiagramFrame, DrawingChangesNothingAndReportsAGearThatCannotBeAssembled) {
    Model m = StartedModel();
    m.Gear.ErrorBeepOn = true;
    const std::function<bool(const Model&, Canvas&)> draws[] = {
        [](const Model& g, Canvas& c) { return DrawSineDiagram(g, c); },
        [](const Model& g, Canvas& c) { return DrawOvalDiagram(g, c); },
        [](const Model& g, Canvas& c) { return DrawSteamDiagram(g, c); },
        [](const Model& g, Canvas& c) { return DrawPortDiagram(g, c, 'F', true); },
        [](const Model& g, Canvas& c) { return DrawPortDiagram(g, c, 'R', false); },
    };
    for (const bool broken : {false, true}) {
        if (broken) {
            ApplyEditedDimension(m, *FindDimension("LiftingArmLen"), -3);
            FindMidGear(m);
            m.Gear.GearError = false;
        }
        for (std::size_t k = 0; k < std::size(draws); ++k) {
            const Model before = m;
            NullCanvas canvas;
            EXPECT_EQ(draws[k](m, canvas), broken) << "diagram " << k;
            EXPECT_EQ(test::Differences(before, m), std::vector<std::string>{}) << "diagram " << k;
        }
    }
}

TEST(DiagramFrame, DynVarHeaderAsksForDimensionsThenListsThem) {
    Model m = StartedModel();
    RecordingCanvas hidden;
    DrawDynVarHeader(m, hidden);
    EXPECT_TRUE(hidden.Ops().empty());

    m.Display.DynVarsShown = true;
    RecordingCanvas ask;
    DrawDynVarHeader(m, ask);
    const RecordedOp* select = FindText(ask, "* First Select Dimensions *");
    ASSERT_NE(select, nullptr);
    EXPECT_EQ(select->points[0], (ScreenPoint{235, 12}));
    EXPECT_EQ(select->font, colours::Red);
    EXPECT_EQ(ask.Ops().back().colour, colours::Black);
    EXPECT_FALSE(DiagramControlsFor(m).DynBarEnabled[1]);

    RegisterDynVar(m, 2, 3.5f, "Stroke");
    RegisterDynVar(m, 3, 10, "Main Rod Length");
    RecordingCanvas list;
    DrawDynVarHeader(m, list);
    EXPECT_EQ(TextsAt(list, {235, 2}), std::vector<std::string>{"Main Rod Length"});
    EXPECT_EQ(TextsAt(list, {363, 2}), std::vector<std::string>{"10.000"});
    EXPECT_EQ(TextsAt(list, {235, 14}), std::vector<std::string>{"Stroke"});
    EXPECT_EQ(TextsAt(list, {363, 14}), std::vector<std::string>{" 3.500"});
    EXPECT_EQ(TextsAt(list, {235, 26}), std::vector<std::string>{DynVarEmptyName});
    const DiagramControls controls = DiagramControlsFor(m);
    EXPECT_TRUE(controls.DynBarsVisible);
    EXPECT_TRUE(controls.DynBarEnabled[1]);
    EXPECT_TRUE(controls.DynBarEnabled[2]);
    EXPECT_FALSE(controls.DynBarEnabled[3]);
    EXPECT_FALSE(controls.DynBarEnabled[4]);
    EXPECT_FALSE(DynBarEnabled(m, 5));
}

TEST(DiagramFrame, WindowActionsToggleAndPlanTheirRedraws) {
    Model m = StartedModel();
    RedrawPlan shown = ToggleDiagramUndoLine(m);
    EXPECT_TRUE(m.Display.UndoLineShown);
    EXPECT_FALSE(shown.ClearBeforeEach);
    EXPECT_EQ(shown.Drawings, 2);
    RedrawPlan hidden = ToggleDiagramUndoLine(m);
    EXPECT_FALSE(m.Display.UndoLineShown);
    EXPECT_TRUE(hidden.ClearBeforeEach);
    EXPECT_EQ(hidden.Drawings, 1);

    ToggleDiagramDynVars(m);
    EXPECT_TRUE(DiagramControlsFor(m).DynBarsVisible);

    // With nothing to undo the buttons go disabled; with an entry the dimension goes back.
    m.Undo.ButtonsEnabled = true;
    EXPECT_EQ(DiagramUndoClicked(m, 2).Drawings, 2);
    EXPECT_FALSE(DiagramControlsFor(m).UndoButtonEnabled);
    const float stroke = m.Frame.Stroke;
    RegisterDynVar(m, 2, stroke, "Stroke");
    DynBarEntered(m, 1);
    DynBarChanged(m, 1, 10);
    DynBarScrollEnded(m, 1);
    ASSERT_NE(m.Frame.Stroke, stroke);
    EXPECT_TRUE(DiagramControlsFor(m).UndoButtonEnabled);
    EXPECT_EQ(DiagramUndoClicked(m, 1).Drawings, 1);
    EXPECT_FLOAT_EQ(m.Frame.Stroke, stroke);

    EXPECT_FALSE(TakeDiagramRedrawPending(m));
    m.DiagramWindows.DiagramRedrawPending = true;
    EXPECT_TRUE(TakeDiagramRedrawPending(m));
    EXPECT_FALSE(m.DiagramWindows.DiagramRedrawPending);
}

}  // namespace
}  // namespace lm
