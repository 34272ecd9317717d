#include "programmer/window/Mum.h"

#include "common/dialogs/ConnectEach.h"
#include "common/platform/FileSystem.h"
#include "common/richtext/RichTextBox.h"

#include "programmer/window/ClickLabel.h"
#include "programmer/window/ControllerPicture.h"
#include "programmer/window/GridTable.h"
#include "programmer/window/KeyAssignmentTab.h"
#include "programmer/window/OnScreenKeyboard.h"
#include "programmer/window/ProgrammingTab.h"
#include "programmer/window/TableTab.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QSlider>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QAction* addItem(QMenu* menu, const char* caption, const char* name,
                 const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

QAction* addDivider(QMenu* menu, const char* name) {
    QAction* divider = menu->addSeparator();
    divider->setObjectName(QString::fromLatin1(name));
    return divider;
}

QMenu* addMenu(QMenuBar* bar, const char* caption, const char* name) {
    QMenu* menu = bar->addMenu(QString::fromLatin1(caption));
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

// The picture beside the tabs. The scroll area around them would take the height the wrapped
// texts of the programming tab prefer as the least it may give, and scroll long before the
// window is too small; the layout gives those texts their height from what there is.
class SideBySide : public QHBoxLayout {
public:
    using QHBoxLayout::QHBoxLayout;
    bool hasHeightForWidth() const override { return false; }
};

} // namespace

Mum::Mum(ProgrammerServices services, const QString& programFolder, QWidget* parent)
    : QMainWindow(parent), services_(services),
      programFolder_(programFolder.isEmpty() ? FileSystem::programFolder() : programFolder),
      data_(*this, services.messageBox) {
    data_.ProgramFolder = programFolder_;
    setObjectName(QStringLiteral("Mum"));
    setWindowTitle(QStringLiteral("Tavrin - Brelkin Programmer"));
    buildMenus();
    buildStatusBar();
    buildCentre();
    connectControls();
    fitToScreen();
    Form_Load();
}

Mum::~Mum() {
    // The child widgets outlive the game data and the other members; a signal they sent while
    // being destroyed would reach a half-destroyed window.
    for (QObject* child : findChildren<QObject*>()) {
        child->blockSignals(true);
    }
}

void Mum::SetStatusPanel(int panel, const QString& text) {
    if (panel >= 1 && panel <= 3) {
        panels[static_cast<std::size_t>(panel - 1)]->setText(text);
    }
}

void Mum::connectControls() {
    connect(mnuNew, &QAction::triggered, this, &Mum::mnuNew_Click);
    connect(mnuOpen, &QAction::triggered, this, &Mum::mnuOpen_Click);
    connect(mnuSave, &QAction::triggered, this, &Mum::mnuSave_Click);
    connect(mnuFileSaveAs, &QAction::triggered, this, &Mum::mnuFileSaveAs_Click);
    connect(mnuExit, &QAction::triggered, this, &Mum::mnuExit_Click);
    connect(mnuEnterGameName, &QAction::triggered, this, &Mum::mnuEnterGameName_Click);
    connect(mnuAssumeChordedKeys, &QAction::triggered, this, &Mum::mnuAssumeChordedKeys_Click);
    connect(mnuRestoreTable, &QAction::triggered, this, &Mum::mnuRestoreTable_Click);
    connect(mnuQuillet, &QAction::triggered, this, &Mum::mnuQuillet_Click);
    connect(mnuHelpTopics, &QAction::triggered, this, &Mum::mnuHelpTopics_Click);
    connect(mnuAoutTavrin, &QAction::triggered, this, &Mum::mnuAoutTavrin_Click);

    connect(SSTab1, &QTabWidget::currentChanged, this, &Mum::keepFocusInSight);
    connect(picture, &ControllerPicture::buttonClicked, this, &Mum::LblBTN_Click);
    connect(picture, &ControllerPicture::infoLabelClicked, this, &Mum::InfoLabel_Click);
    connect(picture, &ControllerPicture::modeClicked, this, &Mum::LblMODE_Click);
    connectEach(OptionGraphicalViews, &QRadioButton::clicked, this,
                &Mum::OptionGraphicalViews_Click);
    connectEach(tableTab->OptionTableViews, &QRadioButton::clicked, this,
                &Mum::OptionTableViews_Click);

    connect(tableTab->Grid1, &GridTable::mouseClick, this, &Mum::Grid1_MouseClick);
    connectEach(tableTab->Slider1, &QSlider::valueChanged, this, &Mum::ResizeTable);

    ProgrammingTab* tab = programmingTab;
    connect(tab->keyboard, &OnScreenKeyboard::keyClicked, this, &Mum::Command1_Click);
    connectEach(tab->Command2, &QPushButton::clicked, this, &Mum::Command2_Click);
    connectEach(tab->Command3, &QPushButton::clicked, this, &Mum::Command3_Click);
    connectEach(tab->LBLprogramMode, &ClickLabel::clicked, this, &Mum::LBLprogramMode_Click);
    connect(tab->CheckDelete, &QCheckBox::toggled, this, &Mum::CheckDelete_Click);
    connect(tab->Text1, &QLineEdit::textChanged, this, &Mum::Text1_Change);
    connect(tab, &ProgrammingTab::descriptionKeyUp, this, &Mum::Text1_KeyUp);

    connect(TemplateText, &RichTextBox::Change, this, &Mum::TemplateText_Change);
    connectRecordCommands();
    connect(keyAssignmentTab, &KeyAssignmentTab::buttonClicked, this, &Mum::Toolbar1_ButtonClick);
    connect(keyAssignmentTab, &KeyAssignmentTab::buttonMenuClicked, this,
            &Mum::Toolbar1_ButtonMenuClick);
}

