#include "gaps/gapcircle.h"

#include <QPainter>

GapCircle::GapCircle(QWidget *parent)
    : QWidget(parent)
{
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setMinimumSize(240, 240);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void GapCircle::setPicture(numbers::u64 n, numbers::u64 k, int step)
{
    if (n == m_picture.n && k == m_picture.k && step == m_picture.step)
        return;
    m_picture.n = n;
    m_picture.k = k;
    m_picture.step = step;
    update();
}

void GapCircle::setTextScale(double scale)
{
    m_picture.textScale = scale;
    update();
}

void GapCircle::setView(View view)
{
    if (view == m_picture.view)
        return;
    m_picture.view = view;
    update();
}

void GapCircle::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paint(painter, size());
}

void GapCircle::paint(QPainter &painter, QSizeF size) const
{
    analysis::paintGaps(painter, size, m_picture);
}
