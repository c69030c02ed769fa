#include "platform/geometry.h"

#include "platform/windowframe.h"

#include <QPalette>
#include <QWidget>

#include <cmath>
#include <optional>

namespace platform {

using drawing::pixelsFromTwips;

static int coordinateFromTwips(double twips)
{
    return twips < 0 ? -pixelsFromTwips(-twips) : pixelsFromTwips(twips);
}

void setGeometryTwips(QWidget &control, float left, float top, float width, float height)
{
    control.setGeometry(coordinateFromTwips(left), coordinateFromTwips(top),
                        pixelsFromTwips(width), pixelsFromTwips(height));
}

// The frame the window system draws around a top-level window, as Qt knows
// it once the window is shown. Before that, learnFrameBeforeShow() may have
// asked the window manager; without a window manager there is none.
static std::optional<QMargins> learnedFrame(const QWidget &window)
{
    const QVariant learned = window.property(learnedFrameProperty);
    if (window.isVisible() || !learned.isValid())
        return std::nullopt;
    return learned.value<QMargins>();
}

static QSize frameExtra(const QWidget &window)
{
    if (const auto frame = learnedFrame(window))
        return {frame->left() + frame->right(), frame->top() + frame->bottom()};
    return window.frameGeometry().size() - window.geometry().size();
}

// Qt places a top-level window by its frame but sizes it by its client area.
// Before the first show Qt cannot place the frame it does not know yet; where
// the frame was learned, the client area goes inside it instead.
void setWindowPositionTwips(QWidget &window, float left, float top)
{
    const QPoint at(coordinateFromTwips(left), coordinateFromTwips(top));
    if (const auto frame = learnedFrame(window))
        window.setGeometry(QRect(at + QPoint(frame->left(), frame->top()), window.size()));
    else
        window.move(at);
}

void setWindowSizeTwips(QWidget &window, float width, float height)
{
    const QSize extra = frameExtra(window);
    window.resize(std::max(0, pixelsFromTwips(width) - extra.width()),
                  std::max(0, pixelsFromTwips(height) - extra.height()));
}

void setFontSize(QWidget &control, float points)
{
    if (!(points > 0))
        return;
    QFont font = control.font();
    font.setPointSizeF(points);
    control.setFont(font);
}

void setColours(QWidget &control, const QColor &background, const QColor &text)
{
    QPalette palette = control.palette();
    if (background.isValid()) {
        for (auto role : {QPalette::Base, QPalette::Window, QPalette::Button})
            palette.setColor(role, background);
        control.setAutoFillBackground(true);
    }
    if (text.isValid()) {
        for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
            palette.setColor(role, text);
    }
    control.setPalette(palette);
}

} // namespace platform
