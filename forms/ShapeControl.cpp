#include "ShapeControl.h"

#include <QPainter>

ShapeControl::ShapeControl(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void ShapeControl::setFillColor(const QColor& color)
{
    m_fill = color;
    update();
}

void ShapeControl::setBorderColor(const QColor& color)
{
    m_border = color;
    update();
}

void ShapeControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_fill);
    // The border as four bands one pixel wide, not as lines: on a display scaled by a fraction
    // (150 %), a line along the edge can fall just outside the widget and vanish.
    const int w = width();
    const int h = height();
    for (const QRect band :
         {QRect(0, 0, w, 1), QRect(0, h - 1, w, 1), QRect(0, 0, 1, h), QRect(w - 1, 0, 1, h)})
        painter.fillRect(band, m_border);
}
