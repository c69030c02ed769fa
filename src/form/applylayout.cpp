#include "form/applylayout.h"

#include "analysis/picture.h"
#include "form/layouttable.h"
#include "platform/picturebox.h"
#include "platform/screen.h"
#include "platform/geometry.h"

#include <QWidget>

namespace form {

static void place(QWidget &window, const Row &row, const Scales &scales)
{
    auto *control = window.findChild<QWidget *>(QLatin1String(row.control));
    Q_ASSERT_X(control, "applyLayout", row.control);
    if (!control)
        return;
    const QRectF geometry = scaledGeometry(row, scales);
    platform::setGeometryTwips(*control, float(geometry.left()), float(geometry.top()),
                               float(geometry.width()), float(geometry.height()));
    if (row.fontSize > 0)
        platform::setFontSize(*control, float(row.fontSize * scales.font));
}

static void placeOptionTop(platform::PictureBox &picture, const char *name, double userTop)
{
    if (auto *option = picture.findChild<QWidget *>(QLatin1String(name))) {
        const int top = picture.drawingArea().top() + qRound(picture.toPixel(0, userTop).y());
        option->move(option->x(), top);
    }
}

void applyLayout(QWidget &window, double zoomFactor)
{
    const QSizeF screen = platform::screenSizeTwips();
    const Scales scales = scalesFor(screen, zoomFactor);
    platform::setWindowSizeTwips(window, float(screen.width() / zoomFactor),
                                 float(screen.height() / zoomFactor));

    auto *picture = window.findChild<platform::PictureBox *>(QStringLiteral("Picture1"));
    Q_ASSERT(picture);
    for (const Row &row : table) {
        place(window, row, scales);
        if (picture && QLatin1String(row.control) == picture->objectName()) {
            namespace pic = analysis::picture;
            picture->setScale(pic::left, pic::top, pic::right, pic::bottom);
            picture->cls();
            placeOptionTop(*picture, "Option1", 1.0);
            placeOptionTop(*picture, "Option2", 1.1);
        }
    }
}

} // namespace form
