#pragma once

#include <QLabel>

// A label that stands for an address: the mouse and the keyboard (Enter, Space) open it, it
// takes the focus and shows it, and assistive technology sees it as a link.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent = nullptr);

signals:
    void activated();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
