#pragma once

#include <QString>

class QSqlDatabase;

// The versions of the book's tables, one step each; PRAGMA user_version
// holds the step a database has reached.
int SchemaVersie();

// Brings the database up to the current version, each step in a transaction
// of its own. False with the reason when a step failed or the database is
// newer than this program.
bool MigreerSchema(QSqlDatabase& db, QString& fout);
