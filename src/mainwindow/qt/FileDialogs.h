// The open and save dialogs the file commands ask for, and hooks to replace them.

#pragma once

#include <QString>

#include <functional>
#include <string_view>

#include "model/UnsavedChanges.h"

class QPrinter;
class QWidget;

namespace lm {

// One file dialog as the command asks for it.
struct FileDialogRequest {
    QString title;          // empty: the toolkit's own
    QString filter;         // Qt form: "Name (*.ext);;..."
    QString defaultSuffix;  // added to a typed name without one
    QString folderKey;      // the dialogs sharing this key open in the folder last chosen
    QString suggestedName;  // the name offered in a save dialog; empty: none
};

// "Name|*.ext|Name|*.ext" filter text turned into Qt's "Name (*.ext);;Name (*.ext)". A
// name that already shows its pattern in brackets is not given it twice, and "*.*"
// becomes "*" so that files without a dot are listed too.
QString QtFileFilter(std::string_view barSeparated);

FileDialogRequest OpenDimensionsDialog();
FileDialogRequest OpenOlderFormatDialog();
FileDialogRequest SaveDimensionsDialog();
// The report as a PDF, offered under the set's name.
FileDialogRequest ExportReportDialog(const QString& setName);

// The file dialogs and the error box of the file commands; tests put their own in.
struct FileCommandHooks {
    // The chosen path, or an empty string when the user cancels. The open dialog lets
    // only an existing file be chosen; the save dialog asks before replacing one.
    std::function<QString(QWidget* parent, const FileDialogRequest&)> chooseOpenFile;
    std::function<QString(QWidget* parent, const FileDialogRequest&)> chooseSaveFile;
    // A modal message box for a file that could not be read or written.
    std::function<void(QWidget* parent, const QString& message)> showError;
    // Save, Discard or Cancel for a changed dimension set about to be dropped.
    std::function<UnsavedAnswer(QWidget* parent, const QString& setName)> askToSaveChanges;
    // The platform's print dialog on the printer given; false when cancelled.
    std::function<bool(QWidget* parent, QPrinter& printer)> askPrinter;
};

// The platform's dialogs and a critical message box.
FileCommandHooks StandardFileCommandHooks();

}  // namespace lm
