// The window where the diagrams' reverse-arm positions and vertical scale are typed.

#pragma once

#include <QDialog>
#include <QImage>

#include <array>

#include "model/Model.h"

class QLineEdit;
class QPushButton;

namespace lm {

// The reverse-arm positions the diagrams draw, and their vertical scale, typed into ten
// boxes: Edit1..Edit9 hold positions 1..9, Edit10 the scale. Only the boxes of the run
// of positions in use show, plus the next one, which typing opens. The texts are drawn
// on the window's own surface.
class SetRevArm : public QDialog {
    Q_OBJECT

public:
    explicit SetRevArm(Model& model, QWidget* parent = nullptr);

    // Shows the window modally and returns when it is closed.
    void Open();

    // Box k, 1..10.
    QLineEdit* Edit(int k) const { return edits_.at(static_cast<std::size_t>(k)); }
    const QImage& surface() const { return surface_; }

    void FormActivate();
    // The display pass: the texts, the boxes' values and which boxes show. Enforces the
    // run of positions.
    void ShowRevArmPositions();
    // What leaving box k stores.
    void EditExit(int k);
    void Close1Click();

    void done(int result) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shows box k + 1 and its label.
    void ShowNextPosition(int k);
    void DrawText(int x, int y, const std::string& text);
    int BoxIndex(const QObject* watched) const;

    Model& model_;
    QImage surface_;
    std::array<QLineEdit*, 11> edits_{};  // [1]..[10]
    QPushButton* close1_ = nullptr;
};

}  // namespace lm
