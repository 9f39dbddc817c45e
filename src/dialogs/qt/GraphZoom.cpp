// The graphic zoom dialog: the dimension highlight's zoom factor.

#include "dialogs/qt/GraphZoom.h"

#include <QPushButton>

#include "common/qt/NumericEdit.h"
#include "dialogs/SettingDialogs.h"

namespace lm {

GraphZoom::GraphZoom(Model& model, QWidget* parent)
    : SettingDialog(parent, "GraphZoom", "Set Zoom of Dimensional Graphic Position", 270, 68),
      model_(model) {
    AddLabel("Label1", "Enter", 32, 42);
    AddLabel("Label2", "Min = 0.5", 40, 3);
    AddLabel("Label3", "Max = 2000.0", 168, 3);
    AddLabel("Label4", "Approximate Factor = Locomotive Gauge in Units Used", 5, 20);
    Edit1 = AddBox("Edit1", kUnsignedKeyRule, 64, 40);
    QPushButton* ok = AddButton("OK", "OK", 134, 40);
    QPushButton* cancel = AddButton("Cancel", "Cancel", 194, 40);
    connect(ok, &QPushButton::clicked, this, &GraphZoom::OKClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void GraphZoom::FormActivate() {
    Edit1->setText(QString::fromStdString(GraphZoomActivate(model_)));
    Edit1->setFocus();
    Edit1->selectAll();
}

void GraphZoom::OKClick() {
    GraphZoomOk(model_, Edit1->text().toStdString());
    accept();
}

}  // namespace lm
