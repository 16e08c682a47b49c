#pragma once

#include "AnalizaUcencev.h"
#include "IzvozUrnikov.h"
#include "SeznamiUrnika.h"

#include <optional>

namespace zentrel::print {

// The pupils' analyses of the printout window.
enum class AnalizaUcencev { ProstiUcenci, Luknje, ProsteUre };

// The logic of the timetable printout window: the objects to choose from, the documents of its
// tabs, and the printed marks of the timetable's lessons. Documents for no chosen object are
// refused with "Ničesar niste izbrali.." (an empty result).
class IzpisUrnikov {
public:
    explicit IzpisUrnikov(db::Connection &connection, qint64 idUrnika, qint64 idTurnusa);

    UrnikiObjektov &urniki() { return m_urniki; }
    QList<Objekt> Objekti(VrstaObjekta vrsta) { return m_urniki.Objekti(vrsta); }

    // The objects that have lessons of the timetable not yet printed (pupils have no marks:
    // all of them are new).
    QList<qint64> Nenatisnjeni(VrstaObjekta vrsta);
    // Marks the lessons of the objects in the timetable as printed, in one transaction: those of
    // every turnus, or with vsiTurnusi false only those a printout of the current turnus shows.
    bool OznaciNatisnjene(VrstaObjekta vrsta, const QList<qint64> &ids, bool vsiTurnusi);

    // The weeks of the chosen objects; with vsiTurnusi false only the current turnus.
    std::optional<Dokument> Tedni(VrstaObjekta vrsta, const QList<qint64> &ids, bool vsiTurnusi);
    // Their lessons as a list (for CSV and XML).
    std::optional<Dokument> SeznamUr(VrstaObjekta vrsta, const QList<qint64> &ids, bool vsiTurnusi);
    // "Prepovedi enot", "Prepovedi učiteljev", "Prepovedi prostorov": "Oznaka", "Dan", "Ura".
    std::optional<Dokument> Prepovedi(VrstaObjekta vrsta, const QList<qint64> &ids);
    // The pupils' free periods as a grid per class, their gaps or their free periods as a list.
    std::optional<Dokument> Ucenci(AnalizaUcencev analiza, const QList<qint64> &ids);
    Dokument Seznam(int katerih) { return DokumentSeznama(m_urniki, SeznamiUrnika().at(katerih)); }

private:
    IzborUrnikov izbor(VrstaObjekta vrsta, const QList<qint64> &ids, bool vsiTurnusi);
    Dokument analysisList(const QString &title, const QList<ProstaUra> &rows, const QList<Objekt> &pupils);
    Dokument freePupilsGrid(const QList<ProstaUra> &rows, const QList<Objekt> &pupils);

    db::Connection &m_db;
    UrnikiObjektov m_urniki;
    qint64 m_turnus;
};

// Report names of the pupils' analyses.
QString ImeAnalize(AnalizaUcencev analiza);

} // namespace zentrel::print
