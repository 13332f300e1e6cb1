#include "FrameBox.h"

#include <QPainter>

namespace {
constexpr int CaptionIndent = 8;
constexpr int CaptionPadding = 2;
} // namespace

FrameBox::FrameBox(QWidget* parent) : QGroupBox(parent)
{
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
}

void FrameBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const bool hasCaption = !title().isEmpty();
    const int top = hasCaption ? metrics.height() / 2 : 0;
    const QRect box = rect().adjusted(0, top, -1, -1);

    // The etched look: a shadow line with a light line just inside and below it.
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(box.adjusted(1, 1, 0, 0));

    if (!hasCaption)
        return;
    // A frame pushed above its parent's top edge would lose the top of its caption; the caption
    // moves down into sight, the border line stays where the design put it.
    const int captionTop = qMax(0, -y());
    const QRect caption(CaptionIndent, captionTop,
                        metrics.horizontalAdvance(title()) + 2 * CaptionPadding, metrics.height());
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter | Qt::TextShowMnemonic, title());
}
