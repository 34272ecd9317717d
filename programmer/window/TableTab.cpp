#include "programmer/window/TableTab.h"

#include "programmer/window/GridTable.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

QGroupBox* makeViewOptions(const QString& objectName, const QString& optionName,
                           std::array<QRadioButton*, 3>& options, QWidget* parent) {
    static constexpr const char* captions[3] = {"Descriptions", "Key presses",
                                                "Descriptions and key presses"};
    auto* frame = new QGroupBox(QStringLiteral("View programmed keys as ..."), parent);
    frame->setObjectName(objectName);
    auto* layout = new QHBoxLayout(frame);
    for (int i = 0; i < 3; ++i) {
        auto* option = new QRadioButton(QString::fromLatin1(captions[i]), frame);
        option->setObjectName(QStringLiteral("%1_%2").arg(optionName).arg(i));
        layout->addWidget(option);
        options[static_cast<std::size_t>(i)] = option;
    }
    layout->addStretch(1);
    options[0]->setChecked(true);
    return frame;
}

TableTab::TableTab(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TableTab"));
    Grid1 = new GridTable(this);

    static constexpr const char* sliderCaptions[2] = {"Row", "Col"};
    static constexpr const char* sliderTips[2] = {"Increase/Decrease Row Height",
                                                  "Increase/Decrease Column Width"};
    auto* sliders = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        auto* label = new QLabel(QString::fromLatin1(sliderCaptions[i]), this);
        label->setObjectName(QStringLiteral("LabelSlider_%1").arg(i));
        auto* slider = new QSlider(Qt::Horizontal, this);
        slider->setObjectName(QStringLiteral("Slider1_%1").arg(i));
        slider->setAccessibleName(QString::fromLatin1(sliderTips[i]));
        slider->setToolTip(QString::fromLatin1(sliderTips[i]));
        slider->setRange(1, 100);
        slider->setSingleStep(1);
        slider->setPageStep(5);
        slider->setValue(1);
        label->setBuddy(slider);
        sliders->addWidget(label);
        sliders->addWidget(slider, 1);
        Slider1[static_cast<std::size_t>(i)] = slider;
        sliderLabels[static_cast<std::size_t>(i)] = label;
    }

    FrameTableViews = makeViewOptions(QStringLiteral("FrameTableViews"),
                                      QStringLiteral("OptionTableViews"), OptionTableViews, this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Grid1, 1);
    layout->addLayout(sliders);
    layout->addWidget(FrameTableViews);
}
