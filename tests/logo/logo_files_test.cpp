#include "logo/logo_bestanden.h"
#include "logo/logo_form.h"
#include "platform/pictures.h"

#include "logo_test_support.h"
#include "support/bitmap.h"

#include <QComboBox>
#include <QListWidget>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

using namespace logotest;

quint32 Woord(const QByteArray& bytes, int plaats)
{
    return qFromLittleEndian<quint32>(bytes.constData() + plaats);
}

TEST(LogoFiles, SavedListedAndReopenedTheLogoHasTheSamePixels)
{
    Venster v;
    v.form->Voorkant->ZetBeeld(Verloop());
    v.Bewaar(QStringLiteral(" mijn logo "));
    ASSERT_TRUE(v.prompts.gevraagd.size() == 1);
    EXPECT_EQ(v.prompts.gevraagd[0].titel, QStringLiteral(" Logo opslaan"));
    EXPECT_EQ(v.prompts.gevraagd[0].tekst, QStringLiteral("Geef een naam voor dit logo"));

    const QByteArray bmp = v.map.read(QStringLiteral("Logo/ mijn logo .bmp"));
    ASSERT_EQ(bmp.left(2), QByteArray("BM"));
    EXPECT_EQ(Woord(bmp, 18), 625u);
    EXPECT_EQ(Woord(bmp, 22), 125u);
    EXPECT_EQ(qFromLittleEndian<quint16>(bmp.constData() + 28), 24);  // bits per pixel
    EXPECT_EQ(Woord(bmp, 30), 0u);                                    // uncompressed
    EXPECT_EQ(bmp.size(), static_cast<int>(Woord(bmp, 10) + 625 * 3 * 125 + 125 * 1));  // rows padded to 4 bytes
    EXPECT_EQ(v.Lijst(), QStringList{QStringLiteral(" mijn logo ")});

    v.prompts.antwoorden = {true};
    v.form->FileNieuw_Click();
    ASSERT_EQ(v.form->Voorkant->Beeld(), Effen(Qt::white));
    ASSERT_TRUE(v.Open(QStringLiteral(" mijn logo ")));
    EXPECT_EQ(v.form->Voorkant->Beeld(), Verloop());
}

TEST(LogoFiles, TheListShowsEveryBitmapOfTheFolderWithoutItsExtension)
{
    TempProgramFolder map;
    for (const char* naam : {"b.bmp", "A.BMP", "c.txt", "d.bmp.png", "e.Bmp"})
        map.write(QStringLiteral("Logo/") + QString::fromLatin1(naam), "x");
    EXPECT_EQ(LogoNamen(map.path()), (QStringList{"A", "b", "e"}));
    QDir(map.path()).rename(QStringLiteral("Logo"), QStringLiteral("logo"));
    EXPECT_EQ(LogoNamen(map.path()), (QStringList{"A", "b", "e"}));

    QDir(map.file(QStringLiteral("logo"))).removeRecursively();
    EXPECT_EQ(LogoNamen(map.path()), QStringList());
}

TEST(LogoFiles, SavingAsksBeforeReplacingAndSavesNothingWithoutAName)
{
    Venster v;
    v.form->Voorkant->ZetBeeld(Effen(Qt::red));
    v.Bewaar(QStringLiteral("firma"));
    const QByteArray rood = v.map.read(QStringLiteral("Logo/firma.bmp"));

    v.form->Voorkant->ZetBeeld(Effen(Qt::blue));
    v.prompts.gevraagd.clear();
    v.Bewaar(QStringLiteral("firma"), {false});
    ASSERT_EQ(v.prompts.gevraagd.size(), 2u);
    EXPECT_EQ(v.prompts.gevraagd[1].soort, QStringLiteral("Vraag"));
    EXPECT_EQ(v.prompts.gevraagd[1].titel, QStringLiteral(" Exist"));
    EXPECT_EQ(v.prompts.gevraagd[1].tekst, QStringLiteral("Naam logo bestaat reeds, overschrijven?"));
    EXPECT_EQ(v.map.read(QStringLiteral("Logo/firma.bmp")), rood);

    v.Bewaar(QStringLiteral("firma"), {true});
    ASSERT_TRUE(v.Open(QStringLiteral("firma")));
    EXPECT_EQ(v.form->Voorkant->Beeld(), Effen(Qt::blue));

    for (const std::optional<QString>& naam : {std::optional<QString>(), std::optional<QString>(""),
                                               std::optional<QString>("   ")}) {
        v.prompts.gevraagd.clear();
        v.prompts.invoer.push_back(naam);
        v.form->FileSave_Click();
        EXPECT_EQ(v.prompts.gevraagd.size(), 1u);  // only the input box
    }
    EXPECT_EQ(v.Lijst(), QStringList{QStringLiteral("firma")});
}

