// The dynamic-variable bars, the UnDo button and the switches for both.
#include <QPushButton>
#include <QScrollBar>

#include "model/DynamicVariables.h"
#include "model/UndoHistory.h"
#include "mainwindow/qt/DynBarWiring.h"
#include "mainwindow/qt/MainForm.h"

namespace lm {

void MainForm::BuildDynVarControls() {
    const char* const hints[] = {nullptr, "Change Last Variable Clicked",
                                 "Change Next to Last Variable Clicked",
                                 "Change 2nd to Last Variable Clicked",
                                 "Change 3rd to Last Variable Clicked"};
    DynBarReactions reactions;
    reactions.Changed = [this](int k, int position) { SBDynVarChange(k, position); };
    reactions.Entered = [this](int k) { SBDynVarEnter(k); };
    reactions.ScrollEnded = [this](int k) { SBDynVarScroll(k); };
    for (int k = kFirstDynBar; k <= kLastDynBar; ++k) {
        QScrollBar* b = CreateDynBar(centralWidget(), k, QString("SBDynVar%1").arg(k),
                                     QRect(253, 72 + 12 * (k - 1), 121, 10), reactions);
        b->setToolTip(hints[k]);
        SBDynVar[static_cast<std::size_t>(k)] = b;
    }

    UnDoDn = new QPushButton("UnDo", centralWidget());
    UnDoDn->setObjectName("UnDoDn");
    UnDoDn->setGeometry(280, 127, 40, 16);
    QFont bold = UnDoDn->font();
    bold.setBold(true);
    bold.setUnderline(false);
    UnDoDn->setFont(bold);
    UnDoDn->setEnabled(false);
    UnDoDn->hide();
    connect(UnDoDn, &QPushButton::clicked, this, &MainForm::UnDoDnClick);

    DataTableBut = new QPushButton("DataTable", centralWidget());
    DataTableBut->setObjectName("DataTableBut");
    DataTableBut->setGeometry(2, 214, 60, 15);
    QFont small = bold;
    small.setPixelSize(12);
    DataTableBut->setFont(small);
    DataTableBut->hide();
    connect(DataTableBut, &QPushButton::clicked, this, &MainForm::DataTableButClick);
}

void MainForm::SBDynVarEnter(int bar) { DynBarEntered(model_, bar); }

void MainForm::SBDynVarChange(int bar, int position) {
    DynBarChanged(model_, bar, position);
}

void MainForm::SBDynVarScroll(int bar) {
    DynBarScrollEnded(model_, bar);
    ShowUndoButton();
    // Away from the bar, so that its next use is seen as a fresh entry.
    SBRevArm->setFocus();
}

void MainForm::ShowDynVarControls() {
    const bool shown = model_.Display.DynVarsShown;
    for (int k = kFirstDynBar; k <= kLastDynBar; ++k)
        SBDynVar[static_cast<std::size_t>(k)]->setVisible(shown);
    for (int n : {7, 8, 9}) Panel[static_cast<std::size_t>(n)]->setVisible(shown);
}

void MainForm::DynamicVariablesClick() {
    model_.Display.DynVarsShown = !model_.Display.DynVarsShown;
    ShowDynVarControls();
}

void MainForm::SetUnDoClick() {
    // The undo line and UnDoDn follow at the next picture.
    model_.Display.UndoLineShown = !model_.Display.UndoLineShown;
}

void MainForm::ShowUndoButton() {
    UnDoDn->setVisible(state_.UndoButtonVisible);
    if (UnDoDn->y() != state_.UndoButtonTop) UnDoDn->move(UnDoDn->x(), state_.UndoButtonTop);
    UnDoDn->setEnabled(model_.Undo.ButtonsEnabled);
}

void MainForm::UnDoDnClick() {
    UndoButtonClicked(model_);
    ShowUndoButton();
}

}  // namespace lm
