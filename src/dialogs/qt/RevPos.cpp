// The reverse-arm position dialog, its labels following the gear's sense.

#include "dialogs/qt/RevPos.h"

#include <QPushButton>

#include "common/qt/NumericEdit.h"
#include "dialogs/SettingDialogs.h"

namespace lm {

RevPos::RevPos(Model& model, QWidget* parent)
    : SettingDialog(parent, "RevPos", "Reverse Arm Position", 208, 64), model_(model) {
    // The left and centre labels end where the next one starts.
    Label5 = AddLabel("Label5", {}, 2, 0, 67);
    Label3 = AddLabel("Label3", {}, 71, 0, 68);
    Label6 = AddLabel("Label6", {}, 141, 0);
    Label2 = AddLabel("Label2", {}, 2, 15, 67);
    Label4 = AddLabel("Label4", {}, 141, 15);
    AddLabel("Label1", "Enter", 5, 35);
    Edit1 = AddBox("Edit1", kRevPosKeyRule, 34, 32);
    QPushButton* ok = AddButton("OK", "OK", 94, 33);
    Cancel = AddButton("Cancel", "Cancel", 152, 33);
    connect(ok, &QPushButton::clicked, this, &RevPos::OKClick);
    connect(Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void RevPos::FormActivate() {
    const RevPosTexts t = RevPosActivate(model_);
    ShowText(Label2, t.Label2);
    ShowText(Label3, t.Label3);
    ShowText(Label4, t.Label4);
    ShowText(Label5, t.Label5);
    ShowText(Label6, t.Label6);
    Edit1->setText(QString::fromStdString(t.Box));
    Cancel->setFocus();
}

void RevPos::OKClick() {
    const int position = RevPosOk(model_, Edit1->text().toStdString());
    if (MoveRevArmBar) MoveRevArmBar(position);
    accept();
}

}  // namespace lm
