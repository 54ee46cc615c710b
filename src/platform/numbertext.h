#pragma once

#include <QString>

// A number placed into a text keeps the place of its sign: a blank before a number that is not
// negative, so "Question" + withSign(3) reads "Question 3" and "Page" + withSign(2) "Page 2".
inline QString withSign(int n) {
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}
