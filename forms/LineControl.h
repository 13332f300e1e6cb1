#pragma once

#include <QColor>
#include <QWidget>

// A straight line drawn on its parent window, addressed by its end points in twips. It covers
// the parent, lets every mouse event through, and paints nothing but the line.
class LineControl : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(double x1 READ x1 WRITE setX1)
    Q_PROPERTY(double y1 READ y1 WRITE setY1)
    Q_PROPERTY(double x2 READ x2 WRITE setX2)
    Q_PROPERTY(double y2 READ y2 WRITE setY2)
    Q_PROPERTY(QColor lineColor READ lineColor WRITE setLineColor)
    Q_PROPERTY(int borderWidth READ borderWidth WRITE setBorderWidth)

public:
    explicit LineControl(QWidget* parent = nullptr);

    double x1() const { return m_x1; }
    double y1() const { return m_y1; }
    double x2() const { return m_x2; }
    double y2() const { return m_y2; }
    QColor lineColor() const { return m_color; }
    int borderWidth() const { return m_width; }

    void setX1(double twips);
    void setY1(double twips);
    // Coordinates are kept in single precision, as the window designs store them.
    void setX2(double twips);
    void setY2(double twips);
    void setLineColor(const QColor& color);
    void setBorderWidth(int pixels);

    // What the line shows, for assistive technology, which sees it as a progress bar: the part
    // left (0-100) and a sentence that says it. Only a new sentence is announced, so a line whose
    // sentence counts minutes is heard at most once a minute.
    void setProgress(int percentLeft, const QString& text);
    int percentLeft() const { return m_percentLeft; }
    // The line itself, in pixels of this control.
    QRect lineRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void setCoordinate(float& coordinate, double twips);

    float m_x1 = 0;
    float m_y1 = 0;
    float m_x2 = 0;
    float m_y2 = 0;
    QColor m_color = Qt::black;
    int m_width = 1;
    int m_percentLeft = 100;
};
