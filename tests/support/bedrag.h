#pragma once

#include "platform/amount.h"

#include <ostream>

namespace platform {

// Failures show the exact decimal, not the bytes of the value.
inline void PrintTo(const Bedrag& b, std::ostream* os)
{
    *os << b.Tekst(Bedrag::kDecimalen, QLatin1Char('.')).toStdString();
}

}  // namespace platform

// An exact amount written the way a reader of the test thinks of it: "2.205".
inline platform::Bedrag B(const char* tekst)
{
    return platform::Val(QString::fromLatin1(tekst));
}
