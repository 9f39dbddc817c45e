// The "Driver Angle" dialog.

#include "dialogs/qt/DrivAng.h"

#include <QPushButton>

#include "common/qt/NumericEdit.h"
#include "dialogs/SettingDialogs.h"

namespace lm {

DrivAng::DrivAng(Model& model, QWidget* parent)
    : SettingDialog(parent, "DrivAng", "Driver Angle", 208, 47), model_(model) {
    AddLabel("Label1", "Enter", 5, 19);
    AddLabel("Label2", "Min = 0.00", 10, 0);
    AddLabel("Label3", "Max = 360.00", 100, 0);
    Edit1 = AddBox("Edit1", kUnsignedKeyRule, 34, 16);
    QPushButton* ok = AddButton("OK", "OK", 94, 17);
    SetDefaultButton(ok);
    Cancel = AddButton("Cancel", "Cancel", 152, 17);
    connect(ok, &QPushButton::clicked, this, &DrivAng::OKClick);
    connect(Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void DrivAng::FormActivate() {
    Edit1->setText(QString::fromStdString(DrivAngActivate(model_)));
    Cancel->setFocus();
}

void DrivAng::OKClick() {
    const DrivAngOutcome out = DrivAngOk(model_, Edit1->text().toStdString());
    if (ShowStopped) ShowStopped(out.DrvAngBarPosition);
    accept();
}

}  // namespace lm
