#pragma once

#include "card_editor/card/CardDocument.h"
#include "card_editor/card/CardLayout.h"
#include "card_editor/card/CardView.h"
#include "card_editor/window/QuilletServices.h"
#include "card_editor/window/TemplateMenus.h"

#include <QMainWindow>
#include <array>

class CardPictureBox;
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
    QLabel& Image1() { return *image1_; }
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
    void LoadSnapSettings();
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
    void connectFormatViewMenus();
    // Shows "&View" and hides "Forma&t" (a game file), or the other way round (a template).
    void showTextMenus(bool viewMenu);
    void applyLayoutFile(const QString& path);
    void runPendingEvents();

    QuilletServices services_;
    CardDocument doc_;
    TemplateMenus menus_;
    QWidget* inner_ = nullptr;
    QWidget* picture1_ = nullptr;
    CardPictureBox* backgroundImage_ = nullptr;
    std::array<RichTextBox*, BoxCount> boxes_{};
    QLabel* image1_ = nullptr;
    QLabel* picCapture_ = nullptr;
    QScrollBar* hScroll1_ = nullptr;
    QScrollBar* vScroll1_ = nullptr;
    int marginX_ = 0;
    int marginY_ = 0;
};
