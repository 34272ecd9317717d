#include "programmer/window/OnScreenKeyboard.h"

#include <QGridLayout>
#include <QPushButton>

namespace {

// One key: its index, caption and place on a grid of half-key columns.
struct KeyPlace {
    int index;
    const char* caption;
    int row;
    int column;
    int columnSpan;
    int rowSpan;
};

// Main block: columns 0..29; middle block: 31..36; keypad: 38..45.
constexpr KeyPlace keyPlaces[] = {
    // Row 0: Esc, the function keys in groups of four, Prt Scrl Brk.
    {83, "Esc", 0, 0, 2, 1},
    {71, "F1", 0, 4, 2, 1},
    {72, "F2", 0, 6, 2, 1},
    {73, "F3", 0, 8, 2, 1},
    {74, "F4", 0, 10, 2, 1},
    {75, "F5", 0, 13, 2, 1},
    {76, "F6", 0, 15, 2, 1},
    {77, "F7", 0, 17, 2, 1},
    {78, "F8", 0, 19, 2, 1},
    {79, "F9", 0, 22, 2, 1},
    {80, "F10", 0, 24, 2, 1},
    {81, "F11", 0, 26, 2, 1},
    {82, "F12", 0, 28, 2, 1},
    {100, "Prt", 0, 31, 2, 1},
    {98, "Scrl", 0, 33, 2, 1},
    {99, "Brk", 0, 35, 2, 1},
    // Row 1: the digit row.
    {46, "`", 1, 0, 2, 1},
    {1, "1", 1, 2, 2, 1},
    {2, "2", 1, 4, 2, 1},
    {3, "3", 1, 6, 2, 1},
    {4, "4", 1, 8, 2, 1},
    {5, "5", 1, 10, 2, 1},
    {6, "6", 1, 12, 2, 1},
    {7, "7", 1, 14, 2, 1},
    {8, "8", 1, 16, 2, 1},
    {9, "9", 1, 18, 2, 1},
    {0, "0", 1, 20, 2, 1},
    {47, "-", 1, 22, 2, 1},
    {48, "=", 1, 24, 2, 1},
    {49, "\\", 1, 26, 2, 1},
    {101, "Bsp", 1, 28, 2, 1},
    {84, "Ins", 1, 31, 2, 1},
    {85, "Home", 1, 33, 2, 1},
    {86, "Pgup", 1, 35, 2, 1},
    {93, "NL", 1, 38, 2, 1},
    {70, "/", 1, 40, 2, 1},
    {69, "*", 1, 42, 2, 1},
    {68, "-", 1, 44, 2, 1},
    // Row 2: Tab, q to ], Enter (two rows high).
    {90, "Tab", 2, 0, 3, 1},
    {36, "q", 2, 3, 2, 1},
    {42, "w", 2, 5, 2, 1},
    {24, "e", 2, 7, 2, 1},
    {37, "r", 2, 9, 2, 1},
    {39, "t", 2, 11, 2, 1},
    {44, "y", 2, 13, 2, 1},
    {40, "u", 2, 15, 2, 1},
    {28, "i", 2, 17, 2, 1},
    {34, "o", 2, 19, 2, 1},
    {35, "p", 2, 21, 2, 1},
    {50, "[", 2, 23, 2, 1},
    {51, "]", 2, 25, 2, 1},
    {64, "Enter", 2, 27, 3, 2},
    {87, "Del", 2, 31, 2, 1},
    {88, "End", 2, 33, 2, 1},
    {89, "Pgdn", 2, 35, 2, 1},
    {17, "7", 2, 38, 2, 1},
    {18, "8", 2, 40, 2, 1},
    {19, "9", 2, 42, 2, 1},
    {67, "+", 2, 44, 2, 2},
    // Row 3: Caps, a to '.
    {91, "Caps", 3, 0, 5, 1},
    {20, "a", 3, 5, 2, 1},
    {38, "s", 3, 7, 2, 1},
    {23, "d", 3, 9, 2, 1},
    {25, "f", 3, 11, 2, 1},
    {26, "g", 3, 13, 2, 1},
    {27, "h", 3, 15, 2, 1},
    {29, "j", 3, 17, 2, 1},
    {30, "k", 3, 19, 2, 1},
    {31, "l", 3, 21, 2, 1},
    {52, ";", 3, 23, 2, 1},
    {53, "'", 3, 25, 2, 1},
    {14, "4", 3, 38, 2, 1},
    {15, "5", 3, 40, 2, 1},
    {16, "6", 3, 42, 2, 1},
    // Row 4: the Shift row, the up arrow, keypad 1 2 3 and Ent (two rows high).
    {58, "Shift", 4, 0, 5, 1},
    {45, "z", 4, 5, 2, 1},
    {43, "x", 4, 7, 2, 1},
    {22, "c", 4, 9, 2, 1},
    {41, "v", 4, 11, 2, 1},
    {21, "b", 4, 13, 2, 1},
    {33, "n", 4, 15, 2, 1},
    {32, "m", 4, 17, 2, 1},
    {55, ",", 4, 19, 2, 1},
    {56, ".", 4, 21, 2, 1},
    {57, "/", 4, 23, 2, 1},
    {59, "Shift", 4, 25, 5, 1},
    {94, "^", 4, 33, 2, 1},
    {11, "1", 4, 38, 2, 1},
    {12, "2", 4, 40, 2, 1},
    {13, "3", 4, 42, 2, 1},
    {65, "Ent", 4, 44, 2, 2},
    // Row 5: Ctrl, Alt, Spacebar, Alt, Ctrl, the arrows, keypad 0 (two keys wide) and ".".
    {60, "Ctrl", 5, 0, 3, 1},
    {62, "Alt", 5, 3, 3, 1},
    {92, "Spacebar", 5, 6, 18, 1},
    {63, "Alt", 5, 24, 3, 1},
    {61, "Ctrl", 5, 27, 3, 1},
    {96, "<", 5, 31, 2, 1},
    {95, "v", 5, 33, 2, 1},
    {97, ">", 5, 35, 2, 1},
    {10, "0", 5, 38, 4, 1},
    {66, ".", 5, 42, 2, 1},
};

constexpr int columnCount = 46;
constexpr int halfKeyWidth = 16;
constexpr int keyHeight = 26;

// Where a key lies on the physical keyboard, for screen readers.
QString accessibleKeyName(int index, const char* caption) {
    switch (index) {
    case 58:
    case 60:
    case 62:
        return QStringLiteral("Left %1").arg(QLatin1String(caption));
    case 59:
    case 61:
    case 63:
        return QStringLiteral("Right %1").arg(QLatin1String(caption));
    default:
        break;
    }
    if ((index >= 10 && index <= 19) || (index >= 65 && index <= 70) || index == 93) {
        return QStringLiteral("Keypad %1").arg(QLatin1String(caption));
    }
    return QLatin1String(caption);
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
        auto* key = new QPushButton(QString::fromLatin1(place.caption), this);
        key->setObjectName(QStringLiteral("Command1_%1").arg(place.index));
        key->setAccessibleName(accessibleKeyName(place.index, place.caption));
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
