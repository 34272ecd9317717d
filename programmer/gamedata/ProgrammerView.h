#pragma once

#include <QString>

// What the game data asks of Tavrin's main window. The window implements it; tests record the
// calls. One method per view operation.
class ProgrammerView {
public:
    virtual ~ProgrammerView() = default;

    // Status-bar panel 1 (messages), 2 (saved status) or 3 (file name).
    virtual void SetStatusPanel(int panel, const QString& text) = 0;
    // The "&Paste" item of the grid's pop-up menu.
    virtual void SetPasteEnabled(bool enabled) = 0;
    // Graphical view: 0 hides the controller's labels, 1 shows them.
    virtual void DisplaySetup(int mode) = 0;
    // Clears the text labels of the graphical view; 0 hides, 1 shows, 2 leaves their visibility.
    virtual void InfoLabels(int hideOrShow) = 0;
    // Empties the table view.
    virtual void ClearTable() = 0;
    // Sets the table back to its start layout (0 at start-up, 1 after a file is read).
    virtual void ResetTable(int mode) = 0;
    // Fills the table from the mode arrays in view option TableViewMode.
    virtual void FillTable(int tableViewMode) = 0;
    // Shows mode index (0..4) on the controller picture, as a click on its mode label does.
    virtual void LblMODE_Click(int index) = 0;
    // Refills the table and shows the current mode again on the controller picture.
    virtual void RefreshProgrammingData() = 0;
    // Shows or hides mode lamp index (0..4).
    virtual void ShowModeLamp(int index, bool visible) = 0;
};
