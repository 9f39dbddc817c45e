// Saving a window's picture as PNG or SVG and copying it to the clipboard: the file
// dialog, the error box and the clipboard, shared by every window with a picture.
#pragma once

#include <QImage>
#include <QString>

class QWidget;

namespace lm {

// The standard file dialog for the picture: PNG or SVG, the extension from the chosen
// filter when none is typed. It opens where the last picture was saved, at first in the
// user's pictures folder. Empty when cancelled.
QString AskPicturePathWithDialog(QWidget* parent, const QString& suggestedName);

void ShowPictureErrorInBox(QWidget* parent, const QString& message);

void CopyPictureToClipboard(const QImage& picture);

}  // namespace lm
