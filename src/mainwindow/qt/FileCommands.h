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

    // A set was loaded; the arm stands at its mid gear.
    std::function<void()> Loaded;
    // Every open or import ends here, cancelled or refused too; `loaded` when a set came in.
    std::function<void(bool loaded)> OpenFinished;

private:
    bool Load(const QString& path, bool olderFormat);
    void Finish(bool loaded);

    QWidget* window_;
    Model& model_;
    const FileCommandHooks& hooks_;
};

}  // namespace lm
