#pragma once

#include "MapaId.h"
#include "ModelUrnika.h"
#include "db/Connection.h"

// The steps of the model load that read the entities (rooms, subject groups, class groups and
// classes, teachers, forbidden periods) and fill the ID maps the lesson units are resolved with.
namespace zentrel::engine::nalaganje {

// The ID maps live only while one load runs.
struct Mape {
    MapaId prostori, skupinePredmetov, skupineOddelkov, oddelki, ucitelji;
};

// The model index of an ID value through a map; -1 for null or unknown.
int Map(const MapaId &mapa, const QVariant &value);
qint64 Id(const db::RowSet &rows, int row, int column);
// Day 1..5 and period 0..15.
bool Pravi(qint64 dan, qint64 ura);

// Each returns false when its query failed (the connection holds the error).
bool BeriProstore(db::Connection &c, ModelUrnika &m, Mape &mape);
bool BeriSkupinePredmetov(db::Connection &c, ModelUrnika &m, Mape &mape, qint64 predmetnik);
bool BeriOddelke(db::Connection &c, ModelUrnika &m, Mape &mape, qint64 predmetnik);
bool BeriUcitelje(db::Connection &c, ModelUrnika &m, Mape &mape, qint64 predmetnik);
bool BeriPrepovedi(db::Connection &c, ModelUrnika &m, const Mape &mape);

} // namespace zentrel::engine::nalaganje
