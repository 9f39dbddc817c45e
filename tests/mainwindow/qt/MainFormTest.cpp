// The main window as a user meets it: controls found by name, clicked and dragged, ticks
// driven by hand.
#include <QAbstractSlider>
#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <cmath>
#include <memory>

#include <gtest/gtest.h>

#include "mainwindow/StepAngleBands.h"
#include "mainwindow/qt/MainForm.h"
#include "MainWindowFixture.h"

namespace lm {
namespace {

class MainFormTest : public test::MainWindowFixture {
protected:
    float angle() const { return model.Gear.DriverAngle; }
};

struct ExpectedControl {
    const char* name;
    int left, top, width, height;
    const char* caption;  // nullptr for a scroll bar
    const char* hint;
    bool enabled;
    bool visible;
};

const ExpectedControl kControls[] = {
    {"SBRevArm", 336, 26, 121, 12, nullptr, "Set Reverse Arm Between Max & Min", true, true},
    {"SBDrvAng", 336, 40, 121, 12, nullptr, "Set Driver Angle From 0 to 360 Deg", false, true},
    {"SBStepAng", 336, 54, 121, 12, nullptr, "Set Driver Step Angle to Predefined Values", true,
     true},
    {"Run", 277, 39, 36, 14, "Stop", "Start / Stop Driver Rotation", true, true},
    {"Deg180", 252, 39, 25, 14, "180", "Set Driver Angle to 180 Deg", true, true},
    {"Deg00", 313, 39, 22, 14, "0.0", "Set Driver to 0 Deg", true, true},
    {"Step1", 252, 53, 25, 14, "1.0", "Set Driver Step Angle to 1 Deg", true, true},
    {"Step10", 277, 53, 29, 14, "10.0", "Set Driver Step Angle to 10 Deg", false, true},
    {"Step45", 306, 53, 29, 14, "45.0", "Set Driver Step Angle to 45 Deg", true, true},
    {"SBPanVert", 76, 26, 121, 12, nullptr, "Pan Vertical", true, true},
    {"SBPanHorz", 76, 40, 121, 12, nullptr, "Pan Horizontal", true, true},
    {"SBZoom", 76, 54, 121, 12, nullptr, "Zoom In / Out", true, true},
    {"NormVHZ", 33, 39, 42, 14, "Norm", "Return Pan & Zoom to Normal", false, true},
    {"Preset1", 5, 25, 14, 14, "1", "Pan & Zoom to Preset 1", true, true},
    {"Preset2", 19, 25, 14, 14, "2", "Pan & Zoom to Preset 2", true, true},
    {"Preset3", 33, 25, 14, 14, "3", "Pan & Zoom to Preset 3", true, true},
    {"Preset4", 47, 25, 14, 14, "4", "Pan & Zoom to Preset 4", true, true},
    {"Preset5", 61, 25, 14, 14, "5", "Pan & Zoom to Preset 5", true, true},
    {"Preset6", 5, 39, 14, 14, "6", "Pan & Zoom to Preset 6", true, true},
    {"Preset0", 19, 39, 14, 14, "P", "Select First to Change Presets", true, true},
    {"RefPt1", 5, 53, 35, 14, "RP1", "Pan to Reference Point 1", false, true},
    {"RefPt2", 40, 53, 35, 14, "RP2", "Pan to Reference Point 2", false, true},
    {"SBRef1Vert", 20, 72, 121, 10, nullptr, "Change Reference Point 1 Vertical", true, false},
    {"SBRef1Horz", 20, 84, 121, 10, nullptr, "Change Reference Point 1 Horzontal", true, false},
    {"SBRef2Vert", 20, 96, 121, 10, nullptr, "Change Reference Point 2 Vertical", true, false},
    {"SBRef2Horz", 20, 108, 121, 10, nullptr, "Change Reference Point 2 Horzontal", true, false},
    {"RefPt1Zero", 5, 72, 14, 23, "0", "Zero Reference Point 1", false, false},
    {"RefPt2Zero", 5, 95, 14, 23, "0", "Zero Reference Point 2", false, false},
};

TEST_F(MainFormTest, EveryControlSitsInTheClientAreaAsLaidOut) {
    EXPECT_EQ(form->objectName(), "MainForm");
    EXPECT_EQ(form->windowTitle(), "LINKMOTION Inside Admission");
    QWidget* client = form->centralWidget();
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(client->size(), QSize(632, 380));
    EXPECT_EQ(form->palette().color(QPalette::Window), QColor(192, 192, 192));

    for (const ExpectedControl& c : kControls) {
        SCOPED_TRACE(c.name);
        auto* w = form->findChild<QWidget*>(c.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget(), client);
        EXPECT_EQ(w->geometry(), QRect(c.left, c.top, c.width, c.height));
        EXPECT_EQ(w->toolTip(), c.hint);
        EXPECT_EQ(w->isEnabled(), c.enabled);
        EXPECT_EQ(w->isVisibleTo(form.get()), c.visible);
        if (c.caption != nullptr) {
            auto* b = qobject_cast<QPushButton*>(w);
            ASSERT_NE(b, nullptr);
            EXPECT_EQ(b->text(), c.caption);
        } else {
            auto* s = qobject_cast<QScrollBar*>(w);
            ASSERT_NE(s, nullptr);
            EXPECT_EQ(s->orientation(), Qt::Horizontal);
        }
    }
    // The caption font of the controls: bold, underlined, 13 pixels.
    const QFont f = button("Run")->font();
    EXPECT_TRUE(f.bold());
    EXPECT_TRUE(f.underline());
    EXPECT_EQ(f.pixelSize(), 13);
    EXPECT_TRUE(button("RefPt1Zero")->font().bold());
}

TEST_F(MainFormTest, BarsStartWithTheirRangesStepsAndPositions) {
    struct ExpectedBar {
        const char* name;
        int min, max, value, small, large;
    };
    // The reverse-arm range comes from the nominal full-gear distance of 1.3 length units
    // in steps of 0.001.
    const ExpectedBar bars[] = {
        {"SBRevArm", -1300, 1300, 0, 1, 20},       {"SBDrvAng", -4000, 40000, 1, 1000, 4500},
        {"SBStepAng", 0, 14613, 12000, 920, 2760}, {"SBPanVert", -500, 500, 0, 1, 10},
        {"SBPanHorz", -500, 500, 0, 1, 10},        {"SBZoom", -200, 200, 0, 1, 10},
        {"SBRef1Vert", -5000, 5000, 0, 1, 25},     {"SBRef1Horz", -10000, 10000, 0, 1, 25},
        {"SBRef2Vert", -5000, 5000, 0, 1, 25},     {"SBRef2Horz", -10000, 10000, 0, 1, 25},
    };
    for (const ExpectedBar& b : bars) {
        SCOPED_TRACE(b.name);
        QScrollBar* s = bar(b.name);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->minimum(), b.min);
        EXPECT_EQ(s->maximum(), b.max);
        EXPECT_EQ(s->value(), b.value);
        EXPECT_EQ(s->singleStep(), b.small);
        EXPECT_EQ(s->pageStep(), b.large);
    }
}

TEST_F(MainFormTest, StartsRunningWithTheTimerAndTheReverseArmFocused) {
    EXPECT_TRUE(form->running());
    EXPECT_EQ(model.Gear.StepAngle, 10.0f);
    EXPECT_EQ(form->state().StepAngleSetting, 10.0f);
    EXPECT_TRUE(form->state().StepBarLive);
    EXPECT_EQ(form->focusWidget(), bar("SBRevArm"));
    auto* timer = form->findChild<QTimer*>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 16);
    EXPECT_FALSE(timer->isActive());  // this test drives the ticks itself

