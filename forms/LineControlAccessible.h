#pragma once

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

class LineControl;

// The progress line as assistive technology sees it: a progress bar at the line itself, whose
// value is the part left and whose description says it.
class LineControlAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit LineControlAccessible(LineControl* line);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QRect rect() const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    const LineControl* line() const;
};
