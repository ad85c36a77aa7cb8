#include "boek/mailbericht.h"

#include <QFile>

Mailbericht MailVoor(const Boekregel& r)
{
    const Uitgifte& u = r.uitgifte;
    Mailbericht m;
    m.aan = u.email.trimmed();
    const QString bedrag = QStringLiteral("€ ") + FormatBedrag(u.inclBtw);
    if (u.IsCreditnota()) {
        m.onderwerp = QStringLiteral("Creditnota ") + u.nummer;
        m.tekst = QStringLiteral("Geachte heer, mevrouw,\n\nHierbij ontvangt u creditnota ") + u.nummer
                  + QStringLiteral(" van ") + DatumTekst(u.datum) + QStringLiteral(" bij factuur ") + u.betreftNummer
                  + QStringLiteral(", voor een bedrag van ") + bedrag + QStringLiteral(".\n\nMet vriendelijke groet,\n");
    } else {
        m.onderwerp = QStringLiteral("Factuur ") + u.nummer;
        m.tekst = QStringLiteral("Geachte heer, mevrouw,\n\nHierbij ontvangt u factuur ") + u.nummer
                  + QStringLiteral(" van ") + DatumTekst(u.datum) + QStringLiteral(" voor een bedrag van ") + bedrag
                  + QStringLiteral(".\nWij verzoeken u het bedrag uiterlijk ") + DatumTekst(u.vervaldatum)
                  + QStringLiteral(" te voldoen onder vermelding van het factuurnummer.\n\nMet vriendelijke groet,\n");
    }
    for (const QString& bijlage : {r.pdf, r.efactuur})
        if (!bijlage.isEmpty() && QFile::exists(bijlage))
            m.bijlagen << bijlage;
    return m;
}