    Model other;
    MainForm started(other, MainFormOptions{5, true});
    EXPECT_TRUE(started.timer()->isActive());
    EXPECT_EQ(started.timer()->interval(), 5);
}

TEST_F(MainFormTest, StopQuantisesTheAngleAndStartResumesTheChosenStep) {
    model.Gear.DriverAngle = 123.456f;
    button("Run")->click();
    EXPECT_EQ(button("Run")->text(), "Run");
    EXPECT_FALSE(form->running());
    EXPECT_EQ(bar("SBDrvAng")->value(), 12346);
    EXPECT_EQ(angle(), 123.46f);
    EXPECT_EQ(model.Gear.StepAngle, 0.0f);
    EXPECT_TRUE(bar("SBDrvAng")->isEnabled());

    // A step chosen while stopped waits for the start.
    button("Step45")->click();
    EXPECT_EQ(form->state().StepAngleSetting, 45.0f);
    EXPECT_EQ(model.Gear.StepAngle, 0.0f);
    EXPECT_FALSE(button("Step45")->isEnabled());
    EXPECT_TRUE(button("Step10")->isEnabled());
    EXPECT_EQ(bar("SBStepAng")->value(), 14613);

    button("Run")->click();
    EXPECT_EQ(button("Run")->text(), "Stop");
    EXPECT_EQ(model.Gear.StepAngle, 45.0f);
    EXPECT_FALSE(bar("SBDrvAng")->isEnabled());
    EXPECT_TRUE(button("Deg00")->isEnabled());
    EXPECT_TRUE(button("Deg180")->isEnabled());
}

