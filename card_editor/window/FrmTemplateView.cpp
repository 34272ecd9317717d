// The View menu: which modes' captions the boxes show, the repeat rule, and the rebuild.
#include "card_editor/window/FrmTemplate.h"

#include "common/richtext/RichTextBox.h"

// The menu has inverted the item's check mark itself when these run; they rebuild from it.

void FrmTemplate::mnuViewCaptions_Click(int) {
    RefreshTemplate();
}

void FrmTemplate::mnuViewNoRepeat_Click() {
    RefreshTemplate();
}

void FrmTemplate::mnuViewShowAll_Click() {
    ShowAll();
}

void FrmTemplate::mnuViewRefresh_Click() {
    // The title keeps its words and takes the title style as a whole.
    SetTitleBox(RTFbtn(TitleBox).Text());
    RefreshTemplate();
}
