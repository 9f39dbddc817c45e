// The "Reverse Arm Position" dialog: the arm's position typed exactly, kept within full
// gear; the labels show mid gear, normal and full gear in the gear's sense.
#pragma once

#include <functional>

#include "dialogs/qt/SettingDialog.h"
#include "model/Model.h"

namespace lm {

class RevPos : public SettingDialog {
    Q_OBJECT

public:
    RevPos(Model& model, QWidget* parent);

    void FormActivate() override;
    void OKClick();

    // Moves SBRevArm to a position; its own handler then sets the arm.
    std::function<void(int position)> MoveRevArmBar;

private:
    Model& model_;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    NumericEdit* Edit1 = nullptr;
    QPushButton* Cancel = nullptr;
};

}  // namespace lm
