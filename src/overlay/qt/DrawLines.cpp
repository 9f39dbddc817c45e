// The lines and circles window: its rows, radio groups and buttons over the overlay editor.

#include "overlay/qt/DrawLines.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "common/qt/NumericEdit.h"
#include "common/qt/PushButton.h"
#include "common/qt/TypedKeyEvent.h"
#include "graphics/qt/FontFaces.h"
#include "common/SoundOutput.h"
#include "overlay/OverlayEditor.h"

namespace lm {

namespace {

constexpr int kRowTops[kOverlayEntryCount] = {123, 140, 158, 175, 192, 209, 226, 244, 261, 278,
                                              295, 313, 330, 347, 364, 382, 399, 416, 433, 450};
constexpr int kLabelLefts[4] = {10, 46, 91, 143};
constexpr int kBoxLefts[4] = {207, 272, 351, 416};
constexpr int kBoxWidth = 51;
// The rows' panels stand this far from the window's left edge.
constexpr int kRowsLeft = 39;
const QColor kAqua(0, 255, 255);
const QColor kGrey(192, 192, 192);

QFont WindowFont() {
    // The column titles were laid out for a narrow face.
    return FaceFont(FontFace::Narrow, 14);
}

QButtonGroup* RadioGroup(QWidget* parent, const char* name, const QString& caption, QRect geometry,
                         const QStringList& items, int columns) {
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setAutoFillBackground(true);
    QPalette pal = box->palette();
    pal.setColor(QPalette::Window, kGrey);
    box->setPalette(pal);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 2, 2, 2);
    grid->setSpacing(0);
    auto* group = new QButtonGroup(box);
    group->setObjectName(name);
    const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], box);
        b->setObjectName(QString("%1_%2").arg(name).arg(i));
        // Filled down each column first, as the items are numbered.
        grid->addWidget(b, i % rows, i / rows);
        group->addButton(b, i);
    }
    return group;
}

// Shows a choice of -1 as no button set; an exclusive group cannot clear itself.
void ShowChoice(QButtonGroup* group, int choice) {
    QAbstractButton* wanted = group->button(choice);
    if (group->checkedButton() == wanted) return;
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons()) b->setChecked(b == wanted);
    group->setExclusive(true);
}

void SetTextIfChanged(QLabel* label, const std::string& text) {
    const QString t = QString::fromStdString(text);
    if (label->text() != t) label->setText(t);
}

}  // namespace

DrawLines::DrawLines(Model& model, SoundOutput* sound, QWidget* parent)
    : QDialog(parent), model_(model), sound_(sound) {
    setObjectName("DrawLines");
    setWindowTitle("Draw Lines");
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(592, 501);
    setFont(WindowFont());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);

    BuildChoices();
    BuildRows();
    RefreshOverlayRows(model_);
    ShowState();
}

void DrawLines::BuildChoices() {
    RadioGroup1 = RadioGroup(this, "RadioGroup1", "  Type    ", {11, 9, 84, 67}, {"Line", "Circle"}, 1);
    RadioGroup2 = RadioGroup(this, "RadioGroup2", "  Color  ", {101, 9, 209, 67},
                             {"Black", "Red", "Green", "Yellow", "Blue", "Gray"}, 3);
    RadioGroup3 = RadioGroup(this, "RadioGroup3", "  Referenced to  ", {316, 9, 179, 67},
                             {"0,0", "Pivot1", "Piv1/0,0", "Piv1/Piv2"}, 2);
    connect(RadioGroup1, &QButtonGroup::idClicked, this, [this](int i) { Apply(ChooseOverlayType(model_, i)); });
    connect(RadioGroup2, &QButtonGroup::idClicked, this, [this](int i) { Apply(ChooseOverlayColour(model_, i)); });
    connect(RadioGroup3, &QButtonGroup::idClicked, this,
            [this](int i) { Apply(ChooseOverlayReference(model_, i)); });

    DrawBut = MakePushButton(this, "DrawBut", {500, 9, 74, 30}, "Draw Close");
    ClearLine = MakePushButton(this, "ClearLine", {500, 43, 74, 31}, "Clear Line");
    CloseBut = MakePushButton(this, "CloseBut", {522, 78, 52, 30}, "Close");
    connect(DrawBut, &QPushButton::clicked, this, [this] { Apply(DrawCloseClick(model_)); });
    connect(ClearLine, &QPushButton::clicked, this, [this] {
        ClearLineClick(model_);
        Apply({});
    });
    connect(CloseBut, &QPushButton::clicked, this, &DrawLines::reject);

    struct Title {
        QPoint at;
        const char* text;
    };
    const Title titles[] = {{{44, 84}, "Item"},
                            {{48, 98}, "No."},
                            {{82, 92}, "Type     Color     Ref to"}};
    for (const Title& t : titles) {
        auto* label = new QLabel(t.text, this);
        label->move(t.at);
        label->adjustSize();
    }
    // The box columns' titles, each centred over its column: laid out as one blank-padded
    // line they drift with the font's width and ran under "Close".
    const char* const columnTitles[2][4] = {{"Line1Vert", "Line1Horz", "Line2Vert", "Line2Horz"},
                                            {"CirCentV", "CirCentH", "", "CirRadius"}};
    const int titleTops[2] = {84, 98};
    for (int line = 0; line < 2; ++line) {
        for (int column = 0; column < 4; ++column) {
            if (!*columnTitles[line][column]) continue;
            auto* label = new QLabel(columnTitles[line][column], this);
            label->adjustSize();
            const int centre = kRowsLeft + kBoxLefts[column] + kBoxWidth / 2;
            label->move(centre - label->width() / 2, titleTops[line]);
        }
    }
}

