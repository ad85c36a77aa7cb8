#pragma once

#include "boek/facturenboek.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

// How a document stands in the table "documenten": the columns the list
// reads, a row into a Boekregel, an issue into the statements' values.

// The columns RegelUit reads, in its order.
extern const QString kKolommen;
Boekregel RegelUit(const QSqlQuery& q);

// A new row, and a row that takes the place of the one under its number;
// bind the issue, then ":pdf", ":efactuur" and ":gemaakt" (and for a new
// row ":naam" and ":betaald").
extern const QString kNieuweRegel;
extern const QString kVervangenRegel;
void BindUitgifte(QSqlQuery& q, const Uitgifte& u);

// The page of the document of that number, new or in place of the one it had.
bool SchrijfBlad(QSqlDatabase& db, const QString& nummer, const QByteArray& blad);

// The columns hold no NULL texts: an empty text is an empty text.
QString NietNull(const QString& tekst);
