// The lines-and-circles overlay: the order of choices, the pivot-pick flow through the
// main window's press, the entries drawn fixed and travelling, and their file round trip.
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#include "files/DimensionFile.h"
#include "graphics/RecordingCanvas.h"
#include "kinematics/StartUp.h"
#include "mainwindow/AnimationTick.h"
#include "mainwindow/MainRender.h"
#include "mainwindow/PressHandler.h"
#include "mainwindow/OverlayDrawing.h"
#include "overlay/OverlayEditor.h"

namespace lm {
namespace {

constexpr int kLine = 0, kCircle = 1;
constexpr int kRed = 1, kGreen = 2, kBlue = 4;

class Overlay : public ::testing::Test {
protected:
    void SetUp() override {
        StartUp(m);
        m.Gear.StepAngle = 0;
        Tick();
    }
    void Tick() { AnimationTick(m, s); }
    void PlaceRefs(float x1, float y1, float x2, float y2) {
        m.P(RefPoint1).X = x1;
        m.P(RefPoint1).Y = y1;
        m.P(RefPoint2).X = x2;
        m.P(RefPoint2).Y = y2;
    }
    // Chooses type, colour and reference as the user would; true when none beeped.
    bool Choose(int type, int colour, int reference) {
        bool quiet = !ChooseOverlayType(m, type).beep;
        quiet = !ChooseOverlayColour(m, colour).beep && quiet;
        last = ChooseOverlayReference(m, reference);
        return !last.beep && quiet;
    }
    RecordingCanvas Drawn() {
        RecordingCanvas c;
        DrawOverlayEntries(m, s, c);
        return c;
    }
    const OverlayEntry& Entry(int k) const { return m.Lines.Entries[static_cast<std::size_t>(k)]; }
    const OverlayRowText& Row(int k) const { return m.LinesWindow.Rows[static_cast<std::size_t>(k)]; }

