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
    painter.setPen(m_border);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
