// The four diagram windows as the user opens, clicks and closes them from the main window.
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

#include "../../mainwindow/qt/MainWindowFixture.h"
#include "diagrams/qt/DiagramWindows.h"
#include "kinematics/MidGear.h"
#include "kinematics/RevArmPositionSet.h"
#include "model/DimensionEdit.h"
#include "model/DimensionTable.h"
#include "model/DynamicVariables.h"

namespace lm {
namespace {

using test::ClickScrollBar;

struct WindowNames {
    const char* window;
    const char* close;
    QRect closeGeometry;
    const char* barPrefix;
    const char* undo;
    int height;
};
const WindowNames kSine{"SineDia", "CloseSin", {408, 8, 75, 25}, "SBDynVarS", "UnDoDnS", 414};
const WindowNames kOval{"OvalDia", "CloseOval", {408, 8, 75, 25}, "SBDynVarO", "UnDoDnO", 426};
const WindowNames kSteam{"SteamDia", "CloseStm", {408, 8, 75, 25}, "SBDynVarST", "UnDoDnSt", 414};
const WindowNames kPort{"PortDia", "ClosePort", {447, 2, 75, 25}, "SBDynVarP", "UnDoDnP", 414};

bool HasColour(const QImage& image, QRgb colour) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            if ((line[x] & 0xFFFFFF) == (colour & 0xFFFFFF)) return true;
    }
    return false;
}

