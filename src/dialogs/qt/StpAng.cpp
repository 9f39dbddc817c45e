// The step angle dialog: the driver's step per tick, run state kept.

#include "dialogs/qt/StpAng.h"

#include <QPushButton>

#include "common/qt/NumericEdit.h"

namespace lm {

StpAng::StpAng(Model& model, float& stepAngleSetting, QWidget* parent)
    : SettingDialog(parent, "StpAng", "Step Angle", 208, 47), model_(model), stepAngleSetting_(stepAngleSetting) {
    AddLabel("Label1", "Enter", 5, 19);
    AddLabel("Label2", "Min = 0.01", 10, 0);
    AddLabel("Label3", "Max = 45.00", 100, 0);
    Edit1 = AddBox("Edit1", kUnsignedKeyRule, 34, 16);
    Edit1->setText("5.0");
    QPushButton* ok = AddButton("OK", "OK", 94, 17);
    SetDefaultButton(ok);
    Cancel = AddButton("Cancel", "Cancel", 152, 17);
    connect(ok, &QPushButton::clicked, this, &StpAng::OKClick);
    connect(Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void StpAng::FormActivate() {
    Edit1->setText(QString::fromStdString(StpAngActivate(model_)));
    Cancel->setFocus();
}

void StpAng::OKClick() {
    const StpAngOutcome out = StpAngOk(model_, stepAngleSetting_, Edit1->text().toStdString());
    if (ShowStep) ShowStep(out);
    accept();
}

}  // namespace lm
