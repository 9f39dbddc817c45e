// The setting dialogs opened from the main window's menu and tool bar, typed into and
// closed by their buttons, and what they leave on the main window's controls.
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <functional>
#include <limits>

#include "../../mainwindow/qt/MainWindowFixture.h"
#include "kinematics/MidGear.h"
#include "kinematics/ReverseArm.h"
#include "mainwindow/StepAngleBands.h"

namespace lm {
namespace {

class SettingDialogWindowsTest : public test::MainWindowFixture {
protected:
    // Opens a dialog through `open` and runs `inside` while it shows modally. Whatever
    // `inside` leaves open is closed, so a failing check never blocks the run.
    void WhileOpen(const char* name, const std::function<void()>& open,
                   const std::function<void(QDialog&)>& inside) {
        bool shown = false;
        QTimer later;
        later.setSingleShot(true);
        QObject::connect(&later, &QTimer::timeout, [&] {
            auto* d = form->findChild<QDialog*>(name);
            if (d == nullptr || !d->isVisible()) return;
            shown = d->isModal();
            inside(*d);
            if (d->isVisible()) d->reject();
        });
        later.start(0);
        open();
        EXPECT_TRUE(shown) << name << " was not shown modally";
    }
    std::function<void()> menu(const char* item) {
        return [this, item] { action(item)->trigger(); };
    }
    std::function<void()> tool(const char* hint) {
        return [this, hint] {
            for (QAction* a : form->findChildren<QAction*>())
                if (a->toolTip() == hint && a->objectName().startsWith("ToolAction")) return a->trigger();
            ADD_FAILURE() << "no tool button " << hint;
        };
    }
    // Replaces a box's text as typing does, through its key filter.
    static void Type(QDialog& d, const char* box, const QString& text) {
        auto* e = d.findChild<QLineEdit*>(box);
        ASSERT_NE(e, nullptr) << box;
        e->selectAll();
        QTest::keyClicks(e, text);
    }
    static QString Text(QDialog& d, const char* name) {
        if (auto* e = d.findChild<QLineEdit*>(name)) return e->text();
        if (auto* l = d.findChild<QLabel*>(name)) return l->text();
        ADD_FAILURE() << "no box or label " << name;
        return {};
    }
    static void Click(QDialog& d, const char* name) {
        auto* b = d.findChild<QPushButton*>(name);
        ASSERT_NE(b, nullptr) << name;
        QTest::mouseClick(b, Qt::LeftButton);
    }
};

TEST_F(SettingDialogWindowsTest, DriverAngleStopsARunningGearAtTheClampedAngle) {
    ASSERT_TRUE(form->running());
    model.Gear.DriverAngle = 123.4f;
    // Cancel changes nothing: the gear runs on.
    WhileOpen("DrivAng", menu("DriverAng"), [&](QDialog& d) {
        EXPECT_EQ(Text(d, "Edit1"), "0.00");  // shown as 0 while the gear runs
        EXPECT_EQ(d.focusWidget()->objectName(), "Cancel");
        Type(d, "Edit1", "77");
        Click(d, "Cancel");
    });
    EXPECT_TRUE(form->running());
    EXPECT_FLOAT_EQ(model.Gear.DriverAngle, 123.4f);

    WhileOpen("DrivAng", tool("Set Driver Angle to Desired Position"), [&](QDialog& d) {
        Type(d, "Edit1", "-4x00");  // no sign, no letters
        EXPECT_EQ(Text(d, "Edit1"), "400");
        Click(d, "OK");
    });
    EXPECT_FALSE(form->running());
    EXPECT_EQ(button("Run")->text(), "Run");
    EXPECT_EQ(model.Gear.StepAngle, 0);
    EXPECT_FLOAT_EQ(model.Gear.DriverAngle, 360);
    EXPECT_EQ(bar("SBDrvAng")->value(), 36000);
    EXPECT_TRUE(bar("SBDrvAng")->isEnabled());
    tick();
    EXPECT_FLOAT_EQ(model.Gear.DriverAngle, 360);  // it stands

    // Enter in the box is swallowed, as in every setting dialog; OK takes the value and
    // the bar keeps its hundredths.
    WhileOpen("DrivAng", menu("DriverAng"), [&](QDialog& d) {
        EXPECT_EQ(Text(d, "Edit1"), "360.00");
        Type(d, "Edit1", "12.125");  // exact in a single
        QTest::keyClick(d.findChild<QLineEdit*>("Edit1"), Qt::Key_Return);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(Text(d, "Edit1"), "12.125");
        Click(d, "OK");
    });
    EXPECT_EQ(bar("SBDrvAng")->value(), 1212);  // 1212.5 to even
    EXPECT_FLOAT_EQ(model.Gear.DriverAngle, 12.12f);
}

TEST_F(SettingDialogWindowsTest, StepAngleKeepsTheRunStateAndSetsTheLogarithmicBar) {
    auto setStep = [&](const QString& typed) {
        WhileOpen("StpAng", tool("Set Step Angle to Desired Amount"), [&](QDialog& d) {
            Type(d, "Edit1", typed);
            // Enter is swallowed: only OK sets the step.
            QTest::keyClick(d.findChild<QLineEdit*>("Edit1"), Qt::Key_Return);
            EXPECT_TRUE(d.isVisible());
            Click(d, "OK");
        });
    };
    setStep("90");
    EXPECT_TRUE(form->running());
    EXPECT_EQ(button("Run")->text(), "Stop");
    EXPECT_FLOAT_EQ(model.Gear.StepAngle, 45);
    EXPECT_EQ(bar("SBStepAng")->value(), 14613);  // log10(4500) x 4000 = 14613.2
    EXPECT_EQ(bar("SBDrvAng")->singleStep(), 4500);
    EXPECT_EQ(bar("SBDrvAng")->pageStep(), 22500);
    EXPECT_FALSE(button("Step45")->isEnabled());
    // The bar's move was not taken for a choice of its own band.
    EXPECT_FLOAT_EQ(form->state().StepAngleSetting, 45);

    form->RunClick();
    ASSERT_FALSE(form->running());
    setStep("0");
    EXPECT_FALSE(form->running());
    EXPECT_EQ(model.Gear.StepAngle, 0);
    EXPECT_FLOAT_EQ(form->state().StepAngleSetting, 0.01f);
    EXPECT_EQ(bar("SBStepAng")->value(), 0);
    EXPECT_EQ(bar("SBDrvAng")->singleStep(), 1);

    // The same step again leaves the bar where it is; the user's next move of the bar
    // must still choose a step.
    setStep("0.01");
    EXPECT_TRUE(form->state().StepBarLive);
    bar("SBStepAng")->setValue(kStepBarPos10);
    EXPECT_FLOAT_EQ(form->state().StepAngleSetting, 10);
}

TEST_F(SettingDialogWindowsTest, ReverseArmPositionFollowsTheGearSenseToTheBarsEnd) {
    const float c = model.Gear.RevArmCenter;
    const float m = model.Frame.RevArmCentMax;
    auto number = [](float v) { return QString::number(static_cast<double>(v), 'f', 3); };
    const std::function<void()> open = tool("Set Reverse Arm to Desired Position");

    WhileOpen("RevPos", open, [&](QDialog& d) {
        EXPECT_EQ(Text(d, "Label2"), "Min = " + number(c - m));
        EXPECT_EQ(Text(d, "Label4"), "Max = " + number(c + m));
        EXPECT_EQ(Text(d, "Edit1").trimmed(), number(c));
        Type(d, "Edit1", "99");
        Click(d, "OK");
    });
    EXPECT_FLOAT_EQ(model.Gear.RevArmPos, c + m);
    EXPECT_EQ(bar("SBRevArm")->value(), bar("SBRevArm")->maximum());
    EXPECT_TRUE(button("Center")->isEnabled());

    // Eccentrics the other way round: the labels and the bar are mirrored.
    model.Frame.EccAngFwd = 120;
    FindMidGear(model);
    tick();
    ASSERT_FALSE(PlainSense(model));
    form->CenterClick();
    const float c2 = model.Gear.RevArmCenter;
    WhileOpen("RevPos", menu("RevArmPos"), [&](QDialog& d) {
        EXPECT_EQ(Text(d, "Label2"), "Max = " + number(c2 + m));
        EXPECT_EQ(Text(d, "Label4"), "Min = " + number(c2 - m));
        Type(d, "Edit1", "99");
        Click(d, "OK");
    });
    EXPECT_FLOAT_EQ(model.Gear.RevArmPos, c2 + m);
    EXPECT_EQ(bar("SBRevArm")->value(), bar("SBRevArm")->minimum());
    EXPECT_EQ(model.Gear.RotationDir, Rotation::Rev);

    // One sign is taken; a value within the travel lands on the bar's step.
    WhileOpen("RevPos", open, [&](QDialog& d) {
        Type(d, "Edit1", "--0.5");
        EXPECT_EQ(Text(d, "Edit1"), "-0.5");
        Click(d, "OK");
    });
    EXPECT_FLOAT_EQ(model.Gear.RevArmPos, std::max(-0.5f, c2 - m));
    EXPECT_EQ(bar("SBRevArm")->value(), RevArmBarPosition(model));
}

TEST_F(SettingDialogWindowsTest, ReverseArmLabelsOfAFarGearKeepOutOfEachOther) {
    model.Gear.RevArmCenter = -12345.5f;
    WhileOpen("RevPos", menu("RevArmPos"), [&](QDialog& d) {
        auto* rev = d.findChild<QLabel*>("Label5");
        auto* cen = d.findChild<QLabel*>("Label3");
        auto* fwd = d.findChild<QLabel*>("Label6");
        EXPECT_EQ(cen->text(), "Cen = -12345.500");
        EXPECT_LT(rev->geometry().right(), cen->x());
        EXPECT_LT(cen->geometry().right(), fwd->x());
        EXPECT_LT(fwd->geometry().right(), d.width());
    });

    // Numbers too long for the smallest face are cut at the dialog's edge, kept whole in the tip.
    model.Gear.RevArmCenter = -1.2345678e7f;
    WhileOpen("RevPos", menu("RevArmPos"), [&](QDialog& d) {
        auto* fwd = d.findChild<QLabel*>("Label6");
        EXPECT_LT(fwd->geometry().right(), d.width());
        EXPECT_LT(fwd->width(), fwd->sizeHint().width());
        EXPECT_EQ(fwd->toolTip(), fwd->text());
    });
}

TEST_F(SettingDialogWindowsTest, ReferencePointsOkZeroAndCancelShowOrHideTheirControls) {
    const std::function<void()> open = menu("RefPoints1");
    WhileOpen("RefPnts", open, [&](QDialog& d) {
        Type(d, "Edit1", "-1.5");
        Type(d, "Edit2", "2-");
        Type(d, "Edit3", "--");  // any number of signs; reads as 0
        Type(d, "Edit4", "0");
        Click(d, "OK");
    });
    EXPECT_TRUE(model.Display.RefPointsOn);
    EXPECT_FLOAT_EQ(model.P(RefPoint1).Y, -1.5f);
    EXPECT_FLOAT_EQ(model.P(RefPoint1).X, 2);
    EXPECT_EQ(model.P(RefPoint2).Y, 0);
    EXPECT_FALSE(std::signbit(model.P(RefPoint2).Y));
    EXPECT_TRUE(shown(bar("SBRef1Vert")));
    EXPECT_TRUE(button("RefPt1Zero")->isEnabled());
    EXPECT_FALSE(button("RefPt2Zero")->isEnabled());
    EXPECT_TRUE(action("DrawLines1")->isEnabled());

    // Cancel keeps the points and switches them off; Esc only closes.
    WhileOpen("RefPnts", open, [&](QDialog& d) {
        EXPECT_EQ(Text(d, "Edit1"), "-1.500");
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    EXPECT_TRUE(model.Display.RefPointsOn);
    WhileOpen("RefPnts", open, [&](QDialog& d) { Click(d, "Cancel"); });
    EXPECT_FALSE(model.Display.RefPointsOn);
    EXPECT_FALSE(shown(bar("SBRef1Vert")));
    EXPECT_FALSE(action("DrawLines1")->isEnabled());
    EXPECT_FLOAT_EQ(model.P(RefPoint1).X, 2);

    // Zero, with the points shown, puts them at the origin and switches them off.
    form->RefPointsClick();
    ASSERT_TRUE(model.Display.RefPointsOn);
    WhileOpen("RefPnts", open, [&](QDialog& d) { Click(d, "Zero"); });
    EXPECT_FALSE(model.Display.RefPointsOn);
    EXPECT_EQ(model.P(RefPoint1).X, 0);
    EXPECT_EQ(model.P(RefPoint1).Y, 0);
    form->RefPointsClick();
    EXPECT_FALSE(button("RefPt1Zero")->isEnabled());

    // A point too far for any view: stored as the largest single, panned to and drawn
    // without harm, and Norm brings the view back.
    WhileOpen("RefPnts", open, [&](QDialog& d) {
        Type(d, "Edit2", QString(60, '9'));
        Click(d, "OK");
    });
    EXPECT_EQ(model.P(RefPoint1).X, std::numeric_limits<float>::max());
    QTest::mouseClick(button("RefPt1"), Qt::LeftButton);
    tick();
    QTest::mouseClick(button("NormVHZ"), Qt::LeftButton);
    EXPECT_FLOAT_EQ(model.View.ViewScale, model.Views.Norm.Scale);
    EXPECT_FLOAT_EQ(model.View.ViewOriginX, model.Views.Norm.OriginX);
}

TEST_F(SettingDialogWindowsTest, GraphicZoomIsClampedAndCancelKeepsIt) {
    const std::function<void()> open = menu("SetGraphicZoom");
    auto setZoom = [&](const QString& typed, const char* closeWith) {
        WhileOpen("GraphZoom", open, [&](QDialog& d) {
            EXPECT_EQ(d.focusWidget()->objectName(), "Edit1");
            Type(d, "Edit1", typed);
            Click(d, closeWith);
        });
    };
    setZoom("0.1", "OK");
    EXPECT_FLOAT_EQ(model.Diagram.GraphicZoom, 0.5f);
    setZoom("99999", "OK");
    EXPECT_FLOAT_EQ(model.Diagram.GraphicZoom, 2000);
    setZoom("15", "Cancel");
    EXPECT_FLOAT_EQ(model.Diagram.GraphicZoom, 2000);
    // Enter is no OK here: the box swallows it and the window stays.
    WhileOpen("GraphZoom", open, [&](QDialog& d) {
        Type(d, "Edit1", "15");
        QTest::keyClick(d.findChild<QLineEdit*>("Edit1"), Qt::Key_Return);
        EXPECT_TRUE(d.isVisible());
    });
    EXPECT_FLOAT_EQ(model.Diagram.GraphicZoom, 2000);
}

}  // namespace
}  // namespace lm
