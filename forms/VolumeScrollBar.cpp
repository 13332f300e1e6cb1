#include "VolumeScrollBar.h"

#include <QStyle>
#include <QStyleOptionSlider>

namespace {

// The style draws the handle's edge and shade a little outside its rectangle.
constexpr int EdgeMargin = 3;

} // namespace

VolumeScrollBar::VolumeScrollBar(QWidget* parent) : QScrollBar(parent) {}

void VolumeScrollBar::sliderChange(SliderChange change)
{
    // At either end the arrow buttons change their look as well.
    const bool atEnd = atAnEnd();
    const QRect handle = handleRect();
    if (change != SliderValueChange || m_handle.isEmpty() || atEnd || m_wasAtAnEnd)
        QScrollBar::sliderChange(change);
    else
        update(m_handle.united(handle).adjusted(0, -EdgeMargin, 0, EdgeMargin));
    m_handle = handle;
    m_wasAtAnEnd = atEnd;
}

void VolumeScrollBar::resizeEvent(QResizeEvent* event)
{
    m_handle = QRect();
    QScrollBar::resizeEvent(event);
}

void VolumeScrollBar::changeEvent(QEvent* event)
{
    m_handle = QRect();
    QScrollBar::changeEvent(event);
}

QRect VolumeScrollBar::handleRect() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
}

bool VolumeScrollBar::atAnEnd() const
{
    return value() == minimum() || value() == maximum();
}