class DiagramWindowsTest : public test::MainWindowFixture {
protected:
    DiagramWindow* window(const WindowNames& names) {
        auto* w = form->findChild<DiagramWindow*>(names.window);
        EXPECT_NE(w, nullptr) << names.window;
        return w;
    }
    template <class T>
    T* in(DiagramWindow* w, const QString& name) {
        auto* c = w->findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
    // Shows the window without the modal loop and makes it the active one, so clicks
    // move the focus as they do for a user.
    DiagramWindow* showWindow(const WindowNames& names) {
        DiagramWindow* w = window(names);
        w->show();
        QApplication::setActiveWindow(w);
        return w;
    }
};

TEST_F(DiagramWindowsTest, EachDiagramStopsTheAnimationWhileOpenAndDrawsAfterTheReverseArmPositions) {
    tick();  // the main window's picture builds the diagrams' titles
    struct Case {
        WindowNames names;
        std::function<void()> open;
        bool asksForPositions;
        const char* title;
    };
    const Case cases[] = {
        {kSine, [this] { form->SineDiagClick(); }, true, "LINKMOTION Inside Admission      Sine Diagram    "},
        {kOval, [this] { form->OvalDiagClick(); }, true, "LINKMOTION Inside Admission      Oval Diagram    "},
        {kSteam, [this] { form->SteamDiagClick(); }, true, "LINKMOTION Inside Admission      Steam Diagram    "},
        {kPort, [this] { form->FourEventsClick(); }, false, "LINKMOTION Inside Admission      Port Open/Closed    "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.names.window);
        DiagramWindow* w = window(c.names);
        model.DiagramWindows.GraphChoice = 'R';
        form->timer()->start();
        int asked = 0;
        bool timerWhileAsking = true, timerWhileOpen = true, drawnBeforeAsking = true;
        w->Host().ShowSetRevArm = [&] {
            ++asked;
            timerWhileAsking = form->timer()->isActive();
            drawnBeforeAsking = !w->picture().isNull();
        };
        // Closes the window by its button once the picture is there.
        int tries = 0;
        std::function<void()> closeWhenDrawn = [&] {
            if (w->picture().isNull() && ++tries < 500) {
                QTimer::singleShot(1, w, closeWhenDrawn);
                return;
            }
            timerWhileOpen = form->timer()->isActive();
            in<QPushButton>(w, c.names.close)->click();
        };
        QTimer::singleShot(0, w, closeWhenDrawn);
        c.open();

        EXPECT_FALSE(timerWhileOpen);
        EXPECT_TRUE(form->timer()->isActive());
        EXPECT_FALSE(w->isVisible());
        EXPECT_EQ(asked, c.asksForPositions ? 1 : 0);
        if (c.asksForPositions) {
            EXPECT_FALSE(timerWhileAsking);
            EXPECT_FALSE(drawnBeforeAsking);
        }
        ASSERT_FALSE(w->picture().isNull());
        EXPECT_EQ(w->picture().deviceIndependentSize().toSize(), QSize(632, c.names.height));
        EXPECT_TRUE(HasColour(w->picture(), qRgb(0, 0, 0)));
        EXPECT_TRUE(w->windowTitle().startsWith(c.title)) << w->windowTitle().toStdString();
    }
    // The port window always opens on the forward graph.
    EXPECT_EQ(model.DiagramWindows.GraphChoice, 'F');
    form->timer()->stop();
}

TEST_F(DiagramWindowsTest, TheSineWindowAsksForTheReverseArmPositionsAndDrawsWhatIsLeft) {
    DiagramWindow* w = window(kSine);
    QWidget* positions = form->findChild<QWidget*>("SetRevArm");
    ASSERT_NE(positions, nullptr);
    // The positions window comes up over the diagram: position 2 typed as 0 there leaves
    // one curve to draw. Then the diagram is closed.
    bool positionsShown = false;
    int tries = 0;
    std::function<void()> user = [&] {
        if (QApplication::activeModalWidget() == positions && !positionsShown) {
            positionsShown = true;
            auto* edit2 = positions->findChild<QLineEdit*>("Edit2");
            edit2->setText("0");
            edit2->setFocus();
            positions->findChild<QPushButton*>("Close1")->click();
        } else if (positionsShown && !w->picture().isNull()) {
            in<QPushButton>(w, kSine.close)->click();
            return;
        } else if (++tries > 500) {
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        }
        QTimer::singleShot(1, w, user);
    };
    QTimer::singleShot(0, w, user);
    form->SineDiagClick();
    EXPECT_TRUE(positionsShown);
    EXPECT_EQ(model.Gear.RevArmPosCount, 1);
    EXPECT_EQ(model.Gear.RevArmPositions[3], 0.0f);
    EXPECT_FALSE(model.DiagramWindows.DiagramRedrawPending);  // this drawing was the redraw
    EXPECT_FALSE(w->picture().isNull());
    form->timer()->stop();
}

TEST_F(DiagramWindowsTest, ControlsAndMenusCarryTheirNamesPlacesAndCaptions) {
    for (const WindowNames& names : {kSine, kOval, kSteam, kPort}) {
        SCOPED_TRACE(names.window);
        DiagramWindow* w = window(names);
        EXPECT_EQ(in<QWidget>(w, "ClientArea")->size(), QSize(632, names.height));
        QPushButton* close = in<QPushButton>(w, names.close);
        EXPECT_EQ(close->geometry(), names.closeGeometry);
        EXPECT_EQ(close->text(), "Close");
        for (int k = 1; k <= 4; ++k) {
            QScrollBar* b = in<QScrollBar>(w, QString("%1%2").arg(names.barPrefix).arg(k));
            EXPECT_EQ(b->geometry(), QRect(112, 3 + 12 * (k - 1), 121, 10));
            EXPECT_EQ(b->minimum(), -200);
            EXPECT_EQ(b->maximum(), 200);
            EXPECT_EQ(b->pageStep(), 10);
            EXPECT_FALSE(b->isVisibleTo(w));
        }
        QPushButton* undo = in<QPushButton>(w, names.undo);
        EXPECT_EQ(undo->geometry(), QRect(110, 54, 40, 16));
        EXPECT_EQ(undo->text(), "UnDo");
        EXPECT_FALSE(undo->isVisibleTo(w));
        EXPECT_FALSE(undo->isEnabled());
        EXPECT_EQ(in<QAction>(w, "SavePictureAs")->text(), QString::fromUtf8("Save Picture As\u2026"));
        EXPECT_EQ(in<QAction>(w, "CopyPicture")->text(), "Copy Picture");
    }
    const auto captions = [this](const WindowNames& names) {
        QStringList list;
        for (QAction* a : window(names)->MenuBar()->actions())
            list << (a->objectName().isEmpty() && a->menu() ? a->menu()->objectName() : a->objectName()) + "=" + a->text();
        return list.join(",");
    };
    EXPECT_EQ(window(kSine)->MenuBar()->objectName(), "MainMenuSine");
    EXPECT_EQ(captions(kSine), "SetRevArmPos=&SetRevArmPos,ReDraw=&ReDraw,UnDoSine=&UnDo,DynVari=&DymamicVariables");
    EXPECT_EQ(captions(kOval), "SetRevArmPos1=SetRevArmPos,ReDraw1=ReDraw,UnDoOval=&UnDo,DynVar=DynamicVari");
    EXPECT_EQ(captions(kSteam), "SetRevArmPos=SetRevArmPos,ReDraw=ReDraw,UnDoSteam=&UnDo,DynVari=DynamicVari");
    EXPECT_EQ(captions(kPort), "SetUp=SetUp,ReDraw1=ReDraw,UnDoPorts=&UnDo,DynamicVari1=DynamicVari");
    QStringList setUp;
    for (QAction* a : in<QMenu>(window(kPort), "SetUp")->actions()) setUp << a->objectName() + "=" + a->text();
    EXPECT_EQ(setUp.join(","), "ForwardGraph1=ForwardGraph,ReverseGraph1=ReverseGraph,BothGraphs1=BothGraphs");
}

TEST_F(DiagramWindowsTest, ADynamicBarStepsItsDimensionRedrawsAndItsEndRecordsOneUndo) {
    RegisterDynVar(model, 2, model.Frame.Stroke, "Stroke");
    DiagramWindow* w = showWindow(kSine);
    in<QAction>(w, "DynVari")->trigger();
    QScrollBar* b1 = in<QScrollBar>(w, "SBDynVarS1");
    ASSERT_TRUE(b1->isVisible());
    ASSERT_TRUE(b1->isEnabled());
    EXPECT_FALSE(in<QScrollBar>(w, "SBDynVarS2")->isEnabled());
    // The main window's bars and their panels follow the diagram's switch.
    EXPECT_TRUE(shown(bar("SBDynVar1")));
    EXPECT_TRUE(shown(widget("Panel7")));
    const QImage before = w->picture().copy();

    b1->setFocus(Qt::MouseFocusReason);
    ClickScrollBar(b1, QStyle::SC_ScrollBarAddLine);
    EXPECT_FLOAT_EQ(model.Frame.Stroke, 3.001f);
    EXPECT_EQ(b1->value(), 0);
    EXPECT_NE(w->picture(), before);  // the header shows the new value
    // The end of the click: one entry from 3 to 3.001, every UnDo button live, the focus
    // back on Close.
    ASSERT_EQ(model.Undo.UndoCount, 1);
    EXPECT_EQ(model.Undo.Entries[1].DimensionNumber, 2);
    EXPECT_EQ(model.Undo.Entries[1].Before, 3.0f);
    EXPECT_FLOAT_EQ(model.Undo.Entries[1].After, 3.001f);
    EXPECT_TRUE(button("UnDoDn")->isEnabled());
    EXPECT_EQ(w->focusWidget(), in<QPushButton>(w, "CloseSin"));

    // The undo line brings the window's UnDo button; it walks the change back.
    in<QAction>(w, "UnDoSine")->trigger();
    QPushButton* undo = in<QPushButton>(w, "UnDoDnS");
    ASSERT_TRUE(undo->isVisible());
    ASSERT_TRUE(undo->isEnabled());
    undo->click();
    EXPECT_EQ(model.Frame.Stroke, 3.0f);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(button("UnDoDn")->isEnabled());
    // Nothing left: a further click changes nothing.
    undo->setEnabled(true);
    undo->click();
    EXPECT_EQ(model.Frame.Stroke, 3.0f);
    EXPECT_FALSE(undo->isEnabled());

    // Switched off from the diagram, the main window's bars go too.
    in<QAction>(w, "DynVari")->trigger();
    EXPECT_FALSE(b1->isVisible());
    EXPECT_FALSE(shown(bar("SBDynVar1")));
    w->close();
}

// A diagram sweeps a copy of the gear; a gear its sweep could not assemble still shows
// the main window's error item once the window closes.
TEST_F(DiagramWindowsTest, AGearTheSweepCannotAssembleRaisesTheErrorForTheMainWindow) {
    model.Gear.ErrorBeepOn = true;
    ApplyEditedDimension(model, *FindDimension("LiftingArmLen"), -3);
    FindMidGear(model);
    ApplyRevArmRunRule(model);  // the positions the sine diagram sweeps
    for (const WindowNames* names : {&kSine, &kPort}) {
        model.Gear.GearError = false;
        DiagramWindow* w = showWindow(*names);
        w->ReDrawClick();
        EXPECT_TRUE(model.Gear.GearError) << names->window;
        w->close();
    }
}

TEST_F(DiagramWindowsTest, TheReverseArmPositionsAskForARedrawAtTheNextMouseMove) {
    DiagramWindow* w = showWindow(kOval);
    int asked = 0;
    w->Host().ShowSetRevArm = [&] {
        ++asked;
        model.DiagramWindows.DiagramRedrawPending = true;
    };
    in<QAction>(w, "SetRevArmPos1")->trigger();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(w->picture().isNull());  // nothing drawn at once
    QMouseEvent move(QEvent::MouseMove, QPointF(300, 200), QPointF(300, 200), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(in<QWidget>(w, "ClientArea"), &move);
    EXPECT_FALSE(w->picture().isNull());
    EXPECT_FALSE(model.DiagramWindows.DiagramRedrawPending);

    // The port window draws its own positions and ignores the flag.
    DiagramWindow* port = showWindow(kPort);
    model.DiagramWindows.DiagramRedrawPending = true;
    QApplication::sendEvent(in<QWidget>(port, "ClientArea"), &move);
    EXPECT_TRUE(port->picture().isNull());
    EXPECT_TRUE(model.DiagramWindows.DiagramRedrawPending);
    w->close();
    port->close();
}

TEST_F(DiagramWindowsTest, TheLargeFontGrowsThePictureSoTheMovedLegendStaysInView) {
    auto* w = showWindow(kOval);
    in<QAction>(w, "ReDraw1")->trigger();
    EXPECT_EQ(w->picture().width() / w->picture().devicePixelRatio(), 632);
    model.Display.TextScaleX = 1.27f;
    model.Display.TextScaleY = 1.22f;
    in<QAction>(w, "ReDraw1")->trigger();
    EXPECT_EQ(w->picture().width() / w->picture().devicePixelRatio(), 803);  // 632 x 1.27
    EXPECT_EQ(w->picture().height() / w->picture().devicePixelRatio(), 520);  // 426 x 1.22
    EXPECT_EQ(in<QWidget>(w, "ClientArea")->width(), 803);
    w->close();
}

TEST_F(DiagramWindowsTest, ThePortWindowDrawsForwardReverseOrBothGraphsOnOneFrame) {
    const QRgb teal = qRgb(0, 128, 128), red = qRgb(255, 0, 0);
    const QRgb green = qRgb(0, 128, 0), maroon = qRgb(128, 0, 0);
    auto* w = static_cast<PortDia*>(showWindow(kPort));

    in<QAction>(w, "BothGraphs1")->trigger();
    EXPECT_EQ(model.DiagramWindows.GraphChoice, 'B');
    EXPECT_TRUE(model.DiagramWindows.CycleLabelsOn);
    for (QRgb c : {teal, red, green, maroon}) EXPECT_TRUE(HasColour(w->picture(), c)) << std::hex << c;

    // While both are chosen every drawing is the pair, the undo line's too.
    in<QAction>(w, "UnDoPorts")->trigger();
    EXPECT_TRUE(HasColour(w->picture(), green));
    EXPECT_TRUE(HasColour(w->picture(), teal));
    EXPECT_EQ(model.DiagramWindows.GraphChoice, 'B');

    in<QAction>(w, "ForwardGraph1")->trigger();
    EXPECT_EQ(model.DiagramWindows.GraphChoice, 'F');
    EXPECT_TRUE(HasColour(w->picture(), teal));
    EXPECT_FALSE(HasColour(w->picture(), green));
    EXPECT_FALSE(HasColour(w->picture(), maroon));

    in<QAction>(w, "ReverseGraph1")->trigger();
    EXPECT_EQ(model.DiagramWindows.GraphChoice, 'R');
    EXPECT_TRUE(HasColour(w->picture(), green));
    EXPECT_FALSE(HasColour(w->picture(), teal));
    w->close();
}

TEST_F(DiagramWindowsTest, ThePictureIsSavedAsPngOrVectorSvgAndCopiedToTheClipboard) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    DiagramWindow* w = showWindow(kSine);
    in<QAction>(w, "ReDraw")->trigger();
    QString answer;
    QStringList errors;
    QString offered;
    w->AskPicturePath = [&](QWidget*, const QString& name) {
        offered = name;
        return answer;
    };
    w->ShowPictureError = [&](QWidget*, const QString& message) { errors << message; };

    answer = dir.filePath("sine.png");
    in<QAction>(w, "SavePictureAs")->trigger();
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(offered, "sine-diagram");
    const QImage png(answer);
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(png.size(), QSize(632, 414));
    EXPECT_TRUE(HasColour(png, qRgb(0, 255, 0)));  // the front port lines
    EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32),
              w->picture().convertToFormat(QImage::Format_RGB32));

    answer = dir.filePath("sine.svg");
    in<QAction>(w, "SavePictureAs")->trigger();
    EXPECT_TRUE(errors.isEmpty());
    QSvgRenderer svg(answer);
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBoxF(), QRectF(0, 0, 632, 414));
    QFile file(answer);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("Driver Clockwise Rotation")) << "text stays text";
    EXPECT_FALSE(text.contains("<image")) << "vectors, not an embedded bitmap";

    // Cancelled: nothing written, nothing said.
    answer.clear();
    in<QAction>(w, "SavePictureAs")->trigger();
    EXPECT_TRUE(errors.isEmpty());

    // A type it cannot write and a folder that is not there: a message, no file.
    answer = dir.filePath("sine.jpg");
    in<QAction>(w, "SavePictureAs")->trigger();
    answer = dir.filePath("missing/sine.png");
    in<QAction>(w, "SavePictureAs")->trigger();
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[0].contains(".png or .svg"));
    EXPECT_TRUE(errors[1].contains("missing"));
    EXPECT_FALSE(QFile::exists(dir.filePath("sine.jpg")));

    QGuiApplication::clipboard()->clear();
    in<QAction>(w, "CopyPicture")->trigger();
    const QImage copied = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(copied.isNull());
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32),
              w->picture().convertToFormat(QImage::Format_RGB32));
    w->close();
}

}  // namespace
}  // namespace lm
