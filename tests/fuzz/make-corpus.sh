#!/usr/bin/env bash
# Writes the generated seed files of the fuzz corpus from a built program folder (zn.opp,
# primer.znt): empty, small and older projects, with 512-byte pages so that each stays a few dozen
# KB. Seeds written by hand (the pupil registers) and cases that once failed ("failed-*") are
# left alone. Usage: tests/fuzz/make-corpus.sh build/bin
set -euo pipefail
bin=$(realpath "$1")
corpus=$(dirname "$(realpath "$0")")/corpus
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A copy of the file with small pages and no free space.
small() {
  rm -f "$2"
  sqlite3 "$1" "PRAGMA page_size=512; VACUUM INTO '$2';"
}

# The shipped sample school cut down to two classes with their assignments, lessons and pupils.
cp "$bin/primer.znt" "$work/sola.znt"
sqlite3 "$work/sola.znt" <<'SQL'
PRAGMA foreign_keys=ON;
DELETE FROM ODDELKI WHERE ID NOT IN (SELECT ID FROM ODDELKI ORDER BY ID LIMIT 2);
DELETE FROM SKUPINE_ODDELKOV WHERE ID NOT IN (SELECT ID_SKUPINE FROM ODDELKI_V_SKUPINI);
DELETE FROM ERD_UCENEC WHERE ID NOT IN (SELECT ID_UCENCA FROM ERD_UCENCI_ODDELKA);
DELETE FROM ERD_UCENEC WHERE ID NOT IN (SELECT ID FROM ERD_UCENEC ORDER BY ID LIMIT 12);
DELETE FROM UCITELJI WHERE ID NOT IN (SELECT ID_UCITELJA FROM RAZPORED WHERE ID_UCITELJA IS NOT NULL);
SQL

cp "$bin/zn.opp" "$work/prazen.znt"
# An older project: version 12 lacks three later columns.
cp "$bin/zn.opp" "$work/v12.znt"
sqlite3 "$work/v12.znt" <<'SQL'
UPDATE INI SET VREDNOST='12' WHERE ATRIBUT='Verzija';
INSERT INTO INI VALUES ('Ime_Sole', 'OŠ Stara d''Or') ON CONFLICT(ATRIBUT) DO UPDATE SET VREDNOST=excluded.VREDNOST;
ALTER TABLE IZBIRNI_PREDMETI DROP COLUMN STEVILO_UCITELJEV;
ALTER TABLE PREDMETI_V_SKUPINI DROP COLUMN IME_SKUPINE_UCENCEV;
ALTER TABLE ERD_UCENCI_PREDMETA DROP COLUMN TIP;
INSERT INTO STAVBE VALUES (1,'G','Glavna');
INSERT INTO PROSTORI VALUES (5,'KEM','Kemija',1,1);
INSERT INTO SKUPINE_PROSTOROV VALUES (5,'KEM','Kemija');
INSERT INTO PROSTORI_V_SKUPINI VALUES (5,5);
INSERT INTO UCITELJI VALUES (1,'ŽK','Žiga',NULL,'Kovačič'),(2,'MČ','Mojca',NULL,'Čadež');
INSERT INTO PREDMETI VALUES (1,'KEM','Kemija','',1);
INSERT INTO SKUPINE_PREDMETOV VALUES (1,'KEM','Kemija',NULL,NULL,NULL);
INSERT INTO PREDMETI_V_SKUPINI VALUES (1,1,1,NULL,NULL,NULL);
INSERT INTO UCITELJ_PREDMET VALUES (1,1),(2,1);
INSERT INTO PREDMETNIKI (ID,IME) VALUES (1,'Star');
INSERT INTO IZBIRNI_NABORI (ID,IME,ID_RAZ_PREDMETNIKA) VALUES (1,'Izbirni',1);
INSERT INTO IZBIRNI_PREDMETI (ID,ID_PREDMETA,ID_IZBIRNEGA_NABORA,NORMATIV_MAX,NORMATIV_MIN,STEVILO_UR)
  VALUES (1,1,1,20,10,2);
INSERT INTO ERD_UCENEC (ID,OZNAKA,IME,PRIIMEK,SPOL) VALUES (1,'1','  Špela ','Horvat','Ž');
INSERT INTO ERD_UCENCI_PREDMETA (ID,ID_UCENCA) VALUES (1,1);
SQL
# A time grid of its own: another turnus and shift, rooms whose names need quoting.
cp "$bin/zn.opp" "$work/mreza.znt"
sqlite3 "$work/mreza.znt" <<'SQL'
INSERT INTO INI VALUES ('Ime_Sole', 'Gimnazija "Jože" d''Or') ON CONFLICT(ATRIBUT) DO UPDATE SET VREDNOST=excluded.VREDNOST;
INSERT INTO TURNUSI VALUES (2,'II');
INSERT INTO IZMENE VALUES (3,'C');
INSERT INTO STAVBE VALUES (1,'G','Glavna'),(4,'Š''','Športna d''Or');
INSERT INTO PROSTORI VALUES (1,'KEM','Kemija',1,0),(9,'TV''1','Telovadnica',4,1);
INSERT INTO SKUPINE_PROSTOROV VALUES (1,'KEM','Kemija'),(7,'ŠPORT','Vse telovadnice');
INSERT INTO PROSTORI_V_SKUPINI VALUES (1,1),(9,7);
UPDATE URE SET OZNAKA='7.30' WHERE URA=1;
SQL

small "$work/prazen.znt" "$corpus/project-open/prazen.znt"
small "$work/sola.znt" "$corpus/project-open/mala-sola.znt"
small "$work/prazen.znt" "$corpus/project-open/stara-verzija.znt"
sqlite3 "$corpus/project-open/stara-verzija.znt" "UPDATE INI SET VREDNOST='18' WHERE ATRIBUT='Verzija';"

small "$work/v12.znt" "$corpus/project-upgrade/verzija-12.kvl"
small "$work/sola.znt" "$corpus/project-upgrade/mala-sola-16.kvl"
sqlite3 "$corpus/project-upgrade/mala-sola-16.kvl" "UPDATE INI SET VREDNOST='16' WHERE ATRIBUT='Verzija';"

small "$work/mreza.znt" "$corpus/infrastructure-import/druga-mreza.znt"
small "$work/sola.znt" "$corpus/infrastructure-import/mala-sola.znt"
small "$work/v12.znt" "$corpus/infrastructure-import/verzija-12.znt"
ls -l "$corpus"/*/
