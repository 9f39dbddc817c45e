// The main window's shortcuts that no menu item carries.
#include <QAction>
#include <QKeySequence>
#include <QShortcut>

#include "common/qt/PictureWidget.h"
#include "mainwindow/qt/MainForm.h"

namespace lm {

void MainForm::BuildShortcuts() {
    // The UnDo button may be hidden with the undo line; the shortcut works while there is
    // something to undo.
    UndoShortcut = new QAction(this);
    UndoShortcut->setObjectName("UndoShortcut");
    UndoShortcut->setShortcut(QKeySequence::Undo);
    UndoShortcut->setEnabled(false);
    addAction(UndoShortcut);
    connect(UndoShortcut, &QAction::triggered, this, [this] { UnDoDnClick(); });

    // Space runs and stops the driver while the picture has the focus (a click on it
    // gives it); on a button or bar Space keeps its usual meaning.
    area_->setFocusPolicy(Qt::ClickFocus);
    auto* runStop = new QShortcut(QKeySequence(Qt::Key_Space), area_, nullptr, nullptr,
                                  Qt::WidgetShortcut);
    runStop->setObjectName("RunStopShortcut");
    connect(runStop, &QShortcut::activated, this, [this] { RunClick(); });
}

}  // namespace lm
