#pragma once

#include <QIcon>
#include <QImage>

// Zyklar's icon: a red disc with a white rim, ringed by eight short red
// strokes, like a seed head with its first leaves around it.
QImage zyklarIconImage(int size);
QIcon zyklarIcon();
