#pragma once

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

class QScrollBar;

// The volume slider as assistive technology sees it: a slider from 0 to 100 per cent, loud at
// 100, whatever the units it counts in underneath and whichever way it runs.
class VolumeAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit VolumeAccessible(QScrollBar* slider);

    void* interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& percent) override;
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    QScrollBar* slider() const;
};
