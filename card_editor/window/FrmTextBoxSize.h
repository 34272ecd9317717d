#pragma once

#include <QDialog>

#include <array>

struct CardDocument;
class MessageBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The dialog "Textbox size": the current box's Top, Left, Width and Height as numbers, each
// with a button offering the value last applied through the dialog. It takes the rectangle
// from the document's TBTop .. TBHeight and leaves the one to apply there; Apply also keeps it
// in TBLastTop .. TBLastHeight. Cancel, Esc and the close box leave both as they were.
class FrmTextBoxSize : public QDialog {
    Q_OBJECT

public:
    FrmTextBoxSize(CardDocument& doc, MessageBox& messageBox, QWidget* parent = nullptr);

    std::array<QLabel*, 4> Label1{};
    std::array<QLineEdit*, 4> Text1{};
    std::array<QPushButton*, 4> Command2{};
    std::array<QPushButton*, 2> Command1{};

    void Command1_Click(int Index);
    void Command2_Click(int Index);
    void Form_KeyUp(int KeyCode, int Shift);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void Form_Load();
    void Text1_GotFocus(int Index);

    CardDocument& doc_;
    MessageBox& messageBox_;
};
