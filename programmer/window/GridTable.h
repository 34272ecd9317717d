#pragma once

#include <QTableWidget>

// The table Grid1: 29 rows and 6 columns of plain cells, row 0 and column 0 drawn as fixed
// headers. A right click reports itself without touching the selection, so the pop-up menu
// works on the cells chosen before it.
class GridTable : public QTableWidget {
    Q_OBJECT

public:
    static constexpr int Rows = 29;
    static constexpr int Columns = 6;

    explicit GridTable(QWidget* parent = nullptr);

    QString cellText(int row, int column) const;
    void setCellText(int row, int column, const QString& text);

    // The selected rectangle; all -1 with nothing selected.
    struct Selection {
        int firstRow = -1;
        int lastRow = -1;
        int firstColumn = -1;
        int lastColumn = -1;
    };
    Selection selectedRectangle() const;
    void selectRectangle(int firstRow, int firstColumn, int lastRow, int lastColumn);

signals:
    void mouseClick(Qt::MouseButton button, const QPoint& globalPosition);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};
