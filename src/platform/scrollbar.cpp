#include "platform/scrollbar.h"

#include <QKeyEvent>

namespace platform {

ScrollBar::ScrollBar(int min, int max, int initial, QWidget *parent)
    : QScrollBar(Qt::Horizontal, parent)
{
    setRange(min, max);
    setValue(initial);
    setSingleStep(1);
    setPageStep(1);
    setFocusPolicy(Qt::StrongFocus);

    // Every change of the value passes through valueChanged: while the thumb
    // is held it is a Scroll, otherwise a Change. A drag that moved the value
    // ends with one Change on release; a drag that did not raises nothing.
    connect(this, &QAbstractSlider::valueChanged, this, [this] {
        if (isSliderDown())
            emit scroll();
        else
            emit change();
    });
    connect(this, &QAbstractSlider::sliderPressed, this, [this] { m_valueAtPress = value(); });
    connect(this, &QAbstractSlider::sliderReleased, this, [this] {
        if (value() != m_valueAtPress)
            emit change();
    });
}

void ScrollBar::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down: setValue(value() + singleStep()); break;
    case Qt::Key_Left:
    case Qt::Key_Up: setValue(value() - singleStep()); break;
    case Qt::Key_PageDown: setValue(value() + pageStep()); break;
    case Qt::Key_PageUp: setValue(value() - pageStep()); break;
    case Qt::Key_Home: setValue(minimum()); break;
    case Qt::Key_End: setValue(maximum()); break;
    default: QScrollBar::keyPressEvent(event); return;
    }
    event->accept();
}

} // namespace platform
