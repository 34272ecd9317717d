// Editing the card boxes: which box is current, the keys a box handles itself, resizing a box
// by its right or bottom edge, and the Edit menu with the clipboard and undo.
#include "card_editor/card/BoxGeometry.h"
#include "card_editor/window/CardPictureBox.h"
#include "card_editor/window/FrmTemplate.h"
#include "card_editor/window/MovablePicture.h"
#include "common/dialogs/ConnectEach.h"
#include "common/richtext/RichTextBox.h"
#include "common/richtext/RichTextClipboard.h"

#include <QAction>
#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMimeData>

#include <functional>

namespace {

constexpr int KeyEsc = 27;
constexpr int ShiftCtrl = 2;
constexpr int ButtonNone = 0;
constexpr int ButtonLeft = 1;
constexpr int ButtonRight = 2;
constexpr int SizePointer = 5;
// The strip along the right and bottom edges where the size pointer shows.
constexpr int EdgeStrip = 6;

} // namespace

void FrmTemplate::connectEditMenus() {
    connect(menus_.mnuUndo, &QAction::triggered, this, &FrmTemplate::mnuUndo_Click);
    connectEach(menus_.mnuEditCCP, &QAction::triggered, this, &FrmTemplate::mnuEditCCP_Click);
    connect(menus_.mnuSelectAll, &QAction::triggered, this, &FrmTemplate::mnuSelectAll_Click);
    connectEach(menus_.mnuResizeOption, &QAction::triggered, this,
                &FrmTemplate::mnuResizeOption_Click);
    connectEach(menus_.mnuSnapToGrid, &QAction::triggered, this, &FrmTemplate::mnuSnapToGrid_Click);
    connectEach(menus_.mnuResizeToGrid, &QAction::triggered, this,
                &FrmTemplate::mnuResizeToGrid_Click);
    connect(menus_.mnuShowGrid, &QAction::triggered, this, &FrmTemplate::mnuShowGrid_Click);
    connect(menus_.menuGridSize, &QAction::triggered, this, &FrmTemplate::menuGridSize_Click);

    for (int i = 0; i < BoxCount; ++i) {
        CardBox* box = boxes_[i];
        connect(box, &RichTextBox::GotFocus, this, [this, i] { RTFbtn_GotFocus(i); });
        connect(box, &RichTextBox::KeyDown, this,
                [this, i](int& keyCode, int& shift) { RTFbtn_KeyDown(i, keyCode, shift); });
        connect(box, &RichTextBox::KeyUp, this,
                [this, i](int& keyCode, int& shift) { RTFbtn_KeyUp(i, keyCode, shift); });
        connect(box, &CardBox::PointerDown, this,
                [this, i](int b, int s, QPoint p) { RTFbtn_MouseDown(i, b, s, p.x(), p.y()); });
        connect(box, &CardBox::PointerMove, this,
                [this, i](int b, int s, QPoint p) { RTFbtn_MouseMove(i, b, s, p.x(), p.y()); });
        connect(box, &CardBox::PointerUp, this,
                [this, i](int b, int s, QPoint p) { RTFbtn_MouseUp(i, b, s, p.x(), p.y()); });
    }
    // The card and the picture report moves without a button too, which drop the size pointer.
    for (QWidget* control :
         {static_cast<QWidget*>(backgroundImage_), static_cast<QWidget*>(image1_)}) {
        control->setMouseTracking(true);
        control->installEventFilter(this);
    }
}

// --- Box events ------------------------------------------------------------------------------

void FrmTemplate::RTFbtn_GotFocus(int Index) {
    CurrentBox = Index;
    boxes_.at(Index)->ZOrder(0);
}

void FrmTemplate::RTFbtn_KeyUp(int Index, int&, int&) {
    RTFbtn_GotFocus(Index);
}

void FrmTemplate::RTFbtn_KeyDown(int Index, int& KeyCode, int& Shift) {
    RTFbtn_GotFocus(Index);
    if (Shift == ShiftCtrl) {
        struct Row {
            int keyCode;
            QAction* item; // the key works while this item is enabled; none: always
            std::function<void()> run;
        };
        const Row rows[] = {
            {'Z', menus_.mnuUndo, [this] { mnuUndo_Click(); }},
            {'X', menus_.mnuEditCCP[0], [this] { mnuEditCCP_Click(0); }},
            {'C', menus_.mnuEditCCP[1], [this] { mnuEditCCP_Click(1); }},
            {'V', menus_.mnuEditCCP[2], [this] { mnuEditCCP_Click(2); }},
            {'A', menus_.mnuSelectAll, [this] { mnuSelectAll_Click(); }},
            // The Format menu's items, which work while that menu is hidden too.
            {'B', nullptr, [this] { menus_.mnuFormatBIU[0]->trigger(); }},
            {'I', nullptr, [this] { menus_.mnuFormatBIU[1]->trigger(); }},
            {'U', nullptr, [this] { menus_.mnuFormatBIU[2]->trigger(); }},
        };
        bool handled = false;
        for (const Row& row : rows) {
            if (KeyCode == row.keyCode && (row.item == nullptr || row.item->isEnabled())) {
                row.run();
                handled = true;
            }
        }
        if (handled) {
            KeyCode = 0;
            Shift = 0;
            return;
        }
    }
    if (KeyCode == KeyEsc) {
        menus_.mnuFormat->popup(QCursor::pos());
    }
}

