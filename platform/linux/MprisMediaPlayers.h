#pragma once

#include "platform/MediaPlayers.h"

#include <QObject>

// The players that speak MPRIS on the session bus (org.mpris.MediaPlayer2.*).
class MprisMediaPlayers final : public QObject, public MediaPlayers
{
    Q_OBJECT

public:
    using QObject::QObject;

    void pausePlaying(std::function<void()> done) override;
};
