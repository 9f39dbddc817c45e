// The valve events window's tabs' shared pieces.

#include "workbench/qt/TabParts.h"

#include <QFileDialog>
#include <QLabel>

#include "common/qt/KeptPicture.h"
#include "common/qt/PixelRatio.h"
#include "common/qt/SettingsStore.h"
#include "graphics/qt/PictureExport.h"

namespace lm {

void ShowTabMessage(QLabel* line, const QString& text, bool bad) {
    line->setText(text);
    line->setStyleSheet(bad ? "color: rgb(190, 0, 0);" : "");
}

QString AskCsvPathWithDialog(QWidget* parent, const QString& suggestedName) {
    const QString path = QFileDialog::getSaveFileName(parent, "Save Table As",
                                                      InRememberedFolder("tables", suggestedName),
                                                      "CSV table (*.csv)");
    RememberFolderOf("tables", path);
    return path;
}

std::string SaveKeptPicture(const QString& path, const KeptPicture& picture, const QWidget* shownIn) {
    return SavePicture(path.toStdString(), picture.width(), picture.height(), PictureRatio(shownIn),
                       [&picture](Canvas& canvas) { picture.Replay(canvas); });
}

}  // namespace lm
