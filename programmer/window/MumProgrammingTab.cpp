// The programming tab: the edit record of the selected button, its modes, Accept, Delete and
// Cancel.
#include "programmer/window/Mum.h"

#include "common/platform/MessageBox.h"
#include "programmer/gamedata/KeyText.h"
#include "programmer/window/ClickLabel.h"
#include "programmer/window/ControllerPicture.h"
#include "programmer/window/OnScreenKeyboard.h"
#include "programmer/window/ProgrammingTab.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

QColor Mum::modeNotSelectedColour() const {
    return QApplication::palette().color(QPalette::Button);
}

bool Mum::modeSelected(int index) const {
    return programmingTab->LBLprogramMode[static_cast<std::size_t>(index)]->backColor() ==
           modeSelectedColour();
}

void Mum::setModeSelected(int index, bool selected) {
    programmingTab->LBLprogramMode[static_cast<std::size_t>(index)]->setBackColor(
        selected ? modeSelectedColour() : modeNotSelectedColour());
}

void Mum::setDataLabelsEnabled(bool enabled) {
    for (int i = 1; i <= 8; ++i) {
        programmingTab->Label2[static_cast<std::size_t>(i)]->setEnabled(enabled);
    }
}

void Mum::setFramesEnabled(bool enabled) {
    programmingTab->FrameButtonAssignments->setEnabled(enabled);
    programmingTab->FrameKeyboard->setEnabled(enabled);
    programmingTab->FrameMultiModeSelect->setEnabled(enabled);
}

QString Mum::pressedButtonNumber() const {
    return QString::number(data_.RowOfRecord(CurrentButton + 1));
}

// Empty description and key list, a full memory bar, both "Clear" buttons off.
void Mum::clearEditDisplay(bool barEnabled, bool selectAllEnabled) {
    ProgrammingTab* tab = programmingTab;
    tab->Text1->clear();
    tab->ProgressBar1->setEnabled(barEnabled);
    tab->ProgressBar1->setValue(ButtonRecord::MaxBytes);
    tab->MacroStepsList->clear();
    tab->Command3[0]->setEnabled(false);
    tab->Command3[2]->setEnabled(false);
    tab->Command3[3]->setEnabled(selectAllEnabled);
}

void Mum::ResetButtonProgrammingTab() {
    ProgrammingTab* tab = programmingTab;
    clearEditDisplay(false, false);
    for (int i = 0; i < ProgrammingTab::ModeCount; ++i) {
        setModeSelected(i, false);
        tab->LBLprogramMode[static_cast<std::size_t>(i)]->setEnabled(false);
    }
    setDataLabelsEnabled(false);
    tab->keyboard->setAllKeysEnabled(false);
    tab->CheckDelete->setChecked(false); // runs CheckDelete_Click when it was checked
    tab->CheckDelete->setEnabled(false);
    tab->Command2[0]->setEnabled(false);
    tab->Command2[1]->setEnabled(false);
    setFramesEnabled(false);
}

void Mum::EnableButtonProgrammingTab() {
    ProgrammingTab* tab = programmingTab;
    clearEditDisplay(true, true);
    for (int i = 0; i < ProgrammingTab::ModeCount; ++i) {
        setModeSelected(i, !picture->lamp(i)->isHidden());
        tab->LBLprogramMode[static_cast<std::size_t>(i)]->setEnabled(true);
    }
    setDataLabelsEnabled(true);
    tab->keyboard->setAllKeysEnabled(true);
    tab->CheckDelete->setChecked(false);
    tab->CheckDelete->setEnabled(true);
    tab->Command2[0]->setEnabled(true);
    tab->Command2[1]->setEnabled(true);
    setFramesEnabled(true);
}

// Lists the presses of the edit record; returns the code bytes still free (below 0 when the
// record holds more than the button's memory).
int Mum::listEditRecord() {
    const ButtonRecord& edit = *data_.TempButton.at(1);
    programmingTab->MacroStepsList->addItems(KeyPressNames(edit, messageBox()));
    return ButtonRecord::MaxBytes - edit.BytesUsed();
}

