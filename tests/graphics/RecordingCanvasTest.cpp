// The recording canvas keeps every call with the pen and font it was made with.

#include "graphics/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace lm {
namespace {

TEST(RecordingCanvas, KeepsPenStateWithEveryMarkAndSplitsLinesIntoSegments) {
    RecordingCanvas c;
    c.SetPenColour(colours::Red);
    c.SetPenWidth(2);
    c.Line({1, 2}, {3, 4});
    c.LineTo({5, 6});
    c.SetPenColour(colours::Blue);
    const ScreenPoint poly[] = {{0, 0}, {10, 0}, {10, 10}};
    c.Polyline(poly);
    c.SetHollowBrush();
    c.Ellipse(1, 2, 3, 4);

    const std::vector<Segment> expected = {
        {{1, 2}, {3, 4}, colours::Red, 2},
        {{3, 4}, {5, 6}, colours::Red, 2},
        {{0, 0}, {10, 0}, colours::Blue, 2},
        {{10, 0}, {10, 10}, colours::Blue, 2},
    };
    EXPECT_EQ(c.Segments(), expected);
    EXPECT_EQ(c.SegmentsIn(colours::Red).size(), 2u);

    const auto ellipses = c.OfKind(CanvasOp::Ellipse);
    ASSERT_EQ(ellipses.size(), 1u);
    EXPECT_EQ(ellipses[0].box, (Box{1, 2, 3, 4}));
    EXPECT_TRUE(ellipses[0].hollow);
    EXPECT_EQ(ellipses[0].pen, colours::Blue);

    // Marks leave out the pen changes and moves.
    EXPECT_EQ(c.Marks().size(), 4u);
}

TEST(RecordingCanvas, RecordsTextWithFontColourAndArcsWithTheirRadials) {
    RecordingCanvas c;
    c.SetFontColour(colours::Magenta);
    c.SetTextBackground(true, colours::Silver);
    c.TextOut({7, 8}, "Pt1V  1.000");
    c.Arc(0, 0, 20, 20, {0, 5}, {20, 5});
    c.SetPixel({3, 3}, colours::Cyan);

    ASSERT_EQ(c.Texts(), std::vector<std::string>{"Pt1V  1.000"});
    const auto text = c.OfKind(CanvasOp::TextOut)[0];
    EXPECT_EQ(text.font, colours::Magenta);
    EXPECT_EQ(text.points[0], (ScreenPoint{7, 8}));
    const auto background = c.OfKind(CanvasOp::SetTextBackground)[0];
    EXPECT_TRUE(background.flag);
    EXPECT_EQ(background.colour, colours::Silver);

    const auto arc = c.OfKind(CanvasOp::Arc)[0];
    EXPECT_EQ(arc.box, (Box{0, 0, 20, 20}));
    EXPECT_EQ(arc.points, (std::vector<ScreenPoint>{{0, 5}, {20, 5}}));
    EXPECT_EQ(c.OfKind(CanvasOp::SetPixel)[0].colour, colours::Cyan);

    c.Forget();
    EXPECT_TRUE(c.Ops().empty());
}

}  // namespace
}  // namespace lm
