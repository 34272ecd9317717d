#include "card_editor/window/ViewportLayout.h"

#include <algorithm>
#include <cmath>

namespace {

int halfFloor(int value) {
    return static_cast<int>(std::floor(value / 2.0));
}

QSize viewportSize(QSize inner, bool hVisible, bool vVisible, int vWidth, int hHeight) {
    return {inner.width() - (vVisible ? vWidth : 0), inner.height() - (hVisible ? hHeight : 0)};
}

} // namespace

ViewportLayout ViewportLayout::compute(const Input& in) {
    ViewportLayout out;
    // The margins and ranges come from the viewport as the old bars left it; only the
    // viewport itself is sized again once the bars are shown or hidden.
    const QSize first =
        viewportSize(in.inner, in.hVisible, in.vVisible, in.vScrollWidth, in.hScrollHeight);
    out.marginX = std::max(halfFloor(first.width() - in.card.width()), MinimumMargin);
    out.marginY = std::max(halfFloor(first.height() - in.card.height()), MinimumMargin);
    out.hMax = in.card.width() - first.width() + 2 * out.marginX;
    out.vMax = in.card.height() - first.height() + 2 * out.marginY;
    out.hVisible = out.hMax >= 1;
    out.vVisible = out.vMax >= 1;
    const QSize second =
        viewportSize(in.inner, out.hVisible, out.vVisible, in.vScrollWidth, in.hScrollHeight);
    out.picture1 = QRect(QPoint(0, 0), second);
    out.hScroll = QRect(0, second.height(), second.width(), in.hScrollHeight);
    out.vScroll = QRect(second.width(), 0, in.vScrollWidth, second.height());
    out.cardAt = QPoint(out.marginX, out.marginY);
    return out;
}
