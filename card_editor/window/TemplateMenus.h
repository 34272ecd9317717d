#pragma once

#include <QKeySequence>
#include <QString>
#include <array>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QObject;

// The menu bar of Quillet's main window: every menu, item, caption and shortcut. Each item's
// object name is its handler's stem, with the index for an item of a group ("mnuEditCCP_1").
struct TemplateMenus {
    QMenu* mnuFile = nullptr;
    QAction* mnuNewTemplate = nullptr;
    QAction* mnuOpen = nullptr;
    std::array<QAction*, 2> mnuFileSaveTemplate{};
    QAction* mnuCaptureAsBitmap = nullptr;
    QAction* mnuFilePrint = nullptr;
    QMenu* mnuFilePrevious = nullptr;
    // Item 0 is the placeholder; items 1 on are the recent files.
    std::vector<QAction*> mnuPreviousArray;
    QAction* recentEndSeparator = nullptr;
    QAction* mnuFileAutoLoad = nullptr;
    QAction* mnuPreviousClearAll = nullptr;
    QAction* mnuFileExit = nullptr;

    QMenu* mnuEdit = nullptr;
    QAction* mnuUndo = nullptr;
    std::array<QAction*, 3> mnuEditCCP{};
    QAction* mnuSelectAll = nullptr;
    QAction* mnuEditPreferences = nullptr;

    QMenu* mnuView = nullptr;
    std::array<QAction*, 5> mnuViewCaptions{};
    QAction* mnuViewShowAll = nullptr;
    QAction* mnuViewNoRepeat = nullptr;
    QAction* mnuViewRefresh = nullptr;

    QMenu* mnuFormat = nullptr;
    std::array<QAction*, 3> mnuFormatBIU{};
    std::array<QAction*, 2> mnuFormatFC{};

    QMenu* mnuAlign = nullptr;
    QMenu* mnuWhenResizing = nullptr;
    std::array<QAction*, 3> mnuResizeOption{};
    QMenu* mnuViewSnapToGrid = nullptr;
    std::array<QAction*, 2> mnuSnapToGrid{};
    QMenu* mnuFillToGrid = nullptr;
    std::array<QAction*, 2> mnuResizeToGrid{};
    QAction* mnuShowGrid = nullptr;
    QAction* mnuEditTextBoxSize = nullptr;
    QAction* menuGridSize = nullptr;
    QAction* mnuSaveTBposnsAsDefault = nullptr;
    QAction* mnuTBRestoreOriginal = nullptr;

    QMenu* mnuImage = nullptr;
    QAction* mnuImageSelect = nullptr;
    QAction* mnuImageResize = nullptr;
    QAction* mnuImageVisible = nullptr;
    QAction* mnuImageLocked = nullptr;
    QAction* mnuImageClear = nullptr;

    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpTopics = nullptr;
    QAction* mnuHelpAbout = nullptr;

    void build(QMenuBar& bar);

    // Adds recent-file item i (1 on) before the separator that ends the list.
    QAction* addRecentItem(int index);
};
