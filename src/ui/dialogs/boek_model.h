#pragma once

#include "boek/facturenboek.h"

#include <QAbstractTableModel>
#include <QDate>

#include <vector>

// The rows of the "Facturenboek" window: the book's documents as they are
// filtered, read straight from the vector so ten thousand rows fill at once.
class BoekModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Kolom { Nummer, Datum, Klant, ExBtw, Btw, InclBtw, Vervaldatum, Status, kKolommen };

    explicit BoekModel(QDate vandaag, QObject* parent = nullptr);

    void ZetRegels(std::vector<Boekregel> regels);
    void ZetGetoond(std::vector<int> getoond);
    const std::vector<Boekregel>& Regels() const { return regels_; }
    const std::vector<int>& Getoond() const { return getoond_; }
    const Boekregel& RegelOp(int rij) const { return regels_[getoond_[rij]]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QDate vandaag_;
    std::vector<Boekregel> regels_;
    std::vector<int> getoond_;
};
