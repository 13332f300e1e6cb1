#include "LineControl.h"

#include "Twips.h"

#include <QAccessible>
#include <QPainter>

LineControl::LineControl(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void LineControl::setCoordinate(float& coordinate, double twips)
{
    const float value = float(twips);
    if (value == coordinate)
        return;
    coordinate = value;
    update();
}

void LineControl::setX1(double twips)
{
    setCoordinate(m_x1, twips);
}

void LineControl::setY1(double twips)
{
    setCoordinate(m_y1, twips);
}

void LineControl::setX2(double twips)
{
    setCoordinate(m_x2, twips);
}

void LineControl::setY2(double twips)
{
    setCoordinate(m_y2, twips);
}

void LineControl::setLineColor(const QColor& color)
{
    m_color = color;
    update();
}

void LineControl::setBorderWidth(int pixels)
{
    m_width = pixels;
    update();
}

void LineControl::setProgress(int percentLeft, const QString& text)
{
    m_percentLeft = percentLeft;
    if (text == accessibleDescription())
        return;
    setAccessibleDescription(text); // tells assistive technology that the text changed
    QAccessibleValueChangeEvent changed(this, percentLeft);
    QAccessible::updateAccessibility(&changed);
}

QRect LineControl::lineRect() const
{
    const QPoint from(Twips::toPixels(m_x1), Twips::toPixels(m_y1));
    const QPoint to(Twips::toPixels(m_x2), Twips::toPixels(m_y2));
    const int half = (m_width + 1) / 2;
    return QRect(from, to).normalized().adjusted(-half, -half, half, half);
}

void LineControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(m_color, m_width, Qt::SolidLine, Qt::RoundCap));
    const auto point = [](float x, float y) {
        return QPointF(double(x) / Twips::PerPixel, double(y) / Twips::PerPixel);
    };
    painter.drawLine(point(m_x1, m_y1), point(m_x2, m_y2));
}