void FrmTemplate::RTFbtn_MouseDown(int Index, int Button, int, int px, int py) {
    CurrentBox = Index;
    RichTextBox& box = *boxes_.at(Index);
    if (pictureDraggable() && Button == ButtonRight) {
        movePictureTo(double(box.Left()) + px, double(box.Top()) + py);
        return;
    }
    // Working on a box locks the picture again.
    menus_.mnuImageLocked->setChecked(true);
    if (mousePointer_ == SizePointer && Button == ButtonLeft) {
        resizeBoxByDrag(Index, px, py);
    }
}

void FrmTemplate::RTFbtn_MouseMove(int Index, int Button, int, int px, int py) {
    CardBox& box = *boxes_.at(Index);
    if (Button == ButtonNone || Button == ButtonRight) {
        setMousePointer(0);
        if (box.MousePointer() != 0) {
            box.setMousePointer(0);
        }
    }
    if (pictureDraggable() && Button == ButtonRight) {
        movePictureTo(double(box.Left()) + px, double(box.Top()) + py);
        return;
    }
    if (Index != CurrentBox) {
        return;
    }
    if ((mousePointer_ == SizePointer && Button == ButtonLeft) ||
        (Button == ButtonLeft && box.MousePointer() == SizePointer)) {
        resizeBoxByDrag(Index, px, py);
        return;
    }
    const int shape =
        (px + EdgeStrip > box.Width() || py + EdgeStrip > box.Height()) ? SizePointer : 0;
    setMousePointer(shape);
    if (box.MousePointer() != shape) {
        box.setMousePointer(shape);
    }
    // A drag that started in the text is a resize from here on.
    if (shape == SizePointer && Button == ButtonLeft) {
        box.sizeByDrag();
    }
}

void FrmTemplate::RTFbtn_MouseUp(int Index, int Button, int, int, int) {
    RTFbtn_GotFocus(Index);
    if (menus_.mnuImageLocked->isChecked() && Button == ButtonLeft &&
        mousePointer_ == SizePointer) {
        applyReleaseOption();
    }
    setMousePointer(0);
}

void FrmTemplate::resizeBoxByDrag(int Index, int px, int py) {
    CardBox& box = *boxes_.at(Index);
    box.sizeByDrag();
    resizeCurrentBoxTo(double(box.Left()) + px + 1, double(box.Top()) + py + 1);
}

void FrmTemplate::resizeCurrentBoxTo(double cx, double cy) {
    RichTextBox& box = *boxes_.at(CurrentBox);
    BoxRect r{box.Left(), box.Top(), box.Width(), box.Height()};
    // Each side keeps its old size when the drag would make it too small or too large.
    if (const std::optional<int> w =
            BoxGeometry::draggedSize(static_cast<long long>(BoxGeometry::wholePixels(cx)) - r.left,
                                     BoxGeometry::DragMinWidth)) {
        r.width = *w;
    }
    if (const std::optional<int> h =
            BoxGeometry::draggedSize(static_cast<long long>(BoxGeometry::wholePixels(cy)) - r.top,
                                     BoxGeometry::DragMinHeight)) {
        r.height = *h;
    }
    setCardRect(box, r);
    // A drag leaves no text selected.
    box.setSelStart(0);
}

// --- Edit menu -------------------------------------------------------------------------------

void FrmTemplate::mnuUndo_Click() {
    boxes_.at(CurrentBox)->Undo();
}

void FrmTemplate::mnuEditCCP_Click(int Index) {
    RichTextBox& box = *boxes_.at(CurrentBox);
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (Index == 0 || Index == 1) {
        clipboard->clear();
        clipboard->setMimeData(RichTextClipboard::mimeData(box.SelRTF(), box.SelText()));
        if (Index == 0) {
            box.setSelRTF(QByteArray());
        }
        return;
    }
    if (Index != 2) {
        return;
    }
    const QMimeData* data = clipboard->mimeData();
    if (data == nullptr) {
        return;
    }
    if (const QByteArray rtf = RichTextClipboard::rtf(*data); !rtf.isEmpty()) {
        box.setSelRTF(rtf);
    } else if (data->hasText()) {
        box.setSelRTF(data->text());
    }
    // A clipboard with neither flavour leaves the selection as it is.
}

void FrmTemplate::mnuSelectAll_Click() {
    RichTextBox& box = *boxes_.at(CurrentBox);
    box.setSelStart(0);
    box.setSelLength(box.TextLength());
}
