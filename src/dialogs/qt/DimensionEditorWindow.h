// The frame (FrameDi) and cylinder (CylDimen) dimension editors: one window class over
// the editors' core logic. Every box writes into the live model when it is left, so the
// gear the main window keeps drawing follows each change at once.
#pragma once

#include <QDialog>
#include <QImage>

#include <functional>
#include <vector>

#include "dialogs/DimensionEditor.h"
#include "model/Model.h"

class QLineEdit;
class QPushButton;

namespace lm {

class DimensionEditorWindow : public QDialog {
    Q_OBJECT

public:
    DimensionEditorWindow(Model& model, EditorId editor, QWidget* parent = nullptr);

    EditorId Editor() const { return editor_; }

    // Shows the window modally and returns at once: the main window's ticks go on, so the
    // gear follows every change and a highlight can close and reopen the window.
    void Open();
    // The highlight takes the screen: a box being edited is applied, and the window goes
    // without Close's steps (the editing is not over, it comes back afterwards).
    void CloseForHighlight();

    // What the main window must show after an action (its reverse-arm bar).
    std::function<void(const EditorOutcome&)> OutcomeShown;

    QLineEdit* Edit(int n) const;
    const QImage& surface() const { return surface_; }

    // The handlers, by the names the window's controls are known by.
    void FormActivate();
    void EditExit(int n);
    void ResetMouseDown();
    void ResetClick();
    void Close1Click();

    // Escape and the title bar's close button end the editing as Close does.
    void reject() override;
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // A click on the background leaves the box being typed in, applying its value.
    void mousePressEvent(QMouseEvent* event) override;

private:
    void BuildControls();
    void DrawLabels();
    void FillBoxes();
    void Show(const EditorOutcome& outcome);
    // Runs the exit of the box being edited, if any: however the window is left, a typed
    // value is kept.
    void ApplyPendingExit();
    int BoxOf(const QObject* watched) const;
    bool FilterKey(int n, QKeyEvent* event);

    Model& model_;
    EditorId editor_;
    float layoutScaleX_ = 1, layoutScaleY_ = 1;
    QImage surface_;
    std::vector<QLineEdit*> edits_;  // [1]..[count]
    // Whether the user changed a box's text since it was filled or last left (the
    // validator's rewrites clear QLineEdit's own modified flag, so it is kept here).
    std::vector<char> edited_;
    std::vector<QPushButton*> buttons_;
    QPushButton* reset_ = nullptr;
    QPushButton* close1_ = nullptr;
    // The box with the focus whose exit has not run yet; 0 none.
    int editing_ = 0;
    // Refilling boxes is not the user's editing.
    bool filling_ = false;
};

}  // namespace lm
