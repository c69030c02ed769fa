#include "form/layoutscale.h"

namespace form {

Scales scalesFor(QSizeF screenTwips, double zoomFactor)
{
    const double x = screenTwips.width() / (designWidth * zoomFactor);
    const double y = screenTwips.height() / (designHeight * zoomFactor);
    return {x, y, y < x ? y : x};
}

QRectF scaledGeometry(const QRectF &base, const Scales &scales)
{
    return {base.left() * scales.x, base.top() * scales.y, base.width() * scales.x,
            base.height() * scales.y};
}

double zoomedSmaller(double zoomFactor)
{
    if (zoomFactor < maxZoom)
        zoomFactor *= zoomStep;
    return zoomFactor > maxZoom ? maxZoom : zoomFactor;
}

double zoomedLarger(double zoomFactor)
{
    if (zoomFactor > minZoom)
        zoomFactor /= zoomStep;
    return zoomFactor < minZoom ? minZoom : zoomFactor;
}

} // namespace form
