// The pivot data table window: its text box and Edit menu, filled at every opening.

#include "dialogs/qt/DataTable.h"

#include <QFontMetrics>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

#include <algorithm>

#include "dialogs/PivotTable.h"
#include "graphics/qt/FontFaces.h"
#include "view/WindowTitles.h"

namespace lm {

DataTable::DataTable(Model& model, std::function<float()> stepSetting, QWidget* parent)
    : QDialog(parent), model_(model), stepSetting_(std::move(stepSetting)) {
    setObjectName("DataTable");
    setWindowTitle("Pivot Data Table");
    setWindowModality(Qt::ApplicationModal);
    resize(620, 400);

    auto* bar = new QMenuBar(this);
    QAction* close = bar->addAction("&Close ");
    close->setObjectName("Close1");
    connect(close, &QAction::triggered, this, &QDialog::close);
    QAction* spacer = bar->addAction(QString(14, u' '));
    spacer->setEnabled(false);
    QMenu* edit = bar->addMenu("&Edit");
    edit->setObjectName("Edit1");
    Cut1 = edit->addAction("Cu&t");
    Copy1 = edit->addAction("&Copy");
    Past1 = edit->addAction("&Paste");
    edit->addSeparator();
    SelectAll1 = edit->addAction("Select&All");
    Cut1->setObjectName("Cut1");
    Copy1->setObjectName("Copy1");
    Past1->setObjectName("Past1");
    SelectAll1->setObjectName("SelectAll1");

    DataMemo = new QPlainTextEdit(this);
    DataMemo->setObjectName("DataMemo");
    DataMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Fixed pitch: the rows are laid out in character columns, and a proportional face
    // shifts every row whose angle has a digit more.
    QFont f = FaceFont(FontFace::Fixed);
    f.setPixelSize(12);
    DataMemo->setFont(f);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(bar);
    layout->addWidget(DataMemo);

    connect(edit, &QMenu::aboutToShow, this, &DataTable::Edit1Click);
    connect(Cut1, &QAction::triggered, this, [this] {
        DataMemo->cut();
        SelectAll1->setEnabled(true);
    });
    connect(Copy1, &QAction::triggered, this, [this] {
        DataMemo->copy();
        SelectAll1->setEnabled(true);
    });
    connect(Past1, &QAction::triggered, DataMemo, &QPlainTextEdit::paste);
    connect(SelectAll1, &QAction::triggered, this, &DataTable::SelectAll1Click);
}

void DataTable::Open(const QString& title) {
    if (!title.isEmpty()) setWindowTitle(title);
    FormActivate();
    show();
    raise();
    activateWindow();
}

void DataTable::FormActivate() {
    // The date and time as the windows' titles show them.
    const std::string text =
        PivotTableText(model_, stepSetting_ ? stepSetting_() : 10.0f, ShortDateNow(), LongTimeNow());
    DataMemo->setPlainText(QString::fromStdString(text));
    firstLine_ = DataMemo->document()->firstBlock().text();
    // Wide enough for all six pivots' columns in the fixed-pitch face, where the screen allows.
    const QFontMetrics metrics(DataMemo->font());
    int widest = 0;
    for (QTextBlock b = DataMemo->document()->firstBlock(); b.isValid(); b = b.next())
        widest = std::max(widest, metrics.horizontalAdvance(b.text()));
    const int frame = DataMemo->frameWidth() * 2 + DataMemo->document()->documentMargin() * 2 +
                      DataMemo->verticalScrollBar()->sizeHint().width();
    int width = widest + static_cast<int>(frame) + 4;
    if (const QScreen* s = screen()) width = std::min(width, s->availableGeometry().width() * 95 / 100);
    resize(std::max(width, 620), height());
    Cut1->setEnabled(false);
    Copy1->setEnabled(false);
    SelectAll1->setEnabled(true);
}

void DataTable::ShowTitle(const QString& title) {
    if (!isVisible()) return;
    if (!title.isEmpty() && windowTitle() != title) setWindowTitle(title);
    // The first line follows the clock as the title does, unless the user has changed it.
    QTextBlock first = DataMemo->document()->firstBlock();
    if (first.text() != firstLine_) return;
    const QString now = QString::fromStdString(PivotTableFirstLine(model_, ShortDateNow(), LongTimeNow()));
    if (now == firstLine_) return;
    QTextCursor c(first);
    c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    c.insertText(now);
    firstLine_ = now;
}

void DataTable::Edit1Click() {
    // The items follow the selection as the menu opens, so none is live with nothing to act on.
    const QTextCursor c = DataMemo->textCursor();
    const bool selected = c.hasSelection();
    Cut1->setEnabled(selected);
    Copy1->setEnabled(selected);
    const bool all = selected && c.selectionStart() == 0 &&
                     c.selectionEnd() >= DataMemo->document()->characterCount() - 1;
    SelectAll1->setEnabled(!all);
}

void DataTable::SelectAll1Click() {
    DataMemo->selectAll();
    Cut1->setEnabled(true);
    Copy1->setEnabled(true);
    SelectAll1->setEnabled(false);
}

}  // namespace lm
