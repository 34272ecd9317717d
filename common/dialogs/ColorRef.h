#pragma once

#include <QColor>

// Colours are stored as 0x00BBGGRR in the settings and the dialogs' Color value.
inline QColor colorFromRef(int ref) {
    return QColor(ref & 0xFF, (ref >> 8) & 0xFF, (ref >> 16) & 0xFF);
}

inline int refFromColor(const QColor& color) {
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}
