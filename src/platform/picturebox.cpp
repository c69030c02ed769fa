#include "platform/picturebox.h"

#include <QMouseEvent>
#include <QPaintEvent>

#include <cmath>

namespace platform {

PictureBox::PictureBox(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setMouseTracking(true); // moves without a button are reported too
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_StaticContents);
}

PictureBox::~PictureBox()
{
    finishPainting();
}

void PictureBox::setBackground(const QColor &colour)
{
    m_background = colour;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
}

void PictureBox::setScale(double x1, double y1, double x2, double y2)
{
    m_scale = QRectF(x1, y1, x2 - x1, y2 - y1);
}

QRect PictureBox::drawingArea() const
{
    return contentsRect();
}

QPointF PictureBox::toPixel(double x, double y) const
{
    const QRect area = drawingArea();
    // Single precision, as the forms runtime hands coordinates over.
    const float fx = float(x), fy = float(y);
    return {(fx - m_scale.x()) / m_scale.width() * area.width(),
            (fy - m_scale.y()) / m_scale.height() * area.height()};
}

QPointF PictureBox::toUser(const QPointF &pixel) const
{
    const QRect area = drawingArea();
    return {m_scale.x() + pixel.x() / std::max(1, area.width()) * m_scale.width(),
            m_scale.y() + pixel.y() / std::max(1, area.height()) * m_scale.height()};
}

// The image follows the size of the drawing area. Resizing keeps what was
// drawn at its place from the top left corner; the rest is background.
QPainter &PictureBox::painter()
{
    const qreal ratio = devicePixelRatioF();
    const QSize size = drawingArea().size() * ratio;
    if (m_image.size() != size || m_image.devicePixelRatio() != ratio) {
        finishPainting();
        QImage resized(size, QImage::Format_RGB32);
        resized.setDevicePixelRatio(ratio);
        resized.fill(m_background);
        if (!m_image.isNull()) {
            QPainter copy(&resized);
            copy.drawImage(0, 0, m_image);
        }
        m_image = resized;
    }
    if (!m_painter.isActive()) {
        m_painter.begin(&m_image);
        m_painter.setRenderHint(QPainter::Antialiasing, false);
        m_painter.setFont(font());
        if (!m_finishScheduled) {
            m_finishScheduled = true;
            QMetaObject::invokeMethod(
                    this, [this] { m_finishScheduled = false; finishPainting(); },
                    Qt::QueuedConnection);
        }
    }
    return m_painter;
}

void PictureBox::finishPainting() const
{
    if (m_painter.isActive())
        m_painter.end();
    if (!m_dirty.isEmpty()) {
        const_cast<PictureBox *>(this)->update(m_dirty.translated(drawingArea().topLeft()));
        m_dirty = {};
    }
}

void PictureBox::touched(const QRectF &pixels)
{
    m_dirty |= pixels.toAlignedRect().adjusted(-1, -1, 2, 2);
}

const QImage &PictureBox::image() const
{
    const_cast<PictureBox *>(this)->painter();
    finishPainting();
    return m_image;
}

void PictureBox::cls()
{
    QPainter &p = painter();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(QRectF(QPointF(0, 0), drawingArea().size()), m_background);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    touched(QRectF(QPointF(0, 0), drawingArea().size()));
}

void PictureBox::circle(double x, double y, double radius, const QColor &colour)
{
    QPainter &p = painter();
    // The radius is measured along the x axis and drawn with equal radii in
    // pixels, so the circle is round on the screen whatever the scale.
    const double pixelRadius = std::abs(float(radius) / m_scale.width() * drawingArea().width());
    const QPointF centre = toPixel(x, y);
    p.setPen(QPen(colour, 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, pixelRadius, pixelRadius);
    touched(QRectF(centre.x() - pixelRadius, centre.y() - pixelRadius, 2 * pixelRadius,
                   2 * pixelRadius));
}

void PictureBox::line(double x1, double y1, double x2, double y2)
{
    QPainter &p = painter();
    const QPointF from = toPixel(x1, y1);
    const QPointF to = toPixel(x2, y2);
    p.setPen(QPen(m_foreColor, 1));
    p.drawLine(from, to);
    touched(QRectF(from, to).normalized());
}

void PictureBox::pset(double x, double y, const QColor &colour)
{
    QPainter &p = painter();
    const QPointF at = toPixel(x, y);
    p.setPen(QPen(colour, 1));
    p.drawPoint(at);
    touched(QRectF(at, QSizeF(1, 1)));
}

void PictureBox::print(const QString &text)
{
    QPainter &p = painter();
    if (m_textFont != p.font()) {
        m_texts.clear();
        m_textFont = p.font();
    }
    QStaticText &laidOut = m_texts[text];
    if (laidOut.text() != text) {
        laidOut.setText(text);
        laidOut.setTextFormat(Qt::PlainText);
        laidOut.setPerformanceHint(QStaticText::AggressiveCaching);
        laidOut.prepare(QTransform(), m_textFont);
    }
    // (CurrentX, CurrentY) is the top left corner of the text.
    const QPointF at = toPixel(m_currentX, m_currentY);
    p.setPen(QPen(m_foreColor, 1));
    p.drawStaticText(at, laidOut);
    touched(QRectF(at, laidOut.size()));
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

QPointF PictureBox::userPosition(const QMouseEvent &event) const
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
