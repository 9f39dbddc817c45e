// The Help menu's About window: the program, its short history and where to write.
#pragma once

#include <QDialog>
#include <QStringList>

namespace lm {

class AboutBox : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent = nullptr);

    // The eight lines, top to bottom.
    static QStringList Lines();
};

}  // namespace lm
