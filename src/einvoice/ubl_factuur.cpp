#include "einvoice/ubl_factuur.h"

#include "einvoice/btw_categorie.h"
#include "einvoice/efactuur_bedragen.h"
#include "einvoice/efactuur_controle.h"
#include "einvoice/efactuur_profiel.h"
#include "invoice/creditnota_regels.h"

#include <QXmlStreamWriter>

namespace {

// The three UBL 2.1 namespaces share the OASIS prefix.
const QString kUblSchema = QStringLiteral("urn:oasis:names:specification:ubl:schema:xsd:");
const QString kCac = kUblSchema + QStringLiteral("CommonAggregateComponents-2");
const QString kCbc = kUblSchema + QStringLiteral("CommonBasicComponents-2");

using platform::Bedrag;

// The document's own names: an invoice, or a credit note that credits an
// earlier invoice.
struct Documentsoort {
    QString naam;           // the root element, and its namespace's name
    QString typeElement;
    QString typeCode;       // UNTDID 1001
    QString regel;
    QString hoeveelheid;
    QString pdfOmschrijving;
};

const Documentsoort kFactuur{QStringLiteral("Invoice"),          QStringLiteral("InvoiceTypeCode"),
                             QStringLiteral("380"),              QStringLiteral("InvoiceLine"),
                             QStringLiteral("InvoicedQuantity"), QStringLiteral("Factuur als PDF")};
const Documentsoort kCreditnota{QStringLiteral("CreditNote"),       QStringLiteral("CreditNoteTypeCode"),
                                QStringLiteral("381"),              QStringLiteral("CreditNoteLine"),
                                QStringLiteral("CreditedQuantity"), QStringLiteral("Creditnota als PDF")};

// What the user typed may hold characters XML cannot carry at all: control
// characters and halves of a character. A character outside the basic plane
// (an emoji) is whole in its pair and stays.
QString XmlTekst(const QString& tekst)
{
    const QString t = tekst.trimmed();
    QString schoon;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c.isHighSurrogate() && i + 1 < t.size() && t[i + 1].isLowSurrogate()) {
            schoon += c;
            schoon += t[++i];
        } else if ((c.unicode() >= 0x20 || c == QLatin1Char('\t')) && !c.isSurrogate() && c.unicode() != 0xFFFE
                   && c.unicode() != 0xFFFF) {
            schoon += c;
        }
    }
    return schoon;
}

// An amount with a point and two decimals.
QString Centen(Bedrag b)
{
    return b.Tekst(2, QLatin1Char('.'));
}

// A price as exact as typed, at least two decimals.
QString Prijs(Bedrag b)
{
    QString tekst = b.Tekst(6, QLatin1Char('.'));
    while (tekst.endsWith(QLatin1Char('0')) && tekst.indexOf(QLatin1Char('.')) < tekst.size() - 3)
        tekst.chop(1);
    return tekst;
}

class Ubl {
public:
    Ubl(QByteArray* uit, Profiel p, const Documentsoort& d) : w(uit), xml(uit), profiel(p), soort(d)
    {
        w.setAutoFormatting(true);
    }

    QXmlStreamWriter w;
    QByteArray* xml;
    // The Dutch rules advise against what the standard merely allows: an
    // exemption reason code beside its text, an account name, a BIC for a
    // SEPA transfer.
    Profiel profiel;
    bool Nederlands() const { return profiel == Profiel::SiUbl; }
    const Documentsoort& soort;
    // Where the page goes: base64 needs no escaping, so it is put in at this
    // byte afterwards instead of passing a megabyte through the writer's
    // escaping character by character. A place, not a marker text, so that
    // nothing the user typed can move it.
    qsizetype pdfPlaats = -1;

    void Cbc(const QString& naam, const QString& waarde) { w.writeTextElement(kCbc, naam, waarde); }
    // Only what the user filled in: an empty element is a fault to a receiver.
    void CbcAlsGevuld(const QString& naam, const QString& waarde)
    {
        if (!XmlTekst(waarde).isEmpty())
            Cbc(naam, XmlTekst(waarde));
    }
    void Geldbedrag(const QString& naam, const QString& waarde)
    {
        w.writeStartElement(kCbc, naam);
        w.writeAttribute(QStringLiteral("currencyID"), QStringLiteral("EUR"));
        w.writeCharacters(waarde);
        w.writeEndElement();
    }
    void MetSchema(const QString& naam, const Identificatie& id)
    {
        w.writeStartElement(kCbc, naam);
        w.writeAttribute(QStringLiteral("schemeID"), id.schema);
        w.writeCharacters(XmlTekst(id.nummer));
        w.writeEndElement();
    }
    void Begin(const QString& naam) { w.writeStartElement(kCac, naam); }
    void Eind() { w.writeEndElement(); }