void DrawLines::BuildRows() {
    for (int row = 1; row <= kOverlayEntryCount; ++row) {
        const auto r = static_cast<std::size_t>(row - 1);
        auto* panel = new QFrame(this);
        panel->setObjectName(QString("Panel%1").arg(row));
        panel->setGeometry(kRowsLeft, kRowTops[r], 480, 16);
        panel->setAutoFillBackground(true);
        panels_[r] = panel;
        for (int i = 0; i < 4; ++i) {
            const int n = 4 * (row - 1) + i + 1;
            auto* label = new QLabel(panel);
            label->setObjectName(QString("Label%1").arg(n));
            label->setGeometry(kLabelLefts[i], 0, (i + 1 < 4 ? kLabelLefts[i + 1] : 204) - kLabelLefts[i], 16);
            labels_[static_cast<std::size_t>(n - 1)] = label;

            auto* box = new NumericEdit(panel);
            box->setObjectName(QString("Edit%1").arg(n));
            box->setGeometry(kBoxLefts[i], 0, kBoxWidth, 16);
            box->setFrame(false);
            box->setAlignment(Qt::AlignRight);
            box->setTextMargins(0, 0, 0, 0);
            QPalette bp = box->palette();
            bp.setColor(QPalette::Base, kGrey);
            box->setPalette(bp);
            box->SetEnterRefused(true);
            box->installEventFilter(this);
            boxes_[static_cast<std::size_t>(n - 1)] = box;
        }
        QLabel* number = labels_[static_cast<std::size_t>(4 * (row - 1))];
        number->setText(row < 10 ? QString("%1  ").arg(row) : QString::number(row));
        number->setCursor(Qt::PointingHandCursor);
        number->installEventFilter(this);
    }
}

bool DrawLines::eventFilter(QObject* watched, QEvent* event) {
    for (int n = 0; n < 4 * kOverlayEntryCount; ++n) {
        const int row = n / 4 + 1;
        const int box = n % 4;
        if (watched == labels_[static_cast<std::size_t>(n)] && box == 0 &&
            event->type() == QEvent::MouseButtonPress) {
            // A label takes no focus: the box being typed in is left first, so its number is kept.
            if (QWidget* typing = focusWidget()) typing->clearFocus();
            SelectOverlayRow(model_, row);
            ShowState();
            return true;
        }
        NumericEdit* edit = boxes_[static_cast<std::size_t>(n)];
        if (watched != edit) continue;
        if (event->type() == QEvent::KeyPress) {
            // Enter moves on; it is no typed character here.
            const char c = TypedKeyOf(*static_cast<QKeyEvent*>(event));
            if (c != 0 && c != kEnterKey && !OverlayBoxAcceptsKey(model_, row, box, TextBeforeKey(*edit), c))
                return true;
        } else if (event->type() == QEvent::FocusOut) {
            LeaveOverlayBox(model_, row, box, edit->text().toStdString());
        }
        return false;
    }
    return QDialog::eventFilter(watched, event);
}

void DrawLines::Apply(const OverlayOutcome& outcome) {
    if (outcome.beep && sound_ != nullptr) sound_->Beep();
    ShowState();
    // Closed for a pick or after drawing: the choices stay for the main window to see.
    if (outcome.closeWindow) QDialog::accept();
}

void DrawLines::Open() {
    ActivateOverlayWindow(model_);
    ShowState();
    show();
    raise();
    activateWindow();
}

void DrawLines::LinesDataClick(bool loaded) {
    RefreshOverlayRows(model_, loaded);
    ShowState();
}

void DrawLines::reject() {
    // Leftover choices would make every left press on the main window reopen this window.
    CloseOverlayWindow(model_);
    ShowState();
    QDialog::reject();
}

void DrawLines::ShowState() {
    const OverlayEditorState& w = model_.LinesWindow;
    ShowChoice(RadioGroup1, w.TypeChoice);
    ShowChoice(RadioGroup2, w.ColourChoice);
    ShowChoice(RadioGroup3, w.ReferenceChoice);
    DrawBut->setEnabled(w.DrawEnabled);
    const int current = CurrentOverlayIndex(model_);
    for (int row = 1; row <= kOverlayEntryCount; ++row) {
        const OverlayRowText& text = w.Rows[static_cast<std::size_t>(row)];
        const std::size_t first = static_cast<std::size_t>(4 * (row - 1));
        SetTextIfChanged(labels_[first + 1], text.Type);
        SetTextIfChanged(labels_[first + 2], text.Colour);
        SetTextIfChanged(labels_[first + 3], text.Reference);
        for (std::size_t b = 0; b < 4; ++b) {
            NumericEdit* box = boxes_[first + b];
            // The box keeps no blanks; it aligns the number itself.
            const QString t = QString::fromStdString(text.Boxes[b]).trimmed();
            if (box->text() != t) box->setText(t);
        }
        // A circle has no second point: its box takes no paste either.
        boxes_[first + 2]->setReadOnly(text.Type == "Circle");
        QFrame* panel = panels_[static_cast<std::size_t>(row - 1)];
        QPalette pal = panel->palette();
        pal.setColor(QPalette::Window, row == current ? kAqua : QColor(Qt::white));
        panel->setPalette(pal);
    }
}

}  // namespace lm
