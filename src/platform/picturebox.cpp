#include "platform/picturebox.h"

#include <QMouseEvent>
#include <QPaintEvent>

namespace platform {

PictureBox::PictureBox(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(border);
    setMouseTracking(true); // moves without a button are reported too
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_StaticContents);
    m_canvas.setFont(font());
    // The painter opened by a handler's first primitive is closed when
    // control returns to the event loop.
    m_canvas.onDrawing = [this] {
        if (m_finishScheduled)
            return;
        m_finishScheduled = true;
        QMetaObject::invokeMethod(this, &PictureBox::finishPainting, Qt::QueuedConnection);
    };
}

PictureBox::~PictureBox()
{
    m_canvas.onDrawing = nullptr;
}

// The drawing area follows the widget; resizing keeps what was drawn at its
// place from the top left corner.
drawing::Canvas &PictureBox::canvas()
{
    m_canvas.setSize(drawingArea().size(), devicePixelRatioF());
    return m_canvas;
}

void PictureBox::finishPainting()
{
    m_finishScheduled = false;
    const QRect changed = m_canvas.finish();
    if (!changed.isEmpty())
        update(changed.translated(drawingArea().topLeft()));
}

void PictureBox::setBackground(const QColor &colour)
{
    m_canvas.setBackground(colour);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
}

void PictureBox::setScale(double x1, double y1, double x2, double y2)
{
    canvas().setScale(x1, y1, x2, y2);
}

QRect PictureBox::drawingArea() const
{
    return contentsRect();
}

void PictureBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        m_canvas.setFont(font());
    QFrame::changeEvent(event);
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event); // the border
    const QImage &picture = image();
    QPainter widgetPainter(this);
    const QRect area = drawingArea();
    widgetPainter.setClipRect(area & event->rect());
    widgetPainter.drawImage(area.topLeft(), picture);
}

QPointF PictureBox::userPosition(const QMouseEvent &event)
{
    return toUser(event.position() - drawingArea().topLeft());
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    const QPointF at = userPosition(*event);
    emit mouseDown(event->button(), event->modifiers(), at.x(), at.y());
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF at = userPosition(*event);
    emit mouseMove(event->buttons(), event->modifiers(), at.x(), at.y());
}

// Qt grabs the mouse for the widget a press began on, so the release comes
// here even when the pointer has left the picture.
void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointF at = userPosition(*event);
    emit mouseUp(event->button(), event->modifiers(), at.x(), at.y());
}

} // namespace platform
