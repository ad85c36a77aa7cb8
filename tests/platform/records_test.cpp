#include "platform/records.h"

#include <gtest/gtest.h>

using platform::NietGezet;
using platform::RecordReader;
using platform::RecordWriter;

TEST(Records, WriteQuotedTextsBareNumbersAndNothingForUnset)
{
    RecordWriter w;
    w.Schrijf({QStringLiteral("Datum")});
    w.Schrijf({240.0, 250.0, 140.0});
    w.Schrijf({QStringLiteral("twee\r\nregels"), 12.5, NietGezet{}, QStringLiteral("€")});
    w.Schrijf({QStringLiteral("zeg \"ja\"")});
    EXPECT_EQ(w.Bytes(), QByteArray("\"Datum\"\r\n240,250,140\r\n\"twee\r\nregels\",12.5,,\"\x80\"\r\n\"zeg 'ja'\"\r\n"));
}

TEST(Records, ReadFieldsAcrossLines)
{
    RecordReader r("\"a, b\r\nc\"  ,  42 ,\"x\"\r\n  7\r\n\r\n\"\"\r\n,plain text \r\n");
    EXPECT_EQ(r.LeesTekst(), QStringLiteral("a, b\r\nc"));
    EXPECT_EQ(r.LeesGetal(), 42.0);
    EXPECT_EQ(r.LeesTekst(), QStringLiteral("x"));
    EXPECT_EQ(r.LeesGeheel(0, 255), 7);
    EXPECT_EQ(r.LeesTekst(), QString());
    EXPECT_EQ(r.LeesGetal(), 0.0);  // an empty field
    EXPECT_EQ(r.LeesTekst(), QStringLiteral("plain text"));
    EXPECT_TRUE(r.AanHetEinde());
    EXPECT_FALSE(r.LeesTekst().has_value());
}

TEST(Records, MalformedFieldsFail)
{
    struct { const char* bytes; } notNumbers[] = {{"\"12\""}, {"abc"}, {"12abc"}, {"1e5"}, {""}, {"300"}, {"-1"}};
    for (const auto& c : notNumbers)
        EXPECT_FALSE(RecordReader(c.bytes).LeesGeheel(0, 255).has_value()) << c.bytes;
    EXPECT_EQ(RecordReader("255").LeesGeheel(0, 255), 255);
    EXPECT_EQ(RecordReader("2.5").LeesGeheel(0, 255), 2);   // half to even
    EXPECT_EQ(RecordReader("+3.5").LeesGeheel(0, 255), 4);
    EXPECT_FALSE(RecordReader("\"cut off text").LeesTekst().has_value());
}

TEST(Records, WrittenRecordsReadBack)
{
    RecordWriter w;
    const QString tekst = QStringLiteral("Janssen & Zonen\r\nStraße 5, \"hoek\"");
    w.Schrijf({tekst, 21.0});
    RecordReader r(w.Bytes());
    EXPECT_EQ(r.LeesTekst(), QStringLiteral("Janssen & Zonen\r\nStraße 5, 'hoek'"));
    EXPECT_EQ(r.LeesGetal(), 21.0);
    EXPECT_TRUE(r.AanHetEinde());
    // Round numbers and small fractions, whose shortest form is an exponent.
    for (double getal : {100000.0, 10000000.0, 1e6, 1e20, 0.0001, -2.5, 0.1, 16777215.0}) {
        RecordWriter g;
        g.Schrijf({getal});
        EXPECT_EQ(RecordReader(g.Bytes()).LeesGetal(), getal) << g.Bytes().toStdString();
    }
}

TEST(Records, AnUnsetValueReadsBackAsAnEmptyLine)
{
    RecordWriter w;
    w.Schrijf({QStringLiteral("voor")});
    w.Schrijf({NietGezet{}});
    w.Schrijf({QString()});
    RecordReader r(w.Bytes());
    EXPECT_FALSE(r.LeesLegeRegel());  // a text record is not taken
    EXPECT_EQ(r.LeesTekst(), QStringLiteral("voor"));
    EXPECT_TRUE(r.LeesLegeRegel());
    EXPECT_FALSE(r.LeesLegeRegel());  // an empty quoted text is a value
    EXPECT_EQ(r.LeesTekst(), QString());
    EXPECT_FALSE(r.LeesLegeRegel());  // nor is the end of the data
}
