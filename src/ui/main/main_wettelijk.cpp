// The main window's company details, the VAT case of the invoice and the
// legal lines and payment code on the page.

#include "ui/main/main_window.h"

#include "invoice/company_file.h"
#include "invoice/wettelijke_regels.h"
#include "output/betaal_qr.h"
#include "platform/files.h"
#include "platform/prompts.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QPixmap>

namespace {

const QString kBedrijfTitel = QStringLiteral(" Bedrijfsgegevens");

}  // namespace

void Main::LaadBedrijf()
{
    const QString pad = platform::Pad(programmaMap, QString::fromLatin1(kBedrijfBestand));
    if (platform::GeenGewoonBestand(pad)) {
        prompts.Melding(kBedrijfTitel, QStringLiteral("Het bestand ") + pad
                                           + QStringLiteral(" is geen gewoon bestand en kan niet worden gebruikt.\r\n"
                                                            "Quillet werkt zonder bedrijfsgegevens; wijzigingen "
                                                            "worden niet bewaard."));
    } else if (const auto gelezen = LeesBedrijfsgegevens(pad)) {
        factuur.Bedrijf = gelezen->gegevens;
        if (!gelezen->onbruikbaar.isEmpty())
            prompts.Melding(kBedrijfTitel, OnbruikbareVeldenMelding(pad, gelezen->onbruikbaar));
    } else if (platform::BestandBestaat(pad)) {
        prompts.Melding(kBedrijfTitel, QStringLiteral("Het bestand ") + pad
                                           + QStringLiteral(" kon niet worden gelezen; Quillet werkt zonder "
                                                            "bedrijfsgegevens."));
    }
    factuur.Nultarief = factuur.Bedrijf.Nultarief;
    ToonBedrijf();
}

void Main::ToonBedrijf()
{
    factuur.RedenVrijstelling = factuur.Bedrijf.RedenVrijstelling;
    NultariefKeuze->setCurrentIndex(static_cast<int>(factuur.Nultarief));
    ToonBetaalQr();
    ToonWettelijkeRegels();
}

void Main::MaakNultariefKeuze()
{
    for (const NulTariefGeval& g : NulTariefGevallen())
        NultariefKeuze->addItem(g.keuzeTekst);
    NultariefKeuze->setToolTip(QStringLiteral("Waarom deze factuur geen btw heeft"));
    // The list shows the choices whole, however narrow the panel.
    NultariefKeuze->view()->setMinimumWidth(NultariefKeuze->view()->sizeHintForColumn(0) + 8);
    NultariefKeuze->hide();
    connect(NultariefKeuze, &QComboBox::activated, this, &Main::NultariefKeuze_Click);
}

void Main::ToonNultariefKeuze()
{
    NultariefKeuze->setVisible(factuur.BtwProcent == 0);
    ToonWettelijkeRegels();
}

void Main::NultariefKeuze_Click(int index)
{
    const auto gevallen = NulTariefGevallen();
    factuur.Nultarief = gevallen[qBound(0, index, int(gevallen.size()) - 1)].keuze;
    ToonWettelijkeRegels();
}

void Main::ToonBetaalQr()
{
    const auto code = BetaalQr(factuur);
    if (!code) {
        Pic->BetaalQrLabel->hide();
        return;
    }
    Pic->BetaalQrLabel->setPixmap(QPixmap::fromImage(BetaalQrVoorbeeld(*code)));
    Pic->BetaalQrLabel->adjustSize();
    Pic->BetaalQrLabel->show();
}

void Main::ToonWettelijkeRegels()
{
    const QStringList geval = BtwGevalRegels(factuur, KoperBtwNummer(factuur, programmaMap));
    Pic->BtwGevalLabel->ToonTekst(geval.join(QStringLiteral("\r\n")));
    Pic->BtwGevalLabel->setVisible(!geval.isEmpty());
    const auto verkoper = VerkopersRegel(factuur.Bedrijf);
    Pic->VerkopersLabel->ToonTekst(verkoper.value_or(QString()));
    Pic->VerkopersLabel->setVisible(verkoper.has_value());
}
