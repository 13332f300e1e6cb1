#include "ProgramIcon.h"

#include <QGuiApplication>

QIcon programIcon()
{
    // Once it is the application's icon, that one is shared: every picture is decoded as it is
    // added, which costs the start twice over.
    if (const QIcon shared = QGuiApplication::windowIcon(); !shared.isNull())
        return shared;
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48})
        icon.addFile(QStringLiteral(":/somnivo-%1.png").arg(size), QSize(size, size));
    icon.addFile(QStringLiteral(":/somnivo.png"), QSize(64, 64));
    icon.addFile(QStringLiteral(":/somnivo-128.png"), QSize(128, 128));
    return icon;
}
