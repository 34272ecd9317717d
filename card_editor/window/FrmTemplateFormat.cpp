// The Format menu on the current box's selection, and the box-size dialog.
#include "card_editor/window/FrmTemplate.h"

#include "card_editor/window/FrmTextBoxSize.h"
#include "common/dialogs/CommonDialog.h"
#include "common/dialogs/ConnectEach.h"
#include "common/richtext/RichTextBox.h"

#include <QAction>

#include <algorithm>
#include <limits>

namespace {

// A mixed selection has no value, and its negation is none either: nothing changes.
std::optional<bool> negated(std::optional<bool> value) {
    return value ? std::optional<bool>(!*value) : std::nullopt;
}

qint16 boxNumber(int value) {
    return qint16(std::clamp<int>(value, std::numeric_limits<qint16>::min(),
                                  std::numeric_limits<qint16>::max()));
}

} // namespace

void FrmTemplate::connectFormatViewMenus() {
    connectEach(menus_.mnuViewCaptions, &QAction::triggered, this,
                &FrmTemplate::mnuViewCaptions_Click);
    connect(menus_.mnuViewShowAll, &QAction::triggered, this, &FrmTemplate::mnuViewShowAll_Click);
    connect(menus_.mnuViewNoRepeat, &QAction::triggered, this, &FrmTemplate::mnuViewNoRepeat_Click);
    connect(menus_.mnuViewRefresh, &QAction::triggered, this, &FrmTemplate::mnuViewRefresh_Click);
    connectEach(menus_.mnuFormatBIU, &QAction::triggered, this, &FrmTemplate::mnuFormatBIU_Click);
    connectEach(menus_.mnuFormatFC, &QAction::triggered, this, &FrmTemplate::mnuFormatFC_Click);
    connect(menus_.mnuEditTextBoxSize, &QAction::triggered, this,
            &FrmTemplate::mnuEditTextBoxSize_Click);
    connect(menus_.mnuCaptureAsBitmap, &QAction::triggered, this,
            &FrmTemplate::mnuCaptureAsBitmap_Click);
}

void FrmTemplate::mnuFormatBIU_Click(int Index) {
    RichTextBox& box = RTFbtn(CurrentBox);
    switch (Index) {
    case 0:
        box.setSelBold(negated(box.SelBold()));
        break;
    case 1:
        box.setSelItalic(negated(box.SelItalic()));
        break;
    case 2:
        box.setSelUnderline(negated(box.SelUnderline()));
        break;
    default:
        break;
    }
}

void FrmTemplate::mnuFormatFC_Click(int Index) {
    if (Index == 0) {
        DoTheFonts();
    } else if (Index == 1) {
        GetCustomColour();
    }
}

void FrmTemplate::DoTheFonts() {
    CommonDialog& dialog = services_.commonDialog;
    dialog.Flags = CommonDialog::FontScreenAndPrinter | CommonDialog::FontEffects;
    // Size and effects start as this window's dialog last held them.
    dialog.FontName = QStringLiteral("Arial");
    if (!dialog.ShowFont()) {
        return;
    }
    RichTextBox& box = RTFbtn(CurrentBox);
    box.setSelFontName(dialog.FontName);
    box.setSelFontSize(dialog.FontSize);
    box.setSelBold(dialog.FontBold);
    box.setSelUnderline(dialog.FontUnderline);
    box.setSelItalic(dialog.FontItalic);
}

void FrmTemplate::GetCustomColour() {
    CommonDialog& dialog = services_.commonDialog;
    // The dialog opens at the colour chosen last, not at the box's.
    dialog.Flags = CommonDialog::ColorStartFromValue;
    if (!dialog.ShowColor()) {
        return;
    }
    RichTextBox& box = RTFbtn(CurrentBox);
    box.setSelColor(static_cast<std::uint32_t>(dialog.Color) & 0xFFFFFFu);
    box.SetFocus();
    box.Refresh();
}

void FrmTemplate::mnuEditTextBoxSize_Click() {
    RichTextBox& box = RTFbtn(CurrentBox);
    doc_.TBTop = boxNumber(box.Top());
    doc_.TBLeft = boxNumber(box.Left());
    doc_.TBWidth = boxNumber(box.Width());
    doc_.TBHeight = boxNumber(box.Height());
    // The first opening offers the box's own values until something is applied.
    const std::pair<qint16*, qint16> last[] = {{&doc_.TBLastTop, doc_.TBTop},
                                               {&doc_.TBLastLeft, doc_.TBLeft},
                                               {&doc_.TBLastWidth, doc_.TBWidth},
                                               {&doc_.TBLastHeight, doc_.TBHeight}};
    for (const auto& [value, current] : last) {
        if (*value == -1) {
            *value = current;
        }
    }
    FrmTextBoxSize dialog(doc_, services_.messageBox, this);
    dialog.exec();
    box.setTop(doc_.TBTop);
    box.setLeft(doc_.TBLeft);
    box.setWidth(doc_.TBWidth);
    box.setHeight(doc_.TBHeight);
}
