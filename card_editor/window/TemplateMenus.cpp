#include "card_editor/window/TemplateMenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

QMenu* addMenu(QWidget& parent, const char* name, const QString& caption) {
    QMenu* menu = nullptr;
    if (auto* bar = qobject_cast<QMenuBar*>(&parent)) {
        menu = bar->addMenu(caption);
    } else {
        menu = static_cast<QMenu&>(parent).addMenu(caption);
    }
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* addItem(QMenu& menu, const QString& name, const QString& caption,
                 const QKeySequence& shortcut = {}, bool checkable = false, bool checked = false) {
    QAction* action = menu.addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    action->setCheckable(checkable);
    action->setChecked(checked);
    return action;
}

QAction* addItem(QMenu& menu, const char* name, const QString& caption,
                 const QKeySequence& shortcut = {}, bool checkable = false, bool checked = false) {
    return addItem(menu, QString::fromLatin1(name), caption, shortcut, checkable, checked);
}

QString indexed(const char* stem, int index) {
    return QString::fromLatin1(stem) + u'_' + QString::number(index);
}

} // namespace

void TemplateMenus::build(QMenuBar& bar) {
    mnuFile = addMenu(bar, "mnuFile", "&File");
    mnuNewTemplate = addItem(*mnuFile, "mnuNewTemplate", "&New template", QKeySequence("Ctrl+N"));
    mnuOpen = addItem(*mnuFile, "mnuOpen", "&Open", QKeySequence(Qt::Key_F8));
    mnuFile->addSeparator();
    mnuFileSaveTemplate[0] =
        addItem(*mnuFile, indexed("mnuFileSaveTemplate", 0), "&Save", QKeySequence("Ctrl+S"));
    mnuFileSaveTemplate[1] = addItem(*mnuFile, indexed("mnuFileSaveTemplate", 1), "Save &as ...");
    mnuFile->addSeparator();
    mnuCaptureAsBitmap = addItem(*mnuFile, "mnuCaptureAsBitmap", "Capture as &bitmap");
    mnuFile->addSeparator();
    mnuFilePrint = addItem(*mnuFile, "mnuFilePrint", "&Print", QKeySequence("Ctrl+P"));
    mnuFile->addSeparator();
    mnuFilePrevious = addMenu(*mnuFile, "mnuFilePrevious", "&Recent files");
    QAction* placeholder = mnuFilePrevious->addSeparator();
    placeholder->setObjectName(indexed("mnuPreviousArray", 0));
    mnuPreviousArray = {placeholder};
    recentEndSeparator = mnuFilePrevious->addSeparator();
    mnuFileAutoLoad =
        addItem(*mnuFilePrevious, "mnuFileAutoLoad", "&Autoload recent on startup", {}, true);
    mnuFilePrevious->addSeparator();
    mnuPreviousClearAll = addItem(*mnuFilePrevious, "mnuPreviousClearAll", "&Clear recent files");
    mnuFileExit = addItem(*mnuFile, "mnuFileExit", "E&xit");

    mnuEdit = addMenu(bar, "mnuEdit", "&Edit");
    mnuUndo = addItem(*mnuEdit, "mnuUndo", "&Undo");
    mnuEdit->addSeparator();
    mnuEditCCP[0] = addItem(*mnuEdit, indexed("mnuEditCCP", 0), "Cu&t");
    mnuEditCCP[1] = addItem(*mnuEdit, indexed("mnuEditCCP", 1), "&Copy");
    mnuEditCCP[2] = addItem(*mnuEdit, indexed("mnuEditCCP", 2), "&Paste");
    mnuSelectAll = addItem(*mnuEdit, "mnuSelectAll", "Select &all");
    mnuEdit->addSeparator();
    mnuEditPreferences =
        addItem(*mnuEdit, "mnuEditPreferences", "Pre&ferences", QKeySequence(Qt::Key_F9));

    mnuView = addMenu(bar, "mnuView", "&View");
    const QString modeCaptions[] = {"&Views out", "Views &in", "Wing&man", "&Radar/Target",
                                    "&Weapons"};
    for (int m = 0; m < 5; ++m) {
        mnuViewCaptions[m] = addItem(*mnuView, indexed("mnuViewCaptions", m), modeCaptions[m],
                                     QKeySequence(Qt::Key_F2 + m), true);
    }
    mnuViewShowAll = addItem(*mnuView, "mnuViewShowAll", "&Show all", QKeySequence(Qt::Key_F7));
    mnuView->addSeparator();
    mnuViewNoRepeat =
        addItem(*mnuView, "mnuViewNoRepeat", "&Don't show repeat functions", {}, true, true);
    mnuViewRefresh = addItem(*mnuView, "mnuViewRefresh", "Refres&h ", QKeySequence("Ctrl+H"));

    mnuFormat = addMenu(bar, "mnuFormat", "Forma&t");
    mnuFormatBIU[0] = addItem(*mnuFormat, indexed("mnuFormatBIU", 0), "&Bold");
    mnuFormatBIU[1] = addItem(*mnuFormat, indexed("mnuFormatBIU", 1), "&Italics");
    mnuFormatBIU[2] = addItem(*mnuFormat, indexed("mnuFormatBIU", 2), "&Underlined");
    mnuFormat->addSeparator();
    mnuFormatFC[0] =
        addItem(*mnuFormat, indexed("mnuFormatFC", 0), "&Font", QKeySequence("Ctrl+F"));
    mnuFormatFC[1] =
        addItem(*mnuFormat, indexed("mnuFormatFC", 1), "Co&lour", QKeySequence("Ctrl+L"));

    mnuAlign = addMenu(bar, "mnuAlign", "Textbo&xes");
    mnuWhenResizing = addMenu(*mnuAlign, "mnuWhenResizing", "&When moving/resizing textboxes ...");
    const QString options[] = {"&Snap them to the grid", "&Resize them to the grid",
                               "&Just leave them as they are"};
    for (int i = 0; i < 3; ++i) {
        mnuResizeOption[i] =
            addItem(*mnuWhenResizing, indexed("mnuResizeOption", i), options[i], {}, true);
    }
    mnuViewSnapToGrid = addMenu(*mnuAlign, "mnuViewSnapToGrid", "S&nap to grid");
    mnuFillToGrid = addMenu(*mnuAlign, "mnuFillToGrid", "Resi&ze to grid");
    const QString which[] = {"&Currently selected textbox", "&All visible textboxes"};
    for (int i = 0; i < 2; ++i) {
        mnuSnapToGrid[i] = addItem(*mnuViewSnapToGrid, indexed("mnuSnapToGrid", i), which[i]);
        mnuResizeToGrid[i] = addItem(*mnuFillToGrid, indexed("mnuResizeToGrid", i), which[i]);
    }
    mnuShowGrid = addItem(*mnuAlign, "mnuShowGrid", "Show &grid", QKeySequence("Ctrl+G"), true);
    mnuAlign->addSeparator();
    mnuEditTextBoxSize = addItem(*mnuAlign, "mnuEditTextBoxSize", "Edit textbo&x size");
    menuGridSize = addItem(*mnuAlign, "menuGridSize", "Edit grid &cell size");
    mnuAlign->addSeparator();
    mnuSaveTBposnsAsDefault =
        addItem(*mnuAlign, "mnuSaveTBposnsAsDefault", "&Save textbox positions as default");
    mnuTBRestoreOriginal = addItem(*mnuAlign, "mnuTBRestoreOriginal", "&Restore original defaults");

    mnuImage = addMenu(bar, "mnuImage", "&Image");
    mnuImageSelect =
        addItem(*mnuImage, "mnuImageSelect", "&Insert from file", QKeySequence("Ctrl+F8"));
    mnuImageResize = addItem(*mnuImage, "mnuImageResize", "&Resize");
    mnuImage->addSeparator();
    mnuImageVisible =
        addItem(*mnuImage, "mnuImageVisible", "&Visible", QKeySequence("Shift+F8"), true, true);
    mnuImageLocked = addItem(*mnuImage, "mnuImageLocked", "Position &locked", {}, true, true);
    mnuImage->addSeparator();
    mnuImageClear = addItem(*mnuImage, "mnuImageClear", "&Clear image");

    mnuHelp = addMenu(bar, "mnuHelp", "&Help");
    mnuHelpTopics = addItem(*mnuHelp, "mnuHelpTopics", "&Help topics");
    mnuHelp->addSeparator();
    mnuHelpAbout = addItem(*mnuHelp, "mnuHelpAbout", "&About Tavrin's Quillet");
}

QAction* TemplateMenus::addRecentItem(int index) {
    auto* action = new QAction(mnuFilePrevious);
    action->setObjectName(indexed("mnuPreviousArray", index));
    mnuFilePrevious->insertAction(recentEndSeparator, action);
    return action;
}