TEST_F(MainFormTest, StopQuantisesEvenWhenTheBarAlreadyShowsTheAngle) {
    // The bar starts at 1; an angle that rounds to the same position gives no change
    // report, yet the stopped angle must still be the bar's.
    model.Gear.DriverAngle = 0.012f;
    button("Run")->click();
    EXPECT_EQ(bar("SBDrvAng")->value(), 1);
    EXPECT_EQ(angle(), 0.01f);
}

TEST_F(MainFormTest, AnglePresetsStopTheGearAndToggleEachOther) {
    button("Deg180")->click();
    EXPECT_EQ(angle(), 180.0f);
    EXPECT_EQ(bar("SBDrvAng")->value(), 18000);
    EXPECT_EQ(button("Run")->text(), "Run");
    EXPECT_EQ(model.Gear.StepAngle, 0.0f);
    EXPECT_TRUE(bar("SBDrvAng")->isEnabled());
    EXPECT_FALSE(button("Deg180")->isEnabled());
    EXPECT_TRUE(button("Deg00")->isEnabled());

    button("Deg00")->click();
    EXPECT_EQ(angle(), 0.0f);
    EXPECT_EQ(bar("SBDrvAng")->value(), 0);
    EXPECT_FALSE(button("Deg00")->isEnabled());
    EXPECT_TRUE(button("Deg180")->isEnabled());

    // Moving the bar frees both presets; an arrow click moves by the band's small change.
    bar("SBDrvAng")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(angle(), 10.0f);
    EXPECT_TRUE(button("Deg00")->isEnabled());
    EXPECT_TRUE(button("Deg180")->isEnabled());

    // Starting again keeps the stopped angle and the step chosen before.
    button("Run")->click();
    EXPECT_EQ(model.Gear.StepAngle, 10.0f);
    EXPECT_EQ(angle(), 10.0f);
}

TEST(StepAngleBands, EdgesLieAtTheBarPositionsOfTheRoundSteps) {
    // Worked out from position = 4000 log10(100 step): each band ends at the last whole
    // position below the step halfway (in the 1-1.5-2.5-4-8 sense) to the next band's.
    const double edgeSteps[] = {0.015, 0.025, 0.04, 0.08, 0.15, 0.25, 0.4, 0.8,
                                1.5,   2.5,   4,    8,    15,   25,   40};
    const double steps[] = {0.01, 0.02, 0.03, 0.05, 0.1, 0.2, 0.3, 0.5,
                            1,    2,    3,    5,    10,  20,  30,  45};
    ASSERT_EQ(kStepBands.size(), 16u);
    EXPECT_EQ(kStepBands.front().first, 0);
    EXPECT_EQ(kStepBands.back().last, static_cast<int>(std::lround(4000 * std::log10(4500.0))));
    for (std::size_t i = 0; i < kStepBands.size(); ++i) {
        SCOPED_TRACE(i);
        const StepBand& b = kStepBands[i];
        EXPECT_FLOAT_EQ(b.step, static_cast<float>(steps[i]));
        EXPECT_EQ(b.smallChange, static_cast<int>(std::lround(steps[i] * 100)));
        EXPECT_EQ(b.largeChange, std::min(4500, static_cast<int>(std::lround(steps[i] * 500))));
        if (i + 1 < kStepBands.size()) {
            const int edge = static_cast<int>(std::floor(4000 * std::log10(100 * edgeSteps[i])));
            EXPECT_EQ(b.last, edge);
            EXPECT_EQ(kStepBands[i + 1].first, edge + 1);
        }
        // Each step's own bar position falls inside its band.
        const int own = static_cast<int>(std::lround(4000 * std::log10(100 * steps[i])));
        EXPECT_EQ(StepBandAt(own).step, b.step);
    }
    EXPECT_EQ(StepBandAt(-5).step, 0.01f);
    EXPECT_EQ(StepBandAt(99999).step, 45.0f);
}

