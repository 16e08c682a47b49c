#pragma once

#include "Connection.h"

#include <QString>
#include <QStringList>

namespace zentrel::db {

constexpr int CurrentSchemaVersion = 19;

// The full SQL text of the project schema (tables, cascades, triggers, the "Verzija" row).
const QString &SchemaSql();
// Every permanent table of the schema, in the order they are created.
const QStringList &SchemaTables();
// Creates the schema on an empty database, in one transaction.
bool CreateSchema(Connection &connection);
// Writes the factory defaults: periods 0..15, turnus 0 "0" and 1 "I", shift 1 "A" and the
// first period 1 of shift A in turnus I.
bool WriteFactoryDefaults(Connection &connection);
// Creates a new pristine defaults database file at path (replacing any file there).
bool CreateDefaultsDatabaseFile(const QString &path);

} // namespace zentrel::db
