#pragma once

#include "drawing/canvas.h"
#include "drawing/units.h"

#include <QFrame>

namespace platform {

// The picture box of the forms runtime: a widget over a Canvas, whose
// drawing area is the area inside the border.
//
// Drawing works before the window is first shown. A handler that draws a
// few hundred primitives keeps one painter open on the canvas's image; it
// is closed, and the widget told which rectangle changed, when control goes
// back to the event loop. Painting the widget only copies the image.
class PictureBox : public QFrame
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);
    ~PictureBox() override;

    // Border width in device-independent pixels on each side.
    static constexpr int border = drawing::pictureBoxBorder;

    // The canvas, sized to the drawing area as it is now.
    drawing::Canvas &canvas();

    void setBackground(const QColor &colour);

    // The forms runtime's operations, drawn on the canvas.
    void setScale(double x1, double y1, double x2, double y2);
    void cls() { canvas().cls(); }
    void circle(double x, double y, double radius, const QColor &colour)
    {
        canvas().circle(x, y, radius, colour);
    }
    void line(double x1, double y1, double x2, double y2) { canvas().line(x1, y1, x2, y2); }
    void pset(double x, double y, const QColor &colour) { canvas().pset(x, y, colour); }
    void print(const QString &text) { canvas().print(text); }
    QColor foreColor() const { return m_canvas.foreColor(); }
    void setForeColor(const QColor &colour) { m_canvas.setForeColor(colour); }
    double currentX() const { return m_canvas.currentX(); }
    double currentY() const { return m_canvas.currentY(); }
    void setCurrentX(double x) { m_canvas.setCurrentX(x); }
    void setCurrentY(double y) { m_canvas.setCurrentY(y); }

    // The drawing area in widget coordinates, and conversions between user
    // coordinates and device-independent pixels of the widget.
    QRect drawingArea() const;
    QPointF toPixel(double x, double y) { return canvas().toPixel(x, y); }
    QPointF toUser(const QPointF &pixel) { return canvas().toUser(pixel); }

    // The persistent image, with everything drawn so far.
    const QImage &image() { return canvas().image(); }

signals:
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y);
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, double x, double y);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y);

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void finishPainting();
    QPointF userPosition(const QMouseEvent &event);

    drawing::Canvas m_canvas;
    bool m_finishScheduled = false;
};

} // namespace platform
