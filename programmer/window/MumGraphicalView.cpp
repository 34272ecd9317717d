// The graphical view: the controller picture showing one mode at a time, and the choice of the
// button to program.
#include "programmer/window/Mum.h"

#include "common/platform/MessageBox.h"
#include "programmer/window/ClickLabel.h"
#include "programmer/window/ControllerPicture.h"
#include "programmer/window/ProgrammingTab.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

ClickLabel* Mum::buttonLabel(int index) const {
    return picture->buttonLabel(index);
}

bool Mum::isBeingProgrammed(int index) const {
    const ClickLabel* label = buttonLabel(index);
    return label != nullptr && label->foreColor() == BeingProgrammedColour;
}

// A button that is not the selected one is green when its text label shows anything.
void Mum::colourByText(int index) {
    ClickLabel* label = buttonLabel(index);
    if (label == nullptr) {
        return;
    }
    label->setForeColor(picture->infoLabel(index)->text().isEmpty() ? notProgrammedColour()
                                                                    : ProgrammedColour);
}

void Mum::DisplaySetup(int mode) {
    if (mode != 0 && mode != 1) {
        return;
    }
    const bool show = mode == 1;
    for (int i = 0; i < ControllerPicture::ButtonCount; ++i) {
        buttonLabel(i)->setVisible(show);
    }
    LightsAllOFF();
    for (int k = 0; k < ControllerPicture::PaddleCount; ++k) {
        picture->paddle(k)->setVisible(show);
    }
    for (int j = 0; j < ControllerPicture::LineCount; ++j) {
        picture->line(j)->setVisible(false);
    }
}

void Mum::InfoLabels(int hideOrShow) {
    for (int i = 0; i < ControllerPicture::ButtonCount; ++i) {
        ClickLabel* info = picture->infoLabel(i);
        info->clear();
        info->setToolTip(QString());
        buttonLabel(i)->setForeColor(notProgrammedColour());
        buttonLabel(i)->setToolTip(QString());
        if (hideOrShow == 0 || hideOrShow == 1) {
            info->setVisible(hideOrShow == 1);
        }
    }
}

void Mum::LightsAllOFF() {
    for (int m = 0; m < ControllerPicture::ModeCount; ++m) {
        picture->lamp(m)->setVisible(false);
    }
}

void Mum::ShowModeLamp(int index, bool visible) {
    if (QLabel* lamp = picture->lamp(index)) {
        lamp->setVisible(visible);
    }
}

void Mum::ShowLines() {
    for (int j = 0; j < ControllerPicture::LineCount; ++j) {
        const int k = ControllerPicture::infoLabelOfLine(j);
        picture->line(j)->setVisible(!picture->infoLabel(k)->text().isEmpty());
    }
}

void Mum::LblMODE_Click(int Index) {
    if (data_.FileLoaded == 0 || Index < 0 || Index >= ControllerPicture::ModeCount) {
        return;
    }
    InfoLabels(2);
    const int m = Index + 1;
    for (int b = 1; b <= GameData::RecordCount; ++b) {
        const ButtonRecord* record = data_.Record(m, b);
        const int i = b - 1;
        ClickLabel* number = buttonLabel(i);
        if (record == nullptr || record->Description.isEmpty()) {
            number->setForeColor(notProgrammedColour());
            continue;
        }
        number->setForeColor(ProgrammedColour);
        ClickLabel* info = picture->infoLabel(i);
        switch (data_.GraphicalViewMode) {
        case 0:
            info->setText(record->Description);
            number->setToolTip(record->KeyText);
            break;
        case 1:
            info->setText(record->KeyText);
            number->setToolTip(record->Description);
            break;
        case 2:
            info->setText(record->Description + QStringLiteral(" = ") + record->KeyText);
            number->setToolTip(record->KeyText);
            break;
        default:
            break;
        }
        info->setToolTip(number->toolTip());
    }
    ShowLines();
    data_.CurrentMode = m;
    if (CurrentButton != NoButton) {
        buttonLabel(CurrentButton)->setForeColor(BeingProgrammedColour);
    }
    if (!picture->lamp(Index)->isVisibleTo(picture)) {
        LightsAllOFF();
        picture->lamp(Index)->setVisible(true);
    }
}

void Mum::OptionGraphicalViews_Click(int Index) {
    data_.GraphicalViewMode = Index;
    if (data_.FileLoaded == 0) {
        return;
    }
    for (int m = 0; m < ControllerPicture::ModeCount; ++m) {
        if (picture->lamp(m)->isVisibleTo(picture)) {
            LblMODE_Click(m);
            return;
        }
    }
}

void Mum::LblBTN_Click(int Index) {
    if (Index < 0 || Index >= ControllerPicture::ButtonCount) {
        return;
    }
    if (CurrentButton != NoButton && data_.ProgrammingInProgress == 1) {
        messageBox().MsgBox(
            QStringLiteral("You're in the middle of programming a button. You need to Accept or "
                           "Cancel that programming before you can select a different button."),
            MsgStyle::Information, QStringLiteral("Can't save whilst programming"));
        return;
    }
    if (isBeingProgrammed(Index)) {
        colourByText(Index);
        CurrentButton = NoButton;
        ResetButtonProgrammingTab();
        programmingTab->Label2[8]->setText(QStringLiteral("-"));
        keepFocusInSight(); // the description box that had it is disabled now
        return;
    }
    for (int i = 0; i < ControllerPicture::ButtonCount; ++i) {
        if (isBeingProgrammed(i)) {
            colourByText(i);
        }
    }
    programmingTab->Label2[8]->setText(buttonLabel(Index)->text());
    buttonLabel(Index)->setForeColor(BeingProgrammedColour);
    CurrentButton = Index;
    SSTab1->setCurrentIndex(1);
    EnableButtonProgrammingTab();
    ButtonDataOnProgrammingTab();
    // The user names what the button does first; the page itself would take no keys.
    programmingTab->Text1->setFocus(Qt::OtherFocusReason);
}
