#include "platform/screen.h"

#include "platform/geometry.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {

static std::optional<QSizeF> &screenOverride()
{
    static std::optional<QSizeF> size;
    return size;
}

QSizeF screenSizeTwips()
{
    if (screenOverride())
        return *screenOverride();
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QSize pixels = screen->size();
    return {drawing::twipsFromPixels(pixels.width()), drawing::twipsFromPixels(pixels.height())};
}

void setScreenSizeTwips(std::optional<QSizeF> size)
{
    screenOverride() = size;
}

} // namespace platform