void Mum::ButtonDataOnProgrammingTab() {
    ProgrammingTab* tab = programmingTab;
    int free = ButtonRecord::MaxBytes;
    data_.SetupButtonArray(GameData::TempButtonArray);
    if (const ButtonRecord* stored = data_.Record(data_.CurrentMode, CurrentButton + 1)) {
        data_.TempButton.set(1, *stored);
    }
    const ButtonRecord& edit = *data_.TempButton.at(1);
    if (edit.NumKeyPresses > 0) {
        tab->Text1->setText(edit.Description);
        free = listEditRecord();
    } else {
        tab->Text1->clear();
        tab->MacroStepsList->clear();
    }
    EnableDisableMacrolistButtons();
    tab->ProgressBar1->setValue(qMax(0, free));
}

void Mum::AssignTempDataAndDisplay() {
    ProgrammingTab* tab = programmingTab;
    int free = ButtonRecord::MaxBytes;
    const ButtonRecord& edit = *data_.TempButton.at(1);
    tab->Text1->setText(edit.Description);
    tab->MacroStepsList->clear();
    if (edit.NumKeyPresses > 0) {
        free = listEditRecord();
    }
    EnableDisableMacrolistButtons();
    if (free < 0) {
        messageBox().MsgBox(QStringLiteral("You've got too many key presses programmed for this "
                                           "button. You'll need to remove some."),
                            MsgStyle::Critical, QStringLiteral("Too many key presses"));
        tab->Command2[0]->setEnabled(false);
        tab->ProgressBar1->setValue(0);
        return;
    }
    tab->Command2[0]->setEnabled(true);
    tab->ProgressBar1->setValue(free);
}

void Mum::EnableDisableMacrolistButtons() {
    programmingTab->Command3[2]->setEnabled(programmingTab->MacroStepsList->count() > 0);
}

void Mum::GetCurrentMode() {
    for (int i = 0; i < ControllerPicture::ModeCount; ++i) {
        if (!picture->lamp(i)->isHidden()) {
            data_.CurrentMode = i + 1;
            return;
        }
    }
}

void Mum::RefreshProgrammingData() {
    FillTable(data_.TableViewMode);
    LblMODE_Click(data_.CurrentMode - 1);
}

void Mum::Text1_Change() {
    programmingTab->Command3[0]->setEnabled(!programmingTab->Text1->text().isEmpty());
}

void Mum::Text1_KeyUp() {
    data_.TempButton.at(1)->Description = programmingTab->Text1->text();
    data_.ProgrammingInProgress = 1;
}

void Mum::LBLprogramMode_Click(int Index) {
    if (Index < 0 || Index >= ProgrammingTab::ModeCount) {
        return;
    }
    setModeSelected(Index, !modeSelected(Index));
}

void Mum::Command3_Click(int Index) {
    ProgrammingTab* tab = programmingTab;
    ButtonRecord& edit = *data_.TempButton.at(1);
    switch (Index) {
    case 0:
        tab->Text1->clear();
        edit.Description.clear();
        tab->Command3[0]->setEnabled(false);
        data_.ProgrammingInProgress = 1;
        break;
    case 2:
        edit.NumKeyPresses = 0;
        edit.KeyText.clear();
        for (int j = 1; j <= ButtonRecord::MaxBytes; ++j) {
            edit.setKeyCodeByte(j, ButtonRecord::BlankByte);
            edit.setKeyPressLen(j, 0);
        }
        tab->Command3[2]->setEnabled(false);
        data_.ProgrammingInProgress = 1;
        AssignTempDataAndDisplay();
        break;
    case 3:
        for (int i = 0; i < ProgrammingTab::ModeCount; ++i) {
            setModeSelected(i, true);
        }
        break;
    default:
        break;
    }
}

void Mum::CheckDelete_Click() {
    ProgrammingTab* tab = programmingTab;
    if (tab->CheckDelete->isChecked()) {
        clearEditDisplay(false, true);
        setDataLabelsEnabled(false);
        tab->keyboard->setAllKeysEnabled(false);
        tab->Command2[0]->setEnabled(true);
        tab->Command2[0]->setText(QStringLiteral("Delete"));
        tab->Command2[1]->setEnabled(true);
        tab->FrameButtonAssignments->setEnabled(false);
        tab->FrameKeyboard->setEnabled(false);
        return;
    }
    EnableButtonProgrammingTab();
    AssignTempDataAndDisplay();
    tab->Command2[1]->setEnabled(true);
    endChord();
    tab->Command2[0]->setText(QStringLiteral("Accept"));
}

