#pragma once

#include <QString>

#include <array>
#include <initializer_list>

class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Lays out a small dialog: its fields from top to bottom, then two command buttons on the
// right, named "Command1_0" and "Command1_1"; the first is the default button (Enter).
std::array<QPushButton*, 2> layOutCommandDialog(QDialog& dialog,
                                                std::initializer_list<QWidget*> fields,
                                                const QString& first, const QString& second);

// The controls of a small dialog that asks for one value: a prompt over a text field, and the
// two command buttons below them.
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
