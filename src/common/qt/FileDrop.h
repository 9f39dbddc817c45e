// A window that takes one file dropped on it.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace lm {

// The window accepts a single local file dragged onto it anywhere; once the drop has
// finished, `open` is called with its path (so a message box it shows never holds up
// the program the file was dragged from). Several files, or anything else, are refused
// as the drag enters.
void AcceptFileDrops(QWidget* window, std::function<void(const QString& path)> open);

}  // namespace lm
