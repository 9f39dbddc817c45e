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

    // The menu keeps its Save As item; Ctrl+S saves where the set came from.
    SaveShortcut = new QAction(this);
    SaveShortcut->setObjectName("SaveShortcut");
    SaveShortcut->setShortcut(QKeySequence::Save);
    addAction(SaveShortcut);
    connect(SaveShortcut, &QAction::triggered, this, [this] { SaveDimensionsClick(); });
    // Save As is Ctrl+Shift+S on every desktop, also where the platform names no key for it.
    if (QKeySequence::keyBindings(QKeySequence::SaveAs).isEmpty())
        Command("SaveAsDimensions")->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));

    // Space runs and stops the driver while the picture has the focus (a click on it
    // gives it); on a button or bar Space keeps its usual meaning.
    area_->setFocusPolicy(Qt::ClickFocus);
    auto* runStop = new QShortcut(QKeySequence(Qt::Key_Space), area_, nullptr, nullptr,
                                  Qt::WidgetShortcut);
    runStop->setObjectName("RunStopShortcut");
    connect(runStop, &QShortcut::activated, this, [this] { RunClick(); });
}

}  // namespace lm
