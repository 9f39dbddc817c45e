// The pivot data table window: its text box and Edit menu, filled at every opening.

#include "dialogs/qt/DataTable.h"

#include <QDate>
#include <QFontDatabase>
#include <QLocale>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTime>
#include <QVBoxLayout>

#include "dialogs/PivotTable.h"

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
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
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
    const QLocale locale = QLocale::system();
    const std::string date = locale.toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
    const std::string time = locale.toString(QTime::currentTime(), QLocale::LongFormat).toStdString();
    const std::string text = PivotTableText(model_, stepSetting_ ? stepSetting_() : 10.0f, date, time);
    DataMemo->setPlainText(QString::fromStdString(text));
    Cut1->setEnabled(false);
    Copy1->setEnabled(false);
    SelectAll1->setEnabled(true);
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
