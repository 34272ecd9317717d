#pragma once

#include "programmer/gamedata/RecordRequests.h"

#include <QTableWidget>

// The table Grid1: 29 rows and 6 columns. Row 0 (mode names) and column 0 (button numbers)
// are shown as the table's fixed headers, so they stay in view while the cells scroll. The
// selection is always a rectangle of data cells, and there is always a current data cell. A
// right click reports itself without touching the selection, so the pop-up menu works on the
// cells chosen before it.
class GridTable : public QTableWidget {
    Q_OBJECT

public:
    static constexpr int Rows = 29;
    static constexpr int Columns = 6;

    explicit GridTable(QWidget* parent = nullptr);

    QString cellText(int row, int column) const;
    void setCellText(int row, int column, const QString& text);

    using Selection = CellRectangle;
    Selection selectedRectangle() const;
    // Selects the data cells of the rectangle (a corner on a header moves to the first data
    // row or column); the first cell becomes the current one.
    void selectRectangle(int firstRow, int firstColumn, int lastRow, int lastColumn);

signals:
    void mouseClick(Qt::MouseButton button, const QPoint& globalPosition);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    // The menu key (or Shift+F10) stands for a right click on the current cell.
    void contextMenuEvent(QContextMenuEvent* event) override;
    // A right click on the headers belongs to the grid as well.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Brings any selection back to a rectangle of data cells.
    void keepDataRectangle();
    void selectData(const CellRectangle& cells);

    bool keeping_ = false;
};