    void Land(const QString& code)
    {
        Begin(QStringLiteral("Country"));
        Cbc(QStringLiteral("IdentificationCode"), XmlTekst(code).toUpper());
        Eind();
    }
    void Adres(const QString& straat, const QString& plaats, const QString& postcode, const QString& land)
    {
        Begin(QStringLiteral("PostalAddress"));
        CbcAlsGevuld(QStringLiteral("StreetName"), straat);
        CbcAlsGevuld(QStringLiteral("CityName"), plaats);
        CbcAlsGevuld(QStringLiteral("PostalZone"), postcode);
        Land(land);
        Eind();
    }
    void BtwSchema()
    {
        Begin(QStringLiteral("TaxScheme"));
        Cbc(QStringLiteral("ID"), QStringLiteral("VAT"));
        Eind();
    }
    void BtwNummer(const QString& nummer)
    {
        if (XmlTekst(nummer).isEmpty())
            return;
        Begin(QStringLiteral("PartyTaxScheme"));
        Cbc(QStringLiteral("CompanyID"), XmlTekst(nummer).remove(QLatin1Char(' ')).toUpper());
        BtwSchema();
        Eind();
    }
    void TaxCategory(const QString& element, const BtwCategorie& c, bool metReden)
    {
        Begin(element);
        Cbc(QStringLiteral("ID"), c.code);
        Cbc(QStringLiteral("Percent"), QString::number(c.procent));
        if (metReden) {
            CbcAlsGevuld(QStringLiteral("TaxExemptionReasonCode"), Nederlands() ? QString() : c.redenCode);
            CbcAlsGevuld(QStringLiteral("TaxExemptionReason"), c.reden);
        }
        BtwSchema();
        Eind();
    }
};

// A party of either side: its network address, name, address, btw-nummer,
// the legal entity with its identifier, and an e-mail address for people.
struct Partij {
    std::optional<Identificatie> adres;
    QString naam, straat, plaats, postcode, land, btwNummer;
    std::optional<Identificatie> rechtspersoon;
    QString email;
};

void SchrijfPartij(Ubl& u, const QString& rol, const Partij& p)
{
    u.Begin(rol);
    u.Begin(QStringLiteral("Party"));
    if (p.adres && !XmlTekst(p.adres->nummer).isEmpty())
        u.MetSchema(QStringLiteral("EndpointID"), *p.adres);
    u.Begin(QStringLiteral("PartyName"));
    u.Cbc(QStringLiteral("Name"), XmlTekst(p.naam));
    u.Eind();
    u.Adres(p.straat, p.plaats, p.postcode, p.land);
    u.BtwNummer(p.btwNummer);
    u.Begin(QStringLiteral("PartyLegalEntity"));
    u.Cbc(QStringLiteral("RegistrationName"), XmlTekst(p.naam));
    if (p.rechtspersoon && !XmlTekst(p.rechtspersoon->nummer).isEmpty())
        u.MetSchema(QStringLiteral("CompanyID"), *p.rechtspersoon);
    u.Eind();
    if (!XmlTekst(p.email).isEmpty()) {
        u.Begin(QStringLiteral("Contact"));
        u.Cbc(QStringLiteral("ElectronicMail"), XmlTekst(p.email));
        u.Eind();
    }
    u.Eind();
    u.Eind();
}

void Verkoper(Ubl& u, const Bedrijfsgegevens& b)
{
    SchrijfPartij(u, QStringLiteral("AccountingSupplierParty"),
                  {VerkoperAdres(b), b.Bedrijfsnaam, b.Straat, b.Plaats, b.Postcode, b.Land, b.BtwNummer,
                   VerkoperRechtspersoon(b), b.Email});
}

