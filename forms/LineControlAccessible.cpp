#include "LineControlAccessible.h"

#include "LineControl.h"

LineControlAccessible::LineControlAccessible(LineControl* line)
    : QAccessibleWidget(line, QAccessible::ProgressBar)
{}

void* LineControlAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QRect LineControlAccessible::rect() const
{
    const QRect line = this->line()->lineRect();
    return QRect(this->line()->mapToGlobal(line.topLeft()), line.size());
}

QVariant LineControlAccessible::currentValue() const
{
    return line()->percentLeft();
}

const LineControl* LineControlAccessible::line() const
{
    return static_cast<const LineControl*>(widget());
}
