#include "platform/cp1252.h"

#include <QStringDecoder>

#include <array>

namespace platform {
namespace {

// 0x80-0x9F; the five unassigned codes map to the C1 control of the same number.
constexpr std::array<char16_t, 32> kTekensVan80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t CodeNaarUnicode(unsigned char code)
{
    if (code >= 0x80 && code < 0xA0)
        return kTekensVan80[code - 0x80];
    return code;
}

char UnicodeNaarCode(char16_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return static_cast<char>(ch);
    for (std::size_t i = 0; i < kTekensVan80.size(); ++i)
        if (kTekensVan80[i] == ch)
            return static_cast<char>(0x80 + i);
    return '?';
}

}  // namespace

QByteArray NaarCp1252(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;  // one character outside the code page, one '?'
        out.append(c.isSurrogate() ? '?' : UnicodeNaarCode(c.unicode()));
    }
    return out;
}

QString VanCp1252(const QByteArray& bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char b : bytes)
        out.append(QChar(CodeNaarUnicode(static_cast<unsigned char>(b))));
    return out;
}

QByteArray AlsCp1252(const QByteArray& bytes)
{
    const auto begintMet = [&](const char* teken) { return bytes.startsWith(QByteArray(teken)); };
    QStringDecoder::Encoding codering;
    if (begintMet("\xEF\xBB\xBF"))
        codering = QStringDecoder::Utf8;
    else if (begintMet("\xFF\xFE") || (bytes.size() >= 2 && bytes[0] != 0 && bytes[1] == 0))
        codering = QStringDecoder::Utf16LE;
    else if (begintMet("\xFE\xFF") || (bytes.size() >= 2 && bytes[0] == 0 && bytes[1] != 0))
        codering = QStringDecoder::Utf16BE;
    else
        return bytes;
    // The decoder drops the mark; a character the code page lacks becomes '?'.
    QStringDecoder decoder(codering);
    return NaarCp1252(decoder.decode(bytes));
}

}  // namespace platform
