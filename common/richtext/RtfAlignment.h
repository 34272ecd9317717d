#pragma once

#include <Qt>

// The paragraph alignments RTF and the rich-text box know.
enum class RtfAlignment { Left, Center, Right, Justify };

inline RtfAlignment rtfAlignmentOf(Qt::Alignment align) {
    if (align & Qt::AlignHCenter) {
        return RtfAlignment::Center;
    }
    if (align & Qt::AlignJustify) {
        return RtfAlignment::Justify;
    }
    if (align & Qt::AlignRight) {
        return RtfAlignment::Right;
    }
    return RtfAlignment::Left;
}
