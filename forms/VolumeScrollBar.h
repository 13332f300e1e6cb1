#pragma once

#include <QScrollBar>

// The volume's scroll bar. A move repaints where the handle was and where it is, not the whole
// bar: the fade moves it every two seconds for as long as a run lasts, and each whole repaint of
// the tall groove is split among threads and costs the run more than the fade itself.
class VolumeScrollBar : public QScrollBar
{
    Q_OBJECT

public:
    explicit VolumeScrollBar(QWidget* parent = nullptr);

protected:
    void sliderChange(SliderChange change) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QRect handleRect() const;
    bool atAnEnd() const;

    // Where the handle was last drawn; empty when the next move must repaint the whole bar.
    QRect m_handle;
    bool m_wasAtAnEnd = true;
};
