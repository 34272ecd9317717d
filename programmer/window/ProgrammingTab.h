#pragma once

#include <QWidget>

#include <array>

class ClickLabel;
class OnScreenKeyboard;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;

// The controls of the tab "Program a button", laid out; the window wires and drives them.
class ProgrammingTab : public QWidget {
    Q_OBJECT

public:
    static constexpr int ModeCount = 5;

    explicit ProgrammingTab(QWidget* parent = nullptr);

    std::array<QLabel*, 9> Label2{};
    QGroupBox* FrameMultiModeSelect = nullptr;
    std::array<ClickLabel*, ModeCount> LBLprogramMode{};
    QGroupBox* FrameButtonAssignments = nullptr;
    QLineEdit* Text1 = nullptr;
    QListWidget* MacroStepsList = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    std::array<QPushButton*, 4> Command3{};
    QGroupBox* FrameKeyboard = nullptr;
    OnScreenKeyboard* keyboard = nullptr;
    std::array<QPushButton*, 2> Command2{};
    QCheckBox* CheckDelete = nullptr;

signals:
    // A key was released in the description box.
    void descriptionKeyUp();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A key was pressed since the box took the focus: the release of the Tab that brought the
    // focus here is no typing.
    bool keyPressedInText1_ = false;
};
