#pragma once

#include <functional>

// The media players of the session, as the desktop knows them.
class MediaPlayers
{
public:
    virtual ~MediaPlayers() = default;

    // Pauses every player that is playing. done is called once, when they have all answered or
    // a second has passed, and never after the object is gone.
    virtual void pausePlaying(std::function<void()> done) = 0;
};
