#include "dialogs/qt/SettingDialog.h"

#include <QLabel>
#include <QPushButton>

#include "common/qt/NumericEdit.h"
#include "common/qt/PushButton.h"

namespace lm {

namespace {

constexpr int kButtonWidth = 52;
constexpr int kButtonHeight = 23;
constexpr int kBoxHeight = 21;

// The layout was made for an 11-pixel sans font; the desktop's own, often larger, would
// run the value labels into each other.
QFont DialogFont() {
    QFont f;
    f.setFamilies({"DejaVu Sans Condensed", "Liberation Sans Narrow", "DejaVu Sans", "Sans Serif"});
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(11);
    return f;
}

}  // namespace

SettingDialog::SettingDialog(QWidget* parent, const QString& name, const QString& caption,
                             int width, int height)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(name);
    setWindowTitle(caption);
    setFont(DialogFont());
    setFixedSize(width, height);
    setModal(true);
}

void SettingDialog::Open() {
    FormActivate();
    exec();
}

QLabel* SettingDialog::AddLabel(const QString& name, const QString& text, int x, int y) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->move(x, y);
    label->adjustSize();
    return label;
}

void SettingDialog::ShowText(QLabel* label, const std::string& text) {
    label->setText(QString::fromStdString(text));
    label->adjustSize();
}

NumericEdit* SettingDialog::AddBox(const QString& name, KeyRule rule, int x, int y, int width) {
    auto* box = new NumericEdit(this, rule);
    box->setObjectName(name);
    box->setGeometry(x, y, width, kBoxHeight);
    return box;
}

QPushButton* SettingDialog::AddButton(const QString& name, const QString& caption, int x, int y) {
    QPushButton* b = MakePushButton(this, name, QRect(x, y, kButtonWidth, kButtonHeight), caption);
    // The boxes swallow Enter; on a button it presses that button.
    b->setAutoDefault(true);
    return b;
}

}  // namespace lm