    Model m;
    MainWindowState s;
    OverlayOutcome last;
};

TEST_F(Overlay, ChoicesInTheWrongOrderBeepAndAreCleared) {
    OverlayOutcome o = ChooseOverlayType(m, kLine);  // both reference points at the origin
    EXPECT_TRUE(o.beep && o.closeWindow);
    EXPECT_EQ(m.LinesWindow.TypeChoice, -1);

    PlaceRefs(1, 2, 4, 6);
    EXPECT_TRUE(ChooseOverlayColour(m, kRed).beep);  // colour before type
    EXPECT_EQ(m.LinesWindow.ColourChoice, -1);
    EXPECT_FALSE(ChooseOverlayType(m, kLine).beep);
    EXPECT_TRUE(ChooseOverlayReference(m, 0).beep);  // reference before colour
    EXPECT_EQ(m.LinesWindow.ReferenceChoice, -1);
    EXPECT_FALSE(m.LinesWindow.DrawEnabled);

    EXPECT_FALSE(ChooseOverlayColour(m, kRed).beep);
    o = ChooseOverlayReference(m, 0);
    EXPECT_FALSE(o.beep || o.closeWindow);  // fixed: nothing to pick
    EXPECT_TRUE(m.LinesWindow.DrawEnabled);
    EXPECT_EQ(Row(1).Type, "Line");
    EXPECT_EQ(Row(1).Colour, "Red");
    EXPECT_EQ(Row(1).Reference, "0 , 0");

    o = DrawCloseClick(m);
    EXPECT_TRUE(o.closeWindow);
    EXPECT_FALSE(o.beep);
    EXPECT_EQ(Entry(1).Type, 0);
    EXPECT_EQ(Entry(1).Color, 255);
    EXPECT_EQ(Row(1).Boxes, (std::array<std::string, 4>{"  2.000", "  1.000", "  6.000", "  4.000"}));
    EXPECT_EQ(m.Lines.CurrentEntry, 2);
    EXPECT_FALSE(m.LinesWindow.DrawEnabled);
    EXPECT_EQ(m.LinesWindow.TypeChoice, -1);

    // Fixed while the gear turns: the same segment at two angles, in red.
    const auto before = Drawn().SegmentsIn(colours::Red);
    m.Gear.DriverAngle = 90;
    Tick();
    EXPECT_EQ(Drawn().SegmentsIn(colours::Red), before);
    ASSERT_EQ(before.size(), 1u);
    EXPECT_EQ(before[0].from, (ScreenPoint{138, 213}));  // 1 x 28.5 + 110 = 138.5, to even
}

TEST_F(Overlay, FixedCircleTakesItsRadiusAndRefusesItsThirdBox) {
    PlaceRefs(1, 2, 4, 6);
    ASSERT_TRUE(Choose(kCircle, kBlue, 0));
    DrawCloseClick(m);
    EXPECT_EQ(Entry(1).Horz2, 5);  // a 3-4-5 triangle
    EXPECT_EQ(Row(1).Boxes, (std::array<std::string, 4>{"  2.000", "  1.000", "", "  5.000"}));

    EXPECT_FALSE(OverlayBoxAcceptsKey(m, 1, 2, "", '5'));
    EXPECT_TRUE(OverlayBoxAcceptsKey(m, 1, 3, "5", '.'));
    EXPECT_FALSE(OverlayBoxAcceptsKey(m, 1, 3, "5.2", '.'));
    EXPECT_FALSE(OverlayBoxAcceptsKey(m, 1, 3, "-5", '-'));
    EXPECT_FALSE(OverlayBoxAcceptsKey(m, 1, 3, "5", '\r'));
    EXPECT_TRUE(OverlayBoxAcceptsKey(m, 2, 2, "", '5'));  // not a circle's row

    // Centre (1, 2), radius 5: left -4 x 28.5 + 110, top -7 x 28.5 + 270 = 70.5 (to even),
    // right and bottom one further, rounded after adding: 282 and 356.5 (to even).
    const auto ellipses = Drawn().OfKind(CanvasOp::Ellipse);
    ASSERT_EQ(ellipses.size(), 1u);
    EXPECT_EQ(ellipses[0].box, (Box{-4, 70, 282, 356}));
    EXPECT_EQ(ellipses[0].pen, colours::Blue);

    // The gear's line width thickens the overlay too.
    m.Display.LineWidth = 2;
    RecordingCanvas frame;
    RenderMainWindow(m, s, frame);
    const auto thick = frame.OfKind(CanvasOp::Ellipse);
    ASSERT_FALSE(thick.empty());
    EXPECT_EQ(thick.back().pen, colours::Blue);
    EXPECT_EQ(thick.back().penWidth, 2);

    // Leaving a box untouched keeps its number, right-aligning blanks and all.
    LeaveOverlayBox(m, 1, 0, Row(1).Boxes[0]);
    EXPECT_EQ(Entry(1).Vert1, 2);
    // Typed straight into the row: stored as read, no check.
    LeaveOverlayBox(m, 1, 3, "2.5xyz");
    EXPECT_EQ(Entry(1).Horz2, 2.5f);
}

TEST_F(Overlay, CirclesCannotBeTiedToTwoPointsAndTheRowIsEmptied) {
    PlaceRefs(1, 2, 4, 6);
    for (int reference : {2, 3}) {
        EXPECT_FALSE(Choose(kCircle, kRed, reference));
        EXPECT_FALSE(last.closeWindow);
        EXPECT_EQ(Entry(1).Type, -1);
        EXPECT_EQ(Entry(1).Reference, -1);
        EXPECT_EQ(Row(1).Type, "");
        EXPECT_EQ(Row(1).Reference, "");
        EXPECT_FALSE(m.LinesWindow.OverlayPickPending);
        EXPECT_EQ(m.Lines.CurrentEntry, 1);
    }
}

TEST_F(Overlay, LineTiedToTheCrankPinTravelsWithIt) {
    PlaceRefs(1.6f, 0.05f, 3, 2);  // beside the crank pin at (1.5, 0)
    ASSERT_TRUE(Choose(kLine, kGreen, 1));
    EXPECT_TRUE(last.closeWindow);
    EXPECT_EQ(m.Lines.CurrentEntry, 0);  // one less while the pick is pending
    EXPECT_TRUE(m.LinesWindow.OverlayPickPending);

    ActivateOverlayWindow(m);  // after the pick
    EXPECT_EQ(m.Lines.CurrentEntry, 1);
    EXPECT_EQ(Entry(1).RefPivot1, CrankPin);
    ASSERT_FALSE(DrawCloseClick(m).beep);
    EXPECT_EQ(Row(1).Boxes, (std::array<std::string, 4>{"  0.050", "  0.100", "  2.000", "  1.500"}));

    // Model (1.6, 0.05) to (3, 2) at 0 degrees; with the pin at (0, -1.5) at 90 degrees,
    // (0.1, -1.45) to (1.5, 0.5).
    const auto at0 = Drawn().SegmentsIn(colours::DarkGreen);
    ASSERT_EQ(at0.size(), 1u);
    EXPECT_EQ(at0[0].from, (ScreenPoint{156, 269}));
    EXPECT_EQ(at0[0].to, (ScreenPoint{196, 213}));
    m.Gear.DriverAngle = 90;
    Tick();
    const auto at90 = Drawn().SegmentsIn(colours::DarkGreen);
    ASSERT_EQ(at90.size(), 1u);
    EXPECT_EQ(at90[0].from, (ScreenPoint{113, 311}));
    EXPECT_EQ(at90[0].to, (ScreenPoint{153, 256}));
}

TEST_F(Overlay, TwoPivotPickGoesThroughTheMainWindowsPresses) {
    PlaceRefs(1, 1, 2, 2);
    RefPointsClick(m.Display);
    ASSERT_TRUE(Choose(kLine, kRed, 3));
    ASSERT_TRUE(last.closeWindow);

    RecordingCanvas prompts;
    DrawOverlayPrompts(m, s, prompts);
    EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{"STOP MOTION AND SELECT PIVOT 1 AND PIVOT 2",
                                                         "USE LEFT MOUSE BUTTON FIRST THEN RIGHT",
                                                         "MOVE MOTION IF NECESSARY TO CLEAR PIVOTS"}));

