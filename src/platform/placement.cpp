#include "platform/placement.h"

#include <algorithm>

namespace platform {

QRect placeBeside(const QRect &available, const QRect &mainFrame, const QRect &keepClear,
                  QSize wanted)
{
    const QSize size = wanted.boundedTo(available.size());
    const int top
            = std::clamp(mainFrame.top(), available.top(), available.bottom() - size.height() + 1);
    // Beside the main window, the right first.
    if (available.right() - mainFrame.right() >= size.width())
        return {QPoint(mainFrame.right() + 1, top), size};
    if (mainFrame.left() - available.left() >= size.width())
        return {QPoint(mainFrame.left() - size.width(), top), size};

    // Over the main window, at the right edge, clear of its input.
    QRect placed(QPoint(available.right() - size.width() + 1, available.top()), size);
    if (!placed.intersects(keepClear))
        return placed;
    // Below the input, as tall as the area leaves; or, where that is too
    // little, right of it, as wide as the area leaves.
    const int below = keepClear.bottom() + 1;
    const int roomBelow = available.bottom() - below + 1;
    const int roomRight = available.right() - keepClear.right();
    if (roomBelow * available.width() >= roomRight * available.height() || roomRight <= 0) {
        placed.moveTop(below);
        placed.setBottom(std::min(placed.bottom(), available.bottom()));
        return placed;
    }
    placed.setLeft(std::max(placed.left(), keepClear.right() + 1));
    return placed;
}

} // namespace platform
