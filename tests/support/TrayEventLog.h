#pragma once

#include "tray/cSysTray.h"

#include <QStringList>

// The events a cSysTray raises, in order: "MouseDown 1 0" (button, id), "MouseMove 0" (id).
struct TrayEventLog
{
    Q_DISABLE_COPY(TrayEventLog) // the connections hold on to this object

    explicit TrayEventLog(cSysTray& tray)
    {
        const auto log = [this](const char* name) {
            return [this, name](auto... values) {
                QString line = QLatin1StringView(name);
                ((line += QLatin1Char(' ') + QString::number(values)), ...);
                events.append(line);
            };
        };
        QObject::connect(&tray, &cSysTray::MouseMove, &tray, log("MouseMove"));
        QObject::connect(&tray, &cSysTray::MouseDown, &tray, log("MouseDown"));
        QObject::connect(&tray, &cSysTray::MouseUp, &tray, log("MouseUp"));
        QObject::connect(&tray, &cSysTray::MouseDblClick, &tray, log("MouseDblClick"));
    }

    QStringList events;
};
