#pragma once

#include <QColor>
#include <QSize>
#include <QString>

#include <functional>
#include <vector>

class QPainter;

namespace drawing {

// An animated GIF that loops: `frames` pictures of one size on white, each
// shown `delay` hundredths of a second, drawn by draw(painter, frame) for
// frame = 0 … frames − 1. Its 256 colours are `colours` (the picture's
// own, kept exact) and, for everything between them, an even spread of the
// colour cube and greys. Written atomically, as saveFile writes; returns
// the reason of a failure, else an empty text.
QString saveAnimation(const QString &path, QSize size, int frames, int delay,
                      const std::vector<QColor> &colours,
                      const std::function<void(QPainter &, int frame)> &draw);

} // namespace drawing
