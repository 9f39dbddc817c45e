// The dynamic-variable bars, the UnDo button and the switches for both.
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>

#include "model/DynamicVariables.h"
#include "model/UndoHistory.h"
#include "mainwindow/qt/MainForm.h"

namespace lm {

void MainForm::BuildDynVarControls() {
    const char* const hints[] = {nullptr, "Change Last Variable Clicked",
                                 "Change Next to Last Variable Clicked",
                                 "Change 2nd to Last Variable Clicked",
                                 "Change 3rd to Last Variable Clicked"};
    for (int k = kFirstDynBar; k <= kLastDynBar; ++k) {
        auto* b = new QScrollBar(Qt::Horizontal, centralWidget());
        b->setObjectName(QString("SBDynVar%1").arg(k));
        b->setGeometry(253, 72 + 12 * (k - 1), 121, 10);
        b->setRange(kDynBarMin, kDynBarMax);
        b->setSingleStep(kDynBarSmallChange);
        b->setPageStep(kDynBarLargeChange);
        b->setToolTip(hints[k]);
        b->setFocusPolicy(Qt::StrongFocus);
        b->hide();
        b->installEventFilter(this);
        connect(b, &QScrollBar::valueChanged, this,
                [this, k](int position) { SBDynVarChange(k, position); });
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

int MainForm::DynBarIndex(const QObject* watched) const {
    for (int k = kFirstDynBar; k <= kLastDynBar; ++k)
        if (watched == SBDynVar[static_cast<std::size_t>(k)]) return k;
    return 0;
}

bool MainForm::eventFilter(QObject* watched, QEvent* event) {
    const int k = DynBarIndex(watched);
    if (k == 0) return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::FocusIn:
            SBDynVarEnter(k);
            break;
        case QEvent::MouseButtonRelease:
            // The end of an arrow click, a page click or a drag: every step of it has
            // been applied by now.
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) SBDynVarScroll(k);
            break;
        case QEvent::KeyRelease: {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool scrollKey = key->key() == Qt::Key_Left || key->key() == Qt::Key_Right ||
                                   key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown ||
                                   key->key() == Qt::Key_Up || key->key() == Qt::Key_Down;
            if (scrollKey && !key->isAutoRepeat()) SBDynVarScroll(k);
            break;
        }
        case QEvent::Wheel:
            // A wheel turn has no end the history could record; the bars take clicks only.
            return true;
        default:
            break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainForm::SBDynVarEnter(int bar) { DynBarEntered(model_, bar); }

void MainForm::SBDynVarChange(int bar, int position) {
    DynBarChanged(model_, bar, position);
    // Back to 0 reports once more with position 0, which the step rule must see.
    QScrollBar* b = SBDynVar[static_cast<std::size_t>(bar)];
    if (b->value() != 0) b->setValue(0);
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
