#pragma once

#include "card_editor/card/CardDocument.h"
#include "card_editor/card/CardLayout.h"
#include "card_editor/card/CardView.h"
#include "card_editor/card/LayoutFile.h"
#include "card_editor/window/CardBox.h"
#include "card_editor/window/QuilletServices.h"
#include "card_editor/window/TemplateMenus.h"

#include <QMainWindow>
#include <array>

class CardPictureBox;
class MovablePicture;
class QImage;
class QLabel;
class QScrollBar;
class RichTextBox;

// Quillet's main window: the card picture with its 35 boxes and the movable picture in a
// scrolling viewport, and the menus. It owns the card document; the card procedures work on
// its boxes through the CardView interface.
class FrmTemplate : public QMainWindow, public CardView {
    Q_OBJECT

public:
    // Builds the window and runs its start-up. programFolder holds "Quillet.ini" and the
    // layout files.
    FrmTemplate(QuilletServices services, const QString& programFolder, QWidget* parent = nullptr);
    ~FrmTemplate() override;

    CardDocument& document() { return doc_; }
    const TemplateMenus& menus() const { return menus_; }

    // CardView
    RichTextBox& RTFbtn(int index) override;
    bool ViewCaptionChecked(int mode) const override;
    void SetViewCaptionChecked(int mode, bool checked) override;
    bool NoRepeatChecked() const override;

    QWidget& Picture1() { return *picture1_; }
    CardPictureBox& BackgroundImage() { return *backgroundImage_; }
    MovablePicture& Image1() { return *image1_; }
    QScrollBar& HScroll1() { return *hScroll1_; }
    QScrollBar& VScroll1() { return *vScroll1_; }
    int MarginX() const { return marginX_; }
    int MarginY() const { return marginY_; }

    // Start-up and the layout view.
    void Form_Load();
    void Form_Resize();
    void RepositionThePictureboxes();
    void HScroll1_Change();
    void VScroll1_Change();
    void Form_Unload();

    // Opening a game file and laying its captions into the boxes.
    void OpenGamFile();
    void RefreshTemplate();
    void SetupFont(int BoxNo, int Alignment, int Style);
    void ShowAll();
    // Puts the text into the title box in the title style, centred.
    void SetTitleBox(const QString& title);

    // Box positions.
    void SaveDefaultTBposns();
    void GetDefaultTBposns();
    void RestoreDefaults();
    CardLayout currentLayout() const;

    // Recent files and grid settings read at start.
    void LoadRecentFiles();
    void BuildRecentFilesMenu();
    void AddToRecentFiles();
    void GetDefaultImage();
    void OpenTemplate();

    // Menu handlers.
    void mnuOpen_Click();
    void mnuFilePrint_Click();
    void mnuFileExit_Click();
    void mnuPreviousArray_Click(int Index);
    void mnuSaveTBposnsAsDefault_Click();
    void mnuTBRestoreOriginal_Click();
    void mnuViewCaptions_Click(int Index);
    void mnuViewShowAll_Click();
    void mnuViewNoRepeat_Click();
    void mnuViewRefresh_Click();
    void mnuImageVisible_Click();
    void mnuEditPreferences_Click();

    // The movable picture and the Image menu.
    void ResizeImage();
    void SaveDefaultImage();
    // Shows the picture file on the card and keeps its path; "none" or a path with no file
    // clears the picture and ImagePath becomes "none". A file that is no picture clears the
    // picture but keeps its path. True when the path is kept.
    bool loadPicture(const QString& path);
    void mnuImageSelect_Click();
    void mnuImageResize_Click();
    void mnuImageClear_Click();

    // Templates, recent files and the File and Help menus.
    void SaveTemplate();
    bool IsRecentFile(const QString& path) const;
    void mnuNewTemplate_Click();
    // 0 Save, 1 Save as.
    void mnuFileSaveTemplate_Click(int Index);
    void mnuFileAutoLoad_Click();
    void mnuPreviousClearAll_Click();
    void mnuHelpTopics_Click();
    void mnuHelpAbout_Click();

    // Format menu, box-size dialog and capture.
    void mnuFormatBIU_Click(int Index);
    void mnuFormatFC_Click(int Index);
    void DoTheFonts();
    void GetCustomColour();
    void mnuEditTextBoxSize_Click();
    void mnuCaptureAsBitmap_Click();
    // The card as it is shown, at its full size in card pixels.
    QImage CaptureLayout();

