#pragma once

#include <QString>
#include <array>

// The five modes of the card, m = 0 to 4: Views out, Views in, Wingman, Radar/Target, Weapons.
constexpr int ModeCount = 5;
// Buttons are numbered 1 to 28 as printed on the controller.
constexpr int ButtonCount = 28;

// The descriptions of one game file: element i (1 to 28) of mode m is button i's caption in
// that mode, "" for none. Elements 0 and 29 stay empty.
struct ButtonCaptions {
    using Array = std::array<QString, ButtonCount + 2>;

    std::array<Array, ModeCount> modes;

    const QString& at(int mode, int button) const { return modes.at(mode).at(button); }
    void set(int mode, int button, const QString& caption) { modes.at(mode).at(button) = caption; }
    void clear() { modes = {}; }
};
