#pragma once

#include "programmer/gamedata/RecordRequests.h"

#include <QDialog>

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The dialog "Swap programming": the swap style, two buttons and two modes. It only fills the
// swap request; a new dialog is made for each showing, so it always opens with its first
// settings.
class FormSwap : public QDialog {
    Q_OBJECT

public:
    FormSwap(SwapRequest& request, QWidget* parent = nullptr);

    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 3> OptionSwap{};
    std::array<QLabel*, 4> Label1{};
    std::array<QComboBox*, 4> ModeCombo{};  // button from, button to, mode from, mode to
    std::array<QPushButton*, 2> Command1{}; // "Swap", "Cancel"

private:
    void Form_Load();
    void FillCombos();
    void OptionSwap_Click();
    void Command1_Click(int Index);
    void setPairEnabled(int index, bool enabled);

    SwapRequest& request_;
};
