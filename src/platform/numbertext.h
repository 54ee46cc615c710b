#pragma once

#include <QString>

// A number as the screens place it into a text: a non-negative number keeps a blank where its
// sign would stand ("Page" + numberText(3) gives "Page 3").
inline QString numberText(long long n) {
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}
