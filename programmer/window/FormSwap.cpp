#include "programmer/window/FormSwap.h"

#include "common/dialogs/ConnectEach.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr const char* optionCaptions[3] = {"Swap single button programming",
                                           "Swap 2 buttons for all modes (swap rows)",
                                           "Swap modes (swap columns)"};
constexpr const char* labelCaptions[4] = {"Button from:", "Button to:", "Mode from:", "Mode to:"};
constexpr const char* modeNames[5] = {"Views-Out", "Views-In", "Wingman", "Radar/Target",
                                      "Weapons"};

} // namespace

FormSwap::FormSwap(SwapRequest& request, QWidget* parent) : QDialog(parent), request_(request) {
    setObjectName(QStringLiteral("FormSwap"));
    setWindowTitle(QStringLiteral("Swap programming"));
    setModal(true);

    Frame1 = new QGroupBox(QStringLiteral("Select the swap style"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* options = new QVBoxLayout(Frame1);
    for (int i = 0; i < 3; ++i) {
        auto* option = new QRadioButton(QString::fromLatin1(optionCaptions[i]), Frame1);
        option->setObjectName(QStringLiteral("OptionSwap_%1").arg(i));
        options->addWidget(option);
        OptionSwap[static_cast<std::size_t>(i)] = option;
    }
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(QString::fromLatin1(labelCaptions[i]), this);
        label->setObjectName(QStringLiteral("Label1_%1").arg(i));
        auto* combo = new QComboBox(this); // a list to pick from: nothing can be typed
        combo->setObjectName(QStringLiteral("ModeCombo_%1").arg(i));
        combo->setAccessibleName(QString::fromLatin1(labelCaptions[i]).chopped(1));
        label->setBuddy(combo);
        Label1[static_cast<std::size_t>(i)] = label;
        ModeCombo[static_cast<std::size_t>(i)] = combo;
    }
    Command1[0] = new QPushButton(QStringLiteral("Swap"), this);
    Command1[0]->setObjectName(QStringLiteral("Command1_0"));
    Command1[0]->setDefault(true);
    Command1[1] = new QPushButton(QStringLiteral("Cancel"), this);
    Command1[1]->setObjectName(QStringLiteral("Command1_1"));

    // Buttons side by side in one row; the modes side by side below, each label above its list.
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Label1[0]);
    buttons->addWidget(ModeCombo[0]);
    buttons->addSpacing(12);
    buttons->addWidget(Label1[1]);
    buttons->addWidget(ModeCombo[1]);
    buttons->addStretch(1);
    auto* modes = new QGridLayout;
    modes->addWidget(Label1[2], 0, 0);
    modes->addWidget(ModeCombo[2], 1, 0);
    modes->addWidget(Label1[3], 0, 1);
    modes->addWidget(ModeCombo[3], 1, 1);
    auto* commands = new QHBoxLayout;
    commands->addWidget(Command1[1]);
    commands->addStretch(1);
    commands->addWidget(Command1[0]);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);
    layout->addLayout(modes);
    layout->addLayout(commands);

    // Tab goes down the dialog as it reads, ending on "Swap".
    QWidget::setTabOrder(OptionSwap[0], ModeCombo[0]);
    QWidget::setTabOrder(ModeCombo[0], ModeCombo[1]);
    QWidget::setTabOrder(ModeCombo[1], ModeCombo[2]);
    QWidget::setTabOrder(ModeCombo[2], ModeCombo[3]);
    QWidget::setTabOrder(ModeCombo[3], Command1[1]);
    QWidget::setTabOrder(Command1[1], Command1[0]);

    for (QRadioButton* option : OptionSwap) {
        connect(option, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked) {
                OptionSwap_Click();
            }
        });
    }
    connectEach(Command1, &QPushButton::clicked, this, &FormSwap::Command1_Click);

    Form_Load();
    OptionSwap[0]->setChecked(true);
    OptionSwap[0]->setFocus();
}

void FormSwap::Form_Load() {
    FillCombos();
    request_.SwapCancelled = 1;
}

void FormSwap::FillCombos() {
    for (int i = 1; i <= 28; ++i) {
        ModeCombo[0]->addItem(QString::number(i));
        ModeCombo[1]->addItem(QString::number(i));
    }
    ModeCombo[0]->setCurrentIndex(0);
    ModeCombo[1]->setCurrentIndex(0);
    for (const char* name : modeNames) {
        ModeCombo[2]->addItem(QString::fromLatin1(name));
        ModeCombo[3]->addItem(QString::fromLatin1(name));
    }
    ModeCombo[2]->setCurrentIndex(0);
    ModeCombo[3]->setCurrentIndex(0);
}

void FormSwap::setPairEnabled(int index, bool enabled) {
    ModeCombo[static_cast<std::size_t>(index)]->setEnabled(enabled);
    Label1[static_cast<std::size_t>(index)]->setEnabled(enabled);
}

void FormSwap::OptionSwap_Click() {
    const bool buttons = !OptionSwap[2]->isChecked();
    const bool modes = !OptionSwap[1]->isChecked();
    setPairEnabled(0, buttons);
    setPairEnabled(1, buttons);
    setPairEnabled(2, modes);
    setPairEnabled(3, modes);
}

void FormSwap::Command1_Click(int Index) {
    if (Index == 0) {
        for (int i = 0; i < 3; ++i) {
            if (OptionSwap[static_cast<std::size_t>(i)]->isChecked()) {
                request_.SwapStyle = i;
            }
        }
        request_.ButtonFrom = ModeCombo[0]->currentIndex() + 1;
        request_.ButtonTo = ModeCombo[1]->currentIndex() + 1;
        request_.ModeFrom = ModeCombo[2]->currentIndex() + 1;
        request_.ModeTo = ModeCombo[3]->currentIndex() + 1;
        request_.SwapCancelled = 0;
        accept();
        return;
    }
    request_.SwapCancelled = 1;
    reject();
}
