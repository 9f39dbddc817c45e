// What the five setting dialogs share: a small fixed-size modal window whose labels,
// number boxes and buttons stand at given pixels, in a font made for that layout.
#pragma once

#include <QDialog>
#include <QString>

#include <string>

#include "common/TypedKeys.h"

class QLabel;
class QPushButton;

namespace lm {

class NumericEdit;

class SettingDialog : public QDialog {
    Q_OBJECT

public:
    // Shows the present values, then the window modally; returns when it is closed.
    void Open();
    // Fills the window from the model and puts the focus where the window starts.
    virtual void FormActivate() = 0;

protected:
    SettingDialog(QWidget* parent, const QString& name, const QString& caption, int width,
                  int height);

    // A label whose text keeps within `room` pixels (0: up to the window's right edge).
    QLabel* AddLabel(const QString& name, const QString& text, int x, int y, int room = 0);
    NumericEdit* AddBox(const QString& name, KeyRule rule, int x, int y, int width = 50);
    QPushButton* AddButton(const QString& name, const QString& caption, int x, int y);
    // Drawn as the window's default button; Enter in a box still presses nothing.
    void SetDefaultButton(QPushButton* button);
    // A label's new text, the label sized to it within its room.
    static void ShowText(QLabel* label, const std::string& text);

    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
};

}  // namespace lm