QString Mum::infoCaption(const ButtonRecord& record) const {
    switch (data_.GraphicalViewMode) {
    case 1:
        return record.KeyText;
    case 2:
        return record.Description + QStringLiteral(" = ") + record.KeyText;
    default:
        return record.Description;
    }
}

// Copies the edit record into the selected button in every chosen mode, refreshes the views,
// confirms, deselects the button and marks the file modified.
void Mum::storeEditRecord(const QString& caption, const QString& title, const QString& text) {
    for (int i = 0; i < ProgrammingTab::ModeCount; ++i) {
        if (modeSelected(i)) {
            if (ButtonRecord* record = data_.Record(i + 1, CurrentButton + 1)) {
                *record = *data_.TempButton.at(1);
            }
        }
    }
    picture->infoLabel(CurrentButton)->setText(caption);
    FillTable(data_.TableViewMode);
    ShowLines();
    messageBox().MsgBox(text, MsgStyle::OkOnly, title);
    LblBTN_Click(CurrentButton);
    data_.UpdateSavedStatus(GameData::Modified);
}

void Mum::Command2_Click(int Index) {
    ProgrammingTab* tab = programmingTab;
    if (CurrentButton == NoButton) {
        return; // the buttons are reachable only with a button selected
    }
    bool anyMode = false;
    for (int i = 0; i < ProgrammingTab::ModeCount; ++i) {
        anyMode = anyMode || modeSelected(i);
    }
    const QString n = pressedButtonNumber();

    if (Index == 0 && tab->CheckDelete->isChecked()) {
        if (!anyMode) {
            messageBox().MsgBox(QStringLiteral("You haven't selected a mode to remove this "
                                               "button's programming from. Please go back and "
                                               "select one."),
                                MsgStyle::Exclamation,
                                QStringLiteral("Which mode am I deleting this button's "
                                               "programming from?"));
            return;
        }
        data_.ProgrammingInProgress = 0;
        data_.SetupButtonArray(GameData::TempButtonArray);
        storeEditRecord(QString(), QStringLiteral("Programming cleared"),
                        QStringLiteral("Programming cleared from button %1 for the selected "
                                       "modes.")
                            .arg(n));
        return;
    }

    if (Index == 0) {
        if (tab->MacroStepsList->count() == 0) {
            messageBox().MsgBox(
                QStringLiteral("You haven't assigned any keyboard key presses for button %1. If "
                               "you want to delete any programming from this button, just select "
                               "the checkbox for this. Otherwise please select the keys you want "
                               "this button to emulate")
                    .arg(n),
                MsgStyle::Information, QStringLiteral("No keyboard keys selected"));
            return;
        }
        if (tab->Text1->text().isEmpty()) {
            messageBox().MsgBox(
                QStringLiteral("You haven't assigned a description for this button - eg. "
                               "Autopilot, Wheelbrakes etc. Please enter one before I save this "
                               "programming"),
                MsgStyle::Information, QStringLiteral("No description entered"));
            return;
        }
        if (!anyMode) {
            messageBox().MsgBox(QStringLiteral("You haven't selected a mode (or modes) to program "
                                               "this button for. Please go back and select at "
                                               "least one."),
                                MsgStyle::Exclamation,
                                QStringLiteral("Which mode am I programming this button for?"));
            return;
        }
        QStringList rows;
        for (int k = 0; k < tab->MacroStepsList->count(); ++k) {
            rows.append(tab->MacroStepsList->item(k)->text());
        }
        ButtonRecord& edit = *data_.TempButton.at(1);
        edit.KeyText = rows.join(QLatin1Char(' '));
        data_.ProgrammingInProgress = 0;
        storeEditRecord(infoCaption(edit), QStringLiteral("Programming assigned"),
                        QStringLiteral("Programming assigned to button %1 for the selected "
                                       "modes.")
                            .arg(n));
        return;
    }

    if (Index == 1) {
        data_.ProgrammingInProgress = 0;
        EnableButtonProgrammingTab();
        ButtonDataOnProgrammingTab();
    }
}
