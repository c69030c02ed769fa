#pragma once

#include <QFrame>
#include <QImage>
#include <QPainter>
#include <QHash>
#include <QRectF>
#include <QStaticText>

#include <optional>

namespace platform {

// The picture box of the forms runtime: a drawing surface with a persistent
// image and a user coordinate system.
//
// Everything drawn goes into an image kept at the size of the drawing area
// (the area inside the border) times the device pixel ratio; painting the
// widget only copies that image, so drawings survive repaints and can be
// made before the window is first shown. `setScale` names the user
// coordinates of the drawing area's top left and bottom right corners; every
// operation takes user coordinates. Lines and points are one
// device-independent pixel wide, solid and not antialiased.
//
// A handler that draws a few hundred primitives keeps one QPainter open on
// the image; it is closed, and the widget told which rectangle changed, when
// control goes back to the event loop.
class PictureBox : public QFrame
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);
    ~PictureBox() override;

    void setBackground(const QColor &colour);

    // (x1, y1) becomes the top left corner of the drawing area, (x2, y2) the
    // bottom right one.
    void setScale(double x1, double y1, double x2, double y2);

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

    // The drawing area in widget coordinates, and conversions between user
    // coordinates and device-independent pixels of the widget.
    QRect drawingArea() const;
    QPointF toPixel(double x, double y) const;
    QPointF toUser(const QPointF &pixel) const;

    // The persistent image, with everything drawn so far.
    const QImage &image() const;

signals:
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y);
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, double x, double y);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPainter &painter();
    void finishPainting() const;
    void touched(const QRectF &pixels);
    QPointF userPosition(const QMouseEvent &event) const;

    // Laying out a text costs more than drawing it, and an analysis prints
    // the same few hundred numbers again and again.
    QHash<QString, QStaticText> m_texts;
    QFont m_textFont;

    mutable QImage m_image;
    mutable QPainter m_painter;
    mutable QRect m_dirty;
    bool m_finishScheduled = false;
    QColor m_background = Qt::white;
    QRectF m_scale{0, 0, 1, 1}; // x1, y1, width, height in user units
    QColor m_foreColor = Qt::black;
    double m_currentX = 0;
    double m_currentY = 0;
};

} // namespace platform
