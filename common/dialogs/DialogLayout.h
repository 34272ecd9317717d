#pragma once

#include <QString>

#include <array>
#include <initializer_list>

class QDialog;
class QPushButton;
class QWidget;

// Lays out a small dialog: its fields from top to bottom, then two command buttons on the
// right, named "Command1_0" and "Command1_1"; the first is the default button (Enter).
std::array<QPushButton*, 2> layOutCommandDialog(QDialog& dialog,
                                                std::initializer_list<QWidget*> fields,
                                                const QString& first, const QString& second);
