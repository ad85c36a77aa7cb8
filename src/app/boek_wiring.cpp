#include "app/wiring.h"

#include "boek/blad.h"
#include "boek/creditnota.h"
#include "boek/facturenboek.h"
#include "boek/uitgeven.h"
#include "invoice/factuur.h"
#include "invoice/regels_totalen.h"
#include "platform/files.h"
#include "platform/prompts.h"
#include "ui/dialogs/btw_aangifte_venster.h"
#include "ui/dialogs/facturenboek_venster.h"
#include "ui/dialogs/numdat.h"
#include "ui/main/main_window.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTimer>

namespace {

bool BoekBestaat(const Omgeving& o)
{
    return QFile::exists(platform::Pad(o.programmaMap, QString::fromLatin1(Facturenboek::kBestand)));
}

// Without a book there is nothing to go on, and asking makes none.
QString Voorstel(const Omgeving& o)
{
    if (!BoekBestaat(o))
        return o.factuur.FactuurNummer;
    // A book that cannot be opened proposes nothing; the issue tells why.
    OpenStil(o.boek, o.prompts);
    return VolgendVrijNummer(o.boek, o.factuur.FactuurNummer);
}

// The page shows the invoice as it now stands in every part.
void ToonHeleFactuur(Main& m, Factuur& f)
{
    m.Combo1->setCurrentText(QString::number(f.BtwProcent));
    m.Combo1_Click();
    m.LayoutKnop_Click(f.LayoutNr);
    for (int i = 1; i <= 5; ++i)
        m.Pic->Kop[i]->ToonTekst(f.KopTekst[i]);
    m.LaadLogo();
    m.LaadAchtergrond();
    m.ToonPartijen();
    m.ToonVoettekst();
    m.ToonFactuurLabel();
    m.ToonKolommen();
}

// Puts an issued document back on the page as it was issued; the company
// details stay the current ones, so a new invoice started from it carries them.
std::optional<Uitgifte> OpenUitBoek(Omgeving& o, const QString& nummer)
{
    const auto document = o.boek.Document(nummer);
    Factuur f = o.factuur;
    if (!document || !LeesBlad(f, document->blad)) {
        o.prompts.Melding(kBoekTitel, nummer + QStringLiteral(" kon niet uit het Facturenboek worden gelezen."));
        return std::nullopt;
    }
    f.Bedrijf = o.factuur.Bedrijf;
    const RegelTeksten aantal = f.Aantal, omschrijving = f.Omschrijving, prijs = f.Prijs;
    BevestigRegels(f, aantal, omschrijving, prijs);
    o.factuur = std::move(f);
    return document;
}

void MaakCreditnotaVan(Omgeving& o, const QString& nummer)
{
    const auto origineel = o.boek.Document(nummer);
    if (origineel && origineel->IsCreditnota()) {
        o.prompts.Melding(kBoekTitel, nummer + QStringLiteral(" is zelf een creditnota."));
        return;
    }
    if (!OpenUitBoek(o, nummer))
        return;
    const QString creditnummer = VolgendVrijNummer(o.boek, nummer);
    MaakCreditnota(o.factuur, *origineel, creditnummer, QDate::currentDate());
    ToonHeleFactuur(o.main, o.factuur);
    o.prompts.Melding(kBoekTitel, QStringLiteral("Creditnota ") + creditnummer + QStringLiteral(" bij factuur ")
                                      + nummer + QStringLiteral(" staat op de pagina. Maak hem met \"Naar Printer\", "
                                                                "\"Naar Pdf-formaat\" of \"Naar e-factuur (UBL)\"; "
                                                                "dan komt hij in het Facturenboek."));
}

void ToonAangifte(Omgeving& o)
{
    if (!OpenBoek(o.boek, o.prompts))
        return;
    BtwAangifteVenster(o.boek.Regels(), o.factuur, o.programmaMap, o.prompts, QDate::currentDate(), &o.main).exec();
}

void ToonBoek(Omgeving& o)
{
    if (!OpenBoek(o.boek, o.prompts))
        return;
    FacturenboekVenster venster(o.boek, o.factuur, o.prompts, QDate::currentDate(), &o.main);
    std::function<void()> daarna;
    QObject::connect(&venster, &FacturenboekVenster::openenGevraagd, &venster, [&](const QString& nummer) {
        daarna = [&o, nummer] {
            if (OpenUitBoek(o, nummer))
                ToonHeleFactuur(o.main, o.factuur);
        };
        venster.accept();
    });
    QObject::connect(&venster, &FacturenboekVenster::creditnotaGevraagd, &venster, [&](const QString& nummer) {
        daarna = [&o, nummer] { MaakCreditnotaVan(o, nummer); };
        venster.accept();
    });
    QObject::connect(&venster, &FacturenboekVenster::aangifteGevraagd, &venster, [&] {
        daarna = [&o] { ToonAangifte(o); };
        venster.accept();
    });
    venster.exec();
    if (daarna)
        daarna();
}

}  // namespace

void KoppelBoek(Omgeving& omgeving)
{
    Omgeving* o = &omgeving;
    Main& m = omgeving.main;
    QObject::connect(&m, &Main::factuurnummerGevraagd, &m, [o] {
        NumDat dialoog(o->main, o->factuur, QDate::currentDate(), &o->main);
        dialoog.Text1->setText(Voorstel(*o));
        dialoog.exec();
    });
    QObject::connect(m.FileBoek, &QAction::triggered, &m, [o] { ToonBoek(*o); });
    QObject::connect(m.FileAangifte, &QAction::triggered, &m, [o] { ToonAangifte(*o); });
    for (QAction* a : {m.FileBoek, m.FileAangifte})
        a->setEnabled(true);
    // A book kept before is read as soon as the window stands, so its first
    // use does not wait for it; a program that never issued makes none.
    if (BoekBestaat(omgeving))
        QTimer::singleShot(0, &m, [o] { OpenStil(o->boek, o->prompts); });
}
