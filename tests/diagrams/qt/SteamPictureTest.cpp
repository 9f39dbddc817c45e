// The steam diagram's picture as drawn with the program's own fonts.
#include <QImage>
#include <string>

#include <gtest/gtest.h>

#include "../DiagramTestModel.h"
#include "diagrams/DiagramFrame.h"
#include "diagrams/Diagrams.h"
#include "graphics/qt/PictureExport.h"

namespace lm {
namespace {

bool Inked(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

// The pressure axis's arrow is four overlapping glyphs; each must keep all of its ink
// in the finished picture, none erased by the box of a glyph drawn after it.
TEST(SteamPicture, PressureArrowShowsAllFourGlyphs) {
    Model m = testing::StartedModel();
    const QImage picture = RenderPicture(kDiagramWidth, kSteamDiagramHeight, 1.0,
                                         [&](Canvas& c) { DrawSteamDiagram(m, c); });
    ASSERT_FALSE(picture.isNull());

    constexpr struct { ScreenPoint at; const char* glyph; } kArrow[] = {
        {{24, 77}, "/"}, {{29, 77}, "\\"}, {{28, 81}, "|"}, {{28, 94}, "|"}};
    for (const auto& g : kArrow) {
        SCOPED_TRACE(g.glyph);
        const QImage alone = RenderPicture(kDiagramWidth, kSteamDiagramHeight, 1.0,
                                           [&](Canvas& c) {
                                               BeginDiagramDrawing(m, c);
                                               c.TextOut(g.at, g.glyph);
                                           });
        int ink = 0, lost = 0;
        for (int y = 60; y < 110; ++y)
            for (int x = 10; x < 44; ++x)
                if (Inked(alone, x, y)) {
                    ++ink;
                    if (!Inked(picture, x, y)) ++lost;
                }
        EXPECT_GT(ink, 0);
        EXPECT_EQ(lost, 0);
    }
}

}  // namespace
}  // namespace lm
