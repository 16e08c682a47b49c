#include "IzbirniPredmeti.h"

#include "IzbirneSkupineRaba.h"
#include "basicdata/OwnGroups.h"
#include "basicdata/RecordText.h"
#include "core/AppState.h"
#include "core/Messages.h"
#include "db/MBaza.h"

namespace zentrel::pupils {

using basicdata::N;
using basicdata::WriteAction;

namespace {

// A whole number typed into a field; -1 for anything else.
int number(const QString &text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : -1;
}

QString inGroups(qint64 elective) {
    return QStringLiteral("G.ID_IZBIRNEGA_PREDMETA = %1").arg(elective);
}

} // namespace

bool IzbirniPredmeti::load(qint64 set) {
    m_set = set;
    m_list.setSql(QStringLiteral("SELECT IP.*, PR.OZNAKA, PR.IME, PR.TIP FROM IZBIRNI_PREDMETI IP INNER JOIN PREDMETI "
                                 "PR ON PR.ID = IP.ID_PREDMETA WHERE IP.ID_IZBIRNEGA_NABORA = %1 ORDER BY PR.OZNAKA "
                                 "COLLATE SLOVENSKO")
                      .arg(set));
    return m_list.requeryToSame(QStringLiteral("ID"));
}

IzbirniPredmetFields IzbirniPredmeti::current() const {
    return {m_list.integer(QStringLiteral("ID_PREDMETA")), m_list.text(QStringLiteral("STEVILO_UR")),
            m_list.text(QStringLiteral("NORMATIV_MAX")), m_list.text(QStringLiteral("NORMATIV_MIN")),
            m_list.text(QStringLiteral("STEVILO_UCITELJEV"))};
}

IzbirniPredmetFields IzbirniPredmeti::newRecord() const {
    return {-1, QStringLiteral("1"), QString::number(core::App().normativMax), QString::number(core::App().normativMin),
            QString()};
}

QString IzbirniPredmeti::frameHeader(bool adding) const {
    return basicdata::FrameHeader(
        QStringLiteral("Predmet"), QStringLiteral("Dodajanje predmeta"), adding,
        basicdata::RecordLabel(m_list.text(QStringLiteral("OZNAKA")), m_list.text(QStringLiteral("IME"))));
}

db::RowSet IzbirniPredmeti::subjects() {
    return db::ProjectDb().query(
        QStringLiteral("SELECT ID, OZNAKA, IME FROM PREDMETI ORDER BY OZNAKA COLLATE SLOVENSKO"));
}

int IzbirniPredmeti::teacherCount(qint64 subject) {
    return db::ProjectDb()
        .scalar(QStringLiteral("SELECT count(*) FROM UCITELJ_PREDMET WHERE ID_PREDMETA = ?"), {subject})
        .toInt();
}

qint64 IzbirniPredmeti::curriculumOfSet() const {
    return db::ProjectDb()
        .scalar(QStringLiteral("SELECT ID_RAZ_PREDMETNIKA FROM IZBIRNI_NABORI WHERE ID = ?"), {m_set})
        .toLongLong();
}

bool IzbirniPredmeti::validate(const IzbirniPredmetFields &f, qint64 ownId) {
    if (f.predmet < 0)
        return refuse(QStringLiteral("ID_PREDMETA"), QStringLiteral("Predmet je obvezen."));
    const QString code =
        db::ProjectDb().scalar(QStringLiteral("SELECT OZNAKA FROM PREDMETI WHERE ID = ?"), {f.predmet}).toString();
    if (basicdata::CountRows(QStringLiteral("SELECT count(*) FROM IZBIRNI_PREDMETI WHERE ID_IZBIRNEGA_NABORA = %1 AND "
                                            "ID_PREDMETA = %2 AND ID <> %3")
                                 .arg(m_set)
                                 .arg(f.predmet)
                                 .arg(ownId)) != 0)
        return refuse(QStringLiteral("ID_PREDMETA"), QStringLiteral("Predmet # je že v naboru."), code);
    if (teacherCount(f.predmet) == 0)
        return refuse(QStringLiteral("ID_PREDMETA"),
                      QStringLiteral("V osnovnih podatkih za predmet ni določenega učitelja."));
    if (number(f.steviloUr) <= 0)
        return refuse(QStringLiteral("STEVILO_UR"), QStringLiteral("Število ur ne more biti 0."));
    // A largest group of 0 would leave the automatic assignment dividing by zero.
    const int max = number(f.normativMax), min = number(f.normativMin);
    if (max <= 0)
        return refuse(QStringLiteral("NORMATIV_MAX"), QStringLiteral("Največje število učencev mora biti večje od 0."));
    if (min < 0 || min > max)
        return refuse(QStringLiteral("NORMATIV_MIN"),
                      QStringLiteral("Najmanjše število učencev ne sme biti večje od največjega."));
    if (number(f.steviloUciteljev) < 0)
        return refuse(QStringLiteral("STEVILO_UCITELJEV"), QStringLiteral("Število učiteljev ni pravilno."));
    accepted();
    return true;
}

bool IzbirniPredmeti::acceptAddNew(const IzbirniPredmetFields &f) {
    if (m_set < 0 || !validate(f, -1))
        return false;
    const qint64 id = db::NextId(QStringLiteral("IZBIRNI_PREDMETI"));
    WriteAction action;
    action.exec(QStringLiteral("INSERT INTO IZBIRNI_PREDMETI (ID, ID_PREDMETA, ID_IZBIRNEGA_NABORA, NORMATIV_MAX, "
                               "NORMATIV_MIN, STEVILO_UCITELJEV, STEVILO_UR) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                {id, f.predmet, m_set, number(f.normativMax), number(f.normativMin), number(f.steviloUciteljev),
                 number(f.steviloUr)});
    if (!action.commit())
        return false;
    m_list.requeryAt(QStringLiteral("ID"), id);
    return true;
}

bool IzbirniPredmeti::takeOutOfGroups(qint64 elective, bool ask) {
    const qint64 valid = CountElectiveRowsInUse(inGroups(elective), true);
    if (valid != 0)
        return valid > 0 && refuse({}, QStringLiteral("Skupine predmetov ni dovoljeno spreminajti, ker nastopa v "
                                                      "veljavnem urniku."));
    return !ask || core::ShowMessage(core::MsgQuestion, QStringLiteral("Predmet bo izbrisan iz izbirnih skupin.")) ==
                       core::Answer::Yes;
}

bool IzbirniPredmeti::acceptEdit(const IzbirniPredmetFields &f) {
    if (!m_list.hasCurrent() || !validate(f, m_list.id()))
        return false;
    const qint64 id = m_list.id();
    // The groups were written for the old subject and hours.
    const bool reshaped = f.predmet != m_list.integer(QStringLiteral("ID_PREDMETA")) ||
                          number(f.steviloUr) != m_list.integer(QStringLiteral("STEVILO_UR"));
    const bool grouped =
        reshaped &&
        basicdata::CountRows(QStringLiteral("SELECT count(*) FROM PREDMETI_V_SKUPINI G WHERE ") + inGroups(id)) > 0;
    if (grouped && !takeOutOfGroups(id, true))
        return false;
    WriteAction action;
    action.exec(
        QStringLiteral("UPDATE IZBIRNI_PREDMETI SET ID_PREDMETA=?, NORMATIV_MAX=?, NORMATIV_MIN=?, "
                       "STEVILO_UCITELJEV=?, STEVILO_UR=? WHERE ID=?"),
        {f.predmet, number(f.normativMax), number(f.normativMin), number(f.steviloUciteljev), number(f.steviloUr), id});
    if (grouped) {
        action.exec(QStringLiteral("DELETE FROM PREDMETI_V_SKUPINI WHERE ID_IZBIRNEGA_PREDMETA = %1").arg(id));
        RemoveEmptyElectiveGroups(action, curriculumOfSet());
    }
    if (!action.commit())
        return false;
    m_list.requeryAt(QStringLiteral("ID"), id);
    return true;
}

bool IzbirniPredmeti::deleteCurrent() {
    if (!m_list.hasCurrent())
        return false;
    const qint64 id = m_list.id();
    if (!takeOutOfGroups(id, false))
        return false;
    const qint64 used = basicdata::CountRows(
        QStringLiteral("SELECT (SELECT count(*) FROM PREDMETI_V_SKUPINI G WHERE %1) + (SELECT count(*) FROM "
                       "IZBIRNI_PREDMETI_UCENCI WHERE ID_IZBIRNEGA_PREDMETA = %2)")
            .arg(inGroups(id), N(id)));
    if (used < 0 || !basicdata::ConfirmDelete(QStringLiteral("Potrdi brisanje predmeta # iz nabora."),
                                              m_list.text(QStringLiteral("OZNAKA")),
                                              used > 0 ? QStringLiteral("Brisane bodo tudi izbire učencev in mesta v "
                                                                        "izbirnih skupinah s tem predmetom!")
                                                       : QString()))
        return false;
    WriteAction action;
    // Choices and the rows in elective groups go through the schema.
    action.exec(QStringLiteral("DELETE FROM IZBIRNI_PREDMETI WHERE ID = %1").arg(id));
    RemoveEmptyElectiveGroups(action, curriculumOfSet());
    if (!action.commit())
        return false;
    m_list.requery();
    return true;
}

} // namespace zentrel::pupils
