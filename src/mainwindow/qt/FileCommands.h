// The File menu's dimension-file commands: open, import the older format, save as.
#pragma once

#include <QString>

#include <functional>

#include "mainwindow/qt/FileDialogs.h"
#include "model/Model.h"

class QWidget;

namespace lm {

class FileCommands {
public:
    // `hooks` are read at every command, so a test may replace them at any time.
    FileCommands(QWidget* window, Model& model, const FileCommandHooks& hooks)
        : window_(window), model_(model), hooks_(hooks) {}

    void OpenDimensionsClick();
    void OpenDosVersionDimClick();
    void SaveAsDimensionsClick();
    // Opens the file as OpenDimensions would, or imports it as OpenDosVersionDim would
    // when its name ends in ".lmp": a file handed over on the command line or dropped.
    void OpenFile(const QString& path);

    // Before the set is dropped (exit, closing the window, opening another): true when it
    // may go. A changed set is offered for saving first; Cancel, or a save that was
    // cancelled or failed and then Cancel, keeps it.
    bool MayDropDimensionSet();

    // A set was loaded; the arm stands at its mid gear.
    std::function<void()> Loaded;
    // Every open or import ends here, cancelled or refused too; `loaded` when a set came in.
    std::function<void(bool loaded)> OpenFinished;

private:
    bool Load(const QString& path, bool olderFormat);
    void Finish(bool loaded);
    // True when the set was written.
    bool SaveAs();

    QWidget* window_;
    Model& model_;
    const FileCommandHooks& hooks_;
};

}  // namespace lm
