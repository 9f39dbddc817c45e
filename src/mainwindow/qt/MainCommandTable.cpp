// The main window's menu items and tool buttons.

#include "mainwindow/qt/MainCommandTable.h"

#include <array>

#include "mainwindow/qt/MainForm.h"

namespace lm {

namespace {

using Rule = EnabledRule;
using Tool = ToolPicture;
using F = MainForm;

const std::array kMenus{
    MainMenuEntry{"File1", "&File"},         MainMenuEntry{"SetUp1", "&SetUp"},
    MainMenuEntry{"EditDimen1", "&EditDimen"}, MainMenuEntry{"DrawGraphs1", "Draw&Graphs"},
    MainMenuEntry{"Help1", "&Help"},
};

const std::array kCommands{
    MainCommand{"File1", "OpenDimensions", "&OpenDimensions", &F::OpenDimensionsClick, Rule::Always,
                QKeySequence::Open, {1, Tool::OpenFile, "Open File: Dimension Data"}},
    MainCommand{"File1", "OpenDosVersionDim", "Open&DosVersionDim", &F::OpenDosVersionDimClick},
    MainCommand{"File1", "RecentSets", "&Recent", nullptr, Rule::Always, QKeySequence::UnknownKey, {},
                false, &F::FillRecentMenu},
    MainCommand{"File1", "SaveAsDimensions", "Save&AsDimensions", &F::SaveAsDimensionsClick,
                Rule::Always, QKeySequence::SaveAs, {2, Tool::SaveFile, "Save As: Dimension Data"}},
    MainCommand{"File1", "Print", "&Print\u2026", &F::PrintClick, Rule::Always, QKeySequence::Print, {},
                true},
    MainCommand{"File1", "ExportReport", "&Export Report (PDF)\u2026", &F::ExportReportClick},
    MainCommand{"File1", "Exit1", "E&xit", &F::Exit1Click, Rule::Always, QKeySequence::UnknownKey, {},
                true},

    MainCommand{"SetUp1", "RevArmPos", "Set&RevArmPos", &F::RevArmPosClick, Rule::Always,
                QKeySequence::UnknownKey,
                {7, Tool::ReverseArm, "Set Reverse Arm to Desired Position"}},
    MainCommand{"SetUp1", "DriverAng", "Set&DriverAng", &F::DriverAngClick, Rule::WithScreenData,
                QKeySequence::UnknownKey,
                {5, Tool::DriverAngle, "Set Driver Angle to Desired Position", true}},
    MainCommand{"SetUp1", "StepAng1", "Set&StepAng", &F::StepAng1Click, Rule::Always,
                QKeySequence::UnknownKey, {6, Tool::StepAngle, "Set Step Angle to Desired Amount"}},
    MainCommand{"SetUp1", "RefPoints1", "SetRef&Points", &F::RefPoints1Click, Rule::ShownWithScreenData},
    MainCommand{"SetUp1", "LargeFont", "SetLarge&Font", &F::LargeFontClick, Rule::Always,
                QKeySequence::UnknownKey, {}, true},
    MainCommand{"SetUp1", "FindRevArmCent", "&CalcCentRevArm", &F::FindRevArmCentClick,
                Rule::WithScreenData, QKeySequence::UnknownKey,
                {8, Tool::MidGear, "Calculate Mid Gear Position if Necessary", true}},
    MainCommand{"SetUp1", "SetSteam", "SetS&teamDisp On", &F::SetSteamClick, Rule::Always,
                QKeySequence::UnknownKey,
                {9, Tool::SteamDisplay, "Turn On Steam Display and Sound", true}},
    MainCommand{"SetUp1", "SetBeepOnError", "Set&ErrorBeep Off", &F::SetBeepOnErrorClick},
    MainCommand{"SetUp1", "SetLineWidth", "Set&LineWidth 2", &F::SetLineWidthClick},
    MainCommand{"SetUp1", "SetScreenData", "SetScree&nData Off", &F::SetScreenDataClick},
    MainCommand{"SetUp1", "SetPanZoom", "SetP&anZoom On", &F::SetPanZoomClick, Rule::WithoutScreenData},

    MainCommand{"EditDimen1", "FrameDim", "&FrameDimensions", &F::FrameDimClick, Rule::Always,
                QKeySequence::UnknownKey,
                {3, Tool::FrameDimensions, "Change Frame Dimensions", true}},
    MainCommand{"EditDimen1", "CylDim", "&CylinderDimensions", &F::CylDimClick, Rule::Always,
                QKeySequence::UnknownKey,
                {4, Tool::CylinderDimensions, "Change Cylinder Dimensions"}},
    MainCommand{"EditDimen1", "SetGraphicZoom", "Set&GraphicZoom", &F::SetGraphicZoomClick,
                Rule::Always, QKeySequence::UnknownKey, {}, true},
    MainCommand{"EditDimen1", "ResetAll", "&ResetAllDimensions", &F::ResetAllClick, Rule::Always,
                QKeySequence::UnknownKey, {}, true},

    // Switches straight on the bar.
    MainCommand{nullptr, "RefPoints", "&ReferPoints", &F::RefPointsClick, Rule::WithScreenData,
                QKeySequence::UnknownKey,
                {10, Tool::ReferencePoints, "Turn On Reference Points", true}},
    MainCommand{nullptr, "DrawLines1", "&DrawLinesCircles", &F::DrawLines1Click, Rule::WithRefPoints,
                QKeySequence::UnknownKey, {11, Tool::LinesAndCircles, "Draw Lines and Circles"}},
    MainCommand{nullptr, "SetPivotData", "Pi&votData", &F::SetPivotDataClick, Rule::WithScreenData,
                QKeySequence::UnknownKey, {12, Tool::PivotData, "Turn On Pivot Data"}},
    MainCommand{nullptr, "DynamicVariables", "D&ynamicVari", &F::DynamicVariablesClick,
                Rule::WithScreenData, QKeySequence::UnknownKey,
                {13, Tool::DynamicVariables, "Turn On Dynamic Variables"}},
    MainCommand{nullptr, "SetUnDo", "&UnDo", &F::SetUnDoClick, Rule::WithScreenData,
                QKeySequence::UnknownKey, {14, Tool::Undo, "Turn On UnDo"}},

    MainCommand{"DrawGraphs1", "SineDiag", "&SineDiagram", &F::SineDiagClick, Rule::Always,
                QKeySequence::UnknownKey, {15, Tool::SineDiagram, "View Sine Diagram", true}},
    MainCommand{"DrawGraphs1", "OvalDiag", "&OvalDiagram", &F::OvalDiagClick, Rule::Always,
                QKeySequence::UnknownKey, {16, Tool::OvalDiagram, "View Oval Diagram"}},
    MainCommand{"DrawGraphs1", "SteamDiag", "S&teamDiagram", &F::SteamDiagClick, Rule::Always,
                QKeySequence::UnknownKey, {17, Tool::SteamDiagram, "View Steam Diagram"}},
    MainCommand{"DrawGraphs1", "FourEvents", "&PortOpenClose", &F::FourEventsClick, Rule::Always,
                QKeySequence::UnknownKey,
                {18, Tool::PortEvents, "View Port Events vs Reverse Arm Position"}},
    MainCommand{"DrawGraphs1", "ValveEvents", "&Valve Events", &F::ValveEventsClick, Rule::Always,
                QKeySequence::UnknownKey,
                {19, Tool::ValveEvents, "Valve Events: Table, Sensitivity and Equalising"}},

    MainCommand{"Help1", "Instructions", "&Instructions", &F::InstructionsClick, Rule::Always,
                QKeySequence::HelpContents},
    MainCommand{"Help1", "SpecInstr", "Instructions&Special", &F::SpecInstrClick},
    MainCommand{"Help1", "About1", "&About", &F::About1Click, Rule::Always, QKeySequence::UnknownKey,
                {}, true},
};

}  // namespace

std::span<const MainMenuEntry> MainMenus() { return kMenus; }
std::span<const MainCommand> MainCommands() { return kCommands; }

}  // namespace lm
