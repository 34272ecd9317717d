#include "card_editor/window/FrmTemplate.h"

#include "card_editor/card/BoxContent.h"
#include "card_editor/card/CardSettings.h"
#include "card_editor/card/GameCaptions.h"
#include "card_editor/card/LayoutFile.h"
#include "card_editor/card/RecentFiles.h"
#include "card_editor/window/CardPictureBox.h"
#include "card_editor/window/CardPrinting.h"
#include "card_editor/window/MovablePicture.h"
#include "card_editor/window/ViewportLayout.h"
#include "common/dialogs/CommonDialog.h"
#include "common/platform/FileSystem.h"
#include "common/platform/MessageBox.h"
#include "common/platform/TextFile.h"
#include "common/printing/Printer.h"
#include "common/richtext/RichTextBox.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>

namespace {

// The window's inner area as designed.
constexpr int DesignedInnerWidth = 764;
constexpr int DesignedInnerHeight = 704;
// The system's application-workspace colour behind the card.
const QColor WorkspaceColour(171, 171, 171);

QString boxAccessibleName(int index) {
    if (index < 28) {
        return QStringLiteral("Box for button %1").arg(index + 1);
    }
    if (index < CardView::TitleBox) {
        return QStringLiteral("Lowest-row box for button %1").arg(index - 23);
    }
    return QStringLiteral("Title box");
}

QRect toQRect(const BoxRect& r) {
    return QRect(r.left, r.top, r.width, r.height);
}
BoxRect toBoxRect(const QRect& r) {
    return BoxRect{r.x(), r.y(), r.width(), r.height()};
}

} // namespace

FrmTemplate::FrmTemplate(QuilletServices services, const QString& programFolder, QWidget* parent)
    : QMainWindow(parent), services_(std::move(services)) {
    doc_.programFolder = programFolder;
    setObjectName(QStringLiteral("FrmTemplate"));
    setWindowTitle(QStringLiteral("Tavrin's Quillet"));
    menus_.build(*menuBar());
    buildControls();
    connectMenus();
    resize(DesignedInnerWidth, DesignedInnerHeight + menuBar()->sizeHint().height());
    Form_Load();
}

FrmTemplate::~FrmTemplate() {
    // The boxes outlive the card document and the other members; a signal they sent while
    // being destroyed would reach a half-destroyed window.
    for (QObject* child : findChildren<QObject*>()) {
        child->blockSignals(true);
    }
}

void FrmTemplate::buildControls() {
    inner_ = new QWidget(this);
    inner_->setObjectName(QStringLiteral("InnerArea"));
    setCentralWidget(inner_);
    inner_->installEventFilter(this);

    picture1_ = new QWidget(inner_);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->setAccessibleName(QStringLiteral("Card view"));
    picture1_->setAutoFillBackground(true);
    QPalette pal = picture1_->palette();
    pal.setColor(QPalette::Window, WorkspaceColour);
    picture1_->setPalette(pal);

    backgroundImage_ = new CardPictureBox(picture1_);
    backgroundImage_->setObjectName(QStringLiteral("BackgroundImage"));
    backgroundImage_->setAccessibleName(QStringLiteral("Card picture"));

    const CardLayout& layout = builtInLayout();
    // The movable picture is made first, so that it lies under the boxes: their text shows
    // over it, as on the printed card, and a box moved onto it can still be clicked.
    image1_ = new MovablePicture(backgroundImage_);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setAccessibleName(QStringLiteral("Movable picture"));
    image1_->setGeometry(toQRect(layout.picture));

    QFont boxFont(QStringLiteral("Arial"));
    boxFont.setPointSizeF(8.25);
    for (int i = 0; i < BoxCount; ++i) {
        auto* box = new CardBox(backgroundImage_);
        box->setObjectName(QStringLiteral("RTFbtn_%1").arg(i));
        box->setAccessibleName(boxAccessibleName(i));
        box->setFont(boxFont);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // A thin border and margin leave the small boxes room for their lines.
        box->setFrameStyle(QFrame::Box | QFrame::Plain);
        box->setLineWidth(1);
        box->document()->setDocumentMargin(1);
        box->setGeometry(toQRect(layout.boxes[i]));
        boxes_[i] = box;
    }

    hScroll1_ = new QScrollBar(Qt::Horizontal, inner_);
    hScroll1_->setObjectName(QStringLiteral("HScroll1"));
    vScroll1_ = new QScrollBar(Qt::Vertical, inner_);
    vScroll1_->setObjectName(QStringLiteral("VScroll1"));
    for (QScrollBar* bar : {hScroll1_, vScroll1_}) {
        bar->setMinimum(0);
        bar->setSingleStep(1);
        bar->setPageStep(1);
        bar->setTracking(false); // the card moves when the thumb is let go
    }
    connect(hScroll1_, &QScrollBar::valueChanged, this, &FrmTemplate::HScroll1_Change);
    connect(vScroll1_, &QScrollBar::valueChanged, this, &FrmTemplate::VScroll1_Change);

    picCapture_ = new QLabel(this);
    picCapture_->setObjectName(QStringLiteral("PicCapture"));
    picCapture_->hide();
}

