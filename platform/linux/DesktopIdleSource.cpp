#include "DesktopIdleSource.h"

#include "MutterIdleMonitor.h"
#include "WaylandIdleNotifier.h"
#include "XSyncIdleCounter.h"

#include <QGuiApplication>

namespace {

// Idle is told after a second without input: soon enough that a run's minutes count from the last
// input, late enough that typing never looks idle.
constexpr int QuietMs = 1000;

} // namespace

DesktopIdleSource::DesktopIdleSource(QObject* parent) : IdleSource(parent)
{
    m_sources.push_back(new MutterIdleMonitor(QuietMs, this));
    // Through Xwayland, the X server sees only the input that goes to X11 windows.
    if (QGuiApplication::platformName() == QLatin1String("wayland") ||
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        m_sources.push_back(new WaylandIdleNotifier(QuietMs, this));
    else
        m_sources.push_back(new XSyncIdleCounter(QuietMs, this));
    for (IdleSource* source : m_sources) {
        connect(source, &IdleSource::idle, this, &IdleSource::idle);
        connect(source, &IdleSource::active, this, &IdleSource::active);
    }
}

void DesktopIdleSource::findWay(std::function<void(Way)> found)
{
    if (m_found)
        found(m_way);
    else
        findFrom(0, found);
}

void DesktopIdleSource::findFrom(std::size_t index, const std::function<void(Way)>& found)
{
    m_sources[index]->findWay([this, index, found](Way way) {
        if (way == Way::None && index + 1 < m_sources.size()) {
            findFrom(index + 1, found);
            return;
        }
        m_found = m_sources[index];
        m_way = way;
        found(way);
    });
}

void DesktopIdleSource::follow()
{
    if (std::exchange(m_following, true))
        return;
    findWay([this](Way way) {
        if (m_following && way != Way::None)
            m_found->follow();
    });
}

void DesktopIdleSource::stop()
{
    m_following = false;
    if (m_found)
        m_found->stop();
}