TEST(LogoFiles, ANameThatCannotBeAFileOrAFailedWriteIsToldToTheUser)
{
    Venster v;
    for (const char* naam : {"map/logo", "map\\logo", "..", "tab\there"}) {
        v.prompts.gevraagd.clear();
        v.Bewaar(QString::fromLatin1(naam));
        ASSERT_EQ(v.prompts.gevraagd.size(), 2u) << naam;
        EXPECT_EQ(v.prompts.gevraagd[1].soort, QStringLiteral("Melding"));
        EXPECT_EQ(v.prompts.gevraagd[1].titel, QStringLiteral(" Logo opslaan"));
        EXPECT_EQ(v.prompts.gevraagd[1].tekst, QStringLiteral("De naam '") + QString::fromLatin1(naam)
                                                   + QStringLiteral("' kan niet als bestandsnaam worden gebruikt."));
    }
    EXPECT_TRUE(QDir(v.map.file(QStringLiteral("Logo"))).isEmpty());
    EXPECT_FALSE(QFile::exists(v.map.file(QStringLiteral("logo.bmp"))));

    // A missing folder is made; one that cannot be made is reported.
    QDir(v.map.file(QStringLiteral("Logo"))).removeRecursively();
    v.Bewaar(QStringLiteral("eerste"));
    EXPECT_TRUE(QFile::exists(v.map.file(QStringLiteral("Logo/eerste.bmp"))));
    QDir(v.map.file(QStringLiteral("Logo"))).removeRecursively();
    v.map.write(QStringLiteral("Logo"), "a file where the folder should be");
    v.prompts.gevraagd.clear();
    v.Bewaar(QStringLiteral("tweede"));
    ASSERT_EQ(v.prompts.gevraagd.size(), 2u);
    EXPECT_EQ(v.prompts.gevraagd[1].tekst, QStringLiteral("Het logo kon niet worden opgeslagen als ")
                                               + LogoPad(v.map.path(), QStringLiteral("tweede")) + QStringLiteral("."));
    EXPECT_EQ(v.Lijst(), QStringList());
}

TEST(LogoFiles, UndoAfterOpeningOrNieuwGivesTheLastSnapshot)
{
    Venster v;
    LogoForm& f = *v.form;
    f.Voorkant->ZetBeeld(Effen(Qt::green));
    v.Bewaar(QStringLiteral("groen"));
    f.Voorkant->ZetBeeld(Effen(Qt::white));

    f.Knop_Click(3);
    Sleep(f.Voorkant, {10, 10}, {50, 50});
    const QImage eenRechthoek = f.Voorkant->Beeld();
    Sleep(f.Voorkant, {100, 10}, {150, 50});

    ASSERT_TRUE(v.Open(QStringLiteral("groen")));  // no snapshot: undo skips over the opening
    f.EditUndo_Click();
    EXPECT_EQ(f.Voorkant->Beeld(), eenRechthoek);
    f.EditUndo_Click();
    EXPECT_EQ(f.Voorkant->Beeld(), eenRechthoek);

    Sleep(f.Voorkant, {200, 10}, {250, 50});
    const QImage tweeRechthoeken = f.Voorkant->Beeld();
    Sleep(f.Voorkant, {300, 10}, {350, 50});
    v.prompts.antwoorden = {true};
    f.FileNieuw_Click();
    EXPECT_EQ(f.Voorkant->Beeld(), Effen(Qt::white));
    EXPECT_EQ(f.Voorkant->Staat().Gereedschap, 0);
    f.EditUndo_Click();
    EXPECT_EQ(f.Voorkant->Beeld(), tweeRechthoeken);

    // "No" keeps the drawing.
    v.prompts.antwoorden = {false};
    v.prompts.gevraagd.clear();
    f.FileNieuw_Click();
    EXPECT_EQ(f.Voorkant->Beeld(), tweeRechthoeken);
    ASSERT_EQ(v.prompts.gevraagd.size(), 1u);
    EXPECT_EQ(v.prompts.gevraagd[0].titel, QStringLiteral(" Nieuw"));
    EXPECT_EQ(v.prompts.gevraagd[0].tekst, QStringLiteral("Wilt u een nieuw logo ontwerpen?"));
}

TEST(LogoFiles, TheDesignerOpensWithTheInvoicesLogoAndTheList)
{
    Venster v;
    v.form->Voorkant->ZetBeeld(Verloop());
    v.Bewaar(QStringLiteral("huisstijl"));
    v.map.write(QStringLiteral("Logo/kapot.bmp"), "BM");

    for (const char* logo : {"huisstijl.bmp", "", "kapot.bmp", "weg.bmp"}) {
        v.factuur.LogoBestand = QString::fromLatin1(logo);
        LogoForm form(v.factuur, v.prompts, v.map.path());
        form.Form_Activate();
        EXPECT_EQ(form.Voorkant->Beeld(), *logo == 'h' ? Verloop() : Effen(Qt::white)) << logo;
        EXPECT_EQ(v.Lijst().size(), 1);
        EXPECT_EQ(form.List1->count(), 2);
        EXPECT_EQ(form.ListFonts->currentText(), QStringLiteral("Arial"));
    }
}

}  // namespace

TEST(LogoFiles, ANameListedInAnyLetterCaseOpens)
{
    Venster v;
    const struct {
        const char* bestand;
        Qt::GlobalColor kleur;
    } logos[] = {{"UPPER.BMP", Qt::red}, {"Gemengd.Bmp", Qt::green}, {"klein.bmp", Qt::blue}};
    for (const auto& l : logos)
        ASSERT_TRUE(BewaarBmp(Effen(l.kleur), v.map.file(QStringLiteral("Logo/") + l.bestand)));
    v.form->Form_Activate();   // lists them
    for (const auto& l : logos) {
        v.form->Voorkant->ZetBeeld(Effen(Qt::white));
        const QString naam = QString::fromLatin1(l.bestand).chopped(4);
        ASSERT_TRUE(v.Open(naam)) << l.bestand;
        EXPECT_EQ(v.form->Voorkant->Beeld(), Effen(l.kleur)) << l.bestand;
    }
}
