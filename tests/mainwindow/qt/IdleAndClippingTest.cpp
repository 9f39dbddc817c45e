// A stopped gear's ticks do no work until something changes, and a tick drawing only the
// part of the picture the window shows leaves those pixels as a whole drawing would.
#include <QAction>
#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>

#include <gtest/gtest.h>

#include "graphics/qt/QPainterCanvas.h"
#include "mainwindow/AnimationTick.h"
#include "mainwindow/MainRender.h"
#include "mainwindow/WindowControlState.h"
#include "MainWindowFixture.h"

namespace lm {
namespace {

class IdleAndClippingTest : public test::MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        form->show();  // so a resize reaches the client area
    }
    // Ticks n times; how many of them solved and how many drew.
    std::pair<long long, long long> Ticks(int n) {
        const MainForm::TickCounts before = form->tickCounts();
        for (int i = 0; i < n; ++i) tick();
        const MainForm::TickCounts& after = form->tickCounts();
        return {after.solved - before.solved, after.drawn - before.drawn};
    }
    void StopAndSettle() {
        if (form->running()) form->RunClick();
        Ticks(3);
        ASSERT_EQ(Ticks(5), std::make_pair(0LL, 0LL)) << "a stopped gear keeps working";
    }
};

TEST_F(IdleAndClippingTest, AStoppedGearIdlesUntilSomethingChanges) {
    EXPECT_EQ(Ticks(4), std::make_pair(4LL, 4LL));  // turning: every tick
    StopAndSettle();
    const QImage idle = form->picture().copy();

    struct Change {
        const char* what;
        std::function<void()> make;
    };
    const Change changes[] = {
        {"a dimension", [&] { model.Frame.Stroke = 3.25f; }},
        {"a bar", [&] { bar("SBRevArm")->setValue(bar("SBRevArm")->value() - 20); }},
        {"an option", [&] { action("SetLineWidth")->trigger(); }},
        {"a resize",
         [&] {
             form->resize(form->width() + 60, form->height() + 40);
             QApplication::processEvents();
         }},
    };
    for (const Change& c : changes) {
        c.make();
        EXPECT_EQ(Ticks(1), std::make_pair(1LL, 1LL)) << c.what;
        StopAndSettle();
    }
    EXPECT_NE(form->picture(), idle);

    // Animations draw every tick while they last, then the gear idles again.
    action("SetSteam")->trigger();
    EXPECT_EQ(Ticks(6).second, 6) << "steam display";
    action("SetSteam")->trigger();
    StopAndSettle();

    model.Gear.GearError = true;  // shown 9 ticks, sounded, cleared after the 21st
    EXPECT_EQ(Ticks(21).second, 21) << "error item";
    EXPECT_FALSE(model.Gear.GearError);
    StopAndSettle();

    form->RunClick();
    EXPECT_EQ(Ticks(3), std::make_pair(3LL, 3LL)) << "running again";
}

// What one tick of the window draws, worked out here from the same state without the window.
QImage FullTickPicture(const Model& from, const MainWindowState& fromState) {
    Model m = from;
    MainWindowState s = fromState;
    s.Sound = nullptr;
    AnimationTick(m, s);
    UpdateWindowControlState(m, s);
    QImage image(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    RenderMainWindow(m, s, canvas);
    return image;
}

TEST_F(IdleAndClippingTest, TheShownPartOfAClippedTickEqualsAWholeDrawing) {
    // Everything the readouts and the overlay of reference points can show.
    action("RefPoints")->trigger();
    action("DynamicVariables")->trigger();
    action("SetPivotData")->trigger();
    action("SetUnDo")->trigger();
    for (QSize client : {QSize(kClientAreaWidth, kClientAreaHeight), QSize(905, 611)}) {
        form->resize(client + (form->size() - form->centralWidget()->size()));
        QApplication::processEvents();
        const QSize shown = form->centralWidget()->size();
        for (int t = 0; t < 12; ++t) {  // 120 degrees of turning, a cut-off among them
            const QImage whole = FullTickPicture(model, form->state());
            tick();
            const QImage& drawn = form->picture();  // finished beyond the shown part
            ASSERT_EQ(drawn.devicePixelRatio(), 1.0);
            EXPECT_EQ(drawn.copy(QRect({0, 0}, shown)), whole.copy(QRect({0, 0}, shown)))
                << "tick " << t << " at " << shown.width() << " x " << shown.height();
            EXPECT_EQ(drawn, whole) << "the finished picture, tick " << t;
        }
    }
}

// The window repaints only where the picture changed: what reaches the screen must still
// be the whole new picture, below the controls, tick after tick.
TEST_F(IdleAndClippingTest, TheScreenFollowsThePictureThroughPartialRepaints) {
    QWidget* area = form->centralWidget();
    QScreen* screen = form->screen();
    ASSERT_NE(screen, nullptr);
    for (int t = 0; t < 8; ++t) {
        tick();
        QApplication::processEvents();
        const QImage onScreen = screen->grabWindow(form->winId()).toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(onScreen.isNull());
        const QPoint at = area->mapTo(form.get(), QPoint(0, 0));
        const QRect below(0, 140, area->width(), area->height() - 140);  // under the controls
        EXPECT_EQ(onScreen.copy(below.translated(at)), form->picture().copy(below)) << "tick " << t;
    }
}

}  // namespace
}  // namespace lm
