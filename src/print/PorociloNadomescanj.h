#pragma once

#include "DanPouka.h"
#include "Dokument.h"
#include "Imena.h"

namespace zentrel::print {

// A line of the daily substitution report.
struct VrsticaNadomescanja {
    qint64 objekt = -1; // the teacher (or class) the line is listed under
    int ura = 0;
    QString enota, prostor, predmet;
    QString koga;      // whom: the lesson's own teacher
    QString nadomesca; // the class report: who teaches it instead
    QString kaj;       // what: the subject taught instead
    QString opomba;
};

// The remarks of the report.
namespace opomba {
inline const QString RedniPouk = QStringLiteral("redni pouk");
inline const QString Nadomescanje = QStringLiteral("nadomeščanje");
inline const QString NadomescanjeOdpade = QStringLiteral("nadomeščanje - odpade v ");
inline const QString Zaposlitev = QStringLiteral("zaposlitev");
inline const QString ZaposlitevHkrati = QStringLiteral("zaposlitev - hkrati z ");
inline const QString SpremenjenProstor = QStringLiteral("spremenjen prostor");
inline const QString OdpadeUcenci = QStringLiteral("odpade - odsotni učenci");
inline const QString OdpadeProstor = QStringLiteral("odpade - zaseden prostor");
inline const QString OdpadeUcitelj = QStringLiteral("odpade - odsoten učitelj");
} // namespace opomba

// The report for teachers: every teacher who on the day substitutes, whose lesson falls away
// (its classes absent, or its room taken without a substitution), or whose lesson moves to
// another room, with those lessons; with redniPouk also the rest of his lessons that day.
// Remarks: a substitute "nadomeščanje", or "nadomeščanje - odpade v " and the class whose lesson
// of his falls away meanwhile, or "zaposlitev - hkrati z " and the class he teaches meanwhile;
// "zaposlitev" when the lesson's own teacher is present. Ordered by teacher name and period.
QList<VrsticaNadomescanja> NadomescanjaUciteljev(const DanPouka &dan, const Imena &imena, bool redniPouk);
// The report for classes: the lessons of each present class that are substituted, move room or
// fall away (taken room, or an absent teacher nobody replaces); with redniPouk also the others.
// Ordered by class code and period.
QList<VrsticaNadomescanja> NadomescanjaEnot(const DanPouka &dan, const Imena &imena, bool redniPouk);
// Released teachers: present teachers whose lesson falls away, by teacher and period; with
// vsi false only the periods in which they do not substitute either (they are free).
QList<VrsticaNadomescanja> SproscenaUre(const DanPouka &dan, const Imena &imena, bool vsi);

// The daily report as a document: "Nadomeščanja za učitelje", "Nadomeščanja za enote" and
// "Sproščeni učitelji" for the date, each with a block per teacher or class.
Dokument DokumentNadomescanj(const DanPouka &dan, const Imena &imena, const QString &imeSole, bool redniPouk);
// The released periods of the date, per teacher.
Dokument DokumentSproscenihUr(const DanPouka &dan, const Imena &imena, const QString &imeSole);

} // namespace zentrel::print
