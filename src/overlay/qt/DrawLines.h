// The lines and circles window: the 20 rows of overlay entries, the type, colour and
// reference choices, and the pivot-pick hand-over to the main window. The logic is the
// overlay editor's; this window shows Model::LinesWindow and calls it.
#pragma once

#include <QDialog>

#include <array>

#include "model/Model.h"

class QButtonGroup;
class QFrame;
class QLabel;
class QPushButton;

namespace lm {

class NumericEdit;
class SoundOutput;
struct OverlayOutcome;

class DrawLines : public QDialog {
    Q_OBJECT

public:
    DrawLines(Model& model, SoundOutput* sound, QWidget* parent = nullptr);

    // Opens the window (modal); after a pivot pick this ties the entry to the picked pivots.
    void Open();
    // Rebuilds the rows from the entries, as after a data file is opened (`loaded`: the
    // labels are emptied first).
    void LinesDataClick(bool loaded = false);
    // Shows the window's state: rows, choices, DrawBut and the current row.
    void ShowState();

    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildChoices();
    void BuildRows();
    void Apply(const OverlayOutcome& outcome);
    NumericEdit* Box(int row, int box) const { return boxes_[static_cast<std::size_t>(4 * (row - 1) + box)]; }

    Model& model_;
    SoundOutput* sound_;
    QButtonGroup* RadioGroup1 = nullptr;
    QButtonGroup* RadioGroup2 = nullptr;
    QButtonGroup* RadioGroup3 = nullptr;
    QPushButton* DrawBut = nullptr;
    QPushButton* ClearLine = nullptr;
    QPushButton* CloseBut = nullptr;
    std::array<QFrame*, kOverlayEntryCount> panels_{};
    std::array<QLabel*, 4 * kOverlayEntryCount> labels_{};
    std::array<NumericEdit*, 4 * kOverlayEntryCount> boxes_{};
};

}  // namespace lm
