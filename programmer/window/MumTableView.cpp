// The table view: every button in every mode, its sizes in twips and its pop-up menu.
#include "programmer/window/Mum.h"

#include "programmer/window/GridTable.h"
#include "programmer/window/TableTab.h"

#include <QMenu>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>

#include <cmath>

namespace {

constexpr const char* modeHeaders[GameData::ModeCount] = {"Views Out", "Views In", "Wingman",
                                                          "Radar/Target", "Weapons"};

// Sizes of the data rows and columns from the sliders' values, in twips.
int rowHeightTwips(int value) {
    return value * 10 + 296;
}
int columnWidthTwips(int value) {
    return value * 20 + 1490;
}

} // namespace

int Mum::twipsToPixels(int twips) const {
    const QScreen* shown = screen();
    const double dpi = shown != nullptr ? shown->logicalDotsPerInchY() : 96.0;
    const double twipsPerPixel = 1440.0 / (dpi > 0 ? dpi : 96.0);
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

void Mum::ResetTable(int ResetMode) {
    GridTable* grid = tableTab->Grid1;
    if (ResetMode == 0) {
        for (int m = 1; m <= GameData::ModeCount; ++m) {
            grid->setCellText(0, m, QString::fromLatin1(modeHeaders[m - 1]));
        }
        for (int r = 1; r <= GameData::RecordCount; ++r) {
            grid->setCellText(r, 0, QString::number(r));
        }
    }
    for (QSlider* slider : tableTab->Slider1) {
        // The value may already be 1, in which case no change signal comes: size explicitly.
        const QSignalBlocker quiet(slider);
        slider->setValue(1);
    }
    ResizeTable(0);
    ResizeTable(1);
}

void Mum::FillTable(int Datamode) {
    if (Datamode < 0 || Datamode > 2) {
        return;
    }
    GridTable* grid = tableTab->Grid1;
    for (int i = 1; i <= GameData::RecordCount; ++i) {
        const int row = data_.RowOfRecord(i);
        for (int m = 1; m <= GameData::ModeCount; ++m) {
            const ButtonRecord* record = data_.Record(m, i);
            if (record == nullptr) {
                continue;
            }
            QString text;
            switch (Datamode) {
            case 0:
                text = record->Description;
                break;
            case 1:
                text = record->KeyText;
                break;
            default:
                if (!record->Description.isEmpty()) {
                    text = record->Description + QStringLiteral(" = ") + record->KeyText;
                }
                break;
            }
            grid->setCellText(row, m, text);
        }
    }
}

void Mum::ClearTable() {
    for (int c = 1; c < GridTable::Columns; ++c) {
        for (int r = 1; r < GridTable::Rows; ++r) {
            tableTab->Grid1->setCellText(r, c, QString());
        }
    }
}

void Mum::ResizeTable(int ColOrRow) {
    GridTable* grid = tableTab->Grid1;
    if (ColOrRow == 0) {
        const int height = twipsToPixels(rowHeightTwips(tableTab->Slider1[0]->value()));
        for (int r = 1; r < GridTable::Rows; ++r) {
            grid->setRowHeight(r, height);
        }
    } else if (ColOrRow == 1) {
        const int width = twipsToPixels(columnWidthTwips(tableTab->Slider1[1]->value()));
        for (int c = 1; c < GridTable::Columns; ++c) {
            grid->setColumnWidth(c, width);
        }
    }
}

void Mum::OptionTableViews_Click(int Index) {
    data_.TableViewMode = Index;
    if (data_.FileLoaded != 0) {
        FillTable(data_.TableViewMode);
    }
}

void Mum::Grid1_MouseClick(Qt::MouseButton Button, const QPoint& globalPosition) {
    if (CurrentButton != NoButton || Button != Qt::RightButton) {
        return;
    }
    const GridTable::Selection s = tableTab->Grid1->selectedRectangle();
    const bool oneCell = s.firstRow == s.lastRow && s.firstColumn == s.lastColumn;
    RHMCCP[0]->setEnabled(oneCell);
    RHMCCP[1]->setEnabled(oneCell);
    mnuRHM->popup(globalPosition);
}

void Mum::SetPasteEnabled(bool enabled) {
    RHMCCP[2]->setEnabled(enabled);
}
