// The File menu's dimension-file commands: open, import the older format, save, the
// recent sets.
#pragma once

#include <QString>

#include <functional>

#include "mainwindow/qt/FileDialogs.h"
#include "model/Model.h"

class QMenu;
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
    // Ctrl+S: saves to the file the set was opened from or last saved to, through the
    // same safe save; asks for a name only when there is none (a new or imported set).
    void SaveDimensionsClick();
    // Opens the file as OpenDimensions would, or imports it as OpenDosVersionDim would
    // when its name ends in ".lmp": a file handed over on the command line or dropped.
    void OpenFile(const QString& path);
    // File > Recent: the sets last opened or saved, newest first; one that is gone is
    // taken off the list with a message.
    void FillRecentMenu(QMenu* menu);
    void OpenRecentSet(const QString& path);
    // The set is no longer the one a file holds (all dimensions reset): Ctrl+S asks.
    void ForgetFile() { file_.clear(); }
    const QString& File() const { return file_; }

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
    bool Save();
    bool SaveTo(const QString& path);

    QWidget* window_;
    Model& model_;
    const FileCommandHooks& hooks_;
    // The .lmd file the set came from or was last saved to; empty for none.
    QString file_;
};

}  // namespace lm
