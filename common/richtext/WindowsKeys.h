#pragma once

#include <Qt>

class QKeyEvent;

// The key codes and shift states the box's key and mouse events report: Windows virtual-key
// codes ("A" is 65, Esc 27), shift as the sum of 1 (Shift), 2 (Ctrl) and 4 (Alt), buttons as
// the sum of 1 (left), 2 (right) and 4 (middle).
namespace WindowsKeys {

// The virtual-key code of a key event, 0 for a key without one.
int keyCode(const QKeyEvent& event);

int shiftState(Qt::KeyboardModifiers modifiers);

int buttonState(Qt::MouseButtons buttons);

} // namespace WindowsKeys
