#include "diagrams/qt/DiagramWindow.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <algorithm>

#include "common/TextScaleExtent.h"
#include "diagrams/Diagrams.h"
#include "graphics/qt/PictureExport.h"
#include "mainwindow/qt/DynBarWiring.h"
#include "model/DynamicVariables.h"

namespace lm {

// The client area: shows the kept picture, passes mouse movement to the window and offers
// the picture on a right click. Nothing is drawn or opened from inside the paint.
class DiagramSurface : public QWidget {
public:
    explicit DiagramSurface(DiagramWindow* window) : QWidget(window), window_(window) {
        setMouseTracking(true);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        const QImage& image = window_->picture();
        if (!image.isNull()) p.drawImage(0, 0, image);
    }
    void mouseMoveEvent(QMouseEvent*) override { window_->FormMouseMove(); }
    void contextMenuEvent(QContextMenuEvent* e) override {
        QMenu menu(this);
        menu.addAction(window_->savePictureAs_);
        menu.addAction(window_->copyPicture_);
        menu.exec(e->globalPos());
    }

private:
    DiagramWindow* window_;
};

namespace {

QFont WindowFont() {
    QFont f;
    f.setFamilies({"MS Sans Serif", "Liberation Sans", "Arial", "DejaVu Sans"});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSize(8);
    return f;
}

void ShowPictureErrorInBox(QWidget* parent, const QString& message) {
    QMessageBox::warning(parent, QStringLiteral("Save Picture As"), message);
}

}  // namespace

QString AskPicturePathWithDialog(QWidget* parent, const QString& suggestedName) {
    static QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    const QString png = QStringLiteral("PNG picture (*.png)");
    const QString svg = QStringLiteral("SVG picture, vector (*.svg)");
    QFileDialog dialog(parent, QStringLiteral("Save Picture As"), folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({png, svg});
    dialog.setDefaultSuffix(QStringLiteral("png"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, svg](const QString& f) {
        dialog.setDefaultSuffix(f == svg ? QStringLiteral("svg") : QStringLiteral("png"));
    });
    dialog.selectFile(suggestedName);
    if (dialog.exec() != QDialog::Accepted) return {};
    const QString path = dialog.selectedFiles().value(0);
    if (!path.isEmpty()) folder = QFileInfo(path).absolutePath();
    return path;
}

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

    surface_ = new DiagramSurface(this);
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

    close_ = new QPushButton("Close", surface_);
    close_->setObjectName(layout.CloseName);
    close_->setGeometry(layout.CloseGeometry);
    close_->setAutoDefault(false);
    connect(close_, &QPushButton::clicked, this, &DiagramWindow::CloseClick);

    undo_ = new QPushButton("UnDo", surface_);
    undo_->setObjectName(layout.UndoName);
    undo_->setGeometry(110, 54, 40, 16);
    undo_->setAutoDefault(false);
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
    return std::clamp(surface_->devicePixelRatioF(), 1.0, 4.0);
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
        model_.Diagram.DiagramRedrawPending = false;
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
    picture_.Draw([this](Canvas& canvas) { DrawDiagram(canvas); });
    ShowControls();
    surface_->update();
}

// The large-font layout moves the legend and header texts right and down; the window
// grows with it so they stay in view.
void DiagramWindow::FitToTextScale() {
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
    if (picture_.image().isNull()) return;
    QGuiApplication::clipboard()->setImage(picture_.image());
}

}  // namespace lm