TEST_F(MainFormTest, StepBarSnapsAtTheBandEdges) {
    struct Case {
        int position;
        float step;
        int small, large;
    };
    const Case cases[] = {
        {0, 0.01f, 1, 5},          {704, 0.01f, 1, 5},       {705, 0.02f, 2, 10},
        {7612, 0.5f, 50, 250},     {7613, 1.0f, 100, 500},   {11612, 5.0f, 500, 2500},
        {11613, 10.0f, 1000, 4500}, {12705, 20.0f, 2000, 4500}, {14408, 30.0f, 3000, 4500},
        {14409, 45.0f, 4500, 4500},
    };
    QScrollBar* stepBar = bar("SBStepAng");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        stepBar->setValue(c.position);
        EXPECT_EQ(form->state().StepAngleSetting, c.step);
        EXPECT_EQ(model.Gear.StepAngle, c.step);  // running: takes effect at once
        EXPECT_EQ(bar("SBDrvAng")->singleStep(), c.small);
        EXPECT_EQ(bar("SBDrvAng")->pageStep(), c.large);
        EXPECT_EQ(button("Step1")->isEnabled(), c.step != 1.0f);
        EXPECT_EQ(button("Step10")->isEnabled(), c.step != 10.0f);
        EXPECT_EQ(button("Step45")->isEnabled(), c.step != 45.0f);
    }
}

TEST_F(MainFormTest, StepButtonsMoveTheBarAndEnableEachOther) {
    button("Step1")->click();
    EXPECT_EQ(bar("SBStepAng")->value(), 8000);
    EXPECT_EQ(form->state().StepAngleSetting, 1.0f);
    EXPECT_EQ(model.Gear.StepAngle, 1.0f);
    EXPECT_EQ(bar("SBDrvAng")->singleStep(), 100);
    EXPECT_FALSE(button("Step1")->isEnabled());
    EXPECT_TRUE(button("Step10")->isEnabled());
    EXPECT_TRUE(button("Step45")->isEnabled());

    button("Step10")->click();
    EXPECT_EQ(bar("SBStepAng")->value(), 12000);
    EXPECT_EQ(model.Gear.StepAngle, 10.0f);
    EXPECT_FALSE(button("Step10")->isEnabled());
    EXPECT_TRUE(button("Step1")->isEnabled());

    // A page click on the bar goes from 12000 to 14760, held at the end: the 45 band.
    bar("SBStepAng")->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(bar("SBStepAng")->value(), 14613);
    EXPECT_EQ(model.Gear.StepAngle, 45.0f);
    EXPECT_FALSE(button("Step45")->isEnabled());
}

TEST_F(MainFormTest, AStepBarMoveThatIsNotLiveIsNotInterpretedOnce) {
    // As the step dialog does it: the step set first, then the bar moved without meaning.
    form->state().StepAngleSetting = 7;
    form->state().StepBarLive = false;
    bar("SBStepAng")->setValue(11380);
    EXPECT_TRUE(form->state().StepBarLive);
    EXPECT_EQ(form->state().StepAngleSetting, 7.0f);
    EXPECT_EQ(model.Gear.StepAngle, 10.0f);
    EXPECT_TRUE(button("Step1")->isEnabled());
    EXPECT_TRUE(button("Step10")->isEnabled());
    EXPECT_TRUE(button("Step45")->isEnabled());
    // The next move is read again.
    bar("SBStepAng")->setValue(11000);
    EXPECT_EQ(form->state().StepAngleSetting, 5.0f);
}