    // Screen twips per pixel, the unit printing converts with.
    double twipsPerPixelX() const;
    double twipsPerPixelY() const;

    // --- Editing boxes, the grid and the card's mouse handling ------------------------------
    // Box events; px and py are the pixel the pointer is on, from the box's corner.
    void RTFbtn_GotFocus(int Index);
    void RTFbtn_KeyDown(int Index, int& KeyCode, int& Shift);
    void RTFbtn_KeyUp(int Index, int& KeyCode, int& Shift);
    void RTFbtn_MouseDown(int Index, int Button, int Shift, int px, int py);
    void RTFbtn_MouseMove(int Index, int Button, int Shift, int px, int py);
    void RTFbtn_MouseUp(int Index, int Button, int Shift, int px, int py);
    // Edit menu, on the current box.
    void mnuUndo_Click();
    void mnuEditCCP_Click(int Index);
    void mnuSelectAll_Click();
    // Grid and snapping.
    void LoadSnapSettings();
    void SaveSnapSettings();
    void mnuResizeOption_Click(int Index);
    void mnuSnapToGrid_Click(int Index);
    void mnuResizeToGrid_Click(int Index);
    // Draws the grid while "Show &grid" is checked and erases it when it is not.
    void mnuShowGrid_Click();
    void menuGridSize_Click();
    // The card's mouse: X and Y in card pixels.
    void BackgroundImage_MouseDown(int Button, int Shift, float X, float Y);
    void BackgroundImage_MouseMove(int Button, int Shift, float X, float Y);
    void BackgroundImage_MouseUp(int Button, int Shift, float X, float Y);
    // The movable picture's mouse: X and Y in pixels from the picture's corner.
    void Image1_MouseDown(int Button, int Shift, float X, float Y);
    void Image1_MouseMove(int Button, int Shift, float X, float Y);
    void Image1_MouseUp(int Button, int Shift, float X, float Y);
    // The window's pointer shape: 0 default, 5 the size pointer, which also marks a resize of
    // the current box under way.
    int MousePointer() const { return mousePointer_; }
    void setMousePointer(int shape);

    // Form-level state.
    int CurrentBox = 0;
    int GridCellSize = 5;
    int SnapMode = 2;
    int ImageUpdating = 0;
    QString TemplateFile;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void connectMenus();
    void connectImageMenu();
    void connectFormatViewMenus();
    // Shows "&View" and hides "Forma&t" (a game file), or the other way round (a template).
    void showTextMenus(bool viewMenu);
    void applyLayoutFile(const QString& path);
    void applyLayout(const LayoutFile::Read& read);
    void connectFileMenus();
    // Reports a template that could not be written or read.
    void reportTemplateFile(const QString& title, const QString& text);
    void runPendingEvents();

    // Editing boxes, the grid and the card's mouse handling.
    void connectEditMenus();
    // Routes the card's and the movable picture's mouse events; true when one was handled.
    bool cardMouseEvent(QObject* watched, QEvent* event);
    // The picture is shown and not locked, so a right-drag moves it.
    bool pictureDraggable() const;
    // Puts a box or the picture at a rectangle the layout files can hold; false (and nothing
    // moved) otherwise.
    bool setCardRect(QWidget& control, const BoxRect& rect);
    void resizeCurrentBoxTo(double cx, double cy);
    // A step of a left-drag on box Index, the current box, that sizes it: pixel (px, py) of
    // the box becomes its bottom-right corner.
    void resizeBoxByDrag(int Index, int px, int py);
    void dragCurrentBoxTo(double cx, double cy, bool toFront);
    void movePictureTo(double x, double y);
    // A press or move on the card or the picture, at card position (cx, cy), once a drag of
    // the picture is ruled out.
    void cardMouseAt(bool press, int Button, double cx, double cy, bool boxToFront);
    void cardMouseUp(int Button);
    void applyReleaseOption();
    int mousePointer_ = 0;

    QuilletServices services_;
    CardDocument doc_;
    TemplateMenus menus_;
    QWidget* inner_ = nullptr;
    QWidget* picture1_ = nullptr;
    CardPictureBox* backgroundImage_ = nullptr;
    std::array<CardBox*, BoxCount> boxes_{};
    MovablePicture* image1_ = nullptr;
    QLabel* picCapture_ = nullptr;
    QScrollBar* hScroll1_ = nullptr;
    QScrollBar* vScroll1_ = nullptr;
    int marginX_ = 0;
    int marginY_ = 0;
};
