// The File menu's dimension-file commands. The core reads and checks the whole file
// before it changes anything, so a refused file leaves the window as it was too.
#include "files/DimensionFile.h"
#include "files/OlderFormatFile.h"
#include "mainwindow/qt/MainForm.h"

namespace lm {

void MainForm::OpenDimensionsClick() {
    const QString path = FileHooks.chooseOpenFile(this, OpenDimensionsDialog());
    if (path.isEmpty()) return;
    RunFileCommand(path, false);
}

void MainForm::OpenDosVersionDimClick() {
    const QString path = FileHooks.chooseOpenFile(this, OpenOlderFormatDialog());
    if (path.isEmpty()) return;
    RunFileCommand(path, true);
}

void MainForm::RunFileCommand(const QString& path, bool olderFormat) {
    const std::string file = path.toStdString();
    const FileResult result =
        olderFormat ? ImportOlderFormatFile(model_, file) : OpenDimensionFile(model_, file);
    if (!result.ok()) {
        FileHooks.showError(this, QString::fromStdString(result.error));
        return;
    }
    // The set is loaded and the arm stands at its mid gear.
    ShowRevArmBar();
}

void MainForm::SaveAsDimensionsClick() {
    const QString path = FileHooks.chooseSaveFile(this, SaveDimensionsDialog());
    if (path.isEmpty()) return;
    const FileResult result = SaveDimensionFile(model_, path.toStdString());
    if (!result.ok()) FileHooks.showError(this, QString::fromStdString(result.error));
}

}  // namespace lm