TEST_F(MainFormTest, TicksWrapTheDriverAngleAsTheReadoutShowsIt) {
    // Forward with step 10: 360 is shown once (not above 360.1), then 10.
    model.Gear.DriverAngle = 350;
    tick();
    EXPECT_EQ(angle(), 360.0f);
    tick();
    EXPECT_EQ(angle(), 10.0f);

    // Reverse from 0 comes round to 350.
    model.Gear.RotationDir = Rotation::Rev;
    model.Gear.DriverAngle = 0;
    tick();
    EXPECT_EQ(angle(), 350.0f);
}

TEST_F(MainFormTest, AnAngleOf400SetWhileStoppedIsSolvedAndShownAs40) {
    button("Run")->click();
    bar("SBDrvAng")->setValue(40000);
    EXPECT_EQ(angle(), 400.0f);
    tick();
    EXPECT_EQ(angle(), 40.0f);
    // The crank pin was solved for 400, the same place as 40: on the crank circle of
    // half the nominal stroke of 3, 40 degrees round.
    const Pivot& axle = model.P(DriverAxle);
    const Pivot& pin = model.P(CrankPin);
    EXPECT_NEAR(std::hypot(pin.X - axle.X, pin.Y - axle.Y), 1.5, 1e-5);
    EXPECT_NEAR(std::fabs(pin.X - axle.X), 1.5 * std::cos(40 * M_PI / 180), 1e-5);
    EXPECT_NEAR(std::fabs(pin.Y - axle.Y), 1.5 * std::sin(40 * M_PI / 180), 1e-5);
    // Stopped: the next ticks leave it there.
    tick();
    EXPECT_EQ(angle(), 40.0f);
}

TEST_F(MainFormTest, EachTickDrawsTheGearAndTheWindowShowsIt) {
    EXPECT_TRUE(form->picture().isNull());
    tick();
    const QImage& picture = form->picture();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(1280, 1024));

    // Every colour of the gear drawing is on the picture.
    const QColor colours[] = {Qt::black, Qt::red, QColor(0, 255, 0), Qt::blue, Qt::magenta,
                              Qt::cyan, QColor(128, 128, 128)};
    const QImage img = picture.convertToFormat(QImage::Format_RGB32);
    for (const QColor& c : colours) {
        bool found = false;
        for (int y = 0; y < img.height() && !found; ++y)
            for (int x = 0; x < img.width() && !found; ++x)
                found = img.pixelColor(x, y) == c;
        EXPECT_TRUE(found) << c.name().toStdString();
    }

    // The client area shows the picture from its top-left corner, where no control is.
    const QImage shown =
        form->centralWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal dpr = picture.devicePixelRatio();
    int compared = 0;
    for (int y = 150; y < 380; y += 7)
        for (int x = 0; x < 632; x += 5) {
            const QColor want = img.pixelColor(qRound(x * dpr), qRound(y * dpr));
            EXPECT_EQ(shown.pixelColor(qRound(x * shown.devicePixelRatio()),
                                       qRound(y * shown.devicePixelRatio())),
                      want)
                << x << "," << y;
            if (want != Qt::white) ++compared;
        }
    EXPECT_GT(compared, 0);
}

// ---- The view: pan, zoom, Norm, presets ----

void expectView(const Model& m, float scale, float x, float y) {
    EXPECT_FLOAT_EQ(m.View.ViewScale, scale);
    EXPECT_FLOAT_EQ(m.View.ViewOriginX, x);
    EXPECT_FLOAT_EQ(m.View.ViewOriginY, y);
}

