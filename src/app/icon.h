#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

// Zyklar's icon: a red disc with a white rim, ringed by eight short red
// strokes, like a seed head with its first leaves around it. The window's
// icon and the installed icon files come from the same drawing.
QImage zyklarIconImage(int size);
QString zyklarIconSvg();
QIcon zyklarIcon();
