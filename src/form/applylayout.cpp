#include "form/applylayout.h"

#include "analysis/picture.h"
#include "form/controls.h"
#include "form/layoutscale.h"
#include "platform/geometry.h"
#include "platform/picturebox.h"
#include "platform/screen.h"

#include <QRadioButton>

namespace form {

static void place(QWidget &control, const Layout &layout, const Scales &scales)
{
    const QRectF geometry = scaledGeometry(layout.base, scales);
    platform::setGeometryTwips(control, float(geometry.left()), float(geometry.top()),
                               float(geometry.width()), float(geometry.height()));
    if (layout.fontSize > 0)
        platform::setFontSize(control, float(layout.fontSize * scales.font));
}

static void placeOptionTop(platform::PictureBox &picture, QWidget &option, double userTop)
{
    const int top = picture.drawingArea().top() + qRound(picture.toPixel(0, userTop).y());
    option.move(option.x(), top);
}

void applyLayout(QWidget &window, const Controls &controls, double zoomFactor)
{
    const QSizeF screen = platform::screenSizeTwips();
    const Scales scales = scalesFor(screen, zoomFactor);
    platform::setWindowSizeTwips(window, float(screen.width() / zoomFactor),
                                 float(screen.height() / zoomFactor));

    platform::PictureBox &picture = *controls.Picture1;
    for (const Control *row : layoutOrder()) {
        QWidget &control = *row->slot.read(controls);
        place(control, row->layout, scales);
        if (&control == &picture) {
            namespace pic = analysis::picture;
            picture.setScale(pic::left, pic::top, pic::right, pic::bottom);
            picture.cls();
            placeOptionTop(picture, *controls.Option1, 1.0);
            placeOptionTop(picture, *controls.Option2, 1.1);
        }
    }
}

} // namespace form