TEST_F(MainFormTest, PanBarsMoveTheViewAndSpringBackToZero) {
    expectView(model, 28.5f, 110, 270);
    QScrollBar* horz = bar("SBPanHorz");
    QScrollBar* vert = bar("SBPanVert");

    horz->triggerAction(QAbstractSlider::SliderSingleStepAdd);  // arrow: a tenth of a pixel
    EXPECT_EQ(horz->value(), 0);
    expectView(model, 28.5f, 110.1f, 270);
    EXPECT_TRUE(button("NormVHZ")->isEnabled());
    horz->triggerAction(QAbstractSlider::SliderPageStepAdd);  // page: one pixel
    expectView(model, 28.5f, 111.1f, 270);

    // To the right lifts the drawing.
    vert->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(vert->value(), 0);
    expectView(model, 28.5f, 111.1f, 269);
    vert->triggerAction(QAbstractSlider::SliderSingleStepSub);
    expectView(model, 28.5f, 111.1f, 269.1f);

    // A drag to 37 moves by 3.7.
    horz->setValue(37);
    EXPECT_EQ(horz->value(), 0);
    expectView(model, 28.5f, 114.8f, 269.1f);
}

TEST_F(MainFormTest, ZoomKeepsTheCentreAndStopsAt3000AfterMovingTheOrigins) {
    bar("SBZoom")->triggerAction(QAbstractSlider::SliderPageStepSub);  // out by 1 %
    // (110 - 320) x 0.99 + 320 and (270 - 240) x 0.99 + 240
    expectView(model, 28.215f, 112.1f, 269.7f);
    EXPECT_EQ(bar("SBZoom")->value(), 0);

    model.View.ViewScale = 3000;
    model.View.ViewOriginX = 1000;
    model.View.ViewOriginY = 500;
    bar("SBZoom")->triggerAction(QAbstractSlider::SliderPageStepAdd);
    // The origins move as for a scale of 3030; the scale itself stays at the limit.
    expectView(model, 3000, 1006.8f, 502.6f);
}

TEST_F(MainFormTest, NormReturnsToTheNormalViewAndRemembersTheOneLeft) {
    bar("SBZoom")->triggerAction(QAbstractSlider::SliderPageStepAdd);
    bar("SBPanHorz")->triggerAction(QAbstractSlider::SliderPageStepAdd);
    const ViewTriple left{model.View.ViewScale, model.View.ViewOriginX, model.View.ViewOriginY};
    button("Preset0")->click();  // armed, then given up by Norm
    EXPECT_FALSE(button("Preset0")->isEnabled());

    button("NormVHZ")->click();
    expectView(model, 28.5f, 110, 270);
    EXPECT_EQ(model.Views.SavedView.Scale, left.Scale);
    EXPECT_EQ(model.Views.SavedView.OriginX, left.OriginX);
    EXPECT_EQ(model.Views.SavedView.OriginY, left.OriginY);
    EXPECT_FALSE(button("NormVHZ")->isEnabled());
    EXPECT_TRUE(button("Preset0")->isEnabled());
    for (const char* name : {"SBPanVert", "SBPanHorz", "SBZoom"}) EXPECT_EQ(bar(name)->value(), 0);
}

TEST_F(MainFormTest, PresetButtonsRecallAndPThenANumberStores) {
    button("Preset3")->click();
    expectView(model, 100, -500, 200);
    EXPECT_TRUE(button("NormVHZ")->isEnabled());
    button("NormVHZ")->click();

    // "P" then "3" keeps the view shown when "P" was pressed as preset 3.
    bar("SBPanHorz")->triggerAction(QAbstractSlider::SliderPageStepAdd);
    button("Preset0")->click();
    EXPECT_FALSE(button("Preset0")->isEnabled());
    EXPECT_TRUE(button("NormVHZ")->isEnabled());
    bar("SBPanVert")->triggerAction(QAbstractSlider::SliderPageStepAdd);  // after "P": not kept
    button("Preset3")->click();
    expectView(model, 28.5f, 111, 270);
    EXPECT_TRUE(button("Preset0")->isEnabled());

    // Recalled later, after other pans and presets.
    button("Preset5")->click();
    expectView(model, 250, -3300, 700);
    bar("SBPanHorz")->triggerAction(QAbstractSlider::SliderPageStepSub);
    button("Preset3")->click();
    expectView(model, 28.5f, 111, 270);
    // The other presets are untouched.
    button("Preset6")->click();
    expectView(model, 250, -4000, 700);
}

