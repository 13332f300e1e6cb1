#include "VolumeAccessible.h"

#include <QScrollBar>

#include <cmath>

VolumeAccessible::VolumeAccessible(QScrollBar* slider)
    : QAccessibleWidget(slider, QAccessible::Slider)
{}

void* VolumeAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

// The scroll bar's top (its minimum) is loud.
QVariant VolumeAccessible::currentValue() const
{
    const QScrollBar* bar = slider();
    const int range = bar->maximum() - bar->minimum();
    return range > 0 ? int(std::lround(100.0 * (bar->maximum() - bar->value()) / range)) : 0;
}

void VolumeAccessible::setCurrentValue(const QVariant& percent)
{
    QScrollBar* bar = slider();
    const double part = std::clamp(percent.toDouble(), 0.0, 100.0) / 100;
    bar->setValue(bar->maximum() - int(std::lround(part * (bar->maximum() - bar->minimum()))));
}

QScrollBar* VolumeAccessible::slider() const
{
    return static_cast<QScrollBar*>(widget());
}
