#include "Ucenci.h"

#include "PupilText.h"
#include "basicdata/RecordText.h"
#include "basicdata/WriteAction.h"
#include "db/MBaza.h"
#include "db/SqlText.h"

namespace zentrel::pupils {

using basicdata::WriteAction;

namespace {

QVariant nullable(const QString &text) {
    const QString t = text.trimmed();
    return t.isEmpty() ? QVariant() : QVariant(t);
}

} // namespace

Ucenci::Ucenci()
    : RecordLogic(
          QStringLiteral("SELECT ERD_UCENEC.*, CAST(strftime('%d', DATUMROJSTVA) AS INTEGER) || '. ' || "
                         "CAST(strftime('%m', DATUMROJSTVA) AS INTEGER) || '. ' || strftime('%Y', DATUMROJSTVA) "
                         "AS DATUM, ") +
          db::SqlText::GenderName(QStringLiteral("ERD_UCENEC")) +
          QStringLiteral("FROM ERD_UCENEC ORDER BY PRIIMEK COLLATE SLOVENSKO, IME COLLATE SLOVENSKO, "
                         "OZNAKA COLLATE SLOVENSKO")) {}

bool Ucenci::open() {
    return m_list.requeryToSame(QStringLiteral("ID"));
}

UcenecFields Ucenci::current() const {
    UcenecFields f;
    f.oznaka = m_list.text(QStringLiteral("OZNAKA"));
    f.ime = m_list.text(QStringLiteral("IME"));
    f.vmesnoIme = m_list.text(QStringLiteral("VMESNOIME"));
    f.priimek = m_list.text(QStringLiteral("PRIIMEK"));
    f.spol = m_list.text(QStringLiteral("SPOL"));
    f.datumRojstva = m_list.text(QStringLiteral("DATUM"));
    f.letoVpisa = m_list.text(QStringLiteral("LETOVPISA"));
    f.paralelka = m_list.text(QStringLiteral("PARALELKA"));
    f.usmeritev = m_list.text(QStringLiteral("USMERITEV"));
    return f;
}

QString Ucenci::label() const {
    if (!m_list.hasCurrent())
        return {};
    const UcenecFields f = current();
    return basicdata::TeacherName(f.oznaka, f.ime, f.vmesnoIme, f.priimek);
}

QString Ucenci::frameHeader(bool adding) const {
    return basicdata::FrameHeader(QStringLiteral("Učenec"), QStringLiteral("Nov učenec"), adding, label());
}

db::RowSet Ucenci::sexes() {
    return db::RowSet(
        {QStringLiteral("ID"), QStringLiteral("IME")}, {QStringLiteral("TEXT"), QStringLiteral("TEXT")},
        {{QStringLiteral("M"), QStringLiteral("moški")}, {QStringLiteral("Z"), QStringLiteral("ženski")}});
}

bool Ucenci::validate(const UcenecFields &f, qint64 ownId) {
    if (f.oznaka.trimmed().isEmpty())
        return refuse(QStringLiteral("OZNAKA"), QStringLiteral("Oznaka ne sme biti prazna."));
    // Codes are compared as a user reads them, so "u001" and "U001" cannot both exist.
    const db::RowSet codes = db::ProjectDb().query(QStringLiteral("SELECT ID, OZNAKA FROM ERD_UCENEC"));
    const QString key = CodeKey(f.oznaka);
    for (int r = 0; r < codes.rowCount(); ++r)
        if (codes.integer(r, QStringLiteral("ID")) != ownId && CodeKey(codes.text(r, QStringLiteral("OZNAKA"))) == key)
            return refuse(QStringLiteral("OZNAKA"), QStringLiteral("Ta oznaka je že uporabljena"));
    if (f.priimek.trimmed().isEmpty())
        return refuse(QStringLiteral("PRIIMEK"), QStringLiteral("Priimek ne sme biti prazen."));
    if (f.spol != QLatin1String("M") && f.spol != QLatin1String("Z"))
        return refuse(QStringLiteral("SPOL"), QStringLiteral("Spol je potrebno določiti."));
    if (!f.datumRojstva.trimmed().isEmpty() && !ParseDate(f.datumRojstva).isValid())
        return refuse(QStringLiteral("DATUM"), QStringLiteral("Napačen datum rojstva."));
    accepted();
    return true;
}

QVariantList Ucenci::values(const UcenecFields &f) const {
    const QDate born = ParseDate(f.datumRojstva);
    return {f.oznaka.trimmed(),
            nullable(f.ime),
            nullable(f.vmesnoIme),
            f.priimek.trimmed(),
            f.spol,
            born.isValid() ? QVariant(born) : QVariant(),
            nullable(f.letoVpisa),
            nullable(f.paralelka),
            nullable(f.usmeritev)};
}

bool Ucenci::acceptAddNew(const UcenecFields &f) {
    if (!validate(f, -1))
        return false;
    const qint64 id = db::NextId(QStringLiteral("ERD_UCENEC"));
    WriteAction action;
    action.exec(QStringLiteral("INSERT INTO ERD_UCENEC (ID, OZNAKA, IME, VMESNOIME, PRIIMEK, SPOL, DATUMROJSTVA, "
                               "LETOVPISA, PARALELKA, USMERITEV) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                QVariantList{id} + values(f));
    if (!action.commit())
        return false;
    m_list.requeryAt(QStringLiteral("ID"), id);
    return true;
}

bool Ucenci::acceptEdit(const UcenecFields &f) {
    if (!m_list.hasCurrent() || !validate(f, m_list.id()))
        return false;
    const qint64 id = m_list.id();
    WriteAction action;
    action.exec(QStringLiteral("UPDATE ERD_UCENEC SET OZNAKA=?, IME=?, VMESNOIME=?, PRIIMEK=?, SPOL=?, "
                               "DATUMROJSTVA=?, LETOVPISA=?, PARALELKA=?, USMERITEV=? WHERE ID=?"),
                values(f) + QVariantList{id});
    if (!action.commit())
        return false;
    m_list.requeryAt(QStringLiteral("ID"), id);
    return true;
}

bool Ucenci::deleteCurrent() {
    if (!m_list.hasCurrent())
        return false;
    if (!basicdata::ConfirmDelete(QStringLiteral("Potrdi brisanje učenca #."), label()))
        return false;
    WriteAction action;
    // Unit and subject memberships and elective choices go with the pupil through the schema.
    action.exec(QStringLiteral("DELETE FROM ERD_UCENEC WHERE ID=?"), {m_list.id()});
    if (!action.commit())
        return false;
    m_list.requery();
    return true;
}

} // namespace zentrel::pupils
