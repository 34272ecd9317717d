#include "programmer/window/GridTable.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMouseEvent>

#include <algorithm>

namespace {

constexpr int LastRow = GridTable::Rows - 1;
constexpr int LastColumn = GridTable::Columns - 1;

// The data cells of a rectangle of the grid; empty (firstRow -1) when it has none.
CellRectangle DataCells(CellRectangle s) {
    if (s.firstRow > s.lastRow) {
        std::swap(s.firstRow, s.lastRow);
    }
    if (s.firstColumn > s.lastColumn) {
        std::swap(s.firstColumn, s.lastColumn);
    }
    if (s.lastRow < 1 || s.firstRow > LastRow || s.lastColumn < 1 || s.firstColumn > LastColumn) {
        return {};
    }
    return {std::max(s.firstRow, 1), std::min(s.lastRow, LastRow), std::max(s.firstColumn, 1),
            std::min(s.lastColumn, LastColumn)};
}

} // namespace

GridTable::GridTable(QWidget* parent) : QTableWidget(Rows, Columns, parent) {
    setObjectName(QStringLiteral("Grid1"));
    setAccessibleName(QStringLiteral("Programmed buttons for all 5 modes"));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The arrows move between cells; Tab leaves the table for the next control.
    setTabKeyNavigation(false);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setWordWrap(true);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    for (int r = 0; r < Rows; ++r) {
        for (int c = 0; c < Columns; ++c) {
            auto* item = new QTableWidgetItem;
            item->setFlags(r == 0 || c == 0 ? Qt::ItemIsEnabled
                                            : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            setItem(r, c, item);
        }
    }
    // Row 0 and column 0 keep the header texts and appear as the header views, which never
    // scroll; the cells themselves are hidden so the pointer and the keys cannot reach them.
    for (int r = 0; r < Rows; ++r) {
        setVerticalHeaderItem(r, new QTableWidgetItem);
    }
    for (int c = 0; c < Columns; ++c) {
        setHorizontalHeaderItem(c, new QTableWidgetItem);
    }
    setRowHidden(0, true);
    setColumnHidden(0, true);
    QFont headerFont = font();
    headerFont.setBold(true);
    horizontalHeader()->setFont(headerFont);
    verticalHeader()->setFont(headerFont);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    // Sizes come from the sliders only.
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    horizontalHeader()->viewport()->installEventFilter(this);
    verticalHeader()->viewport()->installEventFilter(this);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &GridTable::keepDataRectangle);
    selectData({1, 1, 1, 1});
}

QString GridTable::cellText(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell != nullptr ? cell->text() : QString();
}

void GridTable::setCellText(int row, int column, const QString& text) {
    QTableWidgetItem* cell = item(row, column);
    if (cell == nullptr) {
        return;
    }
    cell->setText(text);
    if (row == 0) {
        horizontalHeaderItem(column)->setText(text);
    } else if (column == 0) {
        verticalHeaderItem(row)->setText(text);
    } else {
        cell->setToolTip(text);
    }
}

GridTable::Selection GridTable::selectedRectangle() const {
    const QList<QTableWidgetSelectionRange> ranges = selectedRanges();
    if (ranges.isEmpty()) {
        return {};
    }
    CellRectangle bounds{Rows, -1, Columns, -1};
    for (const QTableWidgetSelectionRange& range : ranges) {
        bounds.firstRow = std::min(bounds.firstRow, range.topRow());
        bounds.lastRow = std::max(bounds.lastRow, range.bottomRow());
        bounds.firstColumn = std::min(bounds.firstColumn, range.leftColumn());
        bounds.lastColumn = std::max(bounds.lastColumn, range.rightColumn());
    }
    return DataCells(bounds);
}

void GridTable::selectRectangle(int firstRow, int firstColumn, int lastRow, int lastColumn) {
    selectData(DataCells({firstRow, lastRow, firstColumn, lastColumn}));
}

void GridTable::selectData(const CellRectangle& cells) {
    if (cells.firstRow < 0) {
        return;
    }
    const QModelIndex first = model()->index(cells.firstRow, cells.firstColumn);
    const QModelIndex last = model()->index(cells.lastRow, cells.lastColumn);
    keeping_ = true;
    selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(first, last), QItemSelectionModel::ClearAndSelect);
    keeping_ = false;
}

void GridTable::keepDataRectangle() {
    if (keeping_) {
        return;
    }
    const QList<QTableWidgetSelectionRange> ranges = selectedRanges();
    const CellRectangle selected = selectedRectangle();
    const QModelIndex current = currentIndex();
    const bool currentIsData = current.isValid() && current.row() > 0 && current.column() > 0;
    if (ranges.size() == 1 && currentIsData &&
        selected == CellRectangle{ranges.first().topRow(), ranges.first().bottomRow(),
                                  ranges.first().leftColumn(), ranges.first().rightColumn()}) {
        return;
    }
    if (selected.firstRow >= 0) {
        // A header click or a corner on a header: keep the data cells of the rectangle.
        selectData(selected);
    } else if (currentIsData) {
        // Nothing left selected: the current cell stays chosen.
        selectData({current.row(), current.row(), current.column(), current.column()});
    } else {
        selectData({1, 1, 1, 1});
    }
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

void GridTable::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() != QContextMenuEvent::Keyboard) {
        event->ignore(); // the mouse's right click was reported on its press
        return;
    }
    event->accept();
    const QRect cell = visualRect(currentIndex());
    const QPoint at = cell.isValid() ? cell.center() : QPoint();
    emit mouseClick(Qt::RightButton, viewport()->mapToGlobal(at));
}

bool GridTable::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::RightButton) {
            emit mouseClick(Qt::RightButton, press->globalPosition().toPoint());
            return true;
        }
    }
    return QTableWidget::eventFilter(watched, event);
}