void Mum::buildMenus() {
    QMenuBar* bar = menuBar();
    QMenu* file = addMenu(bar, "&File", "mnuFile");
    mnuNew = addItem(file, "&New", "mnuNew", QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuOpen = addItem(file, "&Open", "mnuOpen", QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileDiv1 = addDivider(file, "mnuFileDiv1");
    mnuSave = addItem(file, "&Save", "mnuSave", QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFileSaveAs = addItem(file, "Save &As ...", "mnuFileSaveAs");
    mnuDiv2 = addDivider(file, "mnuDiv2");
    mnuExit = addItem(file, "E&xit", "mnuExit");

    QMenu* programming = addMenu(bar, "&Programming", "mnuProgramming");
    mnuEnterGameName = addItem(programming, "&Enter a game name for the file", "mnuEnterGameName");
    mnuAssumeChordedKeys = addItem(programming, "Assume &Chorded keys", "mnuAssumeChordedKeys");
    mnuAssumeChordedKeys->setCheckable(true);
    mnuAdd1toZero = programming->addMenu(QStringLiteral("&Insert 1 to 0 ..."));
    mnuAdd1toZero->setObjectName(QStringLiteral("mnuAdd1toZero"));
    mnuOrientation1to0[0] = addItem(mnuAdd1toZero, "&Vertically", "mnuOrientation1to0_0");
    mnuOrientation1to0[1] = addItem(mnuAdd1toZero, "&Horizontally", "mnuOrientation1to0_1");

    QMenu* table = addMenu(bar, "&Table", "mnuTable");
    mnuRestoreTable = addItem(table, "&Restore Table size", "mnuRestoreTable");

    QMenu* gamecard = addMenu(bar, "&Create Gamecard", "mnuCreateGamecard");
    mnuQuillet = addItem(gamecard, "&Quillet", "mnuQuillet");

    QMenu* help = addMenu(bar, "&Help", "mnuHelp");
    mnuHelpTopics = addItem(help, "&Help Topics", "mnuHelpTopics");
    mnuHelpDiv = addDivider(help, "mnuHelpDiv");
    mnuAoutTavrin = addItem(help, "&About Tavrin", "mnuAoutTavrin");

    // The table's pop-up: a menu of the window that the menu bar never shows.
    mnuRHM = new QMenu(QStringLiteral("RHMenu"), this);
    mnuRHM->setObjectName(QStringLiteral("mnuRHM"));
    RHMCCP[0] = addItem(mnuRHM, "Cu&t", "RHMCCP_0");
    RHMCCP[1] = addItem(mnuRHM, "&Copy", "RHMCCP_1");
    RHMCCP[2] = addItem(mnuRHM, "&Paste", "RHMCCP_2");
    RHMCCP[2]->setEnabled(false);
    addDivider(mnuRHM, "RHMdiv1");
    RHMSwap = addItem(mnuRHM, "&Swap", "RHMSwap");
    addDivider(mnuRHM, "RHMdiv2");
    RHMDelete = addItem(mnuRHM, "&Delete", "RHMDelete");
}

void Mum::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setSizeGripEnabled(false);
    static constexpr const char* names[3] = {"Messages", "Saved status of current file",
                                             "Currently open file"};
    static constexpr const char* texts[3] = {"", "New file", "Untitled.gam"};
    for (int i = 0; i < 3; ++i) {
        auto* panel = new QLabel(QString::fromLatin1(texts[i]), bar);
        panel->setObjectName(QStringLiteral("StatusBar_Panel%1").arg(i + 1));
        panel->setAccessibleName(QString::fromLatin1(names[i]));
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setMinimumWidth(i == 0 ? 420 : 160);
        if (i > 0) {
            panel->setToolTip(QString::fromLatin1(names[i]));
        }
        bar->addWidget(panel, i == 0 ? 1 : 0);
        panels[static_cast<std::size_t>(i)] = panel;
    }
}

void Mum::buildCentre() {
    // On a screen too small for even the smallest layout the whole window scrolls.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("CentreScroll"));
    scroll->setAccessibleName(QStringLiteral("Window contents"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    // A click on a control that takes no focus of its own would hand it to the scroll area,
    // and the keys typed next would be lost.
    scroll->setFocusPolicy(Qt::NoFocus);
    auto* centre = new QWidget(scroll);
    centre->setObjectName(QStringLiteral("Centre"));

    picture =
        new ControllerPicture([this](int record) { return data_.RowOfRecord(record); }, centre);
    FrameGraphicalViews =
        makeViewOptions(QStringLiteral("FrameGraphicalViews"),
                        QStringLiteral("OptionGraphicalViews"), OptionGraphicalViews, centre);
    auto* left = new QVBoxLayout;
    left->addWidget(picture);
    left->addWidget(FrameGraphicalViews);
    left->addStretch(1);

    SSTab1 = new QTabWidget(centre);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    tableTab = new TableTab(SSTab1);
    programmingTab = new ProgrammingTab(SSTab1);
    keyAssignmentTab = new KeyAssignmentTab(SSTab1);
    SSTab1->addTab(tableTab, QStringLiteral("Programmed buttons for all 5 modes"));
    SSTab1->addTab(programmingTab, QStringLiteral("Program a button"));
    TemplateText = new RichTextBox(keyAssignmentTab);
    TemplateText->setObjectName(QStringLiteral("TemplateText"));
    TemplateText->setAccessibleName(QStringLiteral("Key-assignment document"));
    keyAssignmentTab->setDocumentBox(TemplateText);
    SSTab1->addTab(keyAssignmentTab, QStringLiteral("Key assignments for flight sim"));

    auto* layout = new SideBySide(centre);
    layout->addLayout(left);
    layout->addWidget(SSTab1, 1);
    scroll->setWidget(centre);
    setCentralWidget(scroll);
}

void Mum::keepFocusInSight() {
    // A page with nothing enabled leaves the keyboard on the page itself, or nowhere, where no
    // key does anything and nothing shows it; the tab bar takes it and shows it.
    const QWidget* focused = focusWidget();
    const bool lost = focused == nullptr || focused->focusPolicy() == Qt::NoFocus ||
                      !focused->isVisible() || !focused->isEnabled();
    // A click on the tab of the idle programming page is a click on the tab bar, which then
    // takes the keys, as it does on a page that offers none.
    const bool idlePageClicked = SSTab1->currentWidget() == programmingTab &&
                                 CurrentButton == NoButton &&
                                 QGuiApplication::mouseButtons() != Qt::NoButton;
    if (lost || idlePageClicked) {
        // The style draws a focus frame only once the keyboard has moved the focus.
        setAttribute(Qt::WA_KeyboardFocusChange);
        SSTab1->tabBar()->setFocus(Qt::OtherFocusReason);
    }
}

QSize Mum::sizeHint() const {
    // The scroll area would offer only a small part of what the window holds.
    const auto* scroll = qobject_cast<const QScrollArea*>(centralWidget());
    if (scroll == nullptr || scroll->widget() == nullptr) {
        return QMainWindow::sizeHint();
    }
    return scroll->widget()->sizeHint() +
           QSize(0, menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
}

void Mum::fitToScreen() {
    // Opens as large as it likes where the screen has room, else as large as the screen allows.
    const QScreen* screen = this->screen();
    if (screen == nullptr) {
        return;
    }
    // Room for the title bar and borders the desktop adds.
    const QSize frame(12, 40);
    resize(sizeHint().boundedTo(screen->availableGeometry().size() - frame));
}
