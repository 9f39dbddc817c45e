// The main window's dynamic-variable bars, their panels and the UnDo button.

#include "mainwindow/qt/DynVarControls.h"

#include <QPushButton>
#include <QScrollBar>

#include "diagrams/qt/DynBarWiring.h"
#include "common/qt/PushButton.h"
#include "model/DynamicVariables.h"
#include "model/UndoHistory.h"

namespace lm {

DynVarControls::DynVarControls(QWidget* area, Model& model, MainWindowState& state,
                               const std::array<QWidget*, 13>& panels)
    : model_(model), state_(state), panels_(panels) {
    const char* const hints[] = {nullptr, "Change Last Variable Clicked",
                                 "Change Next to Last Variable Clicked",
                                 "Change 2nd to Last Variable Clicked",
                                 "Change 3rd to Last Variable Clicked"};
    DynBarReactions reactions;
    reactions.Changed = [this](int k, int position) { BarChanged(k, position); };
    reactions.Entered = [this](int k) { BarEntered(k); };
    reactions.ScrollEnded = [this](int k) { BarScrollEnded(k); };
    for (int k = kFirstDynBar; k <= kLastDynBar; ++k) {
        QScrollBar* b = CreateDynBar(area, k, QString("SBDynVar%1").arg(k),
                                     QRect(253, 72 + 12 * (k - 1), 121, 10), reactions);
        b->setToolTip(hints[k]);
        SBDynVar[static_cast<std::size_t>(k)] = b;
    }

    UnDoDn = MakePushButton(area, "UnDoDn", QRect(280, 127, 40, 16), "UnDo");
    QFont bold = UnDoDn->font();
    bold.setBold(true);
    bold.setUnderline(false);
    UnDoDn->setFont(bold);
    UnDoDn->setEnabled(false);
    UnDoDn->hide();
    QObject::connect(UnDoDn, &QPushButton::clicked, area, [this] { UnDoDnClick(); });
}

void DynVarControls::BarEntered(int bar) { DynBarEntered(model_, bar); }

void DynVarControls::BarChanged(int bar, int position) { DynBarChanged(model_, bar, position); }

void DynVarControls::BarScrollEnded(int bar) {
    DynBarScrollEnded(model_, bar);
    ShowUndoButton();
    if (FocusAfterScroll != nullptr) FocusAfterScroll->setFocus();
}

void DynVarControls::ShowBars() {
    const bool shown = model_.Display.DynVarsShown;
    for (int k = kFirstDynBar; k <= kLastDynBar; ++k)
        SBDynVar[static_cast<std::size_t>(k)]->setVisible(shown);
    for (int n : {7, 8, 9}) panels_[static_cast<std::size_t>(n)]->setVisible(shown);
}

void DynVarControls::ShowTickState() {
    for (int k = kFirstDynBar; k <= kLastDynBar; ++k)
        SBDynVar[static_cast<std::size_t>(k)]->setEnabled(
            state_.DynBarEnabled[static_cast<std::size_t>(k)]);
    ShowUndoButton();
}

void DynVarControls::DynamicVariablesClick() {
    model_.Display.DynVarsShown = !model_.Display.DynVarsShown;
    ShowBars();
}

void DynVarControls::SetUnDoClick() {
    // The undo line and UnDoDn follow at the next picture.
    model_.Display.UndoLineShown = !model_.Display.UndoLineShown;
}

void DynVarControls::ShowUndoButton() {
    UnDoDn->setVisible(state_.UndoButtonVisible);
    if (UnDoDn->y() != state_.UndoButtonTop) UnDoDn->move(UnDoDn->x(), state_.UndoButtonTop);
    UnDoDn->setEnabled(model_.Undo.ButtonsEnabled);
}

void DynVarControls::HideUndoButton() { UnDoDn->hide(); }

void DynVarControls::UnDoDnClick() {
    UndoButtonClicked(model_);
    ShowUndoButton();
}

}  // namespace lm