void FrmTemplate::connectMenus() {
    connect(menus_.mnuOpen, &QAction::triggered, this, &FrmTemplate::mnuOpen_Click);
    connect(menus_.mnuFilePrint, &QAction::triggered, this, &FrmTemplate::mnuFilePrint_Click);
    connect(menus_.mnuFileExit, &QAction::triggered, this, &FrmTemplate::mnuFileExit_Click);
    connect(menus_.mnuSaveTBposnsAsDefault, &QAction::triggered, this,
            &FrmTemplate::mnuSaveTBposnsAsDefault_Click);
    connect(menus_.mnuTBRestoreOriginal, &QAction::triggered, this,
            &FrmTemplate::mnuTBRestoreOriginal_Click);
    connectFormatViewMenus();
    connect(menus_.mnuImageVisible, &QAction::triggered, this, &FrmTemplate::mnuImageVisible_Click);
    connect(menus_.mnuEditPreferences, &QAction::triggered, this,
            &FrmTemplate::mnuEditPreferences_Click);
    connectImageMenu();
    connectFileMenus();
    connectEditMenus();
}

// --- CardView --------------------------------------------------------------------------------

RichTextBox& FrmTemplate::RTFbtn(int index) {
    return *boxes_.at(index);
}

bool FrmTemplate::ViewCaptionChecked(int mode) const {
    return menus_.mnuViewCaptions.at(mode)->isChecked();
}

void FrmTemplate::SetViewCaptionChecked(int mode, bool checked) {
    menus_.mnuViewCaptions.at(mode)->setChecked(checked);
}

bool FrmTemplate::NoRepeatChecked() const {
    return menus_.mnuViewNoRepeat->isChecked();
}

// --- Start-up and the layout view ------------------------------------------------------------

void FrmTemplate::Form_Load() {
    doc_.RecentMax = 30;
    CardSettings::LoadFileLocations(doc_);
    CardSettings::LoadStyles(doc_);
    CardSettings::LoadBottomRow(doc_);
    doc_.captions.clear();
    doc_.OpenPending = 0;
    doc_.ImagePath = QStringLiteral("none");
    showTextMenus(false);
    if (!doc_.BitmapPath.isEmpty() && FileSystem::fileExists(doc_.BitmapPath)) {
        backgroundImage_->loadPicture(doc_.BitmapPath);
    }
    for (RichTextBox* box : boxes_) {
        box->setSelAlignment(BoxContent::Centred);
    }
    doc_.TBLastTop = doc_.TBLastLeft = doc_.TBLastWidth = doc_.TBLastHeight = -1;
    LoadRecentFiles();
    LoadSnapSettings();
    if (SnapMode >= 0 && SnapMode < int(menus_.mnuResizeOption.size())) {
        menus_.mnuResizeOption[SnapMode]->setChecked(true);
    }
    GetDefaultTBposns();
    if (doc_.AutoLoadRecent == 1) {
        mnuPreviousArray_Click(1);
    }
}

