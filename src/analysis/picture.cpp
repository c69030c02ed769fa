#include "analysis/picture.h"

#include "drawing/canvas.h"

namespace analysis::picture {

QSize designSize()
{
    const int inside = 2 * drawing::pictureBoxBorder;
    return {drawing::pixelsFromTwips(designGeometry.width()) - inside,
            drawing::pixelsFromTwips(designGeometry.height()) - inside};
}

void setUpCanvas(drawing::Canvas &canvas)
{
    canvas.setBackground(background);
    canvas.setFont(drawing::makeFont(font));
    canvas.setSize(designSize());
    canvas.setScale(left, top, right, bottom);
}

} // namespace analysis::picture
