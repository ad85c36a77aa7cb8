#pragma once

#include "invoice/pagina_indeling.h"
#include "ui/main/page_controls.h"

#include <QImage>
#include <QWidget>

#include <array>

// The A4 page preview, 400 x 600 page pixels: the picture box that holds the
// invoice's labels and text boxes. The background picture and the rules are
// painted by the page itself, under its labels.
class Pagina : public QWidget {
    Q_OBJECT
public:
    explicit Pagina(QWidget* parent);

    void PasIndelingToe(const PaginaIndeling& indeling);
    void ZetAchtergrond(const QImage& plaatje);   // a null image shows none
    void ZetAchtergrondHoogte(int hoogte);
    // The logo box, 5865 x 1200 twips.
    static constexpr QSize kLogoMaat{391, 80};
    // Paints the logo scaled to the given size at the box's top left corner,
    // pixel for pixel; what falls outside the box is cut off.
    void ZetLogo(const QImage& logo, QSize maat = kLogoMaat);
    QRect AchtergrondRechthoek() const { return backLabel_; }
    const QImage& Achtergrond() const { return achtergrond_; }
    const std::array<LijnPlaats, 8>& Lijnen() const { return lijnen_; }

    PaginaLabel* LogoLabel;
    PaginaTekstvak* LabelAfz;
    PaginaLabel* FactuurLabel;
    PaginaLabel* CreditnotaLabel;         // "Creditnota", hidden on an invoice
    PaginaLabel* BetreftLabel;            // the invoice it corrects
    PaginaTekstvak* AdresRechthoek;
    PaginaLabel* DatumLabel;
    PaginaLabel* OmschrijfLabel;
    PaginaLabel* PrijsExBtwLabel;
    PaginaLabel* BtwLabel;
    PaginaLabel* PrijsTotaalLabel;
    PaginaLabel* BottomLabel;
    std::array<PaginaLabel*, 13> Kop{};   // 1-8 headings, 10-12 totals
    PaginaLabel* BetaalQrLabel;           // the payment code, hidden without one
    PaginaLabel* BtwGevalLabel;           // why there is no VAT, under the totals; hidden above 0 %
    PaginaLabel* VerkopersLabel;          // KvK- and btw-nummer under the footer; hidden unless asked for

signals:
    void achtergrondDubbelKlik();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    // A label with its top left corner at that page pixel.
    PaginaLabel* NieuwLabel(QPoint plek, double punten, const QString& hint = {});

    QRect backLabel_{52, 223, 297, 276};
    QImage achtergrond_;
    std::array<LijnPlaats, 8> lijnen_{};
};
