#include "analysis/picture.h"

#include "platform/canvas.h"
#include "platform/picturebox.h"

namespace analysis::picture {

QSize designSize()
{
    const int inside = 2 * platform::PictureBox::border;
    return {platform::pixelsFromTwips(designGeometry.width()) - inside,
            platform::pixelsFromTwips(designGeometry.height()) - inside};
}

void setUpCanvas(platform::Canvas &canvas)
{
    canvas.setBackground(background);
    canvas.setFont(platform::makeFont(font));
    canvas.setSize(designSize());
    canvas.setScale(left, top, right, bottom);
}

} // namespace analysis::picture
