#include "WindowPlacement.h"

#include "forms/Twips.h"

#include <optional>

namespace WindowPlacement {

QPoint centredTwips(const QRect& screen, const QSize& windowSize)
{
    const int left =
        Twips::fromPixels(screen.left()) +
        (Twips::fromPixels(screen.width()) - Twips::fromPixels(windowSize.width())) / 2;
    const int top =
        Twips::fromPixels(screen.top()) +
        (Twips::fromPixels(screen.height()) - Twips::fromPixels(windowSize.height())) / 2;
    return {left, top};
}

std::optional<QPoint> reachablePosition(const QPoint& twips, const QSize& frameSize,
                                        const QList<QRect>& screens)
{
    const QPoint pixels(Twips::toPixels(twips.x()), Twips::toPixels(twips.y()));
    const QRect frame(pixels, frameSize);
    for (const QRect& screen : screens) {
        if (screen.intersects(frame))
            return pixels;
    }
    return std::nullopt;
}

} // namespace WindowPlacement
