#include "card_editor/card/CardLayout.h"

const CardLayout& builtInLayout() {
    static const CardLayout layout{
        {118, 192, 289, 289},
        true,
        {{
            // Buttons 1 to 4, lower left.
            {28, 576, 69, 29},
            {28, 612, 69, 29},
            {116, 576, 69, 29},
            {200, 576, 69, 29},
            // Buttons 5 to 10, the row above the lowest one.
            {44, 532, 73, 37},
            {124, 532, 61, 37},
            {196, 532, 61, 37},
            {268, 532, 61, 37},
            {340, 532, 61, 37},
            {412, 532, 69, 37},
            // Buttons 11 to 16, right column, bottom to top.
            {410, 464, 99, 61},
            {410, 396, 99, 61},
            {410, 328, 99, 61},
            {410, 256, 99, 61},
            {410, 180, 99, 65},
            {410, 124, 99, 48},
            // Buttons 17 to 22, top row, right to left.
            {412, 80, 65, 41},
            {340, 80, 61, 41},
            {268, 80, 61, 41},
            {196, 80, 61, 41},
            {124, 80, 61, 41},
            {48, 80, 69, 41},
            // Buttons 23 to 28, left column, top to bottom.
            {16, 124, 99, 48},
            {16, 178, 99, 70},
            {16, 255, 99, 61},
            {16, 328, 99, 61},
            {16, 396, 99, 61},
            {16, 464, 99, 61},
            // Lowest row, buttons 5 to 10 in the chosen mode.
            {20, 652, 97, 41},
            {124, 652, 61, 41},
            {196, 652, 61, 41},
            {268, 652, 61, 41},
            {340, 652, 61, 41},
            {412, 652, 93, 41},
            // Title.
            {144, 135, 239, 49},
        }},
    };
    return layout;
}
