#pragma once

#include <QObject>

#include <functional>

// The time without input in the user's session: since the last key, pointer move or touch.
class IdleSource : public QObject
{
    Q_OBJECT

public:
    // How this desktop tells it.
    enum class Way
    {
        None,    // not at all: a run cannot wait for time without input
        Counts,  // by input alone, whatever a program does to keep the screen on
        Notifies // only while no program keeps the screen on (a video playing, say)
    };

    using QObject::QObject;
    ~IdleSource() override = default;

    // Finds the way once; found is told, never after the object is gone.
    virtual void findWay(std::function<void(Way)> found) = 0;
    // From now on tells when the user becomes idle and when the user is back, until stop().
    virtual void follow() = 0;
    virtual void stop() = 0;

signals:
    // The user has been idle for this long: told about a second after the last input, or at
    // once when follow() finds the user idle already.
    void idle(qint64 forMs);
    // Input after the user was idle.
    void active();
};
