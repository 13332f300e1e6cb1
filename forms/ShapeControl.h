#pragma once

#include <QColor>
#include <QWidget>

// An opaque rectangle with a one-pixel outline, drawn beneath the window's other controls.
class ShapeControl : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor fillColor READ fillColor WRITE setFillColor)
    Q_PROPERTY(QColor borderColor READ borderColor WRITE setBorderColor)

public:
    explicit ShapeControl(QWidget* parent = nullptr);

    QColor fillColor() const { return m_fill; }
    QColor borderColor() const { return m_border; }
    void setFillColor(const QColor& color);
    void setBorderColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_fill = Qt::white;
    QColor m_border = Qt::black;
};
