// The File menu's own commands and the Help menu.
#include "card_editor/card/BoxContent.h"
#include "card_editor/card/DefaultImages.h"
#include "card_editor/card/TemplateFolder.h"
#include "card_editor/window/FrmTemplate.h"
#include "card_editor/window/LayoutSave.h"
#include "common/dialogs/ConnectEach.h"
#include "common/platform/FileSystem.h"
#include "common/platform/MessageBox.h"
#include "common/platform/Shell.h"
#include "common/richtext/RichTextBox.h"

#include <QAction>
#include <QLabel>

namespace {

const QString QuilletVersion = QStringLiteral("Version 1.0 beta");

} // namespace

void FrmTemplate::connectFileMenus() {
    connect(menus_.mnuNewTemplate, &QAction::triggered, this, &FrmTemplate::mnuNewTemplate_Click);
    connectEach(menus_.mnuFileSaveTemplate, &QAction::triggered, this,
                &FrmTemplate::mnuFileSaveTemplate_Click);
    connect(menus_.mnuFileAutoLoad, &QAction::triggered, this, &FrmTemplate::mnuFileAutoLoad_Click);
    connect(menus_.mnuPreviousClearAll, &QAction::triggered, this,
            &FrmTemplate::mnuPreviousClearAll_Click);
    connect(menus_.mnuHelpTopics, &QAction::triggered, this, &FrmTemplate::mnuHelpTopics_Click);
    connect(menus_.mnuHelpAbout, &QAction::triggered, this, &FrmTemplate::mnuHelpAbout_Click);
}

void FrmTemplate::mnuNewTemplate_Click() {
    for (int m = 0; m < ModeCount; ++m) {
        SetViewCaptionChecked(m, false);
    }
    for (RichTextBox* box : boxes_) {
        box->setText(QString());
        // The empty box takes style 1, centred, for what is typed next; the title box too.
        BoxContent::SetupFont(doc_, *box, BoxContent::Centred, 1);
    }
    loadPicture(DefaultImages::none());
    doc_.GameName.clear();
    showTextMenus(false);
    doc_.captions.clear();
}

void FrmTemplate::mnuFileSaveTemplate_Click(int Index) {
    // Save without a name it can use asks for one, as Save as does, so that nothing is ever
    // written into the templates folder itself or outside it.
    if (Index == 0 && TemplateFolder::isAcceptableName(doc_.TemplateName)) {
        SaveTemplate();
        return;
    }
    doc_.TemplateName = doc_.GameName;
    LayoutSave dialog(doc_.TemplateName, doc_.TemplatesDirectory, this);
    dialog.exec();
    doc_.TemplateName = dialog.templateName();
    if (!doc_.TemplateName.isEmpty()) {
        SaveTemplate();
    }
}

void FrmTemplate::mnuHelpTopics_Click() {
    services_.shell.showHelp(
        FileSystem::joinPath(doc_.programFolder, QStringLiteral("Tavrin.hlp")));
}

void FrmTemplate::mnuHelpAbout_Click() {
    services_.messageBox.MsgBox(
        QStringLiteral("Tavrin Quillet\n\nQuillet lays out and prints the game cards of the "
                       "Brelkin controller from the game files Tavrin writes.\nIt keeps card "
                       "layouts as templates and comes with Tavrin, the Brelkin programmer.\n") +
            QuilletVersion,
        MsgStyle::Information, QStringLiteral("About Tavrin Quillet"));
}
