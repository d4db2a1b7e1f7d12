#ifndef DAYGRID_H
#define DAYGRID_H

#include <QPair>
#include <QVector>

// One month of days for the span search: entry d-1 holds d when day d is
// marked (a full day of an interruption, or a day worked to the fund), else 0.
using DayGrid = QVector<int>;

// A run of consecutive marked days: (begDay, endDay), both days of the month.
using DayRun = QPair<int, int>;

// A grid of `length` unmarked days.
DayGrid emptyDayGrid(int length);

// Marks day `day` (1 .. grid length). A day outside the grid is left alone and
// false is returned, so a caller can report it.
bool markDay(DayGrid& grid, int day);

// The maximal runs of consecutive marked days, in ascending order. A run ends
// at the first unmarked day or at the end of the grid.
QVector<DayRun> findRuns(const DayGrid& grid);

#endif // DAYGRID_H
