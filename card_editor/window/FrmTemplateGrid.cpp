// The grid: showing it, snapping and resizing boxes to it, the release options and the grid
// step, kept in [Snap stuff] of "Quillet.ini".
#include "card_editor/card/BoxGeometry.h"
#include "card_editor/card/SnapSettings.h"
#include "card_editor/window/CardPictureBox.h"
#include "card_editor/window/FormGridCellSize.h"
#include "card_editor/window/FrmTemplate.h"
#include "common/richtext/RichTextBox.h"

#include <QAction>

namespace {

BoxRect rectOf(const QWidget& control) {
    const QRect g = control.geometry();
    return BoxRect{g.x(), g.y(), g.width(), g.height()};
}

} // namespace

void FrmTemplate::LoadSnapSettings() {
    const SnapSettings s = SnapSettings::load(doc_.iniPath());
    SnapMode = s.SnapMode;
    GridCellSize = s.GridCellSize;
}

void FrmTemplate::SaveSnapSettings() {
    SnapSettings s;
    s.SnapMode = SnapMode;
    s.GridCellSize = GridCellSize;
    s.save(doc_.iniPath());
}

void FrmTemplate::mnuResizeOption_Click(int Index) {
    if (Index < 0 || Index >= int(menus_.mnuResizeOption.size())) {
        return;
    }
    for (QAction* option : menus_.mnuResizeOption) {
        option->setChecked(false);
    }
    menus_.mnuResizeOption[Index]->setChecked(true);
    SnapMode = Index;
    SaveSnapSettings();
}

bool FrmTemplate::setCardRect(QWidget& control, const BoxRect& rect) {
    if (!BoxGeometry::fitsLayout(rect)) {
        return false;
    }
    const QRect wanted(rect.left, rect.top, rect.width, rect.height);
    if (control.geometry() != wanted) {
        control.setGeometry(wanted);
    }
    return true;
}

void FrmTemplate::mnuSnapToGrid_Click(int Index) {
    for (int i = 0; i < BoxCount; ++i) {
        RichTextBox& box = *boxes_[i];
        if (Index == 0 ? i != CurrentBox : !box.Visible()) {
            continue;
        }
        if (const std::optional<BoxRect> r = BoxGeometry::snapped(rectOf(box), GridCellSize)) {
            setCardRect(box, *r);
        }
    }
}

void FrmTemplate::mnuResizeToGrid_Click(int Index) {
    for (int i = 0; i < BoxCount; ++i) {
        RichTextBox& box = *boxes_[i];
        if (Index == 0 ? i != CurrentBox : !box.Visible()) {
            continue;
        }
        if (const std::optional<BoxRect> r =
                BoxGeometry::resizedToGrid(rectOf(box), GridCellSize)) {
            setCardRect(box, *r);
        }
    }
}

void FrmTemplate::mnuShowGrid_Click() {
    // The menu inverts the check mark; the grid is an overlay, so taking it away restores
    // every pixel of the card.
    backgroundImage_->setGridStep(menus_.mnuShowGrid->isChecked() ? GridCellSize : 0);
}

void FrmTemplate::menuGridSize_Click() {
    const bool gridShown = menus_.mnuShowGrid->isChecked();
    if (gridShown) {
        menus_.mnuShowGrid->trigger();
    }
    doc_.NewGridCellSize = static_cast<qint16>(GridCellSize);
    {
        FormGridCellSize dialog(doc_.NewGridCellSize, services_.messageBox, this);
        dialog.exec();
    }
    GridCellSize = BoxGeometry::clampedCellSize(doc_.NewGridCellSize);
    SaveSnapSettings();
    if (gridShown) {
        menus_.mnuShowGrid->trigger();
    }
}

void FrmTemplate::applyReleaseOption() {
    if (menus_.mnuResizeOption[0]->isChecked()) {
        mnuSnapToGrid_Click(0);
    } else if (menus_.mnuResizeOption[1]->isChecked()) {
        mnuResizeToGrid_Click(0);
    }
}
