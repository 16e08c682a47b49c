#pragma once

#include "PodatkiDneva.h"

namespace zentrel::calendar {

// A class that has lessons falling out on the date; `nadomescen` when every one has a
// substitution.
struct PrizadetOddelek {
    qint64 id = -1;
    QString oznaka;
    bool nadomescen = true;
};

// A lesson of the chosen class that takes place for it on the date, with what it needs and
// the substitution stored for it.
struct UraOddelka {
    qint64 idTermina = -1;
    int ura = 0;
    qint64 skupinaOddelkov = -1;
    QString oznakaSkupinePredmetov;
    QString oznakaPredmeta;
    qint64 predmet = -1;
    qint64 ucitelj = -1;
    qint64 prostor = -1; // -1: the lesson needs no room
    QString oznakaProstora;
    bool uciteljOdsoten = false;
    bool prostorOdsoten = false;
    qint64 idSuplence = -1;
    qint64 sUcitelj = -1;
    qint64 sPredmet = -1;
    qint64 sProstor = -1;
    bool potrebujeNadomescanje() const { return uciteljOdsoten || prostorOdsoten; }
    bool nadomescena() const { return idSuplence >= 0; }
};

// A room offered for the chosen lesson; `drugaStavba` when it is not in the lesson's building.
struct PonujenProstor {
    qint64 id = -1;
    QString oznaka;
    bool drugaStavba = false;
};

// One entry of a candidate's day: a lesson that takes place, an absence, or a substitution.
struct UraKandidata {
    enum Vrsta { Pouk, Odsotnost, Nadomescanje };
    Vrsta vrsta = Pouk;
    int od = 0;
    int do_ = 0;
    QString predmet;
    qint64 stavba = -1;
};

// The logic of the substitution window FSestavljanjeSuplenc and of zentrel-cli substitutes:
// choose a date, a class among those with lessons falling out, a lesson of it; the teachers
// are ranked and the free rooms offered for that lesson; the choice is stored as the lesson's
// substitution of the date (or deleted again).
//
// Each step discards what depends on it: a new date the class, a new class the lesson.
class SestavljanjeSuplenc {
public:
    // Resolves the date and reads its classes and the day's data for ranking. False (reported)
    // on a database error.
    bool NastaviDatum(const QDate &datum);
    const DanUrnika &dan() const { return m_dan; }
    const PodatkiDneva &podatki() const { return m_podatki; }
    const QVector<PrizadetOddelek> &oddelki() const { return m_oddelki; }

    // Reads the lessons of a class on the date.
    bool IzberiOddelek(qint64 oddelek);
    qint64 oddelek() const { return m_oddelek; }
    const QVector<UraOddelka> &ure() const { return m_ure; }

    // Chooses a lesson of the class: ranks the candidates and reads the rooms.
    bool IzberiUro(qint64 idTermina);
    const UraOddelka *ura() const;
    const QVector<Kandidat> &kandidati() const { return m_kandidati; }
    // The candidate to show chosen: the teacher of the stored substitution, else the best.
    int predlaganKandidat() const;
    // Candidates are offered only when the lesson's teacher is absent; with only its room
    // absent the room is all that changes.
    bool kandidatiPonujeni() const;
    const QVector<PonujenProstor> &prostori() const { return m_prostori; }

    // A candidate's day: his lessons that take place, his absences and his substitutions.
    QVector<UraKandidata> DanKandidata(qint64 ucitelj) const;
    // The subjects a teacher may teach (ID and code), by code.
    QVector<QPair<qint64, QString>> PredmetiKandidata(qint64 ucitelj) const;

    // Stores the chosen lesson's substitution: `ucitelj` teaches it (-1: none chosen), in
    // `predmet` (-1: its own subject) and room `prostor` (-1: no room change). Refused with a
    // message: no teacher where its teacher is absent ("Določiti je potrebno učitelja."), no
    // room where its room is absent ("Določiti je potrebno prostor."), a teacher or room that
    // is not free. Updates the stored row or adds one, then rereads the date's lists.
    bool Shrani(qint64 ucitelj, qint64 predmet, qint64 prostor);
    // Deletes the chosen lesson's substitution after "Potrdi brisanje nadomeščanja #.".
    bool Brisi();

private:
    bool readClasses();
    bool readRooms(const UraOddelka &lesson);
    void refresh();

    DanUrnika m_dan;
    PodatkiDneva m_podatki;
    QVector<PrizadetOddelek> m_oddelki;
    qint64 m_oddelek = -1;
    QVector<UraOddelka> m_ure;
    qint64 m_termin = -1;
    QVector<Kandidat> m_kandidati;
    QVector<PonujenProstor> m_prostori;
};

} // namespace zentrel::calendar
