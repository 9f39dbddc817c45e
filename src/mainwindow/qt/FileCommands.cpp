// The File menu's open, import and save commands, asking before a changed set is dropped.

#include "mainwindow/qt/FileCommands.h"

#include "files/DimensionFile.h"
#include "files/OlderFormatFile.h"

namespace lm {

// The core reads and checks the whole file before it changes anything, so a refused file
// leaves the window as it was too.

void FileCommands::OpenDimensionsClick() {
    if (!MayDropDimensionSet()) return;
    const QString path = hooks_.chooseOpenFile(window_, OpenDimensionsDialog());
    Finish(!path.isEmpty() && Load(path, false));
}

void FileCommands::OpenDosVersionDimClick() {
    if (!MayDropDimensionSet()) return;
    const QString path = hooks_.chooseOpenFile(window_, OpenOlderFormatDialog());
    Finish(!path.isEmpty() && Load(path, true));
}

void FileCommands::OpenFile(const QString& path) {
    if (!MayDropDimensionSet()) return;
    Finish(Load(path, path.endsWith(".lmp", Qt::CaseInsensitive)));
}

void FileCommands::Finish(bool loaded) {
    if (OpenFinished) OpenFinished(loaded);
}

bool FileCommands::Load(const QString& path, bool olderFormat) {
    const std::string file = path.toStdString();
    const FileResult result =
        olderFormat ? ImportOlderFormatFile(model_, file) : OpenDimensionFile(model_, file);
    if (!result.ok()) {
        hooks_.showError(window_, QString::fromStdString(result.error));
        return false;
    }
    if (Loaded) Loaded();
    return true;
}

void FileCommands::SaveAsDimensionsClick() { SaveAs(); }

bool FileCommands::SaveAs() {
    const QString path = hooks_.chooseSaveFile(window_, SaveDimensionsDialog());
    if (path.isEmpty()) return false;
    const FileResult result = SaveDimensionFile(model_, path.toStdString());
    if (!result.ok()) hooks_.showError(window_, QString::fromStdString(result.error));
    return result.ok();
}

bool FileCommands::MayDropDimensionSet() {
    const QString name = QString::fromStdString(model_.DataSetName);
    return lm::MayDropDimensionSet(
        model_, [this, &name] { return hooks_.askToSaveChanges(window_, name); }, [this] { return SaveAs(); });
}

}  // namespace lm