void Koper(Ubl& u, const Klantgegevens& k)
{
    SchrijfPartij(u, QStringLiteral("AccountingCustomerParty"),
                  {KoperAdres(k), k.Naam, k.Straat, k.Plaats, k.Postcode, k.Land, k.BtwNummer, KoperRechtspersoon(k),
                   k.Email});
}

// When the goods or services were supplied; an intra-community supply also
// names the country the goods went to.
void Levering(Ubl& u, const Klantgegevens& k, const QDate& datum, bool naarLand)
{
    u.Begin(QStringLiteral("Delivery"));
    u.Cbc(QStringLiteral("ActualDeliveryDate"), datum.toString(Qt::ISODate));
    if (naarLand) {
        u.Begin(QStringLiteral("DeliveryLocation"));
        u.Begin(QStringLiteral("Address"));
        u.Land(k.Land);
        u.Eind();
        u.Eind();
    }
    u.Eind();
}

void Betaling(Ubl& u, const Factuur& f)
{
    const Bedrijfsgegevens& b = f.Bedrijf;
    if (XmlTekst(b.Iban).isEmpty())
        return;   // a transfer without an account would be rejected; the page still says how to pay
    u.Begin(QStringLiteral("PaymentMeans"));
    u.Cbc(QStringLiteral("PaymentMeansCode"), QStringLiteral("58"));
    u.Cbc(QStringLiteral("PaymentID"), XmlTekst(QStringLiteral("Factuur ") + f.FactuurNummer));
    u.Begin(QStringLiteral("PayeeFinancialAccount"));
    u.Cbc(QStringLiteral("ID"), XmlTekst(b.Iban).remove(QLatin1Char(' ')).toUpper());
    if (!u.Nederlands())
        u.CbcAlsGevuld(QStringLiteral("Name"), b.Bedrijfsnaam);
    if (!u.Nederlands() && !XmlTekst(b.Bic).isEmpty()) {
        u.Begin(QStringLiteral("FinancialInstitutionBranch"));
        u.Cbc(QStringLiteral("ID"), XmlTekst(b.Bic).toUpper());
        u.Eind();
    }
    u.Eind();
    u.Eind();
}

void Bijlage(Ubl& u, const PdfBijlage& pdf)
{
    u.Begin(QStringLiteral("AdditionalDocumentReference"));
    u.Cbc(QStringLiteral("ID"), XmlTekst(pdf.bestandsnaam));
    u.Cbc(QStringLiteral("DocumentDescription"), u.soort.pdfOmschrijving);
    u.Begin(QStringLiteral("Attachment"));
    u.w.writeStartElement(kCbc, QStringLiteral("EmbeddedDocumentBinaryObject"));
    u.w.writeAttribute(QStringLiteral("mimeCode"), QStringLiteral("application/pdf"));
    u.w.writeAttribute(QStringLiteral("filename"), XmlTekst(pdf.bestandsnaam));
    u.w.writeCharacters(QString());   // closes the start tag, so the content begins at the end of the bytes
    u.pdfPlaats = u.xml->size();
    u.w.writeEndElement();
    u.Eind();
    u.Eind();
}

void Btw(Ubl& u, const EfactuurBedragen& b, const BtwCategorie& c)
{
    u.Begin(QStringLiteral("TaxTotal"));
    u.Geldbedrag(QStringLiteral("TaxAmount"), Centen(b.btw));
    u.Begin(QStringLiteral("TaxSubtotal"));
    u.Geldbedrag(QStringLiteral("TaxableAmount"), Centen(b.totaalExBtw));
    u.Geldbedrag(QStringLiteral("TaxAmount"), Centen(b.btw));
    u.TaxCategory(QStringLiteral("TaxCategory"), c, true);
    u.Eind();
    u.Eind();
}

void Totalen(Ubl& u, const EfactuurBedragen& b)
{
    u.Begin(QStringLiteral("LegalMonetaryTotal"));
    u.Geldbedrag(QStringLiteral("LineExtensionAmount"), Centen(b.totaalExBtw));
    u.Geldbedrag(QStringLiteral("TaxExclusiveAmount"), Centen(b.totaalExBtw));
    u.Geldbedrag(QStringLiteral("TaxInclusiveAmount"), Centen(b.totaalInclBtw));
    u.Geldbedrag(QStringLiteral("PayableAmount"), Centen(b.totaalInclBtw));
    u.Eind();
}

