// The large-font layout: no control of the main window or a diagram window sits on a
// text the picture draws under it, with every optional text and control shown.
#include <QImage>
#include <QPainter>

#include <functional>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "diagrams/Diagrams.h"
#include "diagrams/qt/DiagramWindow.h"
#include "graphics/RecordingCanvas.h"
#include "graphics/qt/QPainterCanvas.h"
#include "mainwindow/AnimationTick.h"
#include "mainwindow/MainRender.h"

namespace lm::test {
namespace {

struct InkedText {
    std::string text;
    QRect ink;
};

// Where each recorded text puts ink: every text is drawn alone, in the size and weight in
// force at its call, and the box of its dark pixels taken.
std::vector<InkedText> TextInk(const RecordingCanvas& recording, QSize picture) {
    std::vector<InkedText> out;
    int size = QPainterCanvas::kDefaultFontSize;
    bool bold = false;
    QImage image(picture, QImage::Format_RGB32);
    for (const RecordedOp& op : recording.Ops()) {
        if (op.kind == CanvasOp::SetFontSize) size = op.value;
        if (op.kind == CanvasOp::SetFontBold) bold = op.flag;
        if (op.kind != CanvasOp::TextOut) continue;
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            QPainterCanvas canvas(painter);
            canvas.SetTextBackground(false);
            canvas.SetFontSize(size);
            canvas.SetFontBold(bold);
            canvas.TextOut(op.points.front(), op.text);
        }
        QRect ink;
        for (int y = 0; y < image.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if (qGray(row[x]) < 160) ink |= QRect(x, y, 1, 1);
        }
        if (!ink.isEmpty()) out.push_back({op.text, ink});
    }
    return out;
}

// Every shown control on the picture that covers ink of a text, as "name over text".
std::vector<std::string> Collisions(QWidget* area, const std::vector<InkedText>& texts) {
    std::vector<std::string> found;
    for (QWidget* control : area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!control->isVisibleTo(area) || control->objectName().isEmpty()) continue;
        for (const InkedText& t : texts)
            if (control->geometry().intersects(t.ink))
                found.push_back(control->objectName().toStdString() + " over \"" + t.text + "\"");
    }
    return found;
}

class LargeFontLayoutTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        // A dimension in the dynamic-variable and undo lines, so they show real text.
        model.Dyn.DynQueue[1].DynVarName = "ValveCtrToRing";
        model.Dyn.DynQueue[1].Value = 1.0f;
        model.Undo.UndoCount = 1;
        model.Undo.Entries[1].DynVarName = "ValveCtrToRing";
    }

    std::vector<std::string> MainWindowCollisions() {
        tick();
        Model copy = model;
        MainWindowState state;
        RecordingCanvas recording;
        AnimationTick(copy, state);
        RenderMainWindow(copy, state, recording);
        return Collisions(widget("ClientArea"), TextInk(recording, {1000, 700}));
    }

    std::vector<std::string> DiagramCollisions(DiagramWindow* w, const char* redraw,
                                               const std::function<void(Model&, Canvas&)>& draw) {
        w->show();
        w->findChild<QAction*>(redraw)->trigger();
        Model copy = model;
        RecordingCanvas recording;
        draw(copy, recording);
        std::vector<std::string> found =
            Collisions(w->findChild<QWidget*>("ClientArea"), TextInk(recording, {1000, 700}));
        w->hide();
        return found;
    }

    void CheckEveryWindow(const char* setting) {
        SCOPED_TRACE(setting);
        for (bool dynVars : {true, false}) {
            model.Display.DynVarsShown = dynVars;
            form->DynamicVariablesClick();
            form->DynamicVariablesClick();  // shows the bars as the flag now says
            EXPECT_EQ(MainWindowCollisions(), std::vector<std::string>{}) << "dynamic bars " << dynVars;
        }
        model.Display.DynVarsShown = true;
        const std::vector<std::string> none;
        EXPECT_EQ(DiagramCollisions(form->windows().Sine, "ReDraw",
                                    [](Model& m, Canvas& c) { DrawSineDiagram(m, c); }), none);
        EXPECT_EQ(DiagramCollisions(form->windows().Oval, "ReDraw1",
                                    [](Model& m, Canvas& c) { DrawOvalDiagram(m, c); }), none);
        EXPECT_EQ(DiagramCollisions(form->windows().Steam, "ReDraw",
                                    [](Model& m, Canvas& c) { DrawSteamDiagram(m, c); }), none);
        EXPECT_EQ(DiagramCollisions(form->windows().Port, "ReDraw1",
                                    [](Model& m, Canvas& c) { DrawPortDiagram(m, c, 'F', true); }), none);
    }
};

TEST_F(LargeFontLayoutTest, NoControlCoversATextInEitherSetting) {
    form->show();
    action("SetPivotData")->trigger();  // the pivot display and the reference points
    action("SetUnDo")->trigger();
    ASSERT_TRUE(shown(bar("SBRef2Horz")));
    ASSERT_TRUE(shown(button("DataTableBut")));

    CheckEveryWindow("normal font");

    action("LargeFont")->trigger();
    ASSERT_EQ(model.Display.TextScaleX, 1.27f);
    CheckEveryWindow("large font");
    // The controls grew with the text: Run's 277, 39, 36 x 14 edge by edge.
    EXPECT_EQ(button("Run")->geometry(), QRect(352, 48, 46, 17));
    EXPECT_EQ(button("UnDoDn")->x(), 356);  // beside its line at 320 x 1.27

    // And back where they were.
    action("LargeFont")->trigger();
    EXPECT_EQ(button("Run")->geometry(), QRect(277, 39, 36, 14));
    EXPECT_EQ(button("Run")->font().pixelSize(), 13);
}

}  // namespace
}  // namespace lm::test
