#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QStaticText>

#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

namespace drawing {

// A picture to keep: its size in device-independent pixels and how to paint
// it, background included, onto a painter that measures in those pixels.
struct Drawing {
    QSize size;
    std::function<void(QPainter &)> paint;
};

// The drawing surface of a picture box, without the widget: a user
// coordinate system over a drawing area, the operations Cls, Circle, Line,
// PSet and Print at (CurrentX, CurrentY) in ForeColor, and a persistent
// image that keeps what was drawn.
//
// Besides the image it keeps a record of the primitives since the last Cls,
// in user coordinates. The image is one replay of that record, made as the
// primitives arrive; a saved file is another, at any size, or as vectors.
// The command line draws on a canvas of its own, with no window.
//
// The record holds each distinct primitive once, at the place where it was
// last drawn. That replays to the same image as the whole history: every
// primitive is opaque, without antialiasing (text included), so drawing one
// again paints the same pixels in the same colour, and a pixel shows the
// last primitive that covered it; that primitive is the last drawing of its
// kind, which the record keeps, and in the record nothing that covers the
// pixel comes after it. So the record, and the memory and saved files, stay
// within the distinct primitives of the picture however often an analysis
// draws them again.
class Canvas
{
public:
    Canvas();
    ~Canvas();

    // The drawing area in device-independent pixels, and the device pixel
    // ratio of the image kept for it. A new size keeps what was drawn at its
    // place from the top left corner; the rest is background.
    void setSize(QSize size, qreal ratio = 1);
    QSize size() const { return m_size; }
    void setBackground(const QColor &colour) { m_background = colour; }
    QColor background() const { return m_background; }
    void setFont(const QFont &font);

    // (x1, y1) becomes the top left corner of the drawing area, (x2, y2) the
    // bottom right one.
    void setScale(double x1, double y1, double x2, double y2);
    // Between user coordinates and device-independent pixels of the area.
    QPointF toPixel(double x, double y) const;
    QPointF toUser(const QPointF &pixel) const;

    void cls();
    void circle(double x, double y, double radius, const QColor &colour);
    void line(double x1, double y1, double x2, double y2);
    void pset(double x, double y, const QColor &colour);
    void print(const QString &text);

    QColor foreColor() const { return m_foreColor; }
    void setForeColor(const QColor &colour) { m_foreColor = colour; }
    double currentX() const { return m_currentX; }
    double currentY() const { return m_currentY; }
    void setCurrentX(double x) { m_currentX = x; }
    void setCurrentY(double y) { m_currentY = y; }

    // The persistent image, with everything drawn so far. Closes the painter
    // a handler's drawing keeps open, which opens again at the next
    // primitive.
    const QImage &image();

    // While a handler draws, one painter stays open on the image. The first
    // primitive after a finish() calls `onDrawing`, so the owner can close
    // it again when control returns to the event loop. finish() returns the
    // area changed since, in device-independent pixels.
    std::function<void()> onDrawing;
    QRect finish();

    // The record drawn again, for a saved file: onto an image at any scale,
    // sharp at every scale, or as vectors of lines, circles and text.
    Drawing drawing() const;

    // How many distinct primitives the record holds, and its length: the
    // record keeps a primitive drawn again at its new place and marks the
    // old one, until the marked ones outnumber the rest and are dropped.
    size_t recorded() const { return m_placeOf.size(); }
    size_t recordLength() const { return m_record.size(); }

private:
    // One primitive in user coordinates; a circle keeps its radius in x2, a
    // text its index into m_texts in x2.
    struct Primitive {
        enum Kind : unsigned char { Circle, Line, Point, Text };
        Kind kind;
        bool drawnLater = false; // drawn again since: its later place counts
        QRgb colour;
        float x1, y1, x2, y2;
    };
    struct SamePrimitive {
        bool operator()(const Primitive &a, const Primitive &b) const;
    };
    struct PrimitiveHash {
        size_t operator()(const Primitive &p) const;
    };

    // Paints primitives onto a painter that measures the drawing area in
    // device-independent pixels: the image as they arrive, and every replay.
    class Renderer;

    void add(const Primitive &primitive);
    void record(const Primitive &primitive);
    void ensureImage();
    QPainter &painter();
    void replay(QPainter &painter) const;

    QSize m_size{0, 0};
    qreal m_ratio = 1;
    QColor m_background = Qt::white;
    QFont m_font;
    QRectF m_scale{0, 0, 1, 1}; // x1, y1, width, height in user units
    QColor m_foreColor = Qt::black;
    double m_currentX = 0;
    double m_currentY = 0;

    std::vector<Primitive> m_record;
    std::unordered_map<Primitive, size_t, PrimitiveHash, SamePrimitive> m_placeOf;
    std::vector<QString> m_texts;
    QHash<QString, int> m_textIndex;

    QImage m_image;
    QPainter m_painter;
    QRect m_dirty;
    bool m_drawing = false;
    std::unique_ptr<Renderer> m_live;
};

} // namespace drawing
