// The dimension editors' window: boxes, highlight buttons, reset and Close, each handing
// its event to the editors' core logic and showing what comes back.
#include "dialogs/qt/DimensionEditorWindow.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <utility>

#include "common/TextScaleExtent.h"
#include "common/qt/NumericEdit.h"
#include "common/qt/PixelRatio.h"
#include "common/qt/PushButton.h"
#include "common/qt/TypedKeyEvent.h"
#include "common/qt/WindowPlacement.h"
#include "dialogs/EditorLabels.h"
#include "dialogs/qt/EditorWindowLayout.h"
#include "graphics/qt/FontFaces.h"
#include "graphics/qt/QPainterCanvas.h"

namespace lm {

namespace {

// The 8-point window font, in the narrow face at hand: the labels' runs of blanks and a
// "242.000" in a 40-pixel box were sized for a font this small.
constexpr int kFontPixels = 10;

QFont WindowFont() { return FaceFont(FontFace::Narrow, kFontPixels); }

}  // namespace

DimensionEditorWindow::DimensionEditorWindow(Model& model, EditorId editor, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      model_(model),
      editor_(editor == EditorId::Cylinder ? EditorId::Cylinder : EditorId::Frame) {
    const EditorWindowLayout& l = LayoutOf(editor_);
    setObjectName(l.Name);
    setWindowTitle(l.Caption);
    setModal(true);
    setFont(WindowFont());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    BuildControls();
}

void DimensionEditorWindow::BuildControls() {
    const EditorWindowLayout& l = LayoutOf(editor_);
    const int count = EditorBoxCount(editor_);
    reset_ = MakePushButton(this, l.ResetName, l.ResetGeometry, l.ResetCaption);
    close1_ = MakePushButton(this, "Close1", l.CloseGeometry, "Close");
    reset_->installEventFilter(this);
    connect(reset_, &QPushButton::clicked, this, &DimensionEditorWindow::ResetClick);
    connect(close1_, &QPushButton::clicked, this, &DimensionEditorWindow::Close1Click);

    edits_.assign(static_cast<std::size_t>(count) + 1, nullptr);
    edited_.assign(static_cast<std::size_t>(count) + 1, 0);
    buttons_.assign(static_cast<std::size_t>(count) + 1, nullptr);
    for (int n = 1; n <= count; ++n) {
        const auto i = static_cast<std::size_t>(n);
        auto* e = new NumericEdit(this);
        e->setObjectName(QString("Edit%1").arg(n));
        e->setFrame(false);
        // Grey marks the boxes that pick a dynamic variable.
        const bool dynamic = EditorBoxDimension(editor_, n)->DimensionNumber != 0;
        e->setStyleSheet(QString("QLineEdit { background: %1; border: none; padding: 0px; }")
                             .arg(dynamic ? "silver" : "white"));
        e->setFont(WindowFont());
        e->SetEnterTarget(close1_);
        e->installEventFilter(this);
        // Pastes, drops and cuts pass the box's own filter; they count as typing.
        connect(e, &QLineEdit::textEdited, this, [this, n] {
            if (filling_) return;
            edited_[static_cast<std::size_t>(n)] = 1;
            EditorBoxEdited(model_, editor_, n);
        });
        edits_[i] = e;

        auto* b = MakePushButton(this, QString("Button%1").arg(n), l.Buttons[i], QString());
        connect(b, &QPushButton::clicked, this, [this, n] { EditorHighlightButton(model_, editor_, n); });
        buttons_[i] = b;
    }
    // Buttons this small leave no room for the style's padding.
    setStyleSheet("QPushButton { padding: 0px; }");

    QWidget* previous = nullptr;
    const auto chain = [&previous](QWidget* w) {
        if (previous != nullptr) QWidget::setTabOrder(previous, w);
        previous = w;
    };
    for (int n : l.TabOrder) {
        if (n == 0)
            chain(close1_);
        else if (n < 0)
            chain(reset_);
        else
            chain(Edit(n));
    }
    for (int n = 1; n <= count; ++n) chain(buttons_[static_cast<std::size_t>(n)]);
}

QLineEdit* DimensionEditorWindow::Edit(int n) const {
    if (n < 1 || n >= static_cast<int>(edits_.size())) return nullptr;
    return edits_[static_cast<std::size_t>(n)];
}

int DimensionEditorWindow::BoxOf(const QObject* watched) const {
    for (std::size_t i = 1; i < edits_.size(); ++i)
        if (watched != nullptr && watched == edits_[i]) return static_cast<int>(i);
    return 0;
}

// ---- Showing ----

void DimensionEditorWindow::Open() {
    // Already open: a value being typed is applied before the boxes are refilled.
    ApplyPendingExit();
    FormActivate();
    close1_->setFocus();
    // Beside the gear, so the part being edited stays in sight.
    if (!isVisible()) MoveBesideOwner(this);
    show();
    raise();
    activateWindow();
}

void DimensionEditorWindow::FormActivate() {
    // The large-font layout moves the labels; the controls beside them move along, or
    // the right column's labels would run under its boxes.
    layoutScaleX_ = std::max(model_.Display.TextScaleX, 1.0f);
    layoutScaleY_ = std::max(model_.Display.TextScaleY, 1.0f);
    const EditorWindowLayout& l = LayoutOf(editor_);
    setFixedSize(TextScaleExtent(kEditorClientWidth, layoutScaleX_),
                 TextScaleExtent(kEditorClientHeight, layoutScaleY_));
    for (std::size_t i = 1; i < edits_.size(); ++i) {
        const QRect box = MovedPlace(l.Boxes[i], layoutScaleX_, layoutScaleY_);
        edits_[i]->setGeometry(box);
        // A two-line label's button reaches down to its box's line.
        const QRect top = MovedPlace(l.Buttons[i], layoutScaleX_, layoutScaleY_);
        buttons_[i]->setGeometry(top.x(), top.y(), top.width(), box.bottom() - top.y() + 1);
    }
    reset_->setGeometry(MovedPlace(l.ResetGeometry, layoutScaleX_, layoutScaleY_));
    close1_->setGeometry(MovedPlace(l.CloseGeometry, layoutScaleX_, layoutScaleY_));
    DrawLabels();
    FillBoxes();
}

void DimensionEditorWindow::DrawLabels() {
    const qreal dpr = PictureRatio(this);
    surface_ = QImage(qRound(width() * dpr), qRound(height() * dpr), QImage::Format_RGB32);
    surface_.setDevicePixelRatio(dpr);
    surface_.fill(Qt::white);
    if (surface_.isNull()) return;  // no memory for it: the window shows its white
    QPainter painter(&surface_);
    QPainterCanvas canvas(painter);
    canvas.SetFontSize(kFontPixels);
    DrawEditorLabels(editor_, model_.Display.TextScaleX, model_.Display.TextScaleY, canvas);
    update();
}

void DimensionEditorWindow::FillBoxes() {
    filling_ = true;
    for (std::size_t i = 1; i < edits_.size(); ++i) {
        edits_[i]->setText(QString::fromStdString(EditorBoxText(model_, editor_, static_cast<int>(i))));
        edited_[i] = 0;
        // A number wider than its box shows its leading digits.
        edits_[i]->setCursorPosition(0);
    }
    filling_ = false;
}

void DimensionEditorWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (!surface_.isNull()) p.drawImage(0, 0, surface_);
}

void DimensionEditorWindow::mousePressEvent(QMouseEvent* event) {
    if (QWidget* typing = focusWidget(); typing != nullptr && BoxOf(typing) != 0) typing->clearFocus();
    QDialog::mousePressEvent(event);
}

void DimensionEditorWindow::Show(const EditorOutcome& outcome) {
    if (OutcomeShown) OutcomeShown(outcome);
}

// ---- The boxes ----

bool DimensionEditorWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == reset_ && event->type() == QEvent::MouseButtonPress) {
        // Any button's press resets; a completed left click then resets again.
        ResetMouseDown();
        return false;
    }
    const int n = BoxOf(watched);
    if (n == 0) return QDialog::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::FocusIn:
            editing_ = n;
            break;
        case QEvent::FocusOut: {
            // Another window or a popup taking the focus is not leaving the box.
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && editing_ == n)
                EditExit(n);
            break;
        }
        case QEvent::KeyPress:
            return FilterKey(n, static_cast<QKeyEvent*>(event));
        default:
            break;
    }
    return QDialog::eventFilter(watched, event);
}

