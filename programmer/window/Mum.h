#pragma once

#include "programmer/window/ProgrammerServices.h"

#include <QMainWindow>

#include <array>

class ControllerPicture;
class KeyAssignmentTab;
class ProgrammingTab;
class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QRadioButton;
class QTabWidget;
class TableTab;

// Tavrin's main window: the controller picture, the table, the programming tab and the
// key-assignment document, with the menus that drive them.
class Mum : public QMainWindow {
    Q_OBJECT

public:
    explicit Mum(ProgrammerServices services, QWidget* parent = nullptr);

    // Menu bar.
    QAction* mnuNew = nullptr;
    QAction* mnuOpen = nullptr;
    QAction* mnuFileDiv1 = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuFileSaveAs = nullptr;
    QAction* mnuDiv2 = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuEnterGameName = nullptr;
    QAction* mnuAssumeChordedKeys = nullptr;
    QMenu* mnuAdd1toZero = nullptr;
    std::array<QAction*, 2> mnuOrientation1to0{};
    QAction* mnuRestoreTable = nullptr;
    QAction* mnuQuillet = nullptr;
    QAction* mnuHelpTopics = nullptr;
    QAction* mnuHelpDiv = nullptr;
    QAction* mnuAoutTavrin = nullptr;
    // The table's pop-up menu, never in the menu bar.
    QMenu* mnuRHM = nullptr;
    std::array<QAction*, 3> RHMCCP{};
    QAction* RHMSwap = nullptr;
    QAction* RHMDelete = nullptr;

    // Status bar panels 1 (messages), 2 (saved status) and 3 (file name).
    std::array<QLabel*, 3> panels{};

    QTabWidget* SSTab1 = nullptr;
    TableTab* tableTab = nullptr;
    ProgrammingTab* programmingTab = nullptr;
    KeyAssignmentTab* keyAssignmentTab = nullptr;
    ControllerPicture* picture = nullptr;
    QGroupBox* FrameGraphicalViews = nullptr;
    std::array<QRadioButton*, 3> OptionGraphicalViews{};

private:
    void buildMenus();
    void buildStatusBar();
    void buildCentre();

    ProgrammerServices services_;
};
