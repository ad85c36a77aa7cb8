#include "output/betaal_qr.h"

#include "invoice/bedrijf_controle.h"
#include "invoice/creditnota_regels.h"
#include "platform/amount.h"
#include "platform/image_surface.h"
#include "platform/surface.h"
#include "platform/tekens.h"

#include <QFontMetricsF>
#include <QRegularExpression>

#include <qrencode.h>

#include <memory>

const QString kBetaalQrOpschrift = QStringLiteral("Scan en betaal");

namespace {

// The standard's limits: name 70 characters, reference 140, the whole code 331 bytes.
constexpr int kMaxNaam = 70;
constexpr int kMaxOmschrijving = 140;
constexpr qsizetype kMaxTekst = 331;

// A payload line holds no line break of the user's, and whole characters only.
QString EenRegel(const QString& tekst)
{
    static const QRegularExpression regeleinden(QStringLiteral("[\\r\\n\\x{2028}\\x{2029}]+"));
    return platform::HeleTekens(QString(tekst).replace(regeleinden, QStringLiteral(" ")).trimmed());
}

// "EUR1279.33" for "1279,33"; nothing below 0,01 or beyond the standard's 999999999,99.
std::optional<QString> Bedrag(const QString& totaal)
{
    static const QRegularExpression bedrag(QStringLiteral("^[0-9]{1,9},[0-9]{2}$"));
    static const QRegularExpression nul(QStringLiteral("^[0,]*$"));
    if (!bedrag.match(totaal).hasMatch() || nul.match(totaal).hasMatch())
        return std::nullopt;
    return QStringLiteral("EUR") + QString(totaal).replace(',', '.');
}

}  // namespace

std::optional<QByteArray> BetaalQrTekst(const Bedrijfsgegevens& b, const QString& totaalInclBtw,
                                        const QString& factuurNummer)
{
    QString naam = platform::EersteTekens(EenRegel(b.Bedrijfsnaam), kMaxNaam);
    const auto bedrag = Bedrag(totaalInclBtw);
    if (!b.BetaalQr || naam.isEmpty() || !GeldigeIban(b.Iban) || !bedrag)
        return std::nullopt;
    const QString bic = GeldigeBic(b.Bic) ? b.Bic.trimmed().toUpper() : QString();
    QString omschrijving = platform::EersteTekens(QStringLiteral("Factuur ") + EenRegel(factuurNummer), kMaxOmschrijving);
    auto tekst = [&] {
        return QStringList{QStringLiteral("BCD"), QStringLiteral("002"), QStringLiteral("1"), QStringLiteral("SCT"), bic,
                           naam, NormaalNummer(b.Iban), *bedrag, QString(), QString(), omschrijving}
            .join('\n')
            .toUtf8();
    };
    // A very long invoice number gives way first, then a name of wide
    // characters, so the code stays readable for every app.
    QByteArray bytes = tekst();
    for (QString* deel : {&omschrijving, &naam})
        while (bytes.size() > kMaxTekst && !deel->isEmpty()) {
            *deel = platform::ZonderLaatsteTeken(*deel);
            bytes = tekst();
        }
    return bytes;
}

std::optional<QByteArray> BetaalQrTekst(const Factuur& f)
{
    // The money of a credit note goes to the customer: nothing to scan and pay.
    if (IsCreditnota(f))
        return std::nullopt;
    return BetaalQrTekst(f.Bedrijf, platform::FormatBedrag(f.TotaalInclBtw), f.FactuurNummer);
}

std::optional<QrCode> MaakQrCode(const QByteArray& tekst)
{
    const std::unique_ptr<QRcode, void (*)(QRcode*)> qr(
        QRcode_encodeString(tekst.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1), QRcode_free);
    if (!qr)
        return std::nullopt;
    QrCode code;
    code.breedte = qr->width;
    code.modules.resize(static_cast<std::size_t>(qr->width) * qr->width);
    for (std::size_t i = 0; i < code.modules.size(); ++i)
        code.modules[i] = qr->data[i] & 1;   // the other bits say what the module is for
    return code;
}

std::optional<QrCode> BetaalQr(const Factuur& f)
{
    const auto tekst = BetaalQrTekst(f);
    return tekst ? MaakQrCode(*tekst) : std::nullopt;
}

std::vector<QrLoop> DonkereLopen(const QrCode& code)
{
    std::vector<QrLoop> lopen;
    for (int y = 0; y < code.breedte; ++y)
        for (int x = 0; x < code.breedte; ++x) {
            if (!code.Donker(x, y))
                continue;
            const int begin = x;
            while (x + 1 < code.breedte && code.Donker(x + 1, y))
                ++x;
            lopen.push_back({begin, y, x - begin + 1});
        }
    return lopen;
}

void TekenQrCode(platform::Surface& s, const QrCode& code, double links, double boven, double module, double rand)
{
    const double x0 = links + kStilteZone * module;
    const double y0 = boven + kStilteZone * module;
    for (const QrLoop& l : DonkereLopen(code))
        s.filledBox(x0 + l.x * module, y0 + l.y * module, x0 + (l.x + l.lengte) * module - rand,
                    y0 + (l.y + 1) * module - rand, Qt::black);
}

void DrukBetaalQr(const Factuur& f, platform::Surface& s)
{
    using namespace betaalqr;
    const auto code = BetaalQr(f);
    if (!code)
        return;
    TekenQrCode(s, *code, kAfdrukLinks, kAfdrukBoven, kAfdrukMaat / (code->breedte + 2 * kStilteZone), 0);
    s.setBold(false);
    s.setFontSize(7);
    s.setForeColor(Qt::black);
    s.setCurrent(kAfdrukLinks + (kAfdrukMaat - kAfdrukOpschriftBreedte) / 2, kAfdrukBoven + kAfdrukMaat + 20);
    s.print(kBetaalQrOpschrift);
}

QImage BetaalQrVoorbeeld(const QrCode& code)
{
    const int maat = code.breedte + 2 * kStilteZone;
    const int breedte = std::max(maat, betaalqr::kPaginaBreedte);
    platform::ImageSurface s(breedte, maat + 9);
    s.setUnit(platform::Surface::Unit::Pixels);
    TekenQrCode(s, code, (breedte - maat) / 2, 0, 1, 1);
    const QFont opschrift(QStringLiteral("Arial"), 5);
    s.setFontName(opschrift.family());
    s.setFontSize(opschrift.pointSizeF());
    s.setForeColor(QColor(60, 60, 60));
    // Measured on the image itself: the font the system finds for Arial decides the width, and the
    // caption ends at the page's edge when it is taken for narrower than it is.
    const double tekst = QFontMetricsF(opschrift, &s.image()).horizontalAdvance(kBetaalQrOpschrift);
    s.setCurrent(std::max(0.0, (breedte - tekst) / 2), maat - 1);
    s.print(kBetaalQrOpschrift);
    return s.image();
}
