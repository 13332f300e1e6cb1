#pragma once

#include <QGroupBox>

// A frame drawn as an etched rectangle whose caption interrupts the top line, with the children
// placed freely inside, the way the window designs expect it whatever the widget style.
class FrameBox : public QGroupBox
{
    Q_OBJECT

public:
    explicit FrameBox(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
