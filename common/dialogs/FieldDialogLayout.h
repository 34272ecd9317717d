#pragma once

#include <QString>
#include <array>

class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;

// The controls of a small dialog that asks for one value: a prompt over a text field, and two
// buttons at the right below them, the first the default button.
struct FieldDialogControls {
    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    std::array<QPushButton*, 2> Command1{};
};

// Builds the controls on the dialog, named Label1, Text1, Command1_0 and Command1_1; the field
// gets the accessible name.
FieldDialogControls buildFieldDialog(QDialog& dialog, const QString& prompt,
                                     const QString& fieldName,
                                     const std::array<QString, 2>& buttonCaptions);
