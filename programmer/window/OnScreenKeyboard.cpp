#include "programmer/window/OnScreenKeyboard.h"

#include "programmer/gamedata/KeyVocabulary.h"

#include <QGridLayout>
#include <QPushButton>

namespace {

// One key: its index and place on a grid of half-key columns.
struct KeyPlace {
    int index;
    int row;
    int column;
    int columnSpan;
    int rowSpan;
};

// Main block: columns 0..29; middle block: 31..36; keypad: 38..45.
constexpr KeyPlace keyPlaces[] = {
    // Row 0: Esc, the function keys in groups of four, Prt Scrl Brk.
    {83, 0, 0, 2, 1},
    {71, 0, 4, 2, 1},
    {72, 0, 6, 2, 1},
    {73, 0, 8, 2, 1},
    {74, 0, 10, 2, 1},
    {75, 0, 13, 2, 1},
    {76, 0, 15, 2, 1},
    {77, 0, 17, 2, 1},
    {78, 0, 19, 2, 1},
    {79, 0, 22, 2, 1},
    {80, 0, 24, 2, 1},
    {81, 0, 26, 2, 1},
    {82, 0, 28, 2, 1},
    {100, 0, 31, 2, 1},
    {98, 0, 33, 2, 1},
    {99, 0, 35, 2, 1},
    // Row 1: the digit row.
    {46, 1, 0, 2, 1},
    {1, 1, 2, 2, 1},
    {2, 1, 4, 2, 1},
    {3, 1, 6, 2, 1},
    {4, 1, 8, 2, 1},
    {5, 1, 10, 2, 1},
    {6, 1, 12, 2, 1},
    {7, 1, 14, 2, 1},
    {8, 1, 16, 2, 1},
    {9, 1, 18, 2, 1},
    {0, 1, 20, 2, 1},
    {47, 1, 22, 2, 1},
    {48, 1, 24, 2, 1},
    {49, 1, 26, 2, 1},
    {101, 1, 28, 2, 1},
    {84, 1, 31, 2, 1},
    {85, 1, 33, 2, 1},
    {86, 1, 35, 2, 1},
    {93, 1, 38, 2, 1},
    {70, 1, 40, 2, 1},
    {69, 1, 42, 2, 1},
    {68, 1, 44, 2, 1},
    // Row 2: Tab, q to ], Enter (two rows high).
    {90, 2, 0, 3, 1},
    {36, 2, 3, 2, 1},
    {42, 2, 5, 2, 1},
    {24, 2, 7, 2, 1},
    {37, 2, 9, 2, 1},
    {39, 2, 11, 2, 1},
    {44, 2, 13, 2, 1},
    {40, 2, 15, 2, 1},
    {28, 2, 17, 2, 1},
    {34, 2, 19, 2, 1},
    {35, 2, 21, 2, 1},
    {50, 2, 23, 2, 1},
    {51, 2, 25, 2, 1},
    {64, 2, 27, 3, 2},
    {87, 2, 31, 2, 1},
    {88, 2, 33, 2, 1},
    {89, 2, 35, 2, 1},
    {17, 2, 38, 2, 1},
    {18, 2, 40, 2, 1},
    {19, 2, 42, 2, 1},
    {67, 2, 44, 2, 2},
    // Row 3: Caps, a to '.
    {91, 3, 0, 5, 1},
    {20, 3, 5, 2, 1},
    {38, 3, 7, 2, 1},
    {23, 3, 9, 2, 1},
    {25, 3, 11, 2, 1},
    {26, 3, 13, 2, 1},
    {27, 3, 15, 2, 1},
    {29, 3, 17, 2, 1},
    {30, 3, 19, 2, 1},
    {31, 3, 21, 2, 1},
    {52, 3, 23, 2, 1},
    {53, 3, 25, 2, 1},
    {14, 3, 38, 2, 1},
    {15, 3, 40, 2, 1},
    {16, 3, 42, 2, 1},
    // Row 4: the Shift row, the up arrow, keypad 1 2 3 and Ent (two rows high).
    {58, 4, 0, 5, 1},
    {45, 4, 5, 2, 1},
    {43, 4, 7, 2, 1},
    {22, 4, 9, 2, 1},
    {41, 4, 11, 2, 1},
    {21, 4, 13, 2, 1},
    {33, 4, 15, 2, 1},
    {32, 4, 17, 2, 1},
    {55, 4, 19, 2, 1},
    {56, 4, 21, 2, 1},
    {57, 4, 23, 2, 1},
    {59, 4, 25, 5, 1},
    {94, 4, 33, 2, 1},
    {11, 4, 38, 2, 1},
    {12, 4, 40, 2, 1},
    {13, 4, 42, 2, 1},
    {65, 4, 44, 2, 2},
    // Row 5: Ctrl, Alt, Spacebar, Alt, Ctrl, the arrows, keypad 0 (two keys wide) and ".".
    {60, 5, 0, 3, 1},
    {62, 5, 3, 3, 1},
    {92, 5, 6, 18, 1},
    {63, 5, 24, 3, 1},
    {61, 5, 27, 3, 1},
    {96, 5, 31, 2, 1},
    {95, 5, 33, 2, 1},
    {97, 5, 35, 2, 1},
    {10, 5, 38, 4, 1},
    {66, 5, 42, 2, 1},
};

constexpr int columnCount = 46;
// The narrowest half key; keys grow with the room they get.
constexpr int halfKeyWidth = 13;
constexpr int keyHeight = 23;

// Where a key lies on the physical keyboard, for screen readers.
QString accessibleKeyName(int index, const QString& caption) {
    switch (index) {
    case 58:
    case 60:
    case 62:
        return QStringLiteral("Left %1").arg(caption);
    case 59:
    case 61:
    case 63:
        return QStringLiteral("Right %1").arg(caption);
    default:
        break;
    }
    if ((index >= 10 && index <= 19) || (index >= 65 && index <= 70) || index == 93) {
        return QStringLiteral("Keypad %1").arg(caption);
    }
    return caption;
}

} // namespace

