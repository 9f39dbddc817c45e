// The Save Picture As dialog, remembering the last folder, its error box and the clipboard.

#include "common/qt/PictureDialogs.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QStandardPaths>

#include "common/qt/SettingsStore.h"

namespace lm {

QString AskPicturePathWithDialog(QWidget* parent, const QString& suggestedName) {
    // The folder pictures were last saved in, this run or an earlier one.
    static QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (const SettingsStore* settings = ProgramSettings(); settings && !settings->LastFolder("pictures").isEmpty())
        folder = settings->LastFolder("pictures");
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    const QString png = QStringLiteral("PNG picture (*.png)");
    const QString svg = QStringLiteral("SVG picture, vector (*.svg)");
    QFileDialog dialog(parent, QStringLiteral("Save Picture As"), folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({png, svg});
    dialog.setDefaultSuffix(QStringLiteral("png"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, svg](const QString& f) {
        dialog.setDefaultSuffix(f == svg ? QStringLiteral("svg") : QStringLiteral("png"));
    });
    dialog.selectFile(suggestedName);
    if (dialog.exec() != QDialog::Accepted) return {};
    const QString path = dialog.selectedFiles().value(0);
    if (!path.isEmpty()) {
        folder = QFileInfo(path).absolutePath();
        RememberFolderOf("pictures", path);
    }
    return path;
}

void ShowPictureErrorInBox(QWidget* parent, const QString& message) {
    QMessageBox::warning(parent, QStringLiteral("Save Picture As"), message);
}

void CopyPictureToClipboard(const QImage& picture) {
    if (picture.isNull()) return;
    QGuiApplication::clipboard()->setImage(picture);
}

}  // namespace lm
