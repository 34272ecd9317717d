#include "programmer/window/GridTable.h"

#include <QHeaderView>
#include <QMouseEvent>

GridTable::GridTable(QWidget* parent) : QTableWidget(Rows, Columns, parent) {
    setObjectName(QStringLiteral("Grid1"));
    setAccessibleName(QStringLiteral("Programmed buttons for all 5 modes"));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setWordWrap(true);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    QFont headerFont = font();
    headerFont.setBold(true);
    const QBrush headerBrush = palette().brush(QPalette::Button);
    for (int r = 0; r < Rows; ++r) {
        for (int c = 0; c < Columns; ++c) {
            auto* item = new QTableWidgetItem;
            if (r == 0 || c == 0) {
                item->setFlags(Qt::ItemIsEnabled);
                item->setBackground(headerBrush);
                item->setFont(headerFont);
                item->setTextAlignment(Qt::AlignCenter);
            } else {
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            }
            setItem(r, c, item);
        }
    }
    setColumnWidth(0, 36);
    setRowHeight(0, 24);
}

QString GridTable::cellText(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell != nullptr ? cell->text() : QString();
}

void GridTable::setCellText(int row, int column, const QString& text) {
    QTableWidgetItem* cell = item(row, column);
    if (cell != nullptr) {
        cell->setText(text);
        cell->setToolTip(text);
    }
}

GridTable::Selection GridTable::selectedRectangle() const {
    const QList<QTableWidgetSelectionRange> ranges = selectedRanges();
    if (ranges.isEmpty()) {
        return {};
    }
    const QTableWidgetSelectionRange& range = ranges.first();
    return {range.topRow(), range.bottomRow(), range.leftColumn(), range.rightColumn()};
}

void GridTable::selectRectangle(int firstRow, int firstColumn, int lastRow, int lastColumn) {
    clearSelection();
    setRangeSelected(QTableWidgetSelectionRange(firstRow, firstColumn, lastRow, lastColumn), true);
}

void GridTable::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        emit mouseClick(Qt::RightButton, event->globalPosition().toPoint());
        return;
    }
    QTableWidget::mousePressEvent(event);
    emit mouseClick(event->button(), event->globalPosition().toPoint());
}
