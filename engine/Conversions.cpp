#include "Conversions.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace Conversions {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

double numberOf(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;

    std::string number;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            number += '-';
        ++i;
    }

    bool anyDigit = false;
    while (i < n && isDigit(text[i])) {
        number += char(text[i++].unicode());
        anyDigit = true;
    }
    if (i < n && text[i] == u'.') {
        number += '.';
        ++i;
        while (i < n && isDigit(text[i])) {
            number += char(text[i++].unicode());
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return 0.0;

    // An exponent counts only when at least one digit follows it.
    if (i < n && (text[i] == u'e' || text[i] == u'E' || text[i] == u'd' || text[i] == u'D')) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            exponent += char(text[j++].unicode());
        bool exponentDigit = false;
        while (j < n && isDigit(text[j])) {
            exponent += char(text[j++].unicode());
            exponentDigit = true;
        }
        if (exponentDigit)
            number += exponent;
    }
    // Read in the C locale, so "2.5" is two and a half whatever the user's locale (and without
    // the stream machinery, whose locale set-up costs the start memory). A number too large for
    // a double gives the largest one, which no integer conversion accepts.
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    const double value = strtod_l(number.c_str(), nullptr, c);
    if (std::isinf(value))
        return std::copysign(std::numeric_limits<double>::max(), value);
    return value;
}

double roundHalfEven(double value)
{
    // nearbyint rounds with the current rounding mode, which is round-half-even by default.
    return std::nearbyint(value);
}

std::optional<qint32> toInt32(double value)
{
    const double rounded = roundHalfEven(value);
    if (!(rounded >= double(std::numeric_limits<qint32>::min()) &&
          rounded <= double(std::numeric_limits<qint32>::max())))
        return std::nullopt;
    return qint32(rounded);
}

qint32 toInt32Saturated(double value)
{
    if (std::isnan(value))
        return 0;
    if (const auto fitted = toInt32(value))
        return *fitted;
    return value < 0 ? std::numeric_limits<qint32>::min() : std::numeric_limits<qint32>::max();
}

} // namespace Conversions