    int opened = 0;
    const auto reopen = [&] {
        ++opened;
        ActivateOverlayWindow(m);
    };
    const Pivot crosshead = m.P(Crosshead);
    const Pivot link = m.P(LinkCentrePivot);
    HandleMainWindowPress(m, s, MouseButton::Left, {crosshead.SX, crosshead.SY}, reopen);
    EXPECT_EQ(opened, 0);
    HandleMainWindowPress(m, s, MouseButton::Right, {link.SX, link.SY}, reopen);
    ASSERT_EQ(opened, 1);
    EXPECT_EQ(Entry(1).RefPivot1, Crosshead);
    EXPECT_EQ(Entry(1).RefPivot2, LinkCentrePivot);

    DrawCloseClick(m);
    EXPECT_FALSE(m.LinesWindow.OverlayPickPending);
    RecordingCanvas none;
    DrawOverlayPrompts(m, s, none);
    EXPECT_TRUE(none.Ops().empty());
    // The ends are the reference points as they were when the reference was chosen,
    // kept as offsets from the picked pivots: at this angle the line is still there.
    EXPECT_NEAR(Entry(1).Vert1, 1 - crosshead.Y, 0.0005);
    EXPECT_NEAR(Entry(1).Horz2, 2 - link.X, 0.0005);
    const auto drawn = Drawn().SegmentsIn(colours::Red);
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].from, (ScreenPoint{138, 242}));  // (1, 1): 138.5 and 241.5 to even
    EXPECT_EQ(drawn[0].to, (ScreenPoint{167, 213}));
}

TEST_F(Overlay, TheLastEntryStaysCurrentAndClearLineTouchesOnlyItsRow) {
    PlaceRefs(1, 2, 4, 6);
    SelectOverlayRow(m, 18);
    ASSERT_TRUE(Choose(kLine, kRed, 0));
    DrawCloseClick(m);
    ASSERT_TRUE(Choose(kLine, kBlue, 0));
    DrawCloseClick(m);
    EXPECT_EQ(m.Lines.CurrentEntry, 20);
    ASSERT_TRUE(Choose(kCircle, kRed, 0));
    EXPECT_TRUE(DrawCloseClick(m).beep);  // the 21st
    EXPECT_EQ(m.Lines.CurrentEntry, 20);
    ASSERT_TRUE(Choose(kLine, kRed, 0));
    DrawCloseClick(m);
    EXPECT_EQ(Entry(20).Type, kLine);  // replaced

    SelectOverlayRow(m, 19);
    ClearLineClick(m);
    EXPECT_EQ(m.Lines.CurrentEntry, 19);
    EXPECT_EQ(Entry(19).Type, -1);
    EXPECT_EQ(Entry(19).Horz2, 0);
    EXPECT_EQ(Row(19).Colour, "");
    EXPECT_EQ(Row(19).Boxes[0], "");
    EXPECT_EQ(Entry(18).Type, kLine);
    EXPECT_EQ(Row(18).Colour, "Red");
}

TEST_F(Overlay, EntriesSurviveTheFileAndForeignPivotNumbersDrawNothing) {
    PlaceRefs(1, 2, 4, 6);
    ASSERT_TRUE(Choose(kCircle, kBlue, 0));
    DrawCloseClick(m);
    OverlayEntry& foreign = m.Lines.Entries[2];
    foreign = {0.5f, 0.25f, 1, 1, 0, 0, 0, 0, kLine, 255, 1, 40, 0};
    m.Lines.CurrentEntry = 3;

    const std::string path = ::testing::TempDir() + "overlay_" + std::to_string(::getpid()) + ".lmd";
    ASSERT_TRUE(SaveDimensionFile(m, path).ok());
    Model back;
    StartUp(back);
    ASSERT_TRUE(OpenDimensionFile(back, path).ok());
    std::filesystem::remove(path);
    for (int k = 1; k <= kOverlayEntryCount; ++k) {
        const OverlayEntry& a = Entry(k);
        const OverlayEntry& b = back.Lines.Entries[static_cast<std::size_t>(k)];
        EXPECT_TRUE(a.Type == b.Type && a.Color == b.Color && a.Reference == b.Reference &&
                    a.Horz1 == b.Horz1 && a.Vert1 == b.Vert1 && a.Horz2 == b.Horz2 && a.Vert2 == b.Vert2 &&
                    a.RefPivot1 == b.RefPivot1 && a.RefPivot2 == b.RefPivot2)
            << "entry " << k;
    }
    EXPECT_EQ(back.Lines.CurrentEntry, 3);

    RefreshOverlayRows(back, true);
    const OverlayRowText& row = back.LinesWindow.Rows[2];
    EXPECT_EQ(row.Type, "Line");
    EXPECT_EQ(row.Reference, "Pivot1");
    EXPECT_EQ(row.Boxes[1], "  0.500");
    EXPECT_EQ(back.LinesWindow.Rows[3].Boxes[0], "");  // empty entry

    // Pivot 40 is kept as it is but never looked up: only the circle is drawn.
    const auto marks = Drawn().Marks();
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks[0].kind, CanvasOp::Ellipse);
}

}  // namespace
}  // namespace lm
