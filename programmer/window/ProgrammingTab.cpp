#include "programmer/window/ProgrammingTab.h"

#include "programmer/window/SingleLineValidator.h"

#include "programmer/window/ClickLabel.h"
#include "programmer/window/OnScreenKeyboard.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr const char* modeCaptions[ProgrammingTab::ModeCount] = {"Views-Out", "Views-In", "Wingman",
                                                                 "Radar/Target", "Weapons"};

constexpr const char* labelCaptions[9] = {
    "To program one of the Brelkin buttons, select the mode you want to program it in (eg. "
    "Views-Out) and then click on the button you want to program. The button's number will turn "
    "red to show that it is the button being programmed. If the button has been previously "
    "programmed, it will be green, and its associated keyboard keys will appear below.",
    "Description of button's function:",
    "(maximum 16 characters)",
    "Keyboard keys generated",
    "Use the keyboard to assign keyboard keys for this button:",
    "Memory available for this button",
    "If you're happy with the keys you've assigned to this Brelkin button, then press the Accept "
    "button below. If you want to revert back to the button's previous assignments if there were "
    "any, then press the Cancel button. If you want to delete all the programming information "
    "from this button, make sure the checkbox 'Delete all programming for this button' is checked "
    "and then press the Delete button.",
    "Button being programmed:",
    "-",
};

QPushButton* makeButton(const QString& caption, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    // Enter presses the button that has the focus, as Space does; outside a dialog Qt would
    // ignore it, and a key press hands the focus to "Accept".
    button->setAutoDefault(true);
    return button;
}

} // namespace

