// The preferences, and refilling the card after them.
#include "card_editor/window/FrmTemplate.h"

#include "card_editor/window/Preferences.h"
#include "common/richtext/RichTextBox.h"

void FrmTemplate::mnuEditPreferences_Click() {
    doc_.OldBottomRow = doc_.BottomRow;
    doc_.StylesChanged = 0;
    {
        // Built afresh at every opening, with common dialogs of its own.
        Preferences dialog(doc_, services_.makeCommonDialog, this);
        dialog.exec();
    }
    if (doc_.BottomRow != doc_.OldBottomRow) {
        // The title box keeps its style until the next Refresh.
        RefreshTemplate();
    } else if (doc_.StylesChanged == 1) {
        doc_.StylesChanged = 0;
        SetTitleBox(RTFbtn(TitleBox).Text());
        RefreshTemplate();
    }
}
