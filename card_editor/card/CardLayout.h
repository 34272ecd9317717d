#pragma once

#include <array>

// A rectangle on the card, in pixels of the card picture.
struct BoxRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const BoxRect&, const BoxRect&) = default;
};

// Where the movable picture and the 35 card boxes stand.
struct CardLayout {
    static constexpr int BoxCount = 35;

    BoxRect picture;
    bool pictureVisible = true;
    std::array<BoxRect, BoxCount> boxes{};

    friend bool operator==(const CardLayout&, const CardLayout&) = default;
};

// The layout the window is designed with, on the 527 x 712 card picture.
const CardLayout& builtInLayout();

// Size of the card picture shipped with the program.
constexpr int CardPictureWidth = 527;
constexpr int CardPictureHeight = 712;
