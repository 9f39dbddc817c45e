// The valve-events grid: headers with units, the rows, the tint and the change marks.

#include "workbench/qt/EventsGrid.h"

#include <QComboBox>
#include <QHeaderView>
#include <QTableWidget>

#include <string>

#include "common/qt/QtText.h"
#include "workbench/EventPlot.h"
#include "workbench/ValveEventsText.h"

namespace lm {

namespace {

const QColor kUnassemblableTint(255, 214, 214);
const QColor kChangedTint(255, 236, 150);
constexpr int kChangedRole = Qt::UserRole + 1;
constexpr int kUnassemblableRole = Qt::UserRole + 2;


QString UnitOf(int pair) { return IsLengthEvent(static_cast<ValveEvent>(2 * pair)) ? "length" : "% of stroke"; }

QTableWidgetItem* Cell(const std::string& text) {
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

// The texts of one row's cells, in the grid's column order.
std::vector<std::string> RowTexts(const char* gear, const ValveEventRow& row) {
    std::vector<std::string> cells{gear, std::to_string(row.Row), EventCellText(ValveEvent::FrontLead, row.RevArmPos)};
    for (int p = 0; p < kValveEventPairCount; ++p) {
        const auto front = static_cast<ValveEvent>(2 * p);
        const auto rear = static_cast<ValveEvent>(2 * p + 1);
        cells.push_back(EventCellText(front, row.Value(front)));
        cells.push_back(EventCellText(rear, row.Value(rear)));
        cells.push_back(DifferenceCellText(p, row.Difference(p)));
    }
    return cells;
}

std::vector<std::pair<const char*, const std::vector<ValveEventRow>*>> Graphs(const ValveEventsTable& t) {
    return {{"Fwd", &t.Forward}, {"Rev", &t.Reverse}};
}

}  // namespace

void SetUpEventsGrid(QTableWidget* grid) {
    grid->setColumnCount(kEventsGridLeadingColumns + 3 * kValveEventPairCount);
    QStringList headers{"Gear", "Row", "Arm\nlength"};
    for (int p = 0; p < kValveEventPairCount; ++p) {
        const QString caption = QtText(ValveEventPairCaption(p));
        headers << QString("%1\nfront, %2").arg(caption, UnitOf(p)) << QString("%1\nrear, %2").arg(caption, UnitOf(p))
                << QString("%1\nF\u2212R, %2").arg(caption, UnitOf(p));
    }
    grid->setHorizontalHeaderLabels(headers);
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->resizeColumnsToContents();  // the headings whole before the first rows
}

int FillEventsGrid(QTableWidget* grid, const ValveEventsTable& table, const ValveEventsTable* before) {
    // Sized once at the end: sizing to contents at every cell costs seconds.
    grid->setUpdatesEnabled(false);
    grid->setRowCount(static_cast<int>(table.Forward.size() + table.Reverse.size()));
    int r = 0, marked = 0;
    const auto graphs = Graphs(table);
    const auto beforeGraphs = before ? Graphs(*before) : decltype(graphs){};
    for (std::size_t g = 0; g < graphs.size(); ++g) {
        const auto& [gear, rows] = graphs[g];
        for (std::size_t i = 0; i < rows->size(); ++i, ++r) {
            const ValveEventRow& row = (*rows)[i];
            const std::vector<std::string> cells = RowTexts(gear, row);
            std::vector<std::string> old;
            if (before && i < beforeGraphs[g].second->size()) old = RowTexts(gear, (*beforeGraphs[g].second)[i]);
            for (std::size_t c = 0; c < cells.size(); ++c) {
                QTableWidgetItem* item = Cell(cells[c]);
                if (row.GearError) {
                    item->setBackground(kUnassemblableTint);
                    item->setData(kUnassemblableRole, true);
                    item->setToolTip("The gear cannot be assembled over the whole revolution at this setting: some "
                                     "position had to be clamped, so these numbers are not the gear's.");
                }
                if (c >= kEventsGridLeadingColumns && c < old.size() && old[c] != cells[c]) {
                    item->setBackground(kChangedTint);
                    item->setData(kChangedRole, true);
                    item->setToolTip(QString("Before: %1").arg(old[c].empty() ? QString("(does not occur)")
                                                                              : QString::fromStdString(old[c])));
                    ++marked;
                }
                grid->setItem(r, static_cast<int>(c), item);
            }
        }
    }
    grid->resizeColumnsToContents();
    grid->resizeRowsToContents();
    grid->setUpdatesEnabled(true);
    return marked;
}

bool IsMarkedChanged(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item && item->data(kChangedRole).toBool();
}

bool IsMarkedUnassemblable(const QTableWidget* grid, int row) {
    const QTableWidgetItem* item = grid->item(row, 0);
    return item && item->data(kUnassemblableRole).toBool();
}

QComboBox* MakeEventPairChooser(QWidget* parent, const char* objectName) {
    auto* chooser = new QComboBox(parent);
    chooser->setObjectName(objectName);
    for (int p = 0; p < kValveEventPairCount; ++p) chooser->addItem(QtText(ValveEventPairCaption(p)), p);
    chooser->setCurrentIndex(kCutOffPair);
    return chooser;
}

}  // namespace lm
