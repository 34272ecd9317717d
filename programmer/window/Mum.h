#pragma once

#include "programmer/gamedata/GameData.h"
#include "programmer/gamedata/ProgrammerView.h"
#include "programmer/window/ProgrammerServices.h"

#include <QColor>
#include <QMainWindow>
#include <QStringList>

#include <array>

class ClickLabel;
class ControllerPicture;
class KeyAssignmentTab;
class ProgrammingTab;
class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QRadioButton;
class QTabWidget;
class RichTextBox;
class TableTab;

// Tavrin's main window: the controller picture, the table, the programming tab and the
// key-assignment document, with the menus that drive them. It owns the game data and is the
// view the game data refreshes.
class Mum : public QMainWindow, public ProgrammerView {
    Q_OBJECT

public:
    // programFolder holds "Tavrin.ini", "Tavrin.hlp" and the card editor; empty means the
    // folder of the running program.
    explicit Mum(ProgrammerServices services, const QString& programFolder = QString(),
                 QWidget* parent = nullptr);
    ~Mum() override;

    GameData& data() { return data_; }
    const GameData& data() const { return data_; }

    // No button chosen on the picture.
    static constexpr int NoButton = -1;
    int CurrentButton = NoButton;

    // Label colours of the picture and mode-label backgrounds of the programming tab.
    QColor ProgrammedColour{0, 255, 0};
    QColor BeingProgrammedColour{255, 0, 0};
    static QColor notProgrammedColour() { return {255, 255, 255}; }
    static QColor modeSelectedColour() { return {0, 192, 0}; }
    QColor modeNotSelectedColour() const;

    // Chord of modifier keys waiting for an ordinary key; its length is the game data's
    // ChordStepCount.
    QStringList ChordSteps;

    // The key-assignment document's state, read when the window closes.
    int TextChanged = 0;
    QString TextFilePath;
    QString TextFileTitle = QStringLiteral("Untitled.rtf");

    // What the window would like to show, all of its contents; it scrolls when smaller.
    QSize sizeHint() const override;

    // ProgrammerView.
    void SetStatusPanel(int panel, const QString& text) override;
    void SetPasteEnabled(bool enabled) override;
    void DisplaySetup(int mode) override;
    void InfoLabels(int hideOrShow) override;
    void ClearTable() override;
    void ShowModeLamp(int index, bool visible) override;

    // Key-assignment document: every change of the box marks it changed.
    void TemplateText_Change() { TextChanged = 1; }
    void Toolbar1_ButtonClick(int Index);
    void Toolbar1_ButtonMenuClick(int Index);
    void NewTextFile();
    void OpenTextFile();
    void SaveTextFile();
    void SaveTextFileAs();
    void PrintTextFile();

    // Start-up and closing.
    void Form_Load();
    bool Form_QueryUnload(); // true cancels the close

    // File and programming menus.
    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuSave_Click();
    void mnuFileSaveAs_Click();
    void mnuExit_Click();
    void mnuEnterGameName_Click();
    void mnuAssumeChordedKeys_Click();
    void mnuHelpTopics_Click();
    void mnuAoutTavrin_Click();
    void mnuQuillet_Click();

    // Graphical view.
    void LightsAllOFF();
    void ShowLines();
    void LblMODE_Click(int Index) override;
    void LblBTN_Click(int Index);
    void InfoLabel_Click(int Index) { LblBTN_Click(Index); }
    void OptionGraphicalViews_Click(int Index);

    // Table view.
    void ResetTable(int ResetMode) override;
    void FillTable(int Datamode) override;
    void ResizeTable(int ColOrRow);
    void OptionTableViews_Click(int Index);
    void mnuRestoreTable_Click() { ResetTable(1); }
    void Grid1_MouseClick(Qt::MouseButton Button, const QPoint& globalPosition);
    int twipsToPixels(int twips) const;

    // Record operations: the table's pop-up menu and "&Insert 1 to 0 ...".
    void RHMCCP_Click(int Index);
    void RHMDelete_Click();
    void RHMSwap_Click();
    void mnuOrientation1to0_Click(int Index);

    // Programming tab.
    void ResetButtonProgrammingTab();
    void EnableButtonProgrammingTab();
    void ButtonDataOnProgrammingTab();
    void AssignTempDataAndDisplay();
    void EnableDisableMacrolistButtons();
    void GetCurrentMode();
    void RefreshProgrammingData() override;
    void Command2_Click(int Index);
    void Command3_Click(int Index);
    void CheckDelete_Click();
    void LBLprogramMode_Click(int Index);
    void Text1_Change();
    void Text1_KeyUp();

    // On-screen keyboard.
    void Command1_Click(int Index);

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
    RichTextBox* TemplateText = nullptr;
    ControllerPicture* picture = nullptr;
    QGroupBox* FrameGraphicalViews = nullptr;
    std::array<QRadioButton*, 3> OptionGraphicalViews{};

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildStatusBar();
    void buildCentre();
    void fitToScreen();
    void keepFocusInSight();
    void connectControls();
    void connectRecordCommands();

    // Programming tab helpers.
    void clearEditDisplay(bool barEnabled, bool selectAllEnabled);
    bool modeSelected(int index) const;
    void setModeSelected(int index, bool selected);
    void setDataLabelsEnabled(bool enabled);
    void setFramesEnabled(bool enabled);
    int listEditRecord(); // fills the key-press list, returns the bytes left
    QString pressedButtonNumber() const;
    QString infoCaption(const ButtonRecord& record) const;

    // Key-assignment document helpers.
    void reloadLastDocument();
    bool keepUnsavedDocument(const QString& before, const QString& notProceeding);
    bool writeDocument(const QString& path, const QString& title);
    void rememberDocument();
    void copyDocumentSelection(bool cut);
    void pasteIntoDocument();

    // Save helpers.
    bool maySave(const QString& emptyTitle, const QString& emptyText);
    // True when the file at path is read only, after telling the user Save As follows.
    bool tellReadOnly(const QString& path, const QString& name);
    // True when nothing is at path, or the user agrees to overwrite it.
    bool mayOverwrite(const QString& path, const QString& name);
    void saveAndReport();
    void storeEditRecord(const QString& caption, const QString& title, const QString& text);

    // Keyboard helpers.
    void setModifierKeysEnabled(bool enabled);
    int chordBytes() const;
    void endChord();

    // Graphical view helpers.
    ClickLabel* buttonLabel(int index) const;
    bool isBeingProgrammed(int index) const;
    void colourByText(int index);

    MessageBox& messageBox() { return services_.messageBox; }

    ProgrammerServices services_;
    QString programFolder_;
    GameData data_;
};
