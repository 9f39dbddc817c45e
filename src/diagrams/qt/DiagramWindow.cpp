// The diagram windows' shared frame: menu, dynamic-variable bars, UnDo, Close, saving
// and copying the picture, and redrawing as the actions say.

#include "diagrams/qt/DiagramWindow.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

#include "common/TextScaleExtent.h"
#include "common/qt/ControlPlaces.h"
#include "diagrams/qt/DynBarWiring.h"
#include "common/qt/PictureDialogs.h"
#include "common/qt/PictureWidget.h"
#include "common/qt/PixelRatio.h"
#include "common/qt/PushButton.h"
#include "diagrams/Diagrams.h"
#include "graphics/qt/FontFaces.h"
#include "graphics/qt/PictureExport.h"
#include "model/DynamicVariables.h"

namespace lm {

namespace {

QFont WindowFont() {
    QFont f = FaceFont(FontFace::Plain);
    f.setPointSize(8);
    return f;
}

}  // namespace

DiagramWindow::DiagramWindow(Model& model, DiagramHost host, const DiagramWindowLayout& layout,
                             QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      model_(model),
      host_(std::move(host)),
      layout_(layout),
      picture_(kDiagramWidth, layout.Height) {
    setObjectName(layout.Name);
    setWindowTitle(layout.TitleStart);
    setFont(WindowFont());
    AskPicturePath = AskPicturePathWithDialog;
    ShowPictureError = ShowPictureErrorInBox;

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->setSizeConstraint(QLayout::SetFixedSize);
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName(layout.MenuBarName);
    column->setMenuBar(menuBar_);

    surface_ = new PictureWidget(this, [this]() -> const QImage& { return picture(); }, Qt::white);
    surface_->SetMouseMoved([this] { FormMouseMove(); });
    surface_->ContextMenuAsked = [this](QPoint at) {
        QMenu menu(this);
        menu.addAction(savePictureAs_);
        menu.addAction(copyPicture_);
        menu.exec(at);
    };
    surface_->setObjectName("ClientArea");
    surface_->setFixedSize(kDiagramWidth, layout.Height);
    // Buttons this small leave no room for the style's padding.
    surface_->setStyleSheet("QPushButton { padding: 0px; }");
    column->addWidget(surface_);

    DynBarReactions reactions;
    reactions.Changed = [this](int k, int position) { SBDynVarChange(k, position); };
    reactions.Entered = [this](int k) { SBDynVarEnter(k); };
    reactions.ScrollEnded = [this](int k) { SBDynVarScroll(k); };
    for (int k = kFirstDynBar; k <= kLastDynBar; ++k)
        bars_[static_cast<std::size_t>(k)] =
            CreateDynBar(surface_, k, QString("%1%2").arg(layout.BarPrefix).arg(k),
                         QRect(112, 3 + 12 * (k - 1), 121, 10), reactions);

    close_ = MakePushButton(surface_, layout.CloseName, layout.CloseGeometry, "Close");
    connect(close_, &QPushButton::clicked, this, &DiagramWindow::CloseClick);

    undo_ = MakePushButton(surface_, layout.UndoName, QRect(110, 54, 40, 16), "UnDo");
    undo_->setEnabled(false);
    undo_->hide();
    connect(undo_, &QPushButton::clicked, this, &DiagramWindow::UnDoButtonClick);

    savePictureAs_ = new QAction(QStringLiteral("Save Picture As\u2026"), this);
    savePictureAs_->setObjectName("SavePictureAs");
    connect(savePictureAs_, &QAction::triggered, this, &DiagramWindow::SavePictureAsClick);
    copyPicture_ = new QAction(QStringLiteral("Copy Picture"), this);
    copyPicture_->setObjectName("CopyPicture");
    connect(copyPicture_, &QAction::triggered, this, &DiagramWindow::CopyPictureClick);

    close_->setFocus();
}

DiagramWindow::~DiagramWindow() = default;

QAction* DiagramWindow::AddMenuItem(QWidget* into, const char* name, const char* caption,
                                    std::function<void()> handler) {
    auto* a = new QAction(caption, this);
    a->setObjectName(name);
    connect(a, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    into->addAction(a);
    return a;
}

double DiagramWindow::PixelRatio() const {
    return PictureRatio(surface_);
}

// ---- Opening and closing ----

void DiagramWindow::Open() {
    if (host_.Title) {
        const std::string title = host_.Title();
        if (!title.empty()) setWindowTitle(QString::fromStdString(title));
    }
    if (host_.SetMainTimerEnabled) host_.SetMainTimerEnabled(false);
    activationPending_ = true;
    exec();
}

void DiagramWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Where the large-font setting puts them, before the first drawing of this opening.
    ScaleControls(surface_, model_.Display.TextScaleX, model_.Display.TextScaleY);
    close_->setFocus();
    // The reverse-arm positions window opens over this one once it is on the screen.
    if (activationPending_)
        QMetaObject::invokeMethod(this, &DiagramWindow::FormActivate, Qt::QueuedConnection);
}

void DiagramWindow::FormActivate() {
    activationPending_ = false;
    if (!isVisible()) return;
    if (host_.SetMainTimerEnabled) host_.SetMainTimerEnabled(false);
    if (layout_.RedrawsOnMouseMove && host_.ShowSetRevArm) {
        host_.ShowSetRevArm();
        // That window's closing asked for a redraw; this one is it.
        model_.DiagramWindows.DiagramRedrawPending = false;
        if (!isVisible()) return;
    }
    Redraw();
}

void DiagramWindow::done(int result) {
    activationPending_ = false;
    // Whatever the timer's state before: the animation always goes on.
    if (host_.SetMainTimerEnabled) host_.SetMainTimerEnabled(true);
    QDialog::done(result);
}

void DiagramWindow::CloseClick() { close(); }

// ---- Drawing ----

void DiagramWindow::DrawOnce(bool clearFirst) {
    if (clearFirst) {
        FitToTextScale();
        picture_.Clear(PixelRatio());
    }
    StepDiagram(model_);
    bool gearError = false;
    picture_.Draw([this, &gearError](Canvas& canvas) { gearError = DrawDiagram(model_, canvas); });
    // Shown by the main window once the diagram closes, as a turning gear shows its own.
    if (gearError) model_.Gear.GearError = true;
    ShowControls();
    surface_->update();
}

// The large-font layout moves the legend and header texts right and down; the window
// grows with it so they stay in view, and the controls move with them.
void DiagramWindow::FitToTextScale() {
    ScaleControls(surface_, model_.Display.TextScaleX, model_.Display.TextScaleY);
    const int width = TextScaleExtent(kDiagramWidth, model_.Display.TextScaleX);
    const int height = TextScaleExtent(layout_.Height, model_.Display.TextScaleY);
    if (width == picture_.width() && height == picture_.height()) return;
    picture_.Resize(width, height);
    surface_->setFixedSize(width, height);
}

void DiagramWindow::Drawing(bool clearFirst) { DrawOnce(clearFirst); }

void DiagramWindow::Perform(const RedrawPlan& plan) {
    for (int i = 0; i < plan.Drawings; ++i) Drawing(plan.ClearBeforeEach);
}

void DiagramWindow::ShowControls() {
    const DiagramControls c = DiagramControlsFor(model_);
    for (int k = kFirstDynBar; k <= kLastDynBar; ++k) {
        QScrollBar* b = bars_[static_cast<std::size_t>(k)];
        b->setVisible(c.DynBarsVisible);
        b->setEnabled(c.DynBarEnabled[static_cast<std::size_t>(k)]);
    }
    undo_->setVisible(c.UndoButtonVisible);
    undo_->setEnabled(c.UndoButtonEnabled);
}

// ---- Menu items and controls ----

void DiagramWindow::FormMouseMove() {
    if (layout_.RedrawsOnMouseMove && TakeDiagramRedrawPending(model_)) Redraw();
}

void DiagramWindow::SetRevArmPosClick() {
    // Its closing asks for a redraw, made at the next mouse movement over the diagram.
    if (host_.ShowSetRevArm) host_.ShowSetRevArm();
}

void DiagramWindow::ReDrawClick() { Redraw(); }

void DiagramWindow::UnDoMenuClick() { Perform(ToggleDiagramUndoLine(model_)); }

void DiagramWindow::DynVariClick() {
    Perform(ToggleDiagramDynVars(model_));
    if (host_.ShowMainControls) host_.ShowMainControls();
}

void DiagramWindow::UnDoButtonClick() {
    Perform(DiagramUndoClicked(model_, layout_.UndoButtonDrawings));
    if (host_.ShowMainControls) host_.ShowMainControls();
}

void DiagramWindow::SBDynVarChange(int bar, int position) {
    DynBarChanged(model_, bar, position);
    // The bar's return to 0 steps nothing (the shared rule gives 0 there), so the picture
    // it would draw is the one already shown.
    if (position != 0) Redraw();
}

void DiagramWindow::SBDynVarEnter(int bar) { DynBarEntered(model_, bar); }

void DiagramWindow::SBDynVarScroll(int bar) {
    DynBarScrollEnded(model_, bar);
    if (host_.ShowMainControls) host_.ShowMainControls();
    // Away from the bar, so that its next use is seen as a fresh entry.
    close_->setFocus();
    Drawing(false);
}

// ---- The picture for documents ----

void DiagramWindow::SavePictureAsClick() {
    const QString path = AskPicturePath ? AskPicturePath(this, layout_.PictureName) : QString();
    if (path.isEmpty()) return;
    const std::string error =
        SavePicture(path.toStdString(), picture_.width(), picture_.height(), PixelRatio(),
                    [this](Canvas& canvas) { picture_.Replay(canvas); });
    if (!error.empty() && ShowPictureError) ShowPictureError(this, QString::fromStdString(error));
}

void DiagramWindow::CopyPictureClick() {
    CopyPictureToClipboard(picture_.image());
}

}  // namespace lm
