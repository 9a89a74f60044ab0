#include "FocusOrder.h"

#include <QGridLayout>
#include <QWidget>

#include <algorithm>

namespace {

struct Cell
{
    int row = 0;
    int column = 0;
    QWidget *widget = nullptr;
};

void orderGrid(QGridLayout *grid)
{
    QList<Cell> cells;
    for (int k = 0; k < grid->count(); ++k) {
        QWidget *w = grid->itemAt(k)->widget();
        if (!w || !(w->focusPolicy() & Qt::TabFocus))
            continue;
        Cell cell;
        int rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(k, &cell.row, &cell.column, &rowSpan, &columnSpan);
        cell.widget = w;
        cells.append(cell);
    }
    std::stable_sort(cells.begin(), cells.end(), [](const Cell &a, const Cell &b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    });
    for (qsizetype k = 1; k < cells.size(); ++k)
        QWidget::setTabOrder(cells.at(k - 1).widget, cells.at(k).widget);
}

} // namespace

void OrderFocusByGrids(QWidget *root)
{
    if (!root)
        return;
    for (QGridLayout *grid : root->findChildren<QGridLayout *>())
        orderGrid(grid);
}
