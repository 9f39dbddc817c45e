// The base window of the four diagrams and what it needs from the main window.

#pragma once

#include <QDialog>

#include <array>
#include <functional>
#include <string>

#include "diagrams/DiagramActions.h"
#include "diagrams/Diagrams.h"
#include "common/qt/KeptPicture.h"
#include "model/Model.h"

class QAction;
class QMenuBar;
class QPushButton;
class QScrollBar;

namespace lm {

class PictureWidget;

// What a diagram window needs from the main window.
struct DiagramHost {
    // The main window's Timer1: stopped while a diagram is open.
    std::function<void(bool)> SetMainTimerEnabled;
    // The main window's dynamic-variable bars, their panels and its UnDo button follow
    // the model again.
    std::function<void()> ShowMainControls;
    // The window's title as the main window's last picture built it.
    std::function<std::string()> Title;
    // The reverse-arm positions window, modal.
    std::function<void()> ShowSetRevArm;
};

// Asks where to save the picture, offering a file name without extension: a path, or
// empty when the user cancels. Tests replace it.
using PicturePathAsker = std::function<QString(QWidget* parent, const QString& suggestedName)>;
// Shows a failed save to the user. Tests replace it.
using PictureErrorShower = std::function<void(QWidget* parent, const QString& message)>;

// How one diagram window differs from the others: names, sizes and behaviour.
struct DiagramWindowLayout {
    const char* Name;          // the window
    const char* TitleStart;    // its title until the main window has built one
    int Height;                // client area below the menu bar; the width is shared
    const char* CloseName;     // its Close button
    QRect CloseGeometry;
    const char* BarPrefix;     // the dynamic-variable bars: prefix + 1..4
    const char* UndoName;      // its UnDo button
    const char* MenuBarName;
    const char* PictureName;   // offered as the saved picture's file name
    int UndoButtonDrawings;    // drawings after the UnDo button
    bool RedrawsOnMouseMove;   // and asks for the reverse-arm positions on opening
};

// The frame every diagram window shares: a white client area showing the kept picture,
// the Close button, four dynamic-variable bars, the UnDo button, its own menu bar, and a
// context menu to save or copy the picture. The main window's timer stands while it is
// open. A subclass draws its diagram and adds its menu items.
class DiagramWindow : public QDialog {
    Q_OBJECT

public:
    DiagramWindow(Model& model, DiagramHost host, const DiagramWindowLayout& layout,
                  QWidget* parent = nullptr);
    ~DiagramWindow() override;

    // Shows the window modally and returns when it is closed.
    void Open();

    const QImage& picture() const { return picture_.image(); }
    QMenuBar* MenuBar() const { return menuBar_; }

    // What the window asks of the main window; tests replace parts of it.
    DiagramHost& Host() { return host_; }

    PicturePathAsker AskPicturePath;
    PictureErrorShower ShowPictureError;

    // The shared handlers; each window's controls and menu items call these.
    void FormActivate();
    void FormMouseMove();
    void CloseClick();
    void SetRevArmPosClick();
    void ReDrawClick();
    void UnDoMenuClick();
    void DynVariClick();
    void UnDoButtonClick();
    void SBDynVarChange(int bar, int position);
    void SBDynVarEnter(int bar);
    void SBDynVarScroll(int bar);
    void SavePictureAsClick();
    void CopyPictureClick();

    void done(int result) override;

protected:
    // What a drawing moves on in the model, done before it (the drawing changes nothing).
    virtual void StepDiagram(Model& m) const { StepValveDiagram(m); }
    // One drawing of the diagram onto the canvas; true when the gear could not be
    // assembled somewhere in its sweep.
    virtual bool DrawDiagram(const Model& m, Canvas& canvas) const = 0;
    // A drawing as the handlers ask for it, optionally on a cleared window. The port
    // diagram draws both graphs here while both are chosen.
    virtual void Drawing(bool clearFirst);
    // A fresh picture: cleared and drawn.
    virtual void Redraw() { Drawing(true); }

    void DrawOnce(bool clearFirst);
    void FitToTextScale();
    void Perform(const RedrawPlan& plan);
    QAction* AddMenuItem(QWidget* into, const char* name, const char* caption,
                         std::function<void()> handler);
    Model& model() { return model_; }

    void showEvent(QShowEvent* event) override;

private:
    void ShowControls();
    double PixelRatio() const;

    Model& model_;
    DiagramHost host_;
    DiagramWindowLayout layout_;
    KeptPicture picture_;
    bool activationPending_ = false;

    QMenuBar* menuBar_ = nullptr;
    PictureWidget* surface_ = nullptr;
    QPushButton* close_ = nullptr;
    QPushButton* undo_ = nullptr;
    std::array<QScrollBar*, 5> bars_{};  // [1]..[4]
    QAction* savePictureAs_ = nullptr;
    QAction* copyPicture_ = nullptr;

};

}  // namespace lm
