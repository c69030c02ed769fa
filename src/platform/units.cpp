#include "platform/units.h"

#include "platform/windowframe.h"

#include <QHash>
#include <QPalette>
#include <QWidget>

#include <cmath>
#include <optional>

namespace platform {

int pixelsFromTwips(double twips)
{
    if (!(twips > 0)) // also catches NaN
        return 0;
    return int(std::lround(std::min(twips / twipsPerPixel, 1e6)));
}

double twipsFromPixels(int pixels)
{
    return pixels * twipsPerPixel;
}

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

// The families the window was designed with, and the metric-compatible
// stand-ins Debian's fonts-liberation installs for them.
static QStringList familiesFor(const QString &family)
{
    static const QHash<QString, QString> standIns = {
        {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")},
        {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")},
    };
    QStringList families{family};
    if (const auto standIn = standIns.constFind(family); standIn != standIns.cend())
        families << *standIn;
    return families;
}

QFont makeFont(const FontSpec &face)
{
    QFont font;
    font.setFamilies(familiesFor(face.family));
    if (face.fixedPitch) {
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    }
    font.setPointSizeF(face.points);
    font.setWeight(face.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
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
