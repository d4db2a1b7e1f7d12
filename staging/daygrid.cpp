#include "daygrid.h"

DayGrid emptyDayGrid(int length)
{
    return DayGrid(length > 0 ? length : 0, 0);
}

bool markDay(DayGrid& grid, int day)
{
    if (day < 1 || day > grid.size())
        return false;
    grid[day - 1] = day;
    return true;
}

QVector<DayRun> findRuns(const DayGrid& grid)
{
    QVector<DayRun> runs;
    int begin = 0;
    for (int day = 1; day <= grid.size(); ++day) {
        const bool marked = grid.at(day - 1) != 0;
        if (marked && begin == 0)
            begin = day;
        if (!marked && begin != 0) {
            runs.append(DayRun(begin, day - 1));
            begin = 0;
        }
    }
    if (begin != 0)
        runs.append(DayRun(begin, grid.size()));
    return runs;
}
