// The "Step Angle" dialog: the step the driver turns by each tick, typed exactly; the
// gear keeps running or standing as it was.
#pragma once

#include <functional>

#include "dialogs/SettingDialogs.h"
#include "dialogs/qt/SettingDialog.h"

namespace lm {

class StpAng : public SettingDialog {
    Q_OBJECT

public:
    // The main window's step setting, which OK sets.
    StpAng(Model& model, float& stepAngleSetting, QWidget* parent);

    void FormActivate() override;
    void OKClick();

    // SBStepAng shows the step (without taking it as a new choice) and SBDrvAng steps by it.
    std::function<void(const StpAngOutcome&)> ShowStep;

private:
    Model& model_;
    float& stepAngleSetting_;
    NumericEdit* Edit1 = nullptr;
    QPushButton* Cancel = nullptr;
};

}  // namespace lm
