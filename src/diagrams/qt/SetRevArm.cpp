// The reverse-arm positions window: its drawn labels, boxes and the clamps on leaving them.

#include "diagrams/qt/SetRevArm.h"

#include <QFocusEvent>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

#include "common/Numbers.h"
#include "common/TextScaleExtent.h"
#include "common/qt/NumericEdit.h"
#include "common/qt/PixelRatio.h"
#include "common/qt/PushButton.h"
#include "graphics/qt/QPainterCanvas.h"
#include "kinematics/Guards.h"
#include "kinematics/ReverseArm.h"
#include "kinematics/RevArmPositionSet.h"

namespace lm {

namespace {

constexpr int kClientWidth = 409;
constexpr int kClientHeight = 154;
// The 14-pixel character cell of the window font: its letters are 12 pixels high.
constexpr int kFontPixels = 12;
constexpr int kVerticalScaleBox = 10;

// The boxes stand where the large-font layout puts them; at a smaller text scale the
// labels would drift a row away from their boxes, so the texts never go below it.
constexpr float kBoxLayoutScaleX = kLargeTextScaleX;
constexpr float kBoxLayoutScaleY = kLargeTextScaleY;

struct Place {
    int x, y;
};
// Label places of positions 1..9, in text units.
constexpr std::array<Place, 10> kLabelPlaces{{{0, 0},
                                              {13, 38},
                                              {13, 51},
                                              {13, 64},
                                              {13, 77},
                                              {165, 25},
                                              {165, 38},
                                              {165, 51},
                                              {165, 64},
                                              {165, 77}}};
// Box places of Edit1..Edit10.
constexpr std::array<Place, 11> kBoxPlaces{{{0, 0},
                                            {138, 47},
                                            {138, 63},
                                            {138, 79},
                                            {138, 95},
                                            {333, 31},
                                            {333, 47},
                                            {333, 63},
                                            {333, 79},
                                            {333, 95},
                                            {138, 31}}};

std::string PositionLabel(int k) { return "Rev Arm Position  " + std::to_string(k); }

std::string Number(Real value) { return FormatFixed(static_cast<double>(value), 5, 3); }

float TextScaleX(const Model& m) { return std::max(m.Display.TextScaleX, kBoxLayoutScaleX); }
float TextScaleY(const Model& m) { return std::max(m.Display.TextScaleY, kBoxLayoutScaleY); }

}  // namespace

SetRevArm::SetRevArm(Model& model, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      model_(model) {
    setObjectName("SetRevArm");
    setWindowTitle("Set Reverse Arm Positions");
    setFixedSize(kClientWidth, kClientHeight);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    for (int k = 1; k <= kVerticalScaleBox; ++k) {
        auto* e = new NumericEdit(this);
        e->SetEnterRefused(true);
        e->setObjectName(QString("Edit%1").arg(k));
        e->setGeometry(kBoxPlaces[static_cast<std::size_t>(k)].x,
                       kBoxPlaces[static_cast<std::size_t>(k)].y, 49, 16);
        e->setFrame(false);
        e->setStyleSheet("QLineEdit { background: silver; border: none; padding: 0px; }");
        e->installEventFilter(this);
        // Any key typed into a position box opens the next position.
        if (k < kRevArmPositionCount)
            connect(e, &NumericEdit::KeyTyped, this, [this, k] { ShowNextPosition(k); });
        edits_[static_cast<std::size_t>(k)] = e;
    }
    close1_ = MakePushButton(this, "Close1", QRect(158, 114, 92, 31), "Close");
    connect(close1_, &QPushButton::clicked, this, &SetRevArm::Close1Click);

    const int order[] = {2, 3, 4, 6, 7, 8, 9, 10, 1, 5};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(Edit(order[i]), Edit(order[i + 1]));
    setTabOrder(Edit(5), close1_);
}

void SetRevArm::Open() {
    FormActivate();
    exec();
}

void SetRevArm::FormActivate() {
    ShowRevArmPositions();
    ShowRevArmPositions();
    close1_->setFocus();
}

void SetRevArm::Close1Click() { close(); }

void SetRevArm::done(int result) {
    // However the window is closed, a value typed into the box with the focus is kept
    // and the run of positions is put right before a diagram draws it.
    const int k = BoxIndex(focusWidget());
    if (k != 0) EditExit(k);
    // Off the boxes first, so refilling them is not taken for the user's typing.
    close1_->setFocus();
    ShowRevArmPositions();
    model_.DiagramWindows.DiagramRedrawPending = true;
    QDialog::done(result);
}

// ---- The display pass ----

void SetRevArm::DrawText(int x, int y, const std::string& text) {
    if (surface_.isNull()) return;
    QPainter painter(&surface_);
    QPainterCanvas canvas(painter);
    canvas.SetFontSize(kFontPixels);
    canvas.TextOut({x, y}, text);
    update();
}

void SetRevArm::ShowRevArmPositions() {
    const qreal dpr = PictureRatio(this);
    surface_ = QImage(qRound(kClientWidth * dpr), qRound(kClientHeight * dpr), QImage::Format_RGB32);
    surface_.setDevicePixelRatio(dpr);
    surface_.fill(Qt::white);

    const Model& m = model_;
    const auto sx = [&m](int x) { return RoundToInt(static_cast<Real>(TextScaleX(m)) * x); };
    const auto sy = [&m](int y) { return RoundToInt(static_cast<Real>(TextScaleY(m)) * y); };

    // The travel from full reverse to full forward, in the sense the arm moves.
    const Real c = m.Gear.RevArmCenter, n = m.Frame.RevArmCentNorm, mx = m.Frame.RevArmCentMax;
    const bool plain = PlainSense(m);
    const std::string header[] = {
        plain ? "Min " + Number(c - mx) : "Max " + Number(c + mx),
        plain ? "Rev " + Number(c - n) : "Rev " + Number(c + n),
        "Cent " + Number(c),
        plain ? "Fwd " + Number(c + n) : "Fwd " + Number(c - n),
        plain ? "Max " + Number(c + mx) : "Min " + Number(c - mx),
    };
    const int headerX[] = {10, 75, 140, 205, 270};
    for (int i = 0; i < 5; ++i) DrawText(sx(headerX[i]), 4, header[i]);

    DrawText(sx(13), sy(98), "Max of 9 Positions");
    DrawText(sx(kLabelPlaces[1].x), sy(kLabelPlaces[1].y), PositionLabel(1));

    ApplyRevArmRunRule(model_);
    const auto& p = model_.Gear.RevArmPositions;
    Edit(1)->setText(QString::fromStdString(Number(p[1])));
    for (int k = 1; k <= kRevArmPositionCount - 1; ++k) {
        const auto next = static_cast<std::size_t>(k + 1);
        const bool shown = p[static_cast<std::size_t>(k)] != 0;
        if (shown) DrawText(sx(kLabelPlaces[next].x), sy(kLabelPlaces[next].y), PositionLabel(k + 1));
        Edit(k + 1)->setVisible(shown);
        Edit(k + 1)->setText(QString::fromStdString(Number(p[next])));
    }

    Edit(kVerticalScaleBox)->setText(QString::fromStdString(Number(m.Diagram.VerticalScale)));
    DrawText(sx(13), sy(25), "Vertical Scale");
    close1_->setFocus();
}

void SetRevArm::ShowNextPosition(int k) {
    const auto next = static_cast<std::size_t>(k + 1);
    DrawText(RoundToInt(static_cast<Real>(TextScaleX(model_)) * kLabelPlaces[next].x),
             RoundToInt(static_cast<Real>(TextScaleY(model_)) * kLabelPlaces[next].y),
             PositionLabel(k + 1));
    Edit(k + 1)->show();
}

void SetRevArm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (!surface_.isNull()) p.drawImage(0, 0, surface_);
}

// ---- The boxes ----

int SetRevArm::BoxIndex(const QObject* watched) const {
    for (int k = 1; k <= kVerticalScaleBox; ++k)
        if (watched != nullptr && watched == edits_[static_cast<std::size_t>(k)]) return k;
    return 0;
}

bool SetRevArm::eventFilter(QObject* watched, QEvent* event) {
    const int k = BoxIndex(watched);
    if (k != 0) {
        if (event->type() == QEvent::FocusOut) EditExit(k);
    }
    return QDialog::eventFilter(watched, event);
}

void SetRevArm::EditExit(int k) {
    const float value = ParseTypedNumber(Edit(k)->text().toStdString());
    if (k == kVerticalScaleBox)
        StoreEditedVerticalScale(model_, value);
    else
        StoreEditedRevArmPosition(model_, k, value);
}

}  // namespace lm
