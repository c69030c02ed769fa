#include "drawing/canvas.h"

#include <cmath>

namespace drawing {

// User coordinates onto a drawing area of `size` device-independent pixels,
// in single precision, as the forms runtime hands coordinates over.
static QPointF mapToPixel(const QRectF &scale, const QSize &size, double x, double y)
{
    const float fx = float(x), fy = float(y);
    return {(fx - scale.x()) / scale.width() * size.width(),
            (fy - scale.y()) / scale.height() * size.height()};
}

// Maps user coordinates onto the drawing area exactly as the image did when
// the primitive arrived (single precision, as the forms runtime hands
// coordinates over) and paints it with a pen one device-independent pixel
// wide, solid and not antialiased. Laying out a text costs more than
// drawing it, and an analysis prints the same few hundred numbers again
// and again, so laid-out texts are kept.
class Canvas::Renderer
{
public:
    Renderer(const QRectF &scale, const QSize &size, const QFont &font)
        : m_scale(scale), m_size(size), m_font(font)
    {
    }

    QPointF toPixel(double x, double y) const { return mapToPixel(m_scale, m_size, x, y); }

    // Paints one primitive and returns the rectangle it touched.
    QRectF paint(QPainter &painter, const Primitive &p, const std::vector<QString> &texts)
    {
        const QColor colour = QColor::fromRgb(p.colour);
        painter.setPen(QPen(colour, 1));
        const QPointF at = toPixel(p.x1, p.y1);
        switch (p.kind) {
        case Primitive::Circle: {
            // The radius is measured along the x axis and drawn with equal
            // radii in pixels, so the circle is round whatever the scale.
            const double r = std::abs(p.x2 / m_scale.width() * m_size.width());
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(at, r, r);
            return {at.x() - r, at.y() - r, 2 * r, 2 * r};
        }
        case Primitive::Line: {
            const QPointF to = toPixel(p.x2, p.y2);
            painter.drawLine(at, to);
            return QRectF(at, to).normalized();
        }
        case Primitive::Point:
            painter.drawPoint(at);
            return {at, QSizeF(1, 1)};
        case Primitive::Text: {
            const QString &string = texts[size_t(p.x2)];
            QStaticText &text = m_texts[string];
            if (text.text() != string) {
                text.setText(string);
                text.setTextFormat(Qt::PlainText);
                text.setPerformanceHint(QStaticText::AggressiveCaching);
                text.prepare(QTransform(), m_font);
            }
            // (CurrentX, CurrentY) is the top left corner of the text.
            painter.drawStaticText(at, text);
            return {at, text.size()};
        }
        }
        return {};
    }

private:
    QRectF m_scale;
    QSize m_size;
    QFont m_font;
    QHash<QString, QStaticText> m_texts;
};

Canvas::Canvas() = default;

Canvas::~Canvas()
{
    finish();
}

void Canvas::setSize(QSize size, qreal ratio)
{
    if (size == m_size && ratio == m_ratio)
        return;
    finish();
    m_size = size;
    m_ratio = ratio;
    m_live.reset();
    if (m_image.isNull())
        return; // made at the first primitive
    QImage resized(size * ratio, QImage::Format_RGB32);
    resized.setDevicePixelRatio(ratio);
    resized.fill(m_background);
    QPainter copy(&resized);
    copy.drawImage(0, 0, m_image);
    copy.end();
    m_image = resized;
}

void Canvas::setFont(const QFont &font)
{
    finish();
    // Text as solid pixels, as every other primitive: drawn twice, it looks
    // as drawn once, so the record need not keep it twice.
    m_font = font;
    m_font.setStyleStrategy(QFont::NoAntialias);
    m_live.reset();
}

void Canvas::setScale(double x1, double y1, double x2, double y2)
{
    m_scale = QRectF(x1, y1, x2 - x1, y2 - y1);
    m_live.reset();
}

QPointF Canvas::toPixel(double x, double y) const
{
    return mapToPixel(m_scale, m_size, x, y);
}

QPointF Canvas::toUser(const QPointF &pixel) const
{
    return {m_scale.x() + pixel.x() / std::max(1, m_size.width()) * m_scale.width(),
            m_scale.y() + pixel.y() / std::max(1, m_size.height()) * m_scale.height()};
}

void Canvas::ensureImage()
{
    if (m_image.isNull()) {
        m_image = QImage(m_size * m_ratio, QImage::Format_RGB32);
        m_image.setDevicePixelRatio(m_ratio);
        m_image.fill(m_background);
    }
}

QPainter &Canvas::painter()
{
    ensureImage();
    if (!m_painter.isActive()) {
        m_painter.begin(&m_image);
        m_painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing, false);
        m_painter.setFont(m_font);
    }
    if (!m_drawing) {
        m_drawing = true;
        if (onDrawing)
            onDrawing();
    }
    return m_painter;
}

