#pragma once

#include "boek/facturenboek.h"
#include "invoice/regels_totalen.h"
#include "platform/amount.h"

#include <QDate>
#include <QList>
#include <QString>

#include <vector>

// The rules of the "Facturenboek" window as plain functions of its rows.

enum class BoekStatus { Alle, Open, Betaald, TeLaat };

struct BoekFilter {
    int jaar = 0;          // 0: every year
    int kwartaal = 0;      // 1-4; 0: the whole year
    BoekStatus status = BoekStatus::Alle;
    QString zoek;          // part of the customer's name or the number, any letter case
};

// Days past the due date of an unpaid invoice; 0 when not overdue. A credit
// note is never overdue: the money goes the other way.
int DagenTeLaat(const Boekregel& r, QDate vandaag);

// "Open", "Betaald 12-01-2027", "Te laat (14 dagen)".
QString StatusTekst(const Boekregel& r, QDate vandaag);

int Kwartaal(QDate datum);

// The places in rows of the rows the filter lets through, in their order.
std::vector<int> Gefilterd(const std::vector<Boekregel>& regels, const BoekFilter& filter, QDate vandaag);

// The three totals of the shown rows.
Totalen TotalenVan(const std::vector<Boekregel>& regels, const std::vector<int>& getoond);

// The years the book holds, newest first.
QList<int> Jaren(const std::vector<Boekregel>& regels);
