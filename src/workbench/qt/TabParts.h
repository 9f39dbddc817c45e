// What the valve events window's tabs share: their buttons, their message line, the
// file dialog for a CSV table and the saving of a plot.
#pragma once

#include <QPushButton>
#include <QString>

#include <string>

class QLabel;

namespace lm {

class KeptPicture;

// A button named for the tests, clicking `click` of `tab`.
template <class Tab>
QPushButton* TabButton(Tab* tab, const QString& caption, const char* name, void (Tab::*click)()) {
    auto* button = new QPushButton(caption, tab);
    button->setObjectName(name);
    QObject::connect(button, &QPushButton::clicked, tab, click);
    return button;
}

// A tab's message line: what happened, in red when it went wrong.
void ShowTabMessage(QLabel* line, const QString& text, bool bad);

// The standard save dialog for a CSV table, in the folder tables were last saved to.
// Empty when cancelled.
QString AskCsvPathWithDialog(QWidget* parent, const QString& suggestedName);

// The plot as PNG or SVG, as it is shown in `shownIn`; the error, or empty.
std::string SaveKeptPicture(const QString& path, const KeptPicture& picture, const QWidget* shownIn);

}  // namespace lm
