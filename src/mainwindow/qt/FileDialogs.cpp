// The file dialogs' filters and titles, and the standard hooks tests replace.

#include "mainwindow/qt/FileDialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>

#include "common/qt/SettingsStore.h"

namespace lm {

QString QtFileFilter(std::string_view barSeparated) {
    const QStringList parts =
        QString::fromUtf8(barSeparated.data(), static_cast<qsizetype>(barSeparated.size()))
            .split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i].trimmed();
        QString pattern = parts[i + 1].trimmed();
        // The name often carries the pattern already: "Data File (*.lmd)".
        const qsizetype bracket = name.lastIndexOf('(');
        if (bracket > 0 && name.endsWith(')')) name = name.left(bracket).trimmed();
        if (pattern == "*.*") pattern = "*";
        filters << QString("%1 (%2)").arg(name, pattern);
    }
    return filters.join(";;");
}

FileDialogRequest OpenDimensionsDialog() {
    return {QString(), QtFileFilter("Data File (*.lmd) |*.lmd|All Files (*.*)|*.*"), "lmd", "dimensions", {}};
}

FileDialogRequest OpenOlderFormatDialog() {
    return {QString(), QtFileFilter("Data File (*.lmp)|*.lmp|All Files (*.*)|*.*"), "lmp", "older", {}};
}

FileDialogRequest SaveDimensionsDialog() {
    return {"Save As.....", QtFileFilter("Data File (*.lmd)|*.lmd|All Files (*.*)|*.*"), "lmd", "dimensions", {}};
}

FileDialogRequest ExportReportDialog(const QString& setName) {
    return {"Export Report (PDF)", "PDF document (*.pdf)", "pdf", "reports", setName + ".pdf"};
}

namespace {

QString RunDialog(QWidget* parent, const FileDialogRequest& request, bool save) {
    // The platform's own dialog, where the desktop offers one.
    QFileDialog dialog(parent, request.title);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (const SettingsStore* settings = ProgramSettings()) {
        const QString folder = settings->LastFolder(request.folderKey);
        if (!folder.isEmpty()) dialog.setDirectory(folder);
    }
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (save && !request.suggestedName.isEmpty()) dialog.selectFile(request.suggestedName);
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return {};
    RememberFolderOf(request.folderKey, files.front());
    return files.front();
}

}  // namespace

FileCommandHooks StandardFileCommandHooks() {
    FileCommandHooks hooks;
    hooks.chooseOpenFile = [](QWidget* parent, const FileDialogRequest& r) {
        return RunDialog(parent, r, false);
    };
    hooks.chooseSaveFile = [](QWidget* parent, const FileDialogRequest& r) {
        return RunDialog(parent, r, true);
    };
    hooks.showError = [](QWidget* parent, const QString& message) {
        QMessageBox::critical(parent, "LINKMOTION Inside Admission", message);
    };
    hooks.askPrinter = [](QWidget* parent, QPrinter& printer) {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    };
    hooks.askToSaveChanges = [](QWidget* parent, const QString& setName) {
        QMessageBox box(QMessageBox::Warning, "LINKMOTION Inside Admission",
                        QString("The dimension set \"%1\" has changed since it was opened or saved.")
                            .arg(setName),
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
        box.setInformativeText("Do you want to save the changes?");
        box.setDefaultButton(QMessageBox::Save);
        switch (box.exec()) {
            case QMessageBox::Save: return UnsavedAnswer::Save;
            case QMessageBox::Discard: return UnsavedAnswer::Discard;
            default: return UnsavedAnswer::Cancel;
        }
    };
    return hooks;
}

}  // namespace lm
