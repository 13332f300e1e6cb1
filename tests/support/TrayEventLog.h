#pragma once

#include "tray/cSysTray.h"

#include <QStringList>

// The events a cSysTray raises, in order, one line each: "MouseDown 1 0" (button, id),
// "MouseMove 0" (id). It must stay in place while the tray can raise events.
class TrayEventLog
{
public:
    TrayEventLog(const TrayEventLog&) = delete;
    TrayEventLog& operator=(const TrayEventLog&) = delete;

    explicit TrayEventLog(cSysTray& tray)
    {
        const auto line = [this](const char* name, QList<int> values) {
            QString text = QLatin1StringView(name);
            for (const int value : values)
                text += QLatin1Char(' ') + QString::number(value);
            events.append(text);
        };
        QObject::connect(&tray, &cSysTray::MouseMove, &tray,
                         [line](int id) { line("MouseMove", {id}); });
        QObject::connect(&tray, &cSysTray::MouseDown, &tray, [line](int button, int id) {
            line("MouseDown", {button, id});
        });
        QObject::connect(&tray, &cSysTray::MouseUp, &tray, [line](int button, int id) {
            line("MouseUp", {button, id});
        });
        QObject::connect(&tray, &cSysTray::MouseDblClick, &tray, [line](int button, int id) {
            line("MouseDblClick", {button, id});
        });
    }

    QStringList events;
};
