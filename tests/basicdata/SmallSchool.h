#pragma once

#include <QStringList>

namespace zentrel::test {

// The statements of a small school for the assignment tests, curriculum 1 "2026":
//  classes 1 "1.a", 2 "1.b"; subjects 10 MAT, 11 ŠPO, 12 TIT;
//  teachers 20 "Nov" (Ana Novak: MAT, TIT), 21 "D'Arc" (Ivana D'Arc: MAT, ŠPO), 22 "Žag" (Žan Žagar:
//  ŠPO, TIT); rooms 30 U1, 31 TEL, 32 U2 in building 1, named group 33 "$ŠPORT" (31, 32);
//  programme 40 "1. razred" (MAT 4/1, ŠPO 3/1, every week) followed by 1.a and 1.b;
//  combined group: programme 41 "$TIT1ab", local subject group 50 "$TIT1ab" with TIT in the
//  pupils' groups "1. skupina" (row 51) and "2. skupina" (row 52), 2/2 every week, local class
//  group 60 "$1ab" of both classes.
inline QStringList SmallSchoolStatements() {
    return {
        QStringLiteral("INSERT INTO PREDMETNIKI (ID, IME) VALUES (1, '2026')"),
        QStringLiteral("INSERT INTO ODDELKI (ID, OZNAKA, IME) VALUES (1, '1.a', '1.a'), (2, '1.b', '1.b')"),
        QStringLiteral("INSERT INTO SKUPINE_ODDELKOV (ID, OZNAKA, IME) VALUES (1, '1.a', '1.a'), (2, '1.b', '1.b')"),
        QStringLiteral("INSERT INTO ODDELKI_V_SKUPINI (ID_SKUPINE, ID_ODDELKA) VALUES (1, 1), (2, 2)"),
        QStringLiteral("INSERT INTO ODDELKI_V_PREDMETNIKU VALUES (1, 1, Null, Null, 1), (2, 1, Null, Null, 1)"),
        QStringLiteral("INSERT INTO PREDMETI (ID, OZNAKA, IME, KABINETNI) VALUES (10, 'MAT', 'MAT', 0), (11, 'ŠPO', "
                       "'ŠPO', 0), (12, 'TIT', 'TIT', 0)"),
        QStringLiteral("INSERT INTO SKUPINE_PREDMETOV (ID, OZNAKA, IME) VALUES (10, 'MAT', 'MAT'), (11, 'ŠPO', 'ŠPO'), "
                       "(12, 'TIT', 'TIT')"),
        QStringLiteral("INSERT INTO PREDMETI_V_SKUPINI (ID, ID_SKUPINE, ID_PREDMETA) VALUES (10, 10, 10), (11, 11, "
                       "11), (12, 12, 12)"),
        QStringLiteral("INSERT INTO UCITELJI (ID, OZNAKA, IME, PRIIMEK) VALUES (20, 'Nov', 'Ana', 'Novak'), (21, "
                       "'D''Arc', 'Ivana', 'D''Arc'), (22, 'Žag', 'Žan', 'Žagar')"),
        QStringLiteral("INSERT INTO UCITELJ_PREDMET (ID_UCITELJA, ID_PREDMETA) VALUES (20, 10), (20, 12), (21, 10), "
                       "(21, 11), (22, 11), (22, 12)"),
        QStringLiteral("INSERT INTO STAVBE (ID, OZNAKA, IME) VALUES (1, 'A', 'A')"),
        QStringLiteral("INSERT INTO PROSTORI (ID, OZNAKA, IME, ID_STAVBE, KABINET) VALUES (30, 'U1', 'U1', 1, 1), "
                       "(31, 'TEL', 'TEL', 1, 1), (32, 'U2', 'U2', 1, 1)"),
        QStringLiteral("INSERT INTO SKUPINE_PROSTOROV (ID, OZNAKA, IME) VALUES (30, 'U1', 'U1'), (31, 'TEL', 'TEL'), "
                       "(32, 'U2', 'U2'), (33, '$ŠPORT', '$ŠPORT')"),
        QStringLiteral("INSERT INTO PROSTORI_V_SKUPINI (ID_PROSTORA, ID_SKUPINE) VALUES (30, 30), (31, 31), (32, 32), "
                       "(31, 33), (32, 33)"),
        QStringLiteral("INSERT INTO PROGRAMI (ID, OZNAKA, IME, ID_RAZ_PREDMETNIKA) VALUES (40, '1. razred', Null, 1), "
                       "(41, '$TIT1ab', Null, 1)"),
        QStringLiteral("INSERT INTO SKUPINE_PREDMETOV (ID, OZNAKA, IME, ID_RAZ_PREDMETNIKA) VALUES (50, '$TIT1ab', "
                       "'Tehnika 1.a in 1.b', 1)"),
        QStringLiteral("INSERT INTO PREDMETI_V_SKUPINI (ID, ID_SKUPINE, ID_PREDMETA, IME_SKUPINE_UCENCEV) VALUES (51, "
                       "50, 12, '1. skupina'), (52, 50, 12, '2. skupina')"),
        QStringLiteral("INSERT INTO PREDMETI_V_PROGRAMU (ID_PROGRAMA, ID_SKUPINE_PREDMETOV, ID_TURNUSA, STEVILO_UR, "
                       "DOLZINA_TERMINA, ZAHTEVNOST) VALUES (40, 10, 0, 4, 1, 2), (40, 11, 0, 3, 1, 2), (41, 50, 0, 2, "
                       "2, 2)"),
        QStringLiteral("INSERT INTO SKUPINE_ODDELKOV (ID, OZNAKA, IME, ID_RAZ_PREDMETNIKA) VALUES (60, '$1ab', '$1ab', "
                       "1)"),
        QStringLiteral("INSERT INTO ODDELKI_V_SKUPINI (ID_SKUPINE, ID_ODDELKA) VALUES (60, 1), (60, 2)"),
        QStringLiteral("INSERT INTO PROGRAM_SKUPINE (ID_SKUPINE_ODDELKOV, ID_PREDMETNIKA, ID_PROGRAMA) VALUES (1, 1, "
                       "40), (2, 1, 40), (60, 1, 41)"),
    };
}

} // namespace zentrel::test
