// The main window's menu bar.
#include <QAction>
#include <QProxyStyle>

#include <algorithm>
#include <QMenu>
#include <QMenuBar>

#include "mainwindow/MainRender.h"
#include "mainwindow/qt/MainForm.h"
#include "mainwindow/qt/ToolBarIcons.h"

namespace lm {

namespace {

constexpr int kLargestMenuPixels = 13;
constexpr int kSmallestMenuPixels = 10;

// The platform's look with a little less room around each menu-bar caption.
class CompactMenuBarStyle : public QProxyStyle {
public:
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        QSize s = QProxyStyle::sizeFromContents(type, option, size, widget);
        if (type == CT_MenuBarItem) s.rwidth() = std::max(size.width(), s.width() - 2);
        return s;
    }
};

}  // namespace

void MainForm::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu1");

    auto item = [this](QWidget* into, const char* name, const char* caption,
                       void (MainForm::*handler)()) {
        auto* a = new QAction(caption, this);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, handler);
        into->addAction(a);
        return a;
    };
    auto menu = [bar](const char* name, const char* caption) {
        QMenu* m = bar->addMenu(caption);
        m->setObjectName(name);
        return m;
    };

    QMenu* file = menu("File1", "&File");
    OpenDimensions = item(file, "OpenDimensions", "&OpenDimensions", &MainForm::OpenDimensionsClick);
    OpenDosVersionDim = item(file, "OpenDosVersionDim", "Open&DosVersionDim",
                             &MainForm::OpenDosVersionDimClick);
    SaveAsDimensions = item(file, "SaveAsDimensions", "Save&AsDimensions",
                            &MainForm::SaveAsDimensionsClick);
    file->addSeparator();
    Exit1 = item(file, "Exit1", "E&xit", &MainForm::Exit1Click);

    QMenu* setUp = menu("SetUp1", "&SetUp");
    RevArmPos = item(setUp, "RevArmPos", "Set&RevArmPos", &MainForm::RevArmPosClick);
    DriverAng = item(setUp, "DriverAng", "Set&DriverAng", &MainForm::DriverAngClick);
    StepAng1 = item(setUp, "StepAng1", "Set&StepAng", &MainForm::StepAng1Click);
    RefPoints1 = item(setUp, "RefPoints1", "SetRef&Points", &MainForm::RefPoints1Click);
    setUp->addSeparator();
    LargeFont = item(setUp, "LargeFont", "SetLarge&Font", &MainForm::LargeFontClick);
    FindRevArmCent = item(setUp, "FindRevArmCent", "&CalcCentRevArm",
                          &MainForm::FindRevArmCentClick);
    SetSteam = item(setUp, "SetSteam", "SetS&teamDisp On", &MainForm::SetSteamClick);
    SetBeepOnError = item(setUp, "SetBeepOnError", "Set&ErrorBeep Off",
                          &MainForm::SetBeepOnErrorClick);
    SetLineWidth = item(setUp, "SetLineWidth", "Set&LineWidth 2", &MainForm::SetLineWidthClick);
    SetScreenData = item(setUp, "SetScreenData", "SetScree&nData Off",
                         &MainForm::SetScreenDataClick);
    SetPanZoom = item(setUp, "SetPanZoom", "SetP&anZoom On", &MainForm::SetPanZoomClick);
    // Only while the screen data are off: then it is the one way to pan and zoom.
    SetPanZoom->setEnabled(false);

    QMenu* editDimen = menu("EditDimen1", "&EditDimen");
    FrameDim = item(editDimen, "FrameDim", "&FrameDimensions", &MainForm::FrameDimClick);
    CylDim = item(editDimen, "CylDim", "&CylinderDimensions", &MainForm::CylDimClick);
    editDimen->addSeparator();
    SetGraphicZoom = item(editDimen, "SetGraphicZoom", "Set&GraphicZoom",
                          &MainForm::SetGraphicZoomClick);
    editDimen->addSeparator();
    ResetAll = item(editDimen, "ResetAll", "&ResetAllDimensions", &MainForm::ResetAllClick);

    // Switches straight on the bar.
    RefPoints = item(bar, "RefPoints", "&ReferPoints", &MainForm::RefPointsClick);
    DrawLines1 = item(bar, "DrawLines1", "&DrawLinesCircles", &MainForm::DrawLines1Click);
    DrawLines1->setEnabled(false);  // until the reference points are on
    SetPivotData = item(bar, "SetPivotData", "Pi&votData", &MainForm::SetPivotDataClick);
    DynamicVariables = item(bar, "DynamicVariables", "D&ynamicVari",
                            &MainForm::DynamicVariablesClick);
    SetUnDo = item(bar, "SetUnDo", "&UnDo", &MainForm::SetUnDoClick);

    QMenu* graphs = menu("DrawGraphs1", "Draw&Graphs");
    SineDiag = item(graphs, "SineDiag", "&SineDiagram", &MainForm::SineDiagClick);
    OvalDiag = item(graphs, "OvalDiag", "&OvalDiagram", &MainForm::OvalDiagClick);
    SteamDiag = item(graphs, "SteamDiag", "S&teamDiagram", &MainForm::SteamDiagClick);
    FourEvents = item(graphs, "FourEvents", "&PortOpenClose", &MainForm::FourEventsClick);
    ValveEvents = item(graphs, "ValveEvents", "&Valve Events", &MainForm::ValveEventsClick);

    QMenu* help = menu("Help1", "&Help");
    Instructions = item(help, "Instructions", "&Instructions", &MainForm::InstructionsClick);
    SpecInstr = item(help, "SpecInstr", "Instructions&Special", &MainForm::SpecInstrClick);
    help->addSeparator();
    About1 = item(help, "About1", "&About", &MainForm::About1Click);

    // The geometry-error indicator: a picture only, shown by the render for a few ticks.
    Error = new QAction(MakeErrorIcon(), QString(), this);
    Error->setObjectName("Error");
    Error->setToolTip("Geometry error");
    bar->addAction(Error);
    FitMenuBar(bar);
    Error->setVisible(false);
}

// Every item stays on the bar, the error picture included, rather than in an overflow
// list: the window is only as wide as its client area. A compact sans face is preferred,
// and made smaller as far as needed.
void MainForm::FitMenuBar(QMenuBar* bar) {
    // Disabled captions in the grey they have on the classic desktop, readable on silver.
    QPalette palette = bar->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(QPalette::Disabled, role, QColor(128, 128, 128));
    bar->setPalette(palette);

    auto* style = new CompactMenuBarStyle;
    style->setParent(bar);
    bar->setStyle(style);
    QFont font = bar->font();
    font.setFamilies({"Segoe UI", "Arial", "Liberation Sans", "Nimbus Sans", "Helvetica",
                      font.family()});
    for (int px = kLargestMenuPixels; px >= kSmallestMenuPixels; --px) {
        font.setPixelSize(px);
        bar->setFont(font);
        if (bar->sizeHint().width() <= kClientAreaWidth) break;
    }
}

}  // namespace lm
