#pragma once

#include <QWidget>

#include <array>

class GridTable;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSlider;

// The controls of the tab "Programmed buttons for all 5 modes": the table, the two size
// sliders and the view options; the window wires and drives them.
class TableTab : public QWidget {
    Q_OBJECT

public:
    explicit TableTab(QWidget* parent = nullptr);

    GridTable* Grid1 = nullptr;
    std::array<QSlider*, 2> Slider1{};
    std::array<QLabel*, 2> sliderLabels{};
    QGroupBox* FrameTableViews = nullptr;
    std::array<QRadioButton*, 3> OptionTableViews{};
};

// The three view options shared by the table and the controller picture.
QGroupBox* makeViewOptions(const QString& objectName, const QString& optionName,
                           std::array<QRadioButton*, 3>& options, QWidget* parent);
