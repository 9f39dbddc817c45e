// The tool bar at the top of the client area: the most used menu commands as pictures.
#include <QAction>
#include <QToolBar>
#include <QToolButton>

#include "mainwindow/MainRender.h"
#include "mainwindow/qt/MainForm.h"
#include "mainwindow/qt/ToolBarIcons.h"

namespace lm {

namespace {

struct ToolSpec {
    ToolPicture picture;
    const char* hint;
    void (MainForm::*handler)();
    bool startsGroup;  // a separator stands before it
};

const ToolSpec kTools[] = {
    {ToolPicture::OpenFile, "Open File: Dimension Data", &MainForm::OpenDimensionsClick, false},
    {ToolPicture::SaveFile, "Save As: Dimension Data", &MainForm::SaveAsDimensionsClick, false},

    {ToolPicture::FrameDimensions, "Change Frame Dimensions", &MainForm::FrameDimClick, true},
    {ToolPicture::CylinderDimensions, "Change Cylinder Dimensions", &MainForm::CylDimClick, false},

    {ToolPicture::DriverAngle, "Set Driver Angle to Desired Position", &MainForm::DriverAngClick,
     true},
    {ToolPicture::StepAngle, "Set Step Angle to Desired Amount", &MainForm::StepAng1Click, false},
    {ToolPicture::ReverseArm, "Set Reverse Arm to Desired Position", &MainForm::RevArmPosClick,
     false},

    {ToolPicture::MidGear, "Calculate Mid Gear Position if Necessary",
     &MainForm::FindRevArmCentClick, true},

    {ToolPicture::SteamDisplay, "Turn On Steam Display and Sound", &MainForm::SetSteamClick, true},

    {ToolPicture::ReferencePoints, "Turn On Reference Points", &MainForm::RefPointsClick, true},
    {ToolPicture::LinesAndCircles, "Draw Lines and Circles", &MainForm::DrawLines1Click, false},
    {ToolPicture::PivotData, "Turn On Pivot Data", &MainForm::SetPivotDataClick, false},
    {ToolPicture::DynamicVariables, "Turn On Dynamic Variables", &MainForm::DynamicVariablesClick,
     false},
    {ToolPicture::Undo, "Turn On UnDo", &MainForm::SetUnDoClick, false},

    {ToolPicture::SineDiagram, "View Sine Diagram", &MainForm::SineDiagClick, true},
    {ToolPicture::OvalDiagram, "View Oval Diagram", &MainForm::OvalDiagClick, false},
    {ToolPicture::SteamDiagram, "View Steam Diagram", &MainForm::SteamDiagClick, false},
    {ToolPicture::PortEvents, "View Port Events vs Reverse Arm Position",
     &MainForm::FourEventsClick, false},
    {ToolPicture::ValveEvents, "Valve Events: Table, Sensitivity and Equalising",
     &MainForm::ValveEventsClick, false},
};

constexpr int kToolBarHeight = 25;
constexpr int kToolButtonWidth = 30;
constexpr int kLastToolButtonWidth = 24;

}  // namespace

void MainForm::BuildToolBar() {
    // A plain child of the client area, not a docked bar: the control coordinates below
    // it count from the client area's top.
    ToolBar1 = new QToolBar(centralWidget());
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setGeometry(0, 0, kClientAreaWidth, kToolBarHeight);
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setIconSize(QSize(kToolPictureSize, kToolPictureSize));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ToolBar1->setContentsMargins(0, 0, 0, 0);
    ToolBar1->setAttribute(Qt::WA_NoMousePropagation);

    int number = 0;
    for (const ToolSpec& tool : kTools) {
        if (tool.startsGroup) ToolBar1->addSeparator();
        QAction* a = ToolBar1->addAction(MakeToolIcon(tool.picture), tool.hint);
        a->setToolTip(tool.hint);
        a->setObjectName(QString("ToolAction%1").arg(++number));
        connect(a, &QAction::triggered, this, tool.handler);
        if (auto* b = qobject_cast<QToolButton*>(ToolBar1->widgetForAction(a))) {
            b->setObjectName(QString("ToolButton%1").arg(number));
            // The last button is a little narrower so the bar still holds every button
            // at the normal window width.
            b->setFixedWidth(tool.handler == &MainForm::ValveEventsClick ? kLastToolButtonWidth
                                                                        : kToolButtonWidth);
            b->setAutoRaise(true);
        }
        if (tool.handler == &MainForm::DrawLines1Click) DrawLinesTool = a;
    }
    DrawLinesTool->setEnabled(false);  // until the reference points are on
}

}  // namespace lm
