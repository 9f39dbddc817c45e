// The File menu's open, import and save commands, asking before a changed set is dropped.

#include "mainwindow/qt/FileCommands.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include "common/qt/SettingsStore.h"
#include "files/DimensionFile.h"
#include "files/OlderFormatFile.h"

namespace lm {

namespace {

void Remember(const QString& path) {
    if (SettingsStore* settings = ProgramSettings()) settings->AddRecentSet(path);
}

}  // namespace

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

void FileCommands::FillRecentMenu(QMenu* menu) {
    menu->clear();
    const SettingsStore* settings = ProgramSettings();
    const QStringList sets = settings ? settings->RecentSets() : QStringList();
    for (qsizetype i = 0; i < sets.size(); ++i) {
        const QFileInfo info(sets[i]);
        // "&1 gear.lmd  (/home/me/sets)": the number is the access key.
        const QString caption = QString("&%1 %2  (%3)")
                                    .arg(i + 1)
                                    .arg(QString(info.fileName()).replace('&', "&&"),
                                         QDir::toNativeSeparators(info.absolutePath()).replace('&', "&&"));
        QAction* a = menu->addAction(caption);
        a->setObjectName(QString("RecentSet%1").arg(i + 1));
        const QString path = sets[i];
        QObject::connect(a, &QAction::triggered, menu, [this, path] { OpenRecentSet(path); });
    }
    if (sets.isEmpty()) menu->addAction("(none yet)")->setEnabled(false);
}

void FileCommands::OpenRecentSet(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        if (SettingsStore* settings = ProgramSettings()) settings->RemoveRecentSet(path);
        hooks_.showError(window_, QString("\"%1\" is no longer there; it is taken off the recent sets.")
                                      .arg(QDir::toNativeSeparators(path)));
        return;
    }
    OpenFile(path);
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
    // An imported set has no .lmd file of its own yet.
    file_ = olderFormat ? QString() : path;
    Remember(path);
    if (Loaded) Loaded();
    return true;
}

void FileCommands::SaveAsDimensionsClick() { SaveAs(); }

void FileCommands::SaveDimensionsClick() { Save(); }

bool FileCommands::Save() { return file_.isEmpty() ? SaveAs() : SaveTo(file_); }

bool FileCommands::SaveAs() {
    const QString path = hooks_.chooseSaveFile(window_, SaveDimensionsDialog());
    return !path.isEmpty() && SaveTo(path);
}

bool FileCommands::SaveTo(const QString& path) {
    const FileResult result = SaveDimensionFile(model_, path.toStdString());
    if (!result.ok()) {
        hooks_.showError(window_, QString::fromStdString(result.error));
        return false;
    }
    file_ = path;
    Remember(path);
    return true;
}

bool FileCommands::MayDropDimensionSet() {
    const QString name = QString::fromStdString(model_.DataSetName);
    return lm::MayDropDimensionSet(
        model_, [this, &name] { return hooks_.askToSaveChanges(window_, name); }, [this] { return Save(); });
}

}  // namespace lm