ProgrammingTab::ProgrammingTab(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ProgrammingTab"));
    for (int i = 0; i < 9; ++i) {
        auto* label = new QLabel(QString::fromLatin1(labelCaptions[i]), this);
        label->setObjectName(QStringLiteral("Label2_%1").arg(i));
        Label2[static_cast<std::size_t>(i)] = label;
    }
    Label2[0]->setWordWrap(true);
    Label2[6]->setWordWrap(true);
    Label2[8]->setAccessibleName(QStringLiteral("Number of the button being programmed"));
    QFont strong = Label2[8]->font();
    strong.setBold(true);
    Label2[8]->setFont(strong);

    // Modes the programming goes to: a label per mode, green when chosen.
    FrameMultiModeSelect =
        new QGroupBox(QStringLiteral("Apply this programming to the following modes"), this);
    FrameMultiModeSelect->setObjectName(QStringLiteral("FrameMultiModeSelect"));
    auto* modeLayout = new QVBoxLayout(FrameMultiModeSelect);
    modeLayout->setSpacing(3);
    for (int i = 0; i < ModeCount; ++i) {
        auto* label = new ClickLabel(QString::fromLatin1(modeCaptions[i]), FrameMultiModeSelect);
        label->setObjectName(QStringLiteral("LBLprogramMode_%1").arg(i));
        label->setAlignment(Qt::AlignCenter);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Raised);
        label->setMinimumHeight(22);
        label->setCursor(Qt::PointingHandCursor);
        label->setKeyboardClickable();
        modeLayout->addWidget(label);
        LBLprogramMode[static_cast<std::size_t>(i)] = label;
    }
    Command3[3] = makeButton(QStringLiteral("Select all"), QStringLiteral("Command3_3"),
                             FrameMultiModeSelect);
    modeLayout->addWidget(Command3[3]);
    modeLayout->addStretch(1);

    // The button, its description, its key presses and the memory left.
    FrameButtonAssignments = new QGroupBox(QStringLiteral("Button Programming Information"), this);
    FrameButtonAssignments->setObjectName(QStringLiteral("FrameButtonAssignments"));
    auto* data = new QGridLayout(FrameButtonAssignments);
    for (int i : {1, 2, 3, 5, 7, 8}) {
        Label2[static_cast<std::size_t>(i)]->setParent(FrameButtonAssignments);
    }
    auto* numberRow = new QHBoxLayout;
    numberRow->addWidget(Label2[7]);
    numberRow->addWidget(Label2[8]);
    numberRow->addStretch(1);
    data->addLayout(numberRow, 0, 0, 1, 3);
    data->addWidget(Label2[1], 1, 0);
    Text1 = new QLineEdit(FrameButtonAssignments);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(QStringLiteral("Description of button's function"));
    SingleLineValidator::install(Text1, 16);
    Text1->installEventFilter(this);
    data->addWidget(Text1, 1, 1);
    Command3[0] =
        makeButton(QStringLiteral("Clear"), QStringLiteral("Command3_0"), FrameButtonAssignments);
    Command3[0]->setAccessibleName(QStringLiteral("Clear description"));
    data->addWidget(Command3[0], 1, 2);
    data->addWidget(Label2[2], 2, 1);
    data->addWidget(Label2[3], 3, 0, Qt::AlignTop);
    MacroStepsList = new QListWidget(FrameButtonAssignments);
    MacroStepsList->setObjectName(QStringLiteral("MacroStepsList"));
    MacroStepsList->setAccessibleName(QStringLiteral("Keyboard keys generated"));
    MacroStepsList->setMinimumHeight(70);
    data->addWidget(MacroStepsList, 3, 1, 2, 1);
    Command3[1] = makeButton(QStringLiteral("Remove last step"), QStringLiteral("Command3_1"),
                             FrameButtonAssignments);
    Command3[1]->hide();
    data->addWidget(Command3[1], 3, 2);
    Command3[2] =
        makeButton(QStringLiteral("Clear"), QStringLiteral("Command3_2"), FrameButtonAssignments);
    Command3[2]->setAccessibleName(QStringLiteral("Clear key presses"));
    data->addWidget(Command3[2], 4, 2, Qt::AlignTop);
    data->addWidget(Label2[5], 5, 0);
    ProgressBar1 = new QProgressBar(FrameButtonAssignments);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setAccessibleName(QStringLiteral("Memory available for this button"));
    ProgressBar1->setRange(0, 14);
    ProgressBar1->setValue(14);
    ProgressBar1->setFormat(QStringLiteral("%v of %m bytes"));
    data->addWidget(ProgressBar1, 5, 1, 1, 2);
    data->setColumnStretch(1, 1);

    auto* upper = new QHBoxLayout;
    upper->addWidget(FrameMultiModeSelect);
    upper->addWidget(FrameButtonAssignments, 1);

    FrameKeyboard = new QGroupBox(this);
    FrameKeyboard->setObjectName(QStringLiteral("FrameKeyboard"));
    FrameKeyboard->setAccessibleName(QStringLiteral("Keyboard"));
    auto* keyboardLayout = new QVBoxLayout(FrameKeyboard);
    Label2[4]->setParent(FrameKeyboard);
    keyboardLayout->addWidget(Label2[4]);
    keyboard = new OnScreenKeyboard(FrameKeyboard);
    keyboardLayout->addWidget(keyboard);

    CheckDelete = new QCheckBox(QStringLiteral("Delete all programming for this button"), this);
    CheckDelete->setObjectName(QStringLiteral("CheckDelete"));
    Command2[0] = makeButton(QStringLiteral("Accept"), QStringLiteral("Command2_0"), this);
    Command2[1] = makeButton(QStringLiteral("Cancel"), QStringLiteral("Command2_1"), this);
    // The advice on Accept, Cancel and Delete stands beside those controls, which keeps the tab
    // low enough for a laptop screen.
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command2[0]);
    buttons->addWidget(Command2[1]);
    auto* commands = new QVBoxLayout;
    commands->addWidget(CheckDelete);
    commands->addLayout(buttons);
    auto* closing = new QHBoxLayout;
    closing->addWidget(Label2[6], 1);
    closing->addLayout(commands);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(Label2[0]);
    layout->addLayout(upper);
    layout->addWidget(FrameKeyboard);
    layout->addLayout(closing);
    layout->addStretch(1);
}

bool ProgrammingTab::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1) {
        if (event->type() == QEvent::FocusIn) {
            keyPressedInText1_ = false;
        } else if (event->type() == QEvent::KeyPress) {
            keyPressedInText1_ = true;
        } else if (event->type() == QEvent::KeyRelease && keyPressedInText1_) {
            emit descriptionKeyUp();
        }
    }
    return QWidget::eventFilter(watched, event);
}
