#include "ui/dialogs/boek_model.h"

#include "boek/overzicht.h"

#include <QColor>
#include <QFont>

BoekModel::BoekModel(QDate vandaag, QObject* parent) : QAbstractTableModel(parent), vandaag_(vandaag) {}

void BoekModel::ZetRegels(std::vector<Boekregel> regels)
{
    beginResetModel();
    regels_ = std::move(regels);
    getoond_.clear();
    endResetModel();
}

void BoekModel::ZetGetoond(std::vector<int> getoond)
{
    beginResetModel();
    getoond_ = std::move(getoond);
    endResetModel();
}

int BoekModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(getoond_.size());
}

int BoekModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kKolommen;
}

QVariant BoekModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Boekregel& r = RegelOp(index.row());
    const Uitgifte& u = r.uitgifte;
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case Nummer: return u.IsCreditnota() ? u.nummer + QStringLiteral(" (creditnota)") : u.nummer;
        case Datum: return DatumTekst(u.datum);
        case Klant: return u.klant;
        case ExBtw: return FormatBedrag(u.exBtw);
        case Btw: return FormatBedrag(u.btw);
        case InclBtw: return FormatBedrag(u.inclBtw);
        case Vervaldatum: return u.IsCreditnota() ? QString() : DatumTekst(u.vervaldatum);
        case Status: return StatusTekst(r, vandaag_);
        }
        return {};
    case Qt::ToolTipRole:   // what its issues made
        return index.column() == Nummer ? r.gemaakt.join(QLatin1Char('\n')) : QString();
    case Qt::TextAlignmentRole:
        if (index.column() == ExBtw || index.column() == Btw || index.column() == InclBtw)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    // An overdue invoice stands out: dark red and bold.
    case Qt::ForegroundRole:
        return DagenTeLaat(r, vandaag_) > 0 ? QVariant(QColor(170, 0, 0)) : QVariant();
    case Qt::FontRole:
        if (DagenTeLaat(r, vandaag_) > 0) {
            QFont vet;
            vet.setBold(true);
            return vet;
        }
        return {};
    }
    return {};
}

QVariant BoekModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char* const koppen[] = {"Nummer", "Datum", "Klant", "Excl. btw", "Btw", "Incl. btw", "Vervaldatum",
                                         "Status"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kKolommen)
        return {};
    return QString::fromUtf8(koppen[section]);
}
