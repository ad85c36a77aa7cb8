#include "platform/amount.h"

#include <charconv>
#include <cmath>
#include <string>

namespace platform {

QString FormatBedrag(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0,00");
    // The exact decimal expansion decides the rounding, not a rescaled copy
    // (0.125 is a true tie and goes to 0,13).
    char digits[400];
    const auto end = std::to_chars(digits, digits + sizeof digits, std::fabs(value),
                                   std::chars_format::fixed, 40).ptr;
    const std::string text(digits, end);
    const std::size_t point = text.find('.');
    std::string whole = text.substr(0, point);
    std::string cents = text.substr(point + 1, 2);
    if (text[point + 3] >= '5') {
        std::string number = whole + cents;
        int i = static_cast<int>(number.size()) - 1;
        while (i >= 0 && number[i] == '9')
            number[i--] = '0';
        if (i < 0)
            number.insert(number.begin(), '1');
        else
            ++number[i];
        whole = number.substr(0, number.size() - 2);
        cents = number.substr(number.size() - 2);
    }
    const bool negative = value < 0 && (whole != "0" || cents != "00");
    return QString::fromStdString((negative ? "-" : "") + whole + "," + cents);
}

double Val(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    double sign = 1;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        sign = text[i++] == '-' ? -1 : 1;
    std::string number;
    bool anyDigit = false;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128) {
        number += text[i++].toLatin1();
        anyDigit = true;
    }
    if (i < text.size() && text[i] == '.') {
        number += text[i++].toLatin1();
        while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128) {
            number += text[i++].toLatin1();
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return 0;
    double value = 0;
    std::from_chars(number.data(), number.data() + number.size(), value);
    return sign * value;
}

}  // namespace platform
