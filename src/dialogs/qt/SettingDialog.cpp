// The layout and keys every setting dialog shares.

#include "dialogs/qt/SettingDialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "common/qt/NumericEdit.h"
#include "common/qt/PushButton.h"
#include "graphics/qt/FontFaces.h"

namespace lm {

namespace {

constexpr int kButtonWidth = 52;
constexpr int kButtonHeight = 23;
constexpr int kBoxHeight = 21;
constexpr int kFontPixels = 11;
constexpr int kSmallestFontPixels = 8;
constexpr const char* kRoomProperty = "lmRoom";

// The layout was made for an 11-pixel sans font; the desktop's own, often larger, would
// run the value labels into each other.
QFont DialogFont() {
    QFont f = FaceFont(FontFace::Narrow, kFontPixels);
    // Picks a face made narrow where the family has one.
    f.setStretch(QFont::SemiCondensed);
    return f;
}

// A value far from the nominal gear makes a longer text than the layout planned for; the
// label's font gets smaller rather than the text running into its neighbour or off the window.
void FitToRoom(QLabel* label) {
    const int room = label->property(kRoomProperty).toInt();
    QFont f = label->parentWidget()->font();
    for (int px = kFontPixels; px >= kSmallestFontPixels; --px) {
        f.setPixelSize(px);
        label->setFont(f);
        if (label->sizeHint().width() <= room) break;
    }
    label->adjustSize();
    // A far gear's numbers may not fit even the smallest face: cut at the room, never
    // running out of the dialog or under the next label, the whole text kept in its tip.
    const bool cut = label->width() > room;
    if (cut) label->resize(room, label->height());
    label->setToolTip(cut ? label->text() : QString());
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

QLabel* SettingDialog::AddLabel(const QString& name, const QString& text, int x, int y, int room) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->move(x, y);
    label->setProperty(kRoomProperty, room > 0 ? room : width() - x - 1);
    FitToRoom(label);
    return label;
}

void SettingDialog::ShowText(QLabel* label, const std::string& text) {
    label->setText(QString::fromStdString(text));
    FitToRoom(label);
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

void SettingDialog::SetDefaultButton(QPushButton* button) { button->setDefault(true); }

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
    // A box swallows Enter, as every other key its filter refuses; no button takes it.
    if (IsEnter(e) && qobject_cast<NumericEdit*>(watched) != nullptr) return true;
    return QDialog::eventFilter(watched, e);
}

}  // namespace lm
