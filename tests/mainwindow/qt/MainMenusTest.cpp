// The menu bar, the tool bar and the display options, as the user finds them.
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include <map>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "common/SoundOutput.h"

namespace lm {
namespace {

using test::MainWindowFixture;

class MainMenusTest : public MainWindowFixture {};

// One line per entry: "-" for a separator, else "name caption [off]" ("off" = disabled).
std::vector<std::string> Describe(const QList<QAction*>& actions) {
    std::vector<std::string> lines;
    for (QAction* a : actions) {
        if (a->isSeparator()) {
            lines.push_back("-");
            continue;
        }
        std::string line = a->objectName().toStdString() + " " + a->text().toStdString();
        if (a->menu() != nullptr) line = a->menu()->objectName().toStdString() + " " + a->text().toStdString();
        // A hidden action also reports itself disabled.
        if (!a->isVisible())
            line += " [hidden]";
        else if (!a->isEnabled())
            line += " [off]";
        lines.push_back(line);
    }
    return lines;
}

QMenu* Menu(QMenuBar* bar, const char* name) {
    auto* m = bar->findChild<QMenu*>(name);
    EXPECT_NE(m, nullptr) << name;
    return m;
}

TEST_F(MainMenusTest, TheMenuBarHoldsEveryCommandInItsPlace) {
    QMenuBar* bar = form->menuBar();
    EXPECT_EQ(Describe(bar->actions()),
              (std::vector<std::string>{"File1 &File", "SetUp1 &SetUp", "EditDimen1 &EditDimen",
                                        "RefPoints &ReferPoints",
                                        "DrawLines1 &DrawLinesCircles [off]",
                                        "SetPivotData Pi&votData", "DynamicVariables D&ynamicVari",
                                        "SetUnDo &UnDo", "DrawGraphs1 Draw&Graphs", "Help1 &Help",
                                        "Error  [hidden]"}));
    EXPECT_EQ(Describe(Menu(bar, "File1")->actions()),
              (std::vector<std::string>{"OpenDimensions &OpenDimensions",
                                        "OpenDosVersionDim Open&DosVersionDim", "RecentSets &Recent",
                                        "SaveAsDimensions Save&AsDimensions", "-",
                                        "Print &Print\u2026", "ExportReport &Export Report (PDF)\u2026",
                                        "-", "Exit1 E&xit"}));
    EXPECT_EQ(Describe(Menu(bar, "SetUp1")->actions()),
              (std::vector<std::string>{
                  "RevArmPos Set&RevArmPos", "DriverAng Set&DriverAng", "StepAng1 Set&StepAng",
                  "RefPoints1 SetRef&Points", "-", "LargeFont SetLarge&Font",
                  "FindRevArmCent &CalcCentRevArm", "SetSteam SetS&teamDisp On",
                  "SetBeepOnError Set&ErrorBeep Off", "SetLineWidth Set&LineWidth 2",
                  "SetScreenData SetScree&nData Off", "SetPanZoom SetP&anZoom On [off]"}));
    EXPECT_EQ(Describe(Menu(bar, "EditDimen1")->actions()),
              (std::vector<std::string>{"FrameDim &FrameDimensions", "CylDim &CylinderDimensions",
                                        "-", "SetGraphicZoom Set&GraphicZoom", "-",
                                        "ResetAll &ResetAllDimensions"}));
    EXPECT_EQ(Describe(Menu(bar, "DrawGraphs1")->actions()),
              (std::vector<std::string>{"SineDiag &SineDiagram", "OvalDiag &OvalDiagram",
                                        "SteamDiag S&teamDiagram", "FourEvents &PortOpenClose",
                                        "ValveEvents &Valve Events"}));
    EXPECT_EQ(Describe(Menu(bar, "Help1")->actions()),
              (std::vector<std::string>{"Instructions &Instructions",
                                        "SpecInstr Instructions&Special", "-", "About1 &About"}));

    // The error indicator is a picture without a caption.
    QAction* error = action("Error");
    EXPECT_FALSE(error->icon().isNull());
    EXPECT_TRUE(error->text().isEmpty());
    // The menu bar sits above the client area, which keeps its size, and every item,
    // the error picture too, fits on it without an overflow list.
    EXPECT_EQ(form->centralWidget()->size(), QSize(632, 380));
    error->setVisible(true);
    EXPECT_LE(bar->sizeHint().width(), 632);
}

// Two items of one menu on the same access key only move between themselves: neither
// is chosen by its key.
TEST_F(MainMenusTest, EachMenuGivesEveryItemAnAccessKeyOfItsOwn) {
    std::vector<QWidget*> menus{form->menuBar()};
    for (QMenu* m : form->menuBar()->findChildren<QMenu*>()) menus.push_back(m);
    for (QWidget* menu : menus) {
        std::map<int, QString> taken;
        for (QAction* a : menu->actions()) {
            const QKeySequence key = QKeySequence::mnemonic(a->text());
            if (key.isEmpty()) continue;
            const int k = key[0].toCombined();
            EXPECT_TRUE(taken.emplace(k, a->text()).second)
                << menu->objectName().toStdString() << ": " << a->text().toStdString() << " and "
                << taken[k].toStdString();
        }
    }
}

TEST_F(MainMenusTest, TheToolBarLiesAtTheTopOfTheClientAreaInGroups) {
    auto* tools = form->findChild<QToolBar*>("ToolBar1");
    ASSERT_NE(tools, nullptr);
    EXPECT_EQ(tools->parentWidget(), form->centralWidget());
    EXPECT_EQ(tools->geometry().topLeft(), QPoint(0, 0));
    EXPECT_EQ(tools->width(), 632);
    EXPECT_LE(tools->height(), 25);  // the first control row starts at y 25

    std::vector<std::string> hints;
    int x = -1;
    int number = 0;
    for (QAction* a : tools->actions()) {
        if (a->isSeparator()) {
            hints.push_back("|");
            continue;
        }
        ++number;
        hints.push_back(a->toolTip().toStdString());
        auto* b = qobject_cast<QToolButton*>(tools->widgetForAction(a));
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->objectName(), QString("ToolButton%1").arg(number));
        EXPECT_EQ(b->toolTip(), a->toolTip());
        EXPECT_EQ(b->width(), number == 19 ? 24 : 30);
        EXPECT_TRUE(b->isVisible() || !tools->isVisible());
        EXPECT_TRUE(b->autoRaise());
        EXPECT_FALSE(b->icon().isNull());
        EXPECT_EQ(b->isEnabled(), a->toolTip() != "Draw Lines and Circles") << number;
        tools->layout()->activate();
        EXPECT_GT(b->x(), x);
        x = b->x();
    }
    EXPECT_EQ(hints, (std::vector<std::string>{
                         "Open File: Dimension Data", "Save As: Dimension Data", "|",
                         "Change Frame Dimensions", "Change Cylinder Dimensions", "|",
                         "Set Driver Angle to Desired Position", "Set Step Angle to Desired Amount",
                         "Set Reverse Arm to Desired Position", "|",
                         "Calculate Mid Gear Position if Necessary", "|",
                         "Turn On Steam Display and Sound", "|", "Turn On Reference Points",
                         "Draw Lines and Circles", "Turn On Pivot Data",
                         "Turn On Dynamic Variables", "Turn On UnDo", "|", "View Sine Diagram",
                         "View Oval Diagram", "View Steam Diagram",
                         "View Port Events vs Reverse Arm Position",
                         "Valve Events: Table, Sensitivity and Equalising"}));
}

TEST_F(MainMenusTest, ToolButtonsAndMenuItemsRunTheSameCommands) {
    auto* steamTool = form->findChild<QToolButton*>("ToolButton9");
    ASSERT_NE(steamTool, nullptr);
    steamTool->click();
    EXPECT_TRUE(model.Display.SteamDisplayOn);
    EXPECT_EQ(action("SetSteam")->text(), "SetS&teamDisp Off");
    action("SetSteam")->trigger();
    EXPECT_FALSE(model.Display.SteamDisplayOn);
    EXPECT_EQ(action("SetSteam")->text(), "SetS&teamDisp On");

    // The reference points switch the overlay command on, in the menu and on the bar.
    auto* refTool = form->findChild<QToolButton*>("ToolButton10");
    auto* linesTool = form->findChild<QToolButton*>("ToolButton11");
    refTool->click();
    EXPECT_TRUE(model.Display.RefPointsOn);
    EXPECT_TRUE(action("DrawLines1")->isEnabled());
    EXPECT_TRUE(linesTool->isEnabled());
    action("RefPoints")->trigger();
    EXPECT_FALSE(model.Display.RefPointsOn);
    EXPECT_FALSE(action("DrawLines1")->isEnabled());
    EXPECT_FALSE(linesTool->isEnabled());

    // The dynamic-variable and undo switches.
    form->findChild<QToolButton*>("ToolButton13")->click();
    EXPECT_TRUE(model.Display.DynVarsShown);
    EXPECT_TRUE(shown(bar("SBDynVar1")));
    action("DynamicVariables")->trigger();
    EXPECT_FALSE(shown(bar("SBDynVar4")));
    form->findChild<QToolButton*>("ToolButton14")->click();
    EXPECT_TRUE(model.Display.UndoLineShown);
    action("SetUnDo")->trigger();
    EXPECT_FALSE(model.Display.UndoLineShown);
}

TEST_F(MainMenusTest, OptionsToggleAndTheirCaptionsSayWhatTheNextClickDoes) {
    action("SetBeepOnError")->trigger();
    EXPECT_FALSE(model.Gear.ErrorBeepOn);
    EXPECT_EQ(action("SetBeepOnError")->text(), "Set&ErrorBeep On");
    action("SetBeepOnError")->trigger();
    EXPECT_TRUE(model.Gear.ErrorBeepOn);
    EXPECT_EQ(action("SetBeepOnError")->text(), "Set&ErrorBeep Off");

    action("SetLineWidth")->trigger();
    EXPECT_EQ(model.Display.LineWidth, 2);
    EXPECT_EQ(action("SetLineWidth")->text(), "Set&LineWidth 1");
    action("SetLineWidth")->trigger();
    EXPECT_EQ(model.Display.LineWidth, 1);
    EXPECT_EQ(action("SetLineWidth")->text(), "Set&LineWidth 2");

    action("LargeFont")->trigger();
    EXPECT_EQ(model.Display.TextScaleX, 1.27f);
    EXPECT_EQ(model.Display.TextScaleY, 1.22f);
    EXPECT_EQ(action("LargeFont")->text(), "SetSmall&Font");
    // The readouts move right and down with the text scale; the client area follows.
    EXPECT_EQ(form->centralWidget()->size(), QSize(803, 464));
    action("LargeFont")->trigger();
    EXPECT_EQ(form->centralWidget()->size(), QSize(632, 380));
    EXPECT_EQ(model.Display.TextScaleX, 1.0f);
    EXPECT_EQ(model.Display.TextScaleY, 1.0f);
    EXPECT_EQ(action("LargeFont")->text(), "SetLarge&Font");
}

TEST_F(MainMenusTest, PivotDataBringsTheReferencePointsAndTheirOffTakesItAway) {
    action("SetPivotData")->trigger();
    EXPECT_TRUE(model.Display.PivotDataOn);
    EXPECT_TRUE(model.Display.RefPointsOn);
    EXPECT_TRUE(shown(button("DataTableBut")));
    EXPECT_TRUE(shown(bar("SBRef1Vert")));
    action("RefPoints")->trigger();
    EXPECT_FALSE(model.Display.PivotDataOn);
    EXPECT_FALSE(shown(button("DataTableBut")));
    // Off again by its own switch leaves the reference points on.
    action("SetPivotData")->trigger();
    action("SetPivotData")->trigger();
    EXPECT_FALSE(model.Display.PivotDataOn);
    EXPECT_TRUE(model.Display.RefPointsOn);
}

class CountingSound final : public SoundOutput {
public:
    void Play(std::string_view) override {}
    void SetVolume(std::uint16_t) override {}
    void Beep() override { ++beeps; }
    int beeps = 0;
};

TEST_F(MainMenusTest, DrawingLinesWithBothReferencePointsAtTheOriginBeeps) {
    CountingSound sound;
    form->state().Sound = &sound;
    action("RefPoints")->trigger();
    action("DrawLines1")->trigger();
    EXPECT_EQ(sound.beeps, 1);
    model.P(RefPoint2).Y = 0.5f;
    form->findChild<QToolButton*>("ToolButton11")->click();
    EXPECT_EQ(sound.beeps, 1);
}

const char* const kScreenControls[] = {
    "Panel1",  "Panel2",  "Panel3",    "Panel4",    "Panel10",  "Panel12", "Preset0",
    "Preset1", "Preset6", "NormVHZ",   "RefPt1",    "RefPt2",   "Rev",     "Center",
    "Fwd",     "Deg180",  "Run",       "Deg00",     "Step1",    "Step10",  "Step45",
    "SBPanVert", "SBPanHorz", "SBZoom", "SBRevArm", "SBDrvAng", "SBStepAng", "ToolBar1",
};

TEST_F(MainMenusTest, ScreenDataOffLeavesThePictureAloneAndOnBringsTheControlsBack) {
    // Switch on everything the screen data take away.
    action("SetPivotData")->trigger();
    action("DynamicVariables")->trigger();
    action("SetUnDo")->trigger();
    ASSERT_TRUE(model.Display.RefPointsOn);

    action("SetScreenData")->trigger();
    EXPECT_FALSE(model.Display.ScreenDataOn);
    EXPECT_EQ(action("SetScreenData")->text(), "SetScree&nData On");
    for (const char* name : kScreenControls) EXPECT_FALSE(shown(widget(name))) << name;
    for (const char* name : {"Panel5", "Panel6", "Panel7", "Panel8", "Panel11", "SBRef1Vert",
                             "SBRef2Horz", "RefPt1Zero", "SBDynVar1", "SBDynVar4",
                             "DataTableBut", "UnDoDn"})
        EXPECT_FALSE(shown(widget(name))) << name;
    EXPECT_FALSE(model.Display.DynVarsShown);
    EXPECT_FALSE(model.Display.RefPointsOn);
    EXPECT_FALSE(model.Display.UndoLineShown);
    EXPECT_FALSE(model.Display.PivotDataOn);
    for (const char* name : {"DriverAng", "FindRevArmCent", "DynamicVariables", "RefPoints",
                             "SetUnDo", "SetPivotData", "DrawLines1"})
        EXPECT_FALSE(action(name)->isEnabled()) << name;
    EXPECT_FALSE(form->findChild<QToolButton*>("ToolButton11")->isEnabled());
    EXPECT_FALSE(action("RefPoints1")->isVisible());
    EXPECT_TRUE(action("SetPanZoom")->isEnabled());

    // With the screen data off, the pan/zoom item shows and hides the three bars.
    action("SetPanZoom")->trigger();
    EXPECT_EQ(action("SetPanZoom")->text(), "SetP&anZoom Off");
    for (const char* name : {"SBPanVert", "SBPanHorz", "SBZoom"}) EXPECT_TRUE(shown(bar(name)));
    action("SetPanZoom")->trigger();
    EXPECT_EQ(action("SetPanZoom")->text(), "SetP&anZoom On");
    EXPECT_FALSE(shown(bar("SBZoom")));
    action("SetPanZoom")->trigger();

    action("SetScreenData")->trigger();
    EXPECT_TRUE(model.Display.ScreenDataOn);
    EXPECT_EQ(action("SetScreenData")->text(), "SetScree&nData Off");
    for (const char* name : kScreenControls) EXPECT_TRUE(shown(widget(name))) << name;
    for (const char* name : {"DriverAng", "FindRevArmCent", "DynamicVariables", "RefPoints",
                             "SetUnDo", "SetPivotData"})
        EXPECT_TRUE(action(name)->isEnabled()) << name;
    EXPECT_TRUE(action("RefPoints1")->isVisible());
    EXPECT_FALSE(action("SetPanZoom")->isEnabled());
    EXPECT_EQ(action("SetPanZoom")->text(), "Set&PanZoom On");
    // These wait for their own commands.
    EXPECT_FALSE(action("DrawLines1")->isEnabled());
    for (const char* name : {"SBRef1Vert", "SBDynVar1", "DataTableBut", "Panel5", "Panel7"})
        EXPECT_FALSE(shown(widget(name))) << name;
    // The item's caption from before does not confuse the next switch-off.
    action("SetScreenData")->trigger();
    action("SetPanZoom")->trigger();
    EXPECT_TRUE(shown(bar("SBPanVert")));
}

}  // namespace
}  // namespace lm