void Regel(Ubl& u, const EfactuurRegel& r, const BtwCategorie& c)
{
    u.Begin(u.soort.regel);
    u.Cbc(QStringLiteral("ID"), QString::number(r.nummer));
    u.CbcAlsGevuld(QStringLiteral("Note"), r.notitie == r.naam ? QString() : r.notitie);
    u.w.writeStartElement(kCbc, u.soort.hoeveelheid);
    u.w.writeAttribute(QStringLiteral("unitCode"), QStringLiteral("C62"));
    u.w.writeCharacters(QString::number(r.aantal));
    u.w.writeEndElement();
    u.Geldbedrag(QStringLiteral("LineExtensionAmount"), Centen(r.bedrag));
    u.Begin(QStringLiteral("Item"));
    u.Cbc(QStringLiteral("Name"), XmlTekst(r.naam));
    u.TaxCategory(QStringLiteral("ClassifiedTaxCategory"), c, false);
    u.Eind();
    u.Begin(QStringLiteral("Price"));
    u.Geldbedrag(QStringLiteral("PriceAmount"), Prijs(r.prijs));
    u.Eind();
    u.Eind();
}

// The invoice a credit note corrects. Its date is left out where the Dutch
// rules advise against it, and where the page gives none.
void Factuurverwijzing(Ubl& u, const Factuur& f)
{
    u.Begin(QStringLiteral("BillingReference"));
    u.Begin(QStringLiteral("InvoiceDocumentReference"));
    u.Cbc(QStringLiteral("ID"), XmlTekst(f.BetreftNummer));
    const QDate datum = QDate::fromString(f.BetreftDatum.trimmed(), QStringLiteral("dd-MM-yyyy"));
    if (!u.Nederlands() && datum.isValid())
        u.Cbc(QStringLiteral("IssueDate"), datum.toString(Qt::ISODate));
    u.Eind();
    u.Eind();
}

}  // namespace

QByteArray UblFactuur(const Factuur& f, const Klantgegevens& klant, const PdfBijlage& pdf,
                      const std::optional<QDate>& leverdatum)
{
    const QDate datum = FactuurDatumVan(f).value_or(QDate());
    const EfactuurBedragen bedragen = BerekenEfactuur(f);
    const BtwCategorie categorie = BtwCategorieVan(f);

    const Profiel profiel = ProfielVan(klant);
    const bool credit = IsCreditnota(f);
    QByteArray xml;
    Ubl u(&xml, profiel, credit ? kCreditnota : kFactuur);
    const QString naamruimte = kUblSchema + u.soort.naam + QStringLiteral("-2");
    u.w.writeStartDocument();
    u.w.writeDefaultNamespace(naamruimte);
    u.w.writeNamespace(kCac, QStringLiteral("cac"));
    u.w.writeNamespace(kCbc, QStringLiteral("cbc"));
    u.w.writeStartElement(naamruimte, u.soort.naam);
    u.Cbc(QStringLiteral("CustomizationID"), CustomizationId(profiel));
    u.CbcAlsGevuld(QStringLiteral("ProfileID"), ProcesId(profiel));
    u.Cbc(QStringLiteral("ID"), XmlTekst(f.FactuurNummer));
    u.Cbc(QStringLiteral("IssueDate"), datum.toString(Qt::ISODate));
    if (!credit)   // a credit note is not paid by the customer
        u.Cbc(QStringLiteral("DueDate"), datum.addDays(f.Bedrijf.Betaaltermijn).toString(Qt::ISODate));
    u.Cbc(u.soort.typeElement, u.soort.typeCode);
    u.Cbc(QStringLiteral("DocumentCurrencyCode"), QStringLiteral("EUR"));
    u.Cbc(QStringLiteral("BuyerReference"), XmlTekst(klant.Referentie));
    if (credit)
        Factuurverwijzing(u, f);
    Bijlage(u, pdf);
    Verkoper(u, f.Bedrijf);
    Koper(u, klant);
    if (leverdatum)
        Levering(u, klant, *leverdatum, IsIntracommunautair(categorie));
    if (!credit)
        Betaling(u, f);
    Btw(u, bedragen, categorie);
    Totalen(u, bedragen);
    for (const EfactuurRegel& r : bedragen.regels)
        Regel(u, r, categorie);
    u.w.writeEndDocument();
    return xml.insert(u.pdfPlaats, pdf.bytes.toBase64());
}
