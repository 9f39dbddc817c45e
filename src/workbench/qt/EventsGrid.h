// The valve-events table as the Valve Events window shows it: one row per reverser row of
// both graphs, each pair's front, rear and front-minus-rear with its unit in the header;
// rows the gear cannot be assembled in tinted, and cells a change moved marked.
#pragma once

#include <QString>

#include "workbench/ValveEvents.h"

class QComboBox;
class QTableWidget;
class QWidget;

namespace lm {

// Gear, row and arm, then three columns for each pair.
inline constexpr int kEventsGridLeadingColumns = 3;

// The columns and their headers (each with its unit).
void SetUpEventsGrid(QTableWidget* grid);

// Fills the grid with the table. With `before`, every cell whose text differs from the
// same cell of `before` is marked and tells the old text in its tooltip; returns how many
// are marked.
int FillEventsGrid(QTableWidget* grid, const ValveEventsTable& table, const ValveEventsTable* before = nullptr);

// Whether a cell of the grid is marked as changed, and whether its row is tinted as one
// the gear cannot be assembled in (tests and the window read these).
bool IsMarkedChanged(const QTableWidget* grid, int row, int column);
bool IsMarkedUnassemblable(const QTableWidget* grid, int row);

// The six pairs (lead, greatest opening, ... compression) to choose the plotted one
// from; cut-off first chosen. Its current data is the pair's number.
QComboBox* MakeEventPairChooser(QWidget* parent, const char* objectName);

}  // namespace lm
