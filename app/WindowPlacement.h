#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

// Where the main window goes at start-up. Positions are stored in twips; on screen they are
// pixels.
namespace WindowPlacement {

// The top-left corner, in twips, that centres a window of windowSize on screen (both in
// pixels): each difference is taken in whole twips and halved, dropping any remainder.
QPoint centredTwips(const QRect& screen, const QSize& windowSize);

// The pixel position of a stored twips position, or nothing when a window of frameSize placed
// there would not touch any of the screens, so the user could never reach it.
std::optional<QPoint> reachablePosition(const QPoint& twips, const QSize& frameSize,
                                        const QList<QRect>& screens);

} // namespace WindowPlacement
