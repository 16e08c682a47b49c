#pragma once

#include "KoledarFixture.h"
#include "SolaPodatki.h"

namespace zentrel::test {

// A small school on Monday 8 September 2025 (timetable "Zimski", one rotation week A, valid
// from 1 September 2025). Classes 1.a and 1.b with the joint group $1ab; teachers NOV (Novak),
// KOS, ŽAG, BER, ČEH, DAN; rooms U1 and U2 in building A, TEL in building B, and a second room
// coded U1 (ID 5) in building A. Monday's lessons (TERMINI ID: class, subject, teacher, period,
// room):
//   1: 1.a MAT NOV 2 U1   2: 1.b SLO KOS 1 U2   3: 1.a SLO KOS 3 U1
//   4: 1.b MAT ŽAG 2 U2   5: $1ab ŠPO BER 4 TEL 6: 1.a MAT NOV 5 U1
// Qualified: NOV, KOS, ŽAG for MAT; KOS for SLO; BER for ŠPO.
class SolaFixture : public KoledarFixture {
protected:
    static constexpr qint64 NOV = 1, KOS = 2, ZAG = 3, BER = 4, CEH = 5, DAN = 6;
    static constexpr qint64 U1 = 1, U2 = 2, TEL = 3, U1B = 5;
    static constexpr qint64 A1 = 1, B1 = 2;

    void SetUp() override {
        KoledarFixture::SetUp();
        run(SolaSql());
    }

    static QDate monday() { return QDate(2025, 9, 8); }

    void odsoten(const QString &table, const QString &key, qint64 id, int od, int do_, const QDate &datum = monday()) {
        ASSERT_TRUE(
            db().exec(QStringLiteral("INSERT INTO %1 (%2, OD_DNE, OD_URE, DO_URE) VALUES (?, ?, ?, ?)").arg(table, key),
                      {id, datum, od, do_}));
    }
    void odsotenUcitelj(qint64 id, int od = 0, int do_ = 15) {
        odsoten(QStringLiteral("ODSOTNOSTI_UCITELJEV"), QStringLiteral("ID_UCITELJA"), id, od, do_);
    }
    // A substitution of lesson `termin` on Monday by `ucitelj` in `prostor`.
    void nadomesca(qint64 id, qint64 termin, qint64 ucitelj, qint64 prostor) {
        ASSERT_TRUE(db().exec(QStringLiteral("INSERT INTO SUPLENCE (ID, VELJA_OD, ID_TERMINA, DAN, URA, ID_UCITELJA, "
                                             "ID_SKUPINE_ODDELKOV, ID_PREDMETA, ID_PROSTORA) SELECT ?, ?, TERMINI.ID, "
                                             "1, TERMINI.URA, ?, RAZPORED.ID_SKUPINE_ODDELKOV, RAZPORED.ID_PREDMETA, ? "
                                             "FROM TERMINI JOIN RAZPORED ON RAZPORED.ID = TERMINI.ID_RAZPOREDA WHERE "
                                             "TERMINI.ID = ?"),
                              {id, monday(), ucitelj, prostor, termin}));
    }
};

} // namespace zentrel::test
