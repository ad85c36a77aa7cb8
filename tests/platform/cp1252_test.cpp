#include "platform/cp1252.h"

#include <gtest/gtest.h>

using platform::NaarCp1252;
using platform::VanCp1252;

TEST(Cp1252, EncodesTheCodePageAndMarksTheRest)
{
    EXPECT_EQ(NaarCp1252(QStringLiteral("€ é ß")), QByteArray("\x80 \xE9 \xDF"));
    EXPECT_EQ(NaarCp1252(QStringLiteral("\u201Cq\u201D \u2013 \u0178")), QByteArray("\x93q\x94 \x96 \x9F"));
    EXPECT_EQ(NaarCp1252(QStringLiteral("Ω")), QByteArray("?"));
    // A character beyond the basic plane is one character, so one '?'.
    EXPECT_EQ(NaarCp1252(QString::fromUtf8("a\xF0\x9F\x98\x80" "b")), QByteArray("a?b"));
    EXPECT_EQ(NaarCp1252(QStringLiteral("a\r\nb")), QByteArray("a\r\nb"));
}

TEST(Cp1252, EveryByteSurvivesARoundTrip)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = VanCp1252(all);
    EXPECT_EQ(text.size(), 256);
    EXPECT_EQ(text.at(0x80), QChar(0x20AC));
    EXPECT_EQ(text.at(0x81), QChar(0x81));
    EXPECT_EQ(NaarCp1252(text), all);
}
