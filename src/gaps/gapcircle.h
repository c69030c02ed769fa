#pragma once

#include "analysis/gapspicture.h"

#include <QWidget>

// picAbstaende: the picture of the gaps (analysis/gapspicture.h) as a
// widget.
class GapCircle : public QWidget
{
    Q_OBJECT
public:
    using View = analysis::GapsPicture::View;

    explicit GapCircle(QWidget *parent = nullptr);

    // The rotation by k/N (numbers::goldenRotation for the golden angle).
    void setPicture(numbers::u64 n, numbers::u64 k, int step);
    void setView(View view);
    numbers::u64 n() const { return m_picture.n; }
    numbers::u64 k() const { return m_picture.k; }
    int step() const { return m_picture.step; }
    View view() const { return m_picture.view; }
    // The numbers on the ring grow with the window's other texts.
    void setTextScale(double scale);
    const analysis::GapsPicture &picture() const { return m_picture; }

    // Paints the picture into a rectangle of that size at the painter's
    // origin, background included.
    void paint(QPainter &painter, QSizeF size) const;

    QSize sizeHint() const override { return {480, 480}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    analysis::GapsPicture m_picture;
};
