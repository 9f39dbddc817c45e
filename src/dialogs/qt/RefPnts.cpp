// The reference points dialog: both points typed, zeroed, or switched off.

#include "dialogs/qt/RefPnts.h"

#include <QPushButton>

#include "common/qt/NumericEdit.h"
#include "dialogs/SettingDialogs.h"

namespace lm {

RefPnts::RefPnts(Model& model, MainViewControls& viewControls, QWidget* parent)
    : SettingDialog(parent, "RefPnts", "Reference Points", 208, 76), model_(model), viewControls_(viewControls) {
    AddLabel("Label1", "RefPt V1", 5, 6);
    AddLabel("Label2", "RefPt H1", 5, 29);
    AddLabel("Label3", "RefPt V2", 108, 6);
    AddLabel("Label4", "RefPt H2", 108, 29);
    boxes_[0] = AddBox("Edit1", kRefPntsKeyRule, 50, 2);
    boxes_[1] = AddBox("Edit2", kRefPntsKeyRule, 50, 26);
    boxes_[2] = AddBox("Edit3", kRefPntsKeyRule, 155, 2);
    boxes_[3] = AddBox("Edit4", kRefPntsKeyRule, 155, 26);
    QPushButton* ok = AddButton("OK", "OK", 22, 52);
    QPushButton* zero = AddButton("Zero", "Zero", 80, 52);
    Cancel = AddButton("Cancel", "Cancel", 138, 52);
    connect(ok, &QPushButton::clicked, this, &RefPnts::OKClick);
    connect(zero, &QPushButton::clicked, this, &RefPnts::ZeroClick);
    connect(Cancel, &QPushButton::clicked, this, &RefPnts::CancelClick);
    // Tab runs down each point's pair of boxes.
    setTabOrder(boxes_[0], boxes_[1]);
    setTabOrder(boxes_[1], boxes_[2]);
    setTabOrder(boxes_[2], boxes_[3]);
}

void RefPnts::FormActivate() {
    const std::array<std::string, 4> texts = RefPntsActivate(model_);
    for (std::size_t i = 0; i < boxes_.size(); ++i) boxes_[i]->setText(QString::fromStdString(texts[i]));
    Cancel->setFocus();
}

void RefPnts::OKClick() {
    std::array<std::string, 4> texts;
    for (std::size_t i = 0; i < boxes_.size(); ++i) texts[i] = boxes_[i]->text().toStdString();
    RefPntsOk(model_, viewControls_, texts);
    Closed(Accepted);
}

void RefPnts::ZeroClick() {
    RefPntsZero(model_, viewControls_);
    Closed(Accepted);
}

void RefPnts::CancelClick() {
    RefPntsCancel(model_);
    Closed(Rejected);
}

void RefPnts::Closed(int result) {
    if (ShowRefPoints) ShowRefPoints();
    done(result);
}

}  // namespace lm
