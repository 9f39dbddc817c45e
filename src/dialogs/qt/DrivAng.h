// The "Driver Angle" dialog: stops the gear at a typed angle within one turn.
#pragma once

#include <functional>

#include "dialogs/qt/SettingDialog.h"
#include "model/Model.h"

namespace lm {

class DrivAng : public SettingDialog {
    Q_OBJECT

public:
    DrivAng(Model& model, QWidget* parent);

    void FormActivate() override;
    void OKClick();

    // The gear now stands: Run reads "Run" and SBDrvAng, enabled, takes the position.
    std::function<void(int angleBarPosition)> ShowStopped;

private:
    Model& model_;
    NumericEdit* Edit1 = nullptr;
    QPushButton* Cancel = nullptr;
};

}  // namespace lm
