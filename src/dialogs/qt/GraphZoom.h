// The "Set Zoom of Dimensional Graphic Position" dialog: the factor that scales the
// dimension highlight's view (a larger factor, a smaller drawing).
#pragma once

#include "dialogs/qt/SettingDialog.h"
#include "model/Model.h"

namespace lm {

class GraphZoom : public SettingDialog {
    Q_OBJECT

public:
    GraphZoom(Model& model, QWidget* parent);

    void FormActivate() override;
    void OKClick();

private:
    Model& model_;
    NumericEdit* Edit1 = nullptr;
};

}  // namespace lm
