#pragma once

#include <QDialog>
#include <array>

class MessageBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The dialog "Grid cell size": reads a new grid step, between 2 and 100, into newGridCellSize.
// It stays above all other windows while open; Esc does nothing in it.
class FormGridCellSize : public QDialog {
    Q_OBJECT

public:
    FormGridCellSize(qint16& newGridCellSize, MessageBox& messageBox, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    std::array<QPushButton*, 2> Command1{};

    void Command1_Click(int Index);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Activate();
    void Text1_GotFocus();

    qint16& newGridCellSize_;
    MessageBox& messageBox_;
    // The size the dialog was opened with.
    qint16 oldSize_;
};
