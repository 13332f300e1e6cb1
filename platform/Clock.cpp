#include "Clock.h"

#include <QLocale>

QString Clock::timeOfDayText() const
{
    return localNow().time().toString(QStringLiteral("HH:mm"));
}

QString Clock::shortDateText() const
{
    return QLocale().toString(localNow().date(), QLocale::ShortFormat);
}
