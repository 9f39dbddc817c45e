#include "dialogs/qt/SettingDialog.h"

#include <QKeyEvent>
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
    box->installEventFilter(this);
    return box;
}

QPushButton* SettingDialog::AddButton(const QString& name, const QString& caption, int x, int y) {
    return MakePushButton(this, name, QRect(x, y, kButtonWidth, kButtonHeight), caption);
}

void SettingDialog::SetDefaultButton(QPushButton* button) {
    default_ = button;
    button->setDefault(true);
}

namespace {
bool IsEnter(const QEvent* e) {
    if (e->type() != QEvent::KeyPress) return false;
    const int key = static_cast<const QKeyEvent*>(e)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
}  // namespace

void SettingDialog::keyPressEvent(QKeyEvent* e) {
    // Enter on a button presses that button, not the window's default.
    if (IsEnter(e)) {
        if (auto* b = qobject_cast<QPushButton*>(focusWidget())) b->click();
        return;
    }
    QDialog::keyPressEvent(e);
}

bool SettingDialog::eventFilter(QObject* watched, QEvent* e) {
    // A box never takes Enter as a key; the default button, where there is one, takes it.
    if (IsEnter(e) && qobject_cast<NumericEdit*>(watched) != nullptr) {
        if (default_ != nullptr) default_->click();
        return true;
    }
    return QDialog::eventFilter(watched, e);
}

}  // namespace lm
