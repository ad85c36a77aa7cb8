#include "app/titel.h"

#include "support/opened_urls.h"
#include "support/scripted_prompts.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct Start {
    explicit Start(double dpi = 96) : titel(map.filePath(QStringLiteral("quillet")), {QSize(1920, 1080), dpi}, prompts)
    {
        titel.show();
    }
    QTemporaryDir map;
    ScriptedPrompts prompts;
    Titel titel;
};

void KlikOp(QWidget* w, QPoint plek = {5, 5})
{
    QTest::mouseClick(w, Qt::LeftButton, {}, plek);
}

}  // namespace

TEST(Titel, LoadsWithTheFactsTheClockAndThePrompt)
{
    Start s;
    Titel& t = s.titel;
    EXPECT_EQ(t.size(), QSize(500, 320));
    EXPECT_EQ(t.Image1->geometry(), t.rect());
    EXPECT_EQ(t.Label1->geometry(), QRect(20, 140, 280, 140));
    EXPECT_EQ(t.Picture1->geometry(), QRect(19, 287, 240, 16));
    EXPECT_EQ(t.Label4->pos(), QPoint(66, 59));
    EXPECT_EQ(t.Label4->palette().color(QPalette::WindowText), QColor(192, 64, 0));
    EXPECT_EQ(t.Label4->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(t.KlokLabel->text(), QStringLiteral("00:00:00"));
    EXPECT_EQ(t.Timer1->interval(), 600);

    QString feiten = FeitenTekst(s.map.filePath(QStringLiteral("quillet")), {QSize(1920, 1080), 96});
    EXPECT_EQ(t.Label1->text(), feiten.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    // The strip is dark red with the prompt in light grey from pixel (3, 1).
    const QImage& strook = t.Strook();
    ASSERT_EQ(strook.size(), QSize(240, 16));
    EXPECT_EQ(strook.pixelColor(239, 15), QColor(64, 0, 0));
    int tekstPixels = 0;
    for (int x = 0; x < 240; ++x)
        for (int y = 0; y < 16; ++y)
            tekstPixels += strook.pixelColor(x, y) != QColor(64, 0, 0);
    EXPECT_GT(tekstPixels, 100);
    for (int y = 0; y < 16; ++y)
        EXPECT_EQ(strook.pixelColor(2, y), QColor(64, 0, 0)) << "nothing is printed left of x 3";

    t.Timer1_Timer();
    EXPECT_TRUE(t.KlokLabel->text().startsWith(QLatin1Char(' ')));
    EXPECT_TRUE(t.KlokLabel->text().contains(QStringLiteral(" / ")));
}

TEST(Titel, WarnsOnceWhenTheScreenIsNotAtNinetySixDpi)
{
    Start afwijkend(120);
    afwijkend.titel.Form_Activate();
    afwijkend.titel.Form_Activate();   // becoming active again after the message
    ASSERT_EQ(afwijkend.prompts.gevraagd.size(), 1u);
    EXPECT_EQ(afwijkend.prompts.gevraagd[0].soort, QStringLiteral("Fout"));
    EXPECT_EQ(afwijkend.prompts.gevraagd[0].titel, QStringLiteral(" Error"));
    EXPECT_EQ(afwijkend.prompts.gevraagd[0].tekst, *ResolutieWaarschuwing(120));
    EXPECT_TRUE(afwijkend.titel.isVisible());

    Start gewoon(96);
    gewoon.titel.Form_Activate();
    EXPECT_TRUE(gewoon.prompts.gevraagd.empty());
}

TEST(Titel, AClickOnThePhotoPlaysTheStripAndHandsOverOnce)
{
    Start s;
    QSignalSpy overgedragen(&s.titel, &Titel::hoofdvensterGevraagd);
    // A second click while the strip runs must not start it again.
    QTimer::singleShot(300, &s.titel, [&] { KlikOp(s.titel.Label1); });
    KlikOp(s.titel.Image1, {450, 100});
    EXPECT_EQ(overgedragen.count(), 1);
    EXPECT_FALSE(s.titel.isVisible());
    EXPECT_FALSE(s.titel.Timer1->isActive());
    for (int kolom = 0; kolom < 240; ++kolom)
        for (int rij = 0; rij < 16; ++rij)
            ASSERT_EQ(s.titel.Strook().pixelColor(kolom, rij), AnimatieKleur(kolom, rij)) << kolom << "," << rij;
    QTest::qWait(50);
    EXPECT_EQ(overgedragen.count(), 1);
}

TEST(Titel, ClosedDuringTheStripItDoesNotHandOver)
{
    Start s;
    QSignalSpy overgedragen(&s.titel, &Titel::hoofdvensterGevraagd);
    QTimer::singleShot(300, &s.titel, [&] { s.titel.close(); });
    KlikOp(s.titel.Label1);   // the facts start the strip too
    EXPECT_EQ(s.titel.Strook().pixelColor(100, 0), AnimatieKleur(100, 0));
    EXPECT_EQ(overgedragen.count(), 0);
}

TEST(Titel, TheAddressOpensANewMessage)
{
    Start s;
    GeopendeAdressen geopend({QStringLiteral("mailto")});
    KlikOp(s.titel.Label4);
    EXPECT_EQ(geopend.adressen, QStringList({QStringLiteral("mailto:") + kMakerEmail}));
}
