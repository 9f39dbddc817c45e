// The reverse-arm bar of the main window and its Rev / Cen / Fwd buttons.
#pragma once

#include "model/Model.h"

class QPushButton;
class QScrollBar;
class QWidget;

namespace lm {

class ReverseArmControls {
public:
    ReverseArmControls(QWidget* area, Model& model);

    QScrollBar* Bar() const { return SBRevArm; }

    void BarChanged(int position);
    // Moves the bar to a position (within its range); its handler sets the arm even where
    // the bar already stands.
    void MoveBar(int position);
    void FwdClick();
    void RevClick();
    void CenterClick();
    void FindRevArmCentClick();
    // The bar's range from the arm's full-gear travel, set quietly.
    void SetBarRange();
    // The bar's range and position for the arm as it stands, without moving the arm.
    void ShowBar();
    // At start-up: mid gear has just put the arm where position 0 says.
    void ShowMidGear();

    void SetScreenVisible(bool visible);

private:
    void ShowButtons(int barPosition);
    void ArmJumped();

    Model& model_;
    QScrollBar* SBRevArm = nullptr;
    QPushButton* Rev = nullptr;
    QPushButton* Center = nullptr;
    QPushButton* Fwd = nullptr;
};

}  // namespace lm
