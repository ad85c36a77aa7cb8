#pragma once

#include <QString>

namespace platform {

// "###0.00" with a decimal comma, rounded half away from zero on the value as held.
QString FormatBedrag(double value);

// The leading number of a text with a point as decimal separator: blanks
// skipped, optional sign, digits, optional point and digits; otherwise 0.
double Val(const QString& text);

}