OnScreenKeyboard::OnScreenKeyboard(QWidget* parent) : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(2);
    for (int c = 0; c < columnCount; ++c) {
        grid->setColumnMinimumWidth(c, halfKeyWidth);
    }
    QFont keyFont = font();
    keyFont.setPointSizeF(keyFont.pointSizeF() * 0.85);
    for (const KeyPlace& place : keyPlaces) {
        const QString caption = KeyCaption(place.index);
        auto* key = new QPushButton(caption, this);
        key->setObjectName(QStringLiteral("Command1_%1").arg(place.index));
        key->setAccessibleName(accessibleKeyName(place.index, caption));
        key->setFont(keyFont);
        key->setFocusPolicy(Qt::TabFocus);
        key->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        key->setMinimumHeight(keyHeight * place.rowSpan);
        grid->addWidget(key, place.row, place.column, place.rowSpan, place.columnSpan);
        keys_[static_cast<std::size_t>(place.index)] = key;
        const int index = place.index;
        connect(key, &QPushButton::clicked, this, [this, index] { emit keyClicked(index); });
    }
    for (int r = 0; r < 6; ++r) {
        grid->setRowMinimumHeight(r, keyHeight);
    }
    setMinimumSize(columnCount * (halfKeyWidth + 2), 6 * (keyHeight + 2));
}

QPushButton* OnScreenKeyboard::key(int index) const {
    if (index < 0 || index >= KeyCount) {
        return nullptr;
    }
    return keys_[static_cast<std::size_t>(index)];
}

void OnScreenKeyboard::setAllKeysEnabled(bool enabled) {
    for (QPushButton* key : keys_) {
        if (key != nullptr) {
            key->setEnabled(enabled);
        }
    }
}