bool FrmTemplate::eventFilter(QObject* watched, QEvent* event) {
    if (watched == inner_ && event->type() == QEvent::Resize) {
        Form_Resize();
    }
    if (cardMouseEvent(watched, event)) {
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void FrmTemplate::Form_Resize() {
    RepositionThePictureboxes();
}

void FrmTemplate::RepositionThePictureboxes() {
    ViewportLayout::Input in;
    in.inner = inner_->size();
    in.card = backgroundImage_->size();
    in.vScrollWidth = vScroll1_->sizeHint().width();
    in.hScrollHeight = hScroll1_->sizeHint().height();
    in.hVisible = !hScroll1_->isHidden();
    in.vVisible = !vScroll1_->isHidden();
    const ViewportLayout l = ViewportLayout::compute(in);

    marginX_ = l.marginX;
    marginY_ = l.marginY;
    backgroundImage_->move(l.cardAt);
    hScroll1_->setMaximum(std::max(l.hMax, 0));
    vScroll1_->setMaximum(std::max(l.vMax, 0));
    hScroll1_->setVisible(l.hVisible);
    vScroll1_->setVisible(l.vVisible);
    picture1_->setGeometry(l.picture1);
    if (l.hVisible) {
        hScroll1_->setGeometry(l.hScroll);
        hScroll1_->setValue(0);
    }
    if (l.vVisible) {
        vScroll1_->setGeometry(l.vScroll);
        vScroll1_->setValue(0);
    }
    update();
}

void FrmTemplate::HScroll1_Change() {
    backgroundImage_->move(marginX_ - hScroll1_->value(), backgroundImage_->y());
    hScroll1_->update();
}

void FrmTemplate::VScroll1_Change() {
    backgroundImage_->move(backgroundImage_->x(), marginY_ - vScroll1_->value());
    vScroll1_->update();
}

void FrmTemplate::Form_Unload() {
    backgroundImage_->clearPicture();
    image1_->clearPicture();
}

void FrmTemplate::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void FrmTemplate::mnuFileExit_Click() {
    close();
}

void FrmTemplate::showTextMenus(bool viewMenu) {
    menus_.mnuView->menuAction()->setVisible(viewMenu);
    menus_.mnuFormat->menuAction()->setVisible(!viewMenu);
}

void FrmTemplate::runPendingEvents() {
    QCoreApplication::processEvents();
}

double FrmTemplate::twipsPerPixelX() const {
    return 1440.0 / logicalDpiX();
}
double FrmTemplate::twipsPerPixelY() const {
    return 1440.0 / logicalDpiY();
}

// --- Game files and captions -----------------------------------------------------------------

void FrmTemplate::mnuOpen_Click() {
    OpenGamFile();
}

void FrmTemplate::OpenGamFile() {
    if (doc_.OpenPending == 0) {
        CommonDialog& dialog = services_.commonDialog;
        dialog.Filter =
            QStringLiteral("Brelkin game file (*.gam)|*.gam|Quillet Template (*.qlt)|*.qlt");
        FileSystem::ChangeToDriveRoot(doc_.GamDefaultDirectory);
        dialog.InitDir = doc_.GamDefaultDirectory;
        // The last name is offered again without its folder, which would move the dialog
        // away from the game folder.
        dialog.FileName = QFileInfo(dialog.FileName).fileName();
        if (!dialog.ShowOpen()) {
            return;
        }
        doc_.OpenFileName = FileSystem::storedPathCase(dialog.FileName);
    } else {
        doc_.OpenFileName = doc_.PendingFile;
    }
    if (doc_.OpenFileName.endsWith(QStringLiteral(".qlt"), Qt::CaseInsensitive)) {
        TemplateFile = doc_.OpenFileName;
        OpenTemplate();
        return;
    }

    doc_.OpenPending = 0;
    FileSystem::ChangeToDriveRoot(doc_.OpenFileName);
    doc_.captions.clear();
    showTextMenus(true);
    const std::optional<QStringList> lines = TextFile::readLines(doc_.OpenFileName);
    if (!lines) {
        // Nothing could be read: say so, and show the card as the emptied captions leave it.
        services_.messageBox.MsgBox(QStringLiteral("I couldn't open ") + doc_.OpenFileName +
                                        QStringLiteral(" to read the game's descriptions."),
                                    MsgStyle::Exclamation, QStringLiteral("Can't open file"));
        ShowAll();
        return;
    }
    if (const std::optional<QString> name = GameCaptions::readLines(*lines, doc_.captions)) {
        doc_.GameName = *name;
    }
    SetTitleBox(doc_.GameName);
    doc_.CurrentFile = doc_.OpenFileName;
    AddToRecentFiles();
    GetDefaultImage();
    ShowAll();
}

void FrmTemplate::RefreshTemplate() {
    BoxContent::RefreshTemplate(doc_, *this);
    for (int i = 0; i < TitleBox; ++i) {
        // The rebuilt text is the program's, not an edit the user could undo.
        boxes_[i]->document()->clearUndoRedoStacks();
        // The first mode's line is seen, as on the printed card; typing still scrolls.
        boxes_[i]->showFirstLine();
    }
}

void FrmTemplate::SetupFont(int BoxNo, int Alignment, int Style) {
    if (BoxNo >= 1 && BoxNo <= BoxCount && Style >= 1 && Style <= StyleCount) {
        BoxContent::SetupFont(doc_, RTFbtn(BoxNo - 1), Alignment, Style);
    }
}

void FrmTemplate::ShowAll() {
    for (int m = 0; m < ModeCount; ++m) {
        SetViewCaptionChecked(m, true);
    }
    RefreshTemplate();
}

void FrmTemplate::SetTitleBox(const QString& title) {
    BoxContent::SetTitle(doc_, RTFbtn(TitleBox), title);
}

void FrmTemplate::mnuImageVisible_Click() {
    if (ImageUpdating == 1) {
        return;
    }
    image1_->setVisible(menus_.mnuImageVisible->isChecked());
}

// --- Box positions ---------------------------------------------------------------------------

CardLayout FrmTemplate::currentLayout() const {
    CardLayout layout;
    layout.picture = toBoxRect(image1_->geometry());
    layout.pictureVisible = menus_.mnuImageVisible->isChecked();
    for (int i = 0; i < BoxCount; ++i) {
        layout.boxes[i] = toBoxRect(boxes_[i]->geometry());
    }
    return layout;
}

void FrmTemplate::SaveDefaultTBposns() {
    // The file is replaced only once the new one is complete, so a failed write keeps the
    // old positions.
    const QString path = FileSystem::joinPath(doc_.programFolder, QStringLiteral("Default.txt"));
    runPendingEvents();
    TextFile::writeLines(path, LayoutFile::lines(currentLayout()));
}

void FrmTemplate::GetDefaultTBposns() {
    const QString path = FileSystem::joinPath(doc_.programFolder, QStringLiteral("Default.txt"));
    if (!FileSystem::fileExists(path)) {
        SaveDefaultTBposns();
        runPendingEvents();
        return;
    }
    runPendingEvents();
    applyLayoutFile(path);
}

void FrmTemplate::RestoreDefaults() {
    const QString path = FileSystem::joinPath(doc_.programFolder, QStringLiteral("Restore.txt"));
    if (!FileSystem::fileExists(path)) {
        services_.messageBox.MsgBox(
            QStringLiteral("I couldn't find ") + path +
                QStringLiteral(
                    " which contains the information I need to restore the original textbox "
                    "positions. You can either reinstall the software to fix this, or, delete "
                    "the Default.txt file in the Tavrin directory, then restart the Quillet "
                    "which will create a Default.txt file, and then rename this file in "
                    "Explorer to Restore.txt"),
            MsgStyle::Critical, QStringLiteral("Where is the Restore.txt file?"));
        runPendingEvents();
        return;
    }
    runPendingEvents();
    applyLayoutFile(path);
    runPendingEvents();
    SaveDefaultTBposns();
}

void FrmTemplate::applyLayoutFile(const QString& path) {
    const std::optional<QByteArray> bytes = FileSystem::readFile(path);
    if (!bytes) {
        return;
    }
    applyLayout(LayoutFile::read(*bytes));
}

void FrmTemplate::applyLayout(const LayoutFile::Read& read) {
    if (read.picture) {
        image1_->setGeometry(toQRect(*read.picture));
    }
    ImageUpdating = 1;
    if (read.pictureVisible) {
        menus_.mnuImageVisible->setChecked(*read.pictureVisible);
        image1_->setVisible(*read.pictureVisible);
        image1_->update();
        if (*read.pictureVisible) {
            // In front of the card's own picture, never of the boxes.
            image1_->lower();
        }
    }
    ImageUpdating = 0;
    for (int i = 0; i < BoxCount; ++i) {
        if (read.boxes[i]) {
            boxes_[i]->setGeometry(toQRect(*read.boxes[i]));
        }
    }
}

void FrmTemplate::mnuSaveTBposnsAsDefault_Click() {
    SaveDefaultTBposns();
}

void FrmTemplate::mnuTBRestoreOriginal_Click() {
    RestoreDefaults();
}

// --- Printing --------------------------------------------------------------------------------

void FrmTemplate::mnuFilePrint_Click() {
    if (services_.printerCount() < 1) {
        CardPrinting::ReportNoPrinter(services_.messageBox);
        return;
    }
    repaint();
    std::unique_ptr<Printer> printer = services_.makePrinter();
    if (!printer) {
        return;
    }
    CardSheet sheet;
    sheet.background = backgroundImage_->picture().toImage();
    sheet.cardSize = backgroundImage_->size();
    sheet.imageShown = menus_.mnuImageVisible->isChecked();
    sheet.image = image1_->picture();
    sheet.imageRect = image1_->geometry();
    sheet.boxes.assign(boxes_.begin(), boxes_.end());
    sheet.twipsPerPixelX = twipsPerPixelX();
    sheet.twipsPerPixelY = twipsPerPixelY();
    CardPrinting::PrintCard(sheet, *printer, services_.messageBox);
}
