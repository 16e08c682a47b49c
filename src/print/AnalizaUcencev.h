#pragma once

#include "UrnikiObjektov.h"

#include <QList>
#include <QMap>

namespace zentrel::print {

// A period (or, with ura -1, a whole day) of a pupil's week in one turnus.
struct ProstaUra {
    qint64 idUcenca = -1;
    qint64 idTurnusa = 0;
    QString turnus;
    int dan = 0;
    int ura = -1;
    bool operator==(const ProstaUra &o) const {
        return idUcenca == o.idUcenca && idTurnusa == o.idTurnusa && dan == o.dan && ura == o.ura;
    }
};

// The rules of the pupils' analyses. A pupil's week is looked at turnus by turnus (the turnusi
// in which he or his class has lessons; lessons of every week count in each); days 1 to 5.
//
// A gap: a period without a lesson of the pupil that lies between his first and last lesson of
// the day. It is found whether or not the class has a lesson then.
QList<ProstaUra> NajdiLuknjeUcencev(const QList<UraUrnika> &ureUcencev);
// A free period: his class has a lesson and he has none (a group or an elective he does not
// attend), so the school must look after him. A free day: his class has lessons on the day and
// he has none at all (ura -1 then, instead of a free period for each of them).
QList<ProstaUra> NajdiProsteUreUcencev(const QList<UraUrnika> &ureUcencev, const QList<UraUrnika> &ureOddelkov,
                                       const QMap<qint64, qint64> &oddelekUcenca, const QList<qint64> &ucenci);

} // namespace zentrel::print