// ---- Reference points ----

void press(QWidget* w, Qt::MouseButton b, int x, int y) {
    QMouseEvent e(QEvent::MouseButtonPress, QPointF(x, y), w->mapToGlobal(QPointF(x, y)), b, b,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

TEST_F(MainFormTest, ReferencePointsShowTheirControlsWhenSwitchedOn) {
    form->RefPointsClick();
    EXPECT_TRUE(form->model().Display.RefPointsOn);
    for (const char* name : {"SBRef1Vert", "SBRef1Horz", "SBRef2Vert", "SBRef2Horz"})
        EXPECT_TRUE(bar(name)->isVisibleTo(form.get())) << name;
    for (const char* name : {"RefPt1", "RefPt2"}) EXPECT_TRUE(button(name)->isEnabled()) << name;
    for (const char* name : {"RefPt1Zero", "RefPt2Zero"}) {
        EXPECT_TRUE(button(name)->isVisibleTo(form.get())) << name;
        EXPECT_FALSE(button(name)->isEnabled()) << name;
    }
    for (const char* name : {"Panel5", "Panel6", "Panel11"})
        EXPECT_TRUE(form->findChild<QWidget*>(name)->isVisibleTo(form.get())) << name;

    form->RefPointsClick();
    EXPECT_FALSE(bar("SBRef1Vert")->isVisibleTo(form.get()));
    EXPECT_FALSE(button("RefPt1")->isEnabled());
    EXPECT_FALSE(button("RefPt2Zero")->isVisibleTo(form.get()));
    EXPECT_FALSE(form->findChild<QWidget*>("Panel5")->isVisibleTo(form.get()));
}

TEST_F(MainFormTest, AHighlightsLabelAndHourglassAreNotHiddenUnderTheReferenceBars) {
    form->RefPointsClick();
    model.Highlight.Dim = 2;
    tick();
    EXPECT_FALSE(bar("SBRef1Vert")->isVisibleTo(form.get()));
    EXPECT_FALSE(form->findChild<QWidget*>("Panel5")->isVisibleTo(form.get()));
    // The label's place at (30, 75) and the hourglass's (20..44, 100..142) show the picture.
    for (QPoint p : {QPoint(31, 76), QPoint(30, 120)}) EXPECT_EQ(form->centralWidget()->childAt(p), nullptr) << p.y();
    // A press ends the highlight; the bars come back.
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(400, 300), QPointF(400, 300), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form->centralWidget(), &press);
    tick();
    EXPECT_TRUE(bar("SBRef1Vert")->isVisibleTo(form.get()));
    EXPECT_TRUE(form->findChild<QWidget*>("Panel5")->isVisibleTo(form.get()));
}

TEST_F(MainFormTest, MousePlacesReferencePointsOnlyOnTheDrawing) {
    QWidget* client = form->centralWidget();
    const Pivot& p1 = model.P(RefPoint1);
    const Pivot& p2 = model.P(RefPoint2);

    press(client, Qt::LeftButton, 300, 300);  // points off: nothing
    EXPECT_EQ(p1.X, 0.0f);
    form->RefPointsClick();

    // The bar strip and the corner of the reference bars are not the drawing.
    for (QPoint at : {QPoint(100, 100), QPoint(247, 100), QPoint(400, 67), QPoint(248, 67)}) {
        press(client, Qt::LeftButton, at.x(), at.y());
        EXPECT_EQ(p1.X, 0.0f) << at.x() << "," << at.y();
        EXPECT_EQ(p1.Y, 0.0f);
    }
    EXPECT_FALSE(button("RefPt1Zero")->isEnabled());

    // (300 - 110) / 28.5 across and (270 - 100) / 28.5 up.
    press(client, Qt::LeftButton, 300, 100);
    EXPECT_NEAR(p1.X, 190 / 28.5, 1e-5);
    EXPECT_NEAR(p1.Y, 170 / 28.5, 1e-5);
    EXPECT_TRUE(button("RefPt1Zero")->isEnabled());
    EXPECT_FALSE(button("RefPt2Zero")->isEnabled());

    // The right button places point 2; the edges of the area count.
    press(client, Qt::RightButton, 248, 68);
    EXPECT_NEAR(p2.X, 138 / 28.5, 1e-5);
    EXPECT_NEAR(p2.Y, 202 / 28.5, 1e-5);
    press(client, Qt::RightButton, 10, 121);
    EXPECT_NEAR(p2.X, -100 / 28.5, 1e-5);
    EXPECT_NEAR(p2.Y, 149 / 28.5, 1e-5);
    EXPECT_TRUE(button("RefPt2Zero")->isEnabled());
    EXPECT_NEAR(p1.X, 190 / 28.5, 1e-5);  // point 1 stays
}

TEST_F(MainFormTest, ReferenceBarsNudgeThePointsAndZeroPutsThemBack) {
    form->RefPointsClick();
    bar("SBRef1Vert")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_FLOAT_EQ(model.P(RefPoint1).Y, 0.001f);
    EXPECT_TRUE(button("RefPt1Zero")->isEnabled());
    bar("SBRef1Horz")->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_FLOAT_EQ(model.P(RefPoint1).X, -0.025f);
    bar("SBRef2Horz")->triggerAction(QAbstractSlider::SliderPageStepAdd);
    bar("SBRef2Vert")->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_FLOAT_EQ(model.P(RefPoint2).X, 0.025f);
    EXPECT_FLOAT_EQ(model.P(RefPoint2).Y, 0.025f);
    for (const char* name : {"SBRef1Vert", "SBRef1Horz", "SBRef2Vert", "SBRef2Horz"})
        EXPECT_EQ(bar(name)->value(), 0) << name;

    button("RefPt1Zero")->click();
    EXPECT_EQ(model.P(RefPoint1).X, 0.0f);
    EXPECT_EQ(model.P(RefPoint1).Y, 0.0f);
    EXPECT_FALSE(button("RefPt1Zero")->isEnabled());
    EXPECT_FLOAT_EQ(model.P(RefPoint2).X, 0.025f);  // point 2 untouched
    EXPECT_TRUE(button("RefPt2Zero")->isEnabled());
}

TEST_F(MainFormTest, RP1PansThePointToTheCentreThenStepsThePanBarsOnce) {
    form->RefPointsClick();
    model.P(RefPoint1).X = 2;
    model.P(RefPoint1).Y = 1;
    button("RefPt1")->click();
    // Centred: origin 320 - 2 x 28.5 = 263 across, 240 + 28.5 = 268.5 down. The horizontal
    // bar then goes to round((263 - 320 + 320 - 110) x 100 / -110) = -139, a drag that
    // pans 13.9 more; the vertical one to round((28.5 - 30) x 200 / 270) = -1, an arrow
    // click that lowers the origin by 0.1.
    expectView(model, 28.5f, 249.1f, 268.6f);
    EXPECT_EQ(bar("SBPanHorz")->value(), 0);
    EXPECT_EQ(bar("SBPanVert")->value(), 0);
    EXPECT_TRUE(button("NormVHZ")->isEnabled());

    // RP2 with point 2 at the origin and the normal view: 320 - 0 and 240 + 0, then the
    // bars at round(210 x 100 / -110) = -191 and round(-30 x 200 / 270) = -22.
    button("NormVHZ")->click();
    button("RefPt2")->click();
    expectView(model, 28.5f, 320 - 19.1f, 240 + 2.2f);
}

TEST_F(MainFormTest, ActivationShowsTheAngleBarByTheRunStateAndClosingStopsTheTicks) {
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(form.get(), &activate);
    EXPECT_FALSE(bar("SBDrvAng")->isEnabled());
    // Back from a dialog with the gear stopped: the bar stays usable.
    button("Run")->click();
    QApplication::sendEvent(form.get(), &activate);
    EXPECT_TRUE(bar("SBDrvAng")->isEnabled());

    Model other;
    MainForm started(other, MainFormOptions{16, true});
    started.show();
    ASSERT_TRUE(started.timer()->isActive());
    EXPECT_TRUE(started.close());
    EXPECT_FALSE(started.timer()->isActive());
}

}  // namespace
}  // namespace lm