bool DimensionEditorWindow::FilterKey(int n, QKeyEvent* e) {
    // Keys that type nothing (arrows, Tab, shortcuts such as paste) go to the box; what
    // they change passes its filter.
    const char key = TypedKeyOf(*e);
    if (key == 0) return false;
    const EditorKeyVerdict verdict =
        EditorKeyPress(model_, editor_, n, TextBeforeKey(*Edit(n)), key);
    if (!verdict.Accepted) return true;
    if (verdict.FocusToClose) {
        // Moving the focus runs the box's exit: Enter applies without closing.
        close1_->setFocus(Qt::TabFocusReason);
        return true;
    }
    return false;
}

void DimensionEditorWindow::EditExit(int n) {
    if (editing_ == n) editing_ = 0;
    // A box left as it was shown keeps the stored value, not its 3-decimal text.
    const bool edited = std::exchange(edited_[static_cast<std::size_t>(n)], 0) != 0;
    Show(edited ? EditorBoxExit(model_, editor_, n, Edit(n)->text().toStdString())
                : EditorBoxExitUnedited(model_, editor_, n));
}

void DimensionEditorWindow::ApplyPendingExit() {
    if (editing_ != 0) EditExit(editing_);
}

// ---- Reset, Close ----

void DimensionEditorWindow::ResetMouseDown() {
    ApplyPendingExit();
    Show(EditorResetPressed(model_, editor_));
    FormActivate();
}

void DimensionEditorWindow::ResetClick() {
    Show(EditorResetClicked(model_, editor_));
    FormActivate();
}

void DimensionEditorWindow::Close1Click() {
    ApplyPendingExit();
    Show(EditorClose(model_));
    QDialog::done(Accepted);
}

void DimensionEditorWindow::reject() { Close1Click(); }

void DimensionEditorWindow::done(int result) {
    ApplyPendingExit();
    QDialog::done(result);
}

void DimensionEditorWindow::CloseForHighlight() {
    if (!isVisible()) return;
    ApplyPendingExit();
    QDialog::done(Rejected);
}

}  // namespace lm
