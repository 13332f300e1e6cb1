#pragma once

#include <QObject>

#include <functional>
#include <optional>

// The items the session's media players are playing now, followed to their end.
class MediaWatch : public QObject
{
    Q_OBJECT

public:
    struct State
    {
        // Every player followed has finished the item it played when the following began: its
        // item changed, it stopped, it left, or it paused at the item's very end.
        bool finished = false;
        // One of them is paused in the middle of its item (the user paused it).
        bool paused = false;
        // Until the last of them reaches the end of its item, at its rate, from the last
        // position known; nothing where a player tells no length or no position.
        std::optional<qint64> remainingMs;
    };

    using QObject::QObject;
    ~MediaWatch() override = default;

    // Starts following the players that are playing now; started is told how many (0: none, and
    // nothing is followed), never after the object is gone.
    virtual void follow(std::function<void(int players)> started) = 0;
    virtual void stop() = 0;
    virtual State state() const = 0;

signals:
    // The state has changed beyond time running on: an item ended, a seek, a new rate, length,
    // item or status.
    void changed();
};