QRect Canvas::finish()
{
    if (m_painter.isActive())
        m_painter.end();
    m_drawing = false;
    const QRect changed = m_dirty;
    m_dirty = {};
    return changed;
}

const QImage &Canvas::image()
{
    // The painter may open again for the next primitive; the changed area
    // is still reported by finish().
    ensureImage();
    if (m_painter.isActive())
        m_painter.end();
    return m_image;
}

bool Canvas::SamePrimitive::operator()(const Primitive &a, const Primitive &b) const
{
    return a.kind == b.kind && a.colour == b.colour && a.x1 == b.x1 && a.y1 == b.y1
            && a.x2 == b.x2 && a.y2 == b.y2;
}

size_t Canvas::PrimitiveHash::operator()(const Primitive &p) const
{
    return qHashMulti(0, int(p.kind), p.colour, p.x1, p.y1, p.x2, p.y2);
}

// A primitive drawn again moves to the end of the record; its earlier place
// is only marked, and the marks are swept out once they are half the record.
void Canvas::record(const Primitive &primitive)
{
    const auto [place, fresh] = m_placeOf.try_emplace(primitive, m_record.size());
    if (!fresh) {
        m_record[place->second].drawnLater = true;
        place->second = m_record.size();
    }
    m_record.push_back(primitive);
    if (m_record.size() < 2 * m_placeOf.size() + 1024)
        return;
    size_t kept = 0;
    for (const Primitive &p : m_record) {
        if (!p.drawnLater) {
            m_placeOf[p] = kept;
            m_record[kept++] = p;
        }
    }
    m_record.resize(kept);
}

void Canvas::add(const Primitive &primitive)
{
    record(primitive);
    if (!m_live)
        m_live = std::make_unique<Renderer>(m_scale, m_size, m_font);
    const QRectF touched = m_live->paint(painter(), primitive, m_texts);
    m_dirty |= touched.toAlignedRect().adjusted(-1, -1, 2, 2);
}

void Canvas::cls()
{
    m_record.clear();
    m_placeOf.clear();
    m_texts.clear();
    m_textIndex.clear();
    QPainter &p = painter();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(QRectF(QPointF(0, 0), m_size), m_background);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_dirty |= QRect(QPoint(0, 0), m_size);
}

void Canvas::circle(double x, double y, double radius, const QColor &colour)
{
    add({Primitive::Circle, false, colour.rgb(), float(x), float(y), float(radius), 0});
}

void Canvas::line(double x1, double y1, double x2, double y2)
{
    add({Primitive::Line, false, m_foreColor.rgb(), float(x1), float(y1), float(x2), float(y2)});
}

void Canvas::pset(double x, double y, const QColor &colour)
{
    add({Primitive::Point, false, colour.rgb(), float(x), float(y), 0, 0});
}

void Canvas::print(const QString &text)
{
    auto found = m_textIndex.constFind(text);
    if (found == m_textIndex.cend()) {
        found = m_textIndex.insert(text, int(m_texts.size()));
        m_texts.push_back(text);
    }
    add({Primitive::Text, false, m_foreColor.rgb(), float(m_currentX), float(m_currentY),
         float(*found),
         0});
}

void Canvas::replay(QPainter &painter) const
{
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing, false);
    painter.setFont(m_font);
    painter.fillRect(QRectF(QPointF(0, 0), m_size), m_background);
    Renderer renderer(m_scale, m_size, m_font);
    for (const Primitive &primitive : m_record) {
        if (!primitive.drawnLater)
            renderer.paint(painter, primitive, m_texts);
    }
}

Drawing Canvas::drawing() const
{
    return {m_size, [this](QPainter &painter) { replay(painter); }};
}

} // namespace drawing
