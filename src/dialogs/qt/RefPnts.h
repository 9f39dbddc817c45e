// The "Reference Points" dialog: both points typed exactly. OK shows them, Zero puts
// them at the origin and Cancel keeps them; Zero and Cancel switch the points off.
#pragma once

#include <array>
#include <functional>

#include "dialogs/qt/SettingDialog.h"
#include "model/Model.h"
#include "view/ViewControls.h"

namespace lm {

class RefPnts : public SettingDialog {
    Q_OBJECT

public:
    RefPnts(Model& model, MainViewControls& viewControls, QWidget* parent);

    void FormActivate() override;
    void OKClick();
    void ZeroClick();
    void CancelClick();

    // The main window shows or hides the reference-point controls from the state.
    std::function<void()> ShowRefPoints;

private:
    void Closed(int result);

    Model& model_;
    MainViewControls& viewControls_;
    std::array<NumericEdit*, 4> boxes_{};  // Edit1..Edit4: Y1, X1, Y2, X2
    QPushButton* Cancel = nullptr;
};

}  // namespace lm
